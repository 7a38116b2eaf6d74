#pragma once
// The constants a, b, c with their step, as the panel "constanten" changes and shows them:
// a left click raises a value, a right click lowers it, and with autoplot every change
// redraws the graphs.

#include <array>
#include <string>

#include "common/Settings.h"
#include "formula/FormulaEngine.h"
#include "plot/Constants.h"
#include "plot/Graph.h"
#include "plot/RepeatRate.h"

namespace quorvel {

// The colour of the four value fields.
constexpr Colour kConstantFieldColour = rgb(247, 233, 161);

class ConstantsPanel {
 public:
  // Codes of StepConstant: 0/1 step down/up, 2/3 a, 4/5 b, 6/7 c.
  static constexpr int kFieldCount = 4;  // deltatext, Atext, Btext, Ctext

  ConstantsPanel(Constants& constants, FormulaEngine& formulas, Graph& graph,
                 const Settings& settings, RepeatRate& repeat);

  double constStep() const;
  void StepConstant(int code);
  void RefreshConstants();
  void AutoplotRedraw();
  void ResetConstants();

  // The texts of the four fields: the step in general form, a, b, c as "###0.0###".
  const std::string& deltatext() const { return texts_[0]; }
  const std::string& Atext() const { return texts_[1]; }
  const std::string& Btext() const { return texts_[2]; }
  const std::string& Ctext() const { return texts_[3]; }
  const std::array<std::string, kFieldCount>& texts() const { return texts_; }

 private:
  Constants& constants_;
  FormulaEngine& formulas_;
  Graph& graph_;
  const Settings& settings_;
  RepeatRate& repeat_;
  std::array<std::string, kFieldCount> texts_;
};

// Step of step index 0..17: {1, 2, 5} x 10^(index div 3 - 4).
double stepOfIndex(int stepIndex);

}  // namespace quorvel
