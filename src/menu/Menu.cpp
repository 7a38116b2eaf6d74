#include "menu/Menu.h"

#include "common/Keys.h"
#include "common/Language.h"

namespace quorvel {

// In storage order; the order on screen follows the ids.
const std::array<MenuEntry, kMenuEntryCount> menuEntries = {{
    {1, Command::None, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "algemeen")},
    {2, Command::None, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "form / poly")},
    {3, Command::None, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "grafieken")},
    {4, Command::None, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "punten")},
    {5, Command::None, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "info")},
    {6, Command::Help, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "help")},
    {11, Command::Restart, 0x0000E8, QT_TRANSLATE_NOOP("quorvel", "herstart")},
    {12, Command::Save, 0xC00000, QT_TRANSLATE_NOOP("quorvel", "bewaar")},
    {13, Command::Open, 0xC00000, QT_TRANSLATE_NOOP("quorvel", "open")},
    {14, Command::None, 0x000000, QT_TRANSLATE_NOOP("quorvel", "snap")},
    {15, Command::Nothing, 0x707070, "..........."},
    {16, Command::Close, 0xC00000, QT_TRANSLATE_NOOP("quorvel", "sluiten")},
    {17, Command::Undo, 0x000000, QT_TRANSLATE_NOOP("quorvel", "ongedaan maken")},
    {18, Command::Redo, 0x000000, QT_TRANSLATE_NOOP("quorvel", "opnieuw")},
    {21, Command::DeleteSlot, 0x0000E8, QT_TRANSLATE_NOOP("quorvel", "verwijderen")},
    {22, Command::SubstituteAbc, 0xC00000, QT_TRANSLATE_NOOP("quorvel", "subst. abc")},
    {23, Command::Area, 0xC00000, QT_TRANSLATE_NOOP("quorvel", "oppervlakte")},
    {24, Command::ValueTable, 0x000000, QT_TRANSLATE_NOOP("quorvel", "tabellen")},
    {25, Command::None, 0x606060, QT_TRANSLATE_NOOP("quorvel", "poly >>")},
    {26, Command::Motion, 0x000000, QT_TRANSLATE_NOOP("quorvel", "animatie")},
    {31, Command::ClearGraphs, 0x0000E8, QT_TRANSLATE_NOOP("quorvel", "wissen")},
    {32, Command::Colours, 0x900090, QT_TRANSLATE_NOOP("quorvel", "kleuren")},
    {33, Command::Redraw, 0x000000, QT_TRANSLATE_NOOP("quorvel", "herschrijven")},
    {34, Command::None, 0x606060, QT_TRANSLATE_NOOP("quorvel", "analyse >>")},
    {35, Command::ExactImplicit, 0x000000, QT_TRANSLATE_NOOP("quorvel", "exact tekenen")},
    {42, Command::PointsTable, 0x000000, QT_TRANSLATE_NOOP("quorvel", "tabel")},
    {43, Command::None, 0x606060, QT_TRANSLATE_NOOP("quorvel", "maak >>")},
    {41, Command::ClearPoints, 0x0000E8, QT_TRANSLATE_NOOP("quorvel", "wissen")},
    {51, Command::About, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "over ...")},
    {52, Command::Status, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "status")},
    {53, Command::Conditions, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "condities")},
    // The other language, named in itself: its English is "Nederlands", which fits the list. (Under
    // "info": "algemeen" holds nine entries, as many as a list of the menu can.)
    {54, Command::SwitchLanguage, 0xFF0000, QT_TRANSLATE_NOOP("quorvel", "taal: English")},
    {141, Command::PictureToFile, 0x900000, QT_TRANSLATE_NOOP("quorvel", "--> disk")},
    {142, Command::PictureToClipboard, 0x900090, QT_TRANSLATE_NOOP("quorvel", "--> klembord")},
    {143, Command::PictureToVector, 0x900000, QT_TRANSLATE_NOOP("quorvel", "--> svg/pdf")},
    {144, Command::Print, 0x900090, QT_TRANSLATE_NOOP("quorvel", "--> printer")},
    {145, Command::AnimationToFile, 0x900000, QT_TRANSLATE_NOOP("quorvel", "--> animatie")},
    {341, Command::Roots, 0x000000, QT_TRANSLATE_NOOP("quorvel", "nulpunten")},
    {342, Command::Extrema, 0x000000, QT_TRANSLATE_NOOP("quorvel", "extremen")},
    {343, Command::Intersections, 0x000000, QT_TRANSLATE_NOOP("quorvel", "snijpunten")},
    {344, Command::Tangent, 0x000000, QT_TRANSLATE_NOOP("quorvel", "raaklijn")},
    {345, Command::Trace, 0x000000, QT_TRANSLATE_NOOP("quorvel", "volgen")},
    {251, Command::PolyPlus, 0x000000, QT_TRANSLATE_NOOP("quorvel", "plus")},
    {252, Command::PolyMinus, 0x000000, QT_TRANSLATE_NOOP("quorvel", "min")},
    {253, Command::PolyTimes, 0x000000, QT_TRANSLATE_NOOP("quorvel", "keer")},
    {254, Command::PolyRound, 0x000000, QT_TRANSLATE_NOOP("quorvel", "afronden")},
    {255, Command::PolyDerive, 0x000000, QT_TRANSLATE_NOOP("quorvel", "differentiëren")},
    {256, Command::PolyIntegrate, 0x000000, QT_TRANSLATE_NOOP("quorvel", "integreren")},
    {257, Command::None, 0x606060, QT_TRANSLATE_NOOP("quorvel", "spiegelen >>")},
    {432, Command::FitPolynomial, 0x000000, QT_TRANSLATE_NOOP("quorvel", "polynoom")},
    {431, Command::FitLine, 0x000000, QT_TRANSLATE_NOOP("quorvel", "lijn")},
    {433, Command::FitCircle, 0x000000, QT_TRANSLATE_NOOP("quorvel", "cirkel")},
    {434, Command::None, 0x000000, QT_TRANSLATE_NOOP("quorvel", "exp.functie y=")},
    {2571, Command::PolyMirrorX, 0x000000, QT_TRANSLATE_NOOP("quorvel", "om X-as")},
    {2572, Command::PolyMirrorY, 0x000000, QT_TRANSLATE_NOOP("quorvel", "om Y-as")},
    {2573, Command::PolyMirrorOrigin, 0x000000, QT_TRANSLATE_NOOP("quorvel", "om (0,0)")},
    {4341, Command::FitExpPower, 0x000000, QT_TRANSLATE_NOOP("quorvel", "ab^x")},
    {4342, Command::FitExpE, 0x000000, QT_TRANSLATE_NOOP("quorvel", "ae^(bx)")},
    {4343, Command::FitExpPlusC, 0x000000, QT_TRANSLATE_NOOP("quorvel", "ab^x+c")},
    {4344, Command::FitExpEPlusC, 0x000000, QT_TRANSLATE_NOOP("quorvel", "ae^(bx)+c")},
    {4345, Command::FitExpQuadratic, 0x000000, QT_TRANSLATE_NOOP("quorvel", "e^(ax^2+bx+c)")},
}};

int levelOf(int id) {
  int digits = 0;
  for (; id > 0; id /= 10)
    ++digits;
  return digits - 1;
}

namespace {

int fixedEntryWithId(int id) {
  for (int i = 0; i < kMenuEntryCount; ++i) {
    if (menuEntries[i].id == id) return i;
  }
  return -1;
}

}  // namespace

bool exists(int id) {
  return fixedEntryWithId(id) >= 0;
}

int Menu::entryWithId(int id) const {
  const int fixed = fixedEntryWithId(id);
  if (fixed >= 0) return fixed;
  for (size_t i = 0; i < recentEntries_.size(); ++i) {
    if (recentEntries_[i].id == id) return kMenuEntryCount + static_cast<int>(i);
  }
  return -1;
}

bool Menu::has(int id) const {
  return entryWithId(id) >= 0;
}

const MenuEntry& Menu::entry(int index) const {
  if (index < kMenuEntryCount) return menuEntries[static_cast<size_t>(index)];
  return recentEntries_[static_cast<size_t>(index - kMenuEntryCount)];
}

bool Menu::checked(int index) const {
  const MenuEntry& e = entry(index);
  return !e.opensList() && isChecked && isChecked(e.command);
}

void Menu::setRecentFiles(const std::vector<std::string>& names) {
  recentTexts_ = names;
  recentEntries_.clear();
  if (names.empty()) return;
  recentEntries_.push_back({kRecentListId, Command::None, 0xC00000, "recent >>"});
  for (size_t k = 0; k < recentTexts_.size() && k < 9; ++k) {
    recentEntries_.push_back({static_cast<uint16_t>(kRecentListId * 10 + k + 1),
                              recentFileCommand(static_cast<int>(k)), 0x900000, recentTexts_[k]});
  }
}

int Menu::idAt(int level, int row) const {
  int id = 0;
  for (int l = 0; l < level; ++l)
    id = id * 10 + levels[l].selected;
  return id * 10 + row;
}

int Menu::entryOf(int level, int row) const {
  if (row < 1 || row > 9) return -1;
  return entryWithId(idAt(level, row));
}

int Menu::countOf(int level) const {
  int count = 0;
  for (int row = 1; row <= 9; ++row)
    count += entryOf(level, row) >= 0;
  return count;
}

void Menu::hideBelow(int level) {
  for (int l = level + 1; l < kLevels; ++l) {
    levels[l].selected = 0;
    levels[l].visible = false;
  }
}

void Menu::openLevel(int level) {
  if (!open || level < 1 || level >= kLevels) return;
  Level& l = levels[level];
  if (level == 1) {
    l.top = 35;
    l.left = kTitleWidth * (levels[0].selected - 1) + 12;
  } else {
    const Level& above = levels[level - 1];
    l.top = above.top + kRowHeight * (above.selected - 1);
    l.left = above.left + panelWidth();
  }
  l.selected = 0;
  l.rows = countOf(level);
  l.visible = true;
}

void Menu::drawRowNormal(int level, int row) {
  const int index = entryOf(level, row);
  if (index >= 0 && entry(index).opensList()) hideBelow(level);
}

void Menu::drawRowHighlighted(int level, int row) {
  const int index = entryOf(level, row);
  if (index >= 0 && entry(index).opensList()) openLevel(level + 1);
}

void Menu::mouseMove(int level, int x, int y) {
  if (hoverMenu) hoverMenu();
  if (level == 0) {
    if (x < 0 || x >= kTitles * kTitleWidth) return;
    const int c = x / kTitleWidth + 1;
    Level& titles = levels[0];
    if (c == titles.selected) return;
    if (titles.selected != 0) titleLook[titles.selected] = TitleLook::Normal;
    hideBelow(0);
    titles.selected = c;
    const int index = entryOf(0, c);
    if (open && index >= 0 && entry(index).opensList()) {
      titleLook[c] = TitleLook::Pressed;
      hideBelow(0);
      openLevel(1);
    } else {
      titleLook[c] = TitleLook::Hover;
      open = false;
    }
    return;
  }
  Level& list = levels[level];
  if (!list.visible || x < 0 || y < 0 || y >= list.rows * kRowHeight) return;
  const int r = y / kRowHeight + 1;
  if (r == list.selected || entryOf(level, r) < 0) return;
  if (list.selected != 0) drawRowNormal(level, list.selected);
  list.selected = r;
  drawRowHighlighted(level, r);
}

void Menu::mouseDown(int level) {
  if (level == 0) {
    Level& titles = levels[0];
    if (open) {
      open = false;
      hideBelow(0);
    } else if (titles.selected != 0) {
      const int index = entryOf(0, titles.selected);
      if (index >= 0 && entry(index).opensList()) {
        open = true;
        openLevel(1);
      } else if (index >= 0) {
        titleLook[titles.selected] = TitleLook::Normal;
        titles.selected = 0;
        if (executeCommand) executeCommand(entry(index).command);
      }
    }
    if (titles.selected != 0) titleLook[titles.selected] = TitleLook::Pressed;
    return;
  }
  const int index = entryOf(level, levels[level].selected);
  if (index < 0 || entry(index).opensList()) return;
  hideBelow(0);
  open = false;
  if (levels[0].selected != 0) titleLook[levels[0].selected] = TitleLook::Normal;
  levels[0].selected = 0;
  if (executeCommand) executeCommand(entry(index).command);
}

void Menu::mouseUp(int level) {
  if (level == 0 && !open && levels[0].selected != 0) {
    titleLook[levels[0].selected] = TitleLook::Hover;
  }
}

void Menu::removeTitleHighlight() {
  Level& titles = levels[0];
  if (titles.selected != 0 && !open) {
    titleLook[titles.selected] = TitleLook::Normal;
    titles.selected = 0;
  }
}

void Menu::closeMenu() {
  menuKeyboardActive = false;
  hideBelow(0);
  open = false;
  removeTitleHighlight();
}

void Menu::moveCursorTo(int id) {
  menuCursorId = id;
  const int level = levelOf(id);
  const int p = id % 10;
  if (level == 0) {
    mouseMove(0, kTitleWidth * (p - 1) + 10, 10);
  } else {
    mouseMove(level, 10, kRowHeight * (p - 1) + 10);
  }
}

void Menu::menuKey(int key, std::string& message) {
  const int id = menuCursorId;
  const int l = levelOf(id);
  const int p = id % 10;
  switch (key) {
    case keys::kNone:
      menuCursorId = 1;
      mouseMove(0, 0, 0);
      message = "<ESC> sluiten";
      break;
    case keys::kEnter:
      if (id != 0) mouseDown(l);
      break;
    case keys::kEscape:
      closeMenu();
      menuCursorId = 0;
      break;
    case keys::kLeft:
      if (l == 0 && has(id - 1)) {
        moveCursorTo(id - 1);
      } else if ((l == 2 || l == 3) && levels[l - 1].visible) {
        const int target = id / 10 + p - 1;
        if (has(target)) {
          drawRowNormal(l, levels[l].selected);
          levels[l].selected = 0;
          moveCursorTo(target);
        }
      }
      break;
    case keys::kRight:
      if (l == 0 && has(id + 1)) {
        moveCursorTo(id + 1);
      } else if ((l == 1 || l == 2) && levels[l + 1].visible && has(id * 10 + 1)) {
        moveCursorTo(id * 10 + 1);
      }
      break;
    case keys::kUp:
      if (l == 1 && p == 1) {
        drawRowNormal(1, levels[1].selected);
        levels[1].selected = 0;
        menuCursorId = id / 10;
      } else if (l >= 1 && levels[l].visible && has(id - 1)) {
        moveCursorTo(id - 1);
      }
      break;
    case keys::kDown:
      if (l == 0) {
        if (levels[1].visible) {
          if (has(id * 10 + 1)) moveCursorTo(id * 10 + 1);
        } else {
          mouseDown(0);
        }
      } else if (has(id + 1)) {
        moveCursorTo(id + 1);
      }
      break;
    default:
      break;
  }
}

}  // namespace quorvel
