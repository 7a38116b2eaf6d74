#pragma once
// The document of a run is what a graph file holds (slots, polynomials, points, constants and
// step, colours, personal text, settings, scale), and its one form here is the bytes the
// graph file writer makes of it: two documents are the same exactly when their files are, a
// snapshot is a copy, and restoring one is loading it. The undo history keeps such snapshots.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

using DocumentBytes = std::vector<uint8_t>;

// The same document, the view (centre and zoom of the scale) aside.
bool sameButTheView(const DocumentBytes& a, const DocumentBytes& b);

// The file a document belongs to: its path ("" none yet) and the document as that file holds
// it (or as it started). One is shared by every undo step of the work it belongs to, so that
// saving under a name gives the name to all of them; opening a file (or starting anew) begins
// another, and undoing the open returns to the file the work had before.
struct DocumentFile {
  std::string path;
  DocumentBytes saved;
};
using DocumentFileRef = std::shared_ptr<DocumentFile>;

// Undo and redo over whole documents, each with its file. A step is taken when the document
// changed in more than its view since the last step, or went to another file: scrolling and
// zooming are looking, not editing, so they make no step of their own; they ride along in the
// snapshot of the next step, and undo brings back the view a step was taken in.
class UndoHistory {
 public:
  static constexpr size_t kMaxSteps = 200;
  struct Snapshot {
    DocumentBytes document;
    DocumentFileRef file;
  };

  // A document without steps (the start of the program).
  void reset(DocumentBytes current, DocumentFileRef file = nullptr);
  // After an action: the document as it is now, and its file. True when it made a step (and
  // so emptied the redo list); a change of the view alone is kept without a step.
  bool record(DocumentBytes now, DocumentFileRef file = nullptr);
  // The document before the last step (which goes to the redo list), or nothing.
  std::optional<Snapshot> undo();
  // The document after the step last undone, or nothing.
  std::optional<Snapshot> redo();

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  size_t undoSteps() const { return undo_.size(); }
  const Snapshot& current() const { return current_; }

 private:
  Snapshot current_;
  std::deque<Snapshot> undo_;  // oldest first
  std::vector<Snapshot> redo_;
};

}  // namespace quorvel
