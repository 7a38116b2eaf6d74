#pragma once
// What the main window does, without the window. The window turns its events into these calls
// and then shows what the workspace and the controller hold; the tests make the same calls.
// This is a thin front over the parts that do the work, each with its own state:
//   InputFocus      which input takes the keys: the edit box, the coefficient grid or the menu
//   Highlight       the one control highlighted under the mouse or by a keyboard command
//   PlotButtons     "plot", "laad" and "R", and the domain a formula waits for
//   HeldControls    the constants' fields, the degree and the scale bars, held and repeated
//   DocumentKeeper  undo, saving, the question before discarding, recovery, the recent files
//   CommandRunner   every command of the menu and the command keys (menu/Command.h)
//   KeyRouter       the keys, as the window sees them first
// The settings boxes and the colour box keep no state of their own: the front changes the
// workspace for them.

#include <optional>
#include <string>
#include <string_view>

#include "common/Language.h"
#include "menu/Command.h"
#include "menu/Menu.h"
#include "menu/RecentFiles.h"
#include "plot/DomainInput.h"
#include "plot/ScaleButtons.h"
#include "shell/CommandRunner.h"
#include "shell/DocumentKeeper.h"
#include "shell/HeldControls.h"
#include "shell/Highlight.h"
#include "shell/InputFocus.h"
#include "shell/KeyRouter.h"
#include "shell/PlotButtons.h"
#include "shell/ShellActions.h"
#include "shell/Workspace.h"
#include "storage/Recovery.h"

namespace quorvel {

// The texts of the settings boxes.
inline constexpr const char* kRadians = QT_TRANSLATE_NOOP("quorvel", "RADIALEN");
inline constexpr const char* kDegrees = QT_TRANSLATE_NOOP("quorvel", "GRADEN");
inline constexpr const char* kAddMode = QT_TRANSLATE_NOOP("quorvel", "TOEVOEGEN");
inline constexpr const char* kReplaceMode = QT_TRANSLATE_NOOP("quorvel", "VERVANGEN");
inline constexpr const char* kAutoplot = QT_TRANSLATE_NOOP("quorvel", "AUTOPLOT");

class Controller {
  Workspace& ws_;

 public:
  explicit Controller(Workspace& workspace);
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  // What the controller reaches outside the engine: the window's side of the commands, and
  // where the document goes after a crash. Set by the window and main(); none in headless work
  // and (the recovery) in most tests.
  ShellActions* shell = nullptr;
  RecoveryFiles* recovery = nullptr;
  // The menu bar the program draws itself; its widget shows it.
  Menu menu;

 private:
  // The parts; the views below show their state.
  InputFocus inputs_;
  HeldControls held_;
  Highlight highlight_;
  PlotButtons buttons_;
  DocumentKeeper document_;
  CommandRunner commands_;
  KeyRouter keys_;

 public:
  // ---- What the window shows of the parts, read-only.
  const bool& formulaInputActive;  // the edit box (true) or the coefficient grid
  const bool& editorTakesKeys;
  const int& hoverCode;
  const int& altCommand;
  const int& constantsCursor;
  const ScaleButtons& scaleButtons;
  // The files opened or saved last: the window loads them at start-up and keeps them.
  RecentFiles& recentFiles;

  // ---- Commands: every menu entry and command key ends here.
  void executeCommand(Command command) { commands_.executeCommand(command); }
  // A graph file opened as it stands (the guard asked before, or no work to lose).
  void openGraphFile(const std::string& path) { document_.openGraphFile(path); }
  static bool savesAsPng(const ShellActions::PictureFile& file) {
    return CommandRunner::savesAsPng(file);
  }
  void applyColours(const SlotColours& colours, const std::string& personalText) {
    commands_.applyColours(colours, personalText);
  }
  std::optional<std::string> plotTangent(std::string_view typedX) {
    return commands_.plotTangent(typedX);
  }

  // ---- The document.
  using Clock = DocumentKeeper::Clock;
  void commitStep(Clock::time_point now = Clock::now()) { document_.commitStep(now); }
  void undo() { document_.undo(); }
  void redo() { document_.redo(); }
  bool saveDocument(bool ask) { return document_.saveDocument(ask); }
  bool mayDiscardDocument() { return document_.mayDiscardDocument(); }
  void openGraphFileAfterGuard(const std::string& path) { document_.openGraphFileAfterGuard(path); }
  void recoveryTick(Clock::time_point now = Clock::now()) { document_.recoveryTick(now); }
  std::optional<Clock::time_point> recoveryDue() const { return document_.recoveryDue(); }
  void writeRecoveryNow() { document_.writeRecoveryNow(); }
  void offerRecovery() { document_.offerRecovery(); }
  std::string windowTitle() const { return document_.windowTitle(); }
  bool takeRecentFilesChange() { return document_.takeRecentFilesChange(); }

  // ---- Keys.
  bool FormKeyDown(int key, KeyModifiers modifiers) { return keys_.FormKeyDown(key, modifiers); }
  bool FormKeyPress(char32_t ch) { return keys_.FormKeyPress(ch); }
  void FormPaste(std::u32string_view text) { keys_.FormPaste(text); }
  void FormKeyUp(int key) { keys_.FormKeyUp(key); }

  // ---- Inputs, and the mouse on the edit box and the picture.
  void selectFormulaInput() { inputs_.selectFormulaInput(); }
  void selectPolynomialInput() { inputs_.selectPolynomialInput(); }
  // A click into the edit box at `x` pixels: the formula input, the cursor at the click.
  void fedBoxClick(int x);
  // A mouse press on the picture: a point added or removed.
  void GrafiekBoxMouseDown(int column, int row, bool shift);
  // The left or middle button on the picture: a drag once it moves farther than
  // `dragDistance`, else, when released, the click that adds or removes a point at the press.
  void picturePress(int column, int row, bool shift, int dragDistance) {
    ws_.navigation.press(column, row, shift, dragDistance);
  }
  bool pictureMove(int column, int row) { return ws_.navigation.move(column, row); }
  void pictureRelease();
  // The wheel over the picture (PictureNavigation::wheel), and its rest.
  bool pictureWheel(int column, int row, int angle, bool xOnly, bool yOnly) {
    return ws_.navigation.wheel(column, row, angle, xOnly, yOnly);
  }
  void pictureWheelRest() { ws_.navigation.rest(); }

  // ---- Buttons.
  AfterTranslation PlotBtnClick() { return buttons_.PlotBtnClick(); }
  void GetBtnClick() { buttons_.GetBtnClick(); }
  void clearBtnClick() { buttons_.clearBtnClick(); }
  bool offeredParameterDomain(double& begin, double& end, int& steps) const {
    return buttons_.offeredParameterDomain(begin, end, steps);
  }
  ParameterDomainCheck applyParameterDomain(std::string_view begin, std::string_view end,
                                            std::string_view steps) {
    return buttons_.applyParameterDomain(begin, end, steps);
  }
  IntegralDomainCheck applyIntegralDomain(std::string_view left, std::string_view right) {
    return buttons_.applyIntegralDomain(left, right);
  }
  void domainClosed() { buttons_.domainClosed(); }

  // ---- Settings boxes, by their highlight codes: any button toggles.
  void toggleSetting(int code);
  std::string hoektext() const {
    return translated(ws_.settings.degreesMode ? kDegrees : kRadians);
  }
  std::string addtext() const {
    return translated(ws_.settings.replaceMode ? kReplaceMode : kAddMode);
  }

  // ---- Highlight under the mouse.
  void setHover(int code, bool force = false) { highlight_.setHover(code, force); }

  // ---- Held controls and the repeat timer.
  void constantFieldDown(int field, bool leftButton) { held_.constantFieldDown(field, leftButton); }
  void constantFieldUp(int field) { held_.constantFieldUp(field); }
  void degreeDown(bool leftButton) { held_.degreeDown(leftButton); }
  void degreeUp() { held_.degreeUp(); }
  void StepPolyDegree(int code) { held_.StepPolyDegree(code); }
  void klokTimer() { held_.klokTimer(); }
  bool scaleBoxMouseMove(bool horizontal, int position) {
    return held_.scaleBoxMouseMove(horizontal, position);
  }
  void ScaleBoxButton(int button) { held_.ScaleBoxButton(button); }
  void initscaleDown() { held_.initscaleDown(); }
  void releaseRefines() { held_.releaseRefines(); }

  // ---- The colour box.
  void colorBoxHover(int x, int y);
  void colorBoxClick(int x, int y);
  void colorBoxPaint() { ws_.selection.paintColorBox(); }
};

}  // namespace quorvel
