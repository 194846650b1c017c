// Every damaged configuration or employee data file ends the program with
// exactly its message or error report.
#include <gtest/gtest.h>

#include <filesystem>

#include "hostfiles/configuration_data.h"
#include "hostfiles/employee_data.h"
#include "hostfiles/planner_file_fixture.h"

namespace hostfiles {
namespace {

using startup::Language;

// `text` as Programm_beenden completes it.
std::string fatal(Language language, const std::string& text) {
  static const char* const kClosing[] = {"Das Programm wird beendet.", "Program will be closed.",
                                         "Le programme va être fermé."};
  return text + ".\n\n" + kClosing[static_cast<int>(language)];
}

// The first `count` lines of a configuration, line `at` replaced by `text`.
std::string configuration(std::size_t at, const std::string& text, std::size_t count = 13) {
  Lines lines = testing_support::configurationLines("8", {"NoAdmins"});
  lines[at] = text;
  lines.resize(count);
  return scrambledFile(lines);
}

std::string employees(const std::string& number, const std::string& entry) {
  return scrambledFile({"[Mitarbeiterdaten]", "", number, entry});
}

const std::string kLineIn = "modPersonallader - LineIn";
const std::string kReader = "modPersonallader - Mitarbeiterdaten_lesen";
constexpr auto DE = Language::DE, EN = Language::EN, FR = Language::FR;
using Reader = void (*)(const startup::Context&, const std::string&);
constexpr Reader kConfig = [](const auto& context, const auto& folder) {
  Konfigdaten_lesen(context, folder);
};
constexpr Reader kStaff = [](const auto& context, const auto& folder) {
  Mitarbeiterdaten_lesen(context, folder);
};

class DamagedFileTest : public PlannerFileFixture {};

TEST_F(DamagedFileTest, EndsTheProgramWithItsMessage) {
  const struct {
    const char* label;
    Reader reader;
    Language language;
    std::optional<std::string> bytes;  // nothing: no file
    std::string notice;                // UTF-8; "%" stands for the data folder
  } cases[] = {{"ConfigMissing", kConfig, DE, std::nullopt,
                fatal(DE, "Die Datei '%Konfigdaten.dat' wurde nicht gefunden")},
               {"Line1DE", kConfig, DE, configuration(0, "[zentavo]"),
                fatal(DE, "Der Dateiheader [Zentavo] in 'Konfigdaten.dat' wurde nicht erkannt")},
               {"Line1KeyOnlyEN", kConfig, EN, configuration(0, ""),
                fatal(EN, "Header of file 'Konfigdaten.dat' not detected")},
               {"Line4EN", kConfig, EN, configuration(3, "[Firma] "),
                fatal(EN, "Header [Firma] in 'Konfigdaten.dat' not detected")},
               {"Line7FR", kConfig, FR, configuration(6, "[settings]"),
                fatal(FR, "Le header [Settings] dans « Konfigdaten.dat » n'a pas été détecté")},
               {"AdminHeaderMissingDE", kConfig, DE, configuration(11, "[Admin]"),
                fatal(DE,
                      "Der Dateiheader [Administratoren] in 'Konfigdaten.dat' wurde "
                      "nicht erkannt")},
               {"AdminHeaderLastEN", kConfig, EN, configuration(0, "[Zentavo]", 12),
                fatal(EN, "Header [Administratoren] in 'Konfigdaten.dat' not detected")},
               {"ConfigEndsBeforeLine9", kConfig, DE, configuration(0, "[Zentavo]", 8),
                errorReport(kLineIn, 62, "Einlesen hinter Dateiende")},
               {"StaffMissingFR", kStaff, FR, std::nullopt,
                fatal(FR, "Fichier « %Mitarbeiterdaten.dat » non trouvé")},
               {"StaffHeaderDE", kStaff, DE, scrambledFile({"[Mitarbeiter]", "", "0"}),
                fatal(DE, "Der Dateiheader in 'Mitarbeiterdaten.dat' wurde nicht erkannt")},
               {"StaffHeaderKeyOnlyEN", kStaff, EN, scrambledFile({""}),
                fatal(EN, "Header of file 'Mitarbeiterdaten.dat' not detected")},
               {"StaffTwoLines", kStaff, DE, scrambledFile({"[Mitarbeiterdaten]", "1"}),
                errorReport(kLineIn, 62, "Einlesen hinter Dateiende")},
               {"NumberIsNoNumber", kStaff, DE, employees("zwölf", kEmployee),
                errorReport(kReader, 13, "Typen unverträglich")},
               {"NumberAbove16Bits", kStaff, DE, employees("32768", kEmployee),
                errorReport(kReader, 6, "Überlauf")},
               {"NumberBelow16Bits", kStaff, DE, employees("-32768,5", kEmployee),
                errorReport(kReader, 6, "Überlauf")}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    useLanguage(c.language);
    const std::string file = c.reader == kConfig ? "Konfigdaten.dat" : "Mitarbeiterdaten.dat";
    std::filesystem::remove(testing_support::nativePath(folder.file(file)));
    if (c.bytes) folder.write(file, *c.bytes);
    std::string expected = c.notice;
    if (const auto at = expected.find('%'); at != std::string::npos) {
      expected.replace(at, 1, testing_support::readable(folder.path()));
    }
    EXPECT_EQ(testing_support::endingNotice(dialogs, [&] { c.reader(state, folder.path()); }),
              expected);
  }
}

}  // namespace
}  // namespace hostfiles
