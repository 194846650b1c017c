// Planner files for tests: scrambled line files written and read directly, and
// a whole data folder as the planner leaves it.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Writes `lines` as scrambled lines with CR LF (keys vary from line to line).
void writeScrambledFile(const std::string& path, const std::vector<std::string>& lines);
// The plain lines of a scrambled file written with CR LF.
std::vector<std::string> readScrambledFile(const std::string& path);

struct PlannerData {
  std::string settings = std::string(40, '0');  // the settings line of Konfigdaten.dat
  std::vector<std::string> administrators = {"NoAdmins"};
  std::vector<std::string> employees;  // entry lines of Mitarbeiterdaten.dat
};

// Konfigdaten.dat, Mitarbeiterdaten.dat and KalenderData.dat in `folder` (which
// ends with the separator), and a log book in its subfolder "Logs".
void makePlannerData(const std::string& folder, const PlannerData& data);

}  // namespace testing_support
