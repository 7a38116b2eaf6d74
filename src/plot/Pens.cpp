#include "plot/Pens.h"

namespace quorvel {

bool Between(double a, double b, double c) {
  return (c < b && b < a) || (a <= b && b <= c);
}

void LinePen::penTo(Picture& picture, const ScaleState& scale, bool valid, int position,
                    double value) {
  if (!valid) {
    region_ = kPenUp;
    return;
  }
  // The window's range along the sampled value, and the pixel of each edge: for columns
  // the top (row 0) comes first, for rows the right edge (column 800).
  const double firstEdgeValue = rows_ ? scale.columnWorldX[kLastPixel] : scale.rowWorldY[0];
  const double secondEdgeValue = rows_ ? scale.columnWorldX[0] : scale.rowWorldY[kLastPixel];
  const int firstEdge = rows_ ? kLastPixel : 0;
  const int secondEdge = rows_ ? 0 : kLastPixel;

  uint8_t current = 0;
  int pixel = 0;
  if (value > firstEdgeValue) {
    current = 1;
  } else if (value < secondEdgeValue) {
    current = 2;
  } else {
    pixel = rows_ ? scale.WorldToColumn(value) : scale.WorldToRow(value);
  }
  auto moveTo = [&](int at) {
    rows_ ? picture.moveTo(at, position) : picture.moveTo(position, at);
  };
  auto lineTo = [&](int at) {
    rows_ ? picture.lineTo(at, position) : picture.lineTo(position, at);
  };

  switch ((region_ & 0xF0) | current) {
    case 0x00:
      lineTo(pixel);
      break;
    case 0x01:
      lineTo(firstEdge);
      break;
    case 0x02:
      lineTo(secondEdge);
      break;
    case 0x10:
      moveTo(firstEdge);
      lineTo(pixel);
      break;
    case 0x12:
    case 0x21:
      moveTo(firstEdge);
      lineTo(secondEdge);
      break;
    case 0x20:
      moveTo(secondEdge);
      lineTo(pixel);
      break;
    case 0x11:
    case 0x51:
      if (value > lastValue_) current |= 4;
      break;
    case 0x22:
    case 0x62:
      if (value < lastValue_) current |= 4;
      break;
    // Back inside straight after moving away (a pole between two samples): the returning
    // sample is not joined to the edge where the curve left; the curve starts again there.
    case 0x50:
    case 0x60:
    case 0x80:
      moveTo(pixel);
      break;
    default:
      break;  // for example 0x52, 0x61: across a pole, nothing is drawn
  }
  region_ = static_cast<uint8_t>((current & 0x0F) << 4);
  lastValue_ = value;
}

void PointPen::penTo(Picture& picture, const ScaleState& scale, bool valid, double x, double y) {
  if (!valid) {
    started_ = false;
    lastInside_ = false;
    return;
  }
  const double left = scale.columnWorldX[0];
  const double right = scale.columnWorldX[kLastPixel];
  const double top = scale.rowWorldY[0];
  const double bottom = scale.rowWorldY[kLastPixel];
  const bool insideY = Between(top, y, bottom);
  const bool insideX = Between(left, x, right);
  const bool inside = insideX && insideY;
  const int column = insideX ? scale.WorldToColumn(x) : 0;
  const int row = insideY ? scale.WorldToRow(y) : 0;

  auto remember = [&](bool started) {
    started_ = started;
    lastInside_ = inside;
    lastX_ = x;
    lastY_ = y;
  };

  if (!inside && !lastInside_ && (Between(x, lastX_, left) || Between(y, lastY_, top))) {
    remember(false);  // both outside on the same side: the next point starts a new piece
    return;
  }
  if (inside && lastInside_) {
    picture.lineTo(column, row);
  } else if (!started_) {
    if (inside) picture.moveTo(column, row);
  } else {
    // One or both ends outside: find where the segment crosses the window's edges.
    int k = lastInside_ ? 1 : inside ? 2 : 0;
    const double dy = y - lastY_ != 0 ? y - lastY_ : 0.00000001;
    const double dx = x - lastX_ != 0 ? x - lastX_ : 0.00000001;
    const double slope = dy / dx;
    int firstColumn = 0, firstRow = 0, secondColumn = 0, secondRow = 0;
    auto crossing = [&](int crossColumn, int crossRow) {
      k += 4;
      if (k <= 4) {
        firstColumn = crossColumn;
        firstRow = crossRow;
      } else {
        secondColumn = crossColumn;
        secondRow = crossRow;
      }
    };
    const double xTop = (top - y) / slope + x;
    if (k <= 4 && Between(left, xTop, right) && Between(y, top, lastY_)) {
      crossing(scale.WorldToColumn(xTop), 0);
    }
    const double xBottom = (bottom - y) / slope + x;
    if (k <= 4 && Between(left, xBottom, right) && Between(y, bottom, lastY_)) {
      crossing(scale.WorldToColumn(xBottom), kLastPixel);
    }
    const double yLeft = (left - x) * slope + y;
    if (k <= 4 && Between(top, yLeft, bottom) && Between(x, left, lastX_)) {
      crossing(0, scale.WorldToRow(yLeft));
    }
    const double yRight = (right - x) * slope + y;
    if (k <= 4 && Between(top, yRight, bottom) && Between(x, right, lastX_)) {
      crossing(kLastPixel, scale.WorldToRow(yRight));
    }
    // With one end inside the first crossing is the one; with both outside the second.
    if (k == 5) {
      picture.lineTo(secondColumn, secondRow);
    } else if (k == 6) {
      picture.moveTo(secondColumn, secondRow);
      picture.lineTo(column, row);
    } else if (k == 8) {
      picture.moveTo(secondColumn, secondRow);
      picture.lineTo(firstColumn, firstRow);
    }
  }
  remember(true);
}

}  // namespace quorvel
