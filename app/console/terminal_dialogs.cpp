#include "terminal_dialogs.h"

#include <istream>
#include <ostream>

#include "platform/codepage.h"
#include "platform/terminal.h"
#include "terminal_text.h"

namespace console {

namespace {

using startup::Language;

bool isYes(const std::string& answer) {
  for (const char* yes : {"y", "yes", "j", "ja", "o", "oui"}) {
    if (answer == yes) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> TerminalDialogs::readLine() {
  std::string line;
  if (!std::getline(in_, line)) return std::nullopt;
  if (echo_) out_ << line << "\n";
  return fromTerminal(line);
}

void TerminalDialogs::showBox(const std::string& title, const std::string& text) {
  out_ << "\n== " << forTerminal(title) << " ==\n" << forTerminal(text) << "\n";
}

void TerminalDialogs::notice(const std::string& title, const std::string& text) {
  out_ << '\a';
  showBox(title, text);
  out_ << say(language_, {"[Eingabetaste] ", "[Enter] ", "[Entrée] "}) << std::flush;
  readLine();
}

bool TerminalDialogs::question(const std::string& title, const std::string& text) {
  showBox(title, text);
  out_ << say(language_, {"[j/N] ", "[y/N] ", "[o/N] "}) << std::flush;
  const auto answer = readLine();
  return answer && isYes(platform::lowerCase(*answer));
}

std::string TerminalDialogs::browseForFolder(std::intptr_t, const std::string& instruction) {
  out_ << "\n" << forTerminal(instruction) << " " << std::flush;
  return readLine().value_or("");
}

void TerminalDialogs::showFileDialog(const std::string& title, const std::string& filter) {
  out_ << "\n== " << forTerminal(title) << " ==\n"
       << forTerminal(filter.substr(0, filter.find('|'))) << "\n";
}

// In a terminal a relative name means the current folder, as in every
// command; the window's dialogs start in the request's folder.
std::optional<std::string> TerminalDialogs::promptForPath() {
  out_ << forTerminal(platform::absolutePath("")) << " > " << std::flush;
  const auto name = readLine();
  if (!name || name->empty()) return std::nullopt;
  return platform::absolutePath(*name);
}

std::optional<std::string> TerminalDialogs::openFile(const startup::OpenFileRequest& request) {
  showFileDialog(request.title, request.filter);
  for (;;) {
    const auto path = promptForPath();
    // Whether it can be the import file is the wizard's to say.
    if (!path || !request.fileMustExist ||
        system_.pathKind(*path) != platform::PathKind::kMissing) {
      return path;
    }
    out_ << forTerminal(*path) << "\n"
         << say(language_, {"Datei nicht gefunden. Prüfen Sie den Dateinamen.",
                            "File not found. Check the file name.",
                            "Fichier introuvable. Vérifiez le nom du fichier."})
         << "\n";
  }
}

std::optional<std::string> TerminalDialogs::saveFile(const startup::SaveFileRequest& request) {
  showFileDialog(request.title, request.filter);
  return promptForPath();
}

}  // namespace console
