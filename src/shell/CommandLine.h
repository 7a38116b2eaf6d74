#pragma once
// The program's command line, read in one place: a graph file to open, or one of the options
// that work without a window.

#include <string>
#include <vector>

namespace quorvel {

inline constexpr const char* kUsage =
    "usage: quorvel [FILE.qvl]\n"
    "       quorvel --export OUT.png|OUT.bmp FILE.qvl\n"
    "       quorvel --help | --version\n";

struct CommandLine {
  enum class Mode { Window, Help, Version, Export, UsageError };
  Mode mode = Mode::Window;
  std::string file;    // the graph file to open, or to export
  std::string output;  // the picture to write (export)
  std::string error;   // what is wrong (usage error)
  bool png = false;    // export as PNG (else BMP), by the output's extension
};

// The arguments after the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quorvel
