// The translator: formula text -> postfix table -> step list.
//
// The scanner reads the prepared text once, left to right, and writes one postfix entry per
// operand with the operator that follows it and that operator's priority. The generator then
// repeatedly takes the operator of highest priority (the leftmost of equals) out of the table
// and emits one three-address step for it.

#include <algorithm>
#include <cassert>

#include "common/Language.h"
#include "common/NumberText.h"
#include "common/Utf8.h"
#include "evaluation/Operations.h"
#include "formula/FormulaEngine.h"
#include "formula/Translation.h"

namespace quorvel {
namespace {

bool isLetter(char c) {
  return c >= 'a' && c <= 'z';
}
bool isDigitOrSeparator(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == ',';
}
bool isABC(char c) {
  return c == 'a' || c == 'b' || c == 'c';
}
char toLowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The whole UTF-8 character that starts at `index`, or U+FFFD where the bytes are not one.
std::string characterAt(const std::string& text, size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else if (lead >= 0x80) {
    return "\xEF\xBF\xBD";
  }
  if (index + length > text.size()) return "\xEF\xBF\xBD";
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[index + i]) & 0xC0) != 0x80) return "\xEF\xBF\xBD";
  }
  return text.substr(index, length);
}

uint8_t prior(int level, int offset) {
  return static_cast<uint8_t>(level + offset);
}

// Whether the letter stands alone as a variable somewhere in the text (the x of "exp" does
// not).
bool usesVariable(const std::string& text, char letter) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == letter && (i == 0 || !isLetter(text[i - 1])) &&
        (i + 1 == text.size() || !isLetter(text[i + 1]))) {
      return true;
    }
  }
  return false;
}

// The comparison signs of the prepared text: the sign characters < and > in order ('=' after
// one belongs to it).
std::string comparisonSigns(const std::string& text) {
  std::string signs;
  for (char c : text) {
    if (c == '<' || c == '>') signs += c;
  }
  return signs;
}

// '<=' as ≤ and '>=' as ≥, typed or pasted.
void spellComparisons(std::string& text) {
  static constexpr std::pair<std::string_view, std::string_view> kSigns[] = {
      {"\xE2\x89\xA4", "<="}, {"\xE2\x89\xA5", ">="}};
  for (const auto& [sign, spelled] : kSigns) {
    for (size_t at = text.find(sign); at != std::string::npos; at = text.find(sign, at)) {
      text.replace(at, sign.size(), spelled);
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Entry points

TranslationOutcome FormulaEngine::translateFormula(int slot, std::string_view text) {
  assert(slot >= 1 && slot <= kSlotCount);
  Translation& t = *t_;
  t = Translation{};
  t.slot = slot;
  formulaType = 0;
  t.text = std::string(text);

  prepareText();
  classifyFormula();
  scanFormula();
  TranslationOutcome outcome;
  if (t.error) {
    outcome.message = t.message;
    return outcome;
  }
  outcome.scanned = true;
  const bool showDebug = settings_.debugMode && debugListener != nullptr;
  if (showDebug) reportScan();
  generateSteps();
  if (showDebug) {
    for (int i = 0; i < t.stepCount; ++i) {
      const Step& step = t.steps[i];
      debugListener->stepRow(step.opcode, step.dest, step.src1, step.src2);
    }
  }
  if (t.error) {
    slotKind[slot] = kSlotEmpty;
    outcome.message = t.message;
    return outcome;
  }
  commitTranslation();
  showTranslatorMessage(TranslatorError::None, "OK");
  outcome.message = t.message;
  formulas[slot].text = std::string(text);
  if (formulaType == kSlotParametric || formulaType == kSlotPolar) {
    outcome.next = AfterTranslation::AskParameterDomain;
  } else if (formulas[slot].derivMarker == kIntegralMarker) {
    outcome.next = AfterTranslation::AskIntegralDomain;
  } else {
    outcome.next = AfterTranslation::Plot;
  }
  return outcome;
}

FormulaEngine::SlotMessages FormulaEngine::retranslateAll(
    const std::function<void(int slot)>& plotSlot) {
  SlotMessages failures;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (slotKind[slot] == kSlotEmpty) continue;
    formulaType = slotKind[slot];
    slotKind[slot] = kSlotEmpty;
    if (isFormulaKind(formulaType)) {
      Translation& t = *t_;
      t = Translation{};
      t.slot = slot;
      t.text = formulas[slot].text;
      prepareText();
      classifyFormula();
      scanFormula();
      generateSteps();
      if (t.error) {
        // The slot stays empty and keeps its text; the other slots are still translated, so
        // none of them is left with the program of a formula it no longer holds.
        failures[slot] = t.message;
        continue;
      }
      commitTranslation();
    } else if (formulaType != kSlotPolynomial) {
      continue;  // not a kind the program knows: the slot stays empty
    }
    plotSlot(slot);
  }
  return failures;
}

// The scanned postfix table and the formula's numbers, for the debug view.
void FormulaEngine::reportScan() {
  const Translation& t = *t_;
  debugListener->translationScanned(t.text);
  for (int i = 1; i <= t.entryCount; ++i) {
    const PostfixEntry& entry = t.postfixtable[i];
    debugListener->postfixRow(entry.reg, entry.oper, entry.prior);
  }
  for (int i = 1; i <= t.entryCount; ++i) {
    const uint8_t reg = t.postfixtable[i].reg;
    const int number = reg - kFirstConstant * t.slot;
    if (reg >= 1 && reg < kRegX && number >= 0 && number < t.constantCount) {
      debugListener->constantRow(reg, t.constants[number]);
    }
  }
}

FormulaEngine::SlotState FormulaEngine::saveSlot(int slot) const {
  assert(slot >= 1 && slot <= kSlotCount);
  SlotState state{formulas[slot], stepTable[slot], slotKind[slot], {}, {}};
  for (int i = 0; i < kMaxNumbers; ++i)
    state.numbers[i] = registers[kFirstConstant * slot + i];
  for (int k = 0; k < 3; ++k)
    state.frozen[k] = registers[frozenConstantCode(slot, static_cast<uint8_t>(kRegA + k))];
  return state;
}

void FormulaEngine::restoreSlot(int slot, const SlotState& state) {
  assert(slot >= 1 && slot <= kSlotCount);
  formulas[slot] = state.formula;
  stepTable[slot] = state.steps;
  slotKind[slot] = state.kind;
  for (int i = 0; i < kMaxNumbers; ++i)
    registers[kFirstConstant * slot + i] = state.numbers[i];
  for (int k = 0; k < 3; ++k)
    registers[frozenConstantCode(slot, static_cast<uint8_t>(kRegA + k))] = state.frozen[k];
}

void FormulaEngine::commitTranslation() {
  const Translation& t = *t_;
  stepTable[t.slot] = t.steps;
  for (int i = 0; i < t.constantCount; ++i)
    registers[kFirstConstant * t.slot + i] = t.constants[i];
  formulas[t.slot].derivMarker = formulaType == kSlotFunction ? t.derivCount : 0;
}

void FormulaEngine::showTranslatorMessage(TranslatorError error, std::string_view extra) {
  Translation& t = *t_;
  t.message = std::to_string(t.slot) + " : ";
  if (error != TranslatorError::None) {
    t.message += translated(translatorMessage(error).data());  // a literal: ends in a 0
    t.error = true;
  }
  t.message += extra;
}

// ---------------------------------------------------------------------------------------------
// Preparation and classification

void FormulaEngine::prepareText() {
  Translation& t = *t_;
  if (t.error) return;
  if (characterCount(t.text) < static_cast<size_t>(kMinFormulaLength)) {
    showTranslatorMessage(TranslatorError::Incomplete, "");
    return;
  }
  std::string prepared;
  prepared.reserve(t.text.size() + 1);
  for (char c : t.text) {
    if (c != ' ') prepared += toLowerAscii(c);
  }
  spellComparisons(prepared);
  prepared += ' ';
  t.text = std::move(prepared);
}

void FormulaEngine::classifyFormula() {
  Translation& t = *t_;
  if (t.error) return;
  const std::string& s = t.text;
  if (s.find_first_of("<>") != std::string::npos) {
    classifyInequality();
    return;
  }
  int xs = 0, ys = 0, vs = 0, equals = 0, separators = 0;
  int firstSeparator = 0, firstEquals = 0, firstV = 0;  // 1-based, 0 when absent
  for (int i = 0; i < static_cast<int>(s.size()); ++i) {
    switch (s[i]) {
      case 'x':
        ++xs;
        break;
      case 'y':
        ++ys;
        break;
      case 'v':
        if (++vs == 1) firstV = i + 1;
        break;
      case '=':
        if (++equals == 1) firstEquals = i + 1;
        break;
      case ';':
        if (++separators == 1) firstSeparator = i + 1;
        break;
      default:
        break;
    }
  }

  if (equals == 0 || equals > 2) {
    showTranslatorMessage(TranslatorError::EqualsCount, "");
    return;
  }
  if (s[0] == 'r' && equals == 1 && firstEquals == 2 && separators == 0) {
    if (usesVariable(s, 'x') || usesVariable(s, 'y')) {
      showTranslatorMessage(TranslatorError::PolarVariables, "");
    } else {
      formulaType = kSlotPolar;
    }
    return;
  }
  if (vs == 0 && separators == 0 && equals == 1 && firstEquals == 2) {
    if (s[0] == 'y' && ys == 1) {
      formulaType = kSlotFunction;
      readPrefix();
      return;
    }
    if (s[0] == 'x' && xs == 1) {
      formulaType = kSlotInverse;
      return;
    }
  }
  if (xs == 1 && ys == 1 && separators == 1 && equals == 2 && firstEquals == 2 && firstV > 0 &&
      firstV < firstSeparator) {
    const char afterSeparator = t.at(firstSeparator + 1);
    if ((s[0] == 'y' && afterSeparator == 'x') || (s[0] == 'x' && afterSeparator == 'y')) {
      // What is left after 'y=...;x=' (or 'x=...;y=') must still use v.
      const size_t restStart = static_cast<size_t>(firstSeparator) + 2;
      if (restStart < s.size() && s.find('v', restStart) != std::string::npos) {
        formulaType = kSlotParametric;
        return;
      }
    } else {
      showTranslatorMessage(TranslatorError::ParametricVariables, "");
      return;
    }
  }
  if (vs == 0 && xs >= 1 && ys >= 1 && equals == 1 && separators == 0) {
    formulaType = kSlotImplicit;
    return;
  }
  showTranslatorMessage(TranslatorError::NoType, "");
}

// One comparison, or a chain of two in one direction, between expressions in x and y.
void FormulaEngine::classifyInequality() {
  Translation& t = *t_;
  const std::string& s = t.text;
  const std::string signs = comparisonSigns(s);
  size_t equals = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '=' && (i == 0 || (s[i - 1] != '<' && s[i - 1] != '>'))) ++equals;
  }
  if (signs.size() > 2 || equals > 0 || s.find(';') != std::string::npos) {
    showTranslatorMessage(TranslatorError::ComparisonCount, "");
  } else if (signs.size() == 2 && signs[0] != signs[1]) {
    showTranslatorMessage(TranslatorError::ComparisonDirections, "");
  } else if (usesVariable(s, 'v') || (!usesVariable(s, 'x') && !usesVariable(s, 'y'))) {
    showTranslatorMessage(TranslatorError::NoType, "");
  } else {
    formulaType = kSlotInequality;
  }
}

void FormulaEngine::readPrefix() {
  Translation& t = *t_;
  std::string& s = t.text;  // starts with "y="
  if (s.find("i:") == 2) {
    s.erase(2, 2);
    t.derivCount = kIntegralMarker;
    return;
  }
  int count = 0;
  while (s.find('d') == 2) {
    s.erase(2, 1);
    ++count;
  }
  t.derivCount = static_cast<uint8_t>(std::min(count, 255));
  // Both checks may speak; the second message is the one that stays.
  if (count > 3) showTranslatorMessage(TranslatorError::TooManyDs, "");
  if (count > 0) {
    if (t.at(3) == ':') {
      s.erase(2, 1);
    } else {
      showTranslatorMessage(TranslatorError::ColonMissing, "");
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Scanner

void FormulaEngine::scanFormula() {
  Translation& t = *t_;
  if (t.error) return;
  t.entryCount = 1;
  t.postfixtable[1] = PostfixEntry{};
  t.constantCount = 0;
  t.bracketLevel = 0;
  t.position = 0;
  t.tokenState = TokenState::Start;
  t.complete = false;
  const int length = static_cast<int>(t.text.size());
  do {
    ++t.position;
    if (t.position > length) {  // cannot happen: the end marker stops the scan first
      scanEnd();
      break;
    }
    const char c = t.at(t.position);
    switch (classOf(c)) {
      case CharClass::Number:
        scanNumber();
        break;
      case CharClass::Word:
        scanWord();
        break;
      case CharClass::Operator:
        scanOperator(c);
        break;
      case CharClass::OpenBracket:
        scanOpenBracket();
        break;
      case CharClass::CloseBracket:
        scanCloseBracket();
        break;
      case CharClass::Equals:
        scanEquals();
        break;
      case CharClass::Comparison:
        scanComparison(c);
        break;
      case CharClass::Separator:
        scanSeparator();
        break;
      case CharClass::End:
        scanEnd();
        break;
      case CharClass::Other:
        scanOther();
        break;
    }
  } while (!t.error && !t.complete);
}

void FormulaEngine::openEntry() {
  Translation& t = *t_;
  if (t.entryCount < kPostfixEntries) {
    ++t.entryCount;
    t.postfixtable[t.entryCount] = PostfixEntry{};
  }
  if (t.entryCount == kPostfixEntries) showTranslatorMessage(TranslatorError::TooLong, "");
}

void FormulaEngine::implicitMultiply() {
  Translation& t = *t_;
  t.entry().oper = kOpMul;
  t.entry().prior = prior(t.bracketLevel, kPriorMulDiv);
  t.tokenState = TokenState::Operator;
  openEntry();
}

void FormulaEngine::scanNumber() {
  Translation& t = *t_;
  if (t.tokenState == TokenState::Variable || t.tokenState == TokenState::Close) {
    implicitMultiply();
    if (t.error) return;
  } else if (t.tokenState == TokenState::Function) {
    showTranslatorMessage(TranslatorError::BracketAfterFunction, "");
    return;
  }
  const int start = t.position;
  int end = start;
  while (classOf(t.at(end + 1)) == CharClass::Number)
    ++end;
  const std::string run = t.text.substr(start - 1, end - start + 1);
  if (t.constantCount >= kMaxNumbers) {
    showTranslatorMessage(TranslatorError::TooManyNumbers, "");
    return;
  }
  const std::optional<double> value = parseFloat(run);
  if (!value) {
    showTranslatorMessage(TranslatorError::BadNumber, shownNumber(run.substr(0, 15)));
    return;
  }
  t.constants[t.constantCount] = *value;
  t.entry().reg = static_cast<uint8_t>(kFirstConstant * t.slot + t.constantCount);
  ++t.constantCount;
  t.position = end;
  t.tokenState = TokenState::Number;
}

void FormulaEngine::scanWord() {
  Translation& t = *t_;
  const int start = t.position;
  int end = start;
  while (isLetter(t.at(end + 1)))
    ++end;
  const std::string word = t.text.substr(start - 1, end - start + 1);
  const bool afterValue = t.tokenState == TokenState::Number || t.tokenState == TokenState::Close;
  if (const auto opcode = functionOpcode(word)) {
    t.position = end;
    if (afterValue) {
      implicitMultiply();
      if (t.error) return;
    }
    t.entry().oper = *opcode;
    t.entry().prior = prior(t.bracketLevel, kPriorFunction);
    openEntry();
    t.tokenState = TokenState::Function;
  } else if (word == "r" && formulaType == kSlotPolar && start == 1) {
    t.position = end;
    t.entry().reg = kRegPolarRadius;
    t.tokenState = TokenState::Variable;
  } else if (const auto code = variableCode(word)) {
    t.position = end;
    if (afterValue) {
      implicitMultiply();
      if (t.error) return;
    }
    t.entry().reg = *code;
    t.tokenState = TokenState::Variable;
  } else {
    showTranslatorMessage(TranslatorError::UnknownWord, word.substr(0, 10));
  }
}

// The text that ends at the current position, `length` characters long.
std::string FormulaEngine::contextEndingAt(int length) const {
  const Translation& t = *t_;
  const int start = std::max(1, t.position - length + 1);
  return t.text.substr(start - 1, t.position - start + 1);
}

// Five characters ending at the current position, or the first five of the text.
std::string FormulaEngine::fiveCharacterContext() const {
  const Translation& t = *t_;
  if (t.position < 5) return t.text.substr(0, 5);
  return contextEndingAt(5);
}

void FormulaEngine::scanOperator(char op) {
  Translation& t = *t_;
  const std::string opText(1, op);
  const int level = t.bracketLevel;
  auto unaryPosition = [&] {
    if (op == '-') {
      t.entry().oper = kOpNeg;
      t.entry().prior = prior(level, kPriorNeg);
      openEntry();
    } else if (op != '+') {
      showTranslatorMessage(TranslatorError::Misplaced, opText);
    }
  };
  switch (t.tokenState) {
    case TokenState::Start:
    case TokenState::Equals:
      unaryPosition();
      break;
    case TokenState::Number:
    case TokenState::Variable:
    case TokenState::Close:
      switch (op) {
        case '+':
          t.entry().oper = kOpAdd;
          t.entry().prior = prior(level, kPriorAddSub);
          break;
        case '-':
          t.entry().oper = kOpSub;
          t.entry().prior = prior(level, kPriorAddSub);
          break;
        case '*':
          t.entry().oper = kOpMul;
          t.entry().prior = prior(level, kPriorMulDiv);
          break;
        case '/':
          t.entry().oper = kOpDiv;
          t.entry().prior = prior(level, kPriorMulDiv);
          break;
        default:
          t.entry().oper = kOpPow;
          t.entry().prior = prior(level, kPriorPow);
          break;
      }
      openEntry();
      break;
    case TokenState::Function:
      showTranslatorMessage(TranslatorError::Misplaced, fiveCharacterContext());
      break;
    case TokenState::Operator:
      showTranslatorMessage(TranslatorError::Misplaced, contextEndingAt(2));
      break;
    case TokenState::Open:
      if (op == '-') {
        unaryPosition();
      } else {
        showTranslatorMessage(TranslatorError::Misplaced, contextEndingAt(2));
      }
      break;
  }
  t.tokenState = TokenState::Operator;
}

void FormulaEngine::scanOpenBracket() {
  Translation& t = *t_;
  if (t.tokenState == TokenState::Number || t.tokenState == TokenState::Variable ||
      t.tokenState == TokenState::Close) {
    implicitMultiply();
    if (t.error) return;
  }
  if (t.bracketLevel >= kMaxBracketLevel) {
    showTranslatorMessage(TranslatorError::TooManyOpenBrackets, "");
    return;
  }
  t.bracketLevel += kBracketStep;
  t.tokenState = TokenState::Open;
}

void FormulaEngine::scanCloseBracket() {
  Translation& t = *t_;
  if (t.tokenState == TokenState::Function || t.tokenState == TokenState::Operator ||
      t.tokenState == TokenState::Open) {
    showTranslatorMessage(TranslatorError::Misplaced, fiveCharacterContext());
  } else if (t.bracketLevel >= kBracketStep) {
    t.bracketLevel -= kBracketStep;
  } else {
    showTranslatorMessage(TranslatorError::TooManyCloseBrackets, "");
  }
  t.tokenState = TokenState::Close;
}

void FormulaEngine::scanEquals() {
  Translation& t = *t_;
  if (t.tokenState == TokenState::Function || t.tokenState == TokenState::Operator ||
      t.tokenState == TokenState::Open || t.tokenState == TokenState::Equals) {
    showTranslatorMessage(TranslatorError::Misplaced, "=");
  } else if (t.bracketLevel > 0) {
    showTranslatorMessage(TranslatorError::EqualsInBrackets, "");
  } else {
    t.entry().oper = kOpAssign;
    t.entry().prior = kPriorAssign;
    openEntry();
    t.tokenState = TokenState::Equals;
  }
}

// '<', '<=', '>' or '>=' (the classification let only an inequality through): at the level
// of '=', and like it not at the start.
void FormulaEngine::scanComparison(char sign) {
  Translation& t = *t_;
  const bool orEqual = t.at(t.position + 1) == '=';
  if (t.tokenState == TokenState::Start || t.tokenState == TokenState::Function ||
      t.tokenState == TokenState::Operator || t.tokenState == TokenState::Open ||
      t.tokenState == TokenState::Equals) {
    showTranslatorMessage(TranslatorError::Misplaced,
                          orEqual ? std::string{sign, '='} : std::string(1, sign));
  } else if (t.bracketLevel > 0) {
    showTranslatorMessage(TranslatorError::EqualsInBrackets, "");
  } else {
    if (orEqual) ++t.position;
    if (sign == '<') {
      t.entry().oper = orEqual ? kOpLessEq : kOpLess;
    } else {
      t.entry().oper = orEqual ? kOpGreaterEq : kOpGreater;
    }
    t.entry().prior = kPriorAssign;
    openEntry();
    t.tokenState = TokenState::Equals;
  }
}

bool FormulaEngine::endCheck() {
  Translation& t = *t_;
  // An inequality needs its right side; an equation has always taken a missing one as 0.
  const bool sideMissing = t.tokenState == TokenState::Equals && formulaType == kSlotInequality;
  if (t.tokenState == TokenState::Function || t.tokenState == TokenState::Operator || sideMissing) {
    showTranslatorMessage(TranslatorError::OperandMissing, "");
    return false;
  }
  if (t.bracketLevel != 0) {
    showTranslatorMessage(TranslatorError::UnbalancedBrackets, "");
    return false;
  }
  return true;
}

void FormulaEngine::scanSeparator() {
  Translation& t = *t_;
  if (!endCheck()) return;
  t.entry().oper = kOpSeparator;
  t.entry().prior = kPriorSeparator;
  t.tokenState = TokenState::Operator;
  openEntry();
}

void FormulaEngine::scanEnd() {
  if (endCheck()) t_->complete = true;
}

void FormulaEngine::scanOther() {
  Translation& t = *t_;
  showTranslatorMessage(TranslatorError::UnknownCharacter, characterAt(t.text, t.position - 1));
}

// ---------------------------------------------------------------------------------------------
// Generator

void FormulaEngine::generateSteps() {
  Translation& t = *t_;
  if (t.error) return;
  t.steps = StepList{};
  t.stepCount = 0;
  // A polar program keeps r in the last temporary.
  t.lastTemporary = formulaType == kSlotPolar ? kRegPolarRadius - 1 : kMaxTemporaries;
  t.nextTemporary = kFirstTemporary;
  auto table = t.postfixtable;  // the scanned table stays as it was, for the debug view
  while (table[1].oper != kOpEnd) {
    int best = 1;
    for (int i = 2; i <= t.entryCount && table[i].oper != kOpEnd; ++i) {
      if (table[i].prior > table[best].prior) best = i;
    }
    if (t.stepCount == kMaxSteps) {
      showTranslatorMessage(TranslatorError::TooLong, "");
      return;
    }
    Step step{table[best].oper, kRegNone, table[best].reg, table[best + 1].reg};
    // The first comparison of a chain: its middle side is also the next one's left side, so
    // it stays in the table, and the comparison's value gets a register of its own.
    const bool chain = isComparison(step.opcode) && isComparison(table[best + 1].oper);
    if (!placeStep(step, chain)) return;
    if (step.opcode != kOpSeparator) t.steps[t.stepCount++] = step;

    if (!chain) table[best + 1].reg = step.dest;
    for (int j = best; j < t.entryCount; ++j) {
      table[j] = table[j + 1];
      if (table[j].oper == kOpEnd) break;
    }
  }
  if (formulaType == kSlotPolar) appendPolarSteps();
}

// The step's destination; comparisons and '=' take their final form. False (with the
// message) when the temporaries run out.
bool FormulaEngine::placeStep(Step& step, bool ownRegister) {
  Translation& t = *t_;
  const bool firstTemporary = isTemporary(step.src1);
  const bool secondTemporary = isTemporary(step.src2);
  if (ownRegister || (!firstTemporary && !secondTemporary)) {
    if (t.nextTemporary > t.lastTemporary) {
      showTranslatorMessage(TranslatorError::TooLong, "");
      return false;
    }
    step.dest = static_cast<uint8_t>(t.nextTemporary++);
  } else if (firstTemporary && secondTemporary) {
    step.dest = std::min(step.src1, step.src2);
  } else {
    step.dest = firstTemporary ? step.src1 : step.src2;
  }

  if (step.opcode == kOpGreater || step.opcode == kOpGreaterEq) {
    // left > right holds where right - left < 0
    step.opcode = step.opcode == kOpGreater ? kOpLess : kOpLessEq;
    std::swap(step.src1, step.src2);
  } else if (step.opcode == kOpAssign) {
    if (formulaType == kSlotImplicit) {
      step.opcode = kOpSub;  // v := left side - right side
      step.dest = kRegV;
    } else {
      step.dest = step.src1;  // copy the right side into the variable left of "="
      step.src1 = kRegNone;
    }
  }
  return true;
}

// x := r cos v, y := r sin v, after the steps that leave r in its register.
void FormulaEngine::appendPolarSteps() {
  Translation& t = *t_;
  if (t.stepCount + 4 > kMaxSteps) {
    showTranslatorMessage(TranslatorError::TooLong, "");
    return;
  }
  const uint8_t angle = kFirstTemporary;  // every temporary is free again at the end
  for (const Step& step :
       {Step{kOpSin, angle, kRegNone, kRegV}, Step{kOpMul, kRegY, kRegPolarRadius, angle},
        Step{kOpCos, angle, kRegNone, kRegV}, Step{kOpMul, kRegX, kRegPolarRadius, angle}}) {
    t.steps[t.stepCount++] = step;
  }
}

// ---------------------------------------------------------------------------------------------
// Freezing a, b and c

std::optional<std::string> FormulaEngine::substituteABC(
    int slot, const std::array<double, 3>& values,
    const std::array<std::string_view, 3>& valueTexts) {
  assert(slot >= 1 && slot <= kSlotCount);
  if (!isFormulaKind(slotKind[slot])) return std::nullopt;
  const std::string tooLong =
      std::to_string(slot) + " : " + std::string(translatorMessage(TranslatorError::TooLong));

  std::string text;
  for (char c : formulas[slot].text) {
    if (c != ' ') text += toLowerAscii(c);
  }
  text += ' ';

  // Make the multiplications with a, b, c explicit, so that a value put in their place
  // cannot merge with a neighbouring number ("2a" would otherwise become "21,5").
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    const char next = text[i + 1];
    if ((isDigitOrSeparator(c) && isABC(next)) || (isABC(c) && isDigitOrSeparator(next))) {
      if (text.size() >= kMaxSubstitutedLength + 1) return tooLong;
      text.insert(i + 1, 1, '*');
      ++i;
    }
  }

  bool substituted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!isABC(c)) continue;
    const bool alone =
        (i == 0 || !isLetter(text[i - 1])) && (i + 1 >= text.size() || !isLetter(text[i + 1]));
    if (!alone) continue;
    const std::string_view value = valueTexts[c - 'a'];
    if (value.empty()) continue;
    std::string replacement(value);
    if (replacement.front() == '-') replacement = "(" + replacement + ")";
    if (text.size() + replacement.size() > kMaxSubstitutedLength) return tooLong;
    text.replace(i, 1, replacement);
    i += replacement.size() - 1;
    substituted = true;
  }
  if (!substituted) return std::nullopt;

  for (int k = 0; k < 3; ++k) {
    registers[frozenConstantCode(slot, static_cast<uint8_t>(kRegA + k))] = values[k];
  }
  for (Step& step : stepTable[slot]) {
    for (uint8_t* operand : {&step.src1, &step.src2}) {
      if (*operand >= kRegA && *operand <= kRegC) *operand = frozenConstantCode(slot, *operand);
    }
  }
  text.pop_back();  // the end marker
  formulas[slot].text = text;
  return std::nullopt;
}

}  // namespace quorvel
