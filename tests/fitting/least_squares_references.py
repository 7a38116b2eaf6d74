#!/usr/bin/env python3
"""Writes LeastSquaresReferences.h: fitting problems with their least-squares solutions
computed exactly, in rational arithmetic, from the very doubles the solver is given.

    python3 tests/fitting/least_squares_references.py > tests/fitting/LeastSquaresReferences.h

Two kinds of data on every degree 1..7, with 8, 21 and 40 points spread over [0, 20],
[-1000, 1000] and [1e5, 3e6]: points on a polynomial (the y rounded to the nearest double;
on [0, 20] the coefficients are whole numbers, so every y is exact), and the same points
with noise of a thousandth or of half the polynomial's size added. For each problem the
exact solution of the normal equations (the least-squares solution, for the data as the
doubles hold them) is rounded to the nearest double, and the condition numbers of two design
matrices are computed with 60-digit decimals: the powers of x with every column scaled to
length 1 (what bounds the coefficients' relative sensitivity), and the powers of
t = (x - centre) / half width on [-1, 1] (what the solver factors).
"""

from decimal import Decimal, getcontext
from fractions import Fraction

getcontext().prec = 60

RANGES = [(0, 20), (-1000, 1000), (100000, 3000000)]
COUNTS = [8, 21, 40]
NOISE = [Fraction(1, 1000), Fraction(1, 2)]


class Random:
    """A fixed linear congruential sequence, so the file is the same on every run."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % (1 << 64)
        return self.state >> 11

    def integer(self, low, high):
        return low + self.next() % (high - low + 1)

    def unit(self):  # a fraction in [-1, 1)
        return Fraction(self.next() % (1 << 40), 1 << 39) - 1


def exact(value):
    return Fraction(value)  # the exact value of a double


def nearest_double(q):
    return float(q)  # Python rounds a Fraction correctly


def solve(matrix, rhs):
    n = len(rhs)
    a = [row[:] + [rhs[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = next(r for r in range(col, n) if a[r][col] != 0)
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col and a[r][col] != 0:
                f = a[r][col] / a[col][col]
                a[r] = [x - f * y for x, y in zip(a[r], a[col])]
    return [a[i][n] / a[i][i] for i in range(n)]


def least_squares(xs, ys, m):
    """The exact solution of A^T A c = A^T y for the rational points."""
    powers = [[x ** k for k in range(m)] for x in xs]
    normal = [[sum(p[i] * p[j] for p in powers) for j in range(m)] for i in range(m)]
    rhs = [sum(p[i] * y for p, y in zip(powers, ys)) for i in range(m)]
    return solve(normal, rhs)


def condition(columns):
    """The 2-norm condition number of the matrix with these columns (one-sided Jacobi)."""
    cols = [[Decimal(v.numerator) / Decimal(v.denominator) for v in c] for c in columns]
    m = len(cols)
    for _ in range(60):
        rotated = False
        for i in range(m):
            for j in range(i + 1, m):
                a = sum(x * x for x in cols[i])
                b = sum(x * x for x in cols[j])
                c = sum(x * y for x, y in zip(cols[i], cols[j]))
                if abs(c) <= Decimal("1e-50") * (a * b).sqrt():
                    continue
                rotated = True
                zeta = (b - a) / (2 * c)
                sign = 1 if zeta >= 0 else -1
                t = sign / (abs(zeta) + (1 + zeta * zeta).sqrt())
                cs = 1 / (1 + t * t).sqrt()
                sn = cs * t
                for k in range(len(cols[i])):
                    xi, xj = cols[i][k], cols[j][k]
                    cols[i][k] = cs * xi - sn * xj
                    cols[j][k] = sn * xi + cs * xj
        if not rotated:
            break
    singular = [sum(x * x for x in c).sqrt() for c in cols]
    return max(singular) / min(singular)


def problems():
    # 1 + x + ... + x^5 at x = 0, 1, ..., 20: the normal equations gave its constant as 0,99987.
    xs = [Fraction(i) for i in range(21)]
    yield 0, 20, 5, 21, None, xs, [sum(x ** k for k in range(6)) for x in xs], "1 + x + ... + x^5"
    random = Random(20261209)
    for low, high in RANGES:
        for degree in range(1, 8):
            for n in COUNTS:
                # On [0, 20] in quarters, so that with whole coefficients every y is exact.
                grid = 4 if low == 0 else 1
                xs = [Fraction(round(Fraction(low * grid) + Fraction((high - low) * grid) * i
                                     / (n - 1)), grid) for i in range(n)]
                size = max(abs(low), abs(high))
                whole = low == 0
                coefficients = []
                for k in range(degree + 1):
                    a = random.integer(1, 9) * (1 if random.integer(0, 1) else -1)
                    coefficients.append(Fraction(a) if whole else Fraction(a) / Fraction(size) ** k)
                values = [sum(c * x ** k for k, c in enumerate(coefficients)) for x in xs]
                for noise in [None] + NOISE:
                    ys = values
                    if noise is not None:
                        top = max(abs(v) for v in values)
                        ys = [v + noise * top * random.unit() for v in values]
                    ys = [exact(nearest_double(y)) for y in ys]
                    yield low, high, degree, n, noise, xs, ys, None


def write():
    print("#pragma once")
    print("// Written by least_squares_references.py: least-squares problems and their exact")
    print("// solutions (see there). Do not edit by hand.")
    print()
    print("namespace quorvel::testing {")
    print()
    print("struct LeastSquaresReference {")
    print("  const char* name;")
    print("  bool noisy;")
    print("  int degree;")
    print("  int count;")
    print("  double x[40];")
    print("  double y[40];")
    print("  double coefficients[8];  // the exact least-squares solution, rounded")
    print("  double conditionOfPowers;  // powers of x, columns of length 1")
    print("  double conditionScaled;    // powers of t in [-1, 1]")
    print("};")
    print()
    print("inline const LeastSquaresReference kLeastSquaresReferences[] = {")
    for low, high, degree, n, noise, xs, ys, title in problems():
        m = degree + 1
        solution = least_squares(xs, ys, m)
        powers = []
        for k in range(m):
            col = [x ** k for x in xs]
            norm2 = sum(v * v for v in col)
            length = Fraction(Decimal(norm2.numerator).sqrt() / Decimal(norm2.denominator).sqrt())
            powers.append([v / length for v in col])
        centre = (xs[0] + xs[-1]) / 2
        half = (xs[-1] - xs[0]) / 2
        scaled = [[((x - centre) / half) ** k for x in xs] for k in range(m)]
        kind = title or ("exact" if noise is None else "noise %s" % noise)
        name = "[%s, %s] degree %d, %d points, %s" % (low, high, degree, n, kind)
        print("    {\"%s\", %s, %d, %d," % (name, "true" if noise is not None else "false", degree, n))
        print("     {%s}," % ", ".join(repr(float(x)) for x in xs))
        print("     {%s}," % ", ".join(repr(float(y)) for y in ys))
        print("     {%s}," % ", ".join(repr(nearest_double(c)) for c in solution))
        print("     %.3e, %.3e}," % (condition(powers), condition(scaled)))
    print("};")
    print()
    print("}  // namespace quorvel::testing")


if __name__ == "__main__":
    write()
