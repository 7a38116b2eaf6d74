#include "shell/HeadlessExport.h"

#include "common/Language.h"
#include "common/SafeFile.h"
#include "motion/AnimationExport.h"
#include "plot/BitmapFile.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel {

Workspace::LoadStatus loadForExport(Workspace& ws, const CommandLine& line) {
  ws.startUp();
  ws.settings.exactImplicit = line.exact;  // before the file's slots are plotted
  return ws.LoadGraphFile(line.file);
}

int exportGraphFile(const CommandLine& line, std::ostream& errors) {
  const std::string& file = line.file;
  const std::string& output = line.output;
  QtTextPainter text;
  Workspace ws(text);
  if (loadForExport(ws, line) != Workspace::LoadStatus::Loaded) {
    errors << "quorvel: " << file << ": " << ws.MsgText << '\n';
    return 1;
  }
  const Picture& picture = ws.graph.picture;
  bool written = false;
  switch (line.format) {
    case CommandLine::Format::Png:
      written = writeFileSafely(output, pngBytes(picture));
      break;
    case CommandLine::Format::Bmp:
      written = writeBitmapFile(picture, output);
      break;
    case CommandLine::Format::Svg:
    case CommandLine::Format::Pdf:
      written = writeFileSafely(
          output,
          vectorBytes(ws.graph.drawing, line.format == CommandLine::Format::Pdf, ws.personalText));
      break;
    case CommandLine::Format::Gif: {
      ws.motion.choose(line.animated);
      ws.motion.ranges[line.animated] = {line.from, line.to};
      const std::optional<std::vector<uint8_t>> gif =
          animationGif(ws.motion, ws.graph, text, line.frames);
      written = gif && writeFileSafely(output, *gif);
      break;
    }
  }
  if (!written) {
    errors << "quorvel: " << output << ": " << translated(kWriteError) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quorvel
