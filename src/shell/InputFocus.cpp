#include "shell/InputFocus.h"

namespace quorvel {

// The edit box shows its caret exactly when it takes the keys, so selecting it also ends a
// keyboard control of the menu. That control is still on only when a click selects the box
// (a command the menu runs closes the menu first), so no key is pending to be swallowed.
void InputFocus::selectFormulaInput() {
  if (menu_.menuKeyboardActive) {
    menu_.closeMenu();
    swallowKeyPress_ = false;
    settings_.keyboardMode = false;
  }
  formulaInputActive_ = true;
  editorTakesKeys_ = true;
}

void InputFocus::selectPolynomialInput() {
  formulaInputActive_ = false;
  editorTakesKeys_ = false;
}

void InputFocus::giveKeysToMenu() {
  menu_.menuKeyboardActive = true;
  editorTakesKeys_ = false;
  swallowKeyPress_ = true;
  settings_.keyboardMode = true;
}

bool InputFocus::swallowsCharacter() {
  if (!swallowKeyPress_) return false;
  if (!menu_.menuKeyboardActive) swallowKeyPress_ = false;
  return true;
}

}  // namespace quorvel
