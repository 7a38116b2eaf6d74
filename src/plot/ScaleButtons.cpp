#include "plot/ScaleButtons.h"

#include <algorithm>

namespace quorvel {
namespace {

struct Place {
  int start;
  int length;
  int leftCommand;
  int rightCommand;
};

constexpr Place kPlacesTable[ScaleButtons::kPlaces] = {
    {560, 40, 13, 12}, {265, 40, 16, 17}, {215, 40, 17, 16}, {510, 40, 12, 13}, {560, 40, 14, 11},
    {265, 40, 18, 15}, {215, 40, 15, 18}, {510, 40, 11, 14}, {36, 20, 8, 8},    {396, 20, 9, 9},
    {756, 20, 10, 10}, {36, 20, 11, 11},  {396, 20, 12, 12}, {756, 20, 13, 13},
};

constexpr Colour kChevronNormal = rgb(0, 0, 160);
constexpr Colour kChevronLit = rgb(0, 160, 255);
constexpr Colour kGrey160 = rgb(160, 160, 160);
constexpr Colour kNone = 0xFFFFFFFFu;  // a segment that is not drawn

Colour grey(int level) {
  return rgb(level, level, level);
}

void line(Picture& picture, int x1, int y1, int x2, int y2, Colour colour) {
  if (colour == kNone) return;
  picture.setPen(colour);
  picture.moveTo(x1, y1);
  picture.lineTo(x2, y2);
}

// A chevron of three adjacent strokes with its tip at `tip` along the button, pointing
// towards larger positions when `forward`.
void chevron(Picture& button, bool horizontal, int near, bool forward, Colour colour) {
  for (int stroke = 0; stroke < 3; ++stroke) {
    const int base = forward ? near + stroke : near + 7 + stroke;
    const int tip = forward ? near + 7 + stroke : near + stroke;
    if (horizontal) {
      line(button, base, 3, tip, 10, colour);
      line(button, tip, 10, base, 17, colour);
    } else {
      line(button, 3, base, 10, tip, colour);
      line(button, 10, tip, 17, base, colour);
    }
  }
}

// A quadrant arrow: a small triangle pointing at the graph (up from the horizontal bar, left
// from the vertical one), on the bar's face.
Picture renderArrow(bool horizontal, Look look) {
  Picture arrow(20, 20);
  arrow.fillRect(0, 0, 20, 20, kBarFace);
  const Colour colour = look == Look::Normal  ? kChevronNormal
                        : look == Look::Hover ? kChevronLit
                                              : rgb(255, 0, 0);
  for (int i = 0; i < 8; ++i) {
    // Row (column) i of the triangle: from the tip outward.
    if (horizontal) {
      line(arrow, 10 - i, 4 + i, 11 + i, 4 + i, colour);
    } else {
      line(arrow, 4 + i, 10 - i, 4 + i, 11 + i, colour);
    }
  }
  if (look == Look::Pressed) {
    line(arrow, 0, 0, 19, 0, kBlack);
    line(arrow, 0, 0, 0, 19, kBlack);
  }
  return arrow;
}

}  // namespace

int ScaleButtons::hitTest(bool horizontal, int position) {
  for (int place = 0; place < kPlaces; ++place) {
    if (onHorizontalBar(place) != horizontal) continue;
    const Place& p = kPlacesTable[place];
    if (p.start < position && position < p.start + p.length) return place;
  }
  return -1;
}

int ScaleButtons::commandOf(int place, bool rightButton) {
  if (place < 0 || place >= kPlaces) return 0;
  return rightButton ? kPlacesTable[place].rightCommand : kPlacesTable[place].leftCommand;
}

Picture ScaleButtons::renderButton(int place, Look look) {
  const bool horizontal = onHorizontalBar(place);
  const int w = horizontal ? 40 : 20;
  const int h = horizontal ? 20 : 40;
  Picture button(w, h);
  button.fillRect(0, 0, w, h, kButtonTransparent);
  button.fillRect(1, 1, w - 1, h - 1, grey(192));

  // Bevel colours, outer segment first: top, bottom, left, right.
  struct Pair {
    Colour outer, inner;
  };
  Pair top, bottom, left, right;
  if (look == Look::Pressed) {
    top = {kBlack, kBlack};
    bottom = {kWhite, kWhite};
    left = {kBlack, kBlack};
    right = {kWhite, kWhite};
  } else if (horizontal) {
    top = {kGrey160, kNone};
    bottom = {kGrey160, kNone};
    left = {kWhite, kWhite};
    right = {kBlack, kBlack};
  } else {
    top = {kWhite, kWhite};
    bottom = {kBlack, kBlack};
    left = {kGrey160, kNone};
    right = {kGrey160, kNone};
  }
  line(button, 2, 0, w - 2, 0, top.outer);
  line(button, 1, 1, w - 1, 1, top.inner);
  line(button, 2, h - 1, w - 2, h - 1, bottom.outer);
  line(button, 1, h - 2, w - 1, h - 2, bottom.inner);
  line(button, 0, 2, 0, h - 2, left.outer);
  line(button, 1, 1, 1, h - 1, left.inner);
  line(button, w - 1, 2, w - 1, h - 2, right.outer);
  line(button, w - 2, 1, w - 2, h - 1, right.inner);

  // Chevron k points forward (right, down) when bit k of the place is 0.
  const Colour colour = look == Look::Normal ? kChevronNormal : kChevronLit;
  for (int k = 0; k < 2; ++k)
    chevron(button, horizontal, 7 + 18 * k, ((place >> k) & 1) == 0, colour);
  return button;
}

Picture ScaleButtons::render(bool horizontal) const {
  const int w = horizontal ? kScaleBarLength : kScaleBarThickness;
  const int h = horizontal ? kScaleBarThickness : kVerticalBarLength;
  Picture bar(w, h);
  bar.fillRect(0, 0, w, h, kBarFace);
  for (int i = 0; i < 5; ++i) {
    const Colour light = grey(0xE0 - 0x20 * i);
    const Colour dark = grey(0x70 + 0x20 * i);
    line(bar, i, h - 1 - i, i, i, light);                 // left
    line(bar, i, i, w - 1 - i, i, light);                 // top
    line(bar, w - 1 - i, i, w - 1 - i, h - 1 - i, dark);  // right
    line(bar, w - 1 - i, h - 1 - i, i, h - 1 - i, dark);  // bottom
  }
  for (int place = 0; place < kPlaces; ++place) {
    if (onHorizontalBar(place) != horizontal) continue;
    const int start = kPlacesTable[place].start;
    const int x = horizontal ? start : 0;
    const int y = horizontal ? 0 : start;
    if (isButton(place)) {
      bar.drawTransparent(renderButton(place, lookOf(place)), x, y, kButtonTransparent);
    } else {
      bar.drawTransparent(renderArrow(horizontal, lookOf(place)), x, y, kButtonTransparent);
    }
  }
  return bar;
}

bool CrossHair::moveTo(int column, int row) {
  if (column <= 0 || column >= kLastPixel || row <= 0 || row >= kLastPixel) {
    shown_ = false;
    return false;
  }
  if (!shown_) {  // shown again after being hidden: the labels start at their usual place
    dxX_ = 10;
    dyX_ = 20;
    dxY_ = 10;
    dyY_ = 40;
  }
  if (row < 60) {
    dyX_ = 10;
    dyY_ = 30;
  }
  if (row > 740) {
    dyX_ = -40;
    dyY_ = -20;
  }
  if (column < 100) dxX_ = dxY_ = 20;
  if (column > 700) dxX_ = dxY_ = -60;
  shown_ = true;
  column_ = column;
  row_ = row;
  return true;
}

int CrossHair::labelLeft(int anchorX, int toComma, int width) {
  return std::max(0, std::min(anchorX - toComma, kPictureSize - width));
}

}  // namespace quorvel
