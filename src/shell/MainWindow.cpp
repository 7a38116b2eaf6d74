// The main window's start-up, what it shows of the workspace and the controller after every
// event, and what it does when a command asks for the window: the other windows, the dialogs,
// the clipboard, the recent files kept between runs.

#include "shell/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

#include "colours/ColorBox.h"
#include "colours/ColourWindow.h"
#include "common/Language.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"
#include "editor/FormulaEditBox.h"
#include "fitting/PointsTableWindow.h"
#include "formula/DebugWindow.h"
#include "help/HelpWindow.h"
#include "info/InfoWindow.h"
#include "menu/MenuWidget.h"
#include "motion/MotionWindow.h"
#include "plot/DomainDialog.h"
#include "plot/GrafiekBox.h"
#include "qt/Controls.h"
#include "qt/PictureImage.h"
#include "qt/PictureRenderer.h"
#include "qt/Translations.h"
#include "shell/Controller.h"
#include "shell/MainWindowGeometry.h"
#include "shell/ShellDialogs.h"
#include "shell/WindowControls.h"
#include "tools/AnalysisWindow.h"
#include "tools/AreaDialog.h"
#include "tools/ValueTableWindow.h"

namespace quorvel {

TcontrolForm::TcontrolForm(Workspace& workspace, Controller& controller)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ws_(workspace),
      controller_(controller) {
  setWindowTitle("Quorvel");
  setFixedSize(geometry::kPageWidth, geometry::kPageHeight);
  setAcceptDrops(true);
  move(geometry::kWindowStart);
  buildLayout();
  connectEvents();
  controller_.shell = this;

  // Start-up: the workspace's state, then what only the window shows.
  ws_.startUp();
  loadRecentFiles();
  loadExactImplicit();
  showStartLook();
  run(&Controller::selectFormulaInput);
  ws_.editor.fedInit(fedbox->width(), QFontMetrics(fedbox->font()).horizontalAdvance('W'));
  refresh();
}

TcontrolForm::~TcontrolForm() {
  qApp->removeEventFilter(this);
  ws_.formulas.debugListener = nullptr;
  controller_.shell = nullptr;
  // The motion window closes with this one and stops its motion, with nothing to show here.
  motionForm->changed = nullptr;
  motionForm->hide();
  wheelRestTimer->stop();
}

void TcontrolForm::refresh() {
  // Every event ends here: what it changed in the document becomes an undo step.
  controller_.commitStep();
  keepRecoveryTime();
  setWindowTitle(QString::fromStdString(controller_.windowTitle()));
  if (controller_.takeRecentFilesChange()) showRecentFiles();
  if (ws_.settings.exactImplicit != keptExactImplicit_) keepExactImplicit();
  MsgText->setText(QString::fromStdString(ws_.MsgText));
  // The settings boxes change only when a setting did (the start shows its own colours).
  const std::array<bool, 3> settings = {ws_.settings.degreesMode, ws_.settings.replaceMode,
                                        ws_.settings.autoplotMode};
  if (settings != shownSettings_) {
    shownSettings_ = settings;
    showSettings();
  }
  FieldLabel* fields[] = {deltatext, Atext, Btext, Ctext};
  for (int k = 0; k < 4; ++k) {
    fields[k]->setText(QString::fromStdString(shownNumber(ws_.constantsPanel.texts()[k])));
  }
  polyDegreeText->setText(QString::number(ws_.poly.polyDegree));
  showPolyGrid();
  showHighlight();
  // Traced by the keys: the cross-hair stands on the point.
  if (ws_.tracer.active()) GrafiekBox->DrawCrosshair(ws_.tracer.column(), ws_.tracer.row());
  menuBar->refresh();
  // The focus follows the input: none for the edit box (the window hands it the keys), the
  // grid for the polynomial input.
  if (controller_.formulaInputActive && PolyGrid->hasFocus()) PolyGrid->clearFocus();
  if (!controller_.formulaInputActive && !PolyGrid->hasFocus() && PolyGrid->isEnabled()) {
    PolyGrid->setFocus();
  }
  if (motionForm->isVisible()) motionForm->showValues();  // the constants as they now are
  fedbox->setCaretVisible(controller_.editorTakesKeys);
  fedbox->update();
  formPolyArrow->update();
  ColorBox->update();
  GrafiekBox->update();
}

// Changes that wait for their second reach the recovery file when it has passed.
void TcontrolForm::keepRecoveryTime() {
  const std::optional<Controller::Clock::time_point> due = controller_.recoveryDue();
  if (!due) {
    recoveryTimer->stop();
    return;
  }
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Controller::Clock::now());
  recoveryTimer->start(std::max<int>(0, static_cast<int>(wait.count())));
}

// The recent files as the platform's settings keep them: the paths' bytes (earlier versions
// kept them as text).
void TcontrolForm::loadRecentFiles() {
  std::vector<std::string> recent;
  for (const QVariant& path : QSettings("Quorvel", "quorvel").value("recentFiles").toList()) {
    recent.push_back(
        (path.typeId() == QMetaType::QByteArray ? path.toByteArray() : path.toString().toUtf8())
            .toStdString());
  }
  controller_.recentFiles.set(recent);
  controller_.menu.setRecentFiles(controller_.recentFiles.menuTexts());
}

// The recent files: in the menu, and kept in the platform's settings for the next run.
void TcontrolForm::showRecentFiles() {
  QVariantList paths;
  for (const std::string& path : controller_.recentFiles.paths())
    paths << QByteArray::fromStdString(path);
  QSettings("Quorvel", "quorvel").setValue("recentFiles", paths);
  controller_.menu.setRecentFiles(controller_.recentFiles.menuTexts());
}

// The way implicit equations are drawn belongs to the user, not to a graph file: kept in the
// platform's settings, read at start-up before any graph is plotted.
void TcontrolForm::loadExactImplicit() {
  keptExactImplicit_ = QSettings("Quorvel", "quorvel").value(kExactImplicitKey, false).toBool();
  ws_.settings.exactImplicit = keptExactImplicit_;
}

void TcontrolForm::keepExactImplicit() {
  keptExactImplicit_ = ws_.settings.exactImplicit;
  QSettings("Quorvel", "quorvel").setValue(kExactImplicitKey, keptExactImplicit_);
}

void TcontrolForm::closeEvent(QCloseEvent* event) {
  if (!controller_.mayDiscardDocument()) {
    event->ignore();
    refresh();
    return;
  }
  event->accept();
}

void TcontrolForm::closeProgram() {
  close();  // through closeEvent, which asks about unsaved work
}

void TcontrolForm::openGraphFile(const std::string& path) {
  run(&Controller::openGraphFileAfterGuard, path);  // after restored work, asked about first
}

void TcontrolForm::dragEnterEvent(QDragEnterEvent* event) {
  if (offersGraphFile(*event->mimeData())) event->acceptProposedAction();
}

void TcontrolForm::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = droppedFile(*event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  run(&Controller::openGraphFileAfterGuard, *path);
}

// ---- The other windows, opened for the selected slot where they show one.

void TcontrolForm::askParameterDomain() {
  VdomainForm->formshow();
}

void TcontrolForm::askIntegralDomain() {
  XdomainForm->FormShow();
}

void TcontrolForm::showPointsTable() {
  refresh();
  puntenForm->showTable();
}

void TcontrolForm::showValueTable() {
  refresh();
  tabelForm->showTable(ws_.selection.selectedSlot);
}

void TcontrolForm::showAreaWindow() {
  refresh();
  AreaForm->FormShow(ws_.selection.selectedSlot);
}

void TcontrolForm::showAnalysis() {
  refresh();
  analyseForm->showList();
}

void TcontrolForm::askTangentX(const std::string& proposed) {
  refresh();
  raaklijnForm->ask(proposed);
}

void TcontrolForm::showColourWindow() {
  refresh();
  kleurenForm->showColours(ws_.slotColours, ws_.selection.selectedSlot, ws_.personalText);
}

void TcontrolForm::showMotionWindow() {
  refresh();
  motionForm->showMotion();
}

std::optional<ShellActions::AnimationFile> TcontrolForm::askAnimationFile() {
  refresh();
  return quorvel::askAnimationFile(this, ws_.documentPath());
}

void TcontrolForm::showHelp() {
  refresh();
  helpform6->showHelp();
}

void TcontrolForm::switchLanguage(Language language) {
  useLanguage(*QCoreApplication::instance(), language);
  QSettings("Quorvel", "quorvel").setValue(kLanguageKey, QString::fromUtf8(codeOf(language)));
  showTextsAgain();
  showSettingTexts();
  helpform6->loadText();
  refresh();
}

std::optional<Language> TcontrolForm::keptLanguage() {
  const QString code = QSettings("Quorvel", "quorvel").value(kLanguageKey).toString();
  return languageOfCode(code.toStdString());
}

void TcontrolForm::showInfo(int number) {
  refresh();
  infoForm->showPage(number);
}

// ---- The picture and the dialogs; the menu is closed before a dialog comes.

void TcontrolForm::copyPictureToClipboard() {
  QApplication::clipboard()->setImage(imageOf(ws_.graph.picture).copy());
}

std::vector<uint8_t> TcontrolForm::pngBytes(const Picture& picture) {
  return quorvel::pngBytes(picture);
}

std::vector<uint8_t> TcontrolForm::vectorBytes(const DisplayList& drawing, bool pdf,
                                               const std::string& title) {
  return quorvel::vectorBytes(drawing, pdf, title);
}

std::optional<ShellActions::PictureFile> TcontrolForm::askPictureFileName() {
  refresh();
  return askBitmapFile(this, ws_.documentPath());
}

std::optional<std::string> TcontrolForm::askVectorFileName() {
  refresh();
  return askVectorFile(this, ws_.documentPath());
}

void TcontrolForm::printPicture() {
  refresh();
  if (printDrawing(this, ws_.graph.drawing, ws_.personalText, printDialog)) return;
  ws_.MsgText = translated(kWriteError);
  refresh();
}

std::optional<std::string> TcontrolForm::askGraphFileName(bool save, const std::string& current) {
  refresh();
  return askGraphFile(this, save, current);
}

ShellActions::SaveChoice TcontrolForm::askSaveChanges() {
  refresh();
  return quorvel::askSaveChanges(this);
}

ShellActions::RecoveryChoice TcontrolForm::askRestoreRecovery() {
  return quorvel::askRestoreRecovery(this);
}

void TcontrolForm::tellRecoveryDamaged() {
  quorvel::tellRecoveryDamaged(this);
}

}  // namespace quorvel
