#include "common/Language.h"

#include <array>
#include <utility>

namespace quorvel {
namespace {

Language current = Language::Dutch;
TextCatalogue installed = nullptr;

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The language an entry such as "en_US.UTF-8" or "nl" names, if it names one.
std::optional<Language> languageOfLocale(std::string_view locale) {
  if (locale.empty() || locale == "C" || locale == "POSIX" || startsWith(locale, "C.")) {
    return std::nullopt;
  }
  return startsWith(locale, "en") &&
                 (locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@')
             ? Language::English
             : Language::Dutch;
}

}  // namespace

Language currentLanguage() {
  return current;
}

void setLanguage(Language language, TextCatalogue catalogue) {
  current = language;
  installed = catalogue;
}

std::string translated(const char* source) {
  if (current == Language::Dutch || installed == nullptr) return source;
  return installed(source);
}

std::string translated(const char* source, std::string_view first, std::string_view second) {
  std::string text = translated(source);
  for (const auto& [mark, argument] :
       {std::pair{std::string_view("%1"), first}, std::pair{std::string_view("%2"), second}}) {
    if (const size_t at = text.find(mark); at != std::string::npos)
      text.replace(at, mark.size(), argument);
  }
  return text;
}

std::optional<Language> languageOfCode(std::string_view code) {
  if (code == "nl") return Language::Dutch;
  if (code == "en") return Language::English;
  return std::nullopt;
}

std::string_view codeOf(Language language) {
  return language == Language::English ? "en" : "nl";
}

Language languageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                               const char* lang) {
  // LANGUAGE is a list of preferences, "en_GB:nl"; gettext ignores it under the C locale.
  const std::array<const char*, 3> locales = {lcAll, lcMessages, lang};
  std::optional<Language> fromLocale;
  for (const char* locale : locales) {
    if (locale != nullptr && *locale != '\0') {
      fromLocale = languageOfLocale(locale);
      if (!fromLocale) return Language::Dutch;  // "C": the program's own language
      break;
    }
  }
  if (language != nullptr && *language != '\0') {
    const std::string_view list(language);
    if (const auto first = languageOfLocale(list.substr(0, list.find(':')))) return *first;
  }
  return fromLocale.value_or(Language::Dutch);
}

}  // namespace quorvel
