// The terminal front-end: "personallader decode" and "personallader encode".
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>
#endif

#include "planner_file_tool.h"
#include "platform/codepage.h"
#include "platform/system.h"
#include "startup/language.h"

namespace {

constexpr int kUsageExitStatus = 2;

const char* usage(startup::Language language) {
  switch (language) {
    case startup::Language::DE:
      return "Aufruf:\n"
             "  personallader decode DATEI...   zeigt den Klartext jeder Zeile verschlüsselter\n"
             "                                  Planerdateien (UTF-8)\n"
             "  personallader encode            liest Klartextzeilen (UTF-8) von der\n"
             "                                  Standardeingabe und schreibt sie verschlüsselt\n"
             "                                  (Codepage, CR LF) auf die Standardausgabe\n"
             "  personallader --help            zeigt diese Hilfe\n";
    case startup::Language::FR:
      return "Utilisation :\n"
             "  personallader decode FICHIER...  affiche le texte en clair de chaque ligne des\n"
             "                                   fichiers chiffrés du planificateur (UTF-8)\n"
             "  personallader encode             lit des lignes en clair (UTF-8) sur l'entrée\n"
             "                                   standard et les écrit chiffrées (page de codes,\n"
             "                                   CR LF) sur la sortie standard\n"
             "  personallader --help             affiche cette aide\n";
    default:
      return "Usage:\n"
             "  personallader decode FILE...   prints the plain text of every line of\n"
             "                                 scrambled planner files (UTF-8)\n"
             "  personallader encode           reads plain lines (UTF-8) from standard input\n"
             "                                 and writes them as scrambled lines (code page,\n"
             "                                 CR LF) to standard output\n"
             "  personallader --help           shows this help\n";
  }
}

// Arguments in the code page; on Windows from the UTF-16 command line.
std::vector<std::string> arguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  (void)argv;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; i < count; ++i) args.push_back(platform::utf16ToCodePage(wide[i]));
  LocalFree(wide);
  (void)argc;
#else
  for (int i = 1; i < argc; ++i) args.push_back(platform::utf8ToCodePage(argv[i]));
#endif
  return args;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const startup::Language language = startup::buildLanguage();
  const std::vector<std::string> args = arguments(argc, argv);
  if (!args.empty() && args[0] == "--help") {
    std::cout << usage(language);
    return 0;
  }
  if (args.size() >= 2 && args[0] == "decode") {
    return console::decodeFiles(platform::hostSystem(), language, {args.begin() + 1, args.end()},
                                std::cout, std::cerr);
  }
  if (args.size() == 1 && args[0] == "encode") {
    return console::encodeLines(platform::hostSystem(), language, std::cin, std::cout, std::cerr);
  }
  std::cerr << usage(language);
  return kUsageExitStatus;
}
