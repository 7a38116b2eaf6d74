#include "shell/ShellDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#include "common/PathText.h"
#include "motion/AnimationExport.h"
#include "qt/Controls.h"
#include "qt/PictureRenderer.h"

namespace quorvel {
namespace {

QString decoded(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string encoded(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// Qt's own question, as the graph file's dialog asks it: true to replace the file.
bool mayReplace(QWidget* parent, const QFileInfo& file) {
  return !file.exists() ||
         QMessageBox::warning(parent, "Quorvel",
                              QCoreApplication::translate(
                                  "QFileDialog", "%1 already exists.\nDo you want to replace it?")
                                  .arg(file.fileName()),
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

bool goOnWithSmallScreen() {
  return QMessageBox::warning(nullptr, "Quorvel",
                              shownText(QT_TRANSLATE_NOOP("quorvel", "scherm te klein: dooraan?")),
                              QMessageBox::Ok | QMessageBox::No) != QMessageBox::No;
}

std::optional<std::string> askGraphFile(QWidget* parent, bool save, const std::string& current) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(shownText(kGraphFileFilter));  // the same for opening and saving
  dialog.setDefaultSuffix("qvl");
  // The document's own file: its folder, and for a save its name.
  if (!current.empty()) {
    const QFileInfo file(decoded(current));
    dialog.setDirectory(file.absolutePath());
    if (save) dialog.selectFile(file.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return encoded(dialog.selectedFiles().front());
}

// A file that is there already is replaced only when the user says so; otherwise the dialog
// comes back. The question is asked here, after the extension is known, rather than by the
// dialog, which would ask about the name as typed.
std::optional<std::pair<std::string, int>> askPictureFile(
    QWidget* parent, const QStringList& filters, const std::string& document,
    const std::function<std::string(std::string, int)>& named) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!document.empty()) dialog.setDirectory(QFileInfo(decoded(document)).absolutePath());
  for (;;) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const int filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    const std::string path = named(encoded(dialog.selectedFiles().front()), filter);
    const QFileInfo file(decoded(path));
    if (mayReplace(parent, file)) return std::pair{path, filter};
    dialog.selectFile(file.absoluteFilePath());  // its folder too, wherever it was typed
  }
}

std::optional<ShellActions::PictureFile> askBitmapFile(QWidget* parent,
                                                       const std::string& document) {
  const auto chosen = askPictureFile(parent, {"bitmap (*.bmp)", "PNG (*.png)"}, document,
                                     [](std::string path, int filter) {
                                       if (lowerExtension(path).empty())
                                         path += filter == 1 ? ".png" : ".bmp";  // the filter's
                                       return path;
                                     });
  if (!chosen) return std::nullopt;
  return ShellActions::PictureFile{chosen->first, chosen->second == 1};
}

std::optional<std::string> askVectorFile(QWidget* parent, const std::string& document) {
  const auto chosen = askPictureFile(parent, {"SVG (*.svg)", "PDF (*.pdf)"}, document,
                                     [](std::string path, int filter) {
                                       const std::string extension = lowerExtension(path);
                                       if (extension != "svg" && extension != "pdf")
                                         path += filter == 1 ? ".pdf" : ".svg";  // the filter's
                                       return path;
                                     });
  if (!chosen) return std::nullopt;
  return chosen->first;
}

std::optional<ShellActions::AnimationFile> askAnimationFile(QWidget* parent,
                                                            const std::string& document) {
  bool accepted = false;
  const int frames = QInputDialog::getInt(
      parent, shownText(QT_TRANSLATE_NOOP("quorvel", "--> animatie")),
      shownText(QT_TRANSLATE_NOOP("quorvel", "aantal beelden")), kDefaultAnimationFrames,
      kFewestAnimationFrames, kMostAnimationFrames, 1, &accepted);
  if (!accepted) return std::nullopt;
  const auto chosen = askPictureFile(parent, {"GIF (*.gif)"}, document, [](std::string path, int) {
    if (lowerExtension(path) != "gif") path += ".gif";
    return path;
  });
  if (!chosen) return std::nullopt;
  return ShellActions::AnimationFile{chosen->first, frames};
}

ShellActions::SaveChoice askSaveChanges(QWidget* parent) {
  QMessageBox box(QMessageBox::Question, "Quorvel",
                  shownText(QT_TRANSLATE_NOOP("quorvel", "grafieken gewijzigd: eerst bewaren?")),
                  QMessageBox::NoButton, parent);
  QPushButton* save =
      box.addButton(shownText(QT_TRANSLATE_NOOP("quorvel", "bewaar")), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(shownText(QT_TRANSLATE_NOOP("quorvel", "niet bewaren")),
                                       QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(shownText(QT_TRANSLATE_NOOP("quorvel", "annuleer")), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return ShellActions::SaveChoice::Save;
  if (box.clickedButton() == discard) return ShellActions::SaveChoice::Discard;
  return ShellActions::SaveChoice::Cancel;
}

ShellActions::RecoveryChoice askRestoreRecovery(QWidget* parent) {
  QMessageBox box(
      QMessageBox::Question, "Quorvel",
      shownText(QT_TRANSLATE_NOOP(
          "quorvel", "Quorvel is niet netjes afgesloten: het werk van toen herstellen?")),
      QMessageBox::NoButton, parent);
  QPushButton* restore =
      box.addButton(shownText(QT_TRANSLATE_NOOP("quorvel", "herstel")), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(shownText(QT_TRANSLATE_NOOP("quorvel", "weggooien")),
                                       QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.exec();  // closed without a choice: asked again at the next start
  if (box.clickedButton() == restore) return ShellActions::RecoveryChoice::Restore;
  if (box.clickedButton() == discard) return ShellActions::RecoveryChoice::Discard;
  return ShellActions::RecoveryChoice::Later;
}

void tellRecoveryDamaged(QWidget* parent) {
  QMessageBox::warning(
      parent, "Quorvel",
      shownText(QT_TRANSLATE_NOOP(
          "quorvel", "het werk van een vorige keer is onleesbaar (leesfout) en wordt verwijderd")));
}

bool printDrawing(QWidget* parent, const DisplayList& drawing, const std::string& title,
                  const std::function<bool(QPrinter&)>& chooser) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title.empty() ? QStringLiteral("Quorvel") : QString::fromStdString(title));
  if (chooser) {
    if (!chooser(printer)) return true;
  } else {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return true;
  }
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  drawFitted(drawing, painter, kPictureSize, kPictureSize, page.translated(-page.topLeft()));
  painter.end();
  return true;
}

bool offersGraphFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  return urls.size() == 1 && urls.front().isLocalFile() &&
         urls.front().toLocalFile().endsWith(".qvl", Qt::CaseInsensitive);
}

std::optional<std::string> droppedFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
  return encoded(urls.front().toLocalFile());
}

}  // namespace quorvel
