// Test main for the Qt side: one QApplication on the offscreen platform, so no display is
// needed.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "qt/Translations.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The platform's settings (the recent files) and the state folder of this test run only.
  const std::string home =
      ::testing::TempDir() + "quorvel-window-tests-" + std::to_string(::getpid());
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home + "/config");
  setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
  setenv("XDG_STATE_HOME", (home + "/state").c_str(), 1);
  QApplication application(argc, argv);
  quorvel::useLanguage(application, quorvel::Language::Dutch);  // the tests expect Dutch texts
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(home);
  return result;
}
