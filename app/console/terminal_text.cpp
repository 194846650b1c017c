#include "terminal_text.h"

#include <filesystem>

#include "platform/codepage.h"

namespace console {

const char* say(startup::Language language, const Texts& texts) {
  using startup::Language;
  return language == Language::DE ? texts.de : language == Language::FR ? texts.fr : texts.en;
}

std::string forTerminal(const std::string& text) {
  std::string out = platform::codePageToUtf8(text);
  for (char& c : out) {
    if (c == '\r') c = '\n';
  }
  return out;
}

std::string fromTerminal(const std::string& line) {
  std::string text = line;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return platform::isValidUtf8(text) ? platform::utf8ToCodePage(text) : text;
}

std::string absolutePath(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ignored;
#ifdef _WIN32
  return platform::utf16ToCodePage(
      fs::absolute(platform::codePageToUtf16(path), ignored).wstring());
#else
  return platform::utf8ToCodePage(fs::absolute(platform::codePageToUtf8(path), ignored).string());
#endif
}

std::string pathIn(const std::string& folder, const std::string& name) {
  namespace fs = std::filesystem;
#ifdef _WIN32
  const fs::path path =
      fs::path(platform::codePageToUtf16(folder)) / platform::codePageToUtf16(name);
  return platform::utf16ToCodePage(path.wstring());
#else
  const fs::path path = fs::path(platform::codePageToUtf8(folder)) / platform::codePageToUtf8(name);
  return platform::utf8ToCodePage(path.string());
#endif
}

}  // namespace console
