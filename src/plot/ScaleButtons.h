#pragma once
// The two scale bars beside the graph with their eight scroll and zoom buttons and six
// quadrant arrows, and the cross-hair over the graph: hit tests, the commands of the places,
// their looks, and the bars drawn as bitmaps the window shows.

#include <string>

#include "common/Picture.h"

namespace quorvel {

constexpr int kScaleBarLength = 810;  // the horizontal bar; the vertical one is 812 high
constexpr int kVerticalBarLength = 812;
constexpr int kScaleBarThickness = 20;
constexpr Colour kBarFace = rgb(240, 240, 240);

enum class Look { Normal = 0, Hover = 1, Pressed = 2 };

class ScaleButtons {
 public:
  // Places 0..3 and 8..10 lie on the horizontal bar, 4..7 and 11..13 on the vertical one;
  // 0..7 are buttons, 8..13 quadrant arrows.
  static constexpr int kPlaces = 14;
  static bool isButton(int place) { return place >= 0 && place < 8; }
  static bool onHorizontalBar(int place) { return place <= 3 || (place >= 8 && place <= 10); }

  // The place at `position` along a bar (x on the horizontal, y on the vertical), or -1.
  static int hitTest(bool horizontal, int position);
  // The scroll/zoom command of a button (the right button gives the opposite one), or the
  // axis-position code of an arrow.
  static int commandOf(int place, bool rightButton);

  int hovered = -1;
  int pressed = -1;

  Look lookOf(int place) const {
    if (place == pressed) return Look::Pressed;
    if (place == hovered) return Look::Hover;
    return Look::Normal;
  }

  // The whole bar, bevels, arrows and buttons in their present looks.
  Picture render(bool horizontal) const;
  // One button as the bar shows it: 40 x 20 (horizontal) or 20 x 40, its transparent
  // background in kButtonTransparent.
  static Picture renderButton(int place, Look look);
  static constexpr Colour kButtonTransparent = rgb(16, 16, 16);
};

// The cross-hair's place and where its two coordinate labels go.
class CrossHair {
 public:
  // The mouse at (column, row) of the graph. False when no cross-hair is shown there (the
  // edges of the picture).
  bool moveTo(int column, int row);
  void hide() { shown_ = false; }
  bool shown() const { return shown_; }
  int column() const { return column_; }
  int row() const { return row_; }
  // Label anchors: the decimal comma of each label lines up at x, the text's top at y.
  int xLabelX() const { return column_ + dxX_; }
  int xLabelY() const { return row_ + dyX_; }
  int yLabelX() const { return column_ + dxY_; }
  int yLabelY() const { return row_ + dyY_; }
  // Left edge of a label whose comma lines up at `anchorX`: `toComma` is the width of its
  // text up to and including the comma, `width` that of the whole text. Near an edge the
  // label moves inside the picture rather than losing its digits or its sign.
  static int labelLeft(int anchorX, int toComma, int width);

 private:
  bool shown_ = false;
  int column_ = 0;
  int row_ = 0;
  int dxX_ = 10, dyX_ = 20, dxY_ = 10, dyY_ = 40;
};

}  // namespace quorvel
