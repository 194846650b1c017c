#include "hostfiles/configuration_data.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_file_test.h"

namespace hostfiles {
namespace {

using startup::cp;
using startup::Language;
using testing_support::endingNotice;
using testing_support::readable;

const std::string kSettings = "0000000000000000000000000000000";  // position 16 is "0"

Lines configuration(const std::string& settings, const Lines& admins) {
  Lines lines = {"[Zentavo]", "2", "3",        "[Firma]", cp("Bäckerei Müller"), "6", "[Settings]",
                 settings,    "9", "[Urlaub]", "x",       "[Administratoren]"};
  lines.insert(lines.end(), admins.begin(), admins.end());
  return lines;
}

class ConfigurationDataTest : public hostfiles::PlannerFileTest {
 protected:
  void store(const Lines& lines) { folder.write("Konfigdaten.dat", scrambledFile(lines)); }
};

struct AdminCase {
  const char* label;
  Lines admins;
  const char* user;  // UTF-8
  std::string settings;
  std::int16_t status;
};

void PrintTo(const AdminCase& c, std::ostream* out) { *out << c.label; }

class AdminStatusTest : public ConfigurationDataTest,
                        public ::testing::WithParamInterface<AdminCase> {};

TEST_P(AdminStatusTest, FollowsTheListAndTheSettingsLine) {
  const AdminCase& c = GetParam();
  Lines admins;
  for (const std::string& admin : c.admins) admins.push_back(cp(admin));
  store(configuration(c.settings, admins));
  state.Benutzername = cp(c.user);
  state.Adminstatus = 7;
  Konfigdaten_lesen(state);
  EXPECT_EQ(state.Adminstatus, c.status);
  EXPECT_EQ(state.Settings_Zeile, c.settings);
  EXPECT_FALSE(state.Datei1.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

const Lines kMeierHuber = {"AX:Meier", "NX:Huber"};

INSTANTIATE_TEST_SUITE_P(
    Cases, AdminStatusTest,
    ::testing::Values(
        AdminCase{"OnlyNoAdmins", {"NoAdmins"}, "huber", kSettings, 2},
        AdminCase{"Named", kMeierHuber, "Meier", kSettings, 2},
        AdminCase{"NamedInOtherCase", kMeierHuber, "MEIER", kSettings, 2},
        AdminCase{"NotAnAdministrator", kMeierHuber, "Huber", kSettings, 0},
        AdminCase{"NoEntryStartsWithUpperA", {"NX:Huber", "aX:Meier"}, "Huber", kSettings, 2},
        AdminCase{"EveryoneBySettings", kMeierHuber, "Huber", "0000000000000001", 2},
        AdminCase{"SettingsWithoutPosition16", kMeierHuber, "Huber", "000000000000000", 0},
        AdminCase{"PartOfTheName", {"AB:Mueller"}, "ller", kSettings, 0},
        AdminCase{"TrailingBlank", {"AB:Mueller "}, "mueller", kSettings, 0},
        AdminCase{"EntryShorterThanTheName", {"A"}, "A", kSettings, 0},
        AdminCase{"Umlauts", {"AX:Jörg Müller", "NoAdmins"}, "JÖRG MÜLLER", kSettings, 2},
        AdminCase{"LongestLine", {"AX:" + std::string(32762, 'x')}, "x", kSettings, 0}),
    byLabel<AdminCase>);

struct DamagedCase {
  const char* label;
  Language language;
  std::optional<std::string> bytes;  // nothing: no file
  std::string notice;                // UTF-8; "%" stands for the data folder
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.label; }

class DamagedConfigurationTest : public ConfigurationDataTest,
                                 public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(DamagedConfigurationTest, EndsTheProgramWithItsMessage) {
  const DamagedCase& c = GetParam();
  useLanguage(c.language);
  if (c.bytes) folder.write("Konfigdaten.dat", *c.bytes);
  std::string expected = c.notice;
  if (const auto at = expected.find('%'); at != std::string::npos) {
    expected.replace(at, 1, readable(folder.path()));
  }
  EXPECT_EQ(endingNotice(dialogs, [&] { Konfigdaten_lesen(state); }), expected);
  EXPECT_FALSE(state.Datei1.isOpen());
}

std::string withLine(std::size_t at, const std::string& text) {
  Lines lines = configuration(kSettings, {"NoAdmins"});
  lines[at] = text;
  return scrambledFile(lines);
}

const std::string kLineIn = "modPersonallader - LineIn";

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedConfigurationTest,
    ::testing::Values(
        DamagedCase{"MissingDE", Language::DE, std::nullopt,
                    "Die Datei '%Konfigdaten.dat' wurde nicht gefunden.\n\nDas Programm wird "
                    "beendet."},
        DamagedCase{"MissingEN", Language::EN, std::nullopt,
                    "File '%Konfigdaten.dat' not found.\n\nProgram will be closed."},
        DamagedCase{"MissingFR", Language::FR, std::nullopt,
                    "Fichier « %Konfigdaten.dat » non trouvé.\n\nLe programme va être fermé."},
        DamagedCase{"MissingOtherLanguage", Language::Other, std::nullopt, ""},
        DamagedCase{"Line1DE", Language::DE, withLine(0, "[zentavo]"),
                    "Der Dateiheader [Zentavo] in 'Konfigdaten.dat' wurde nicht erkannt.\n\nDas "
                    "Programm wird beendet."},
        DamagedCase{"Line1EN", Language::EN, withLine(0, ""),
                    "Header of file 'Konfigdaten.dat' not detected.\n\nProgram will be closed."},
        DamagedCase{"Line1FR", Language::FR, withLine(0, " [Zentavo]"),
                    "Le header du fichier « Konfigdaten.dat » n'a pas été détecté.\n\nLe "
                    "programme va être fermé."},
        DamagedCase{"Line4DE", Language::DE, withLine(3, "[Firma] "),
                    "Der Dateiheader [Firma] in 'Konfigdaten.dat' wurde nicht erkannt.\n\nDas "
                    "Programm wird beendet."},
        DamagedCase{"Line4EN", Language::EN, withLine(3, "x"),
                    "Header [Firma] in 'Konfigdaten.dat' not detected.\n\nProgram will be "
                    "closed."},
        DamagedCase{"Line7FR", Language::FR, withLine(6, "[settings]"),
                    "Le header [Settings] dans « Konfigdaten.dat » n'a pas été détecté.\n\nLe "
                    "programme va être fermé."},
        DamagedCase{"AdminHeaderMissingEN", Language::EN, withLine(11, "[Admin]"),
                    "Header [Administratoren] in 'Konfigdaten.dat' not detected.\n\nProgram "
                    "will be closed."},
        DamagedCase{"AdminHeaderLastDE", Language::DE, scrambledFile(configuration(kSettings, {})),
                    "Der Dateiheader [Administratoren] in 'Konfigdaten.dat' wurde nicht "
                    "erkannt.\n\nDas Programm wird beendet."},
        DamagedCase{"AdminHeaderLastFR", Language::FR, scrambledFile(configuration(kSettings, {})),
                    "Le header [Administratoren] dans « Konfigdaten.dat » n'a pas été "
                    "détecté.\n\nLe programme va être fermé."},
        DamagedCase{"EndsBeforeLine9", Language::DE,
                    scrambledFile({"[Zentavo]", "2", "3", "[Firma]", "5", "6", "[Settings]", "8"}),
                    errorReport(kLineIn, 62, "Einlesen hinter Dateiende")},
        DamagedCase{
            "EmptyLineInTheList", Language::DE,
            scrambledFile(configuration(kSettings, {"AX:a"})) + "\r\n" + scrambledFile({"AX:b"}),
            errorReport(kLineIn, 5, "Unzulässiger Prozeduraufruf oder ungültiges Argument")},
        DamagedCase{"LineOf32767Characters", Language::DE, withLine(4, std::string(32766, 'x')),
                    errorReport(kLineIn, 6, "Überlauf")}),
    byLabel<DamagedCase>);

class ConfigurationRewriteTest : public ConfigurationDataTest {
 protected:
  void SetUp() override {
    store({"[Zentavo]", "[Settings]", "alt", cp("Grüße"), "", "[Settings]", "alt2", "[Settings]"});
    before = folder.read("Konfigdaten.dat");
    state.Settings_Zeile = cp("neu ä");
  }

  void expectOldFileAlone() {
    EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
    EXPECT_FALSE(state.Datei1.isOpen());
  }

  std::string before;
};

TEST_F(ConfigurationRewriteTest, ReplacesTheLineAfterEachSettingsHeader) {
  Konfigdaten_schreiben(state);
  const std::string neu = cp("neu ä");
  EXPECT_EQ(writtenTexts(folder.read("Konfigdaten.dat")),
            (Lines{"[Zentavo]", "[Settings]", neu, cp("Grüße"), "", "[Settings]", neu, "[Settings]",
                   neu}));
  EXPECT_EQ(folder.entries(), Lines{"Konfigdaten.dat"});
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationRewriteTest, FailureWhenCompletingKeepsTheOldFileSilently) {
  system.writeFailsAfter = 20;
  Konfigdaten_schreiben(state);
  expectOldFileAlone();
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfigurationRewriteTest, ProgramEndWhileWritingKeepsTheOldFile) {
  store(Lines(20000, "[Urlaub] eine Zeile"));  // more than one write buffer
  before = folder.read("Konfigdaten.dat");
  system.writeFailsAfter = 1000;
  EXPECT_EQ(endingNotice(dialogs, [&] { Konfigdaten_schreiben(state); }),
            errorReport("modPersonallader - LineOut", 57,
                        "Fehler beim Lesen oder Schreiben auf dem Gerät"));
  expectOldFileAlone();

  state.Settings_Zeile = std::string(32766, 's');  // too long for one line
  store({"[Settings]", "alt"});
  before = folder.read("Konfigdaten.dat");
  system.writeFailsAfter.reset();
  EXPECT_EQ(endingNotice(dialogs, [&] { Konfigdaten_schreiben(state); }),
            errorReport("modPersonallader - LineOut", 6, "Überlauf"));
  expectOldFileAlone();
}

TEST_F(ConfigurationRewriteTest, AFileOfMoreThan32767LinesStaysUnchanged) {
  Lines lines(32767, "x");
  lines[0] = "[Settings]";
  store(lines);
  Konfigdaten_schreiben(state);
  const Lines written = writtenTexts(folder.read("Konfigdaten.dat"));
  ASSERT_EQ(written.size(), 32767u);
  EXPECT_EQ(written[1], cp("neu ä"));

  lines.push_back("x");
  store(lines);
  before = folder.read("Konfigdaten.dat");
  Konfigdaten_schreiben(state);
  expectOldFileAlone();
  EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace hostfiles
