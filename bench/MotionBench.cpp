// Pictures in motion: one frame of the nine slots with a constant changed, as a drag or a run
// draws it (implicit slots coarse) and as the graph widget then paints it; one step of a drag
// of the picture, the same way; and the export of 50 frames as an animated GIF.

#include <benchmark/benchmark.h>

#include <QImage>
#include <cstdio>

#include "BenchResults.h"
#include "BenchSlots.h"
#include "motion/AnimationExport.h"
#include "plot/GrafiekBox.h"
#include "qt/QtTextPainter.h"

namespace quorvel::bench {
namespace {

// The nine slots drawn, and the graph widget that paints them onto a screen of its own.
struct NineSlotsOnScreen {
  QtTextPainter text;
  Workspace ws{text};
  GrafiekBox box{ws.graph, nullptr};
  QImage screen{kPictureSize, kPictureSize, QImage::Format_RGB32};

  NineSlotsOnScreen() {
    fillNineSlots(ws);
    ws.graph.RedrawAll();
    box.resize(kPictureSize, kPictureSize);
  }
  void paint() {
    box.render(&screen);
    benchmark::DoNotOptimize(screen.constBits());
  }
};

void animationFrame(benchmark::State& state) {
  NineSlotsOnScreen nine;
  nine.ws.motion.holdSlider();
  double fraction = 0;
  for (auto _ : state) {
    fraction = fraction < 0.99 ? fraction + 0.01 : 0;
    nine.ws.motion.slideTo(0, fraction);
    nine.paint();
  }
  nine.ws.motion.releaseSlider();
}

// A drag of the picture by a few pixels at a time, back and forth.
void dragStep(benchmark::State& state) {
  NineSlotsOnScreen nine;
  nine.ws.navigation.press(400, 400, false, 0);
  int step = 0;
  for (auto _ : state) {
    step = (step + 1) % 40;
    nine.ws.navigation.move(400 + 3 * (step < 20 ? step : 40 - step), 400 + step % 7);
    nine.paint();
  }
  nine.ws.navigation.release();
}

void gifExport(benchmark::State& state) {
  QtTextPainter text;
  Workspace ws(text);
  fillNineSlots(ws);
  ws.graph.RedrawAll();
  for (auto _ : state) {
    const auto gif = animationGif(ws.motion, ws.graph, text, kDefaultAnimationFrames);
    benchmark::DoNotOptimize(gif->data());
  }
}

void printMotionSummary() {
  std::printf("animation frame nine slots: %.2f ms\n",
              results().at("motion/animation-frame-nine-slots") / 1e6);
  std::printf("drag step nine slots: %.2f ms\n", results().at("motion/drag-step-nine-slots") / 1e6);
  std::printf("gif export 50 frames: %.0f ms\n", results().at("motion/gif-export-50") / 1e6);
}

[[maybe_unused]] const bool registered = [] {
  benchmark::RegisterBenchmark("motion/animation-frame-nine-slots", animationFrame)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("motion/drag-step-nine-slots", dragStep)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("motion/gif-export-50", gifExport)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  addSummary(3, printMotionSummary);
  return true;
}();

}  // namespace
}  // namespace quorvel::bench
