#include "plot/DomainInput.h"

#include <cmath>

#include "common/NumberText.h"

namespace quorvel {

ParameterDomainCheck checkParameterDomain(std::string_view beginText, std::string_view endText,
                                          std::string_view stepsText) {
  ParameterDomainCheck check;
  const auto begin = parseTypedNumber(beginText);
  if (!begin) {
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "start waarde fout"));
    return check;
  }
  const auto end = parseTypedNumber(endText);
  if (!end) {
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "eind waarde fout"));
    return check;
  }
  const auto steps = parseInt(stepsText);
  if (!steps || *steps < 0 || *steps > 65535) {
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "stap waarde fout"));
    return check;
  }
  // Every range check runs; the last one that fails is the one reported.
  if (*steps < 10 || *steps > 1000)
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "10 < stappen < 1000"));
  if (std::fabs(*end) > 1000)
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "-1000 < eind < 1000"));
  if (std::fabs(*begin) > 1000)
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "-1000 < begin < 1000"));
  if (*end - *begin < 1)
    check.message = translated(QT_TRANSLATE_NOOP("quorvel", "domain negatief of te klein"));
  if (!check.message.empty()) return check;
  check.ok = true;
  check.begin = *begin;
  check.end = *end;
  check.steps = static_cast<uint16_t>(*steps);
  return check;
}

IntegralDomainCheck checkIntegralDomain(std::string_view leftText, std::string_view rightText,
                                        const ScaleState& scale) {
  IntegralDomainCheck check;
  const auto left = parseTypedNumber(leftText);
  if (!left) {
    check.message = translated(kBadLeft);
    check.focus = IntegralDomainCheck::Left;
    return check;
  }
  const auto right = parseTypedNumber(rightText);
  if (!right) {
    check.message = translated(kBadRight);
    check.focus = IntegralDomainCheck::Right;
    return check;
  }
  if (*left >= *right) {
    check.message = translated(kBadDomain);
    return check;
  }
  if (*left < scale.columnWorldX[0] || *right > scale.columnWorldX[kLastPixel]) {
    check.message = translated(kDomainOutOfRange);
    check.focus = IntegralDomainCheck::Left;
    return check;
  }
  check.ok = true;
  check.left = *left;
  check.right = *right;
  return check;
}

}  // namespace quorvel
