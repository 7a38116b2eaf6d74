#pragma once
// The debug view (TdebugForm, caption "debugForm"): what the translator made of the last
// formula while debug mode is on: the postfix table, the steps ("directors") and the numbers.
// The translator reports to it through its DebugListener side.

#include <QWidget>

#include "formula/DebugView.h"

namespace quorvel {

class TdebugForm : public QWidget, public DebugListener {
 public:
  explicit TdebugForm(QWidget* mainWindow);

  DebugRows rows;
  QWidget* headerbox;
  QWidget* infobox;

  void translationScanned(std::string_view workingText) override;
  void postfixRow(uint8_t reg, uint8_t oper, uint8_t prior) override;
  void constantRow(uint8_t code, double value) override;
  void stepRow(uint8_t opcode, uint8_t dest, uint8_t src1, uint8_t src2) override;
};

}  // namespace quorvel
