#pragma once
// The vocabulary of the formula language: which character starts which token, the function
// and variable names with their codes, the operators with their priorities, the limits of a
// formula and the translator's messages. Translator, evaluator and debug view all read these
// tables; the numbering here is the numbering that postfix tables and step lists carry.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel {

// What kind of token a character starts.
enum class CharClass {
  Number,
  Word,
  Operator,
  OpenBracket,
  CloseBracket,
  Equals,
  Separator,
  End,
  Other
};
CharClass classOf(char c);

// Operator codes, as postfix entries (`oper`) and steps (`opcode`) carry them.
enum Opcode : uint8_t {
  kOpEnd = 0,
  kOpAdd = 1,
  kOpSub = 2,
  kOpMul = 3,
  kOpDiv = 4,
  kOpPow = 5,
  kOpNeg = 6,     // unary minus, shown as "(-)"
  kOpAssign = 7,  // "="
  kOpSeparator = 8,
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
};
constexpr int kLastOpcode = kOpInt;

// Function names in table order; the opcode of function i (1-based) is 9 + i.
constexpr std::array<std::string_view, 12> kFunctionNames = {
    "asin", "acos", "atan", "sqrt", "sin", "cos", "tan", "log", "abs", "exp", "ln", "int"};
constexpr int kFirstFunctionOpcode = 10;

// One-letter names in table order; the operand code of letter i (1-based) is 199 + i.
constexpr std::array<char, 8> kVariableLetters = {'x', 'y', 'v', 'a', 'b', 'c', 'p', 'e'};

// Operand codes of the register file.
constexpr uint8_t kRegNone = 0;         // never written, reads as 0
constexpr uint8_t kFirstTemporary = 1;  // 1..19: temporaries of a run
constexpr uint8_t kLastTemporary = 19;
constexpr uint8_t kFirstConstant = 20;  // slot s owns 20*s .. 20*s+19
constexpr uint8_t kRegX = 200;
constexpr uint8_t kRegY = 201;
constexpr uint8_t kRegV = 202;
constexpr uint8_t kRegA = 203;
constexpr uint8_t kRegB = 204;
constexpr uint8_t kRegC = 205;
constexpr uint8_t kRegPi = 206;
constexpr uint8_t kRegE = 207;
// Frozen a, b, c of slot s (after "subst. abc") at 207+3s, 208+3s, 209+3s.
constexpr uint8_t frozenConstantCode(int slot, uint8_t constantCode) {
  return static_cast<uint8_t>(constantCode + 3 * slot + 4);
}
constexpr int kRegisterCount = 238;

constexpr bool isTemporary(int code) {
  return code >= kFirstTemporary && code <= kLastTemporary;
}

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
constexpr int kStepsPerSlot = 30;  // the 30th always holds the end mark
constexpr int kMaxSteps = kStepsPerSlot - 1;
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
};
std::string_view translatorMessage(TranslatorError error);

// Lookups of a whole word; nothing is split.
std::optional<uint8_t> functionOpcode(std::string_view word);
std::optional<uint8_t> variableCode(std::string_view word);

}  // namespace quorvel
