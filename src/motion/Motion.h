#pragma once
// The constants a, b and c in motion: each has a range ("van", "tot") that a slider spans,
// and the chosen one can run through its range on its own, turning at the ends ("heen en
// terug") or starting again ("herhaal"), a full sweep in a set time. Every change is a frame:
// the constants panel shows the value, the analysis searches again so its marks follow the
// curve, and the picture is redrawn with the implicit slots coarse, as while a button is held.
// When the motion stops, one precise redraw; the document's undo waits for that moment, so a
// whole drag or run is one step.

#include <array>
#include <functional>
#include <string>

#include "plot/Constants.h"

namespace quorvel {

class Analysis;
class ConstantsPanel;
class Graph;

class Motion {
 public:
  enum class Turn { Bounce, Loop };
  struct Range {
    double from = -5;
    double to = 5;
  };
  static constexpr int kConstants = 3;  // a, b, c
  static constexpr double kDefaultSweep = 5;
  static constexpr double kShortestSweep = 1;
  static constexpr double kLongestSweep = 60;

  // `msgText`, the message line, gets the repeated search's count.
  Motion(Constants& constants, ConstantsPanel& panel, Graph& graph, Analysis& analysis,
         std::string& msgText);

  std::array<Range, kConstants> ranges;
  Turn turn = Turn::Bounce;

  // The constant that runs: 0 a, 1 b, 2 c.
  int chosen() const { return chosen_; }
  void choose(int constant);
  // A full sweep through the range, in seconds; kept within 1..60.
  double sweepSeconds() const { return sweepSeconds_; }
  void setSweepSeconds(double seconds);

  double value(int constant) const;
  // Where the constant stands in its range, 0 at "van" and 1 at "tot", kept within 0..1.
  double fractionOf(int constant) const;

  // ---- By hand: a slider held, moved and released.
  void holdSlider() { held_ = true; }
  // The constant at `fraction` (0..1) of its range; one frame.
  void slideTo(int constant, double fraction);
  void releaseSlider();

  // ---- On its own.
  bool playing() const { return playing_; }
  // Starts the chosen constant from where it stands (brought into its range first).
  void play();
  void pause();
  // `seconds` passed during a run: the chosen constant moves on and a frame is shown. False
  // when nothing runs.
  bool advance(double seconds);

  // The chosen constant at `frames` values spread evenly from "van" to "tot" (both ends
  // included), each drawn precisely with the analysis searched again, and `frame` called on
  // each; afterwards the constant and the picture are as they were. Stops any motion first.
  void runFrames(int frames, const std::function<void(double value)>& frame);

  // A slider held or a run going: the picture is coarse and the undo waits.
  bool active() const { return held_ || playing_; }
  // Stops whatever moves, with the precise redraw.
  void stop();

 private:
  double& constant(int k);
  void setFraction(int k, double fraction);
  double positionOfPhase() const;
  void startPhase();
  void moveTo(double fraction);
  void redraw(bool coarse);
  void finish();

  Constants& constants_;
  ConstantsPanel& panel_;
  Graph& graph_;
  Analysis& analysis_;
  std::string& msgText_;
  int chosen_ = 0;
  double sweepSeconds_ = kDefaultSweep;
  bool held_ = false;
  bool playing_ = false;
  // Where a run is: 0..1 on the way from "van" to "tot", 1..2 on the way back ("heen en
  // terug"); only 0..1 when it starts again at each end ("herhaal").
  double phase_ = 0;
  Turn phaseTurn_ = Turn::Bounce;  // the turn the phase was reckoned for
  double shown_ = 0;               // the value the run gave the constant last
};

}  // namespace quorvel
