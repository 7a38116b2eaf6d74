#pragma once
// A polynomial of degree 0..7 as a slot holds it: eight coefficients, each a number or one of
// the constants a, b, c, and its evaluation by Horner's scheme, one x at a time or a whole
// row of x at once (the same operations in the same order, so the same bits).

#include <array>
#include <cstdint>
#include <span>

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

// horner for every x of the row: degree by degree over the whole row, which the compiler
// turns into vector instructions. Each result is bit for bit horner's.
void hornerRow(const PolyWork& work, int degree, std::span<const double> xs, std::span<double> ys);

// The highest index whose coefficient is not 0, or 0.
int highestNonZero(const PolyWork& work);

}  // namespace quorvel
