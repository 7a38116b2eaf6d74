#include "shell/Controller.h"

namespace quorvel {

Controller::Controller(Workspace& workspace)
    : ws_(workspace),
      inputs_(menu, ws_.settings),
      held_(ws_),
      highlight_(ws_, menu, held_),
      buttons_(ws_, inputs_, shell),
      document_(ws_, inputs_, buttons_, shell, recovery),
      commands_(ws_, menu, inputs_, buttons_, document_, shell),
      keys_(ws_, *this, inputs_),
      formulaInputActive(inputs_.formulaInputActive()),
      editorTakesKeys(inputs_.editorTakesKeys()),
      hoverCode(highlight_.hoverCode()),
      altCommand(keys_.altCommand()),
      constantsCursor(keys_.constantsCursor()),
      scaleButtons(held_.scaleButtons()),
      recentFiles(document_.recentFiles()) {
  menu.executeCommand = [this](Command command) { executeCommand(command); };
  menu.hoverMenu = [this] { setHover(kHoverMenu, true); };
  menu.isChecked = [this](Command command) { return commands_.isOn(command); };
}

void Controller::toggleSetting(int code) {
  Settings& settings = ws_.settings;
  if (code == kHoverAngle) settings.degreesMode = !settings.degreesMode;
  if (code == kHoverAddMode) settings.replaceMode = !settings.replaceMode;
  if (code == kHoverAutoplot) settings.autoplotMode = !settings.autoplotMode;
}

void Controller::fedBoxClick(int x) {
  selectFormulaInput();
  ws_.editor.placeCursor(x);
}

void Controller::GrafiekBoxMouseDown(int column, int row, bool shift) {
  ws_.points.ClickPoint(column, row, shift);
}

void Controller::pictureRelease() {
  PictureNavigation& navigation = ws_.navigation;
  if (navigation.release()) {
    GrafiekBoxMouseDown(navigation.pressColumn(), navigation.pressRow(), navigation.pressShift());
  }
}

void Controller::colorBoxHover(int x, int y) {
  if (auto message = ws_.selection.hoverColorBox(x, y, ws_.formulas)) ws_.MsgText = *message;
}

void Controller::colorBoxClick(int x, int y) {
  colorBoxHover(x, y);
  ws_.selection.selectHoveredSlot();
}

}  // namespace quorvel
