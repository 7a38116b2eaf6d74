#pragma once
// A workspace with its controller, and a shell that records what commands asked of the window.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../plot/PlotTestSupport.h"
#include "common/Keys.h"
#include "shell/Controller.h"

namespace quorvel::testing {

class RecordingShell : public ShellActions {
 public:
  std::vector<std::string> calls;
  void copyPictureToClipboard() override { calls.push_back("clipboard"); }
  std::optional<PictureFile> pictureFile;  // what the user chooses; nothing: cancelled
  std::function<void()> onAsk;             // while the dialog would be open
  std::optional<PictureFile> askPictureFileName() override {
    calls.push_back("bitmap");
    if (onAsk) onAsk();
    return pictureFile;
  }
  std::vector<uint8_t> pngBytes(const Picture&) override { return {0x89, 'P', 'N', 'G'}; }
  std::optional<std::string> vectorFile;  // what the user chooses; nothing: cancelled
  std::optional<std::string> askVectorFileName() override {
    calls.push_back("vector file");
    return vectorFile;
  }
  std::vector<uint8_t> vectorBytes(const DisplayList& drawing, bool pdf,
                                   const std::string& title) override {
    calls.push_back(std::string(pdf ? "pdf " : "svg ") + std::to_string(drawing.ops.size()) + " " +
                    title);
    return {'%', pdf ? uint8_t('P') : uint8_t('S')};
  }
  void printPicture() override { calls.push_back("print"); }
  void closeProgram() override { calls.push_back("close"); }
  std::optional<std::string> graphFileName;  // what the user chooses; nothing: cancelled
  std::string proposed;                      // what the dialog proposed
  std::optional<std::string> askGraphFileName(bool save, const std::string& current) override {
    calls.push_back(save ? "save graph" : "open graph");
    proposed = current;
    return graphFileName;
  }
  SaveChoice saveChoice = SaveChoice::Cancel;  // the answer to "save first?"
  SaveChoice askSaveChanges() override {
    calls.push_back("save changes?");
    return saveChoice;
  }
  RecoveryChoice recoveryChoice = RecoveryChoice::Later;
  RecoveryChoice askRestoreRecovery() override {
    calls.push_back("restore?");
    return recoveryChoice;
  }
  void tellRecoveryDamaged() override { calls.push_back("recovery damaged"); }
  void askParameterDomain() override { calls.push_back("v-domain"); }
  void askIntegralDomain() override { calls.push_back("x-domain"); }
  void showPointsTable() override { calls.push_back("points table"); }
  void showValueTable() override { calls.push_back("value table"); }
  void showAreaWindow() override { calls.push_back("area"); }
  void showAnalysis() override { calls.push_back("analysis"); }
  void askTangentX(const std::string& offered) override { calls.push_back("tangent " + offered); }
  void showColourWindow() override { calls.push_back("colours"); }
  void showMotionWindow() override { calls.push_back("motion"); }
  std::optional<AnimationFile> animationFile;  // what the user chooses; nothing: cancelled
  std::optional<AnimationFile> askAnimationFile() override {
    calls.push_back("animation file");
    return animationFile;
  }
  void showHelp() override { calls.push_back("help"); }
  void showInfo(int page) override { calls.push_back("info " + std::to_string(page)); }
  void switchLanguage(Language language) override {
    setLanguage(language, nullptr);  // as the window does, without a catalogue
    calls.push_back("language " + std::string(codeOf(language)));
  }
};

class ControllerTest : public PlotTest {
 protected:
  Controller controller{ws};
  RecordingShell shell;
  int redraws = 0;

  void SetUp() override {
    PlotTest::SetUp();
    controller.shell = &shell;
    ws.selection.paintColorBox();
    graph.hooks.ShowPicture = [this] { ++redraws; };
  }

  // A key as the window delivers it: down, then its character unless Alt is held.
  void key(int code, KeyModifiers modifiers = {}, char ch = 0) {
    controller.FormKeyDown(code, modifiers);
    if (ch != 0 && !modifiers.alt) controller.FormKeyPress(ch);
  }
  // Characters with the key codes the window gives them.
  void typeText(std::string_view typed) {
    for (char c : typed)
      key(keyCodeOf(c), {}, c);
  }
  static int keyCodeOf(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return c == '.' ? keys::kFullStop : keys::kOther;
  }
  void alt(int code) { key(code, {false, false, true}); }
  void altRelease() { controller.FormKeyUp(keys::kAlt); }
};

}  // namespace quorvel::testing
