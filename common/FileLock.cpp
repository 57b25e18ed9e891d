#include "FileLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace safefile {

namespace {

// The process id on the first line of the file at fd (or path), 0 when none.
pid_t ProcessIdIn(int fd) {
  char text[32] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return 0;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  return end != text && pid > 0 && pid <= INT_MAX ? static_cast<pid_t>(pid) : 0;
}

bool HasEnded(pid_t pid) {
  return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

namespace {

// Whether fd is still the file at path: a holder removes the file as it lets
// go, so a waiter may have locked a file no longer at the name.
bool StillAt(int fd, const std::string& path) {
  struct stat opened {
  }, named{};
  return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace

TFileLock::TFileLock(const std::string& path, std::chrono::milliseconds wait) : path_(path) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
      status_ = TLockStatus::NotRegular;
      return;
    }
    // Without following a link or blocking, should one come in the
    // meantime: a pipe at the name would wait for a writer for ever.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
      errno_ = errno;
      status_ = errno == ELOOP || errno == ENXIO || errno == EISDIR ? TLockStatus::NotRegular : TLockStatus::CannotOpen;
      return;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
      ::close(fd);
      status_ = TLockStatus::NotRegular;
      return;
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
        errno_ = errno;
        holder_ = ProcessIdIn(fd);
        ::close(fd);
        status_ = errno_ == EWOULDBLOCK ? TLockStatus::Busy : TLockStatus::CannotOpen;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (StillAt(fd, path)) {
      fd_ = fd;
      break;
    }
    ::close(fd);
  }
  status_ = TLockStatus::Ok;
  // For the message of a copy that waits in vain; the lock holds without it.
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd_, 0) == 0) (void)!::pwrite(fd_, pid.data(), pid.size(), 0);
}

TFileLock::~TFileLock() {
  if (fd_ < 0) return;
  // Removed while still held, so that whoever locks next checks the name.
  ::unlink(path_.c_str());
  ::close(fd_);
}

int RemoveStaleLockChain(const std::string& lockPath) {
  // The longest first: a link in the chain is removed only after those
  // made on top of it.
  std::string name = lockPath + ".rmlock";
  int depth = 0;
  while (depth < 64 && ::access((name + ".rmlock").c_str(), F_OK) == 0) name += ".rmlock", ++depth;
  int removed = 0;
  for (; name.size() > lockPath.size(); name.resize(name.size() - 7)) {
    struct stat info {};
    if (::lstat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    const pid_t pid = ProcessIdIn(fd);
    ::close(fd);
    if (pid > 0 && HasEnded(pid) && ::unlink(name.c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace safefile
