#pragma once
// Which input takes the keys: the formula edit box or the coefficient grid, or for a while the
// menu (after F10). The edit box shows its caret exactly when it takes the keys.

#include "common/Settings.h"
#include "menu/Menu.h"

namespace quorvel {

class InputFocus {
 public:
  InputFocus(Menu& menu, Settings& settings) : menu_(menu), settings_(settings) {}

  // The edit box (true) or the coefficient grid is the input.
  const bool& formulaInputActive() const { return formulaInputActive_; }
  const bool& editorTakesKeys() const { return editorTakesKeys_; }

  // Gives the keys to the edit box, also from the menu's keyboard control.
  void selectFormulaInput();
  void selectPolynomialInput();
  // F10: the menu takes the keyboard, and the edit box no longer gets the keys.
  void giveKeysToMenu();
  // Whether a typed character belongs to the key that gave the menu the keyboard, rather than
  // to an input.
  bool swallowsCharacter();

 private:
  Menu& menu_;
  Settings& settings_;
  bool formulaInputActive_ = true;
  bool editorTakesKeys_ = true;
  bool swallowKeyPress_ = false;
};

}  // namespace quorvel
