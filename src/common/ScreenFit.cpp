#include "common/ScreenFit.h"

#include <algorithm>

namespace quorvel {

WindowFit fitToScreen(int pageWidth, int pageHeight, int freeWidth, int freeHeight, int frameWidth,
                      int frameHeight, int scrollBar) {
  const int roomWidth = freeWidth - frameWidth;
  const int roomHeight = freeHeight - frameHeight;
  WindowFit fit{pageWidth, pageHeight, false};
  if (roomWidth >= pageWidth && roomHeight >= pageHeight) return fit;
  fit.scrolls = true;
  // A scroll bar across one side takes room from the other: too narrow means a bar at the
  // bottom, too low one at the right.
  const bool barRight = roomHeight < pageHeight;
  const bool barBelow = roomWidth < pageWidth || (barRight && roomWidth < pageWidth + scrollBar);
  const bool barRightAfterAll = barRight || (barBelow && roomHeight < pageHeight + scrollBar);
  fit.width = std::min(roomWidth, pageWidth + (barRightAfterAll ? scrollBar : 0));
  fit.height = std::min(roomHeight, pageHeight + (barBelow ? scrollBar : 0));
  // However little room a screen claims, a window that can still be scrolled.
  fit.width = std::max(fit.width, 320);
  fit.height = std::max(fit.height, 240);
  return fit;
}

}  // namespace quorvel
