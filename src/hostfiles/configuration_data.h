// The planner's configuration data file "Konfigdaten.dat" in the data folder:
// its section headers, the settings line and the list of administrators.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "startup/context.h"

namespace hostfiles {

inline constexpr std::string_view kConfigurationFile = "Konfigdaten.dat";
// The section whose next line is the settings line.
inline constexpr std::string_view kSettingsHeader = "[Settings]";
// The fraction flag: character 30 of the settings line, "0" to "2".
inline constexpr std::size_t kFractionFlag = 29;
inline bool isFractionFlag(char flag) { return flag >= '0' && flag <= '2'; }

// What the file says about the planner's settings and the user.
struct Configuration {
  std::string settingsLine;
  std::int16_t adminStatus = 0;  // 2 when the user counts as an administrator, else 0
};

// Checks the headers of the file in `dataFolder` and gives its settings line
// and the user's status. Ends the program with a message when the file is
// missing or damaged.
Configuration Konfigdaten_lesen(const startup::Context& context, const std::string& dataFolder);

// The file's path in `dataFolder`.
std::string configurationFile(const std::string& dataFolder);

// Rewrites the file with `Settings_Zeile` after each "[Settings]" line, every
// other line kept in its order. Raises a run-time error, the old file kept,
// when the file cannot be read or replaced; shows nothing.
void Konfigdaten_schreiben(const startup::Context& context, const std::string& dataFolder,
                           const std::string& Settings_Zeile);

}  // namespace hostfiles
