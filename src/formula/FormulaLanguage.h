#pragma once
// The vocabulary of the formula language: which character starts which token, the variable
// names with their codes, the operators with their priorities, the limits of a formula and
// the translator's messages. Translator and debug view read these tables. The operations
// with their opcodes and names are the table of operations' (evaluation/Operations.h), the
// operand codes the programs' (evaluation/Program.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "evaluation/Program.h"

namespace quorvel {

// What kind of token a character starts.
enum class CharClass {
  Number,
  Word,
  Operator,
  OpenBracket,
  CloseBracket,
  Equals,
  Comparison,  // < or >
  Separator,
  End,
  Other
};
CharClass classOf(char c);

// One-letter names in table order; the operand code of letter i (1-based) is 199 + i.
constexpr std::array<char, 8> kVariableLetters = {'x', 'y', 'v', 'a', 'b', 'c', 'p', 'e'};

// Priorities: within bracket level L (0, 10, 20, ...) an operator binds with L plus these.
constexpr int kBracketStep = 10;
constexpr int kPriorAddSub = 3;
constexpr int kPriorMulDiv = 4;
constexpr int kPriorNeg = 5;
constexpr int kPriorPow = 6;
constexpr int kPriorFunction = 7;
constexpr int kPriorAssign = 2;     // only at level 0
constexpr int kPriorSeparator = 1;  // only at level 0

// Limits of one formula.
constexpr int kMaxNumbers = 20;
constexpr int kMaxTemporaries = 19;
constexpr int kPostfixEntries = 40;  // the 40th may never be opened
constexpr int kMaxBracketLevel = 200;
constexpr int kMaxSubstitutedLength = 249;
constexpr int kMinFormulaLength = 3;

// The translator's messages, numbered as the program numbers them (1-based).
enum class TranslatorError : uint8_t {
  None = 0,
  TooLong = 1,
  TooManyOpenBrackets = 2,
  Misplaced = 3,
  TooManyCloseBrackets = 4,
  BracketAfterFunction = 5,
  TooManyNumbers = 6,
  BadNumber = 7,
  UnknownWord = 8,
  EqualsInBrackets = 9,
  OperandMissing = 10,
  UnbalancedBrackets = 11,
  UnknownCharacter = 12,
  Incomplete = 13,
  NotType1 = 14,
  TooManyDs = 15,
  ColonMissing = 16,
  EqualsCount = 17,
  ParametricVariables = 18,
  NoType = 19,
  FormulaMissing = 20,
  // The inequalities and polar curves.
  ComparisonDirections = 21,  // a chain that goes up and down: 0<y>x
  ComparisonCount = 22,       // more than two comparisons, or one beside '=' or ';'
  PolarVariables = 23,        // r= with x or y in it
};
std::string_view translatorMessage(TranslatorError error);

// Lookups of a whole word; nothing is split. A function is an operation whose row in the
// table of operations is a function's.
std::optional<uint8_t> functionOpcode(std::string_view word);
std::optional<uint8_t> variableCode(std::string_view word);

}  // namespace quorvel
