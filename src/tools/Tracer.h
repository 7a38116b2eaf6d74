#pragma once
// Tracing a graph by keyboard: a point that follows the selected slot's function (or
// polynomial) column by column through the picture, jumps to the next root, extremum or
// crossing with another slot in view, and says where it is ("x = 1,25, y = 0,5"). Its own
// searches: the analysis list and its marks stay as they are.

#include <optional>
#include <string>
#include <vector>

#include "common/Language.h"
#include "tools/Analysis.h"

namespace quorvel {

inline constexpr const char* kTracePoint = QT_TRANSLATE_NOOP("quorvel", "x = %1, y = %2");
inline constexpr const char* kTraceNoValue = QT_TRANSLATE_NOOP("quorvel", "x = %1, geen waarde");
inline constexpr const char* kTraceNoFurther = QT_TRANSLATE_NOOP("quorvel", "geen volgend punt");

class Tracer {
 public:
  Tracer(FormulaEngine& formulas, PolyInput& poly, const Constants& constants, Graph& graph);

  // Starts on `slot` at the picture's middle column; why it cannot, if so (not a function of
  // x or a polynomial).
  std::optional<std::string> start(int slot);
  void stop() { slot_ = 0; }
  // Started, and the slot still one that can be traced (it may have been emptied since).
  bool active() const { return slot_ != 0 && !search_.whyNot(slot_); }
  int slot() const { return slot_; }

  // Left and Right: `columns` pixel columns on (to the left when negative), within the picture.
  void step(int columns);
  // Up (forward) and Down: to the nearest root, extremum or crossing right or left of the
  // point, as the picture shows the graphs now. False, and the point stays, when there is
  // none in view.
  bool jump(bool forward);

  double x() const { return x_; }
  std::optional<double> y() const;
  // Where the cross-hair goes: the point's column, and its row (the picture's middle row
  // when y has no value; the edge when it lies beyond).
  int column() const;
  int row() const;
  // "x = 1,25, y = 0,5", or "x = 1,25, geen waarde".
  std::string announcement() const;

 private:
  void findNotablePoints();

  FormulaEngine& formulas_;
  PolyInput& poly_;
  Graph& graph_;
  Analysis search_;
  int slot_ = 0;
  double x_ = 0;
  std::vector<double> notable_;  // the x of every root, extremum and crossing, increasing
};

}  // namespace quorvel
