#pragma once
// The integral of a function over an interval, as exact as double precision allows and with
// a bounded number of evaluations: adaptive Gauss-Kronrod (7 and 15 points), always halving
// the piece with the largest error estimate. An integral it cannot compute honestly (a point
// where the function has no value, an estimate that does not settle within the evaluations
// it may spend) is no value at all; one too large for a double is infinite.

#include <functional>

namespace quorvel {

struct Integral {
  bool valid = false;  // false: the function failed somewhere, or the estimate did not settle
  double value = 0;    // may be infinite when the sum overflows
  double error = 0;    // the estimate of |exact - value|, rounding included
};

// `f` gives the value at x, or false where there is none. `budget` is how many evaluations
// may still be spent; it is lowered by what the integral spends, and an integral that would
// need more is invalid.
Integral integrate(const std::function<bool(double x, double& y)>& f, double a, double b,
                   long& budget);

}  // namespace quorvel
