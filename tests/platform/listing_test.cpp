#include <gtest/gtest.h>

#include <algorithm>

#include "platform/codepage.h"
#include "platform/system.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using platform::PathKind;
using Names = std::vector<std::string>;
using testing_support::TempFolder;

// Creates a hidden file and returns its name: on Windows by its attribute, on
// POSIX by a leading dot.
std::string hiddenFile(const TempFolder& folder, const std::string& name) {
#ifdef _WIN32
  folder.write(name, "x");
  SetFileAttributesW(testing_support::nativePath(folder.file(name)).c_str(), FILE_ATTRIBUTE_HIDDEN);
  return name;
#else
  folder.write("." + name, "x");
  return "." + name;
#endif
}

class ListingTest : public ::testing::Test {
 protected:
  // Sorted, since the system's order is any order.
  std::optional<Names> list(const std::string& where, const std::string& pattern) {
    auto names = system.listFiles(where, pattern);
    if (names) std::sort(names->begin(), names->end());
    return names;
  }

  TempFolder folder;
  platform::System& system = platform::hostSystem();
};

TEST_F(ListingTest, FindsOnlyPlainFilesWhoseWholeNameMatchesInAnyCase) {
  folder.write("kundenDATA.DAT", "x");
  folder.write("Data.dat.bak", "x");
  folder.write("kunden.data", "x");  // Windows would match its short name KUNDEN~1.DAT
  folder.makeFolder("xData.dat");
  hiddenFile(folder, "geheimData.dat");
  EXPECT_EQ(list(folder.path(), "*Data.dat"), Names{"kundenDATA.DAT"});
  EXPECT_EQ(list(folder.path(), "*.dat"), Names{"kundenDATA.DAT"});
}

TEST_F(ListingTest, GivesNamesInTheCodePage) {
  const std::string mueller = platform::utf8ToCodePage("Müller.dat");
  folder.write(mueller, "x");
  folder.write("b.DAT", "x");
  EXPECT_EQ(list(folder.path(), "*.dat"), (Names{mueller, "b.DAT"}));
  EXPECT_EQ(list(folder.path(), platform::utf8ToCodePage("MÜLLER.*")), Names{mueller});
}

// A name appended to a folder path without its separator would not lie in
// that folder, so listing refuses it as opening would miss the files.
TEST_F(ListingTest, RefusesAFolderWithoutSeparatorAndTakesTheCurrentFolder) {
  folder.write("a.dat", "x");
  std::string withoutSeparator = folder.path();
  withoutSeparator.pop_back();
  EXPECT_EQ(list(withoutSeparator, "*.dat"), std::nullopt);

  const testing_support::KeepCurrentFolder guard;
  ASSERT_TRUE(system.changeFolder(folder.path()));
  EXPECT_EQ(list("", "*.dat"), Names{"a.dat"});
}

TEST_F(ListingTest, MissingFolderHasNoFiles) {
  EXPECT_EQ(list(folder.file("fehlt") + platform::kSeparator, "*"), Names{});
}

TEST_F(ListingTest, PathKindsTellFoldersPlainAndHiddenFilesApart) {
  folder.write("plain.dat", "x");
  const std::string hidden = hiddenFile(folder, "hidden.dat");
  folder.makeFolder("sub");
  EXPECT_EQ(system.pathKind(folder.file("plain.dat")), PathKind::kNormalFile);
  EXPECT_EQ(system.pathKind(folder.file(hidden)), PathKind::kHiddenFile);
  EXPECT_EQ(system.pathKind(folder.file("sub")), PathKind::kFolder);
  EXPECT_EQ(system.pathKind(folder.path()), PathKind::kFolder);
  EXPECT_EQ(system.pathKind(folder.file("fehlt.dat")), PathKind::kMissing);
  EXPECT_EQ(system.pathKind(""), PathKind::kMissing);
}

}  // namespace
