// The command line: a file to open, the options, and what is a usage error.

#include <gtest/gtest.h>

#include "shell/CommandLine.h"

namespace quorvel {
namespace {

using Mode = CommandLine::Mode;

TEST(CommandLineOptions, EveryForm) {
  EXPECT_EQ(parseCommandLine({}).mode, Mode::Window);
  const CommandLine open = parseCommandLine({"grafiek.qvl"});
  EXPECT_EQ(open.mode, Mode::Window);
  EXPECT_EQ(open.file, "grafiek.qvl");
  EXPECT_EQ(parseCommandLine({"--help"}).mode, Mode::Help);
  EXPECT_EQ(parseCommandLine({"--version"}).mode, Mode::Version);

  const CommandLine png = parseCommandLine({"--export", "map/Plaatje.PNG", "g.qvl"});
  EXPECT_EQ(png.mode, Mode::Export);
  EXPECT_EQ(png.format, CommandLine::Format::Png);
  EXPECT_EQ(png.output, "map/Plaatje.PNG");
  EXPECT_EQ(png.file, "g.qvl");
  const CommandLine bmp = parseCommandLine({"--export", "uit.bmp", "g.qvl"});
  EXPECT_EQ(bmp.mode, Mode::Export);
  EXPECT_EQ(bmp.format, CommandLine::Format::Bmp);
  EXPECT_EQ(parseCommandLine({"--export", "a.SVG", "g.qvl"}).format, CommandLine::Format::Svg);
  EXPECT_EQ(parseCommandLine({"--export", "a.pdf", "g.qvl"}).format, CommandLine::Format::Pdf);
}

TEST(CommandLineOptions, UsageErrors) {
  const std::vector<std::vector<std::string>> wrong = {
      {"a.qvl", "b.qvl"},
      {"--export"},
      {"--export", "uit.png"},
      {"--export", "uit.jpg", "g.qvl"},
      {"--export", "map.png/uit", "g.qvl"},
      {"--export", "uit.png", "g.qvl", "h.qvl"},
      {"--help", "x"},
      {"--verbose"},
  };
  for (const auto& arguments : wrong) {
    const CommandLine line = parseCommandLine(arguments);
    EXPECT_EQ(line.mode, Mode::UsageError) << arguments[0];
    EXPECT_FALSE(line.errorText().empty());
  }
}

// --lang for one run, anywhere on the line, with every form.
TEST(CommandLineOptions, TheLanguage) {
  EXPECT_FALSE(parseCommandLine({"g.qvl"}).language.has_value());
  const CommandLine english = parseCommandLine({"--lang", "en", "g.qvl"});
  EXPECT_EQ(english.mode, Mode::Window);
  EXPECT_EQ(english.file, "g.qvl");
  EXPECT_EQ(english.language, Language::English);
  EXPECT_EQ(parseCommandLine({"g.qvl", "--lang", "nl"}).language, Language::Dutch);
  const CommandLine exported = parseCommandLine({"--export", "uit.png", "--lang", "en", "g.qvl"});
  EXPECT_EQ(exported.mode, Mode::Export);
  EXPECT_EQ(exported.file, "g.qvl");
  EXPECT_EQ(exported.language, Language::English);
  EXPECT_EQ(parseCommandLine({"--help", "--lang", "en"}).mode, Mode::Help);
  for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--lang"},
                                                {"--lang", "de"},
                                                {"--lang", "EN", "g.qvl"},
                                                {"g.qvl", "--lang"}}) {
    const CommandLine line = parseCommandLine(wrong);
    EXPECT_EQ(line.mode, Mode::UsageError) << wrong.back();
    EXPECT_EQ(line.errorText().rfind("--lang: nl of en verwacht", 0), 0u) << line.errorText();
  }
}

TEST(CommandLineOptions, AnAnimatedGif) {
  const CommandLine gif = parseCommandLine(
      {"--export", "uit.GIF", "--animate", "b=-1,5..2.5", "--frames", "12", "g.qvl"});
  ASSERT_EQ(gif.mode, Mode::Export) << gif.errorText();
  EXPECT_EQ(gif.format, CommandLine::Format::Gif);
  EXPECT_EQ(gif.animated, 1);
  EXPECT_EQ(gif.from, -1.5);
  EXPECT_EQ(gif.to, 2.5);
  EXPECT_EQ(gif.frames, 12);
  EXPECT_EQ(gif.file, "g.qvl");
  // The options either way round; 50 frames unless asked; a range may run downwards.
  const CommandLine down = parseCommandLine({"--export", "u.gif", "--animate", "c=3..-3", "g.qvl"});
  ASSERT_EQ(down.mode, Mode::Export) << down.errorText();
  EXPECT_EQ(down.animated, 2);
  EXPECT_EQ(down.from, 3);
  EXPECT_EQ(down.to, -3);
  EXPECT_EQ(down.frames, 50);
  const CommandLine swapped =
      parseCommandLine({"--export", "u.gif", "--frames", "2", "--animate", "a=0..1", "g.qvl"});
  EXPECT_EQ(swapped.mode, Mode::Export) << swapped.errorText();
  EXPECT_EQ(swapped.frames, 2);

  const struct {
    std::vector<std::string> arguments;
    const char* error;
  } wrong[] = {
      {{"--export", "u.gif", "g.qvl"}, "een animatie (.gif) vraagt --animate NAAM=VAN..TOT"},
      {{"--export", "u.png", "--animate", "a=0..1", "g.qvl"},
       "--animate en --frames alleen bij een .gif"},
      {{"--export", "u.gif", "--animate", "d=0..1", "g.qvl"}, "--animate: a, b of c verwacht: d"},
      {{"--export", "u.gif", "--animate", "a=2..2,0", "g.qvl"},
       "--animate: van en tot gelijk: a=2..2,0"},
      {{"--export", "u.gif", "--animate", "a=0-1", "g.qvl"},
       "--animate: NAAM=VAN..TOT verwacht: a=0-1"},
      {{"--export", "u.gif", "--animate", "a=x..1", "g.qvl"},
       "--animate: NAAM=VAN..TOT verwacht: a=x..1"},
      {{"--export", "u.gif", "--animate", "a=0..1", "--frames", "1", "g.qvl"},
       "--frames: een aantal van 2 tot en met 1000 verwacht: 1"},
      {{"--export", "u.gif", "--animate", "a=0..1", "--frames", "1001", "g.qvl"},
       "--frames: een aantal van 2 tot en met 1000 verwacht: 1001"},
      {{"--export", "u.gif", "--animate", "a=0..1", "--animate", "b=0..1", "g.qvl"},
       "--export: onverwacht --animate"},
      {{"--export", "u.gif", "--animate", "a=0..1"},
       "--animate: een waarde en een graph file verwacht"},
  };
  for (const auto& c : wrong) {
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(line.mode, Mode::UsageError) << c.error;
    EXPECT_EQ(line.errorText(), c.error);
  }
}

// --exact, an option without a value, anywhere between the picture and the graph file.
TEST(CommandLineOptions, TheExactMethod) {
  EXPECT_FALSE(parseCommandLine({"--export", "u.png", "g.qvl"}).exact);
  const CommandLine png = parseCommandLine({"--export", "u.png", "--exact", "g.qvl"});
  ASSERT_EQ(png.mode, Mode::Export) << png.errorText();
  EXPECT_TRUE(png.exact);
  EXPECT_EQ(png.output, "u.png");
  EXPECT_EQ(png.file, "g.qvl");
  const std::vector<std::vector<std::string>> animations = {
      {"--export", "u.gif", "--exact", "--animate", "a=0..1", "--frames", "3", "g.qvl"},
      {"--export", "u.gif", "--animate", "a=0..1", "--exact", "--frames", "3", "g.qvl"},
      {"--export", "u.gif", "--animate", "a=0..1", "--frames", "3", "--exact", "g.qvl"},
  };
  for (const auto& arguments : animations) {
    const CommandLine gif = parseCommandLine(arguments);
    ASSERT_EQ(gif.mode, Mode::Export) << gif.errorText();
    EXPECT_TRUE(gif.exact);
    EXPECT_EQ(gif.animated, 0);
    EXPECT_EQ(gif.to, 1);
    EXPECT_EQ(gif.frames, 3);
    EXPECT_EQ(gif.file, "g.qvl");
  }

  const struct {
    std::vector<std::string> arguments;
    const char* error;
  } wrong[] = {
      {{"--export", "u.png", "--exact", "--exact", "g.qvl"}, "--export: onverwacht --exact"},
      {{"--export", "u.png", "--exact"}, "--exact: een graph file verwacht"},
      {{"--export", "u.png", "g.qvl", "--exact"}, "--exact: een graph file verwacht"},
      {{"--exact", "g.qvl"}, "onbekende optie --exact"},
      {{"--export", "u.gif", "--animate", "--exact", "g.qvl"},
       "--animate: NAAM=VAN..TOT verwacht: --exact"},
      {{"--export", "u.gif", "--exact", "--animate", "a=0..1"},
       "--animate: een waarde en een graph file verwacht"},
  };
  for (const auto& c : wrong) {
    const CommandLine line = parseCommandLine(c.arguments);
    EXPECT_EQ(line.mode, Mode::UsageError) << c.error;
    EXPECT_EQ(line.errorText(), c.error);
  }
}

}  // namespace
}  // namespace quorvel
