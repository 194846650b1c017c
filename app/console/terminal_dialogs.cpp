#include "terminal_dialogs.h"

#include <istream>
#include <ostream>

#include "console_texts.h"
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

bool TerminalDialogs::yes() {
  out_ << say(language_, {"[j/N] ", "[y/N] ", "[o/N] "}) << std::flush;
  const auto answer = readLine();
  return answer && isYes(platform::lowerCase(*answer));
}

bool TerminalDialogs::question(const std::string& title, const std::string& text) {
  showBox(title, text);
  return yes();
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

void TerminalDialogs::showLines(const startup::LinesRequest& request) {
  out_ << "\n== " << forTerminal(request.title) << " ==\n";
  for (const std::string& line : request.lines) out_ << forTerminal(line) << "\n";
  std::string save = request.saveCaption;
  std::erase(save, '&');
  out_ << forTerminal(save) << " ";
  if (yes()) request.save();
}

startup::ListChoice TerminalDialogs::chooseFromList(const startup::ListChoiceRequest& request) {
  const auto& rows = request.rows;
  out_ << "\n== " << forTerminal(request.title) << " ==\n";
  if (rows.empty()) out_ << forTerminal(request.emptyText) << "\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    out_ << "  " << i + 1 << "  " << forTerminal(rows[i].text) << "\n";
  }
  for (;;) {
    out_ << texts::listPrompt(language_) << std::flush;
    const auto answer = readLine();
    if (!answer || answer->empty()) return {};
    if (answer->find_first_not_of("0123456789") != std::string::npos) {
      return {.kind = startup::ListChoice::Kind::kOtherFile,
              .otherFile = absoluteUnlessName(*answer)};
    }
    const std::size_t number = answer->size() < 6 ? std::stoul(*answer) : 0;
    if (number >= 1 && number <= rows.size() && rows[number - 1].choosable) {
      return {.kind = startup::ListChoice::Kind::kChosen, .row = number - 1, .otherFile = {}};
    }
    out_ << texts::invalidChoice(language_, *answer) << "\n";
  }
}

std::string absoluteUnlessName(const std::string& backup) {
  return backup.find(platform::kSeparator) == std::string::npos ? backup
                                                                : platform::absolutePath(backup);
}

}  // namespace console
