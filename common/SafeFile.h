// Reading and replacing small files whole, for the game files and the
// settings file alike. Plain POSIX, no Qt: the engine core builds on it.
//
// A read never blocks and never takes more than a given number of bytes: a
// named pipe, a device or a folder under the name is refused at once rather
// than waited on or read without end.
//
// A replace never leaves the file half-written and never touches any other
// file: the new text goes to a fresh temporary file created beside the
// target under a unique name (exclusively, never through a link planted
// there), flushed to the disk, given the old file's permissions, renamed over
// the target, and the rename flushed to the folder. A reader or a crash sees
// either the whole old file or the whole new one. A symbolic link at the
// target is written through: the file it leads to is replaced, the link stays.
// Only a regular file the user may write is replaced: a device, a pipe, a
// socket or a link that leads nowhere in the end (a loop) is refused, and so
// is a file without write permission, as editors do.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace safefile {

enum class TReadStatus {
  Ok,
  Missing,     // no such file
  CannotOpen,  // exists but open failed (Errno)
  Folder,      // a folder, not a file
  NotRegular,  // a pipe, device or socket
  TooLarge,    // more than the given maximum
  ReadFailed,  // stat or read failed (Errno)
};

struct TReadResult {
  TReadStatus Status = TReadStatus::Missing;
  int Errno = 0;
  std::string Text;  // the whole file when Ok
  mode_t Mode = 0;   // its permission bits when Ok
  explicit operator bool() const { return Status == TReadStatus::Ok; }
};

// Reads the regular file at path if it holds at most maxBytes bytes.
TReadResult ReadSmallFile(const std::string& path, std::size_t maxBytes);

enum class TReplaceStatus {
  Ok,
  Folder,        // the target is a folder
  NotRegular,    // a pipe, device, socket or a loop of links
  ReadOnly,      // a regular file that may not be written
  CannotCreate,  // no temporary file could be made beside the target (Errno)
  WriteFailed,   // writing or flushing it failed (Errno)
  RenameFailed,  // it could not replace the target (Errno)
};

struct TReplaceResult {
  TReplaceStatus Status = TReplaceStatus::Ok;
  int Errno = 0;
  explicit operator bool() const { return Status == TReplaceStatus::Ok; }
};

// The file a write to path lands in: path itself, or where the chain of
// symbolic links at path finally leads (which need not exist yet).
std::string WriteTarget(const std::string& path);

// Replaces the file at WriteTarget(path) with data, as described above. A new
// file gets the permissions 0666 less the umask; on failure the target is as
// it was and the temporary file is gone.
TReplaceResult ReplaceFile(const std::string& path, std::string_view data);

// Removes the temporary files that replaces of path left behind when their
// process died before the rename; those of a process still running are left
// to it. Returns how many were removed.
int RemoveLeftovers(const std::string& path);

// Why a read or a replace failed, as a clause for a message ("the file is
// read-only"); empty when it did not.
std::string Reason(const TReadResult& result);
std::string Reason(const TReplaceResult& result);

// The system calls a replace makes to write, flush and rename, so that a test
// can make one fail or watch their order. The defaults are the system's own.
struct TSystemCalls {
  ssize_t (*Write)(int fd, const void* data, std::size_t size);
  int (*Fsync)(int fd);
  int (*Rename)(const char* from, const char* to);
};
TSystemCalls& SystemCalls();

}  // namespace safefile
