#include "hostfiles/planner_file_test.h"

#include "hostfiles/scrambled_line.h"

namespace hostfiles {

std::string scrambledFile(const Lines& texts) {
  std::string bytes;
  unsigned char key = 0;
  for (const std::string& text : texts) {
    key += 53;
    if (key == '\n' || key == '\r') key += 53;  // a key may be any code but a line end
    bytes += encodeLine(key, text) + "\r\n";
  }
  return bytes;
}

Lines writtenTexts(const std::string& bytes) {
  Lines texts;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF at byte " << start;
      break;
    }
    const std::string_view line(bytes.data() + start, end - start);
    start = end + 2;
    if (!isScrambledLine(line)) {
      ADD_FAILURE() << "no scrambled line before byte " << start;
      continue;
    }
    EXPECT_GE(static_cast<unsigned char>(line[0]), 32);
    EXPECT_LE(static_cast<unsigned char>(line[0]), 254);
    texts.push_back(decodeLine(line));
  }
  return texts;
}

std::string errorReport(const std::string& context, int number, const std::string& description) {
  return "Es ist folgender Fehler aufgetreten in Modul '" + context + "':\n\nFehler Nr. " +
         std::to_string(number) + "\n" + description + "\n\nDas Programm wird beendet.";
}

}  // namespace hostfiles
