#include "shell/KeyRouter.h"

#include <utility>

#include "common/Keys.h"
#include "shell/Controller.h"

namespace quorvel {
namespace {

bool isArrow(int key) {
  return key >= keys::kLeft && key <= keys::kDown;
}

}  // namespace

bool KeyRouter::FormKeyDown(int key, KeyModifiers modifiers) {
  Settings& settings = ws_.settings;
  Menu& menu = controller_.menu;
  // 1. A slot, whatever else has the keys.
  if (key >= keys::kF1 && key < keys::kF1 + kSlotCount) {
    ws_.selection.hoverSlot = key - keys::kF1 + 1;
    ws_.selection.selectHoveredSlot();
    return true;
  }
  // While a graph is traced, the arrows move the point and Esc ends it.
  if (ws_.tracer.active() && !modifiers.ctrl && !modifiers.alt && traceKey(key, modifiers.shift))
    return true;
  bool consumed = false;
  // 2. The menu takes the keyboard; the edit box no longer gets the keys.
  if (key == keys::kF10) {
    consumed = true;
    key = keys::kNone;
    inputs_.giveKeysToMenu();
  }
  // 3. Editing keys to the formula edit box.
  if (inputs_.editorTakesKeys() && !modifiers.shift && !modifiers.ctrl && !modifiers.alt) {
    ws_.editor.fedKeyDown(key);
    consumed = true;
  }
  // 4. The developer switch, with exactly Ctrl and Shift.
  if (key == 'D' && modifiers.ctrl && modifiers.shift && !modifiers.alt) {
    settings.debugMode = !settings.debugMode;
    ws_.MsgText = settings.debugMode ? "debugMode switched ON" : "debugMode switched OFF";
    return true;
  }
  // The keys of a desktop program: undo, redo, save, open and end.
  if (modifiers.ctrl && !modifiers.alt && controlKey(key, modifiers.shift)) return true;
  // 5. The menu under keyboard control.
  if (menu.menuKeyboardActive) {
    menu.menuKey(key, ws_.MsgText);
    if (!menu.menuKeyboardActive) settings.keyboardMode = false;
    return true;
  }
  // 6. A key without Alt (or Alt itself) ends a command in progress and goes on.
  if (!modifiers.alt || key == keys::kAlt) {
    if (altCommand_ != kAltNone) {
      finishAltCommand();
      altCommand_ = kAltNone;
      settings.keyboardMode = false;
    }
    return consumed;
  }
  // 7. Alt and a key: a command letter, or a further key of the command in progress.
  if (altCommand_ == kAltNone) {
    lookUpAltKey(key);
    if (altCommand_ == kAltNone) return true;
    key = keys::kNone;  // the first call initialises the command
  }
  // 8.
  settings.keyboardMode = true;
  altKey(key);
  return true;
}

bool KeyRouter::controlKey(int key, bool shift) {
  if (key == 'Z' && !shift) {
    ws_.MsgText.clear();
    controller_.undo();
  } else if ((key == 'Z' && shift) || (key == 'Y' && !shift)) {
    ws_.MsgText.clear();
    controller_.redo();
  } else if (key == 'S' && !shift) {
    controller_.saveDocument(false);
  } else if (key == 'O' && !shift) {
    controller_.executeCommand(Command::Open);
  } else if (key == 'Q' && !shift) {
    controller_.executeCommand(Command::Close);
  } else if (key == 'P' && !shift) {
    controller_.executeCommand(Command::Print);
  } else if (key == 'T' && !shift) {
    controller_.executeCommand(Command::Trace);
  } else {
    return false;
  }
  return true;
}

// Left and Right a column (ten with Shift), Up and Down the next root, extremum or crossing,
// each said on the message line; Esc stops. Another key is not the tracer's.
bool KeyRouter::traceKey(int key, bool shift) {
  Tracer& tracer = ws_.tracer;
  if (key == keys::kEscape) {
    tracer.stop();
    ws_.MsgText.clear();
    return true;
  }
  if (key == keys::kLeft || key == keys::kRight) {
    tracer.step((key == keys::kLeft ? -1 : 1) * (shift ? 10 : 1));
  } else if (key == keys::kUp || key == keys::kDown) {
    if (!tracer.jump(key == keys::kUp)) {
      ws_.MsgText = translated(kTraceNoFurther);
      return true;
    }
  } else {
    return false;
  }
  ws_.MsgText = tracer.announcement();
  return true;
}

// The letters after Alt: a command of its own, or the start of a command that further keys
// continue while Alt is held.
void KeyRouter::lookUpAltKey(int key) {
  static constexpr std::pair<int, AltCommand> kStarts[] = {
      {'B', kAltB},        {'C', kAltConstants}, {'D', kAltDegree}, {'F', kAltFunctions},
      {'M', kAltSettings}, {'Q', kAltQuadrant},  {'S', kAltScroll}, {'Z', kAltZoom}};
  static constexpr std::pair<int, Command> kCommands[] = {{'H', Command::Help},
                                                          {'K', Command::Colours},
                                                          {'O', Command::Open},
                                                          {'W', Command::ValueTable},
                                                          {keys::kFullStop, Command::PointsTable}};
  for (auto [letter, start] : kStarts) {
    if (key == letter) altCommand_ = start;
  }
  for (auto [letter, command] : kCommands) {
    if (key == letter) controller_.executeCommand(command);
  }
  if (key == 'E') {
    if (inputs_.formulaInputActive()) {
      controller_.selectPolynomialInput();
    } else {
      controller_.selectFormulaInput();
    }
  }
  if (key == 'G') controller_.GetBtnClick();
  if (key == 'P') controller_.PlotBtnClick();
  if (key == 'R') controller_.clearBtnClick();
  if (key == 'X') {
    ws_.graph.ResetScale();
    ws_.graph.RefineAfterRelease();
  }
}

void KeyRouter::altKey(int key) {
  switch (altCommand_) {
    case kAltDegree:
      if (key == keys::kNone) controller_.setHover(kHoverDegree, true);
      if (key == keys::kRight) controller_.StepPolyDegree(8);
      if (key == keys::kLeft) controller_.StepPolyDegree(9);
      break;
    case kAltConstants:
      constantsKey(key);
      break;
    case kAltSettings:
      settingsKey(key);
      break;
    case kAltScroll:
    case kAltZoom:
      if (isArrow(key)) {
        // LEFT, UP, RIGHT, DOWN
        static constexpr int kScroll[] = {kScrollLeft, kScrollUp, kScrollRight, kScrollDown};
        static constexpr int kZoom[] = {kZoomOutX, kZoomInY, kZoomInX, kZoomOutY};
        ws_.graph.ScrollZoom((altCommand_ == kAltScroll ? kScroll : kZoom)[key - keys::kLeft]);
      }
      break;
    case kAltQuadrant:
      if (key >= '0' && key <= '4') ws_.graph.SelectQuadrant(key - '0');
      break;
    case kAltFunctions:
      functionKey(key);
      break;
    case kAltB:
      if (key == 'C') controller_.executeCommand(Command::PictureToClipboard);
      if (key == 'F') controller_.executeCommand(Command::Save);
      if (key == 'P') controller_.executeCommand(Command::PictureToFile);
      ws_.settings.keyboardMode = true;
      break;
    default:
      break;
  }
}

// Alt+C: up and down choose the step, a, b or c; left lowers it, right raises it; R resets
// them all.
void KeyRouter::constantsKey(int key) {
  if (key == keys::kNone) constantsCursor_ = 2;
  if (key == keys::kUp) constantsCursor_ = constantsCursor_ == 0 ? 6 : constantsCursor_ - 2;
  if (key == keys::kDown) constantsCursor_ = constantsCursor_ == 6 ? 0 : constantsCursor_ + 2;
  if (key == keys::kNone || key == keys::kUp || key == keys::kDown) {
    controller_.setHover(kHoverDelta + constantsCursor_ / 2, true);
  }
  if (key == keys::kLeft) ws_.constantsPanel.StepConstant(constantsCursor_);
  if (key == keys::kRight) ws_.constantsPanel.StepConstant(constantsCursor_ + 1);
  if (key == 'R') ws_.constantsPanel.ResetConstants();
}

// Alt+M: up and down choose a settings box, left, right and Enter toggle it.
void KeyRouter::settingsKey(int key) {
  if (key == keys::kNone) settingsCursor_ = kHoverAddMode;
  if (key == keys::kUp)
    settingsCursor_ = settingsCursor_ == kHoverAngle ? kHoverAutoplot : settingsCursor_ - 1;
  if (key == keys::kDown)
    settingsCursor_ = settingsCursor_ == kHoverAutoplot ? kHoverAngle : settingsCursor_ + 1;
  if (key == keys::kNone || key == keys::kUp || key == keys::kDown)
    controller_.setHover(settingsCursor_, true);
  if (key == keys::kLeft || key == keys::kRight || key == keys::kEnter)
    controller_.toggleSetting(settingsCursor_);
}

// Alt+F: a letter runs a command of the slots, the analysis, the polynomials or the points.
void KeyRouter::functionKey(int key) {
  static constexpr std::pair<int, Command> kCommands[] = {
      {'A', Command::SubstituteAbc}, {'C', Command::FitCircle},
      {'D', Command::PolyDerive},    {'E', Command::Extrema},
      {'H', Command::Redraw},        {'I', Command::PolyIntegrate},
      {'M', Command::Motion},        {'N', Command::Roots},
      {'O', Command::Area},          {'P', Command::FitPolynomial},
      {'R', Command::PolyRound},     {'S', Command::ClearGraphs},
      {'T', Command::Tangent},       {'V', Command::DeleteSlot},
      {'X', Command::Intersections}, {keys::kFullStop, Command::ClearPoints}};
  for (auto [letter, command] : kCommands) {
    if (key == letter) controller_.executeCommand(command);
  }
  // A command ends keyboard mode; the next keys still belong to this Alt command.
  ws_.settings.keyboardMode = true;
}

void KeyRouter::finishAltCommand() {
  if (altCommand_ == kAltConstants || altCommand_ == kAltScroll || altCommand_ == kAltZoom) {
    ws_.graph.RefineAfterRelease();
  }
}

void KeyRouter::FormKeyUp(int key) {
  if (key != keys::kAlt) return;
  ws_.settings.keyboardMode = false;
  finishAltCommand();
}

bool KeyRouter::FormKeyPress(char32_t ch) {
  if (inputs_.swallowsCharacter()) return true;
  if (inputs_.editorTakesKeys()) {
    if (ch == keys::kEnter) {
      controller_.PlotBtnClick();
    } else {
      ws_.editor.typeCharacter(ch);
    }
    return true;
  }
  return false;
}

void KeyRouter::FormPaste(std::u32string_view text) {
  if (controller_.menu.menuKeyboardActive) return;
  for (char32_t ch : text) {
    if (inputs_.editorTakesKeys()) {
      ws_.editor.typeCharacter(ch);  // a line break plots nothing: it is no formula character
    } else if (!inputs_.formulaInputActive() && ch >= 0x20 && ch < 0x7F) {
      ws_.poly.PolyGridKeyPress(static_cast<char>(ch));
    }
  }
}

}  // namespace quorvel
