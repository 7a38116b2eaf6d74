#include "shell/PlotButtons.h"

#include <numbers>

#include "common/Language.h"
#include "common/NumberText.h"
#include "common/Utf8.h"

namespace quorvel {

AfterTranslation PlotButtons::PlotBtnClick() {
  const int slot = ws_.selectedSlot();
  if (!inputs_.formulaInputActive()) {
    ws_.poly.StorePolyFromGrid(slot);
    return AfterTranslation::Nothing;
  }
  const std::string text = storedFormula(ws_.editor.fedGetText());
  // What is plotted must survive a save: a formula the file would cut is refused here, and
  // the slot keeps what it holds.
  if (characterCount(text) > FormulaEditor::kMaxTextLength) {
    ws_.MsgText = std::to_string(slot) + " : " + translated(kTooLongToSave);
    return AfterTranslation::Nothing;
  }
  FormulaEngine::SlotState before = ws_.formulas.saveSlot(slot);
  const TranslationOutcome outcome = ws_.formulas.translateFormula(slot, text);
  ws_.MsgText = outcome.message;
  if (outcome.next == AfterTranslation::AskParameterDomain ||
      outcome.next == AfterTranslation::AskIntegralDomain) {
    beforeDomain_ = std::move(before);
    domainSlot_ = slot;
  }
  switch (outcome.next) {
    case AfterTranslation::Plot:
      ws_.graph.PlotSlot(slot);
      break;
    case AfterTranslation::AskParameterDomain:
      if (shell_) shell_->askParameterDomain();
      break;
    case AfterTranslation::AskIntegralDomain:
      if (shell_) shell_->askIntegralDomain();
      break;
    case AfterTranslation::Nothing:
      break;
  }
  return outcome.next;
}

void PlotButtons::GetBtnClick() {
  const int slot = ws_.selectedSlot();
  const uint8_t kind = ws_.formulas.slotKind[slot];
  if (isFormulaKind(kind)) {
    // A text longer than the box holds (after "subst. abc") is not cut: the box would then
    // hold another formula than the slot.
    if (!ws_.editor.fedSetText(shownFormula(ws_.formulas.formulas[slot].text))) {
      ws_.MsgText = std::to_string(slot) + " : " + translated(kTooLongToLoad);
      return;
    }
    inputs_.selectFormulaInput();
  } else if (kind == kSlotPolynomial) {
    ws_.poly.LoadPolyToGrid(slot);
    inputs_.selectPolynomialInput();
  }
}

void PlotButtons::clearBtnClick() {
  if (inputs_.formulaInputActive()) {
    ws_.editor.fedClear();
    inputs_.selectFormulaInput();  // the emptied box shows its caret and takes the keys
  } else {
    ws_.poly.ResetPolyGrid();
  }
}

ParameterDomainCheck PlotButtons::applyParameterDomain(std::string_view begin, std::string_view end,
                                                       std::string_view steps) {
  const ParameterDomainCheck check = checkParameterDomain(begin, end, steps);
  if (!check.ok) return check;
  const int slot = ws_.selectedSlot();
  TFormule& formula = ws_.formulas.formulas[slot];
  formula.domainBegin = check.begin;
  formula.domainEnd = check.end;
  formula.domainSteps = check.steps;
  beforeDomain_.reset();
  ws_.graph.PlotSlot(slot);
  return check;
}

IntegralDomainCheck PlotButtons::applyIntegralDomain(std::string_view left,
                                                     std::string_view right) {
  const IntegralDomainCheck check = checkIntegralDomain(left, right, ws_.graph.scale);
  if (!check.ok) return check;
  const int slot = ws_.selectedSlot();
  TFormule& formula = ws_.formulas.formulas[slot];
  formula.domainBegin = check.left;
  formula.domainEnd = check.right;
  beforeDomain_.reset();
  ws_.graph.PlotSlot(slot);
  return check;
}

bool PlotButtons::offeredParameterDomain(double& begin, double& end, int& steps) const {
  const int slot = ws_.selectedSlot();
  const uint8_t kind = ws_.formulas.formulaType;
  if (kind != kSlotParametric && kind != kSlotPolar) return false;
  if (ws_.formulas.slotKind[slot] == kind) {
    const TFormule& formula = ws_.formulas.formulas[slot];
    begin = formula.domainBegin;
    end = formula.domainEnd;
    steps = formula.domainSteps;
    return true;
  }
  if (kind != kSlotPolar) return false;
  begin = 0;
  end = ws_.settings.degreesMode ? 360 : 2 * std::numbers::pi;
  steps = kPolarSteps;
  return true;
}

void PlotButtons::domainClosed() {
  if (!beforeDomain_) return;
  ws_.formulas.restoreSlot(domainSlot_, *beforeDomain_);
  beforeDomain_.reset();
}

}  // namespace quorvel
