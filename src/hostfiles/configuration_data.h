// The planner's configuration data file "Konfigdaten.dat" in the data folder:
// its section headers, the settings line and the list of administrators.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "startup/program_state.h"

namespace hostfiles {

inline constexpr std::string_view kConfigurationFile = "Konfigdaten.dat";
// The section whose next line is the settings line.
inline constexpr std::string_view kSettingsHeader = "[Settings]";
// The fraction flag: character 30 of the settings line, "0" to "2".
inline constexpr std::size_t kFractionFlag = 29;
inline bool isFractionFlag(char flag) { return flag >= '0' && flag <= '2'; }

// Checks the headers, keeps the settings line in Settings_Zeile and sets
// Adminstatus (2 when the user counts as an administrator, else 0). Ends the
// program with a message when the file is missing or damaged.
void Konfigdaten_lesen(startup::ProgramState& state);

// The file's path in the data folder.
std::string configurationFile(const startup::ProgramState& state);

// Rewrites the file with Settings_Zeile after each "[Settings]" line, every
// other line kept in its order. Raises a run-time error, the old file kept,
// when the file cannot be read or replaced; shows nothing.
void Konfigdaten_schreiben(startup::ProgramState& state);

}  // namespace hostfiles
