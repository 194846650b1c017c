// Planner files for tests: scrambled line files written and read directly, and
// a whole data folder as the planner leaves it.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

using Lines = std::vector<std::string>;

// A scrambled file holding `lines`, each ended by CR LF, with keys from the
// whole range of codes but the line ends.
std::string scrambledFile(const Lines& lines);
void writeScrambledFile(const std::string& path, const Lines& lines);
// The plain lines of a scrambled file. Fails the test unless every line is a
// scrambled line ended by CR LF.
Lines readScrambledFile(const std::string& path);

// The lines of a Konfigdaten.dat: `settings` as line 8, an extra section, and
// the administrator header followed by `admins`.
Lines configurationLines(const std::string& settings, const Lines& admins);

struct PlannerData {
  std::string settings = std::string(40, '0');  // the settings line of Konfigdaten.dat
  Lines administrators = {"NoAdmins"};
  Lines employees;  // entry lines of Mitarbeiterdaten.dat
};

// Konfigdaten.dat, Mitarbeiterdaten.dat and KalenderData.dat in `folder` (which
// ends with the separator), and a log book in its subfolder "Logs".
void makePlannerData(const std::string& folder, const PlannerData& data);

}  // namespace testing_support
