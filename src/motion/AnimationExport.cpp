#include "motion/AnimationExport.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/Picture.h"
#include "motion/AnimatedGif.h"
#include "motion/Motion.h"
#include "plot/Graph.h"

namespace quorvel {
namespace {

constexpr Font kLabelFont{"arial", 13};
constexpr int kLabelMargin = 6;  // from the picture's top and right edges

}  // namespace

std::string constantLabel(int constant, double value) {
  static constexpr const char* kNames[] = {"a", "b", "c"};
  return std::string(kNames[constant]) + " = " + shownNumber(FormatFloat("###0.0###", value));
}

std::optional<std::vector<uint8_t>> animationGif(Motion& motion, Graph& graph, TextPainter& text,
                                                 int frames) {
  // The frames last one sweep together (the writer keeps each at least 2 hundredths).
  const int delay = static_cast<int>(std::lround(motion.sweepSeconds() * 100 / frames));
  Picture& picture = graph.picture;
  AnimatedGif gif(picture.width(), picture.height(), delay);
  const int constant = motion.chosen();
  motion.runFrames(frames, [&](double value) {
    const std::string label = constantLabel(constant, value);
    const int x = picture.width() - 1 - kLabelMargin - text.textWidth(label, kLabelFont);
    picture.drawText(text, x, kLabelMargin, label, kLabelFont, kBlack);
    gif.addFrame(picture.data());
  });
  return gif.finish();
}

}  // namespace quorvel
