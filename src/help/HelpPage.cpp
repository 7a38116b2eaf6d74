#include "help/HelpPage.h"

#include <algorithm>

namespace quorvel {
namespace {

constexpr Colour kPageColour = fromBgr(0xF0FFFF);

}  // namespace

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

void HelpPage::render(Picture& page) {
  page.fillRect(0, 0, kWidth, kHeight, kPageColour);
  const int count = static_cast<int>(lines_.size());
  for (int i = topLine; i < topLine + kVisibleLines; ++i) {
    const int y = (i - topLine) * kLineHeight + 5;
    page.fillRect(0, y, kWidth, y + kLineHeight, kPageColour);
    if (i >= 0 && i < count) layOutHelpLine(lines_[static_cast<size_t>(i)], y, text_, &page);
  }
}

// Links first, then anchors: a link may point back to an anchor above it, and every link of a
// name finds its anchor, not only the first.
void HelpPage::buildLinks() {
  links_.clear();
  std::vector<std::vector<HelpMarker>> markers(lines_.size());
  for (size_t i = 0; i < lines_.size(); ++i)
    markers[i] = layOutHelpLine(lines_[i], 0, text_, nullptr);
  for (size_t i = 0; i < lines_.size(); ++i) {
    for (const HelpMarker& m : markers[i]) {
      if (m.kind == HelpMarker::Kind::Link && links_.size() < static_cast<size_t>(kMaxLinks)) {
        links_.push_back({m.name, m.x, 0, static_cast<int>(i), 0});
      }
    }
  }
  for (size_t i = 0; i < lines_.size(); ++i) {
    for (const HelpMarker& m : markers[i]) {
      if (m.kind != HelpMarker::Kind::Anchor) continue;
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
