// The menu bar's entries, its lists by mouse and by keyboard.

#include <gtest/gtest.h>

#include "common/Keys.h"
#include "menu/Menu.h"

namespace quorvel {
namespace {

class MenuBar : public ::testing::Test {
 protected:
  Menu menu;
  std::vector<Command> commands;
  std::string message;
  void SetUp() override {
    menu.executeCommand = [this](Command command) {
      commands.push_back(command);
      menu.closeMenu();
    };
  }
  std::string_view textOf(int level, int row) const {
    const int entry = menu.entryOf(level, row);
    return entry < 0 ? "" : menuEntries[entry].text;
  }
  void overRow(int level, int row) { menu.mouseMove(level, 10, 25 * (row - 1) + 10); }
  void overTitle(int title) { menu.mouseMove(0, 90 * (title - 1) + 10, 10); }
};

TEST_F(MenuBar, EntriesAndTheirPaths) {
  EXPECT_EQ(levelOf(1), 0);
  EXPECT_EQ(levelOf(432), 2);
  EXPECT_EQ(levelOf(4345), 3);
  EXPECT_TRUE(exists(4345));
  EXPECT_FALSE(exists(7));
  EXPECT_EQ(menu.countOf(0), 6);
  EXPECT_EQ(textOf(0, 6), "help");
  menu.levels[0].selected = 4;
  EXPECT_EQ(menu.countOf(1), 3);
  // On screen the order follows the ids, not the table.
  EXPECT_EQ(textOf(1, 1), "wissen");
  EXPECT_EQ(textOf(1, 2), "tabel");
  EXPECT_EQ(textOf(1, 3), "maak >>");
  menu.levels[1].selected = 3;
  EXPECT_EQ(textOf(2, 1), "lijn");
  EXPECT_EQ(textOf(2, 4), "exp.functie y=");
  EXPECT_EQ(menuEntries[0].colour(), rgb(0, 0, 255));  // $FF0000 is blue
}

TEST_F(MenuBar, TheAnalysisListUnderGrafieken) {
  overTitle(3);
  menu.mouseDown(0);
  EXPECT_EQ(menu.countOf(1), 5);
  EXPECT_EQ(textOf(1, 4), "analyse >>");  // after "herschrijven"
  overRow(1, 4);
  ASSERT_TRUE(menu.levels[2].visible);
  EXPECT_EQ(menu.countOf(2), 5);
  const char* texts[] = {"nulpunten", "extremen", "snijpunten", "raaklijn", "volgen"};
  for (int row = 1; row <= 5; ++row)
    EXPECT_EQ(textOf(2, row), texts[row - 1]);
  overRow(2, 4);
  menu.mouseDown(2);
  EXPECT_EQ(commands, std::vector<Command>{Command::Tangent});
}

// "exact tekenen" is the last entry of "grafieken", below the list "analyse >>", and the only
// one of the fixed entries that can be checked.
TEST_F(MenuBar, ExactTekenenAndItsCheckMark) {
  overTitle(3);
  menu.mouseDown(0);
  ASSERT_EQ(menu.levels[1].rows, 5);
  EXPECT_EQ(textOf(1, 5), "exact tekenen");
  const int exact = menu.entryOf(1, 5);
  EXPECT_EQ(menuEntries[exact].colour(), kBlack);
  // Nobody to ask: nothing is checked.
  for (int index = 0; index < kMenuEntryCount; ++index)
    EXPECT_FALSE(menu.checked(index)) << menuEntries[index].text;
  bool on = false;
  std::vector<Command> asked;
  menu.isChecked = [&](Command command) {
    asked.push_back(command);
    return on && command == Command::ExactImplicit;
  };
  EXPECT_FALSE(menu.checked(exact));
  on = true;
  for (int index = 0; index < kMenuEntryCount; ++index)
    EXPECT_EQ(menu.checked(index), index == exact) << menuEntries[index].text;
  // An entry that opens a list has no command to be on, and is not asked about.
  asked.clear();
  menu.isChecked = [&](Command command) {
    asked.push_back(command);
    return true;
  };
  EXPECT_FALSE(menu.checked(menu.entryOf(1, 4)));  // "analyse >>"
  EXPECT_FALSE(menu.checked(menu.entryOf(0, 3)));  // the title "grafieken"
  EXPECT_TRUE(asked.empty());
  EXPECT_TRUE(menu.checked(exact));
  // Chosen, it runs its command as any entry does.
  overRow(1, 5);
  EXPECT_FALSE(menu.levels[2].visible);
  menu.mouseDown(1);
  EXPECT_EQ(commands, std::vector<Command>{Command::ExactImplicit});
  EXPECT_FALSE(menu.open);
  // And by the keys: past "analyse >>", whose list closes again.
  commands.clear();
  menu.menuKeyboardActive = true;
  menu.menuKey(keys::kNone, message);
  menu.menuKey(keys::kRight, message);
  menu.menuKey(keys::kRight, message);
  menu.menuKey(keys::kDown, message);  // drops "grafieken"
  for (int row = 1; row <= 5; ++row)
    menu.menuKey(keys::kDown, message);
  EXPECT_EQ(menu.menuCursorId, 35);
  EXPECT_FALSE(menu.levels[2].visible);
  menu.menuKey(keys::kEnter, message);
  EXPECT_EQ(commands, std::vector<Command>{Command::ExactImplicit});
}

TEST_F(MenuBar, MouseDownThreeLevels) {
  overTitle(4);
  EXPECT_EQ(menu.titleLook[4], TitleLook::Hover);
  menu.mouseDown(0);
  EXPECT_TRUE(menu.open);
  EXPECT_EQ(menu.titleLook[4], TitleLook::Pressed);
  ASSERT_TRUE(menu.levels[1].visible);
  EXPECT_EQ(menu.levels[1].left, 90 * 3 + 12);
  EXPECT_EQ(menu.levels[1].top, 35);
  EXPECT_EQ(menu.levels[1].rows, 3);
  overRow(1, 3);  // "maak >>"
  ASSERT_TRUE(menu.levels[2].visible);
  EXPECT_EQ(menu.levels[2].left, 90 * 3 + 12 + 115);
  EXPECT_EQ(menu.levels[2].top, 35 + 50);  // level with the entry that opened it
  overRow(2, 4);                           // "exp.functie y="
  ASSERT_TRUE(menu.levels[3].visible);
  overRow(3, 1);  // "ab^x"
  menu.mouseDown(3);
  EXPECT_EQ(commands, std::vector<Command>{Command::FitExpPower});
  EXPECT_FALSE(menu.open);
  for (int level = 1; level < 4; ++level)
    EXPECT_FALSE(menu.levels[level].visible);
  EXPECT_EQ(menu.levels[0].selected, 0);
}

TEST_F(MenuBar, MovingToHelpClosesTheList) {
  overTitle(1);
  menu.mouseDown(0);
  ASSERT_TRUE(menu.levels[1].visible);
  overTitle(6);
  EXPECT_FALSE(menu.levels[1].visible);
  EXPECT_FALSE(menu.open);
  EXPECT_EQ(menu.titleLook[6], TitleLook::Hover);
  menu.mouseDown(0);
  EXPECT_EQ(commands, std::vector<Command>{Command::Help});
}

TEST_F(MenuBar, ClickingTheOpenTitleClosesIt) {
  overTitle(2);
  menu.mouseDown(0);
  EXPECT_TRUE(menu.open);
  menu.mouseDown(0);
  EXPECT_FALSE(menu.open);
  EXPECT_FALSE(menu.levels[1].visible);
  menu.mouseUp(0);
  EXPECT_EQ(menu.titleLook[2], TitleLook::Hover);
  // Moving along the bar with a list dropped opens the next title's list.
  menu.mouseDown(0);
  overTitle(3);
  EXPECT_TRUE(menu.levels[1].visible);
  EXPECT_EQ(menu.levels[1].rows, 5);  // "grafieken" with "analyse >>" and "exact tekenen"
  EXPECT_EQ(menu.titleLook[2], TitleLook::Normal);
}

TEST_F(MenuBar, RowsBeyondTheListSelectNothing) {
  overTitle(5);
  menu.mouseDown(0);
  menu.mouseMove(1, 10, Menu::kRowHeight * 4 + 3);  // the panel's extra pixels below four rows
  EXPECT_EQ(menu.levels[1].selected, 0);
  menu.mouseDown(1);
  EXPECT_TRUE(commands.empty());
  overRow(1, 1);  // a row that opens a list does nothing on a click
  menu.mouseDown(1);
  EXPECT_EQ(commands, std::vector<Command>{Command::About});
}

TEST_F(MenuBar, Keyboard) {
  menu.menuKeyboardActive = true;
  menu.menuKey(keys::kNone, message);
  EXPECT_EQ(message, "<ESC> sluiten");
  EXPECT_EQ(menu.menuCursorId, 1);
  EXPECT_EQ(menu.titleLook[1], TitleLook::Hover);
  for (int i = 0; i < 5; ++i)
    menu.menuKey(keys::kRight, message);
  EXPECT_EQ(menu.menuCursorId, 6);
  menu.menuKey(keys::kRight, message);
  EXPECT_EQ(menu.menuCursorId, 6);
  for (int i = 0; i < 5; ++i)
    menu.menuKey(keys::kLeft, message);
  EXPECT_EQ(menu.menuCursorId, 1);
  menu.menuKey(keys::kUp, message);  // nothing on a title
  EXPECT_EQ(menu.menuCursorId, 1);
  menu.menuKey(keys::kDown, message);  // drops the list, the cursor stays
  EXPECT_TRUE(menu.levels[1].visible);
  EXPECT_EQ(menu.menuCursorId, 1);
  menu.menuKey(keys::kDown, message);
  EXPECT_EQ(menu.menuCursorId, 11);
  menu.menuKey(keys::kUp, message);  // the first row: back to the title
  EXPECT_EQ(menu.menuCursorId, 1);
  EXPECT_EQ(menu.levels[1].selected, 0);
  for (int i = 0; i < 4; ++i)
    menu.menuKey(keys::kDown, message);
  EXPECT_EQ(menu.menuCursorId, 14);  // "snap" opens its list
  ASSERT_TRUE(menu.levels[2].visible);
  menu.menuKey(keys::kRight, message);
  EXPECT_EQ(menu.menuCursorId, 141);
  menu.menuKey(keys::kLeft, message);
  EXPECT_EQ(menu.menuCursorId, 14);  // from "--> disk" to "snap"
  menu.menuKey(keys::kRight, message);
  menu.menuKey(keys::kDown, message);
  EXPECT_EQ(menu.menuCursorId, 142);
  menu.menuKey(keys::kLeft, message);
  EXPECT_EQ(menu.menuCursorId, 15);  // level with it in the parent list
  EXPECT_FALSE(menu.levels[2].visible);
  menu.menuKey(keys::kEscape, message);
  EXPECT_FALSE(menu.menuKeyboardActive);
  EXPECT_EQ(menu.menuCursorId, 0);
  EXPECT_FALSE(menu.levels[1].visible);
}

TEST_F(MenuBar, KeyboardEnterRunsTheEntry) {
  menu.menuKeyboardActive = true;
  menu.menuKey(keys::kNone, message);
  menu.menuKey(keys::kDown, message);
  menu.menuKey(keys::kDown, message);
  menu.menuKey(keys::kEnter, message);
  EXPECT_EQ(commands, std::vector<Command>{Command::Restart});  // "herstart"
}

}  // namespace
}  // namespace quorvel
