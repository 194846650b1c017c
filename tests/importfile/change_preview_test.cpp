// What an import would change, told after the fault-free verdict.
#include <gtest/gtest.h>

#include <filesystem>

#include "importfile/check_texts.h"
#include "importfile/import_fixture.h"
#include "support/planner_files.h"

namespace importfile {
namespace {

using startup::Language;

const std::string kHeader = "Name;Kennung;Von;Bis;Rest;U1;U2;U3;U4;Sonder";
const std::string kValues = "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";
const std::string kRow = ";01.01.2017;;5;30;30;30;30;0";  // the same values as an import row

class ChangePreviewTest : public ImportFixture {
 protected:
  std::optional<ChangePreview> preview() {
    EXPECT_TRUE(check());
    return outcome.preview;
  }
};

TEST_F(ChangePreviewTest, EveryEmployeeIsNewRemovedChangedOrUnchanged) {
  testing_support::makePlannerData(
      folder.path(),
      {.employees = {kValues + "Alt, Otto:oalt", "Team Nord", kValues + "Gleich:gg",
                     kValues + "Anders:aa", kValues + "Doppelt:dd", kValues + "Doppelt 2:DD"}});
  writeImportLines({kHeader, "Gleich;GG" + kRow, ">Team Süd",
                    "Andere;aa;01.01.2017;;5;30;30;30;31;0", "Neu;nn", "Doppelt;dd" + kRow});
  const auto changes = preview();
  ASSERT_TRUE(changes);
  Lines lines;
  for (const EmployeeChange& change : changes->changes) {
    lines.push_back(texts::changeLine(Language::DE, change));
  }
  EXPECT_EQ(lines, (Lines{"~ Andere (aa): Name Anders -> Andere, Urlaubsanspruch 4 030,0 -> 031,0",
                          "+ Neu (nn)", "- Alt, Otto (oalt)", "- Doppelt 2 (DD)"}));
  EXPECT_EQ(dialogs.texts().back(),
            "Prüfen der Importdaten fehlerfrei\n\nBeim Import: neu 1, entfallen 2, geändert 1, "
            "unverändert 2\nEntfallen: Alt, Otto (oalt), Doppelt 2 (DD)");
}

TEST_F(ChangePreviewTest, AnUnreadableEmployeeFileLeavesThePreviewOut) {
  writeImportLines({kHeader, "Neu;nn"});
  std::filesystem::remove(testing_support::nativePath(folder.file("Mitarbeiterdaten.dat")));
  EXPECT_FALSE(preview());
  EXPECT_EQ(dialogs.texts(), Lines{"Prüfen der Importdaten fehlerfrei"});
}

TEST(PreviewParagraphTest, NamesTenRemovedEmployees) {
  ChangePreview preview{.added = 1, .removed = 12, .changed = 2, .unchanged = 3, .changes = {}};
  std::string named;
  for (int i = 1; i <= 12; ++i) {
    const std::string n = std::to_string(i);
    preview.changes.push_back({EmployeeChange::Kind::kRemoved, "N" + n, "i" + n, {}});
    if (i <= 10) named += (i > 1 ? ", N" : "N") + n + " (i" + n + ")";
  }
  // French sets its colons apart.
  const std::pair<Language, std::string> expected[] = {
      {Language::DE, "Beim Import: neu 1, entfallen 12, geändert 2, unverändert 3\rEntfallen: " +
                         named + " und 2 weitere"},
      {Language::FR,
       "À l'import : nouveaux 1, supprimés 12, modifiés 2, inchangés 3\rSupprimés : " + named +
           " et 2 autres"}};
  for (const auto& [language, text] : expected) {
    EXPECT_EQ(texts::previewParagraph(language, texts::Replacement::kImport, preview),
              startup::cp(text));
  }
}

}  // namespace
}  // namespace importfile
