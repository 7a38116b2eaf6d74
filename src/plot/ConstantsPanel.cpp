#include "plot/ConstantsPanel.h"

#include <cmath>
#include <numbers>

#include "common/NumberText.h"

namespace quorvel {
namespace {

constexpr double kStepMantissa[] = {1, 2, 5};
constexpr double kStepPower[] = {0.0001, 0.001, 0.01, 0.1, 1, 10};
constexpr int kLastStepIndex = 17;
constexpr double kConstantLimit = 1000;

}  // namespace

double stepOfIndex(int stepIndex) {
  return kStepMantissa[stepIndex % 3] * kStepPower[stepIndex / 3];
}

ConstantsPanel::ConstantsPanel(Constants& constants, FormulaEngine& formulas, Graph& graph,
                               const Settings& settings, RepeatRate& repeat)
    : constants_(constants),
      formulas_(formulas),
      graph_(graph),
      settings_(settings),
      repeat_(repeat) {
  RefreshConstants();
}

double ConstantsPanel::constStep() const {
  return stepOfIndex(constants_.stepIndex);
}

void ConstantsPanel::StepConstant(int code) {
  const double step = constStep();
  double* value = nullptr;
  switch (code) {
    case 0:
      if (constants_.stepIndex > 0) --constants_.stepIndex;
      break;
    case 1:
      if (constants_.stepIndex < kLastStepIndex) ++constants_.stepIndex;
      break;
    case 2:
    case 3:
      value = &constants_.a;
      break;
    case 4:
    case 5:
      value = &constants_.b;
      break;
    case 6:
    case 7:
      value = &constants_.c;
      break;
    default:
      return;
  }
  if (value) {
    // Odd codes raise, even codes lower; the limit is tested before the step.
    if (code % 2 == 1 && *value < kConstantLimit) *value += step;
    if (code % 2 == 0 && *value > -kConstantLimit) *value -= step;
    *value = std::nearbyint(*value / step) * step;  // back on the grid of the step
  }
  RefreshConstants();
  if (value) AutoplotRedraw();
  repeat_.accelerate();
}

void ConstantsPanel::RefreshConstants() {
  texts_[0] = formatGeneral(constStep());
  texts_[1] = FormatFloat("###0.0###", constants_.a);
  texts_[2] = FormatFloat("###0.0###", constants_.b);
  texts_[3] = FormatFloat("###0.0###", constants_.c);
}

void ConstantsPanel::AutoplotRedraw() {
  if (!settings_.autoplotMode) return;
  graph_.fastPlot = true;
  if (settings_.replaceMode) {
    graph_.RedrawAll();
  } else {
    graph_.PlotAllSlots();  // in add mode every step adds one more curve per slot
    graph_.ShowPicture();
  }
}

void ConstantsPanel::ResetConstants() {
  formulas_.registers[kRegPi] = std::numbers::pi;
  formulas_.registers[kRegE] = std::exp(1.0);
  constants_ = Constants{};
  RefreshConstants();
  AutoplotRedraw();
}

}  // namespace quorvel
