#pragma once
// The nine slots and what the translator keeps of their formulas; their programs are
// evaluation/Program.h's step lists.

#include <array>
#include <cstdint>
#include <string>

#include "evaluation/Program.h"
#include "formula/FormulaLanguage.h"

namespace quorvel {

constexpr int kSlotCount = 9;

// What a slot holds (`slotKind`); 1..4 are the formula types.
enum SlotKind : uint8_t {
  kSlotEmpty = 0,
  kSlotFunction = 1,    // y = f(x)
  kSlotInverse = 2,     // x = f(y)
  kSlotParametric = 3,  // y = f(v) ; x = g(v)
  kSlotImplicit = 4,    // f(x, y) = g(x, y)
  kSlotPolynomial = 5,
  kSlotInequality = 6,  // f(x, y) < g(x, y), or a chain of two: the region where it holds
  kSlotPolar = 7,       // r = f(v): the curve x = r cos v, y = r sin v
};
// The kinds a formula text makes (every kind but the polynomial).
constexpr bool isFormulaKind(int kind) {
  return (kind >= kSlotFunction && kind <= kSlotImplicit) || kind == kSlotInequality ||
         kind == kSlotPolar;
}

// The register in which a polar curve's program leaves r, before it turns r and v into x and
// y; its formula may use one temporary less.
constexpr uint8_t kRegPolarRadius = kLastTemporary;

// `derivMarker` of a type-1 formula: 0 plain, 1..3 derivative order, 4 integral.
constexpr uint8_t kIntegralMarker = 4;

// The formula record of a slot.
struct TFormule {
  std::string text;          // as the edit box delivered it, prefix, blanks and case included
  double domainBegin = 0;    // parametric: first v; integral: x where integration starts
  double domainEnd = 0;      // parametric: last v; integral: x where it ends
  uint16_t domainSteps = 0;  // parametric: number of v steps
  uint8_t derivMarker = 0;
};

// One entry of the translator's postfix table: an operand and the operator after it.
struct PostfixEntry {
  uint8_t reg = kRegNone;
  uint8_t oper = kOpEnd;
  uint8_t prior = 0;
};

}  // namespace quorvel
