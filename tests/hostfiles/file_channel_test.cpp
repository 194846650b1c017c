#include "hostfiles/file_channel.h"

#include <gtest/gtest.h>

#include "hostfiles/line_count.h"
#include "hostfiles/scrambled_line.h"
#include "support/state_fixture.h"

namespace hostfiles {
namespace {

using startup::Language;
using testing_support::endingNotice;
using testing_support::errorReport;

class FileChannelTest : public testing_support::StateTest {
 protected:
  bool open(const std::string& path, Modus mode,
            Fehlerbehandlung errors = Fehlerbehandlung::ReportErrors) {
    return Datei_oeffnen(state, channel, path, mode, errors);
  }
  std::string lineIn() { return LineIn(state, channel); }
  void lineOut(std::string_view text) { LineOut(state, channel, text); }

  void writeLines(const std::string& name, const std::vector<std::string>& texts) {
    ASSERT_TRUE(open(folder.file(name), Modus::Output));
    for (const auto& text : texts) lineOut(text);
    Datei_schliessen(channel);
  }

  // Every line of the file, descrambled or as it stands.
  std::vector<std::string> readLines(const std::string& name, bool scrambled = true) {
    std::vector<std::string> texts;
    open(folder.file(name), Modus::Input);
    while (!channel.atEnd()) {
      texts.push_back(scrambled ? lineIn() : std::string(channel.readLine()));
    }
    Datei_schliessen(channel);
    return texts;
  }

  FileChannel channel;
};

TEST_F(FileChannelTest, LinesReadBackWrittenOrWithEveryKindOfLineEndAndAnyLength) {
  const std::vector<std::string> texts = {"[Zentavo]", "", startup::cp("Müller, Ærøskøbing ß é"),
                                          std::string(kMaxLineLength - 1, 'x')};
  writeLines("a.dat", texts);
  EXPECT_EQ(readLines("a.dat"), texts);
  std::size_t size = 0;
  for (const auto& text : texts) size += 1 + text.size() + 2;  // key, text, CR LF
  EXPECT_EQ(folder.read("a.dat").size(), size);

  folder.write("ends.txt", "crlf\r\nlf\ncr\rlast\r\n\n\r");
  EXPECT_EQ(readLines("ends.txt", false),
            (std::vector<std::string>{"crlf", "lf", "cr", "last", "", ""}));

  // A CR LF pair straddles the 64 KiB read buffer; later lines are longer than it.
  const std::string first(65535, 'a'), longLine(200000, 'x');
  folder.write("long.txt", first + "\r\nb\r\n" + longLine + "\r" + longLine);
  EXPECT_EQ(readLines("long.txt", false),
            (std::vector<std::string>{first, "b", longLine, longLine}));
}

// The rest of a file is read whole, whatever size it gave when the reading
// began: it may have grown or shrunk since, or the system may not tell.
class ReadRestTest : public FileChannelTest,
                     public ::testing::WithParamInterface<std::optional<std::int64_t>> {};

TEST_P(ReadRestTest, TakesTheFileAsItStandsWhenRead) {
  const std::string rest = std::string(100000, 'x') + "end";
  folder.write("a.txt", "first\r\n" + rest);
  system.sizeSkew = GetParam();
  ASSERT_TRUE(open(folder.file("a.txt"), Modus::Input));
  EXPECT_EQ(channel.readLine(), "first");
  EXPECT_EQ(channel.readRest(), rest);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReadRestTest,
                         ::testing::Values(0, -1, -99000, 1, 5000, std::nullopt));

TEST_F(FileChannelTest, ReadErrorsEndTheProgramWithTheirReport) {
  // Lines up to the limit read back; longer ones are errors.
  folder.write("limit.dat", std::string(kMaxLineLength, 'A') + "\r\n" +
                                std::string(kMaxLineLength + 1, 'A') + "\r\n");
  open(folder.file("limit.dat"), Modus::Input);
  EXPECT_EQ(lineIn().size(), kMaxLineLength - 1);
  EXPECT_EQ(endingNotice(dialogs, [&] { lineIn(); }),
            errorReport("modPersonallader - LineIn", 6, "Überlauf"));

  folder.write("gap.dat", "Aceg\r\n\r\nAceg\r\n");
  open(folder.file("gap.dat"), Modus::Input);
  EXPECT_EQ(lineIn(), "abc");
  EXPECT_EQ(endingNotice(dialogs, [&] { lineIn(); }),
            errorReport("modPersonallader - LineIn", 5,
                        "Unzulässiger Prozeduraufruf oder ungültiges Argument"));

  folder.write("one.dat", "Aceg");
  system.fault = {system.operations + 2};  // the opening, then the first read
  open(folder.file("one.dat"), Modus::Input);
  EXPECT_EQ(endingNotice(dialogs, [&] { lineIn(); }),
            errorReport("modPersonallader - LineIn", 57,
                        "Fehler beim Lesen oder Schreiben auf dem Gerät"));

  EXPECT_EQ(endingNotice(dialogs, [&] { lineIn(); }),
            errorReport("modPersonallader - LineIn", 52, "Dateiname oder -nummer falsch"));
  EXPECT_EQ(endingNotice(dialogs, [&] { lineOut("x"); }),
            errorReport("modPersonallader - LineOut", 52, "Dateiname oder -nummer falsch"));

  open(folder.file("one.dat"), Modus::Input);
  EXPECT_EQ(endingNotice(dialogs, [&] { lineOut("x"); }),
            errorReport("modPersonallader - LineOut", 54, "Dateimodus falsch"));
}

TEST_F(FileChannelTest, OpeningWhileTheChannelIsInUseFails) {
  folder.write("a.txt", "x");
  ASSERT_TRUE(open(folder.file("a.txt"), Modus::Input, Fehlerbehandlung::IgnoreErrors));
  EXPECT_FALSE(open(folder.file("a.txt"), Modus::Input, Fehlerbehandlung::IgnoreErrors));
  EXPECT_FALSE(channel.isOpen());
  EXPECT_TRUE(dialogs.shown.empty());
}

// A program that ends while a file is open for output keeps the old file; a
// failure when completing it is an error of the caller.
TEST_F(FileChannelTest, FailedWritesKeepTheOldFile) {
  writeLines("Konfigdaten.dat", {"[Zentavo]", "old"});
  const std::string before = folder.read("Konfigdaten.dat");
  const auto expectOldFileAlone = [&] {
    EXPECT_EQ(folder.read("Konfigdaten.dat"), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Konfigdaten.dat"});
  };
  const auto openOld = [&] { open(folder.file("Konfigdaten.dat"), Modus::Output); };
  openOld();
  lineOut("new");
  EXPECT_EQ(endingNotice(dialogs, [&] { lineOut(std::string(kMaxLineLength, 'x')); }),
            errorReport("modPersonallader - LineOut", 6, "Überlauf"));
  expectOldFileAlone();

  // The first write after the opening, once the buffer is full.
  system.fault = {system.operations + 2, false, platform::WriteResult::kDiskFull};
  openOld();
  EXPECT_EQ(endingNotice(dialogs,
                         [&] {
                           for (int i = 0; i < 20000; ++i) lineOut("new line of text");
                         }),
            errorReport("modPersonallader - LineOut", 61, "Datenträger voll"));
  expectOldFileAlone();

  using platform::WriteResult;
  // The operations of a short file: 1 opening, 2 writing, 3 flushing, 4 renaming.
  const struct {
    std::size_t at;
    WriteResult result;
    int number;
  } cases[] = {{2, WriteResult::kFailed, startup::kDeviceIoError},
               {2, WriteResult::kDiskFull, startup::kDiskFull},
               {3, WriteResult::kDiskFull, startup::kDiskFull},
               {4, WriteResult::kFailed, startup::kPathFileAccessError}};
  for (const auto& c : cases) {
    system.operations = 0;
    system.fault = {c.at, false, c.result};
    openOld();
    lineOut("new line of text");
    try {
      Datei_schliessen(channel);
      ADD_FAILURE() << "operation " << c.at << " did not fail";
    } catch (const startup::RunTimeError& error) {
      EXPECT_EQ(error.number(), c.number) << "operation " << c.at;
    }
    expectOldFileAlone();
  }
}

// French quotes the file name in its own form.
TEST_F(FileChannelTest, OpenFailureNamesTheFileAndEndsTheProgram) {
  folder.makeFolder("sub");
  const std::string missing = folder.file("missing.dat"), sub = folder.file("sub");
  const std::string deniedDE =
      "' konnte nicht geöffnet werden.\n\nMöglicherweise haben Sie keine ausreichenden "
      "Zugriffsrechte für diesen Ordner";
  const struct {
    Language language;
    Modus mode;
    std::string expected;
  } cases[] = {
      {Language::DE, Modus::Input,
       "Die Datei '" + missing + deniedDE +
           " oder die Datei ist nicht vorhanden.\n\nDas Programm wird beendet."},
      {Language::DE, Modus::Output,
       "Die Datei '" + sub + deniedDE +
           ", ist die Datei schreibgeschützt oder die Datei ist nicht vorhanden.\n\nDas "
           "Programm wird beendet."},
      {Language::FR, Modus::Input,
       "Impossible d'ouvrir le fichier « " + missing +
           " ».\n\nVous n'avez probablement pas de droits d'accès suffisants pour ce dossier ou "
           "le fichier n'existe pas.\n\nLe programme va être fermé."}};
  for (const auto& c : cases) {
    useLanguage(c.language);
    const std::string& name = c.mode == Modus::Input ? missing : sub;
    EXPECT_EQ(endingNotice(dialogs, [&] { open(name, c.mode); }), c.expected);
    EXPECT_FALSE(open(name, c.mode, Fehlerbehandlung::IgnoreErrors));
  }
  EXPECT_EQ(dialogs.shown.size(), std::size(cases));  // ignored errors show nothing
}

// A line end split between two reads of the buffer counts once; a file with
// any other line end, an empty line or one too long is left to the reading
// line by line.
TEST_F(FileChannelTest, WrittenLinesAreCountedOnlyWhenEndedAsThePlannerEndsThem) {
  const auto count = [&](const std::string& bytes) {
    folder.write("f.dat", bytes);
    open(folder.file("f.dat"), Modus::Input);
    const auto lines = countWrittenLines(channel);
    channel.abandon();
    return lines;
  };
  const std::string longest(kMaxLineLength, 'x');
  for (std::size_t size = 764; size <= 766; ++size) {  // its CR at bytes 65,534 to 65,536
    const std::string file =
        longest + "\r\n" + std::string(32000, 'x') + "\r\n" + std::string(size, 'y') + "\r\nz\r\n";
    EXPECT_EQ(count(file), 4u) << size;
  }
  for (const std::string& odd : std::vector<std::string>{
           "a\nb\r\n", "a\r\nb\r", "a\rb\r\n", "a\r\nb", "a\r\n\r\nb\r\n", longest + "x\r\n"}) {
    EXPECT_EQ(count(odd), std::nullopt) << odd;
  }
}

}  // namespace
}  // namespace hostfiles
