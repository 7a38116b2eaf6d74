#pragma once
// The checks of the two domain windows: the v domain of a parametric formula and the x
// domain of an integral. They take the texts as typed and give the values or the message.

#include <cstdint>
#include <string>
#include <string_view>

#include "plot/ScaleState.h"

namespace quorvel {

struct ParameterDomainCheck {
  bool ok = false;
  double begin = 0;
  double end = 0;
  uint16_t steps = 0;
  std::string message;  // for the window's message line when not ok
};

// begin, end and steps of the v-domain window.
ParameterDomainCheck checkParameterDomain(std::string_view begin, std::string_view end,
                                          std::string_view steps);

struct IntegralDomainCheck {
  enum Field { None, Left, Right };
  bool ok = false;
  double left = 0;
  double right = 0;
  std::string message;
  Field focus = None;  // the field to give the focus to after a failure
};

// Left and right end of the x-domain window; the domain must lie in the visible x range.
IntegralDomainCheck checkIntegralDomain(std::string_view left, std::string_view right,
                                        const ScaleState& scale);

}  // namespace quorvel
