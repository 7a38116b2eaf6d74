#pragma once
// The graph: the picture of the coordinate window, its scale, and the drawing of the slots'
// formulas into it. Every way a curve reaches the screen passes here: plotting one slot,
// plotting all of them, and the full redraw after every change of scale.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/Language.h"
#include "common/Picture.h"
#include "common/Settings.h"
#include "common/WorkerPool.h"
#include "formula/FormulaEngine.h"
#include "formula/SlotColours.h"
#include "plot/Constants.h"
#include "plot/ExactImplicit.h"
#include "plot/ExactRegion.h"
#include "plot/Pens.h"
#include "plot/RepeatRate.h"
#include "plot/ScaleState.h"

namespace quorvel {

// One grid point of an implicit plot: status bits 4 valid, 8 invalid (alone), 1 F > 0,
// 2 F < 0; F = 0 exactly is status 4 alone.
struct ImplicitCell {
  uint8_t status = 8;
  double value = 0;
};

// The graph's own texts in the message line.
inline constexpr const char* kPleaseWait = QT_TRANSLATE_NOOP("quorvel", "even geduld a.u.b.....");
inline constexpr const char* kTextTooLong = QT_TRANSLATE_NOOP("quorvel", "tekst te lang");
// An implicit slot the ordinary method draws no pixel of, while the exact method proves some.
inline constexpr const char* kOnlyExact =
    QT_TRANSLATE_NOOP("quorvel", "kromme alleen te zien met exact tekenen");

class Graph {
 public:
  // What the window and the other subsystems supply.
  struct Hooks {
    std::function<void()> ShowPicture;           // copy the picture to the screen
    std::function<void()> messageChanged;        // show the message line now: work follows
    std::function<void()> drawPoints;            // the points of the points table
    std::function<void()> drawMarks;             // what the analysis found
    std::function<void(int slot)> PlotPolySlot;  // a polynomial slot, pen colour already set
  };

  Graph(FormulaEngine& formulas, const Settings& settings, const Constants& constants,
        const SlotColours& slotColours, const std::string& personalText, std::string& msgText,
        TextPainter& text, RepeatRate& repeat, WorkerPool& pool);

  ScaleState scale;
  // The record of the picture's drawing since its last full redraw, for drawing it again at
  // any size (vector export, printing, screens with more pixels than the picture).
  DisplayList drawing;
  Picture picture;
  bool fastPlot = false;  // a button is held: implicit slots may take the coarse method
  // While a button is held, the implicit slots are still plotted precisely as long as their
  // last precise plots took no longer than this together; otherwise coarsely. Zero (the
  // default, which tests rely on): always coarsely. The program sets kDragFrameBudget.
  std::chrono::microseconds dragPreciseBudget{0};
  // Two 60 Hz frames less what the rest of a redraw and the copy to the screen take: a drag
  // shows even nine of the heaviest equations precisely, at 30 pictures a second, rather
  // than coarsely at 60.
  static constexpr std::chrono::microseconds kDragFrameBudget{30000};
  // Whether a drag now plots the implicit slots precisely (by their last precise plots).
  bool preciseFitsWhileDragging() const;
  Hooks hooks;
  // Evaluate every sample with runProgram instead of the batch evaluator: the same picture,
  // slower; for comparison.
  bool pointByPoint = false;

  // ---- Plotting
  // Plots `slot` with the type the translator (or the polynomial editor) left in
  // formulaType: over the present picture, or in replace mode a full redraw when the slot
  // held a graph before.
  void PlotSlot(int slot);
  void PlotAllSlots();
  void CopyConstantsToEvaluator();
  // Grid, the nine slots in order, the title, the points; then onto the screen.
  void RedrawAll();
  void DrawGrid();
  // False, with "tekst te lang", when the personal text is too wide to be drawn.
  bool DrawTitle();
  void ShowPicture();

  // ---- Scale commands; each ends in a redraw.
  void ResetScale();
  void ScrollZoom(int command);
  void SelectAxisPosition(int code);
  void SelectQuadrant(int quadrant);
  void ApplyLoadedScale();
  void AfterScaleChange();
  // When a held button is released: implicit graphs drawn coarsely are drawn precisely.
  void RefineAfterRelease();

  Colour slotColour(int slot) const { return slotColours_[slot]; }

  // ---- Pens, in the current pen colour.
  void ColumnPenTo(bool valid, int column, double y) {
    columnPen_.penTo(picture, scale, valid, column, y);
  }
  void RowPenTo(bool valid, int row, double x) { rowPen_.penTo(picture, scale, valid, row, x); }
  void PointPenTo(bool valid, double x, double y) { pointPen_.penTo(picture, scale, valid, x, y); }

  // ---- Implicit equations (of evalSlot). Precisely by the signs at the grid points or, when
  // settings.exactImplicit is on, by the exact method; coarsely while a button is held.
  void PlotImplicit();
  void PlotImplicitPrecise();
  void PlotImplicitCoarse();
  void PlotImplicitExact();
  // The exact method's states of the pixels of an implicit slot at the present scale.
  const ExactImplicitResult& exactImplicit(int slot);
  ExactImplicitPlotter& exactPlotter() { return exactPlotter_; }

  // ---- Regions of inequalities (of evalSlot): where `conditions` hold, a light tint of the
  // slot's colour mixed into what lies under it (regions of several slots stay visible where
  // they overlap), lighter still where undecided; the boundary in the colour, every other
  // pair of pixels left out where it belongs to a strict comparison (whose boundary is not in
  // the region). PlotInequality takes the comparisons from the slot's program, and decides
  // coarsely while a button is held.
  void PlotInequality();
  void PlotRegion(std::span<const RegionCondition> conditions);
  ImplicitCell EvaluateCell(int column, int row);
  // One row of an implicit plot's grid points as bits: valid, F > 0, F < 0.
  struct SignRow {
    static constexpr int kWords = (kPictureSize + 63) / 64;
    std::array<uint64_t, kWords> valid{}, positive{}, negative{};
  };

 private:
  void drawSlot(int slot);
  void plotColumns(int derivatives);
  void plotIntegral(const TFormule& formula);
  void plotRows();
  void plotParametric(const TFormule& formula);
  bool strictBoundaryAt(std::span<const RegionCondition> conditions, int column, int row);
  // Backward difference quotient over one column, `level` times.
  std::pair<double, bool> Derive(int level, bool valid, double value);
  // y of the slot at one x, point by point.
  bool evaluateAt(double x, double& y);
  // Runs evalSlot's program for a row of samples into valid_, outputs_ (and secondOutputs_).
  void sampleRow(uint8_t inputCode, std::span<const double> inputs, uint8_t firstCode,
                 uint8_t secondCode = kRegNone);
  // The implicit scan in two passes over bands of rows, each band on a thread of the pool:
  // the status of every grid point, then the marks.
  template <class Mark>
  void scanImplicit(int step, Mark mark);
  void showWaitMessage();
  void clearWaitMessage();
  void implicitStatuses(int step, int count, std::span<const double> xs);

  FormulaEngine& formulas_;
  const Settings& settings_;
  const Constants& constants_;
  const SlotColours& slotColours_;
  const std::string& personalText_;
  std::string& msgText_;
  TextPainter& text_;
  RepeatRate& repeat_;

  ColumnPen columnPen_;
  RowPen rowPen_;
  PointPen pointPen_;
  std::array<double, 4> derivedValue_{};
  std::array<bool, 4> derivedValid_{};

  // Rows for the batch evaluator, reused by every plot.
  static constexpr int kChunk = 1024;
  std::array<double, kChunk> inputs_{};
  std::array<double, kChunk> outputs_{};
  std::array<double, kChunk> secondOutputs_{};
  std::array<uint8_t, kChunk> valid_{};
  // Implicit plots: the signs of every grid point, row by row after a row 0 of "invalid",
  // and per thread of the pool a batch evaluator with a row of results.
  std::vector<SignRow> signRows_;
  struct ImplicitThread {
    explicit ImplicitThread(const FormulaEngine& engine) : worker(engine) {}
    BatchWorker worker;
    bool rowsStarted = false;  // worker.startRows done for this scan
    std::array<double, kPictureSize> values{};
    std::array<uint8_t, kPictureSize> valid{};
  };
  std::vector<std::unique_ptr<ImplicitThread>> implicitThreads_;
  std::vector<std::vector<uint32_t>> bandMarks_;  // each band's marks: row << 16 | column
  WorkerPool& pool_;
  ExactImplicitPlotter exactPlotter_{pool_};
  ExactRegionPlotter regionPlotter_{pool_};
  bool onlyExactSeen_ = false;  // a slot of this redraw is seen only by the exact method
  // How long each slot's last precise implicit plot took; max() until it has had one.
  std::array<std::chrono::microseconds, kSlotCount + 1> preciseTime_;
};

}  // namespace quorvel
