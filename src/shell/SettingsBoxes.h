#pragma once
// The three settings boxes: the angle unit, adding or replacing points, and autoplot. Any
// button on a box toggles its setting; the first two show it in words.

#include <string>

#include "common/Settings.h"

namespace quorvel {

inline constexpr const char* kRadians = "RADIALEN";
inline constexpr const char* kDegrees = "GRADEN";
inline constexpr const char* kAddMode = "TOEVOEGEN";
inline constexpr const char* kReplaceMode = "VERVANGEN";
inline constexpr const char* kAutoplot = "AUTOPLOT";

// `code`: the box's highlight code (kHoverAngle, kHoverAddMode or kHoverAutoplot).
void toggleSetting(Settings& settings, int code);
std::string hoektext(const Settings& settings);
std::string addtext(const Settings& settings);

}  // namespace quorvel
