#include "shell/DocumentKeeper.h"

#include <filesystem>

#include "common/Language.h"
#include "common/NumberText.h"
#include "common/SafeFile.h"

namespace quorvel {
namespace {

bool sameSlot(const SlotRecord& a, const SlotRecord& b) {
  if (a.kind != b.kind) return false;
  if (isFormulaKind(a.kind)) {
    return a.text == b.text && a.begin == b.begin && a.end == b.end && a.steps == b.steps;
  }
  return a.kind != kSlotPolynomial ||
         (a.polynomial.coef == b.polynomial.coef && a.polynomial.kind == b.polynomial.kind &&
          a.polynomial.degree == b.polynomial.degree);
}

}  // namespace

void DocumentKeeper::commitStep(Clock::time_point now) {
  // A held button or key, an Alt command, a formula waiting for its domain, a constant in
  // motion: no step yet, but the recovery file follows the work all the same.
  if (!ws_.klok.running() && !ws_.settings.keyboardMode && !buttons_.formulaWaitsForDomain() &&
      !ws_.motion.active())
    ws_.history.record(ws_.documentBytes(), ws_.file);
  recoveryTick(now);
}

// Puts a document of the history back with its file, and shows the first slot it changed in
// its input.
void DocumentKeeper::restore(const DocumentBytes& from, const UndoHistory::Snapshot& snapshot) {
  GraphFileContents before, after;
  readGraphFile(from, before);
  if (readGraphFile(snapshot.document, after) != GraphFileStatus::Ok) return;  // the writer's
  ws_.restoreDocument(after);
  if (snapshot.file) ws_.file = snapshot.file;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (sameSlot(before.slotRecords[slot], after.slotRecords[slot])) continue;
    ws_.selection.hoverSlot = slot;
    ws_.selection.selectHoveredSlot();
    const uint8_t kind = ws_.formulas.slotKind[slot];
    if (isFormulaKind(kind) &&
        ws_.editor.fedSetText(shownFormula(ws_.formulas.formulas[slot].text))) {
      inputs_.selectFormulaInput();
    } else if (kind == kSlotPolynomial) {
      ws_.poly.LoadPolyToGrid(slot);
      inputs_.selectPolynomialInput();
    }
    break;
  }
}

void DocumentKeeper::undo() {
  const DocumentBytes shown = ws_.history.current().document;
  const std::optional<UndoHistory::Snapshot> document = ws_.history.undo();
  if (!document) {
    ws_.MsgText = translated(kNothingToUndo);
    return;
  }
  restore(shown, *document);
  ws_.MsgText = translated(kUndone);
}

void DocumentKeeper::redo() {
  const DocumentBytes shown = ws_.history.current().document;
  const std::optional<UndoHistory::Snapshot> document = ws_.history.redo();
  if (!document) {
    ws_.MsgText = translated(kNothingToRedo);
    return;
  }
  restore(shown, *document);
  ws_.MsgText = translated(kRedone);
}

bool DocumentKeeper::saveDocument(bool ask) {
  std::string path = ws_.documentPath();
  if (ask || path.empty()) {
    if (!shell_) return false;
    const std::optional<std::string> chosen = shell_->askGraphFileName(true, path);
    if (!chosen) return false;
    path = *chosen;
  }
  if (!ws_.SaveGraphFile(path)) return false;
  recentFiles_.add(path);
  recentFilesChanged_ = true;
  return true;
}

bool DocumentKeeper::mayDiscardDocument() {
  if (!ws_.modified() || !shell_) return true;
  switch (shell_->askSaveChanges()) {
    case ShellActions::SaveChoice::Save:
      return saveDocument(false);
    case ShellActions::SaveChoice::Discard:
      return true;
    case ShellActions::SaveChoice::Cancel:
      break;
  }
  return false;
}

void DocumentKeeper::openGraphFile(const std::string& path) {
  const Workspace::LoadStatus status = ws_.LoadGraphFile(path);
  if (status == Workspace::LoadStatus::Loaded ||
      status == Workspace::LoadStatus::LoadedWithFaults) {
    recentFiles_.add(path);
    recentFilesChanged_ = true;
  }
}

void DocumentKeeper::openGraphFileAfterGuard(const std::string& path) {
  if (mayDiscardDocument()) openGraphFile(path);
}

void DocumentKeeper::openRecentFile(int index) {
  const std::vector<std::string>& paths = recentFiles_.paths();
  if (index < 0 || index >= static_cast<int>(paths.size())) return;
  const std::string path = paths[static_cast<size_t>(index)];
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    recentFiles_.remove(path);
    recentFilesChanged_ = true;
    ws_.MsgText = translated(kRecentMissing);
    return;
  }
  openGraphFileAfterGuard(path);
}

bool DocumentKeeper::takeRecentFilesChange() {
  const bool changed = recentFilesChanged_;
  recentFilesChanged_ = false;
  return changed;
}

void DocumentKeeper::recoveryTick(Clock::time_point now) {
  recoveryDue_.reset();
  if (!recovery_) return;
  if (!recovery_->enabled()) {
    if (!recoveryOffShown_) ws_.MsgText = translated(kRecoveryOff);
    recoveryOffShown_ = true;
    return;
  }
  if (!ws_.modified()) {
    // The work is safe in its file (or there is none): nothing to recover.
    if (!recoveryWritten_.empty()) recovery_->removeFile();
    recoveryWritten_.clear();
    return;
  }
  DocumentBytes document = ws_.documentBytes();
  const std::string& path = ws_.documentPath();
  if (document == recoveryWritten_ && path == recoveryPathWritten_) return;
  // The first change after a quiet second is written at once, the next ones a second after
  // the write before them.
  if (now - lastRecoveryWrite_ < kRecoveryInterval) {
    recoveryDue_ = lastRecoveryWrite_ + kRecoveryInterval;
    return;
  }
  lastRecoveryWrite_ = now;
  if (!recovery_->write(document, path)) {
    recoveryTick(now);  // says once that it is off
    return;
  }
  recoveryWritten_ = std::move(document);
  recoveryPathWritten_ = path;
}

void DocumentKeeper::writeRecoveryNow() {
  lastRecoveryWrite_ = {};
  recoveryTick(Clock::now());
}

void DocumentKeeper::offerRecovery() {
  if (!recovery_ || !shell_) return;
  std::optional<RecoveryFiles::LeftBehind> left = recovery_->claimLeftBehind();
  if (!left) return;
  const std::optional<DocumentBytes> document = recovery_->document(*left);
  GraphFileContents contents;
  if (!document || readGraphFile(*document, contents) != GraphFileStatus::Ok) {
    shell_->tellRecoveryDamaged();
    recovery_->release(*left, true);
    return;
  }
  switch (shell_->askRestoreRecovery()) {
    case ShellActions::RecoveryChoice::Restore:
      // Unsaved work of this run now, of the file it was the work of; its undo starts at the
      // empty document.
      ws_.applyGraphFile(contents);
      ws_.continueWork(recovery_->documentPath(*left));
      ws_.MsgText = translated(kRecovered);
      commitStep(Clock::now());
      writeRecoveryNow();
      // The file left behind goes only once this run holds the work in a file of its own.
      recovery_->release(*left, !recoveryWritten_.empty() || !ws_.modified());
      break;
    case ShellActions::RecoveryChoice::Discard:
      recovery_->release(*left, true);
      break;
    case ShellActions::RecoveryChoice::Later:
      recovery_->release(*left, false);
      break;
  }
}

std::string DocumentKeeper::windowTitle() const {
  const bool changed = ws_.modified();
  const std::string& path = ws_.documentPath();
  if (path.empty() && !changed) return "Quorvel";
  const size_t slash = path.rfind('/');
  std::string name = path.empty() ? translated(QT_TRANSLATE_NOOP("quorvel", "naamloos"))
                                  : path.substr(slash == std::string::npos ? 0 : slash + 1);
  return name + (changed ? "*" : "") + " — Quorvel";
}

}  // namespace quorvel
