#pragma once
// Exact arithmetic for the references of the exact methods' tests: numbers of 256 bits in
// MPFR and closed ranges of them.

#include <mpfr.h>

#include <vector>

namespace quorvel::testing {

// Numbers of 256 bits, kept on the stack: sums and products of a few of the picture's doubles
// are exact in them, and the rest (quotients, pi, sin, square roots) is off by far less than
// the margin below.

class Real {
 public:
  Real() {
    mpfr_custom_init(limbs_, kBits);
    mpfr_custom_init_set(v_, MPFR_ZERO_KIND, 0, kBits, limbs_);
  }
  Real(double d) : Real() { mpfr_set_d(v_, d, MPFR_RNDN); }  // implicit: every double is exact
  Real(const Real& other) : Real() { mpfr_set(v_, other.v_, MPFR_RNDN); }
  Real& operator=(const Real& other) {
    mpfr_set(v_, other.v_, MPFR_RNDN);
    return *this;
  }
  ~Real() = default;  // the limbs are the object's own

  static Real infinity(int sign) {
    Real r;
    mpfr_set_inf(r.v_, sign);
    return r;
  }
  static Real pi() {
    Real r;
    mpfr_const_pi(r.v_, MPFR_RNDN);
    return r;
  }

  friend Real operator+(const Real& a, const Real& b) { return apply(mpfr_add, a, b); }
  friend Real operator-(const Real& a, const Real& b) { return apply(mpfr_sub, a, b); }
  friend Real operator*(const Real& a, const Real& b) { return apply(mpfr_mul, a, b); }
  friend Real operator/(const Real& a, const Real& b) { return apply(mpfr_div, a, b); }
  friend Real operator-(const Real& a) { return apply(mpfr_neg, a); }
  friend bool operator<(const Real& a, const Real& b) { return mpfr_less_p(a.v_, b.v_) != 0; }
  friend bool operator<=(const Real& a, const Real& b) { return mpfr_lessequal_p(a.v_, b.v_) != 0; }
  friend bool operator==(const Real& a, const Real& b) { return mpfr_equal_p(a.v_, b.v_) != 0; }
  friend Real sin(const Real& a) { return apply(mpfr_sin, a); }
  friend Real sqrt(const Real& a) { return apply(mpfr_sqrt, a); }
  friend Real ceil(const Real& a) {
    Real r;
    mpfr_ceil(r.v_, a.v_);
    return r;
  }

 private:
  static constexpr mpfr_prec_t kBits = 256;
  template <typename Op>
  static Real apply(Op op, const Real& a, const Real& b) {
    Real r;
    op(r.v_, a.v_, b.v_, MPFR_RNDN);
    return r;
  }
  template <typename Op>
  static Real apply(Op op, const Real& a) {
    Real r;
    op(r.v_, a.v_, MPFR_RNDN);
    return r;
  }
  mp_limb_t limbs_[(kBits + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS];
  mpfr_t v_;
};

inline const Real& lower(const Real& a, const Real& b) {
  return b < a ? b : a;
}
inline const Real& higher(const Real& a, const Real& b) {
  return a < b ? b : a;
}

// A closed interval, its ends possibly infinite.
struct Range {
  Real lo, hi;
};

// Exact ranges: each rule takes independent operands.
inline Range operator+(const Range& a, const Range& b) {
  return {a.lo + b.lo, a.hi + b.hi};
}
inline Range operator+(const Range& a, const Real& c) {
  return {a.lo + c, a.hi + c};
}
inline Range operator-(const Range& a) {
  return {-a.hi, -a.lo};
}
inline Range operator*(const Real& k, const Range& a) {
  return 0 <= k ? Range{k * a.lo, k * a.hi} : Range{k * a.hi, k * a.lo};
}
inline Range square(const Range& a) {
  if (0 <= a.lo) return {a.lo * a.lo, a.hi * a.hi};
  if (a.hi <= 0) return {a.hi * a.hi, a.lo * a.lo};
  return {0, higher(a.lo * a.lo, a.hi * a.hi)};
}
inline Range hull(const std::vector<Real>& values) {
  Range r{values.front(), values.front()};
  for (const Real& v : values) {
    r.lo = lower(r.lo, v);
    r.hi = higher(r.hi, v);
  }
  return r;
}

// sin over [lo, hi]: its ends, and +-1 where a peak pi/2 + 2k pi or a trough -pi/2 + 2k pi lies
// between.
inline Range sineOver(const Real& lo, const Real& hi) {
  Range r = hull({sin(lo), sin(hi)});
  const Real pi = Real::pi(), turn = Real(2) * pi;
  auto reaches = [&](const Real& peak) { return peak + ceil((lo - peak) / turn) * turn <= hi; };
  if (reaches(pi / Real(2))) r.hi = 1;
  if (reaches(-pi / Real(2))) r.lo = -1;
  return r;
}

}  // namespace quorvel::testing
