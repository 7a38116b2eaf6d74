#include "storage/Document.h"

#include <algorithm>

#include "storage/GraphFile.h"

namespace quorvel {

bool sameButTheView(const DocumentBytes& a, const DocumentBytes& b) {
  if (a.size() != b.size()) return false;
  const auto [begin, end] = graphFileViewBytes();
  if (a.size() < end) return a == b;
  return std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(begin), b.begin()) &&
         std::equal(a.begin() + static_cast<std::ptrdiff_t>(end), a.end(),
                    b.begin() + static_cast<std::ptrdiff_t>(end));
}

void UndoHistory::reset(DocumentBytes current, DocumentFileRef file) {
  current_ = {std::move(current), std::move(file)};
  undo_.clear();
  redo_.clear();
}

namespace {

// Another file, or the same one in another state: a file started anew that holds what the
// last one held (a new document over an empty one) is no step.
bool sameFile(const DocumentFileRef& a, const DocumentFileRef& b) {
  if (a == b) return true;
  return a && b && a->path == b->path && a->saved == b->saved;
}

}  // namespace

bool UndoHistory::record(DocumentBytes now, DocumentFileRef file) {
  if (sameButTheView(now, current_.document) && sameFile(file, current_.file)) {
    current_ = {std::move(now), std::move(file)};
    return false;
  }
  undo_.push_back(std::move(current_));
  if (undo_.size() > kMaxSteps) undo_.pop_front();
  current_ = {std::move(now), std::move(file)};
  redo_.clear();
  return true;
}

std::optional<UndoHistory::Snapshot> UndoHistory::undo() {
  if (undo_.empty()) return std::nullopt;
  redo_.push_back(std::move(current_));
  current_ = std::move(undo_.back());
  undo_.pop_back();
  return current_;
}

std::optional<UndoHistory::Snapshot> UndoHistory::redo() {
  if (redo_.empty()) return std::nullopt;
  undo_.push_back(std::move(current_));
  current_ = std::move(redo_.back());
  redo_.pop_back();
  return current_;
}

}  // namespace quorvel
