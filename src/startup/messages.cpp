#include "startup/messages.h"

#include "platform/system.h"
#include "startup/startup_texts.h"

namespace startup {

void Meldung_anzeigen(const Context& context, const std::string& text) {
  context.dialogs->notice(context.Programmtitel, text);
}

namespace {

// Without texts of its language the program ends without a word.
[[noreturn]] void endProgram(const Context& context, const std::string& text) {
  notify(context, text);
  throw ProgramEnd{kFatalExitStatus};
}

}  // namespace

void Programm_beenden(const Context& context, const std::string& text) {
  endProgram(context, text + "." + CR + CR + texts::closing(context.language));
}

void Fehler_melden(const Context& context, std::string_view where, const RunTimeError& error) {
  // The places are UTF-8 literals.
  endProgram(context, texts::errorReport(context.language, cp(where), error.number()));
}

void notify(const Context& context, const std::string& text) {
  if (context.language != Language::Other) Meldung_anzeigen(context, text);
}

bool overwriteConfirmed(const Context& context, const std::string& question) {
  return context.language == Language::Other ||
         context.dialogs->askOverwrite(context.Programmtitel, question);
}

std::string Name_zitieren(const Context& context, std::string_view name) {
  if (!name.empty() && name.back() == platform::kSeparator) name.remove_suffix(1);
  if (context.language == Language::Other) return {};
  return texts::quoted(context.language, std::string(name));
}

}  // namespace startup
