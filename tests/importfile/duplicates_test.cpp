#include "importfile/duplicates.h"

#include <gtest/gtest.h>

#include <random>

#include "importfile/import_fixture.h"
#include "platform/codepage.h"

namespace importfile {
namespace {

// The list as text, searched as such: what Namensliste must answer.
class LiteralList {
 public:
  bool seenBefore(const std::string& name) {
    const std::string wanted = std::string(1, '|').append(name).append("|");
    const bool seen =
        platform::lowerCase(text_).find(platform::lowerCase(wanted)) != std::string::npos;
    text_ += wanted;
    return seen;
  }

 private:
  std::string text_;
};

TEST(NamenslisteTest, AnswersAsTheLiteralSearchEvenWithBarsInNames) {
  std::mt19937 random(4);
  const std::string letters = "aAbB|";
  for (int run = 0; run < 200; ++run) {
    std::vector<std::string> names(30);
    Namensliste list(4, [&](std::size_t i) { return std::string_view(names[i]); });
    LiteralList literal;
    for (std::size_t i = 0; i < names.size(); ++i) {
      std::string& name = names[i];
      name.assign(1 + random() % (run % 2 == 0 ? 4 : 20), ' ');  // "|" at every place of a word
      for (char& c : name) c = letters[random() % letters.size()];
      ASSERT_EQ(list.seenBefore(i, name), literal.seenBefore(name)) << run << " " << name;
    }
  }
}

class DuplicatesTest : public ImportFixture {};

TEST_F(DuplicatesTest, LaterRowsAreAskedAboutInTheirOwnSpelling) {
  writeImportLines({"Anna;anna", "Bernd;", "x;y", "Anna B;ANNA", "Bernd;", ">Bernd;", "z;Anna"});
  dialogs.answers.assign(3, true);
  std::vector<std::pair<std::size_t, std::string>> asked;  // the text is ImportCheckTest's
  check();
  for (const Fault& fault : outcome.faults) asked.emplace_back(fault.row, fault.value);
  EXPECT_EQ(asked, (decltype(asked){{4, "ANNA"}, {5, "Bernd"}, {7, "Anna"}}));
}

}  // namespace
}  // namespace importfile
