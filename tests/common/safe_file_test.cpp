// The file helper's promises: a replace touches no file but its target, keeps
// the target's permissions, and leaves the old file whole when it fails; a
// read refuses what is not a small regular file without waiting on it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SafeFile.h"

namespace fs = std::filesystem;
using namespace safefile;

namespace {

class SafeFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vz-safefile-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  static void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  int EntriesInFolder() const { return static_cast<int>(std::distance(fs::directory_iterator(dir_), {})); }

  fs::path dir_;
};

TEST_F(SafeFile, LinksPlantedAtTemporaryNamesAreNeverWrittenThrough) {
  Write(File("notes.txt"), "mine");
  Write(File("game.rgm"), "0 0");
  // The names this process's next replaces would try first.
  const std::string prefix = File(".game.rgm.tmp" + std::to_string(::getpid()) + "-");
  for (int counter = 0; counter < 60; ++counter)
    fs::create_symlink(File("notes.txt"), prefix + std::to_string(counter));
  ASSERT_TRUE(ReplaceFile(File("game.rgm"), "1 51 1"));
  EXPECT_EQ(Read(File("game.rgm")), "1 51 1");
  EXPECT_EQ(Read(File("notes.txt")), "mine");
  EXPECT_FALSE(fs::is_symlink(File("game.rgm")));
}

TEST_F(SafeFile, ReplaceKeepsPermissionsAndWritesThroughLinks) {
  Write(File("real.ini"), "old");
  fs::permissions(File("real.ini"), fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.ini", File("relative-link"));
  fs::create_symlink(File("relative-link"), File("chain"));
  ASSERT_TRUE(ReplaceFile(File("chain"), "new"));
  EXPECT_EQ(Read(File("real.ini")), "new");
  EXPECT_TRUE(fs::is_symlink(File("chain")));
  EXPECT_TRUE(fs::is_symlink(File("relative-link")));
  EXPECT_EQ(fs::status(File("real.ini")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(EntriesInFolder(), 3);  // no temporary file left behind
}

TEST_F(SafeFile, FailedReplaceLeavesTheOldFileAndNoTemporary) {
  Write(File("game.rgm"), "2 51 42 2");
  // A file-size limit makes the write itself fail, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 4;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const TReplaceResult result = ReplaceFile(File("game.rgm"), "a text longer than four bytes");
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(result.Status, TReplaceStatus::WriteFailed);
  EXPECT_EQ(Read(File("game.rgm")), "2 51 42 2");
  EXPECT_EQ(EntriesInFolder(), 1);

  fs::create_directories(File("folder"));
  EXPECT_EQ(ReplaceFile(File("folder"), "x").Status, TReplaceStatus::Folder);
  EXPECT_EQ(ReplaceFile(File("no/such/folder/f"), "x").Status, TReplaceStatus::CannotCreate);
}

TEST_F(SafeFile, ReadTakesOnlySmallRegularFiles) {
  Write(File("four"), "1234");
  EXPECT_EQ(ReadSmallFile(File("four"), 4).Text, "1234");
  EXPECT_EQ(ReadSmallFile(File("four"), 3).Status, TReadStatus::TooLarge);
  ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
  EXPECT_EQ(ReadSmallFile(File("pipe"), 10).Status, TReadStatus::NotRegular);  // returns at once
  EXPECT_EQ(ReadSmallFile(dir_.string(), 10).Status, TReadStatus::Folder);
  EXPECT_EQ(ReadSmallFile(File("missing"), 10).Status, TReadStatus::Missing);
  fs::create_symlink(File("loop"), File("loop"));
  EXPECT_EQ(ReadSmallFile(File("loop"), 10).Status, TReadStatus::NotRegular);
}

TEST_F(SafeFile, OnlyAWritableRegularFileIsReplaced) {
  ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
  fs::create_symlink(File("pipe"), File("link-to-pipe"));
  fs::create_symlink(File("loop-a"), File("loop-b"));
  fs::create_symlink(File("loop-b"), File("loop-a"));
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, File("socket").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  for (const char* name : {"pipe", "link-to-pipe", "loop-a", "socket"})
    EXPECT_EQ(ReplaceFile(File(name), "x").Status, TReplaceStatus::NotRegular) << name;
  ::close(sock);
  EXPECT_TRUE(fs::is_fifo(File("pipe")));
  EXPECT_TRUE(fs::is_socket(File("socket")));
  EXPECT_TRUE(fs::is_symlink(File("loop-a")));

  Write(File("kept.rgm"), "0 0");
  fs::permissions(File("kept.rgm"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(ReplaceFile(File("kept.rgm"), "1 51 1").Status, TReplaceStatus::ReadOnly);
  EXPECT_EQ(Read(File("kept.rgm")), "0 0");
  EXPECT_EQ(EntriesInFolder(), 6);  // no temporary file left behind
}

TEST_F(SafeFile, ANameNearTheLimitStillGetsTemporaries) {
  const std::string name = std::string(250, 'g') + ".rgm";
  ASSERT_TRUE(ReplaceFile(File(name), "0 0"));
  ASSERT_TRUE(ReplaceFile(File(name), "1 51 1"));
  EXPECT_EQ(Read(File(name)), "1 51 1");
  EXPECT_EQ(EntriesInFolder(), 1);
}

// Records the helper's system calls in place of the system's, and can fail
// the rename.
class SafeFileCalls : public SafeFile {
 protected:
  void SetUp() override {
    SafeFile::SetUp();
    saved_ = SystemCalls();
    calls_.clear();
    failRename_ = false;
    SystemCalls() = {&RecordWrite, &RecordFsync, &RecordRename};
  }
  void TearDown() override {
    SystemCalls() = saved_;
    SafeFile::TearDown();
  }
  static ssize_t RecordWrite(int fd, const void* data, std::size_t size) {
    calls_ += "write ";
    return ::write(fd, data, size);
  }
  static int RecordFsync(int fd) {
    struct stat info {};
    ::fstat(fd, &info);
    calls_ += S_ISDIR(info.st_mode) ? "fsync(folder) " : "fsync(file) ";
    return ::fsync(fd);
  }
  static int RecordRename(const char* from, const char* to) {
    calls_ += "rename ";
    if (!failRename_) return ::rename(from, to);
    errno = EXDEV;
    return -1;
  }

  static inline std::string calls_;
  static inline bool failRename_ = false;
  TSystemCalls saved_{};
};

TEST_F(SafeFileCalls, TheFileIsFlushedBeforeTheRenameAndTheFolderAfter) {
  ASSERT_TRUE(ReplaceFile(File("game.rgm"), "1 51 1"));
  EXPECT_EQ(calls_, "write fsync(file) rename fsync(folder) ");
}

TEST_F(SafeFileCalls, AFailedRenameIsReportedAndLeavesNoTemporary) {
  Write(File("game.rgm"), "2 51 42 2");
  failRename_ = true;
  const TReplaceResult result = ReplaceFile(File("game.rgm"), "0 0");
  EXPECT_EQ(result.Status, TReplaceStatus::RenameFailed);
  EXPECT_EQ(result.Errno, EXDEV);
  EXPECT_EQ(Read(File("game.rgm")), "2 51 42 2");
  EXPECT_EQ(EntriesInFolder(), 1);
}

}  // namespace

TEST(SafeFileLeftovers, OnlyThoseOfDeadProcessesGo) {
  const fs::path dir = fs::temp_directory_path() / ("vz-leftovers-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const auto make = [&](const std::string& name) { std::ofstream((dir / name).string()) << "x"; };
  // A process id above any the system hands out stands for a dead process.
  make(".Reversi.ini.tmp999999999-0");
  make(".Reversi.ini.tmp" + std::to_string(::getpid()) + "-3");  // a live one's
  make(".Other.ini.tmp999999999-0");                             // another file's
  make("Reversi.ini");
  EXPECT_EQ(RemoveLeftovers((dir / "Reversi.ini").string()), 1);
  EXPECT_FALSE(fs::exists(dir / ".Reversi.ini.tmp999999999-0"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 3);
  fs::remove_all(dir);
}
