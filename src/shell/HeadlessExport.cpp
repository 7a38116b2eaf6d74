#include "shell/HeadlessExport.h"

#include "common/SafeFile.h"
#include "plot/BitmapFile.h"
#include "qt/PictureImage.h"
#include "qt/QtTextPainter.h"
#include "shell/Workspace.h"

namespace quorvel {

int exportGraphFile(const std::string& file, const std::string& output, bool png,
                    std::ostream& errors) {
  QtTextPainter text;
  Workspace ws(text);
  ws.startUp();
  if (ws.LoadGraphFile(file) != Workspace::LoadStatus::Loaded) {
    errors << file << ": " << ws.MsgText << '\n';
    return 1;
  }
  const Picture& picture = ws.graph.picture;
  const bool written =
      png ? writeFileSafely(output, pngBytes(picture)) : writeBitmapFile(picture, output);
  if (!written) {
    errors << output << ": " << kWriteError << '\n';
    return 1;
  }
  return 0;
}

}  // namespace quorvel
