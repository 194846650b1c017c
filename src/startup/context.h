// What every unit of the program reaches the world through: the system, the
// user (through the dialogs, in the program's title and language) and the
// user's regional settings. The front-end connects the system and the dialogs;
// Main fills the rest once, and nothing changes it afterwards.
#pragma once

#include <optional>
#include <string>

#include "platform/regional_settings.h"
#include "platform/system.h"
#include "startup/dialogs.h"
#include "startup/language.h"

namespace startup {

struct Context {
  Context(platform::System& host, Dialogs& shown) : system(&host), dialogs(&shown) {}

  std::string Programmtitel;
  std::string Dezimaltrenner;
  std::string Datum_heute;
  std::string Benutzername;

  // The build's language; tests set another one.
  Language language = buildLanguage();
  // The user's regional settings, read by Main.
  platform::RegionalSettings region;
  // Regional settings that the front-end names for Main to take; nothing: the system's.
  std::optional<platform::RegionalSettings> namedRegion;
  platform::System* system;
  Dialogs* dialogs;
};

}  // namespace startup
