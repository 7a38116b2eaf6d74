#pragma once
// The formula engine: the nine slots with their programs, the translator that makes those
// programs from formula texts, and the runs of those programs through the evaluators
// (evaluation/). It owns the register file that translator, evaluators and plotters share.
// One engine per workspace; no globals.

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/Settings.h"
#include "evaluation/BatchEvaluator.h"
#include "evaluation/PointEvaluator.h"
#include "evaluation/Program.h"
#include "formula/DebugView.h"
#include "formula/FormulaSlots.h"

namespace quorvel {

// What the caller does after a successful translation.
enum class AfterTranslation {
  Nothing,             // the translation failed; the message says why
  Plot,                // plot the slot
  AskParameterDomain,  // parametric formula: ask for the v domain, then plot
  AskIntegralDomain,   // integral: ask for the x domain, then plot
};

struct TranslationOutcome {
  std::string message;  // for the message line: "<slot> : OK" or "<slot> : <message>"
  AfterTranslation next = AfterTranslation::Nothing;
  bool scanned = false;  // the postfix table holds the scanned formula (for the debug view)
};

class FormulaEngine {
 public:
  explicit FormulaEngine(const Settings& settings);
  bool degrees() const { return settings_.degreesMode; }
  ~FormulaEngine();
  FormulaEngine(const FormulaEngine&) = delete;
  FormulaEngine& operator=(const FormulaEngine&) = delete;

  // ---- Shared data. Slots are numbered 1..9; index 0 of the slot arrays is unused.
  RegisterFile registers{};
  std::array<StepList, kSlotCount + 1> stepTable{};
  std::array<TFormule, kSlotCount + 1> formulas{};
  std::array<uint8_t, kSlotCount + 1> slotKind{};
  // Type of the formula translated last, handed to the plot entry, which moves it into the
  // slot's kind (5 when a polynomial is plotted).
  uint8_t formulaType = 0;

  // ---- Translation.
  // Translates `text` (the edit box's formula text) into the program of `slot` (1..9).
  TranslationOutcome translateFormula(int slot, std::string_view text);
  // After a graph file is loaded: translates every filled slot again from its stored text
  // and hands it to `plotSlot`, which sets the slot's kind from `formulaType`. A slot whose
  // text fails is left empty. Returns the message of each slot that failed ("" for the others).
  using SlotMessages = std::array<std::string, kSlotCount + 1>;
  SlotMessages retranslateAll(const std::function<void(int slot)>& plotSlot);
  // Freezes the current a, b, c into the formula of `slot`: the stored text gets their value
  // texts and the program reads private copies, so the graph no longer follows a, b, c.
  // Returns the message line text when it fails, nothing otherwise.
  std::optional<std::string> substituteABC(int slot, const std::array<double, 3>& values,
                                           const std::array<std::string_view, 3>& valueTexts);
  // Everything one slot holds: put back when the user cancels the domain of a formula that
  // was translated into the slot, so the slot shows its old graph again.
  struct SlotState {
    TFormule formula;
    StepList steps{};
    uint8_t kind = kSlotEmpty;
    std::array<double, kMaxNumbers> numbers{};  // the formula's numbers in the register file
    std::array<double, 3> frozen{};             // a, b, c as "subst. abc" froze them
  };
  SlotState saveSlot(int slot) const;
  void restoreSlot(int slot, const SlotState& state);
  // The translator's working state after the last translation, for the debug view.
  const std::string& workingText() const;
  std::span<const PostfixEntry> postfixEntries() const;  // entries 1..count

  // Told what each translation made while debug mode is on (the debug view); may be null.
  DebugListener* debugListener = nullptr;

  // ---- Evaluation.
  int evalSlot = 1;        // slot whose program runProgram runs
  int evalStep = 0;        // step being executed (1-based)
  bool evalValid = false;  // the last run completed without fault
  // Runs the program of `evalSlot` once on the register file (the point evaluator). A step
  // that faults clears `evalValid` and ends the run; the registers it would have written keep
  // their values.
  void runProgram() {
    assert(evalSlot >= 1 && evalSlot <= kSlotCount);
    const PointRun run = runPoint(stepTable[evalSlot], registers, settings_.degreesMode);
    evalValid = run.valid;
    evalStep = run.step;
  }
  // Runs the program of `slot` for a row of points (the batch evaluator): lane i sets the
  // register `inputCode` to inputs[i]; all other registers as they stand. Per lane, validity
  // and the output values of valid lanes are bit for bit what runProgram gives for that
  // point. Allocates nothing. Afterwards the input register holds the last input and
  // `evalSlot` is `slot`.
  void runBatch(int slot, uint8_t inputCode, std::span<const double> inputs,
                const BatchOutputs& outputs);
  // The program of `slot` with the registers and angle unit it runs on, for the Taylor and
  // rounding runs (evaluation/Taylor.h, evaluation/Rounding.h).
  Program program(int slot) const { return {stepTable[slot], registers, settings_.degreesMode}; }

 private:
  struct Translation;  // scanner and generator state of one translation

  // Translator steps; each does nothing once an error is set.
  void prepareText();
  void classifyFormula();
  void classifyInequality();
  void readPrefix();
  void scanFormula();
  void generateSteps();
  bool placeStep(Step& step, bool ownRegister);
  void appendPolarSteps();
  void showTranslatorMessage(TranslatorError error, std::string_view extra);
  void commitTranslation();
  void reportScan();

  // Scanner handlers.
  void scanNumber();
  void scanWord();
  void scanOperator(char op);
  void scanOpenBracket();
  void scanCloseBracket();
  void scanEquals();
  void scanComparison(char sign);
  void scanSeparator();
  void scanEnd();
  void scanOther();
  bool endCheck();
  void openEntry();
  void implicitMultiply();
  std::string contextEndingAt(int length) const;
  std::string fiveCharacterContext() const;

  const Settings& settings_;
  std::unique_ptr<Translation> t_;
  std::unique_ptr<BatchLanes> lanes_;
};

// The batch evaluator for one thread of a parallel scan: a copy of the engine's register
// file and lane buffers of its own; the engine's programs and settings are only read, so
// workers of one engine run at the same time as long as nobody changes the engine.
class BatchWorker {
 public:
  explicit BatchWorker(const FormulaEngine& engine);
  ~BatchWorker();
  BatchWorker(const BatchWorker&) = delete;
  BatchWorker& operator=(const BatchWorker&) = delete;

  RegisterFile registers{};
  // Takes the engine's registers (a, b, c, the formulas' numbers) before a scan.
  void start();
  // As FormulaEngine::runBatch, on this worker's registers; the engine is not touched.
  void runBatch(int slot, uint8_t inputCode, std::span<const double> inputs,
                const BatchOutputs& outputs);

  // Rows over the same inputs that differ only in register `rowCode` (an implicit plot's
  // rows over x, one per y): startRows runs the steps that do not depend on `rowCode` once,
  // and each runRow gives what runBatch(slot, inputCode, inputs, outputs) gives for the
  // registers as they stand, computing only the rest. `inputs` must outlive the rows; a
  // change of the other registers or of the engine needs a new startRows.
  void startRows(int slot, uint8_t inputCode, uint8_t rowCode, std::span<const double> inputs);
  void runRow(const BatchOutputs& outputs);

 private:
  const FormulaEngine& engine_;
  int rowSlot_ = 1;
  uint8_t rowInputCode_ = kRegX;
  std::span<const double> rowInputs_{};
  std::unique_ptr<BatchLanes> lanes_;
};

}  // namespace quorvel
