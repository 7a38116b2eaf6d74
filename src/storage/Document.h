#pragma once
// The document of a run is what a graph file holds (slots, polynomials, points, constants and
// step, colours, personal text, settings, scale), and its one form here is the bytes the
// graph file writer makes of it: two documents are the same exactly when their files are, a
// snapshot is a copy, and restoring one is loading it. The undo history keeps such snapshots.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace quorvel {

using DocumentBytes = std::vector<uint8_t>;

// The same document, the view (centre and zoom of the scale) aside.
bool sameButTheView(const DocumentBytes& a, const DocumentBytes& b);

// Undo and redo over whole documents. A step is taken when the document changed in more
// than its view since the last step: scrolling and zooming are looking, not editing, so they
// make no step of their own; they ride along in the snapshot of the next step, and undo
// brings back the view a step was taken in.
class UndoHistory {
 public:
  static constexpr size_t kMaxSteps = 200;

  // A document without steps (the start of the program).
  void reset(DocumentBytes current);
  // After an action: the document as it is now. True when it made a step (and so emptied
  // the redo list); a change of the view alone is kept without a step.
  bool record(DocumentBytes now);
  // The document before the last step (which goes to the redo list), or nothing.
  std::optional<DocumentBytes> undo();
  // The document after the step last undone, or nothing.
  std::optional<DocumentBytes> redo();

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  size_t undoSteps() const { return undo_.size(); }
  const DocumentBytes& current() const { return current_; }

 private:
  DocumentBytes current_;
  std::deque<DocumentBytes> undo_;  // oldest first
  std::vector<DocumentBytes> redo_;
};

}  // namespace quorvel
