#include "formula/DebugView.h"

#include "common/NumberText.h"
#include "evaluation/Operations.h"
#include "formula/FormulaLanguage.h"
#include "formula/FormulaSlots.h"

namespace quorvel {

std::string operandName(int code) {
  static constexpr std::string_view kVariables[] = {"x", "y", "v", "a", "b", "c", "pi", "e"};
  if (code == kRegNone) return "";
  if (code >= kRegX && code <= kRegE) return std::string(kVariables[code - kRegX]);
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    for (int k = 0; k < 3; ++k) {
      if (code == frozenConstantCode(slot, static_cast<uint8_t>(kRegA + k))) {
        return std::string(1, static_cast<char>('a' + k)) + std::to_string(slot);
      }
    }
  }
  return std::to_string(code);
}

std::string operatorName(int opcode) {
  if (opcode == kOpEnd) return "end";
  if (opcode == kOpSeparator) return ";";
  if (opcode == kOpGreater) return ">";  // the postfix table's; its step is a "<"
  if (opcode == kOpGreaterEq) return ">=";
  if (opcode < 0 || opcode > kLastOpcode) return std::to_string(opcode);
  return std::string(operationInfo(static_cast<uint8_t>(opcode)).name);  // "" for no operation
}

void DebugRows::translationScanned(std::string_view text) {
  workingText = text;
  postfix.clear();
  steps.clear();
  constants.clear();
}

void DebugRows::postfixRow(uint8_t reg, uint8_t oper, uint8_t prior) {
  postfix.push_back({operandName(reg), operatorName(oper), std::to_string(prior)});
}

void DebugRows::constantRow(uint8_t code, double value) {
  constants.push_back({std::to_string(code), shownNumber(formatGeneral(value))});
}

void DebugRows::stepRow(uint8_t opcode, uint8_t dest, uint8_t src1, uint8_t src2) {
  steps.push_back({operatorName(opcode), operandName(dest), operandName(src1), operandName(src2)});
}

}  // namespace quorvel
