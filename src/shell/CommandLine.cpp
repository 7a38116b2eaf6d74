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
    if (arguments.size() != 1) return usageError("--help: niets erna verwacht");
    line.mode = CommandLine::Mode::Help;
  } else if (first == "--version") {
    if (arguments.size() != 1) return usageError("--version: niets erna verwacht");
    line.mode = CommandLine::Mode::Version;
  } else if (first == "--export") {
    if (arguments.size() != 3)
      return usageError("--export: een plaatje en een graph file verwacht");
    line.mode = CommandLine::Mode::Export;
    line.output = arguments[1];
    line.file = arguments[2];
    const std::string extension = lowerExtension(line.output);
    if (extension == "png") {
      line.format = CommandLine::Format::Png;
    } else if (extension == "bmp") {
      line.format = CommandLine::Format::Bmp;
    } else if (extension == "svg") {
      line.format = CommandLine::Format::Svg;
    } else if (extension == "pdf") {
      line.format = CommandLine::Format::Pdf;
    } else {
      return usageError("het plaatje eindigt niet op .png, .bmp, .svg of .pdf: " + line.output);
    }
  } else if (first.size() > 1 && first[0] == '-') {
    return usageError("onbekende optie " + first);
  } else {
    if (arguments.size() != 1) return usageError("hoogstens één graph file");
    line.file = first;
  }
  return line;
}

}  // namespace quorvel
