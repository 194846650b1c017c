#include "terminal_text.h"

#include "platform/codepage.h"

namespace console {

std::string say(startup::Language language, const Texts& texts) {
  return forTerminal(startup::textOrEmpty(language, texts.de, texts.en, texts.fr));
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

}  // namespace console
