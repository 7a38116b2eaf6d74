#include "help/HelpPage.h"

#include <algorithm>
#include <cmath>

namespace quorvel {
namespace {

constexpr Colour kPageColour = fromBgr(0xF0FFFF);
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
  Picture marker(HelpPage::kMarkerWidth, HelpPage::kLineHeight);
  marker.fillRect(5, 5, 15, 13, kBlue);   // the shaft
  for (int row = 13; row <= 20; ++row) {  // the head, narrowing from 16 to 2 pixels
    const int half = (16 - 2 * (row - 13)) / 2;
    marker.fillRect(10 - half, row, 10 + half, row + 1, kBlue);
  }
  return marker;
}

Picture makeAnchorMarker() {
  Picture marker(HelpPage::kMarkerWidth, HelpPage::kLineHeight);
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

}  // namespace

const Picture& HelpPage::linkMarker() {
  static const Picture marker = makeLinkMarker();
  return marker;
}

const Picture& HelpPage::anchorMarker() {
  static const Picture marker = makeAnchorMarker();
  return marker;
}

HelpPage::HelpPage(TextPainter& text) : text_(text) {}

void HelpPage::setText(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  topLine = 0;
  buildLinks();
}

int HelpPage::scrollMaximum() const {
  const int count = static_cast<int>(lines_.size());
  return count > kVisibleLines - 1 ? count - kVisibleLines : 0;
}

namespace {

constexpr int kWheelLines = 3;

}  // namespace

int HelpPage::scrolled(Scroll how) const {
  const int page = kVisibleLines - 1;
  int line = topLine;
  switch (how) {
    case Scroll::LineUp:
      line -= 1;
      break;
    case Scroll::LineDown:
      line += 1;
      break;
    case Scroll::PageUp:
      line -= page;
      break;
    case Scroll::PageDown:
      line += page;
      break;
    case Scroll::Top:
      line = 0;
      break;
    case Scroll::End:
      line = scrollMaximum();
      break;
  }
  return std::clamp(line, 0, scrollMaximum());
}

int HelpPage::scrolledByWheel(int notches) const {
  return std::clamp(topLine - kWheelLines * notches, 0, scrollMaximum());
}

std::vector<HelpPage::Marker> HelpPage::layOut(int index, int y, Picture* page) {
  std::vector<Marker> markers;
  Style style;
  int x = 5;
  bool frameOpen = false;
  int frameStart = 0;
  enum class State { Text, Code, Name } state = State::Text;
  Marker marker{MarkerKind::Link, "", 0};

  auto frameLine = [&](int x0, int x1, int top, int bottom) {
    if (page && x1 > x0 && bottom > top) page->fillRect(x0, top, x1, bottom, kFrame);
  };
  // The frame's top and bottom edges, two pixels each, from where they were last drawn.
  auto extendFrame = [&] {
    frameLine(frameStart, x, y + 1, y + 3);
    frameLine(frameStart, x, y + 23, y + 25);
    frameStart = x;
  };
  auto applyCode = [&](char code) {
    switch (code | 0x20) {  // case-insensitive
      case 'h':
        style.colour = kHeading;
        style.font.height = 25;
        style.yOffset = 0;
        break;
      case 'f':
        style.font.bold = true;
        break;
      case 'i':
        style.font.italic = true;
        style.colour = kBlue;
        break;
      case 'n':
        style = Style{};
        frameOpen = false;
        break;
      case 'l':
        style.font.height = 25;
        style.yOffset = 0;
        break;
      case 's':
        style.font.height = 15;
        style.yOffset = 12;
        break;
      case 'p':
        style.font.height = 15;
        style.yOffset = 0;
        break;
      case 'c':
        style.font.name = "courier new";
        break;
      case 'm':
        style.marked = true;
        break;
      case 't':
        x = (x / 100 + 1) * 100;
        break;
      default:
        break;
    }
    if (code == '[') {
      x += 5;
      if (!frameOpen) {
        frameStart = x;
        frameLine(x, x + 2, y + 3, y + 25);  // the left edge
      } else {
        extendFrame();
        frameLine(x, x + 2, y + 1, y + 25);  // the right edge
      }
      frameOpen = !frameOpen;
      x += 5;
    }
  };

  const std::string& line = lines_[index];
  for (size_t i = 0; i < line.size();) {
    const size_t length = characterLength(line, i);
    const std::string_view ch(line.data() + i, length);
    i += length;
    switch (state) {
      case State::Text:
        if (ch == "\\") {
          state = State::Code;
          break;
        }
        {
          const int width = text_.textWidth(ch, style.font);
          const int advance = static_cast<int>(1.1 * width) + 1;
          if (page) {
            const int top = y + style.yOffset;
            if (style.marked)
              page->fillRect(x, top, x + advance, top + style.font.height, kMarking);
            text_.textOut(*page, x, top, ch, style.font, style.colour);
          }
          x += advance;
          if (frameOpen) extendFrame();
        }
        break;
      case State::Code:
        state = State::Text;
        if (ch == "@" || ch == "#") {
          marker = {ch == "@" ? MarkerKind::Link : MarkerKind::Anchor, "", x};
          if (page) {
            page->drawTransparent(ch == "@" ? linkMarker() : anchorMarker(), x, y, kTransparent);
          }
          x += kMarkerWidth;
          state = State::Name;
        } else if (length == 1) {
          applyCode(ch[0]);
        }
        break;
      case State::Name:
        // A name ends at ";" or a blank; a backslash abandons it and starts a code.
        if (ch == ";" || ch == " ") {
          if (!marker.name.empty()) markers.push_back(marker);
          state = State::Text;
        } else if (ch == "\\") {
          state = State::Code;
        } else {
          marker.name += ch;
        }
        break;
    }
  }
  return markers;
}

void HelpPage::render(Picture& page) {
  page.fillRect(0, 0, kWidth, kHeight, kPageColour);
  const int count = static_cast<int>(lines_.size());
  for (int i = topLine; i < topLine + kVisibleLines; ++i) {
    const int y = (i - topLine) * kLineHeight + 5;
    page.fillRect(0, y, kWidth, y + kLineHeight, kPageColour);
    if (i >= 0 && i < count) layOut(i, y, &page);
  }
}

// Links first, then anchors: a link may point back to an anchor above it, and every link of a
// name finds its anchor, not only the first.
void HelpPage::buildLinks() {
  links_.clear();
  std::vector<std::vector<Marker>> markers(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i)
    markers[i] = layOut(static_cast<int>(i), 0, nullptr);
  for (size_t i = 0; i < lines_.size(); ++i) {
    for (const Marker& m : markers[i]) {
      if (m.kind == MarkerKind::Link && links_.size() < static_cast<size_t>(kMaxLinks)) {
        links_.push_back({m.name, m.x, 0, static_cast<int>(i), 0});
      }
    }
  }
  for (size_t i = 0; i < lines_.size(); ++i) {
    for (const Marker& m : markers[i]) {
      if (m.kind != MarkerKind::Anchor) continue;
      for (LinkEntry& entry : links_) {
        if (entry.name == m.name && entry.anchorLine == 0) {
          entry.anchorX = m.x;
          entry.anchorLine = static_cast<int>(i);
        }
      }
    }
  }
}

int HelpPage::targetAt(int x, int y) const {
  const int line = std::min((y - 5) / kLineHeight + topLine, topLine + kVisibleLines - 1);
  for (const LinkEntry& entry : links_) {
    if (entry.linkLine == line && entry.linkX < x && x < entry.linkX + kMarkerWidth) {
      return entry.anchorLine;
    }
    if (entry.anchorLine > 0 && entry.anchorLine == line && entry.anchorX < x &&
        x < entry.anchorX + kMarkerWidth) {
      return 1;
    }
  }
  return 0;
}

}  // namespace quorvel
