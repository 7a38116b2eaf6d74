#pragma once
// The mark-up of the help text. A backslash and a letter in a line choose the look of what
// follows: \h a heading, \f bold, \i italic and blue, \l large, \s small and lowered (raised
// digits sit on it), \p small, \c courier, \m marked, \n plain again; \t moves to the next tab
// and \[ opens or closes a button's frame. \@name; is a link and \#name; its anchor, each shown
// as a marker. A line is laid out at a pixel row of the page: drawn when there is a picture to
// draw into, and in any case measured for where its markers stand.

#include <string>
#include <vector>

#include "common/Picture.h"

namespace quorvel {

inline constexpr int kHelpLineHeight = 25;
inline constexpr int kHelpMarkerWidth = 20;

struct HelpMarker {
  enum class Kind { Link, Anchor };
  Kind kind = Kind::Link;
  std::string name;
  int x = 0;  // the marker's left edge
};

// Lays out `line` at pixel row `y`: draws it into `page` when given, and returns where its
// markers are.
std::vector<HelpMarker> layOutHelpLine(const std::string& line, int y, TextPainter& text,
                                       Picture* page);

// The two marker pictures, 20 x 25, white transparent.
const Picture& helpLinkMarker();
const Picture& helpAnchorMarker();

}  // namespace quorvel
