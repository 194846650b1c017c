#include "importfile/check_run.h"

#include "importfile/check_texts.h"
#include "startup/messages.h"

namespace importfile {

bool CheckRun::ask(std::size_t row, const std::string* name, const std::string& error) {
  if (state.Sprache != startup::Language::Other &&
      !state.dialogs->question(state.Programmtitel,
                               texts::question(state.Sprache, row, name, error))) {
    return false;
  }
  Fehler_gefunden = true;
  return true;
}

void notify(startup::ProgramState& state, const std::string& text) {
  if (state.Sprache != startup::Language::Other) startup::Meldung_anzeigen(state, text);
}

}  // namespace importfile
