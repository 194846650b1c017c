// What an import or a restore would change, and how it is told.
#include "hostfiles/change_preview.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "hostfiles/planner_file_fixture.h"
#include "hostfiles/planner_texts.h"
#include "hostfiles/user_ids.h"

namespace hostfiles {
namespace {

using startup::cp;
using startup::Language;

const std::string kValues = "170101:999999:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";

class ChangePreviewTest : public PlannerFileFixture {
 protected:
  // The planner's file holds `before`; the preview and the list of writing `after`.
  std::pair<ChangePreview, Lines> compare(const Lines& before, const Lines& after) {
    Lines file = {"[Mitarbeiterdaten]", "Kopf", "0"};
    file.insert(file.end(), before.begin(), before.end());
    folder.write("Mitarbeiterdaten.dat", scrambledFile(file));
    std::vector<EntryView> written;
    for (const std::string& line : after) written.push_back(viewEntry(line));
    const auto preview = previewChanges(state, folder.path(), EntryList<std::string_view>(written));
    const auto changes = listChanges(state, folder.path(), written);
    Lines lines;
    for (const EmployeeChange& change : changes.value()) {
      lines.push_back(texts::changeLine(Language::DE, change));
    }
    return {preview.value(), lines};
  }
};

TEST_F(ChangePreviewTest, EveryEmployeeIsNewRemovedChangedOrUnchanged) {
  const auto [preview, lines] =
      compare({kValues + "Alt, Otto:oalt", "Team Nord", kValues + "Gleich:gg",
               kValues + "Anders:aa", kValues + "Doppelt:dd", kValues + "Doppelt 2:DD"},
              {kValues + "Gleich:GG", "Team Süd",
               "170101:999999:005,0:030,0:030,0:030,0:031,0:000,0:000,0:000,0:000,0:Andere:aa",
               kValues + "Neu:nn",
               "170101:999998:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:Doppelt:dd"});
  EXPECT_EQ(texts::previewParagraph(Language::DE, texts::Replacement::kImport, preview),
            cp("Beim Import: neu 1, entfallen 2, geändert 2, unverändert 1\r"
               "Entfallen: Alt, Otto (oalt), Doppelt 2 (DD)"));
  EXPECT_EQ(lines, (Lines{"~ Andere (aa): Name Anders -> Andere, Urlaubsanspruch 4 030,0 -> 031,0",
                          "+ Neu (nn)", "~ Doppelt (dd): Bis-Datum 999999 -> 999998",
                          "- Alt, Otto (oalt)", "- Doppelt 2 (DD)"}));
}

// Ids match without regard to case, umlauts and accents included, and only
// then: ids whose hashes collide stay apart.
TEST_F(ChangePreviewTest, IdsMatchInAnyCaseAndOnlyThen) {
  const std::string a = "u113168";
  const std::string b = "U160381";
  ASSERT_EQ(userIdHash(a), userIdHash(b));
  const auto [preview, lines] =
      compare({kValues + cp("J:JÖRG.ÉTÉ"), kValues + "A:" + a, kValues + "X:x", kValues + "S:ss"},
              {kValues + "B:" + b, kValues + cp("J:jörg.été"),
               "170101:999999:005,0:030,0:030,0:030,0:030,0:000,5:000,0:000,0:000,0:X:X",
               kValues + cp("S:ß")});
  EXPECT_EQ(std::tie(preview.added, preview.removed, preview.changed, preview.unchanged),
            std::tuple(2, 2, 1, 1));
  EXPECT_EQ(lines, (Lines{"+ B (" + b + ")", "~ X (X): Sonderurlaub 000,0 -> 000,5", cp("+ S (ß)"),
                          "- A (" + a + ")", "- S (ss)"}));
}

// The lists are compared in order while they keep it; where they part, an id
// that a list holds twice still matches in the order of each.
TEST_F(ChangePreviewTest, EqualIdsMatchInTheirOrderWhereTheListsPart) {
  const std::string other = "170101:999998:005,0:030,0:030,0:030,0:030,0:000,0:000,0:000,0:000,0:";
  const Lines lines = {kValues + "B:b", kValues + "A:a", other + "A:a"};
  const auto [preview, changes] = compare(lines, {lines[1], lines[0], lines[2]});
  EXPECT_EQ(preview.unchanged, 3u);
  EXPECT_TRUE(changes.empty());
}

// Ids are folded a word at a time: a change of case at any position of ids of
// up to three words matches, and the bytes next to A and Z don't.
TEST(UserIdsTest, CaseMatchesAtEveryPositionAndOnlyCase) {
  for (std::size_t size = 1; size <= 17; ++size) {
    for (std::size_t at = 0; at < size; ++at) {
      const auto id = [&](char c) { return std::string(size, 'k').replace(at, 1, 1, c); };
      for (const auto& [lower, upper] : {std::pair('a', 'A'), {'z', 'Z'}, {'\xE4', '\xC4'}}) {
        EXPECT_TRUE(sameUserId(id(lower), id(upper))) << size << " " << at;
        EXPECT_EQ(userIdHash(id(lower)), userIdHash(id(upper))) << size << " " << at;
      }
      EXPECT_FALSE(sameUserId(id('`'), id('@')) || sameUserId(id('{'), id('['))) << size << at;
    }
  }
}

// Equal ids are met in the order of adding, also where their probes wrap
// around the table's end and after the table grew.
TEST(UserIdsTest, EqualIdsAreFoundInTheOrderAdded) {
  UserIdTable table(1);
  std::vector<std::uint32_t> met;
  for (std::uint32_t i = 0; i < 40; ++i) table.add(i % 2 == 0 ? UINT32_MAX : 5, i);
  table.find(UINT32_MAX, [&](std::uint32_t i) { return met.push_back(i), false; });
  EXPECT_TRUE(met.size() == 20 && std::ranges::is_sorted(met));
}

TEST_F(ChangePreviewTest, NamesTenRemovedEmployees) {
  Lines before;
  std::string named;
  for (int i = 1; i <= 12; ++i) {
    const std::string n = std::to_string(i);
    before.push_back(kValues + "N" + n + ":i" + n);
    if (i <= 10) named += (i > 1 ? ", N" : "N") + n + " (i" + n + ")";
  }
  EXPECT_EQ(texts::previewParagraph(Language::DE, texts::Replacement::kImport,
                                    compare(before, {kValues + "Neu:nn"}).first),
            cp("Beim Import: neu 1, entfallen 12, geändert 0, unverändert 0\rEntfallen: " + named +
               " und 2 weitere"));
}

}  // namespace
}  // namespace hostfiles
