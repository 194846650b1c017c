#include "startup/messages.h"

#include "platform/system.h"

namespace startup {

void Meldung_anzeigen(ProgramState& state, const std::string& text) {
  state.dialogs->notice(state.Programmtitel, text);
}

namespace {

[[noreturn]] void endProgram(ProgramState& state, const std::optional<std::string>& text) {
  if (text) Meldung_anzeigen(state, *text);
  throw ProgramEnd{kFatalExitStatus};
}

}  // namespace

void Programm_beenden(ProgramState& state, const std::string& text) {
  state.Datei1.abandon();
  const auto closing = pick(state.Sprache, "Das Programm wird beendet.", "Program will be closed.",
                            "Le programme va être fermé.");
  endProgram(state, closing ? std::optional(text + "." + CR + CR + *closing) : std::nullopt);
}

void Fehler_melden(ProgramState& state, std::string_view context, const RunTimeError& error) {
  state.Datei1.abandon();
  const std::string where = cp(context);  // contexts are UTF-8 literals
  const std::string number = std::to_string(error.number());
  const std::string description = errorDescription(state.Sprache, error.number());
  std::optional<std::string> text;
  switch (state.Sprache) {
    case Language::DE:
      text = cp("Es ist folgender Fehler aufgetreten in Modul '") + where + "':" + CR + CR +
             "Fehler Nr. " + number + CR + description + CR + CR + "Das Programm wird beendet.";
      break;
    case Language::EN:
      text = "The following error occurred in module '" + where + "':" + CR + CR + "Error Nr. " +
             number + CR + description + CR + CR + "Program will be closed.";
      break;
    case Language::FR:
      text = cp("L'erreur suivante est survenue au module « ") + where + cp(" » :") + CR + CR +
             cp("Erreur N° ") + number + CR + description + CR + CR +
             cp("Le programme va être fermé.");
      break;
    case Language::Other:
      break;
  }
  endProgram(state, text);
}

void notify(ProgramState& state, const std::string& text) {
  if (state.Sprache != Language::Other) Meldung_anzeigen(state, text);
}

std::string Name_zitieren(const ProgramState& state, std::string_view name) {
  if (!name.empty() && name.back() == platform::kSeparator) name.remove_suffix(1);
  const std::string quoted(name);
  switch (state.Sprache) {
    case Language::DE:
    case Language::EN:
      return "'" + quoted + "'";
    case Language::FR:
      return cp("« ") + quoted + cp(" »");
    case Language::Other:
      break;
  }
  return {};
}

}  // namespace startup
