#include "SafeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <utility>

namespace safefile {

TSystemCalls& SystemCalls() {
  static TSystemCalls calls{::write, ::fsync, ::rename};
  return calls;
}

namespace {

// Closes on every way out of a function.
class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() { Close(); }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    if (fd_ < 0) return true;
    return ::close(std::exchange(fd_, -1)) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = SystemCalls().Write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& target) {
  return target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
}

// The longest name the folder takes; a folder that cannot say has the usual.
std::size_t NameLimit(const std::filesystem::path& folder) {
  const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

// The start of every temporary name for target; the process id, "-" and a
// counter follow. A dot in front keeps it out of file lists, and the ending
// keeps it from passing for a game or settings file. A target whose name
// leaves no room for that within the folder's limit gives only its start,
// with a hash of the whole name so that two such targets never share
// temporaries.
std::string TemporaryPrefix(const std::filesystem::path& target) {
  constexpr std::size_t kCounters = 21;  // a process id, "-", a counter
  const std::string name = target.filename().string();
  const std::size_t limit = NameLimit(FolderOf(target));
  std::string prefix = "." + name + ".tmp";
  if (prefix.size() + kCounters <= limit) return prefix;
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  const std::size_t fixed = 1 + 1 + 16 + 4 + kCounters;  // ".", "~", hash, ".tmp"
  const std::size_t keep = limit > fixed ? std::min(name.size(), limit - fixed) : 0;
  return "." + name.substr(0, keep) + "~" + hex + ".tmp";
}

// A name in the target's folder that no other write uses.
std::string TemporaryName(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  const std::string name = TemporaryPrefix(target) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  return (FolderOf(target) / name).string();
}

// Makes the folder's entry for the renamed file durable. Some file systems
// cannot flush a folder; the rename has happened all the same.
void SyncFolder(const std::filesystem::path& target) {
  TFd fd(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) (void)SystemCalls().Fsync(fd.Get());
}

// No write permission for anyone (which binds root too, as in editors), or
// none for this process.
bool IsReadOnly(const std::filesystem::path& target, const struct stat& info) {
  if ((info.st_mode & 0222) == 0) return true;
  return ::access(target.c_str(), W_OK) != 0 && errno == EACCES;
}

// Whether the file at target may be replaced; Ok also when there is none.
// WriteTarget ends on a link only when the chain does not end: not regular.
TReplaceResult CheckTarget(const std::filesystem::path& target, struct stat& info, bool& exists) {
  exists = ::lstat(target.c_str(), &info) == 0;
  if (!exists) return {};
  if (S_ISDIR(info.st_mode)) return {TReplaceStatus::Folder, EISDIR};
  if (!S_ISREG(info.st_mode)) return {TReplaceStatus::NotRegular, 0};
  if (IsReadOnly(target, info)) return {TReplaceStatus::ReadOnly, EACCES};
  return {};
}

}  // namespace

TReadResult ReadSmallFile(const std::string& path, std::size_t maxBytes) {
  TReadResult result;
  TFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.Get() < 0) {
    result.Errno = errno;
    // A socket cannot be opened, and a loop of links leads to no file.
    result.Status = errno == ENOENT                    ? TReadStatus::Missing
                    : errno == ENXIO || errno == ELOOP ? TReadStatus::NotRegular
                                                       : TReadStatus::CannotOpen;
    return result;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) {
    result.Errno = errno;
    result.Status = TReadStatus::ReadFailed;
    return result;
  }
  if (S_ISDIR(info.st_mode)) {
    result.Status = TReadStatus::Folder;
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.Status = TReadStatus::NotRegular;
    return result;
  }
  result.Status = TReadStatus::TooLarge;
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return result;

  // One byte more than allowed, to see a file that grew while being read.
  std::string text(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t got = 0;
  for (;;) {
    if (got == text.size()) {
      if (text.size() > maxBytes) return result;
      text.resize(std::min(text.size() * 2, maxBytes + 1));
    }
    const ssize_t n = ::read(fd.Get(), text.data() + got, text.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.Errno = errno;
      result.Status = TReadStatus::ReadFailed;
      return result;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  if (got > maxBytes) return result;
  text.resize(got);
  result.Text = std::move(text);
  result.Mode = info.st_mode & 07777;
  result.Status = TReadStatus::Ok;
  return result;
}

std::string WriteTarget(const std::string& path) {
  std::filesystem::path current(path);
  // As many links as the system itself follows; a longer chain (or a loop)
  // is left to fail at the rename.
  for (int hop = 0; hop < 40; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
    std::string link(PATH_MAX, '\0');
    const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<std::size_t>(n) >= link.size()) break;
    link.resize(static_cast<std::size_t>(n));
    const std::filesystem::path next(link);
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current.string();
}

TReplaceResult ReplaceFile(const std::string& path, std::string_view data) {
  const std::filesystem::path target(WriteTarget(path));
  struct stat old {};
  bool exists = false;
  if (TReplaceResult refused = CheckTarget(target, old, exists); !refused) return refused;

  std::string temp;
  int raw = -1;
  for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
    temp = TemporaryName(target);
    // O_EXCL refuses any name already taken, a planted link included.
    raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0666);
    if (raw < 0 && errno != EEXIST) break;
  }
  if (raw < 0) return {TReplaceStatus::CannotCreate, errno};
  TFd fd(raw);

  TReplaceResult result;
  if ((exists && ::fchmod(fd.Get(), old.st_mode & 07777) != 0) || !WriteAll(fd.Get(), data) ||
      SystemCalls().Fsync(fd.Get()) != 0 || !fd.Close()) {
    result = {TReplaceStatus::WriteFailed, errno};
  } else if (SystemCalls().Rename(temp.c_str(), target.c_str()) != 0) {
    result = {TReplaceStatus::RenameFailed, errno};
  }
  if (!result) {
    ::unlink(temp.c_str());
    return result;
  }
  SyncFolder(target);
  return result;
}

std::string Reason(const TReadResult& result) {
  switch (result.Status) {
    case TReadStatus::Ok:
      return {};
    case TReadStatus::Missing:
      return "the file does not exist";
    case TReadStatus::Folder:
      return "it is a folder, not a file";
    case TReadStatus::NotRegular:
      return "it is not a regular file";
    case TReadStatus::TooLarge:
      return "the file is far too large";
    case TReadStatus::CannotOpen:
    case TReadStatus::ReadFailed:
      break;
  }
  return std::string("the file cannot be read: ") + std::strerror(result.Errno);
}

std::string Reason(const TReplaceResult& result) {
  switch (result.Status) {
    case TReplaceStatus::Ok:
      return {};
    case TReplaceStatus::Folder:
      return "it is a folder, not a file";
    case TReplaceStatus::NotRegular:
      return "it is not a regular file";
    case TReplaceStatus::ReadOnly:
      return "the file is read-only";
    case TReplaceStatus::CannotCreate:
      return std::string("the file cannot be created: ") + std::strerror(result.Errno);
    case TReplaceStatus::WriteFailed:
      return std::string("the file cannot be written: ") + std::strerror(result.Errno);
    case TReplaceStatus::RenameFailed:
      break;
  }
  return std::string("the file cannot be replaced: ") + std::strerror(result.Errno);
}

int RemoveLeftovers(const std::string& path) {
  const std::filesystem::path target(WriteTarget(path));
  const std::string prefix = TemporaryPrefix(target);
  int removed = 0;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(target), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.find_first_not_of("0123456789-") != std::string::npos) continue;
    const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
    if (pid <= 0 || pid > INT_MAX || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    if (::unlink(entry.path().c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace safefile
