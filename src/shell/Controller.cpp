#include "shell/Controller.h"

#include "common/Utf8.h"

namespace quorvel {

Controller::Controller(Workspace& workspace) : ws_(workspace) {
  menu.executeCommand = [this](Command command) { executeCommand(command); };
  menu.hoverMenu = [this] { setHover(kHoverMenu, true); };
}

int Controller::selectedSlot() {
  if (ws_.selection.selectedSlot == 0) ws_.selection.paintColorBox();
  return ws_.selection.selectedSlot;
}

// The edit box shows its caret exactly when it takes the keys, so selecting it also ends a
// keyboard control of the menu. That control is still on only when a click selects the box
// (a command the menu runs closes the menu first), so no key is pending to be swallowed.
void Controller::selectFormulaInput() {
  if (menu.menuKeyboardActive) {
    menu.closeMenu();
    swallowKeyPress = false;
    ws_.settings.keyboardMode = false;
  }
  formulaInputActive = true;
  editorTakesKeys = true;
}

void Controller::selectPolynomialInput() {
  formulaInputActive = false;
  editorTakesKeys = false;
}

void Controller::fedBoxClick(int x) {
  selectFormulaInput();
  ws_.editor.placeCursor(x);
}

void Controller::GrafiekBoxMouseDown(int column, int row, bool shift) {
  ws_.points.ClickPoint(column, row, shift);
}

AfterTranslation Controller::PlotBtnClick() {
  const int slot = selectedSlot();
  if (!formulaInputActive) {
    ws_.poly.StorePolyFromGrid(slot);
    return AfterTranslation::Nothing;
  }
  const std::string text = ws_.editor.fedGetText();
  // What is plotted must survive a save: a formula the file would cut is refused here, and
  // the slot keeps what it holds.
  if (characterCount(text) > FormulaEditor::kMaxTextLength) {
    ws_.MsgText = std::to_string(slot) + " : " + kTooLongToSave;
    return AfterTranslation::Nothing;
  }
  FormulaEngine::SlotState before = ws_.formulas.saveSlot(slot);
  const TranslationOutcome outcome = ws_.formulas.translateFormula(slot, text);
  ws_.MsgText = outcome.message;
  if (outcome.next == AfterTranslation::AskParameterDomain ||
      outcome.next == AfterTranslation::AskIntegralDomain) {
    beforeDomain_ = std::move(before);
    domainSlot_ = slot;
  }
  switch (outcome.next) {
    case AfterTranslation::Plot:
      ws_.graph.PlotSlot(slot);
      break;
    case AfterTranslation::AskParameterDomain:
      if (shell) shell->askParameterDomain();
      break;
    case AfterTranslation::AskIntegralDomain:
      if (shell) shell->askIntegralDomain();
      break;
    case AfterTranslation::Nothing:
      break;
  }
  return outcome.next;
}

void Controller::GetBtnClick() {
  const int slot = selectedSlot();
  const uint8_t kind = ws_.formulas.slotKind[slot];
  if (isFormulaKind(kind)) {
    // A text longer than the box holds (after "subst. abc") is not cut: the box would then
    // hold another formula than the slot.
    if (!ws_.editor.fedSetText(ws_.formulas.formulas[slot].text)) {
      ws_.MsgText = std::to_string(slot) + " : " + kTooLongToLoad;
      return;
    }
    selectFormulaInput();
  } else if (kind == kSlotPolynomial) {
    ws_.poly.LoadPolyToGrid(slot);
    selectPolynomialInput();
  }
}

void Controller::clearBtnClick() {
  if (formulaInputActive) {
    ws_.editor.fedClear();
    selectFormulaInput();  // the emptied box shows its caret and takes the keys
  } else {
    ws_.poly.ResetPolyGrid();
  }
}

ParameterDomainCheck Controller::applyParameterDomain(std::string_view begin, std::string_view end,
                                                      std::string_view steps) {
  const ParameterDomainCheck check = checkParameterDomain(begin, end, steps);
  if (!check.ok) return check;
  const int slot = selectedSlot();
  TFormule& formula = ws_.formulas.formulas[slot];
  formula.domainBegin = check.begin;
  formula.domainEnd = check.end;
  formula.domainSteps = check.steps;
  beforeDomain_.reset();
  ws_.graph.PlotSlot(slot);
  return check;
}

IntegralDomainCheck Controller::applyIntegralDomain(std::string_view left, std::string_view right) {
  const IntegralDomainCheck check = checkIntegralDomain(left, right, ws_.graph.scale);
  if (!check.ok) return check;
  const int slot = selectedSlot();
  TFormule& formula = ws_.formulas.formulas[slot];
  formula.domainBegin = check.left;
  formula.domainEnd = check.right;
  beforeDomain_.reset();
  ws_.graph.PlotSlot(slot);
  return check;
}

void Controller::domainClosed() {
  if (!beforeDomain_) return;
  ws_.formulas.restoreSlot(domainSlot_, *beforeDomain_);
  beforeDomain_.reset();
}

void Controller::toggleSetting(int code) {
  Settings& settings = ws_.settings;
  if (code == kHoverAngle) settings.degreesMode = !settings.degreesMode;
  if (code == kHoverAddMode) settings.replaceMode = !settings.replaceMode;
  if (code == kHoverAutoplot) settings.autoplotMode = !settings.autoplotMode;
}

std::string Controller::hoektext() const {
  return ws_.settings.degreesMode ? kDegrees : kRadians;
}
std::string Controller::addtext() const {
  return ws_.settings.replaceMode ? kReplaceMode : kAddMode;
}

void Controller::setHover(int code, bool force) {
  if ((ws_.settings.keyboardMode && !force) || code == hoverCode) return;
  const int old = hoverCode;
  hoverCode = code;
  if (old == kHoverMenu) menu.removeTitleHighlight();
  if (old == kHoverColorBox) {
    if (auto message = ws_.selection.hoverSelected(ws_.formulas)) ws_.MsgText = *message;
  }
  if (old == kHoverScaleBox) scaleButtons.hovered = -1;
}

void Controller::constantFieldDown(int field, bool leftButton) {
  repeatAction = 2 * field + (leftButton ? 1 : 0);
  ws_.constantsPanel.StepConstant(repeatAction);
  ws_.klok.start(RepeatRate::kConstantStartMs);
}

void Controller::constantFieldUp(int field) {
  ws_.klok.stop();
  if (field != 0 && ws_.settings.autoplotMode) ws_.graph.RefineAfterRelease();
}

void Controller::degreeDown(bool leftButton) {
  repeatAction = leftButton ? 8 : 9;
  StepPolyDegree(repeatAction);
  ws_.klok.start(RepeatRate::kScaleStartMs);
}

void Controller::degreeUp() {
  ws_.klok.stop();
  if (ws_.settings.autoplotMode) ws_.graph.RefineAfterRelease();
}

void Controller::StepPolyDegree(int code) {
  ws_.poly.StepPolyDegree(code);
}

void Controller::klokTimer() {
  if (repeatAction >= 0 && repeatAction <= 7) {
    ws_.constantsPanel.StepConstant(repeatAction);
  } else if (repeatAction == 8 || repeatAction == 9) {
    StepPolyDegree(repeatAction);
  } else if (repeatAction >= kScrollUp && repeatAction <= kZoomInY) {
    ws_.graph.ScrollZoom(repeatAction);
  }
}

bool Controller::scaleBoxMouseMove(bool horizontal, int position) {
  const int place = ScaleButtons::hitTest(horizontal, position);
  if (place == scaleButtons.hovered) return false;
  scaleButtons.hovered = place;
  return true;
}

void Controller::ScaleBoxButton(int button) {
  const int place = scaleButtons.hovered;
  if (button == 0) {
    ws_.klok.stop();
    scaleButtons.pressed = -1;
    ws_.graph.RefineAfterRelease();
    return;
  }
  if (place < 0) return;
  scaleButtons.pressed = place;
  const int command = ScaleButtons::commandOf(place, button == 2);
  if (ScaleButtons::isButton(place)) {
    repeatAction = command;
    ws_.graph.ScrollZoom(command);
    ws_.klok.start(RepeatRate::kScaleStartMs);
  } else {
    ws_.graph.SelectAxisPosition(command);
  }
}

void Controller::initscaleDown() {
  ws_.graph.ResetScale();
}

void Controller::releaseRefines() {
  ws_.graph.RefineAfterRelease();
}

void Controller::colorBoxHover(int x, int y) {
  if (auto message = ws_.selection.hoverColorBox(x, y, ws_.formulas)) ws_.MsgText = *message;
}

void Controller::colorBoxClick(int x, int y) {
  colorBoxHover(x, y);
  ws_.selection.selectHoveredSlot();
}

void Controller::colorBoxPaint() {
  ws_.selection.paintColorBox();
}

}  // namespace quorvel
