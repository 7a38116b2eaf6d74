#include "motion/Motion.h"

#include <algorithm>
#include <cmath>

#include "plot/ConstantsPanel.h"
#include "plot/Graph.h"
#include "tools/Analysis.h"

namespace quorvel {

Motion::Motion(Constants& constants, ConstantsPanel& panel, Graph& graph, Analysis& analysis,
               std::string& msgText)
    : constants_(constants), panel_(panel), graph_(graph), analysis_(analysis), msgText_(msgText) {}

double& Motion::constant(int k) {
  return k == 0 ? constants_.a : k == 1 ? constants_.b : constants_.c;
}

double Motion::value(int k) const {
  return k == 0 ? constants_.a : k == 1 ? constants_.b : constants_.c;
}

void Motion::choose(int k) {
  if (k < 0 || k >= kConstants || k == chosen_) return;
  pause();
  chosen_ = k;
}

void Motion::setSweepSeconds(double seconds) {
  sweepSeconds_ = std::clamp(seconds, kShortestSweep, kLongestSweep);
}

double Motion::fractionOf(int k) const {
  const Range& r = ranges[k];
  if (r.to == r.from) return 0;
  return std::clamp((value(k) - r.from) / (r.to - r.from), 0.0, 1.0);
}

void Motion::setFraction(int k, double fraction) {
  const Range& r = ranges[k];
  fraction = std::clamp(fraction, 0.0, 1.0);
  // The ends exactly: "tot" is reached as typed, not as "van" plus a rounded width.
  constant(k) = fraction == 1 ? r.to : r.from + fraction * (r.to - r.from);
}

void Motion::slideTo(int k, double fraction) {
  if (k < 0 || k >= kConstants) return;
  if (playing_ && k == chosen_) pause();  // the hand takes over
  setFraction(k, fraction);
  redraw(true);
}

void Motion::releaseSlider() {
  if (!held_) return;
  held_ = false;
  if (!playing_) finish();
}

void Motion::play() {
  if (playing_) return;
  startPhase();
  playing_ = true;
  moveTo(positionOfPhase());
}

// The run's phase from where the chosen constant stands, for the turn as it is set.
void Motion::startPhase() {
  const double p = fractionOf(chosen_);
  if (turn == Turn::Loop) {
    phase_ = p >= 1 ? 0 : p;  // at "tot": from the start again
  } else {
    // On with the way it went last; at the end it went towards, back the other way.
    phase_ = phase_ >= 1 ? 2 - p : p;
    if (phase_ >= 2) phase_ = 0;
  }
  phaseTurn_ = turn;
}

void Motion::moveTo(double fraction) {
  setFraction(chosen_, fraction);
  shown_ = value(chosen_);
  redraw(true);
}

void Motion::pause() {
  if (!playing_) return;
  playing_ = false;
  if (!held_) finish();
}

bool Motion::advance(double seconds) {
  if (!playing_ || !(seconds > 0)) return false;
  // Moved meanwhile (a click on the constants panel, undo) or turned another way: on from
  // there.
  if (value(chosen_) != shown_ || turn != phaseTurn_) startPhase();
  const double step = seconds / sweepSeconds_;
  if (turn == Turn::Loop) {
    phase_ += step;
    phase_ -= std::floor(phase_);
  } else {
    phase_ = std::fmod(phase_ + step, 2.0);
  }
  moveTo(positionOfPhase());
  return true;
}

double Motion::positionOfPhase() const {
  return phase_ <= 1 ? phase_ : 2 - phase_;
}

void Motion::stop() {
  const bool wasActive = active();
  held_ = false;
  playing_ = false;
  if (wasActive) finish();
}

void Motion::runFrames(int frames, const std::function<void(double value)>& frame) {
  stop();
  const int k = chosen_;
  const double before = value(k);
  for (int i = 0; i < frames; ++i) {
    setFraction(k, frames < 2 ? 0 : static_cast<double>(i) / (frames - 1));
    redraw(false);
    frame(value(k));
  }
  constant(k) = before;
  redraw(false);
}

// The constants panel, the analysis and the picture for the constants as they now are; the
// implicit slots coarse while the motion goes on.
void Motion::redraw(bool coarse) {
  panel_.RefreshConstants();
  if (std::optional<std::string> message = analysis_.searchAgain()) msgText_ = *message;
  graph_.fastPlot = coarse;
  graph_.RedrawAll();
}

void Motion::finish() {
  graph_.RefineAfterRelease();
}

}  // namespace quorvel
