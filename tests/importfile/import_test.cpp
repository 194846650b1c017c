#include "importfile/import_test.h"

#include "hostfiles/file_channel.h"
#include "importfile/import_check.h"

namespace importfile {

using namespace hostfiles;

ImportTest::ImportTest() {
  useLanguage(startup::Language::DE);
  state.Datenpfad = folder.path();
  state.Benutzername = "mueller";
  state.Importdatei = folder.file("import.csv");
  writeKonfigdaten({"NoAdmins"});
}

void ImportTest::writeImport(const std::string& bytes) { folder.write("import.csv", bytes); }

void ImportTest::writeImportLines(const std::vector<std::string>& utf8) {
  std::string bytes;
  for (const std::string& line : utf8) bytes += startup::cp(line) + "\r\n";
  writeImport(bytes);
}

void ImportTest::writeKonfigdaten(const std::vector<std::string>& admins) {
  Datei_oeffnen(state, folder.file("Konfigdaten.dat"), Modus::Output,
                Fehlerbehandlung::ReportErrors);
  for (const char* line : {"[Zentavo]", "2", "3", "[Firma]", "5", "6", "[Settings]",
                           "0000000000000000000000000000000", "9", "[Administratoren]"}) {
    LineOut(state, line);
  }
  for (const std::string& admin : admins) LineOut(state, admin);
  Datei_schliessen(state);
}

bool ImportTest::check() {
  bool opened = false;
  Importdatei_checken(state, [&] { opened = true; });
  return opened;
}

std::vector<std::string> ImportTest::boxes() const {
  std::vector<std::string> texts;
  for (const auto& box : dialogs.shown) texts.push_back(box.text);
  return texts;
}

std::vector<std::string> columns(const ImportRow& row) {
  return {row.Name,
          row.Benutzerkennung,
          row.VonDatum,
          row.BisDatum,
          row.Resturlaub,
          row.Urlaubsanspruch1,
          row.Urlaubsanspruch2,
          row.Urlaubsanspruch3,
          row.Urlaubsanspruch4,
          row.Sonderurlaub};
}

}  // namespace importfile
