#include "importfile/duplicates.h"

#include "importfile/check_texts.h"
#include "platform/codepage.h"

namespace importfile {

bool Namensliste::seenBefore(std::string_view Benutzerkennung) {
  const std::string name = platform::lowerCase(Benutzerkennung);
  const bool seen = name.find('|') == std::string::npos
                        ? pieces_.count(name) > 0
                        : text_.find('|' + name + '|') != std::string::npos;
  text_ += '|' + name + '|';
  std::size_t start = 0;
  for (std::size_t bar = name.find('|'); bar != std::string::npos; bar = name.find('|', start)) {
    pieces_.insert(name.substr(start, bar - start));
    start = bar + 1;
  }
  pieces_.insert(name.substr(start));
  return seen;
}

bool checkDuplicates(CheckRun& run) {
  Namensliste seen;
  ImportRows& rows = run.state.ImportRows;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ImportRow& row = rows[i];
    if (row.Benutzerkennung.empty() || !seen.seenBefore(row.Benutzerkennung)) continue;
    if (!run.ask(i + 1, &row.Name, texts::duplicate(run.state.Sprache, row.Benutzerkennung))) {
      return false;
    }
  }
  return true;
}

}  // namespace importfile
