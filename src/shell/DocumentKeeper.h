#pragma once
// What keeps the user's work, the document's life: undo and redo over whole documents, saving
// in place, the question before unsaved work is discarded, the recovery file that follows
// unsaved work, the recent files, and the window's title that tells the document's state.

#include <chrono>
#include <optional>
#include <string>

#include "common/Language.h"
#include "menu/RecentFiles.h"
#include "shell/InputFocus.h"
#include "shell/PlotButtons.h"
#include "shell/ShellActions.h"
#include "shell/Workspace.h"
#include "storage/Recovery.h"

namespace quorvel {

inline constexpr const char* kUndone = QT_TRANSLATE_NOOP("quorvel", "ongedaan gemaakt");
inline constexpr const char* kRedone = QT_TRANSLATE_NOOP("quorvel", "opnieuw");
inline constexpr const char* kNothingToUndo =
    QT_TRANSLATE_NOOP("quorvel", "niets ongedaan te maken");
inline constexpr const char* kNothingToRedo = QT_TRANSLATE_NOOP("quorvel", "niets opnieuw te doen");
inline constexpr const char* kRecoveryOff =
    QT_TRANSLATE_NOOP("quorvel", "herstel uit: map niet schrijfbaar");
inline constexpr const char* kRecovered = QT_TRANSLATE_NOOP("quorvel", "werk hersteld");
inline constexpr const char* kRecentMissing =
    QT_TRANSLATE_NOOP("quorvel", "bestand niet gevonden: uit de lijst");

class DocumentKeeper {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::seconds kRecoveryInterval{1};

  // `recovery`: where the document goes after a crash; none in tests and headless work.
  DocumentKeeper(Workspace& workspace, InputFocus& inputs, const PlotButtons& buttons,
                 ShellActions* const& shell, RecoveryFiles* const& recovery)
      : ws_(workspace), inputs_(inputs), buttons_(buttons), shell_(shell), recovery_(recovery) {}

  // The end of every action of the user: a change of the document since the last step
  // becomes one undo step; while a button or key repeats, an Alt command is in progress or a
  // formula waits for its domain, the step waits for its end. Then the recovery file follows.
  void commitStep(Clock::time_point now);
  void undo();
  void redo();

  // Saves in place (Ctrl+S), or with the dialog when the document has no file yet or `ask`
  // ("bewaar"). False when it was not saved.
  bool saveDocument(bool ask);
  // Before the document is discarded (ending, "herstart", opening another file): true when
  // it may go, because nothing is unsaved or the user saved or discarded it.
  bool mayDiscardDocument();
  // A graph file opened over the document, as it stands ("open" has asked the guard itself),
  // or after the guard (a file dropped, a recent file, the file named at start).
  void openGraphFile(const std::string& path);
  void openGraphFileAfterGuard(const std::string& path);
  // "algemeen" > "recent >>": the file at `index`, newest first; a file that is gone leaves
  // the list.
  void openRecentFile(int index);
  // The files opened or saved last; the window keeps them between runs.
  RecentFiles& recentFiles() { return recentFiles_; }
  // Whether the recent files changed since the window last asked; asking clears it.
  bool takeRecentFilesChange();

  // Written when the document has unsaved changes that it does not hold yet: at once after a
  // quiet second, otherwise a second after the write before; removed when the document is
  // saved or unchanged.
  void recoveryTick(Clock::time_point now);
  // When the next tick must come for changes that wait for their second; nothing when none
  // wait. The window's timer keeps this time.
  std::optional<Clock::time_point> recoveryDue() const { return recoveryDue_; }
  // The unsaved work to the recovery file now, however soon after the last write.
  void writeRecoveryNow();
  // At start-up: the work a crashed run left behind is offered (never loaded unasked).
  void offerRecovery();

  // The title of the window: the file's name, a mark while there are unsaved changes.
  std::string windowTitle() const;

 private:
  void restore(const DocumentBytes& from, const UndoHistory::Snapshot& snapshot);

  Workspace& ws_;
  InputFocus& inputs_;
  const PlotButtons& buttons_;
  ShellActions* const& shell_;
  RecoveryFiles* const& recovery_;

  RecentFiles recentFiles_;
  bool recentFilesChanged_ = false;

  Clock::time_point lastRecoveryWrite_{};
  std::optional<Clock::time_point> recoveryDue_;
  DocumentBytes recoveryWritten_;  // what the recovery file holds; empty: no file
  std::string recoveryPathWritten_;
  bool recoveryOffShown_ = false;
};

}  // namespace quorvel
