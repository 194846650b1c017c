// The round trip as a property: generated employee lists, exported in every
// region and both encodings, come back from the import's check as they stand.
#include "importfile/employee_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "startup/formatting.h"
#include "support/state_fixture.h"

namespace importfile {
namespace {

using hostfiles::EmployeeRecord;

class EmployeeExportTest : public testing_support::StateTest {
 protected:
  // `text` followed by `length` characters of `alphabet`, one at a time, as
  // GCC 12 warns wrongly about strings joined in one piece.
  std::string pick(std::string text, std::string_view alphabet, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  }
  int below(int bound) { return static_cast<int>(random() % static_cast<unsigned>(bound)); }
  std::string stamp() {
    return startup::FormatDatumDS(1930 + below(100), 1 + below(12), 1 + below(28));
  }
  // A planner value from -99,9 to 999,9.
  std::string value() {
    const int tenths = below(11000) - 1000;
    char text[8];
    std::snprintf(text, sizeof text, tenths < 0 ? "-%02d,%d" : "%03d,%d", std::abs(tenths) / 10,
                  std::abs(tenths) % 10);
    return text;
  }
  EmployeeRecord entry(std::size_t index) {
    // Letters of the code page, blanks and what a CSV must quote or a spreadsheet evaluates.
    constexpr std::string_view kAlphabet = "aZ \xE4\xC9\xDF;,\"'=+-@.0";
    EmployeeRecord record;
    if (random() % 5 == 0) {
      record.name = pick("", kAlphabet, random() % 39);
      return record;
    }
    record.kind = hostfiles::EntryKind::kEmployee;
    record.name = pick("a", kAlphabet, random() % 39);
    record.userId = pick(std::to_string(index), kAlphabet, random() % 8);
    const std::string from = random() % 4 ? stamp() : "000000";
    const std::string to = random() % 4 ? stamp() : "999999";
    record.fromDate = std::min(from, to);
    record.toDate = std::max(from, to);
    record.residual = value();
    for (std::string& entitlement : record.entitlements) entitlement = value();
    record.additional = value();
    return record;
  }

  std::mt19937 random{21};
};

TEST_F(EmployeeExportTest, GeneratedListsComeBackUnchangedInEveryRegionAndEncoding) {
  for (const char* region : {"de-DE", "en-GB", "en-US", "fr-FR"}) {
    state.region = *platform::regionalSettingsNamed(region);
    state.Dezimaltrenner = std::string(1, state.region.decimalSeparator);
    for (const auto encoding : {ExportEncoding::kUtf8, ExportEncoding::kCodePage}) {
      for (int list = 0; list < 20; ++list) {
        std::vector<EmployeeRecord> entries;
        for (std::size_t i = 0; i < 1 + random() % 30; ++i) entries.push_back(entry(i));
        writeExport(state, folder.file("list.csv"), entries, encoding);
        EXPECT_EQ(changedOnImport(state, folder.file("list.csv"), folder.path(), entries),
                  std::vector<std::size_t>{})
            << region << ' ' << exportLines(state, entries)[1];
      }
    }
  }
}

}  // namespace
}  // namespace importfile
