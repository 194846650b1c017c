#include "planner_file_tool.h"

#include <istream>
#include <ostream>

#include "hostfiles/file_channel.h"
#include "hostfiles/scrambled_line.h"
#include "platform/codepage.h"
#include "startup/run_time_error.h"
#include "terminal_text.h"

namespace console {

namespace {

using startup::Language;

constexpr Texts kCannotOpen{"kann nicht geöffnet werden", "cannot be opened",
                            "ne peut pas être ouvert"};
constexpr Texts kReadError{"Lesefehler", "read error", "erreur de lecture"};
constexpr Texts kNotScrambled{"keine verschlüsselte Zeile einer Planerdatei",
                              "not a scrambled line of a planner file",
                              "pas une ligne chiffrée d'un fichier du planificateur"};
constexpr Texts kNotUtf8{"kein UTF-8-Text", "not UTF-8 text", "pas du texte UTF-8"};
constexpr Texts kTooLong{"zu lang für eine Planerzeile", "too long for a planner line",
                         "trop longue pour une ligne du planificateur"};

std::string fileName(Language language, const std::string& file) {
  const std::string name = platform::codePageToUtf8(file);
  return say(language, {"Datei '", "File '", "Fichier « "}) + name +
         say(language, {"'", "'", " »"});
}

std::string lineOf(Language language, const std::string& subject, std::size_t line) {
  return subject + say(language, {", Zeile ", ", line ", ", ligne "}) + std::to_string(line) +
         say(language, {": ", ": ", " : "});
}

// The whole file is decoded before anything is printed, so that a file that is
// no planner file gives its message and nothing else.
bool decodeFile(platform::System& system, Language language, const std::string& file,
                std::string& out, std::ostream& err) {
  hostfiles::FileChannel channel;
  if (!channel.open(system, file, hostfiles::Modus::Input)) {
    err << fileName(language, file) << " " << say(language, kCannotOpen) << "\n";
    return false;
  }
  std::size_t number = 1;
  try {
    for (; !channel.atEnd(); ++number) {
      const std::string_view line = channel.readLine();
      if (!hostfiles::isScrambledLine(line)) {
        err << lineOf(language, fileName(language, file), number) << say(language, kNotScrambled)
            << "\n";
        return false;
      }
      out += platform::codePageToUtf8(hostfiles::decodeLine(line)) + "\n";
    }
  } catch (const startup::RunTimeError&) {
    err << lineOf(language, fileName(language, file), number) << say(language, kReadError) << "\n";
    return false;
  }
  return true;
}

}  // namespace

int decodeFiles(platform::System& system, Language language, const std::vector<std::string>& files,
                std::ostream& out, std::ostream& err) {
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (files.size() > 1) {
      out << (i > 0 ? "\n" : "") << "==> " << platform::codePageToUtf8(files[i]) << " <==\n";
    }
    std::string text;
    if (!decodeFile(system, language, files[i], text, err)) return 1;
    out << text;
  }
  return 0;
}

int encodeLines(platform::System& system, Language language, std::istream& in, std::ostream& out,
                std::ostream& err) {
  const std::string input = say(language, {"Standardeingabe", "Standard input", "Entrée standard"});
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!platform::isValidUtf8(line)) {
      err << lineOf(language, input, number) << say(language, kNotUtf8) << "\n";
      return 1;
    }
    const std::string scrambled = hostfiles::encodeLine(hostfiles::keyFromRandom(system.random()),
                                                        platform::utf8ToCodePage(line));
    if (scrambled.size() > hostfiles::kMaxLineLength) {
      err << lineOf(language, input, number) << say(language, kTooLong) << "\n";
      return 1;
    }
    out << scrambled << "\r\n";
  }
  return 0;
}

}  // namespace console
