// What an import or a restore would change, and how it is told.
#include "hostfiles/change_preview.h"

#include <gtest/gtest.h>

#include "hostfiles/planner_texts.h"

namespace hostfiles {
namespace {

using Lines = std::vector<std::string>;
using startup::Language;

const std::string kValues = "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";

TEST(ChangePreviewTest, EveryEmployeeIsNewRemovedChangedOrUnchanged) {
  const Lines before = {kValues + "Alt, Otto:oalt", "Team Nord",
                        kValues + "Gleich:gg",      kValues + "Anders:aa",
                        kValues + "Doppelt:dd",     kValues + "Doppelt 2:DD"};
  const Lines after = {kValues + "Gleich:GG", "Team Süd",
                       "170101:999999:005,0:030,0:030,0:030,0:031,0:000,0:000,0:000,0:000,0:"
                       "Andere:aa",
                       kValues + "Neu:nn", kValues + "Doppelt:dd"};
  std::vector<EntryView> written;
  for (const std::string& line : after) written.push_back(viewEntry(line));
  EmployeeComparison comparison(std::move(written));
  for (const std::string& line : before) comparison.add(viewEntry(line));
  const ChangePreview preview = comparison.result();
  EXPECT_EQ(std::tie(preview.added, preview.removed, preview.changed, preview.unchanged),
            std::tuple(1, 2, 1, 2));
  Lines lines;
  for (const EmployeeChange& change : preview.changes) {
    lines.push_back(texts::changeLine(Language::DE, change));
  }
  EXPECT_EQ(lines, (Lines{"~ Andere (aa): Name Anders -> Andere, Urlaubsanspruch 4 030,0 -> 031,0",
                          "+ Neu (nn)", "- Alt, Otto (oalt)", "- Doppelt 2 (DD)"}));
}

TEST(PreviewParagraphTest, NamesTenRemovedEmployees) {
  ChangePreview preview{.added = 1, .removed = 12, .changed = 2, .unchanged = 3, .changes = {}};
  std::string named;
  for (int i = 1; i <= 12; ++i) {
    const std::string n = std::to_string(i);
    preview.changes.push_back({EmployeeChange::Kind::kRemoved, "N" + n, "i" + n, {}});
    if (i <= 10) named += (i > 1 ? ", N" : "N") + n + " (i" + n + ")";
  }
  EXPECT_EQ(texts::previewParagraph(Language::DE, texts::Replacement::kImport, preview),
            startup::cp("Beim Import: neu 1, entfallen 12, geändert 2, unverändert 3\rEntfallen: " +
                        named + " und 2 weitere"));
}

}  // namespace
}  // namespace hostfiles
