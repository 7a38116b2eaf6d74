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

void UndoHistory::reset(DocumentBytes current) {
  current_ = std::move(current);
  undo_.clear();
  redo_.clear();
}

bool UndoHistory::record(DocumentBytes now) {
  if (sameButTheView(now, current_)) {
    current_ = std::move(now);
    return false;
  }
  undo_.push_back(std::move(current_));
  if (undo_.size() > kMaxSteps) undo_.pop_front();
  current_ = std::move(now);
  redo_.clear();
  return true;
}

std::optional<DocumentBytes> UndoHistory::undo() {
  if (undo_.empty()) return std::nullopt;
  redo_.push_back(std::move(current_));
  current_ = std::move(undo_.back());
  undo_.pop_back();
  return current_;
}

std::optional<DocumentBytes> UndoHistory::redo() {
  if (redo_.empty()) return std::nullopt;
  undo_.push_back(std::move(current_));
  current_ = std::move(redo_.back());
  redo_.pop_back();
  return current_;
}

}  // namespace quorvel
