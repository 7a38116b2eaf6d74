#pragma once
// The empty coordinate window: background, grid, axes and their labels, and the title.

#include <string_view>

#include "common/Picture.h"
#include "plot/ScaleState.h"

namespace quorvel {

// Colours of the grid. Each has an odd red component and the background an even one, so that
// hatching can tell grid pixels from background pixels.
constexpr Colour kBackground = rgb(254, 255, 240);
constexpr Colour kLightLine = rgb(225, 224, 255);
constexpr Colour kAxisLine = rgb(1, 0, 255);
constexpr Colour kMajorLine = rgb(1, 176, 255);
constexpr Colour kMinorLine = rgb(193, 192, 255);
constexpr Colour kAxisNameColour = rgb(1, 0, 0);

// Clears the picture and draws grid, axes and labels for the scale.
void DrawGrid(Picture& picture, const ScaleState& scale, TextPainter& text);

// Draws the personal text centred near the top. False when it is too wide to fit, in which
// case nothing is drawn.
bool DrawTitle(Picture& picture, TextPainter& text, std::string_view personalText);

}  // namespace quorvel
