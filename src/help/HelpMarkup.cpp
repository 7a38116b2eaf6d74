#include "help/HelpMarkup.h"

#include <algorithm>
#include <string_view>

namespace quorvel {
namespace {

constexpr Colour kHeading = fromBgr(0x0000A0);
constexpr Colour kBlue = fromBgr(0xFF0000);
constexpr Colour kMarking = fromBgr(0xD8D8D8);
constexpr Colour kFrame = fromBgr(0x707070);
constexpr Colour kTransparent = kWhite;

// What the codes set; every line starts plain.
struct Style {
  Font font{"arial", 20, false, false};
  Colour colour = kBlack;
  bool marked = false;
  int yOffset = 5;
};

// The UTF-8 character that starts at `i`, whole.
size_t characterLength(const std::string& s, size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  length = std::min(length, s.size() - i);
  for (size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return k;
  }
  return length;
}

Picture makeLinkMarker() {
  Picture marker(kHelpMarkerWidth, kHelpLineHeight);
  marker.fillRect(5, 5, 15, 13, kBlue);   // the shaft
  for (int row = 13; row <= 20; ++row) {  // the head, narrowing from 16 to 2 pixels
    const int half = (16 - 2 * (row - 13)) / 2;
    marker.fillRect(10 - half, row, 10 + half, row + 1, kBlue);
  }
  return marker;
}

Picture makeAnchorMarker() {
  Picture marker(kHelpMarkerWidth, kHelpLineHeight);
  // A filled ellipse in (5, 8)..(18, 15).
  const double cx = 11.5, cy = 11, rx = 6.5, ry = 3.5;
  for (int y = 8; y < 15; ++y) {
    for (int x = 5; x < 18; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1) marker.setPixel(x, y, kBlue);
    }
  }
  return marker;
}

// One line, character by character: plain text, the character after a backslash, or the name
// of a link or an anchor.
class LineLayout {
 public:
  LineLayout(int y, TextPainter& text, Picture* page) : y_(y), text_(text), page_(page) {}

  std::vector<HelpMarker> run(const std::string& line) {
    for (size_t i = 0; i < line.size();) {
      const size_t length = characterLength(line, i);
      const std::string_view ch(line.data() + i, length);
      i += length;
      if (state_ == State::Text) {
        textCharacter(ch);
      } else if (state_ == State::Code) {
        codeCharacter(ch);
      } else {
        nameCharacter(ch);
      }
    }
    return std::move(markers_);
  }

 private:
  enum class State { Text, Code, Name };

  void textCharacter(std::string_view ch) {
    if (ch == "\\") {
      state_ = State::Code;
      return;
    }
    const int width = text_.textWidth(ch, style_.font);
    const int advance = static_cast<int>(1.1 * width) + 1;
    if (page_) {
      const int top = y_ + style_.yOffset;
      if (style_.marked) page_->fillRect(x_, top, x_ + advance, top + style_.font.height, kMarking);
      text_.textOut(*page_, x_, top, ch, style_.font, style_.colour);
    }
    x_ += advance;
    if (frameOpen_) extendFrame();
  }

  void codeCharacter(std::string_view ch) {
    state_ = State::Text;
    if (ch == "@" || ch == "#") {
      const bool link = ch == "@";
      marker_ = {link ? HelpMarker::Kind::Link : HelpMarker::Kind::Anchor, "", x_};
      if (page_) {
        page_->drawTransparent(link ? helpLinkMarker() : helpAnchorMarker(), x_, y_, kTransparent);
      }
      x_ += kHelpMarkerWidth;
      state_ = State::Name;
    } else if (ch.size() == 1) {
      styleCode(ch[0]);
      if (ch[0] == '[') frameCode();
    }
  }

  // A name ends at ";" or a blank; a backslash abandons it and starts a code.
  void nameCharacter(std::string_view ch) {
    if (ch == ";" || ch == " ") {
      if (!marker_.name.empty()) markers_.push_back(marker_);
      state_ = State::Text;
    } else if (ch == "\\") {
      state_ = State::Code;
    } else {
      marker_.name += ch;
    }
  }

  void styleCode(char code) {
    switch (code | 0x20) {  // case-insensitive
      case 'h':
        style_.colour = kHeading;
        style_.font.height = 25;
        style_.yOffset = 0;
        break;
      case 'f':
        style_.font.bold = true;
        break;
      case 'i':
        style_.font.italic = true;
        style_.colour = kBlue;
        break;
      case 'n':
        style_ = Style{};
        frameOpen_ = false;
        break;
      case 'l':
        style_.font.height = 25;
        style_.yOffset = 0;
        break;
      case 's':
        style_.font.height = 15;
        style_.yOffset = 12;
        break;
      case 'p':
        style_.font.height = 15;
        style_.yOffset = 0;
        break;
      case 'c':
        style_.font.name = "courier new";
        break;
      case 'm':
        style_.marked = true;
        break;
      case 't':
        x_ = (x_ / 100 + 1) * 100;
        break;
      default:
        break;
    }
  }

  // "\[" opens a button's frame with its left edge, and closes it with its right edge.
  void frameCode() {
    x_ += 5;
    if (!frameOpen_) {
      frameStart_ = x_;
      frameLine(x_, x_ + 2, y_ + 3, y_ + 25);  // the left edge
    } else {
      extendFrame();
      frameLine(x_, x_ + 2, y_ + 1, y_ + 25);  // the right edge
    }
    frameOpen_ = !frameOpen_;
    x_ += 5;
  }

  void frameLine(int x0, int x1, int top, int bottom) {
    if (page_ && x1 > x0 && bottom > top) page_->fillRect(x0, top, x1, bottom, kFrame);
  }

  // The frame's top and bottom edges, two pixels each, from where they were last drawn.
  void extendFrame() {
    frameLine(frameStart_, x_, y_ + 1, y_ + 3);
    frameLine(frameStart_, x_, y_ + 23, y_ + 25);
    frameStart_ = x_;
  }

  const int y_;
  TextPainter& text_;
  Picture* const page_;
  Style style_;
  int x_ = 5;
  bool frameOpen_ = false;
  int frameStart_ = 0;
  State state_ = State::Text;
  HelpMarker marker_;
  std::vector<HelpMarker> markers_;
};

}  // namespace

std::vector<HelpMarker> layOutHelpLine(const std::string& line, int y, TextPainter& text,
                                       Picture* page) {
  return LineLayout(y, text, page).run(line);
}

const Picture& helpLinkMarker() {
  static const Picture marker = makeLinkMarker();
  return marker;
}

const Picture& helpAnchorMarker() {
  static const Picture marker = makeAnchorMarker();
  return marker;
}

}  // namespace quorvel
