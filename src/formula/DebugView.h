#pragma once
// What the translator made of the last formula, for the debug view: the postfix table after
// scanning, the steps ("directors") after generating and the numbers with their values. The
// translator reports to a DebugListener while debug mode is on; DebugRows keeps the rows as
// the view shows them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class DebugListener {
 public:
  virtual ~DebugListener() = default;
  // A formula was scanned without error: a new table begins.
  virtual void translationScanned(std::string_view workingText) = 0;
  virtual void postfixRow(uint8_t reg, uint8_t oper, uint8_t prior) = 0;
  virtual void constantRow(uint8_t code, double value) = 0;
  virtual void stepRow(uint8_t opcode, uint8_t dest, uint8_t src1, uint8_t src2) = 0;
};

// Operand codes as the view names them: 0 blank, 1..199 the number, 200..207 x y v a b c pi e,
// and the frozen a, b, c of "subst. abc" as "a" + slot ("a3" is a of slot 3, frozen).
std::string operandName(int code);
std::string operatorName(int opcode);

class DebugRows : public DebugListener {
 public:
  std::string workingText;
  std::vector<std::array<std::string, 3>> postfix;    // reg, oper, prior
  std::vector<std::array<std::string, 4>> steps;      // opcode, dest, src1, src2
  std::vector<std::array<std::string, 2>> constants;  // reg, value

  void translationScanned(std::string_view text) override;
  void postfixRow(uint8_t reg, uint8_t oper, uint8_t prior) override;
  void constantRow(uint8_t code, double value) override;
  void stepRow(uint8_t opcode, uint8_t dest, uint8_t src1, uint8_t src2) override;
};

}  // namespace quorvel
