#pragma once
// The formula edit box without its window: up to 200 characters, each written normal or as
// superscript, a cursor and a scroll offset. Up and Down switch superscript writing on and
// off; the text for the translator writes a superscript run as "^(" ... ")".

#include <array>
#include <string>
#include <string_view>

namespace quorvel {

class FormulaEditor {
 public:
  static constexpr int kCapacity = 200;
  // The longest formula text, in characters, that may be plotted: a graph file keeps a text
  // of at most 255 bytes in its code page, one byte a character. Superscript runs add "^("
  // and ")", so 200 characters in the box can make a longer text, which would plot but
  // never save.
  static constexpr size_t kMaxTextLength = 255;

  struct Character {
    char ch = 0;
    bool superscript = false;
  };

  // Cells that fit a box `boxWidth` pixels wide with characters `characterWidth` wide.
  void fedInit(int boxWidth, int characterWidth);

  void fedKeyDown(int key);   // editing keys: Backspace, Delete, Home, End, arrows
  void fedKeyPress(char ch);  // a typed character; only formula characters are taken
  // A character typed or pasted, as a code point: what fedKeyPress takes, "¹", "²", "³"
  // (keys many keyboards have) as the digit raised, as Up and the digit give it, the
  // superscript mode left as it was, and "≤", "≥" as "<=", ">=". Everything else is ignored.
  void typeCharacter(char32_t c);
  void fedClear();
  std::string fedGetText() const;
  // Loads a formula text. False, and the box unchanged, when it holds more characters than
  // the box.
  bool fedSetText(std::string_view text);
  // Puts the cursor in the cell at `x` pixels from the box's left edge (a mouse click).
  void placeCursor(int x);

  int count() const { return count_; }
  int cursor() const { return cursor_; }  // 1..count+1: the next character goes here
  int first() const { return first_; }    // characters scrolled out on the left
  int visible() const { return visible_; }
  int characterWidth() const { return characterWidth_; }
  bool superscriptMode() const { return superscriptMode_; }
  const Character& at(int position) const { return characters_[position - 1]; }  // 1-based

 private:
  bool flagAt(int position) const {
    return position >= 1 && position <= count_ && at(position).superscript;
  }
  void add(char ch, bool superscript);
  void insert(char ch, bool superscript);

  std::array<Character, kCapacity> characters_{};
  int count_ = 0;
  int cursor_ = 1;
  int first_ = 0;
  bool superscriptMode_ = false;
  bool overflow_ = false;  // fedSetText met more characters than the box holds
  int characterWidth_ = 11;
  int visible_ = 75;
};

}  // namespace quorvel
