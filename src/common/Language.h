#pragma once
// The language of the program's texts: Dutch, the language its texts are written in, or
// English. Every text a user reads is a Dutch source text marked with QT_TRANSLATE_NOOP in
// the context "quorvel" (Qt's lupdate collects them into translations/quorvel_en.ts) and
// passes through translated() where it is shown or put together. The engine stays free of Qt:
// the window installs the catalogue that looks a text up (Qt's translator).
//
// The language is the process's, like the C locale and Qt's installed translators: the shell
// sets it at start (from --lang or the system) and when the user switches; everything else
// only reads it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace quorvel {

enum class Language : uint8_t { Dutch, English };

inline constexpr const char* kTextContext = "quorvel";

Language currentLanguage();
// Looks a source text up in the catalogue: its translation, or the source text when there is
// none (a text without translation stays Dutch rather than disappear).
using TextCatalogue = std::string (*)(const char* source);
void setLanguage(Language language, TextCatalogue catalogue);

// The text in the current language.
std::string translated(const char* source);
// The same with %1 (and %2) in it replaced by the arguments: for texts put together at run
// time, whose order of words a translation may change.
std::string translated(const char* source, std::string_view first, std::string_view second = {});

// "nl" or "en", as --lang takes them.
std::optional<Language> languageOfCode(std::string_view code);
std::string_view codeOf(Language language);

// The system's language as gettext reads the environment: the first entry of LANGUAGE, else
// LC_ALL, LC_MESSAGES and LANG in that order, the first that is set and not empty ("C" and
// "POSIX" say nothing). English when that is English ("en", "en_GB.UTF-8", ...), Dutch
// otherwise: the program's own language is the default for every other one.
Language languageOfEnvironment(const char* language, const char* lcAll, const char* lcMessages,
                               const char* lang);

}  // namespace quorvel
