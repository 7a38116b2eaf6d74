#include "shell/CommandLine.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/NumberText.h"
#include "common/PathText.h"
#include "motion/AnimationExport.h"

namespace quorvel {
namespace {

// What is wrong: a marked text with %1 where `detail` goes.
struct UsageFault {
  const char* source;
  std::string detail;
};

CommandLine usageError(UsageFault fault) {
  CommandLine line;
  line.mode = CommandLine::Mode::UsageError;
  line.error = fault.source;
  line.errorDetail = std::move(fault.detail);
  return line;
}

CommandLine usageError(const char* source, std::string detail = {}) {
  return usageError(UsageFault{source, std::move(detail)});
}

// The picture's format by the output's extension.
std::optional<CommandLine::Format> formatOf(const std::string& output) {
  static constexpr std::pair<const char*, CommandLine::Format> kFormats[] = {
      {"png", CommandLine::Format::Png},
      {"bmp", CommandLine::Format::Bmp},
      {"svg", CommandLine::Format::Svg},
      {"pdf", CommandLine::Format::Pdf},
      {"gif", CommandLine::Format::Gif}};
  const std::string extension = lowerExtension(output);
  for (const auto& [name, format] : kFormats) {
    if (extension == name) return format;
  }
  return std::nullopt;
}

constexpr const char* kRangeExpected =
    QT_TRANSLATE_NOOP("quorvel", "--animate: NAAM=VAN..TOT verwacht: %1");

// "a=-1,5..2.5": the constant and its range; an error when it is not that.
std::optional<UsageFault> readAnimate(const std::string& text, CommandLine& line) {
  const size_t equals = text.find('=');
  const size_t dots = text.find("..", equals == std::string::npos ? 0 : equals);
  if (equals == std::string::npos || dots == std::string::npos)
    return UsageFault{kRangeExpected, text};
  const std::string name = text.substr(0, equals);
  if (name != "a" && name != "b" && name != "c")
    return UsageFault{QT_TRANSLATE_NOOP("quorvel", "--animate: a, b of c verwacht: %1"), name};
  const std::optional<double> from = parseTypedNumber(text.substr(equals + 1, dots - equals - 1));
  const std::optional<double> to = parseTypedNumber(text.substr(dots + 2));
  if (!from || !to) return UsageFault{kRangeExpected, text};
  if (*from == *to)
    return UsageFault{QT_TRANSLATE_NOOP("quorvel", "--animate: van en tot gelijk: %1"), text};
  line.animated = name[0] - 'a';
  line.from = *from;
  line.to = *to;
  return std::nullopt;
}

constexpr const char* kUnexpected = QT_TRANSLATE_NOOP("quorvel", "--export: onverwacht %1");
constexpr const char* kLanguageExpected = QT_TRANSLATE_NOOP("quorvel", "--lang: nl of en verwacht");

// --export OUT [--animate NAME=FROM..TO] [--frames N] [--exact] FILE: the options between the
// picture and the graph file, in any order, each once; an animation for a .gif alone.
CommandLine exportLine(const std::vector<std::string>& arguments) {
  if (arguments.size() < 3)
    return usageError(
        QT_TRANSLATE_NOOP("quorvel", "--export: een plaatje en een graph file verwacht"));
  CommandLine line;
  line.mode = CommandLine::Mode::Export;
  line.output = arguments[1];
  line.file = arguments.back();
  if (line.file == "--exact")
    return usageError(QT_TRANSLATE_NOOP("quorvel", "--exact: een graph file verwacht"));
  const std::optional<CommandLine::Format> format = formatOf(line.output);
  if (!format) {
    return usageError(
        QT_TRANSLATE_NOOP("quorvel",
                          "het plaatje eindigt niet op .png, .bmp, .svg, .pdf of .gif: %1"),
        line.output);
  }
  line.format = *format;
  bool animate = false, frames = false;
  for (size_t i = 2; i + 1 < arguments.size();) {
    const std::string& option = arguments[i];
    if (option == "--exact") {  // the one option without a value
      if (line.exact) return usageError(kUnexpected, option);
      line.exact = true;
      ++i;
      continue;
    }
    if (i + 2 >= arguments.size())
      return usageError(QT_TRANSLATE_NOOP("quorvel", "%1: een waarde en een graph file verwacht"),
                        option);
    const std::string& value = arguments[i + 1];
    if (option == "--animate" && !animate) {
      if (std::optional<UsageFault> fault = readAnimate(value, line)) return usageError(*fault);
      animate = true;
    } else if (option == "--frames" && !frames) {
      const std::optional<int> count = parseInt(value);
      if (!count || *count < kFewestAnimationFrames || *count > kMostAnimationFrames)
        return usageError(
            QT_TRANSLATE_NOOP("quorvel", "--frames: een aantal van 2 tot en met 1000 verwacht: %1"),
            value);
      line.frames = *count;
      frames = true;
    } else {
      return usageError(kUnexpected, option);
    }
    i += 2;
  }
  if (line.format == CommandLine::Format::Gif && !animate)
    return usageError(
        QT_TRANSLATE_NOOP("quorvel", "een animatie (.gif) vraagt --animate NAAM=VAN..TOT"));
  if (line.format != CommandLine::Format::Gif && (animate || frames))
    return usageError(QT_TRANSLATE_NOOP("quorvel", "--animate en --frames alleen bij een .gif"));
  return line;
}

// The line without --lang.
CommandLine parseRest(const std::vector<std::string>& arguments) {
  CommandLine line;
  if (arguments.empty()) return line;
  const std::string& first = arguments[0];
  if (first == "--help" || first == "-h") {
    if (arguments.size() != 1)
      return usageError(QT_TRANSLATE_NOOP("quorvel", "--help: niets erna verwacht"));
    line.mode = CommandLine::Mode::Help;
  } else if (first == "--version") {
    if (arguments.size() != 1)
      return usageError(QT_TRANSLATE_NOOP("quorvel", "--version: niets erna verwacht"));
    line.mode = CommandLine::Mode::Version;
  } else if (first == "--export") {
    return exportLine(arguments);
  } else if (first.size() > 1 && first[0] == '-') {
    return usageError(QT_TRANSLATE_NOOP("quorvel", "onbekende optie %1"), first);
  } else {
    if (arguments.size() != 1)
      return usageError(QT_TRANSLATE_NOOP("quorvel", "hoogstens één graph file"));
    line.file = first;
  }
  return line;
}

}  // namespace

std::string CommandLine::errorText() const {
  return translated(error, errorDetail);
}

CommandLine parseCommandLine(const std::vector<std::string>& given) {
  std::vector<std::string> arguments = given;
  std::optional<Language> language;
  if (const auto option = std::find(arguments.begin(), arguments.end(), "--lang");
      option != arguments.end()) {
    if (option + 1 == arguments.end()) return usageError(kLanguageExpected);
    language = languageOfCode(*(option + 1));
    if (!language)
      return usageError(QT_TRANSLATE_NOOP("quorvel", "--lang: nl of en verwacht: %1"),
                        *(option + 1));
    arguments.erase(option, option + 2);
  }
  CommandLine line = parseRest(arguments);
  line.language = language;
  return line;
}

}  // namespace quorvel
