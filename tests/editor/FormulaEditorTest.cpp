// The formula edit box's model: typing, superscripts, the text for the translator, loading a
// text back, and scrolling.

#include <gtest/gtest.h>

#include "common/Keys.h"
#include "editor/FormulaEditor.h"

namespace quorvel {
namespace {

class Editor : public ::testing::Test {
 protected:
  FormulaEditor editor;
  void SetUp() override { editor.fedInit(833, 11); }
  void type(std::string_view keysAndText) {
    for (char c : keysAndText) {
      if (c == '\x01') {
        editor.fedKeyDown(keys::kUp);
      } else if (c == '\x02') {
        editor.fedKeyDown(keys::kDown);
      } else {
        editor.fedKeyPress(c);
      }
    }
  }
  std::string flags() const {
    std::string f;
    for (int i = 1; i <= editor.count(); ++i)
      f += editor.at(i).superscript ? '^' : '.';
    return f;
  }
};

TEST_F(Editor, SuperscriptsBecomeBracketedPowers) {
  type(
      "y=x\x01"
      "2\x02+1");
  EXPECT_EQ(editor.fedGetText(), "y=x^(2)+1");
  editor.fedClear();
  type(
      "y=x\x01"
      "3");
  EXPECT_EQ(editor.fedGetText(), "y=x^(3)");
  editor.fedClear();
  type("y=e\x01-x\x01\x02/2");  // Up while already superscript stays superscript
  EXPECT_EQ(editor.fedGetText(), "y=e^(-x)/2");
}

// The keys "²" and "³" (and "¹") raise their digit as Up and the digit do; the mode stays.
TEST_F(Editor, SuperscriptCharactersRaiseTheirDigit) {
  for (char c : std::string_view("y=x"))
    editor.typeCharacter(static_cast<unsigned char>(c));
  editor.typeCharacter(U'²');
  EXPECT_FALSE(editor.superscriptMode());
  editor.typeCharacter(U'+');
  editor.typeCharacter(U'x');
  editor.typeCharacter(U'³');
  editor.typeCharacter(U'¹');
  EXPECT_EQ(editor.fedGetText(), "y=x^(2)+x^(31)");
  EXPECT_EQ(flags(), "...^..^^");

  // Typed while superscript: one more raised digit in the run.
  editor.fedClear();
  type("y=2\x01x");
  editor.typeCharacter(U'²');
  EXPECT_TRUE(editor.superscriptMode());
  EXPECT_EQ(editor.fedGetText(), "y=2^(x2)");

  // Not as the first character, as Up does not raise there; other characters stay ignored.
  editor.fedClear();
  editor.typeCharacter(U'²');
  for (char32_t c : {U'π', U'ë', U'€', U'\u00B4', U'\u2074', U'\n'})
    editor.typeCharacter(c);
  EXPECT_EQ(editor.fedGetText(), "2");
}

TEST_F(Editor, OnlyFormulaCharactersAreTaken) {
  type("y = x<2>#$");
  EXPECT_EQ(editor.fedGetText(), "y=x<2>");  // the comparison signs of inequalities
  type("(),.;:*+-/^AZaz09");
  EXPECT_EQ(editor.count(), 6 + 17);
}

// "≤" and "≥", typed or pasted, are the two characters the translator also reads.
TEST_F(Editor, ComparisonCharactersBecomeTwo) {
  for (char32_t c : {U'0', U'\u2264', U'y', U'\u2264', U'x'})
    editor.typeCharacter(c);
  EXPECT_EQ(editor.fedGetText(), "0<=y<=x");
  editor.fedClear();
  for (char32_t c : {U'y', U'\u2265', U'1'})
    editor.typeCharacter(c);
  EXPECT_EQ(editor.fedGetText(), "y>=1");
}

TEST_F(Editor, UpNeedsACharacterBeforeTheCursor) {
  editor.fedKeyDown(keys::kUp);
  EXPECT_FALSE(editor.superscriptMode());
  type("y");
  editor.fedKeyDown(keys::kHome);
  editor.fedKeyDown(keys::kUp);
  EXPECT_FALSE(editor.superscriptMode());
  editor.fedKeyDown(keys::kEnd);
  editor.fedKeyDown(keys::kUp);
  EXPECT_TRUE(editor.superscriptMode());
}

TEST_F(Editor, AtMostTwoHundredCharacters) {
  for (int i = 0; i < 201; ++i)
    editor.fedKeyPress(i < 200 ? 'x' : 'y');
  EXPECT_EQ(editor.count(), 200);
  EXPECT_EQ(editor.fedGetText(), std::string(200, 'x'));
}

TEST_F(Editor, EditingKeys) {
  type("y=abc");
  editor.fedKeyDown(keys::kLeft);
  editor.fedKeyDown(keys::kLeft);
  EXPECT_EQ(editor.cursor(), 4);
  editor.fedKeyDown(keys::kBackspace);  // the character before the cursor
  EXPECT_EQ(editor.fedGetText(), "y=bc");
  editor.fedKeyDown(keys::kDelete);
  EXPECT_EQ(editor.fedGetText(), "y=c");
  editor.fedKeyPress('7');
  EXPECT_EQ(editor.fedGetText(), "y=7c");
  editor.fedKeyDown(keys::kHome);
  editor.fedKeyDown(keys::kBackspace);  // nothing before the cursor
  EXPECT_EQ(editor.fedGetText(), "y=7c");
  editor.fedKeyDown(keys::kRight);
  EXPECT_EQ(editor.cursor(), 2);
  editor.fedKeyDown(keys::kEnd);
  EXPECT_EQ(editor.cursor(), 5);
  editor.fedKeyDown(keys::kDelete);  // nothing at the cursor
  EXPECT_EQ(editor.count(), 4);
}

TEST_F(Editor, ModeFollowsTheCharactersAroundTheCursor) {
  type(
      "x\x01"
      "23\x02+1");
  editor.fedKeyDown(keys::kLeft);  // at "1"
  editor.fedKeyDown(keys::kLeft);  // at "+"
  EXPECT_FALSE(editor.superscriptMode());
  editor.fedKeyDown(keys::kLeft);  // at "3"
  EXPECT_TRUE(editor.superscriptMode());
  editor.fedKeyPress('9');
  EXPECT_EQ(editor.fedGetText(), "x^(293)+1");
  editor.fedKeyDown(keys::kEnd);
  editor.fedKeyDown(keys::kBackspace);
  editor.fedKeyDown(keys::kBackspace);  // the "+": the one before is superscript
  EXPECT_TRUE(editor.superscriptMode());
}

TEST_F(Editor, LoadingATextBack) {
  editor.fedSetText("y=x^(2)+1");
  EXPECT_EQ(flags(), "...^..");
  EXPECT_EQ(editor.fedGetText(), "y=x^(2)+1");
  EXPECT_EQ(editor.cursor(), 1);
  editor.fedSetText("x^2");
  EXPECT_EQ(flags(), "...");
  EXPECT_EQ(editor.fedGetText(), "x^2");
  editor.fedSetText("x^((a+1)b)");
  EXPECT_EQ(flags(), ".^^^^^^");
  EXPECT_EQ(editor.fedGetText(), "x^((a+1)b)");
  editor.fedSetText("^(2)x");
  EXPECT_EQ(flags(), "^.");
  editor.fedSetText("y=x^");
  EXPECT_EQ(editor.fedGetText(), "y=x^");
}

TEST_F(Editor, ATextLongerThanTheBoxIsNotCut) {
  EXPECT_TRUE(editor.fedSetText("y=x^(2)"));
  EXPECT_FALSE(editor.fedSetText("y=" + std::string(199, 'x')));
  EXPECT_EQ(editor.fedGetText(), "y=x^(2)");  // the box as it was
  // The box counts characters, not text: "^(" and ")" take no place of their own.
  EXPECT_TRUE(editor.fedSetText("y=" + std::string(196, 'x') + "^(22)"));
  EXPECT_EQ(editor.count(), 200);
  EXPECT_FALSE(editor.fedSetText("y=" + std::string(196, 'x') + "^(223)"));
  EXPECT_EQ(editor.count(), 200);
  // Typing after a refused text works as before.
  editor.fedClear();
  editor.fedKeyPress('y');
  EXPECT_EQ(editor.fedGetText(), "y");
}

TEST_F(Editor, ScrollsOneCharacterAtATime) {
  editor.fedInit(110, 11);  // ten cells
  type("y=123456789");
  EXPECT_EQ(editor.count(), 11);
  EXPECT_EQ(editor.first(), 2);  // the cursor (position 12) stays visible
  editor.fedKeyDown(keys::kHome);
  EXPECT_EQ(editor.first(), 0);
  for (int i = 0; i < 10; ++i)
    editor.fedKeyDown(keys::kRight);
  EXPECT_EQ(editor.first(), 1);
  for (int i = 0; i < 10; ++i)
    editor.fedKeyDown(keys::kLeft);
  EXPECT_EQ(editor.cursor(), 1);
  EXPECT_EQ(editor.first(), 0);
  editor.placeCursor(3 * 11 + 5);
  EXPECT_EQ(editor.cursor(), 4);
  editor.placeCursor(500);
  EXPECT_EQ(editor.cursor(), 12);
}

}  // namespace
}  // namespace quorvel
