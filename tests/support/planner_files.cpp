#include "support/planner_files.h"

#include <filesystem>

#include "hostfiles/scrambled_line.h"
#include "platform/system.h"
#include "support/temp_folder.h"

namespace testing_support {

void writeScrambledFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto key = static_cast<unsigned char>(32 + i * 37 % 223);
    bytes += hostfiles::encodeLine(key, lines[i]) + "\r\n";
  }
  writeFile(path, bytes);
}

std::vector<std::string> readScrambledFile(const std::string& path) {
  const std::string bytes = readFile(path);
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    lines.push_back(hostfiles::decodeLine(bytes.substr(start, end - start)));
    start = end == std::string::npos ? bytes.size() : end + 2;
  }
  return lines;
}

void makePlannerData(const std::string& folder, const PlannerData& data) {
  std::vector<std::string> configuration = {
      "[Zentavo]", "Version=5",  "x",           "[Firma]", "Muster GmbH",
      "y",         "[Settings]", data.settings, "z",       "[Administratoren]"};
  configuration.insert(configuration.end(), data.administrators.begin(), data.administrators.end());
  writeScrambledFile(folder + "Konfigdaten.dat", configuration);
  std::vector<std::string> employees = {"[Mitarbeiterdaten]", "12345678", "7"};
  employees.insert(employees.end(), data.employees.begin(), data.employees.end());
  writeScrambledFile(folder + "Mitarbeiterdaten.dat", employees);
  writeScrambledFile(folder + "KalenderData.dat", {"[Kalender]", "2026"});
  std::filesystem::create_directory(nativePath(folder + "Logs"));
  writeScrambledFile(folder + "Logs" + platform::kSeparator + "2611 Zentavo.log",
                     {"01.11.26 08:00:00|admin|ZentaAdmin|Start"});
}

}  // namespace testing_support
