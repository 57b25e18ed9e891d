// The settings lock: one holder at a time, a living holder waited for and
// never overruled, a dead one's lock free at once, nothing but a regular
// file used, and the leftovers of older locks removed once their makers died.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "FileLock.h"

namespace fs = std::filesystem;
using namespace safefile;
using namespace std::chrono_literals;

namespace {

class FileLock : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vz-filelock-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(FileLock, ALivingHolderIsWaitedForAndNamed) {
  const std::string path = File("Reversi.ini.lock");
  std::optional<TFileLock> first(std::in_place, path, 0ms);
  ASSERT_TRUE(*first);
  const TFileLock second(path, 50ms);
  EXPECT_EQ(second.Status(), TLockStatus::Busy);
  EXPECT_EQ(second.Holder(), ::getpid());
  std::thread release([&] {
    std::this_thread::sleep_for(100ms);
    first.reset();
  });
  const TFileLock third(path, 10s);
  release.join();
  EXPECT_TRUE(third);
}

TEST_F(FileLock, ADeadHoldersLockIsFreeAtOnce) {
  const std::string path = File("Reversi.ini.lock");
  const pid_t child = ::fork();
  if (child == 0) {
    const TFileLock held(path, 0ms);
    ::raise(SIGKILL);  // dies holding it
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(TFileLock(path, 0ms));
}

TEST_F(FileLock, OnlyARegularFileIsUsed) {
  ASSERT_EQ(::mkfifo(File("pipe.lock").c_str(), 0600), 0);
  fs::create_symlink(File("target"), File("link.lock"));
  fs::create_directories(File("folder.lock"));
  for (const char* name : {"pipe.lock", "link.lock", "folder.lock"})
    EXPECT_EQ(TFileLock(File(name), 0ms).Status(), TLockStatus::NotRegular) << name;  // returns at once
  EXPECT_FALSE(fs::exists(File("target")));
}

TEST_F(FileLock, ChainsOfOldLocksGoOnceTheirMakersDied) {
  const std::string lock = File("Reversi.ini.lock");
  const auto make = [](const std::string& path, long pid) { std::ofstream(path) << pid << "\nvezari\nhost\n"; };
  make(lock, 999999999);
  make(lock + ".rmlock", 999999999);
  make(lock + ".rmlock.rmlock", 999999999);
  make(lock + ".rmlock.rmlock.rmlock", 999999999);
  EXPECT_EQ(RemoveStaleLockChain(lock), 3);
  EXPECT_TRUE(fs::exists(lock));  // the lock itself is not part of the chain
  EXPECT_FALSE(fs::exists(lock + ".rmlock"));
  make(lock + ".rmlock", ::getpid());  // a living maker's
  EXPECT_EQ(RemoveStaleLockChain(lock), 0);
  EXPECT_TRUE(fs::exists(lock + ".rmlock"));
}

}  // namespace
