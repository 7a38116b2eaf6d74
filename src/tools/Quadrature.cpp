#include "tools/Quadrature.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace quorvel {
namespace {

// Abscissae of the 15-point Kronrod rule on [-1, 1] (the odd ones are the 7-point Gauss
// rule's), and the weights of both.
constexpr std::array<double, 8> kNodes = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.0};
constexpr std::array<double, 8> kKronrodWeights = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kGaussWeights = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

constexpr int kEvaluationsPerPiece = 15;
constexpr int kMaxPieces = 200;
// Good enough for every digit the program shows: an absolute error far below the sixth
// decimal, or twelve correct digits of a larger value.
constexpr double kAbsoluteTolerance = 1e-9;
constexpr double kRelativeTolerance = 1e-12;

struct Piece {
  double a = 0, b = 0;
  double value = 0, error = 0;
};

// One 15-point estimate of the piece with its error; false when f fails at a node.
bool estimate(const std::function<bool(double, double&)>& f, Piece& piece) {
  const double centre = 0.5 * (piece.a + piece.b);
  const double half = 0.5 * (piece.b - piece.a);
  std::array<double, 15> values{};  // values[7] at the centre, 7 - k and 7 + k around it
  for (int k = 0; k <= 7; ++k) {
    const double offset = half * kNodes[k];
    if (!f(centre - offset, values[k])) return false;
    if (k < 7 && !f(centre + offset, values[14 - k])) return false;
  }
  double kronrod = values[7] * kKronrodWeights[7];
  double gauss = values[7] * kGaussWeights[3];
  double absolute = std::fabs(kronrod);
  for (int k = 0; k < 7; ++k) {
    const double sum = values[k] + values[14 - k];
    kronrod += kKronrodWeights[k] * sum;
    absolute += kKronrodWeights[k] * (std::fabs(values[k]) + std::fabs(values[14 - k]));
    if (k % 2 == 1) gauss += kGaussWeights[k / 2] * sum;
  }
  const double mean = 0.5 * kronrod;
  double spread = kKronrodWeights[7] * std::fabs(values[7] - mean);
  for (int k = 0; k < 7; ++k) {
    spread += kKronrodWeights[k] * (std::fabs(values[k] - mean) + std::fabs(values[14 - k] - mean));
  }
  const double width = std::fabs(half);
  piece.value = kronrod * half;
  absolute *= width;
  spread *= width;
  double error = std::fabs((kronrod - gauss) * half);
  // The usual scaling of the Gauss-Kronrod difference, and the floor that rounding sets.
  if (spread != 0 && error != 0)
    error = spread * std::min(1.0, std::pow(200 * error / spread, 1.5));
  if (absolute > DBL_MIN / (50 * DBL_EPSILON)) error = std::max(50 * DBL_EPSILON * absolute, error);
  piece.error = error;
  return true;
}

}  // namespace

Integral integrate(const std::function<bool(double, double&)>& f, double a, double b,
                   long& budget) {
  if (a == b) return {true, 0, 0};
  if (!std::isfinite(b - a)) return {};  // wider than a double can measure
  std::array<Piece, kMaxPieces> pieces{};
  int count = 0;
  auto spend = [&budget] {
    if (budget < kEvaluationsPerPiece) return false;
    budget -= kEvaluationsPerPiece;
    return true;
  };
  if (!spend()) return {};
  pieces[count++] = {a, b};
  if (!estimate(f, pieces[0])) return {};
  for (;;) {
    double value = 0, error = 0;
    for (int i = 0; i < count; ++i) {
      value += pieces[i].value;
      error += pieces[i].error;
    }
    if (!std::isfinite(value))
      return {true, INFINITY, INFINITY};  // the values are, their sum is not
    if (error <= std::max(kAbsoluteTolerance, kRelativeTolerance * std::fabs(value))) {
      return {true, value, error};
    }
    if (count == kMaxPieces) return {};
    // Halve the piece with the largest error; a piece too narrow to halve cannot improve.
    Piece& worst =
        *std::max_element(pieces.begin(), pieces.begin() + count,
                          [](const Piece& p, const Piece& q) { return p.error < q.error; });
    const double middle = 0.5 * (worst.a + worst.b);
    if (!(middle > std::min(worst.a, worst.b) && middle < std::max(worst.a, worst.b))) return {};
    if (budget < 2 * kEvaluationsPerPiece) return {};
    budget -= 2 * kEvaluationsPerPiece;
    Piece left{worst.a, middle}, right{middle, worst.b};
    if (!estimate(f, left) || !estimate(f, right)) return {};
    worst = left;
    pieces[count++] = right;
  }
}

}  // namespace quorvel
