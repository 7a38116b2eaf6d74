#pragma once
// The user constants a, b, c and the step by which a click changes them.

namespace quorvel {

struct Constants {
  double a = 0;
  double b = 0;
  double c = 0;
  int stepIndex = 12;  // 0..17: steps 0,0001 .. 50; 12 is a step of 1
};

}  // namespace quorvel
