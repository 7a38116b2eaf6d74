#include "shell/SettingsBoxes.h"

#include "shell/HoverCode.h"

namespace quorvel {

void toggleSetting(Settings& settings, int code) {
  if (code == kHoverAngle) settings.degreesMode = !settings.degreesMode;
  if (code == kHoverAddMode) settings.replaceMode = !settings.replaceMode;
  if (code == kHoverAutoplot) settings.autoplotMode = !settings.autoplotMode;
}

std::string hoektext(const Settings& settings) {
  return settings.degreesMode ? kDegrees : kRadians;
}

std::string addtext(const Settings& settings) {
  return settings.replaceMode ? kReplaceMode : kAddMode;
}

}  // namespace quorvel
