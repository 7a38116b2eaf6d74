#pragma once
// The table of operations: one row per operation of the formula language, with everything the
// evaluators know of it. The point evaluator, the batch evaluator, the Taylor evaluator, the
// rounding form and the interval evaluator all read the rows, so a new operation is its
// opcode below and its row (`template <> struct Operation<kOpNew>`), both in this file. A row
// holds:
//
//   kName      how the language writes it: a function's name (kFunction), or the operator's
//              sign as the debug view shows it
//   kUnary     it reads src2 alone; otherwise src1 and src2
//   point      the point kernel: the step on two values; false when the step faults
//   lanes      the lane kernel: the same over a row of lanes, with the point kernel's bits in
//              every lane (the arithmetic and library functions of evaluation/VectorMath, in the
//              widest instruction set); a row without one has its point kernel run lane by lane
//   kFaults    its fault rule: how a fault travels through the step in the batch evaluator,
//              which notes faults lazily (see FaultRule)
//   series     its series rule (the Taylor evaluator): the step on truncated Taylor series;
//              false where the step has no derivative
//   kRounding  its rule in the rounding form (see RoundingRule)
//   interval   its interval rule (the interval evaluator, evaluation/Interval.h): the step on
//              intervals of its operands, an interval holding the point kernel's value at
//              every point of their box, where it faults there and whether it may jump
//
// The program's arithmetic is defined in extended precision, rounded to double on every
// store. Computing in double gives the same result within two units in the last place for
// +, -, *, /, sqrt and the library functions. Where double would lose more than that (the
// arcsine and arccosine formulas near their ends, the degree conversions, the repeated
// multiplication of the power rule) the kernels work in long double or in double-double; the
// library functions (evaluation/VectorMath) are SLEEF's, within one unit in the last place.
//
// Faults are found by explicit checks, never by floating-point traps: a result that is not
// a finite double is a fault (overflow, division by zero, root or logarithm out of domain),
// so no NaN or infinity ever reaches a register.

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

#include "evaluation/Interval.h"
#include "evaluation/Powers.h"
#include "evaluation/Program.h"
#include "evaluation/Series.h"
#include "evaluation/VectorMath.h"

namespace quorvel {

// Operator codes, as postfix entries (`oper`) and steps (`opcode`) carry them; 0 is the end
// mark (kOpEnd, evaluation/Program.h).
enum Opcode : uint8_t {
  kOpAdd = 1,
  kOpSub = 2,
  kOpMul = 3,
  kOpDiv = 4,
  kOpPow = 5,
  kOpNeg = 6,        // unary minus
  kOpAssign = 7,     // "="
  kOpSeparator = 8,  // ";" between the two formulas of a parametric curve: never a step
  kOpAsin = 10,
  kOpAcos = 11,
  kOpAtan = 12,
  kOpSqrt = 13,
  kOpSin = 14,
  kOpCos = 15,
  kOpTan = 16,
  kOpLog = 17,
  kOpAbs = 18,
  kOpExp = 19,
  kOpLn = 20,
  kOpInt = 21,
  kOpLess = 22,    // "<" of an inequality (">" is "<" with its sides swapped)
  kOpLessEq = 23,  // "<=", also written as the one character
  // ">" and ">=" in a postfix table: the translator makes them "<" and "<=" with their sides
  // swapped, so they are never a step.
  kOpGreater = 24,
  kOpGreaterEq = 25,
};
constexpr bool isComparison(uint8_t code) {
  return code >= kOpLess && code <= kOpGreaterEq;
}
constexpr int kMaxOpcode = 31;  // the highest code withOperation looks up

// ---- The columns.

// How a fault travels through a step of the batch evaluator. The point kernel checks every
// result; the lanes mostly just compute, because a fault of most operations shows as a NaN or
// an infinity in the result, and such a value stays NaN or infinite through most operations.
// A value is checked (its faults noted in the lanes' fault row) only where it enters a step
// that could hide it, and every value still unchecked at the end of the program is checked
// then. A lane is valid exactly when no check found anything, which is exactly when no step of
// the point evaluator faults.
enum class OperandCheck : uint8_t {
  None,      // the step keeps a NaN or infinite operand NaN or infinite, or checks it itself
  Divisor,   // the second operand is checked first (x / inf is 0)
  Operands,  // every operand is checked first (exp(-inf) is 0; sin has no value to keep one)
};
enum class ResultFaults : uint8_t {
  Shows,       // the step's own faults and its operands' show in the result, unnoted yet
  Passes,      // the result is the operand up to its sign: unnoted as far as the operand was
  Clean,       // nothing to note: no faults of its own, on checked operands
  NaNIsFault,  // its own checks also catch a NaN or infinite operand; a NaN result is a fault,
               // noted at once
  LaneByLane,  // the point kernel lane by lane, each fault noted at once
};
struct FaultRule {
  OperandCheck check = OperandCheck::None;
  ResultFaults result = ResultFaults::Shows;
};

// How the rounding form (evaluation/Rounding) bounds a step's error and recovers its
// correction: exactly for the operations double-double arithmetic recovers, by the step's
// slopes for the library functions.
enum class RoundingRule : uint8_t {
  Sum,
  Difference,
  Product,
  Quotient,
  Negation,
  Copy,
  Absolute,
  Root,
  Power,
  Jump,     // a whole number: no slope, the reach of the operand's error instead
  Library,  // within one unit in the last place; the operands' errors carried by the slopes
};

// The operands and result of a step over n lanes. An operand that is the same in every lane
// has no array (nullptr) but its one value; a unary step reads b alone. `out` may be an
// operand's array.
struct LaneArgs {
  const double* a = nullptr;
  double ua = 0;
  const double* b = nullptr;
  double ub = 0;
  double* out = nullptr;
  int n = 0;
  bool degrees = false;
  double* poison = nullptr;  // LaneByLane: the fault row (0 valid, NaN once a fault is noted)
  int whole = 0;             // the power's whole exponent (Operation<kOpPow>::WholeExponent)
};

// ---- The rows.

namespace operations {

// What every row has by default.
struct Binary {
  static constexpr bool kWrites = true;
  static constexpr bool kUnary = false;
  static constexpr bool kFunction = false;
};
struct Unary : Binary {
  static constexpr bool kUnary = true;
};
struct Function : Unary {
  static constexpr bool kFunction = true;
  static constexpr RoundingRule kRounding = RoundingRule::Library;
};

// A result a register may hold: finite (the comparison is false for NaN too).
inline bool inRange(double r) {
  return std::fabs(r) <= DBL_MAX;
}

// The codes that are no operation: the end mark, the separator, codes never generated. A
// step with one of these writes nothing.
struct NoOperation {
  static constexpr bool kWrites = false;
  static constexpr bool kUnary = true;
  static constexpr bool kFunction = false;
  static constexpr std::string_view kName = "";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Clean};
  static constexpr RoundingRule kRounding = RoundingRule::Copy;
  static bool point(double, double, bool, double&) { return true; }
  static void lanes(const LaneArgs&) {}
  static bool series(const TaylorSeries&, const TaylorSeries&, bool, TaylorSeries&) { return true; }
  static IntervalStep interval(const IntervalOperands&) { return {}; }
};

}  // namespace operations

template <uint8_t Code>
struct Operation : operations::NoOperation {};

template <>
struct Operation<kOpAdd> : operations::Binary {
  static constexpr std::string_view kName = "+";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};
  static constexpr RoundingRule kRounding = RoundingRule::Sum;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::sum(o); }
  static bool point(double a, double b, bool, double& r) {
    r = a + b;
    return operations::inRange(r);
  }
  static void lanes(const LaneArgs& l) {
    vectormath::lanes().add(l.a, l.ua, l.b, l.ub, l.out, l.n);
  }
  static bool series(const TaylorSeries& a, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = taylor::plus(a, b);
    return true;
  }
};

template <>
struct Operation<kOpSub> : operations::Binary {
  static constexpr std::string_view kName = "-";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};
  static constexpr RoundingRule kRounding = RoundingRule::Difference;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::difference(o); }
  static bool point(double a, double b, bool, double& r) {
    r = a - b;
    return operations::inRange(r);
  }
  static void lanes(const LaneArgs& l) {
    vectormath::lanes().subtract(l.a, l.ua, l.b, l.ub, l.out, l.n);
  }
  static bool series(const TaylorSeries& a, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = taylor::minus(a, b);
    return true;
  }
};

template <>
struct Operation<kOpMul> : operations::Binary {
  static constexpr std::string_view kName = "*";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};
  static constexpr RoundingRule kRounding = RoundingRule::Product;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::product(o); }
  static bool point(double a, double b, bool, double& r) {
    r = a * b;
    return operations::inRange(r);
  }
  static void lanes(const LaneArgs& l) {
    vectormath::lanes().multiply(l.a, l.ua, l.b, l.ub, l.out, l.n);
  }
  static bool series(const TaylorSeries& a, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = taylor::times(a, b);
    return true;
  }
};

template <>
struct Operation<kOpDiv> : operations::Binary {
  static constexpr std::string_view kName = "/";
  static constexpr FaultRule kFaults = {OperandCheck::Divisor, ResultFaults::Shows};
  static constexpr RoundingRule kRounding = RoundingRule::Quotient;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::quotient(o); }
  static bool point(double a, double b, bool, double& r) {
    r = a / b;
    return operations::inRange(r);  // b = 0 gives inf or NaN
  }
  static void lanes(const LaneArgs& l) {
    vectormath::lanes().divide(l.a, l.ua, l.b, l.ub, l.out, l.n);
  }
  static bool series(const TaylorSeries& a, const TaylorSeries& b, bool, TaylorSeries& r) {
    return taylor::divided(a, b, r);
  }
};

// The power rule: repeated multiplication for whole exponents 0..9 (so (-2)^3 = -8 and
// 0^0 = 1), otherwise exp(exponent * ln(base)), which faults for a base of 0 or below. Its
// lanes run the point kernel lane by lane, but for a whole exponent the same in every lane.
template <>
struct Operation<kOpPow> : operations::Binary {
  static constexpr std::string_view kName = "^";
  static constexpr FaultRule kFaults = {OperandCheck::Operands, ResultFaults::LaneByLane};
  static constexpr RoundingRule kRounding = RoundingRule::Power;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::power(o); }
  static bool point(double base, double exponent, bool, double& r) {
    int n = 0;
    if (powers::smallWholeExponent(exponent, n)) {
      r = powers::whole(base, n);
      return operations::inRange(r);
    }
    if (!(base > 0.0)) return false;
    vectormath::power(&base, &exponent, &r, 1);
    return operations::inRange(r);
  }
  static bool series(const TaylorSeries& a, const TaylorSeries& b, bool, TaylorSeries& r) {
    int n = 0;
    if (taylor::isConstant(b) && powers::smallWholeExponent(b[0], n)) {
      r = taylor::wholePower(a, n);
      return true;
    }
    return taylor::power(a, b, r);
  }

  // The lanes' form for a varying base and a whole exponent 1..9 the same in every lane
  // (x^2, x^3, ...): repeated multiplication in vectors, whose faults show as an infinity.
  struct WholeExponent {
    static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};
    static bool applies(const double* base, const double* exponent, double uniformExponent,
                        int& whole) {
      return base && !exponent && powers::smallWholeExponent(uniformExponent, whole) && whole > 0;
    }
    static void lanes(const LaneArgs& l) {
      const auto& kernels = vectormath::lanes();
      switch (l.whole) {
        case 1:
          std::copy_n(l.a, l.n, l.out);
          break;
        case 2:
          kernels.square(l.a, l.out, l.n);
          break;
        case 3:
          kernels.cube(l.a, l.out, l.n);
          break;
        case 4:
          powers::chainLanes<4>(l.a, l.out, l.n);
          break;
        case 5:
          powers::chainLanes<5>(l.a, l.out, l.n);
          break;
        case 6:
          powers::chainLanes<6>(l.a, l.out, l.n);
          break;
        case 7:
          powers::chainLanes<7>(l.a, l.out, l.n);
          break;
        case 8:
          powers::chainLanes<8>(l.a, l.out, l.n);
          break;
        default:
          powers::chainLanes<9>(l.a, l.out, l.n);
          break;
      }
    }
  };
};

template <>
struct Operation<kOpNeg> : operations::Unary {
  static constexpr std::string_view kName = "(-)";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Passes};
  static constexpr RoundingRule kRounding = RoundingRule::Negation;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::negation(o); }
  static bool point(double, double b, bool, double& r) {
    r = -b;
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::lanes().negate(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = taylor::scaled(b, -1);
    return true;
  }
};

template <>
struct Operation<kOpAssign> : operations::Unary {
  static constexpr std::string_view kName = "=";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Passes};
  static constexpr RoundingRule kRounding = RoundingRule::Copy;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::copy(o); }
  static bool point(double, double b, bool, double& r) {
    r = b;
    return true;
  }
  static void lanes(const LaneArgs& l) { std::copy_n(l.b, l.n, l.out); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = b;
    return true;
  }
};

// The comparisons of an inequality: the step computes left - right, which the region's
// plotter compares with 0 (holds where < 0, or <= 0). As steps they are differences, so every
// evaluator runs them as it runs "-".
template <>
struct Operation<kOpLess> : Operation<kOpSub> {
  static constexpr std::string_view kName = "<";
};

template <>
struct Operation<kOpLessEq> : Operation<kOpSub> {
  static constexpr std::string_view kName = "<=";
};

// The angle functions and the plain library functions come from vectormath, on arrays of one
// value at a point, so that the lanes get the same bits; their fault rules are the program's
// (see there).

// asin: a fault at +-1 and beyond.
template <>
struct Operation<kOpAsin> : operations::Function {
  static constexpr std::string_view kName = "asin";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::NaNIsFault};
  static IntervalStep interval(const IntervalOperands& o) { return intervals::arcsine(o); }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::arcsine(&b, &r, 1, degrees);
    return !std::isnan(r);
  }
  static void lanes(const LaneArgs& l) { vectormath::arcsine(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries h{};
    double value = 0;
    if (!taylor::arcsineSlope(b, 1, h) || !point(0, b[0], false, value)) return false;
    r = taylor::integrated(value, b, h, degrees);
    return true;
  }
};

// acos as the program defines it: a fault at 0 and beyond +-1, negative for a < 0.
template <>
struct Operation<kOpAcos> : operations::Function {
  static constexpr std::string_view kName = "acos";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::NaNIsFault};
  static IntervalStep interval(const IntervalOperands& o) { return intervals::arccosine(o); }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::arccosine(&b, &r, 1, degrees);
    return !std::isnan(r);
  }
  static void lanes(const LaneArgs& l) { vectormath::arccosine(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries h{};
    double value = 0;
    if (!taylor::arcsineSlope(b, -1, h) || !point(0, b[0], false, value)) return false;
    r = taylor::integrated(value, b, h, degrees);
    return true;
  }
};

template <>
struct Operation<kOpAtan> : operations::Function {
  static constexpr std::string_view kName = "atan";
  static constexpr FaultRule kFaults = {OperandCheck::Operands, ResultFaults::Clean};
  static IntervalStep interval(const IntervalOperands& o) {
    return intervals::increasing(&point, o);
  }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::arctangent(&b, &r, 1, degrees);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::arctangent(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries h{};
    double value = 0;
    if (!taylor::arctangentSlope(b, h) || !point(0, b[0], false, value)) return false;
    r = taylor::integrated(value, b, h, degrees);
    return true;
  }
};

template <>
struct Operation<kOpSqrt> : operations::Function {
  static constexpr std::string_view kName = "sqrt";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};  // NaN
  static constexpr RoundingRule kRounding = RoundingRule::Root;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::squareRoot(o); }
  static bool point(double, double b, bool, double& r) {
    if (!(b >= 0.0)) return false;
    r = std::sqrt(b);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::lanes().squareRoot(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    return taylor::squareRoot(b, r);
  }
};

// sin and cos: 0 beyond the sine instruction's range.
template <>
struct Operation<kOpSin> : operations::Function {
  static constexpr std::string_view kName = "sin";
  static constexpr FaultRule kFaults = {OperandCheck::Operands, ResultFaults::Clean};
  static IntervalStep interval(const IntervalOperands& o) { return intervals::sine(o); }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::sine(&b, &r, 1, degrees);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::sine(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries c{};
    taylor::sineCosine(b, degrees, r, c);
    return true;
  }
};

template <>
struct Operation<kOpCos> : operations::Function {
  static constexpr std::string_view kName = "cos";
  static constexpr FaultRule kFaults = {OperandCheck::Operands, ResultFaults::Clean};
  static IntervalStep interval(const IntervalOperands& o) { return intervals::cosine(o); }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::cosine(&b, &r, 1, degrees);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::cosine(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries s{};
    taylor::sineCosine(b, degrees, s, r);
    return true;
  }
};

// Beyond the sine instruction's range, and at an odd multiple of 90 degrees, a fault.
template <>
struct Operation<kOpTan> : operations::Function {
  static constexpr std::string_view kName = "tan";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::NaNIsFault};
  static IntervalStep interval(const IntervalOperands& o) { return intervals::tangent(o); }
  static bool point(double, double b, bool degrees, double& r) {
    vectormath::tangent(&b, &r, 1, degrees);
    return !std::isnan(r);
  }
  static void lanes(const LaneArgs& l) { vectormath::tangent(l.b, l.out, l.n, l.degrees); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool degrees, TaylorSeries& r) {
    TaylorSeries s{}, c{};
    taylor::sineCosine(b, degrees, s, c);
    return taylor::divided(s, c, r);
  }
};

template <>
struct Operation<kOpLog> : operations::Function {
  static constexpr std::string_view kName = "log";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};  // NaN, -inf
  static IntervalStep interval(const IntervalOperands& o) { return intervals::logarithm10(o); }
  static bool point(double, double b, bool, double& r) {
    if (!(b > 0.0)) return false;
    vectormath::logarithm10(&b, &r, 1);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::logarithm10(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    if (!taylor::logarithm(b, r)) return false;
    r = taylor::scaled(r, 1 / std::log(10.0));
    return true;
  }
};

template <>
struct Operation<kOpAbs> : operations::Function {
  static constexpr std::string_view kName = "abs";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Passes};
  static constexpr RoundingRule kRounding = RoundingRule::Absolute;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::absolute(o); }
  static bool point(double, double b, bool, double& r) {
    r = std::fabs(b);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::lanes().absolute(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    if (b[0] == 0) return false;  // the corner
    r = taylor::scaled(b, b[0] > 0 ? 1 : -1);
    return true;
  }
};

template <>
struct Operation<kOpExp> : operations::Function {
  static constexpr std::string_view kName = "exp";
  static constexpr FaultRule kFaults = {OperandCheck::Operands, ResultFaults::Shows};  // inf
  static IntervalStep interval(const IntervalOperands& o) { return intervals::exponential(o); }
  static bool point(double, double b, bool, double& r) {
    vectormath::exponential(&b, &r, 1);
    return operations::inRange(r);
  }
  static void lanes(const LaneArgs& l) { vectormath::exponential(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    r = taylor::exponential(b);
    return true;
  }
};

template <>
struct Operation<kOpLn> : operations::Function {
  static constexpr std::string_view kName = "ln";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::Shows};  // NaN, -inf
  static IntervalStep interval(const IntervalOperands& o) { return intervals::logarithm(o); }
  static bool point(double, double b, bool, double& r) {
    if (!(b > 0.0)) return false;
    vectormath::logarithm(&b, &r, 1);
    return true;
  }
  static void lanes(const LaneArgs& l) { vectormath::logarithm(l.b, l.out, l.n); }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    return taylor::logarithm(b, r);
  }
};

// Rounds to the nearest whole number, halves to even, through a 32-bit integer.
template <>
struct Operation<kOpInt> : operations::Function {
  static constexpr std::string_view kName = "int";
  static constexpr FaultRule kFaults = {OperandCheck::None, ResultFaults::LaneByLane};
  static constexpr RoundingRule kRounding = RoundingRule::Jump;
  static IntervalStep interval(const IntervalOperands& o) { return intervals::nearestWhole(o); }
  static bool point(double, double b, bool, double& r) {
    r = std::nearbyint(b);
    return r >= -2147483648.0 && r <= 2147483647.0;
  }
  static bool series(const TaylorSeries&, const TaylorSeries& b, bool, TaylorSeries& r) {
    const double whole = std::nearbyint(b[0]);
    if (std::fabs(b[0] - whole) == 0.5) return false;  // a jump
    r = taylor::constant(whole);
    return true;
  }
};

// ---- Looking the rows up.

namespace operations {
// The row of a code: its Operation, or NoOperation for a code without one.
template <int Code>
using Row = std::conditional_t<Operation<Code>::kWrites, Operation<Code>, NoOperation>;
}  // namespace operations

// Calls f with the row of `opcode` (an empty object of the row's type) and returns what f
// returns: one switch that the compiler turns into a jump to code with the row's kernels
// inlined. Every code up to kMaxOpcode has its case, so a new row needs no line here.
template <class F>
constexpr decltype(auto) withOperation(uint8_t opcode, F&& f) {
  switch (opcode) {
    case 1:
      return f(operations::Row<1>{});
    case 2:
      return f(operations::Row<2>{});
    case 3:
      return f(operations::Row<3>{});
    case 4:
      return f(operations::Row<4>{});
    case 5:
      return f(operations::Row<5>{});
    case 6:
      return f(operations::Row<6>{});
    case 7:
      return f(operations::Row<7>{});
    case 8:
      return f(operations::Row<8>{});
    case 9:
      return f(operations::Row<9>{});
    case 10:
      return f(operations::Row<10>{});
    case 11:
      return f(operations::Row<11>{});
    case 12:
      return f(operations::Row<12>{});
    case 13:
      return f(operations::Row<13>{});
    case 14:
      return f(operations::Row<14>{});
    case 15:
      return f(operations::Row<15>{});
    case 16:
      return f(operations::Row<16>{});
    case 17:
      return f(operations::Row<17>{});
    case 18:
      return f(operations::Row<18>{});
    case 19:
      return f(operations::Row<19>{});
    case 20:
      return f(operations::Row<20>{});
    case 21:
      return f(operations::Row<21>{});
    case 22:
      return f(operations::Row<22>{});
    case 23:
      return f(operations::Row<23>{});
    case 24:
      return f(operations::Row<24>{});
    case 25:
      return f(operations::Row<25>{});
    case 26:
      return f(operations::Row<26>{});
    case 27:
      return f(operations::Row<27>{});
    case 28:
      return f(operations::Row<28>{});
    case 29:
      return f(operations::Row<29>{});
    case 30:
      return f(operations::Row<30>{});
    case 31:
      return f(operations::Row<31>{});
    default:
      return f(operations::NoOperation{});
  }
}

// The rows as data, for the code that looks a step's row up once and then runs it over many
// lanes (the batch evaluator) or at a few points (the rounding form).
using PointKernel = bool (*)(double a, double b, bool degrees, double& r);
using LaneKernel = void (*)(const LaneArgs& lanes);
using IntervalRule = IntervalStep (*)(const IntervalOperands& operands);
struct LaneForm {
  FaultRule faults;
  LaneKernel kernel;
};
struct OperationInfo {
  std::string_view name;
  bool writes = false;
  bool unary = true;
  bool function = false;
  PointKernel point = nullptr;
  LaneForm lanes{};
  RoundingRule rounding = RoundingRule::Copy;
  IntervalRule interval = nullptr;
};

namespace operations {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The lane kernel of a row without one: its point kernel lane by lane, each fault noted.
template <class Op>
void pointByLane(const LaneArgs& l) {
  for (int i = 0; i < l.n; ++i) {
    double r = 0;
    const bool ok = Op::point(l.a ? l.a[i] : l.ua, l.b ? l.b[i] : l.ub, l.degrees, r);
    l.out[i] = r;
    l.poison[i] += ok ? 0.0 : kNaN;
  }
}

template <class Op>
constexpr LaneForm laneFormOf() {
  if constexpr (requires { &Op::lanes; }) {
    static_assert(Op::kFaults.result != ResultFaults::LaneByLane);
    return {Op::kFaults, &Op::lanes};
  } else {
    static_assert(Op::kFaults.result == ResultFaults::LaneByLane);
    return {Op::kFaults, &pointByLane<Op>};
  }
}

template <class Op>
constexpr OperationInfo infoOf() {
  OperationInfo info;
  info.name = Op::kName;
  info.writes = Op::kWrites;
  info.unary = Op::kUnary;
  info.function = Op::kFunction;
  info.point = &Op::point;
  info.lanes = laneFormOf<Op>();
  info.rounding = Op::kRounding;
  info.interval = &Op::interval;
  return info;
}

constexpr std::array<OperationInfo, kMaxOpcode + 1> kInfo = [] {
  std::array<OperationInfo, kMaxOpcode + 1> info{};
  for (int code = 0; code <= kMaxOpcode; ++code) {
    info[code] =
        withOperation(static_cast<uint8_t>(code), [](auto row) { return infoOf<decltype(row)>(); });
  }
  return info;
}();

}  // namespace operations

inline const OperationInfo& operationInfo(uint8_t opcode) {
  return operations::kInfo[opcode <= kMaxOpcode ? opcode : 0];
}

// The highest opcode with a row.
constexpr int kLastOpcode = [] {
  int last = 0;
  for (int code = 0; code <= kMaxOpcode; ++code) {
    if (operations::kInfo[code].writes) last = code;
  }
  return last;
}();

// The lanes' form of the power with a whole exponent the same in every lane.
constexpr LaneForm kWholePowerLanes = {Operation<kOpPow>::WholeExponent::kFaults,
                                       &Operation<kOpPow>::WholeExponent::lanes};

}  // namespace quorvel
