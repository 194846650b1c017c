#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "platform/codepage.h"
#include "platform/system.h"
#include "platform/wildcard.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;
using platform::PathKind;
using platform::WriteResult;
using Names = std::vector<std::string>;

constexpr fs::perms kWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// Creates a hidden file and returns its name: on Windows by its attribute, on
// POSIX by a leading dot.
std::string hiddenFile(const testing_support::TempFolder& folder, const std::string& name) {
#ifdef _WIN32
  folder.write(name, "x");
  SetFileAttributesW(testing_support::nativePath(folder.file(name)).c_str(), FILE_ATTRIBUTE_HIDDEN);
  return name;
#else
  folder.write("." + name, "x");
  return "." + name;
#endif
}

class FilesTest : public ::testing::Test {
 protected:
  // Writes `bytes` through `file` and commits them.
  static bool complete(std::unique_ptr<platform::WriteFile> file, const std::string& bytes) {
    return file && file->write(bytes.data(), bytes.size()) == WriteResult::kDone &&
           file->commit() == WriteResult::kDone;
  }

  // Sorted, since the system's order is any order.
  std::optional<Names> list(const std::string& where, const std::string& pattern) {
    auto names = system.listFiles(where, pattern);
    if (names) std::sort(names->begin(), names->end());
    return names;
  }

  testing_support::TempFolder folder;
  platform::System& system = platform::hostSystem();
};

TEST_F(FilesTest, ReadsEveryByteButNoFolderDeviceOrPipe) {
  std::string bytes(100'000, '\0');  // every byte value, line ends and end-of-file mark included
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  folder.write("daten.dat", bytes);
  folder.makeFolder("sub");
  const auto file = system.openRead(folder.file("daten.dat"));
  ASSERT_NE(file, nullptr);
  std::string read;
  char buffer[4096];
  for (auto got = file->read(buffer, sizeof buffer); got && *got > 0;) {
    read.append(buffer, *got);
    got = file->read(buffer, sizeof buffer);
  }
  EXPECT_EQ(read, bytes);  // a failed read ends it short
  EXPECT_EQ(system.openRead(folder.file("sub")), nullptr);
  EXPECT_EQ(system.openRead(folder.path()), nullptr);
  EXPECT_EQ(system.openRead(folder.file("fehlt.dat")), nullptr);
#ifndef _WIN32
  EXPECT_EQ(system.openRead("/dev/zero"), nullptr);
  ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
  EXPECT_EQ(system.openRead(folder.file("pipe")), nullptr);  // without waiting for a writer
#endif
}

TEST_F(FilesTest, CommittedReplacementTakesTheTargetsPlaceAndAppendsExtend) {
  const std::string target = platform::utf8ToCodePage("Bestände.dat");
  folder.write(target, "alt\r\n");
  auto file = system.openReplace(folder.file(target));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->write("neu\r\n", 5), WriteResult::kDone);

  EXPECT_EQ(folder.read(target), "alt\r\n");
  const Names entries = folder.entries();
  ASSERT_EQ(entries.size(), 2u);
  const std::string& temporary = entries[0] == target ? entries[1] : entries[0];
  EXPECT_FALSE(platform::matchesPattern(temporary, "*.dat")) << temporary;
  EXPECT_FALSE(platform::matchesPattern(temporary, "*.log")) << temporary;

  EXPECT_EQ(file->commit(), WriteResult::kDone);
  EXPECT_EQ(folder.read(target), "neu\r\n");
  EXPECT_EQ(system.pathKind(folder.file(target)), PathKind::kNormalFile);

  EXPECT_TRUE(complete(system.openReplace(folder.file("neu.dat")), "eins"));
  // Without its commit a replacement leaves the old file and no temporary one.
  EXPECT_EQ(system.openReplace(folder.file("neu.dat"))->write("zwei", 4), WriteResult::kDone);
  EXPECT_EQ(folder.read("neu.dat"), "eins");
  EXPECT_EQ(system.pathKind(folder.file("neu.dat")), PathKind::kNormalFile);
  EXPECT_EQ(folder.entries(), (Names{target, "neu.dat"}));

  // Appending creates, then extends.
  EXPECT_TRUE(complete(system.openAppend(folder.file("buch.log")), "eins\r\n"));
  EXPECT_TRUE(complete(system.openAppend(folder.file("buch.log")), "zwei\r\n"));
  EXPECT_EQ(folder.read("buch.log"), "eins\r\nzwei\r\n");
}

TEST_F(FilesTest, ANewFileNeverTakesTheNameOfOneThatAppearedMeanwhile) {
  auto file = system.openCreate(folder.file("neu.dat"));
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->write("ganz", 4), WriteResult::kDone);
  folder.write("neu.dat", "anderer Lauf");
  EXPECT_EQ(file->commit(), WriteResult::kNameTaken);
  file.reset();
  EXPECT_EQ(folder.read("neu.dat"), "anderer Lauf");
  EXPECT_TRUE(complete(system.openCreate(folder.file("frei.dat")), "ganz"));
  EXPECT_EQ(folder.read("frei.dat"), "ganz");
  EXPECT_EQ(folder.entries(), (Names{"frei.dat", "neu.dat"}));  // no temporary file left
}

TEST_F(FilesTest, AFileLockIsHeldByOneAtATimeAndItsFileGoesWithIt) {
  const std::string path = folder.file("sperre");
  platform::LockAttempt first = system.lockFile(path);
  ASSERT_NE(first.lock, nullptr);
  EXPECT_TRUE(system.lockFile(path).heldElsewhere);
  first.lock.reset();
  EXPECT_FALSE(folder.exists("sperre"));
  EXPECT_NE(system.lockFile(path).lock, nullptr);
  const platform::LockAttempt unmade = system.lockFile(folder.file("fehlt") + platform::kSeparator);
  EXPECT_EQ(unmade.lock, nullptr);
  EXPECT_FALSE(unmade.heldElsewhere);
}

#ifndef _WIN32
// Planner users may reach the files through their group; root may regroup a
// file, other users only to a group of their own.
TEST_F(FilesTest, AReplacedFileKeepsItsModeAndGroup) {
  folder.write("k.dat", "alt");
  const std::string path = folder.file("k.dat");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  (void)::chown(path.c_str(), static_cast<uid_t>(-1), ::getegid() + 1);
  struct stat before {};
  struct stat after {};
  ASSERT_EQ(::stat(path.c_str(), &before), 0);
  EXPECT_TRUE(complete(system.openReplace(path), "neu"));
  ASSERT_EQ(::stat(path.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  EXPECT_EQ(after.st_gid, before.st_gid);
}
#endif

TEST_F(FilesTest, ReplacingRemovesOnlyTheTemporaryFilesOfTheTargetThatEndedRunsLeft) {
#ifdef _WIN32
  const Names stale = {"~ziel.dat.0123abcd.tmp", "~ZIEL.DAT.89ABCDEF.TMP"};
  const Names others = {"~andere.dat.0123abcd.tmp", "~ziel.dat.0123abc.tmp",
                        "~ziel.dat.0123abcd.tmp.bak", "ziel.dat.0123abcd.tmp"};
#else
  const Names stale = {".ziel.dat.personallader-AbC123", ".ziel.dat.personallader-000000"};
  const Names others = {".andere.dat.personallader-AbC123", ".Ziel.dat.personallader-AbC123",
                        ".ziel.dat.personallader-AbC12", ".ziel.dat.AbC123"};
#endif
  folder.write("ziel.dat", "alt");
  for (const auto& name : stale) folder.write(name, "halb");
  for (const auto& name : others) folder.write(name, "fremd");
  auto running = system.openReplace(folder.file("ziel.dat"));
  ASSERT_NE(running, nullptr);
  // A second run leaves the first one's temporary file alone.
  EXPECT_TRUE(complete(system.openReplace(folder.file("ziel.dat")), "zweiter"));
  EXPECT_TRUE(complete(std::move(running), "erster"));
  EXPECT_EQ(folder.read("ziel.dat"), "erster");
  Names expected = others;
  expected.push_back("ziel.dat");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder.entries(), expected);

  // By a pattern of target names, for targets whose names change each time.
  system.removeStaleTemporaries(folder.path(), "and*.dat");
  expected.erase(std::find(expected.begin(), expected.end(), others[0]));
  EXPECT_EQ(folder.entries(), expected);
}

TEST_F(FilesTest, RefusesToWriteProtectedTargetsFoldersAndMissingFolders) {
  // Read-only on Windows, without write permission on POSIX; writable again
  // afterwards, or Windows would not remove the temporary folder.
  folder.write("schutz.dat", "alt");
  const fs::path writeProtected = testing_support::nativePath(folder.file("schutz.dat"));
  fs::permissions(writeProtected, kWrite, fs::perm_options::remove);
  EXPECT_EQ(system.openReplace(folder.file("schutz.dat")), nullptr);
  EXPECT_EQ(system.openAppend(folder.file("schutz.dat")), nullptr);
  fs::permissions(writeProtected, kWrite, fs::perm_options::add);
#ifdef _WIN32
  // Held open without delete sharing, as the planner or a virus scanner may hold it.
  const HANDLE held =
      CreateFileW(writeProtected.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(system.openReplace(folder.file("schutz.dat")), nullptr);
  CloseHandle(held);
#endif
  EXPECT_EQ(folder.read("schutz.dat"), "alt");

  folder.makeFolder("sub");
  EXPECT_EQ(system.openReplace(folder.file("sub")), nullptr);
  EXPECT_EQ(system.openAppend(folder.file("sub")), nullptr);
  const std::string inMissingFolder = folder.file("fehlt") + platform::kSeparator + "neu.dat";
  EXPECT_EQ(system.openReplace(inMissingFolder), nullptr);
  EXPECT_EQ(system.openAppend(inMissingFolder), nullptr);
  EXPECT_EQ(folder.entries(), (Names{"schutz.dat", "sub"}));
}

#ifndef _WIN32
// The file size limit cuts a write short as a disk that fills part way does.
TEST_F(FilesTest, AnAppendThatFailsPartWayTakesBackWhatItWrote) {
  folder.write("buch.log", "eins\r\n");
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{10, 10};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const auto file = system.openAppend(folder.file("buch.log"));
    std::_Exit(file && file->write("zwei und drei\r\n", 15) == WriteResult::kFailed ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(folder.read("buch.log"), "eins\r\n");
}
#endif

TEST_F(FilesTest, FindsOnlyPlainFilesWhoseWholeNameMatchesInAnyCaseByCodePageNames) {
  folder.write("kundenDATA.DAT", "x");
  folder.write("Data.dat.bak", "x");
  folder.write("kunden.data", "x");  // Windows would match its short name KUNDEN~1.DAT
  folder.makeFolder("xData.dat");
  hiddenFile(folder, "geheimData.dat");
  EXPECT_EQ(list(folder.path(), "*Data.dat"), Names{"kundenDATA.DAT"});
  const std::string mueller = platform::utf8ToCodePage("Müller.dat");  // in the code page
  folder.write(mueller, "x");
  EXPECT_EQ(list(folder.path(), "*.dat"), (Names{mueller, "kundenDATA.DAT"}));
  EXPECT_EQ(list(folder.path(), platform::utf8ToCodePage("MÜLLER.*")), Names{mueller});
}

// A name appended to a folder path without its separator would not lie in
// that folder, so listing refuses it as opening would miss the files.
TEST_F(FilesTest, RefusesAFolderWithoutSeparatorAndTakesTheCurrentFolder) {
  folder.write("a.dat", "x");
  EXPECT_EQ(list(folder.withoutSeparator(), "*.dat"), std::nullopt);
  EXPECT_EQ(list(folder.file("fehlt") + platform::kSeparator, "*"), Names{});  // a missing folder

  const testing_support::KeepCurrentFolder guard;
  fs::current_path(testing_support::nativePath(folder.path()));
  EXPECT_EQ(list("", "*.dat"), Names{"a.dat"});
}

TEST_F(FilesTest, PathKindsTellFoldersPlainAndHiddenFilesApart) {
  folder.write("plain.dat", "x");
  const std::string hidden = hiddenFile(folder, "hidden.dat");
  folder.makeFolder("sub");
  EXPECT_EQ(system.pathKind(folder.file("plain.dat")), PathKind::kNormalFile);
  EXPECT_EQ(system.pathKind(folder.file(hidden)), PathKind::kHiddenFile);
  EXPECT_EQ(system.pathKind(folder.file("sub")), PathKind::kFolder);
  EXPECT_EQ(system.pathKind(folder.path()), PathKind::kFolder);
  EXPECT_EQ(system.pathKind(folder.file("fehlt.dat")), PathKind::kMissing);
  EXPECT_EQ(system.pathKind(""), PathKind::kMissing);
  EXPECT_TRUE(system.canEnterFolder(folder.file("sub")));
  for (const std::string& path : {folder.file("plain.dat"), folder.file("fehlt"), std::string()}) {
    EXPECT_FALSE(system.canEnterFolder(path)) << path;
  }
}

}  // namespace
