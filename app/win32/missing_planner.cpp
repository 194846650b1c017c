#include "missing_planner.h"

#include "startup/messages.h"

namespace win32ui {

void reportMissingPlanner(startup::ProgramState& state) {
  // The closing full stop and the closing line come from Programm_beenden.
  const auto text =
      startup::pick(state.Sprache, "Sie müssen zuerst den Zentavo-Kalender installieren",
                    "You have to install the Zentavo Desk first",
                    "Le logiciel Zentavo Bureau n'est pas installé");
  startup::Programm_beenden(state, text.value_or(""));
}

}  // namespace win32ui
