#include "importfile/import_fixture.h"

#include "importfile/import_check.h"
#include "importfile/import_file.h"
#include "support/planner_files.h"

namespace importfile {

ImportFixture::ImportFixture() {
  useLanguage(startup::Language::DE);
  state.Datenpfad = folder.path();
  state.Importdatei = folder.file("import.csv");
  testing_support::makePlannerData(folder.path(), {});
}

void ImportFixture::writeImport(const std::string& bytes) { folder.write("import.csv", bytes); }

void ImportFixture::writeImportLines(const Lines& utf8) {
  std::string bytes;
  for (const std::string& line : utf8) bytes += startup::cp(line) + "\r\n";
  writeImport(bytes);
}

bool ImportFixture::check() {
  outcome = Importdatei_checken(state, {state.Importdatei, state.Datenpfad});
  return outcome.verdict == Verdict::kFaultFree;
}

bool ImportFixture::read() {
  std::optional<ImportData> data = Importdatei_lesen(state, state.Importdatei);
  outcome.data = data ? std::move(*data) : ImportData{};
  return data.has_value();
}

Lines ImportFixture::rawLines() const {
  Lines lines;
  for (const ImportRow row : rows) lines.emplace_back(row.Rohzeile());
  return lines;
}

std::string columns(const ImportRow& row) {
  std::string joined(row.Name());
  for (std::size_t column = 1; column < kColumns; ++column) {
    joined.append("|").append(row.field(static_cast<Column>(column)));
  }
  return joined;
}

}  // namespace importfile
