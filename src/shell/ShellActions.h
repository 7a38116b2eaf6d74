#pragma once
// What only the window can do for the controller: the dialogs, the questions and the other
// windows of the program. The main window implements it; the tests record what was asked.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/DisplayList.h"
#include "common/Language.h"
#include "common/Picture.h"

namespace quorvel {

class ShellActions {
 public:
  virtual ~ShellActions() = default;
  virtual void copyPictureToClipboard() = 0;
  // The file to save the picture in, and whether the PNG filter was chosen in the dialog;
  // nothing when the user cancelled.
  struct PictureFile {
    std::string path;
    bool pngChosen = false;
  };
  virtual std::optional<PictureFile> askPictureFileName() = 0;
  // The picture as PNG bytes (the encoder is the toolkit's).
  virtual std::vector<uint8_t> pngBytes(const Picture& picture) = 0;
  // The file for the picture as a vector drawing: .svg or .pdf; nothing when cancelled.
  virtual std::optional<std::string> askVectorFileName() = 0;
  // The picture's record as an SVG or PDF file's bytes (the toolkit draws them).
  virtual std::vector<uint8_t> vectorBytes(const DisplayList& drawing, bool pdf,
                                           const std::string& title) = 0;
  // The print dialog, and the picture printed as the user chose.
  virtual void printPicture() = 0;
  // The graph file to save (`save`, proposing `current` when there is one) or to open, or
  // nothing when the user cancelled.
  virtual std::optional<std::string> askGraphFileName(bool save, const std::string& current) = 0;
  // Unsaved changes are about to be discarded: save them first, discard them, or cancel.
  enum class SaveChoice { Save, Discard, Cancel };
  virtual SaveChoice askSaveChanges() = 0;
  // A run that crashed left its work: restore it, discard it, or keep it for a later start.
  enum class RecoveryChoice { Restore, Discard, Later };
  virtual RecoveryChoice askRestoreRecovery() = 0;
  // The recovery file left behind cannot be read; it is removed after this.
  virtual void tellRecoveryDamaged() = 0;
  virtual void closeProgram() = 0;
  // The domain windows, which plot the slot when their values are accepted.
  virtual void askParameterDomain() = 0;
  virtual void askIntegralDomain() = 0;
  // The points table, the value table and the area window of the selected slot; the main
  // window is disabled until they close.
  virtual void showPointsTable() = 0;
  virtual void showValueTable() = 0;
  virtual void showAreaWindow() = 0;
  // The list of what the analysis of the selected slot found; the main window is disabled
  // until it closes.
  virtual void showAnalysis() = 0;
  // The tangent's dialog, the x of the cross-hair proposed; it plots through plotTangent.
  virtual void askTangentX(const std::string& proposed) = 0;
  // The motion window of a, b and c; the main window keeps working beside it.
  virtual void showMotionWindow() = 0;
  // The file for the motion as an animated GIF and its number of frames; nothing when
  // cancelled.
  struct AnimationFile {
    std::string path;
    int frames = 50;
  };
  virtual std::optional<AnimationFile> askAnimationFile() = 0;
  // The colour window, the help window, and info page 1..3.
  virtual void showColourWindow() = 0;
  virtual void showHelp() = 0;
  virtual void showInfo(int page) = 0;
  // Every window in `language` from now on, and the choice kept for the next run.
  virtual void switchLanguage(Language language) = 0;
};

}  // namespace quorvel
