#include "startup/messages.h"

#include "platform/system.h"
#include "startup/startup_texts.h"

namespace startup {

void Meldung_anzeigen(ProgramState& state, const std::string& text) {
  state.dialogs->notice(state.Programmtitel, text);
}

namespace {

// Without texts of its language the program ends without a word.
[[noreturn]] void endProgram(ProgramState& state, const std::string& text) {
  notify(state, text);
  throw ProgramEnd{kFatalExitStatus};
}

}  // namespace

void Programm_beenden(ProgramState& state, const std::string& text) {
  state.Datei1.abandon();
  endProgram(state, text + "." + CR + CR + texts::closing(state.Sprache));
}

void Fehler_melden(ProgramState& state, std::string_view context, const RunTimeError& error) {
  state.Datei1.abandon();
  // Contexts are UTF-8 literals.
  endProgram(state, texts::errorReport(state.Sprache, cp(context), error.number()));
}

void notify(ProgramState& state, const std::string& text) {
  if (state.Sprache != Language::Other) Meldung_anzeigen(state, text);
}

bool overwriteConfirmed(ProgramState& state, const std::string& question) {
  return state.Sprache == Language::Other ||
         state.dialogs->askOverwrite(state.Programmtitel, question);
}

std::string Name_zitieren(const ProgramState& state, std::string_view name) {
  if (!name.empty() && name.back() == platform::kSeparator) name.remove_suffix(1);
  if (state.Sprache == Language::Other) return {};
  return texts::quoted(state.Sprache, std::string(name));
}

}  // namespace startup
