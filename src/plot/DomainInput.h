#pragma once
// The checks of the domain windows: the v domain of a parametric formula and the x domain of
// an integral or an area. They take the texts as typed and give the values or the message.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Language.h"
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

// The faults of an x domain (the sources; the checks give them in the language in use).
inline constexpr const char* kBadLeft = QT_TRANSLATE_NOOP("quorvel", "fout in X-links");
inline constexpr const char* kBadRight = QT_TRANSLATE_NOOP("quorvel", "fout in X-rechts");
inline constexpr const char* kBadDomain = QT_TRANSLATE_NOOP("quorvel", "fout domein");
inline constexpr const char* kDomainOutOfRange =
    QT_TRANSLATE_NOOP("quorvel", "domein buiten bereik");

// Left and right end of an x domain (of an integral, of an area); the domain must lie in the
// visible x range.
IntegralDomainCheck checkIntegralDomain(std::string_view left, std::string_view right,
                                        const ScaleState& scale);

}  // namespace quorvel
