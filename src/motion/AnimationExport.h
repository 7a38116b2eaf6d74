#pragma once
// The motion as an animated GIF: the chosen constant over its range, one frame per value,
// each the picture as it is drawn precisely with that value and the value written small in its
// top right corner ("a = 1,25"), where neither the grid's labels nor the title stand. The GIF
// loops forever; its frames together last one sweep of the motion.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class Graph;
class Motion;
class TextPainter;

inline constexpr int kDefaultAnimationFrames = 50;
inline constexpr int kFewestAnimationFrames = 2;
inline constexpr int kMostAnimationFrames = 1000;

// "a = 1,25": the constant's name and its value as the constants panel writes it.
std::string constantLabel(int constant, double value);

// The file's bytes, or nothing when the GIF could not be made. The constant and the picture
// are as they were afterwards.
std::optional<std::vector<uint8_t>> animationGif(Motion& motion, Graph& graph, TextPainter& text,
                                                 int frames);

}  // namespace quorvel
