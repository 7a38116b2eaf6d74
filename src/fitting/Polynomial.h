#pragma once
// A polynomial of degree 0..7 as a slot holds it: eight coefficients, each a number or one of
// the constants a, b, c, and its evaluation by Horner's scheme.

#include <array>
#include <cstdint>

namespace quorvel {

constexpr int kMaxDegree = 7;
constexpr int kCoefficients = kMaxDegree + 1;

// What a coefficient is: the number in coef, or the present value of a constant.
enum CoefficientKind : uint8_t { kNumber = 0, kConstantA = 1, kConstantB = 2, kConstantC = 3 };

// A slot's polynomial: coef[i] belongs to x^i. Above `degree` every coefficient is the number
// 0; a coefficient of kind a, b or c takes that constant's value when it is evaluated.
struct TPolynoom {
  std::array<double, kCoefficients> coef{};
  std::array<uint8_t, kCoefficients> kind{};
  uint8_t degree = 0;
};

// Numeric coefficients only.
using PolyWork = std::array<double, kCoefficients>;

inline double horner(const PolyWork& work, int degree, double x) {
  double s = 0;
  for (int i = degree; i >= 0; --i)
    s = s * x + work[i];
  return s;
}

// The highest index whose coefficient is not 0, or 0.
int highestNonZero(const PolyWork& work);

}  // namespace quorvel
