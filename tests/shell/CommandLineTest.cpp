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
    EXPECT_FALSE(line.error.empty());
  }
}

}  // namespace
}  // namespace quorvel
