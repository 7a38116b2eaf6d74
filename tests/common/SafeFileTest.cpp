// Saving a file against real folders: what is written, what is refused, and that a refused or
// failed save leaves every file as it was.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "common/SafeFile.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
 protected:
  fs::path folder;

  void SetUp() override {
    folder = fs::path(::testing::TempDir()) /
             ("safefile-" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override {
    fs::permissions(folder, fs::perms::owner_all);
    fs::remove_all(folder);
  }

  static bool save(const fs::path& path, const std::string& content) {
    const std::vector<uint8_t> bytes(content.begin(), content.end());
    return writeFileSafely(path.string(), bytes);
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void create(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  std::set<std::string> filesInFolder() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.insert(entry.path().filename().string());
    return names;
  }
  static unsigned modeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
  }
};

TEST_F(SafeFile, WritesANewFileAndReplacesAnOldOne) {
  const fs::path target = folder / "picture.bmp";
  ASSERT_TRUE(save(target, "first"));
  EXPECT_EQ(read(target), "first");
  const mode_t mask = ::umask(0);
  ::umask(mask);
  EXPECT_EQ(modeOf(target), 0666u & ~mask);
  ASSERT_TRUE(save(target, "second, longer"));
  EXPECT_EQ(read(target), "second, longer");
  EXPECT_EQ(filesInFolder(), std::set<std::string>{"picture.bmp"});
}

TEST_F(SafeFile, NeverTouchesAnotherFile) {
  // Files whose names a careless writer might take for its temporary file.
  create(folder / "picture.bmp.tmp", "the user's own");
  create(folder / "picture.bmp~", "a backup");
  ASSERT_TRUE(save(folder / "picture.bmp", "new"));
  EXPECT_EQ(read(folder / "picture.bmp.tmp"), "the user's own");
  EXPECT_EQ(read(folder / "picture.bmp~"), "a backup");
  EXPECT_EQ(filesInFolder(),
            (std::set<std::string>{"picture.bmp", "picture.bmp.tmp", "picture.bmp~"}));
}

TEST_F(SafeFile, AReplacedFileKeepsItsPermissions) {
  const fs::path target = folder / "graph.qvl";
  create(target, "old");
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(save(target, "new"));
  EXPECT_EQ(modeOf(target), 0640u);
  ::chmod(target.c_str(), 0604);
  ASSERT_TRUE(save(target, "newer"));
  EXPECT_EQ(modeOf(target), 0604u);
}

TEST_F(SafeFile, RefusesWhatMayNotBeWritten) {
  // A folder that does not exist.
  EXPECT_FALSE(save(folder / "missing" / "picture.bmp", "x"));
  EXPECT_FALSE(fs::exists(folder / "missing"));
  // A read-only file: refused, as an editor refuses it.
  const fs::path readOnly = folder / "readonly.bmp";
  create(readOnly, "keep me");
  ::chmod(readOnly.c_str(), 0444);
  EXPECT_FALSE(save(readOnly, "x"));
  EXPECT_EQ(read(readOnly), "keep me");
  // A folder in the place of the file.
  fs::create_directory(folder / "adir");
  EXPECT_FALSE(save(folder / "adir", "x"));
  EXPECT_TRUE(fs::is_directory(folder / "adir"));
  // A read-only folder: nothing new appears in it.
  const fs::path locked = folder / "locked";
  fs::create_directory(locked);
  create(locked / "old.bmp", "old");
  ::chmod(locked.c_str(), 0555);
  EXPECT_FALSE(save(locked / "new.bmp", "x"));
  EXPECT_FALSE(save(locked / "old.bmp", "x"));
  ::chmod(locked.c_str(), 0755);
  EXPECT_EQ(read(locked / "old.bmp"), "old");
  EXPECT_FALSE(fs::exists(locked / "new.bmp"));
  EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
  // An empty name.
  EXPECT_FALSE(save("", "x"));
}

TEST_F(SafeFile, ANameTooLongFailsWithoutLeavingAnything) {
  create(folder / "other", "other");
  EXPECT_FALSE(save(folder / (std::string(300, 'n') + ".bmp"), "x"));
  EXPECT_EQ(filesInFolder(), std::set<std::string>{"other"});
  // The longest name a folder allows still works: the temporary name does not grow with it.
  const std::string longest = std::string(251, 'n') + ".bmp";
  EXPECT_TRUE(save(folder / longest, "x"));
  EXPECT_EQ(filesInFolder(), (std::set<std::string>{"other", longest}));
}

TEST_F(SafeFile, AFullDiskKeepsTheOldFile) {
  const fs::path target = folder / "picture.bmp";
  create(target, "old");
  // A file size limit makes every write beyond it fail, as a full disk does.
  struct rlimit before {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = before;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = save(target, std::string(5000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_EQ(read(target), "old");
  EXPECT_EQ(filesInFolder(), std::set<std::string>{"picture.bmp"});
}

TEST_F(SafeFile, FollowsALink) {
  const fs::path real = folder / "real.qvl";
  create(real, "old");
  fs::create_symlink(real, folder / "link.qvl");
  ASSERT_TRUE(save(folder / "link.qvl", "new"));
  EXPECT_TRUE(fs::is_symlink(folder / "link.qvl"));
  EXPECT_EQ(read(real), "new");
  // A link to nowhere is not replaced by a file.
  fs::create_symlink(folder / "nowhere", folder / "dangling.qvl");
  EXPECT_FALSE(save(folder / "dangling.qvl", "x"));
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.qvl"));
}

}  // namespace
}  // namespace quorvel
