#include "support/planner_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "hostfiles/scrambled_line.h"
#include "platform/system.h"
#include "support/temp_folder.h"

namespace testing_support {

std::string scrambledFile(const Lines& lines) {
  std::string bytes;
  unsigned char key = 0;
  for (const std::string& line : lines) {
    key += 53;
    if (key == '\n' || key == '\r') key += 53;
    bytes += hostfiles::encodeLine(key, line) + "\r\n";
  }
  return bytes;
}

void writeScrambledFile(const std::string& path, const Lines& lines) {
  writeFile(path, scrambledFile(lines));
}

Lines readScrambledFile(const std::string& path) {
  const std::string bytes = readFile(path);
  Lines lines;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << path << ": line without CR LF at byte " << start;
      break;
    }
    const std::string_view line(bytes.data() + start, end - start);
    if (hostfiles::isScrambledLine(line)) {
      lines.push_back(hostfiles::decodeLine(line));
    } else {
      ADD_FAILURE() << path << ": no scrambled line at byte " << start;
    }
    start = end + 2;
  }
  return lines;
}

Lines configurationLines(const std::string& settings, const Lines& admins) {
  Lines lines = {"[Zentavo]",  "2",      "3", "[Firma]",  "Muster GmbH", "6",
                 "[Settings]", settings, "9", "[Urlaub]", "x",           "[Administratoren]"};
  lines.insert(lines.end(), admins.begin(), admins.end());
  return lines;
}

void makePlannerData(const std::string& folder, const PlannerData& data) {
  writeScrambledFile(folder + "Konfigdaten.dat",
                     configurationLines(data.settings, data.administrators));
  Lines employees = {"[Mitarbeiterdaten]", "12345678", "7"};
  employees.insert(employees.end(), data.employees.begin(), data.employees.end());
  writeScrambledFile(folder + "Mitarbeiterdaten.dat", employees);
  writeScrambledFile(folder + "KalenderData.dat", {"[Kalender]", "2026"});
  std::filesystem::create_directory(nativePath(folder + "Logs"));
  writeScrambledFile(folder + "Logs" + platform::kSeparator + "2611 Zentavo.log",
                     {"01.11.26 08:00:00|admin|ZentaAdmin|Start"});
}

}  // namespace testing_support
