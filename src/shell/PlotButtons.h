#pragma once
// The buttons beside the edit box: "plot" translates the input into the selected slot and plots
// it, or asks for its domain first; "laad" loads the selected slot into its input; "R" empties
// the input. A formula that waits for its domain is plotted when the domain is accepted, and
// the slot gets back what it held when the domain window closes otherwise.

#include <optional>
#include <string_view>

#include "common/Language.h"
#include "plot/DomainInput.h"
#include "shell/InputFocus.h"
#include "shell/ShellActions.h"
#include "shell/Workspace.h"

namespace quorvel {

// "laad" on a slot whose formula is longer than the edit box holds.
inline constexpr const char* kTooLongToLoad =
    QT_TRANSLATE_NOOP("quorvel", "formule te lang om te laden");
// "plot" of a formula text longer than a graph file holds.
inline constexpr const char* kTooLongToSave =
    QT_TRANSLATE_NOOP("quorvel", "formule te lang om te bewaren");

class PlotButtons {
 public:
  PlotButtons(Workspace& workspace, InputFocus& inputs, ShellActions* const& shell)
      : ws_(workspace), inputs_(inputs), shell_(shell) {}

  // Plots, or asks for the domain first; tells which.
  AfterTranslation PlotBtnClick();
  void GetBtnClick();
  void clearBtnClick();
  // The domain windows' "toepassen": checks, stores into the selected slot and plots.
  ParameterDomainCheck applyParameterDomain(std::string_view begin, std::string_view end,
                                            std::string_view steps);
  IntegralDomainCheck applyIntegralDomain(std::string_view left, std::string_view right);
  // What the v-domain window shows when it opens: the slot's domain when it holds a curve of
  // the kind just translated (parametric or polar); for a polar curve new in the slot, one
  // turn (0 to 2 pi, or 0 to 360 in degrees) in kPolarSteps steps. False: empty fields.
  bool offeredParameterDomain(double& begin, double& end, int& steps) const;
  static constexpr int kPolarSteps = 720;
  // A domain window closed. Unless its values were accepted, the slot gets back what it held
  // before the formula was translated into it.
  void domainClosed();
  // A formula is translated into its slot and waits for its domain.
  bool formulaWaitsForDomain() const { return beforeDomain_.has_value(); }

 private:
  Workspace& ws_;
  InputFocus& inputs_;
  ShellActions* const& shell_;
  // The slot as it was before a formula that waits for its domain was translated into it.
  std::optional<FormulaEngine::SlotState> beforeDomain_;
  int domainSlot_ = 0;
};

}  // namespace quorvel
