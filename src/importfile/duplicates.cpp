#include "importfile/duplicates.h"

#include "importfile/check_texts.h"
#include "platform/codepage.h"

namespace importfile {

bool Namensliste::seenBefore(std::string_view Benutzerkennung) {
  std::string name = platform::lowerCase(Benutzerkennung);
  const std::size_t listed = text_.size();
  text_.append(1, '|').append(name).append(1, '|');
  if (name.find('|') == std::string::npos) return !pieces_.insert(std::move(name)).second;
  const std::string_view wanted = std::string_view(text_).substr(listed);
  const bool seen = std::string_view(text_).substr(0, listed).find(wanted) != std::string::npos;
  std::size_t start = 0;
  for (std::size_t bar = name.find('|'); bar != std::string::npos; bar = name.find('|', start)) {
    pieces_.insert(name.substr(start, bar - start));
    start = bar + 1;
  }
  pieces_.insert(name.substr(start));
  return seen;
}

bool checkDuplicates(CheckRun& run) {
  ImportRows& rows = run.state.ImportRows;
  Namensliste seen(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ImportRow& row = rows[i];
    if (row.Benutzerkennung.empty() || !seen.seenBefore(row.Benutzerkennung)) continue;
    if (!run.ask({.row = i + 1,
                  .name = std::string(row.Name),
                  .column = 1,
                  .value = std::string(row.Benutzerkennung),
                  .text = texts::duplicate(run.state.Sprache, std::string(row.Benutzerkennung))})) {
      return false;
    }
  }
  return true;
}

}  // namespace importfile
