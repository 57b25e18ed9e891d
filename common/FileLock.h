// A lock beside a file that several copies of the program write, so that
// one copy at a time reads the file afresh and replaces it.
//
// The lock is the system's advisory lock (flock) on a small regular file:
// the system lets go of it when its holder ends, however it ends, so a
// dead holder's lock is free at once and a living holder's is never taken
// over. The file holds the holder's process id, to name it when the wait
// runs out, and goes when the holder lets go (one a crash left is simply
// locked again). Only a regular file is used as the lock: a pipe, a device or a
// link at its name is refused rather than opened (a pipe would block).
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>

namespace safefile {

enum class TLockStatus {
  Ok,
  NotRegular,  // something other than a regular file has the name
  CannotOpen,  // it cannot be created or opened (Errno)
  Busy,        // another process held it for the whole wait (Holder)
};

class TFileLock {
 public:
  // Takes the lock at path, creating the file when missing, and waits at
  // most `wait` for a living holder to let go.
  TFileLock(const std::string& path, std::chrono::milliseconds wait);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;

  TLockStatus Status() const { return status_; }
  int Errno() const { return errno_; }
  // The holder's process id as its lock file gives it, when Busy (0 when
  // unknown).
  pid_t Holder() const { return holder_; }
  explicit operator bool() const { return status_ == TLockStatus::Ok; }

 private:
  std::string path_;
  int fd_ = -1;
  TLockStatus status_ = TLockStatus::CannotOpen;
  int errno_ = 0;
  pid_t holder_ = 0;
};

// Removes what earlier locks of another kind left at lockPath: files named
// lockPath + ".rmlock", + ".rmlock.rmlock" and so on, each made by a process
// whose id it holds on its first line, once that process has ended. Returns
// how many were removed.
int RemoveStaleLockChain(const std::string& lockPath);

}  // namespace safefile
