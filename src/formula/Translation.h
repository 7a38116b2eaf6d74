#pragma once
// Working state of one translation, private to the formula engine.

#include <array>
#include <string>

#include "formula/FormulaEngine.h"

namespace quorvel {

// What the scanner saw last; decides what may follow.
enum class TokenState : uint8_t {
  Start,
  Number,
  Variable,
  Function,
  Operator,
  Open,
  Close,
  Equals
};

struct FormulaEngine::Translation {
  bool error = false;
  bool complete = false;
  int slot = 1;
  std::string text;  // working text: prepared, prefix removed, blank end marker
  TokenState tokenState = TokenState::Start;
  int bracketLevel = 0;
  int position = 0;  // 1-based position in `text`
  uint8_t derivCount = 0;
  std::string message;

  // Postfix table, entries 1..entryCount (index 0 unused).
  std::array<PostfixEntry, kPostfixEntries + 1> postfixtable{};
  int entryCount = 0;

  // Numbers of the formula in text order. They reach the register file only together with
  // the new program, so a formula that fails never changes the graph the slot still shows.
  std::array<double, kMaxNumbers> constants{};
  int constantCount = 0;

  // Program being generated; it replaces the slot's program only when complete.
  StepList steps{};
  int stepCount = 0;
  int nextTemporary = kFirstTemporary;
  int lastTemporary = kMaxTemporaries;

  PostfixEntry& entry() { return postfixtable[entryCount]; }
  char at(int pos) const {
    return pos >= 1 && pos <= static_cast<int>(text.size()) ? text[pos - 1] : ' ';
  }
};

}  // namespace quorvel
