#pragma once
// The info pages without their window: a 500 x 500 box framed by sixteen random Lissajous
// figures around a raised panel, and one of three short texts in a mark-up of backquote codes
// ("`f" bold, "`l" large, "`n" normal, "`t" tab, "`v" the version) with "/" for new lines.

#include <functional>
#include <string>
#include <string_view>

#include "common/Picture.h"

namespace quorvel {

class InfoPage {
 public:
  static constexpr int kSize = 500;

  // A whole number from low to high, both included: the figures' parameters.
  using Random = std::function<int(int low, int high)>;

  // Page 1 "over...", 2 "status", 3 "condities": the caption a marked source text, the page
  // in the language in use.
  static const char* caption(int page);
  static std::string text(int page);

  // The colour of figure k (1..26): red, green and blue are the base-3 digits of k, lowest
  // first, digit 0 -> 0, 1 -> $B0, 2 -> $FF.
  static Colour figureColour(int k);

  // The whole box: frames, figures, panel and the page's text with `version` for "`v".
  static Picture render(int page, const Random& random, TextPainter& text,
                        std::string_view version);
  // The text alone, from its mark-up, onto the box.
  static void writeText(Picture& box, std::string_view markup, TextPainter& text,
                        std::string_view version);
};

}  // namespace quorvel
