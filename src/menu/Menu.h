#pragma once
// The menu bar the program draws itself: six titles, lists that drop down and further lists
// that open to the right, up to four levels; driven by the mouse and, after F10, by the keys.
// Every entry opens a list or runs a command (menu/Command.h).

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"
#include "menu/Command.h"

namespace quorvel {

struct MenuEntry {
  uint16_t id;      // the path: the 1-based positions from the top, as decimal digits
  Command command;  // Command::None: the entry opens a list
  uint32_t bgr;     // text colour as $00BBGGRR
  std::string_view text;
  Colour colour() const { return fromBgr(bgr); }
  bool opensList() const { return command == Command::None; }
};

inline constexpr int kMenuEntryCount = 61;
extern const std::array<MenuEntry, kMenuEntryCount> menuEntries;

int levelOf(int id);
bool exists(int id);  // in the fixed entries

// "algemeen" > "recent >>" lists the recent graph files: ids 191.., commands from
// kFirstRecentCommand on.
inline constexpr int kRecentListId = 19;
inline constexpr int kMaxMenuText = 15;  // characters of an entry

enum class TitleLook { Normal = 0, Hover = 1, Pressed = 2 };

class Menu {
 public:
  static constexpr int kLevels = 4;
  static constexpr int kTitleWidth = 90;
  static constexpr int kRowHeight = 25;
  static constexpr int kTitles = 6;

  struct Level {
    int selected = 0;  // column (level 0) or row, 0 = none
    bool visible = false;
    int left = 0, top = 0;  // of the panel
    int rows = 0;           // entries of an open list
  };

  // Runs a command (the dispatcher) and changes the highlight under the mouse (code 11).
  std::function<void(Command command)> executeCommand;
  std::function<void()> hoverMenu;
  // Whether a command that switches something on and off is on; its entry shows a check mark.
  // None: no entry is checked.
  std::function<bool(Command command)> isChecked;

  std::array<Level, kLevels> levels;
  bool open = false;  // level 0: the list of the selected title is dropped
  std::array<TitleLook, kTitles + 1> titleLook{};  // 1..6
  bool menuKeyboardActive = false;
  int menuCursorId = 0;

  // Entry number (an index into menuEntries, or beyond it one of the recent files; -1 for
  // none) at `row` of `level` on the selected path.
  int entryOf(int level, int row) const;
  int countOf(int level) const;
  const MenuEntry& entry(int index) const;
  // The entry at `index` shows a check mark: its command is on.
  bool checked(int index) const;
  bool has(int id) const;
  // The names of the recent files, newest first; no list when there are none.
  void setRecentFiles(const std::vector<std::string>& names);

  void mouseMove(int level, int x, int y);
  void mouseDown(int level);
  void mouseUp(int level);
  // The keys while the menu has the keyboard (key 0: the first call after F10). `message`
  // gets the text to show, when a key has one.
  void menuKey(int key, std::string& message);
  void closeMenu();
  void hideBelow(int level);
  // Leaving the menu with the mouse: the title highlight goes, unless a list is open.
  void removeTitleHighlight();

  static constexpr int panelWidth() { return 115; }

 private:
  void openLevel(int level);
  void drawRowNormal(int level, int row);
  void drawRowHighlighted(int level, int row);
  void moveCursorTo(int id);
  int idAt(int level, int row) const;
  int entryWithId(int id) const;

  std::vector<std::string> recentTexts_;
  std::vector<MenuEntry> recentEntries_;  // the list's own entry first, then the files
};

}  // namespace quorvel
