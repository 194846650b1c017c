#include "batch_dialogs.h"

#include <ostream>

#include "platform/terminal.h"
#include "terminal_text.h"

namespace console {

void BatchDialogs::notice(const std::string&, const std::string& text) {
  out_ << forTerminal(text) << "\n\n";
}

bool BatchDialogs::question(const std::string&, const std::string& text) {
  out_ << forTerminal(text) << "\n\n";
  return answers_.faultQuestions;
}

bool BatchDialogs::askOverwrite(const std::string&, const std::string& text) {
  out_ << forTerminal(text) << "\n\n";
  return answers_.overwrite;
}

std::string BatchDialogs::browseForFolder(std::intptr_t, const std::string&) {
  return platform::absolutePath(answers_.dataFolder);
}

std::optional<std::string> BatchDialogs::openFile(const startup::OpenFileRequest&) {
  const std::string path = platform::absolutePath(answers_.importFile);
  // Whether it can be the import file is the wizard's to say.
  if (system_.pathKind(path) != platform::PathKind::kMissing) return path;
  out_ << forTerminal(path) << "\n"
       << say(language_, {"Datei nicht gefunden.", "File not found.", "Fichier introuvable."})
       << "\n";
  return std::nullopt;
}

// The regional settings that dates and numbers are read in, since the locale
// of a server or a container may name none.
void BatchDialogs::regionChosen(const platform::RegionalSettings& region) {
  if (!answers_.showRegion) return;
  out_ << say(language_,
              {"Regionale Einstellungen: ", "Regional settings: ", "Paramètres régionaux : "})
       << forTerminal(region.name)
       << say(language_,
              {" (ändern mit --region)", " (change with --region)", " (à changer avec --region)"})
       << "\n";
}

}  // namespace console
