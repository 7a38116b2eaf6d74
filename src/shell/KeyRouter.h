#pragma once
// The main window's keys, as the window sees them first: F1..F9 choose a slot, F10 gives the
// keyboard to the menu, Alt and a letter start a command whose further keys follow while Alt
// is held, Ctrl with a letter is a desktop program's key (undo, save, open, print, end),
// Ctrl+Shift+D switches the debug mode, and the other keys go to the formula edit box or the
// coefficient grid. A key does what the window's controls do: it calls the controller.
// Key codes are the program's (common/Keys.h).

#include <string_view>

#include "shell/HoverCode.h"
#include "shell/InputFocus.h"
#include "shell/Workspace.h"

namespace quorvel {

class Controller;

// The Alt-letter command in progress.
enum AltCommand : int {
  kAltNone = 0,
  kAltDegree = 1,     // D
  kAltConstants = 2,  // C
  kAltSettings = 3,   // M
  kAltScroll = 4,     // S
  kAltZoom = 5,       // Z
  kAltQuadrant = 6,   // Q
  kAltB = 7,          // B: bitmap to the clipboard (C), graph file (F), bitmap file (P)
  kAltFunctions = 9,  // F
};

// The modifiers held with a key.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

class KeyRouter {
 public:
  KeyRouter(Workspace& workspace, Controller& controller, InputFocus& inputs)
      : ws_(workspace), controller_(controller), inputs_(inputs) {}

  // Returns whether the key is consumed.
  bool FormKeyDown(int key, KeyModifiers modifiers);
  // A typed character; returns whether it is consumed (otherwise it goes to the focused
  // control, the coefficient grid).
  bool FormKeyPress(char32_t ch);
  // Text pasted (Ctrl+V): into the input that has the keys, character by character as typed.
  void FormPaste(std::u32string_view text);
  void FormKeyUp(int key);

  const int& altCommand() const { return altCommand_; }
  // The constant that Alt+C steps: 0 the step, 2 a, 4 b, 6 c.
  const int& constantsCursor() const { return constantsCursor_; }

 private:
  bool controlKey(int key, bool shift);
  bool traceKey(int key, bool shift);
  void lookUpAltKey(int key);
  void altKey(int key);
  void constantsKey(int key);
  void settingsKey(int key);
  void functionKey(int key);
  void finishAltCommand();

  Workspace& ws_;
  Controller& controller_;
  InputFocus& inputs_;
  int altCommand_ = kAltNone;
  int settingsCursor_ = kHoverAddMode;  // the setting Alt+M toggles, by its highlight code
  int constantsCursor_ = 2;
};

}  // namespace quorvel
