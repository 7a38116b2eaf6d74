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

Picture::Picture(const Picture& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}

Picture& Picture::operator=(const Picture& other) {
  if (this == &other) return *this;  // its pixels are its own already, no copy needed
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = other.pixels_;
  penColour_ = other.penColour_;
  penStyle_ = other.penStyle_;
  penX_ = other.penX_;
  penY_ = other.penY_;
  dotPhase_ = other.dotPhase_;
  return *this;  // the record stays this picture's own
}

Colour Picture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  return pixels_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFFu;
}

void Picture::store(int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = kOpaque | colour;
}

void Picture::setPixel(int x, int y, Colour colour) {
  if (record_ && x >= 0 && y >= 0 && x < width_ && y < height_) record_->pixel(x, y, colour);
  store(x, y, colour);
}

void Picture::fillRect(int left, int top, int right, int bottom, Colour colour) {
  if (record_) {
    if (left <= 0 && top <= 0 && right >= width_ && bottom >= height_) record_->clear();
    record_->rect(left, top, right, bottom, colour);
  }
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
  store(x, y, penColour_);
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
  if (record_) {
    record_->line(penX_, penY_, x, y, penColour_, penStyle_ == PenStyle::Dotted, dotPhase_);
  }
  linePixels(penX_, penY_, x, y, [this](int px, int py) { plot(px, py); });
  penX_ = x;
  penY_ = y;
}

void Picture::drawTransparent(const Picture& source, int x, int y, Colour transparent) {
  if (record_) {
    record_->bitmap(x, y, {source.width_, source.height_, source.pixels_}, transparent);
  }
  for (int row = 0; row < source.height(); ++row) {
    for (int column = 0; column < source.width(); ++column) {
      const Colour colour = source.pixel(column, row);
      if (colour != transparent) store(x + column, y + row, colour);
    }
  }
}

void Picture::drawText(TextPainter& painter, int x, int y, std::string_view text, const Font& font,
                       Colour colour) {
  if (record_) record_->text(x, y, std::string(text), font, colour);
  painter.textOut(*this, x, y, text, font, colour);
}

}  // namespace quorvel
