#pragma once
// The shell's dialogs: the file dialogs of graph files and pictures, the questions before work
// is discarded or restored, the print dialog, and a graph file dropped onto the window. Each
// opens over the window it is given and returns what the user chose.

#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "shell/ShellActions.h"

class QMimeData;
class QPrinter;
class QWidget;

namespace quorvel {

// What the open and save dialogs show for graph files.
inline constexpr const char* kGraphFileFilter =
    QT_TRANSLATE_NOOP("quorvel", "Quorvel-grafieken (*.qvl)");

// On a screen below the comfortable size, before the window opens: "scherm te klein:
// dooraan?" with "OK" and "Nee"; true to go on.
bool goOnWithSmallScreen();

// The graph file to save (`save`, proposing `current` when there is one) or to open, or
// nothing when the user cancelled.
std::optional<std::string> askGraphFile(QWidget* parent, bool save, const std::string& current);

// A save dialog for a picture, in the folder of the document's file `document` (when it has
// one); `named` makes the file to write of the name chosen and the filter's index. Returns
// that file and the filter's index, or nothing when the user cancelled.
std::optional<std::pair<std::string, int>> askPictureFile(
    QWidget* parent, const QStringList& filters, const std::string& document,
    const std::function<std::string(std::string, int)>& named);
// The picture as a bitmap (BMP or PNG), and as a vector drawing (SVG or PDF).
std::optional<ShellActions::PictureFile> askBitmapFile(QWidget* parent,
                                                       const std::string& document);
std::optional<std::string> askVectorFile(QWidget* parent, const std::string& document);
// The motion as an animated GIF: the number of frames first (2 to 1000, 50 offered), then the
// file, ".gif" added when it has no such extension.
std::optional<ShellActions::AnimationFile> askAnimationFile(QWidget* parent,
                                                            const std::string& document);

ShellActions::SaveChoice askSaveChanges(QWidget* parent);
ShellActions::RecoveryChoice askRestoreRecovery(QWidget* parent);
void tellRecoveryDamaged(QWidget* parent);

// The print dialog (or `chooser`, which tests give, when there is one: true to print), and the
// drawing printed scaled to the page, its aspect kept, centred; `title` names the print job.
// False when the printer could not be written to.
bool printDrawing(QWidget* parent, const DisplayList& drawing, const std::string& title,
                  const std::function<bool(QPrinter&)>& chooser);

// Dragged onto the window: one local graph file (.qvl) is taken.
bool offersGraphFile(const QMimeData& data);
// Dropped: the one local file's name, in the bytes the system gives it.
std::optional<std::string> droppedFile(const QMimeData& data);

}  // namespace quorvel
