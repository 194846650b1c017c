#include "importfile/import_test.h"

#include "hostfiles/file_channel.h"

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

std::vector<std::string> ImportTest::boxes() const {
  std::vector<std::string> texts;
  for (const auto& box : dialogs.shown) texts.push_back(box.text);
  return texts;
}

std::string validRows(std::size_t rows) {
  std::string bytes = "Name;Kennung;Von;Bis;Rest;U1;U2;U3;U4;Sonder\r\n";
  for (std::size_t i = 1; i <= rows; ++i) {
    bytes += "Mitarbeiter " + std::to_string(i) + ";user" + std::to_string(i) +
             ";01.01.2020;31.12.2030;2,5;30;30;30;30;1\r\n";
  }
  return bytes;
}

}  // namespace importfile
