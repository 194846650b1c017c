// Malformed import and planner files given to "import --yes", and report
// targets given to "check --report": each ends with its status and message,
// and leaves every file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "console/wizard_runs.h"
#include "support/planner_files.h"
#include "support/state_fixture.h"
#include "support/temp_folder.h"
#include "support/test_system.h"

namespace console {
namespace {

using namespace testing_support;
// Damages a file of the installation in `root`: the settings file and the data folder "Data".
using Damage = std::function<void(const std::string& root)>;

Damage removed(const char* file) {
  return [=](const std::string& root) { std::filesystem::remove(nativePath(root + file)); };
}
Damage edited(const char* file, std::function<void(Lines&)> edit) {
  return [=](const std::string& root) {
    Lines lines = readScrambledFile(root + file);
    edit(lines);
    writeScrambledFile(root + file, lines);
  };
}

// A backup of the employee file in "Data" whose first entry starts in month 13.
void backupWithBadDate(const std::string& root) {
  Lines lines = readScrambledFile(root + "Data/Mitarbeiterdaten.dat");
  lines[3].replace(0, 6, "171301");
  lines.insert(lines.begin(), {"[ZentavoBackup]", "[Mitarbeiterdaten.dat]",
                               '[' + std::to_string(lines.size()) + ']'});
  std::filesystem::create_directory(nativePath(root + "Data/Backups"));
  writeScrambledFile(root + "Data/Backups/261203 080000 A.dat", lines);
}

struct Malformed {
  const char* label;
  std::string csv;  // the import file
  Damage damage;
  int status;
  const char* message;  // part of the output
  BatchCommand command = BatchCommand::kImport;
  std::string report = "";  // below the installation, for "check --report"
};

void PrintTo(const Malformed& m, std::ostream* out) { *out << m.label; }

// What a row holds for the run: the data folder's lock, as another run holds it.
std::unique_ptr<platform::FileLock> heldLock;
Damage locked() {
  return [](const std::string& root) {
    heldLock = platform::hostSystem()
                   .lockFile(root + "Data" + platform::kSeparator + ".personallader.lock")
                   .lock;
  };
}

class MalformedInputTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedInputTest, EndsWithItsStatusAndMessageAndChangesNothing) {
  const Malformed& m = GetParam();
  TempFolder root;
  KeepCurrentFolder keepCurrentFolder;
  const std::string data = root.file("Data") + platform::kSeparator;
  std::filesystem::copy(DEMO_DATA_DIR, nativePath(data), std::filesystem::copy_options::recursive);
  writeScrambledFile(
      root.file("Zentavo.dat"),
      {"[Zentavo]", "data_pfad=" + data, "log_pfad=" + data + "Logs" + platform::kSeparator});
  root.write("import.csv", m.csv);
  if (m.damage) m.damage(root.path());
  const auto before = snapshot(root.path());

  TestSystem system;
  system.variables = {{"USERNAME", "tester"}, {"ProgramFiles", root.path()}};
  system.ownFolder = root.path().substr(0, root.path().size() - 1);  // holds the settings file
  std::ostringstream out;
  BatchOptions options;
  options.command = m.command;
  options.importFile =
      m.command == BatchCommand::kRestore ? "261203 080000 A.dat" : root.file("import.csv");
  options.yes = m.command != BatchCommand::kCheck;
  if (!m.report.empty()) options.faultsReport = root.file(m.report);
  EXPECT_EQ(runBatch(system, startup::Language::DE, options, out), m.status);
  EXPECT_NE(out.str().find(m.message), std::string::npos) << out.str();
  EXPECT_EQ(snapshot(root.path()), before);
  heldLock.reset();
}

const std::string kClean = "Meier;mm\r\n";

Malformed reportOnto(const char* label, const char* report, const char* message) {
  return {label, kClean, {}, 2, message, BatchCommand::kCheck, report};
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedInputTest,
    ::testing::Values(
        Malformed{"csv_missing", kClean, removed("import.csv"), 2, "Datei nicht gefunden"},
        Malformed{"csv_empty", "", {}, 1, "ist leer"},
        Malformed{"csv_nul_byte", std::string("\0,", 2), {}, 1, "Steuerzeichen im Feld 'Name'"},
        Malformed{"zentavo_dat_missing", kClean, removed("Zentavo.dat"), 2, "Kein Datenordner"},
        Malformed{"konfigdaten_header_missing", kClean,
                  edited("Data/Konfigdaten.dat", [](Lines& l) { l.erase(l.begin()); }), 3,
                  "Der Dateiheader [Zentavo] in 'Konfigdaten.dat'"},
        Malformed{"data_folder_locked", kClean, locked(), 1,
                  "In diesem Datenordner läuft gerade ein anderer Import"},
        Malformed{"mitarbeiterdaten_entry_cut_short", kClean,
                  edited("Data/Mitarbeiterdaten.dat", [](Lines& l) { l[3].resize(20); }), 3,
                  "Mitarbeiterdaten_lesen':\n\nFehler Nr. 5"},
        reportOnto("report_onto_konfigdaten", "Data/Konfigdaten.dat",
                   "Data/Konfigdaten.dat' liegt im"),
        reportOnto("report_onto_import_file", "import.csv", "import.csv' ist die"),
        Malformed{"restore_of_backup_with_bad_date", kClean, backupWithBadDate, 2,
                  "(Mitarbeiterdaten.dat, Zeile 4: ungültiges Datum)", BatchCommand::kRestore}),
    byLabel<Malformed>);

}  // namespace
}  // namespace console
