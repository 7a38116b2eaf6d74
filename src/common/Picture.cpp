#include "common/Picture.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel {
namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

}  // namespace

Picture::Picture(int width, int height)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, kOpaque | kWhite) {}

Colour Picture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return pixels_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFFu;
}

void Picture::setPixel(int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = kOpaque | colour;
}

void Picture::fillRect(int left, int top, int right, int bottom, Colour colour) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_);
  bottom = std::min(bottom, height_);
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = pixels_.data() + static_cast<size_t>(y) * width_;
    std::fill(row + left, row + std::max(left, right), kOpaque | colour);
  }
}

void Picture::setPen(Colour colour, PenStyle style) {
  penColour_ = colour;
  penStyle_ = style;
}

void Picture::moveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
  dotPhase_ = 0;
}

void Picture::plot(int x, int y) {
  if (penStyle_ == PenStyle::Dotted && (dotPhase_++ & 1)) return;
  setPixel(x, y, penColour_);
}

// Bresenham from the pen position towards (x, y), every pixel but the last.
void Picture::bevel(int left, int top, int right, int bottom, Colour light, Colour dark) {
  setPen(light);
  moveTo(right, top);
  lineTo(left, top);
  lineTo(left, bottom);
  setPen(dark);
  lineTo(right, bottom);
  lineTo(right, top);
}

void Picture::lineTo(int x, int y) {
  int x0 = penX_;
  int y0 = penY_;
  const int dx = std::abs(x - x0);
  const int dy = -std::abs(y - y0);
  const int sx = x0 < x ? 1 : -1;
  const int sy = y0 < y ? 1 : -1;
  int error = dx + dy;
  while (x0 != x || y0 != y) {
    plot(x0, y0);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
  penX_ = x;
  penY_ = y;
}

void Picture::drawTransparent(const Picture& source, int x, int y, Colour transparent) {
  for (int row = 0; row < source.height(); ++row) {
    for (int column = 0; column < source.width(); ++column) {
      const Colour colour = source.pixel(column, row);
      if (colour != transparent) setPixel(x + column, y + row, colour);
    }
  }
}

}  // namespace quorvel
