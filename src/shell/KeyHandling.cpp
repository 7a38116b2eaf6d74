// The main window's keys: F1..F9 choose a slot, F10 gives the keyboard to the menu, Alt and a
// letter start a command whose further keys follow while Alt is held, Ctrl+Shift+D switches
// the debug mode, and the other keys go to the formula edit box or the coefficient grid.

#include "common/Keys.h"
#include "shell/Controller.h"

namespace quorvel {
namespace {

bool isArrow(int key) {
  return key >= keys::kLeft && key <= keys::kDown;
}

}  // namespace

bool Controller::FormKeyDown(int key, KeyModifiers modifiers) {
  Settings& settings = ws_.settings;
  // 1. A slot, whatever else has the keys.
  if (key >= keys::kF1 && key < keys::kF1 + kSlotCount) {
    ws_.selection.hoverSlot = key - keys::kF1 + 1;
    ws_.selection.selectHoveredSlot();
    return true;
  }
  bool consumed = false;
  // 2. The menu takes the keyboard; the edit box no longer gets the keys.
  if (key == keys::kF10) {
    consumed = true;
    key = keys::kNone;
    menu.menuKeyboardActive = true;
    editorTakesKeys = false;
    swallowKeyPress = true;
    settings.keyboardMode = true;
  }
  // 3. Editing keys to the formula edit box.
  if (editorTakesKeys && !modifiers.shift && !modifiers.ctrl && !modifiers.alt) {
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
    if (altCommand != kAltNone) {
      finishAltCommand();
      altCommand = kAltNone;
      settings.keyboardMode = false;
    }
    return consumed;
  }
  // 7. Alt and a key: a command letter, or a further key of the command in progress.
  if (altCommand == kAltNone) {
    lookUpAltKey(key);
    if (altCommand == kAltNone) return true;
    key = keys::kNone;  // the first call initialises the command
  }
  // 8.
  settings.keyboardMode = true;
  altKey(key);
  return true;
}

bool Controller::controlKey(int key, bool shift) {
  if (key == 'Z' && !shift) {
    ws_.MsgText.clear();
    undo();
  } else if ((key == 'Z' && shift) || (key == 'Y' && !shift)) {
    ws_.MsgText.clear();
    redo();
  } else if (key == 'S' && !shift) {
    saveDocument(false);
  } else if (key == 'O' && !shift) {
    executeCommand(Command::Open);
  } else if (key == 'Q' && !shift) {
    executeCommand(Command::Close);
  } else if (key == 'P' && !shift) {
    executeCommand(Command::Print);
  } else {
    return false;
  }
  return true;
}

void Controller::lookUpAltKey(int key) {
  switch (key) {
    case 'B':
      altCommand = kAltB;
      break;
    case 'C':
      altCommand = kAltConstants;
      break;
    case 'D':
      altCommand = kAltDegree;
      break;
    case 'E':
      if (formulaInputActive) {
        selectPolynomialInput();
      } else {
        selectFormulaInput();
      }
      break;
    case 'F':
      altCommand = kAltFunctions;
      break;
    case 'G':
      GetBtnClick();
      break;
    case 'H':
      executeCommand(Command::Help);
      break;
    case 'K':
      executeCommand(Command::Colours);
      break;
    case 'M':
      altCommand = kAltSettings;
      break;
    case 'O':
      executeCommand(Command::Open);
      break;
    case 'P':
      PlotBtnClick();
      break;
    case 'Q':
      altCommand = kAltQuadrant;
      break;
    case 'R':
      clearBtnClick();
      break;
    case 'S':
      altCommand = kAltScroll;
      break;
    case 'W':
      executeCommand(Command::ValueTable);
      break;
    case 'X':
      ws_.graph.ResetScale();
      ws_.graph.RefineAfterRelease();
      break;
    case 'Z':
      altCommand = kAltZoom;
      break;
    case keys::kFullStop:
      executeCommand(Command::PointsTable);
      break;
    default:
      break;
  }
}

void Controller::altKey(int key) {
  switch (altCommand) {
    case kAltDegree:
      if (key == keys::kNone) setHover(kHoverDegree, true);
      if (key == keys::kRight) StepPolyDegree(8);
      if (key == keys::kLeft) StepPolyDegree(9);
      break;
    case kAltConstants:
      if (key == keys::kNone) constantsCursor = 2;
      if (key == keys::kUp) constantsCursor = constantsCursor == 0 ? 6 : constantsCursor - 2;
      if (key == keys::kDown) constantsCursor = constantsCursor == 6 ? 0 : constantsCursor + 2;
      if (key == keys::kNone || key == keys::kUp || key == keys::kDown) {
        setHover(kHoverDelta + constantsCursor / 2, true);
      }
      if (key == keys::kLeft) ws_.constantsPanel.StepConstant(constantsCursor);
      if (key == keys::kRight) ws_.constantsPanel.StepConstant(constantsCursor + 1);
      if (key == 'R') ws_.constantsPanel.ResetConstants();
      break;
    case kAltSettings:
      if (key == keys::kNone) settingsCursor = kHoverAddMode;
      if (key == keys::kUp)
        settingsCursor = settingsCursor == kHoverAngle ? kHoverAutoplot : settingsCursor - 1;
      if (key == keys::kDown)
        settingsCursor = settingsCursor == kHoverAutoplot ? kHoverAngle : settingsCursor + 1;
      if (key == keys::kNone || key == keys::kUp || key == keys::kDown)
        setHover(settingsCursor, true);
      if (key == keys::kLeft || key == keys::kRight || key == keys::kEnter)
        toggleSetting(settingsCursor);
      break;
    case kAltScroll:
    case kAltZoom:
      if (isArrow(key)) {
        // LEFT, UP, RIGHT, DOWN
        static constexpr int kScroll[] = {kScrollLeft, kScrollUp, kScrollRight, kScrollDown};
        static constexpr int kZoom[] = {kZoomOutX, kZoomInY, kZoomInX, kZoomOutY};
        ws_.graph.ScrollZoom((altCommand == kAltScroll ? kScroll : kZoom)[key - keys::kLeft]);
      }
      break;
    case kAltQuadrant:
      if (key >= '0' && key <= '4') ws_.graph.SelectQuadrant(key - '0');
      break;
    case kAltFunctions: {
      static constexpr std::pair<int, Command> kCommands[] = {
          {'A', Command::SubstituteAbc},
          {'C', Command::FitCircle},
          {'D', Command::PolyDerive},
          {'E', Command::Extrema},
          {'H', Command::Redraw},
          {'I', Command::PolyIntegrate},
          {'N', Command::Roots},
          {'O', Command::Area},
          {'P', Command::FitPolynomial},
          {'R', Command::PolyRound},
          {'S', Command::ClearGraphs},
          {'T', Command::Tangent},
          {'V', Command::DeleteSlot},
          {'X', Command::Intersections},
          {keys::kFullStop, Command::ClearPoints}};
      for (auto [letter, command] : kCommands) {
        if (key == letter) executeCommand(command);
      }
      // A command ends keyboard mode; the next keys still belong to this Alt command.
      ws_.settings.keyboardMode = true;
      break;
    }
    case kAltB:
      if (key == 'C') executeCommand(Command::PictureToClipboard);
      if (key == 'F') executeCommand(Command::Save);
      if (key == 'P') executeCommand(Command::PictureToFile);
      ws_.settings.keyboardMode = true;
      break;
    default:
      break;
  }
}

void Controller::finishAltCommand() {
  if (altCommand == kAltConstants || altCommand == kAltScroll || altCommand == kAltZoom) {
    ws_.graph.RefineAfterRelease();
  }
}

void Controller::FormKeyUp(int key) {
  if (key != keys::kAlt) return;
  ws_.settings.keyboardMode = false;
  finishAltCommand();
}

bool Controller::FormKeyPress(char32_t ch) {
  if (swallowKeyPress) {
    if (!menu.menuKeyboardActive) swallowKeyPress = false;
    return true;
  }
  if (!menu.menuKeyboardActive) swallowKeyPress = false;
  if (editorTakesKeys) {
    if (ch == keys::kEnter) {
      PlotBtnClick();
    } else {
      ws_.editor.typeCharacter(ch);
    }
    return true;
  }
  return false;
}

void Controller::FormPaste(std::u32string_view text) {
  if (menu.menuKeyboardActive) return;
  for (char32_t ch : text) {
    if (editorTakesKeys) {
      ws_.editor.typeCharacter(ch);  // a line break plots nothing: it is no formula character
    } else if (!formulaInputActive && ch >= 0x20 && ch < 0x7F) {
      ws_.poly.PolyGridKeyPress(static_cast<char>(ch));
    }
  }
}

}  // namespace quorvel
