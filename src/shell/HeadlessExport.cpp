#include "shell/HeadlessExport.h"

#include "common/SafeFile.h"
#include "plot/BitmapFile.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel {

int exportGraphFile(const std::string& file, const std::string& output, CommandLine::Format format,
                    std::ostream& errors) {
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  if (ws.LoadGraphFile(file) != Workspace::LoadStatus::Loaded) {
    errors << "quorvel: " << file << ": " << ws.MsgText << '\n';
    return 1;
  }
  const Picture& picture = ws.graph.picture;
  bool written = false;
  switch (format) {
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
          vectorBytes(ws.graph.drawing, format == CommandLine::Format::Pdf, ws.personalText));
      break;
  }
  if (!written) {
    errors << "quorvel: " << output << ": " << kWriteError << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quorvel
