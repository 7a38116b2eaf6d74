#pragma once
// The program's command line, read in one place: a graph file to open, or one of the options
// that work without a window.

#include <optional>
#include <string>
#include <vector>

#include "common/Language.h"

namespace quorvel {

// Standard error speaks the program's language, as its message line does.
inline constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "quorvel",
    "gebruik: quorvel [BESTAND.qvl]\n"
    "         quorvel --export UIT.png|UIT.bmp|UIT.svg|UIT.pdf [--exact] BESTAND.qvl\n"
    "         quorvel --export UIT.gif --animate NAAM=VAN..TOT [--frames N] [--exact]\n"
    "                 BESTAND.qvl\n"
    "         quorvel -h | --help | --version\n"
    "         --lang nl|en bij elk van deze\n");

inline constexpr const char* kHelp =
    "Quorvel plots mathematical formulas, polynomials and fitted curves.\n"
    "\n"
    "  quorvel [FILE.qvl]              open the main window, with a graph file\n"
    "  quorvel --export OUT FILE.qvl   write the picture of a graph file to OUT as PNG,\n"
    "                                  BMP, SVG or PDF (by OUT's extension), without a window\n"
    "  quorvel --export OUT.gif --animate NAME=FROM..TO [--frames N] FILE.qvl\n"
    "                                  the constant NAME (a, b or c) from FROM to TO as an\n"
    "                                  animated GIF of N pictures (2 to 1000, default 50)\n"
    "                                  that loops and lasts 5 seconds\n"
    "  quorvel --export OUT --exact FILE.qvl\n"
    "                                  implicit equations drawn by the exact method\n"
    "                                  (also with --animate)\n"
    "  quorvel -h, --help              this text\n"
    "  quorvel --version               the version\n"
    "  --lang nl|en                    with any of these: Dutch or English texts for this\n"
    "                                  run, whatever the system's language\n"
    "\n"
    "Exit status: 0 done, 1 the file did not load or the picture was not written,\n"
    "2 a usage error. More in the program's help (Alt+H) and in man quorvel.\n";

struct CommandLine {
  enum class Mode { Window, Help, Version, Export, UsageError };
  Mode mode = Mode::Window;
  std::string file;    // the graph file to open, or to export
  std::string output;  // the picture to write (export)
  // What is wrong (usage error): a marked text, with %1 where the detail (an argument) goes.
  const char* error = "";
  std::string errorDetail;
  std::string errorText() const;  // in the language in use
  enum class Format { Png, Bmp, Svg, Pdf, Gif };
  Format format = Format::Png;  // of the picture to write, by the output's extension
  // The constant an animated GIF moves (0 a, 1 b, 2 c), over its range, in frames.
  int animated = 0;
  double from = 0;
  double to = 0;
  int frames = 50;
  bool exact = false;                // implicit equations drawn by the exact method
  std::optional<Language> language;  // --lang, anywhere on the line
};

// The arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quorvel
