#include "editor/FormulaEditor.h"

#include <algorithm>

#include "common/Keys.h"

namespace quorvel {
namespace {

// Brackets, "*", "+", ",", "-", ".", "/", digits, ":", ";", "=", letters and "^".
bool isFormulaCharacter(char c) {
  return (c >= '(' && c <= ';') || (c >= '<' && c <= '>') || (c >= 'A' && c <= 'Z') || c == '^' ||
         (c >= 'a' && c <= 'z');
}

}  // namespace

void FormulaEditor::fedInit(int boxWidth, int characterWidth) {
  characterWidth_ = std::max(1, characterWidth);
  visible_ = std::max(1, boxWidth / characterWidth_);
}

void FormulaEditor::fedKeyPress(char ch) {
  if (isFormulaCharacter(ch)) insert(ch, superscriptMode_);
}

void FormulaEditor::typeCharacter(char32_t c) {
  if (c < 0x80) {
    fedKeyPress(static_cast<char>(c));
    return;
  }
  char digit = 0;
  if (c == U'\u00B9') digit = '1';
  if (c == U'\u00B2') digit = '2';
  if (c == U'\u00B3') digit = '3';
  // Raised as Up raises: not as the first character, which a formula cannot start with.
  if (digit != 0) insert(digit, cursor_ > 1);
  // The comparison signs of one character as the two the box writes (a box cell holds one
  // byte, and graph files keep their texts in a code page without them).
  if (c == U'\u2264' || c == U'\u2265') {
    fedKeyPress(c == U'\u2264' ? '<' : '>');
    fedKeyPress('=');
  }
}

void FormulaEditor::insert(char ch, bool superscript) {
  if (count_ == kCapacity) return;
  std::copy_backward(characters_.begin() + cursor_ - 1, characters_.begin() + count_,
                     characters_.begin() + count_ + 1);
  characters_[cursor_ - 1] = {ch, superscript};
  ++count_;
  ++cursor_;
  if (cursor_ - first_ > visible_) ++first_;
}

void FormulaEditor::fedKeyDown(int key) {
  if (count_ == 0) return;
  switch (key) {
    case keys::kBackspace:
      if (cursor_ >= 2) {
        std::copy(characters_.begin() + cursor_ - 1, characters_.begin() + count_,
                  characters_.begin() + cursor_ - 2);
        characters_[count_ - 1] = {};
        --count_;
        --cursor_;
        if (cursor_ <= first_) --first_;
        superscriptMode_ = flagAt(cursor_ - 1);
      }
      break;
    case keys::kDelete:
      if (cursor_ <= count_) {
        std::copy(characters_.begin() + cursor_, characters_.begin() + count_,
                  characters_.begin() + cursor_ - 1);
        characters_[count_ - 1] = {};
        --count_;
        superscriptMode_ = cursor_ > 1 && flagAt(cursor_);
      }
      break;
    case keys::kHome:
      first_ = 0;
      cursor_ = 1;
      superscriptMode_ = false;
      break;
    case keys::kEnd:
      superscriptMode_ = flagAt(cursor_ - 1);
      if (count_ >= visible_) first_ = count_ - visible_ + 1;
      cursor_ = count_ + 1;
      break;
    case keys::kLeft:
      if (cursor_ > 1) {
        --cursor_;
        if (cursor_ <= first_) --first_;
        superscriptMode_ = cursor_ > 1 && flagAt(cursor_);
      }
      break;
    case keys::kRight:
      if (cursor_ <= count_) {
        ++cursor_;
        if (cursor_ - first_ > visible_) ++first_;
        superscriptMode_ = flagAt(cursor_);
      }
      break;
    case keys::kUp:
      if (cursor_ > 1) superscriptMode_ = true;  // a formula cannot start with a superscript
      break;
    case keys::kDown:
      superscriptMode_ = false;
      break;
    default:
      break;
  }
}

void FormulaEditor::fedClear() {
  characters_.fill({});
  count_ = 0;
  cursor_ = 1;
  first_ = 0;
  superscriptMode_ = false;
  overflow_ = false;
}

std::string FormulaEditor::fedGetText() const {
  std::string text;
  bool previous = false;
  for (int i = 1; i <= count_; ++i) {
    const Character& c = at(i);
    if (c.superscript && !previous) text += "^(";
    if (!c.superscript && previous) text += ')';
    text += c.ch;
    previous = c.superscript;
  }
  if (previous) text += ')';
  return text;
}

void FormulaEditor::add(char ch, bool superscript) {
  // A stored text can be longer than the box holds (a graph file allows 255 characters).
  if (count_ == kCapacity) {
    overflow_ = true;
    return;
  }
  characters_[count_++] = {ch, superscript};
}

bool FormulaEditor::fedSetText(std::string_view text) {
  const FormulaEditor before = *this;
  fedClear();
  enum { Normal, AfterCaret, Superscript } state = Normal;
  int depth = 0;
  for (char c : text) {
    switch (state) {
      case Normal:
        if (c == '^') {
          state = AfterCaret;
        } else {
          add(c, false);
        }
        break;
      case AfterCaret:
        if (c == '(') {
          state = Superscript;
          depth = 1;
        } else {
          add('^', false);
          add(c, false);
          state = Normal;
        }
        break;
      case Superscript:
        if (c == '(') {
          ++depth;
          add(c, true);
        } else if (c == ')') {
          if (--depth > 0) {
            add(c, true);
          } else {
            state = Normal;
          }
        } else {
          add(c, true);
        }
        break;
    }
  }
  if (state == AfterCaret) add('^', false);  // a "^" at the very end stays a character
  if (!overflow_) return true;
  *this = before;
  return false;
}

void FormulaEditor::placeCursor(int x) {
  const int cell = std::max(0, x) / characterWidth_;
  cursor_ = std::clamp(first_ + cell + 1, 1, count_ + 1);
  superscriptMode_ = flagAt(cursor_ - 1);
}

}  // namespace quorvel
