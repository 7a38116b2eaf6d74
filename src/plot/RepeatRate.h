#pragma once
// The rhythm of a held button: the first step at once, the next after the start interval,
// and every following one 25 ms sooner, down to a floor. The window's timer takes its
// interval from here.

namespace quorvel {

class RepeatRate {
 public:
  static constexpr int kScaleStartMs = 333;     // scroll and zoom buttons: 333, 308, ... 58
  static constexpr int kConstantStartMs = 300;  // constant fields: 300, 275, ... 75

  void start(int intervalMs) {
    intervalMs_ = intervalMs;
    running_ = true;
  }
  void stop() { running_ = false; }
  // After each repeated step: shorten the interval while it is above 75 ms.
  void accelerate() {
    if (running_ && intervalMs_ > 75) intervalMs_ -= 25;
  }
  bool running() const { return running_; }
  int intervalMs() const { return intervalMs_; }

 private:
  int intervalMs_ = kScaleStartMs;
  bool running_ = false;
};

}  // namespace quorvel
