#pragma once
// The help page without its window: the help text in its mark-up (help/HelpMarkup.h) drawn
// line by line into an 800 x 800 picture, the list of links with their anchors, and where a
// click takes the reader.

#include <string>
#include <vector>

#include "common/Picture.h"
#include "help/HelpMarkup.h"

namespace quorvel {

class HelpPage {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 800;
  static constexpr int kLineHeight = kHelpLineHeight;
  static constexpr int kVisibleLines = 31;
  static constexpr int kMaxLinks = 50;
  static constexpr int kMarkerWidth = kHelpMarkerWidth;

  struct LinkEntry {
    std::string name;
    int linkX = 0;
    int anchorX = 0;
    int linkLine = 0;
    int anchorLine = 0;  // 0: no anchor found
  };

  explicit HelpPage(TextPainter& text);

  // The help text, one item per line; the link list is built from it.
  void setText(std::vector<std::string> lines);
  const std::vector<std::string>& lines() const { return lines_; }
  const std::vector<LinkEntry>& links() const { return links_; }

  int topLine = 0;
  // The highest first line the scroll bar allows.
  int scrollMaximum() const;
  // Where the first line goes by the keys and the wheel, within 0..scrollMaximum(): a line
  // with the arrows, a page (all visible lines but one) with Page Up and Page Down, the top
  // and the end with Home and End, three lines a notch of the wheel (positive: up).
  enum class Scroll { LineUp, LineDown, PageUp, PageDown, Top, End };
  int scrolled(Scroll how) const;
  int scrolledByWheel(int notches) const;
  // The page as it shows from topLine on.
  void render(Picture& page);
  // Where a click at (x, y) of the page goes: the anchor's line for a link marker, 1 for an
  // anchor marker (back to the contents), 0 for nothing.
  int targetAt(int x, int y) const;

 private:
  void buildLinks();

  TextPainter& text_;
  std::vector<std::string> lines_;
  std::vector<LinkEntry> links_;
};

}  // namespace quorvel
