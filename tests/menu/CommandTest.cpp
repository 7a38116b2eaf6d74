// The recent files' commands: one per file from kFirstRecentCommand on, and no other command
// taken for one.

#include <gtest/gtest.h>

#include "menu/Command.h"
#include "menu/RecentFiles.h"

namespace quorvel {
namespace {

TEST(RecentFileCommands, OnePerFileFromTheFirstOn) {
  constexpr int count = static_cast<int>(RecentFiles::kMax);
  for (int index = 0; index < count; ++index) {
    EXPECT_EQ(recentFileIndex(recentFileCommand(index), count), index);
  }
  EXPECT_EQ(recentFileCommand(0), kFirstRecentCommand);
  EXPECT_EQ(recentFileIndex(recentFileCommand(count), count), -1);  // beyond the list
  for (Command other : {Command::Nothing, Command::Print, Command::Close}) {
    EXPECT_EQ(recentFileIndex(other, count), -1) << static_cast<int>(other);
  }
  EXPECT_EQ(recentFileIndex(static_cast<Command>(static_cast<int>(kFirstRecentCommand) - 1), count),
            -1);
}

}  // namespace
}  // namespace quorvel
