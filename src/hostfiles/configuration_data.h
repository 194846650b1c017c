// The planner's configuration data file "Konfigdaten.dat" in the data folder:
// its section headers, the settings line and the list of administrators.
#pragma once

#include <cstddef>
#include <string_view>

#include "startup/program_state.h"

namespace hostfiles {

inline constexpr std::string_view kConfigurationFile = "Konfigdaten.dat";
// The fraction flag: character 30 of the settings line, "0" to "2".
inline constexpr std::size_t kFractionFlag = 29;
inline bool isFractionFlag(char flag) { return flag >= '0' && flag <= '2'; }

// Checks the headers, keeps the settings line in Settings_Zeile and sets
// Adminstatus (2 when the user counts as an administrator, else 0). Ends the
// program with a message when the file is missing or damaged.
void Konfigdaten_lesen(startup::ProgramState& state);

// Makes sure that the file can be replaced before anything else is written:
// ends the program with the open-failure message when it cannot.
void Konfigdaten_ersetzbar(startup::ProgramState& state);

// Rewrites the file with Settings_Zeile after each "[Settings]" line, every
// other line kept in its order. A failure leaves the old file as it was.
void Konfigdaten_schreiben(startup::ProgramState& state);

}  // namespace hostfiles
