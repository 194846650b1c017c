#include "startup/language.h"

#include "platform/codepage.h"

#ifndef PERSONALLADER_LANGUAGE
#define PERSONALLADER_LANGUAGE "DE"
#endif

namespace startup {

namespace {

Language languageFromCode(std::string_view code) {
  if (code == "DE") return Language::DE;
  if (code == "EN") return Language::EN;
  if (code == "FR") return Language::FR;
  return Language::Other;
}

}  // namespace

Language buildLanguage() { return languageFromCode(PERSONALLADER_LANGUAGE); }

std::string cp(std::string_view utf8) { return platform::utf8ToCodePage(utf8); }

std::string textOrEmpty(Language language, std::string_view de, std::string_view en,
                        std::string_view fr) {
  switch (language) {
    case Language::DE:
      return cp(de);
    case Language::EN:
      return cp(en);
    case Language::FR:
      return cp(fr);
    case Language::Other:
      break;
  }
  return {};
}

}  // namespace startup
