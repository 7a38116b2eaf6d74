#include "shell/CommandLine.h"

#include "common/PathText.h"

namespace quorvel {
namespace {

CommandLine usageError(std::string error) {
  CommandLine line;
  line.mode = CommandLine::Mode::UsageError;
  line.error = std::move(error);
  return line;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  if (arguments.empty()) return line;
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h") {
    if (arguments.size() != 1) return usageError("--help takes no argument");
    line.mode = CommandLine::Mode::Help;
  } else if (first == "--version") {
    if (arguments.size() != 1) return usageError("--version takes no argument");
    line.mode = CommandLine::Mode::Version;
  } else if (first == "--export") {
    if (arguments.size() != 3) return usageError("--export needs a picture and a graph file");
    line.mode = CommandLine::Mode::Export;
    line.output = arguments[1];
    line.file = arguments[2];
    const std::string extension = lowerExtension(line.output);
    if (extension != "png" && extension != "bmp") {
      return usageError("the picture must end in .png or .bmp: " + line.output);
    }
    line.png = extension == "png";
  } else if (first.size() > 1 && first[0] == '-') {
    return usageError("unknown option " + first);
  } else {
    if (arguments.size() != 1) return usageError("one graph file at most");
    line.file = first;
  }
  return line;
}

}  // namespace quorvel
