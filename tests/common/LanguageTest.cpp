// The program's language: chosen from the environment as gettext reads it, by --lang's codes,
// and the texts looked up in the catalogue of the language in use.

#include "common/Language.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Language, FromTheEnvironment) {
  struct Case {
    const char* language;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, nullptr, Language::Dutch},  // nothing set: our own language
      {nullptr, nullptr, nullptr, "en_GB.UTF-8", Language::English},
      {nullptr, nullptr, nullptr, "en", Language::English},
      {nullptr, nullptr, nullptr, "nl_NL.UTF-8", Language::Dutch},
      {nullptr, nullptr, nullptr, "de_DE.UTF-8", Language::Dutch},  // a third: the default
      {nullptr, nullptr, nullptr, "eo.UTF-8", Language::Dutch},     // not "en"
      {nullptr, nullptr, "en_US.UTF-8", "nl_NL.UTF-8", Language::English},
      {nullptr, "nl_BE.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::Dutch},  // LC_ALL first
      {nullptr, "", "", "en_IE@euro", Language::English},                // empty counts as unset
      {"en_GB:nl", nullptr, nullptr, "nl_NL.UTF-8", Language::English},  // LANGUAGE first
      {"nl:en", nullptr, nullptr, "en_US.UTF-8", Language::Dutch},
      {"en", nullptr, nullptr, "C", Language::Dutch},  // the C locale: LANGUAGE is ignored
      {"en", "POSIX", nullptr, nullptr, Language::Dutch},
      {"en_US", nullptr, nullptr, nullptr, Language::English},
      {"", nullptr, nullptr, "en_US.UTF-8", Language::English},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(languageOfEnvironment(c.language, c.lcAll, c.lcMessages, c.lang), c.expected)
        << (c.language ? c.language : "-") << " " << (c.lcAll ? c.lcAll : "-") << " "
        << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
  }
}

TEST(Language, CodesAndTexts) {
  EXPECT_EQ(languageOfCode("nl"), Language::Dutch);
  EXPECT_EQ(languageOfCode("en"), Language::English);
  EXPECT_FALSE(languageOfCode("EN").has_value());
  EXPECT_FALSE(languageOfCode("de").has_value());
  EXPECT_EQ(codeOf(Language::English), "en");

  // Dutch is the texts' own language: no catalogue is asked.
  EXPECT_EQ(currentLanguage(), Language::Dutch);
  EXPECT_EQ(translated("grafieken"), "grafieken");
  setLanguage(Language::English, [](const char* source) {
    return std::string(source) == "grafieken" ? std::string("graphs") : std::string(source);
  });
  EXPECT_EQ(translated("grafieken"), "graphs");
  EXPECT_EQ(translated("onbekend"), "onbekend");  // without translation: as it stands
  setLanguage(Language::Dutch, nullptr);
  EXPECT_EQ(translated("grafieken"), "grafieken");
}

}  // namespace
}  // namespace quorvel
