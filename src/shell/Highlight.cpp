#include "shell/Highlight.h"

namespace quorvel {

void Highlight::setHover(int code, bool force) {
  if ((ws_.settings.keyboardMode && !force) || code == hoverCode_) return;
  const int old = hoverCode_;
  hoverCode_ = code;
  if (old == kHoverMenu) menu_.removeTitleHighlight();
  if (old == kHoverColorBox) {
    if (auto message = ws_.selection.hoverSelected(ws_.formulas)) ws_.MsgText = *message;
  }
  if (old == kHoverScaleBox) held_.leaveScaleBars();
}

}  // namespace quorvel
