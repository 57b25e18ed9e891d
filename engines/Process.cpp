#include "Process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

namespace reversi::engines {

namespace {

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

// A socket pair rather than pipes: a write to a child that has died fails
// with EPIPE under MSG_NOSIGNAL instead of killing this process by SIGPIPE.
std::unique_ptr<TProcess> TProcess::Start(const std::vector<std::string>& argv, std::string& error) {
  if (argv.empty() || argv[0].empty()) {
    error = "no command given";
    return nullptr;
  }
  int fds[2];
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) {
    error = std::string("cannot make a socket pair: ") + std::strerror(errno);
    return nullptr;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setpgroup(&attributes, 0);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGINT);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, args[0], &actions, &attributes, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    error = "cannot start " + argv[0] + ": " + std::strerror(rc);
    return nullptr;
  }
  return std::unique_ptr<TProcess>(new TProcess(pid, fds[0]));
}

TProcess::~TProcess() {
  Close();
}

bool TProcess::WriteLine(const std::string& line) {
  if (fd_ < 0) return false;
  const std::string text = line + "\n";
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = send(fd_, text.data() + done, text.size() - done, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void TProcess::CloseInput() {
  if (fd_ >= 0) shutdown(fd_, SHUT_WR);
}

TProcess::TRead TProcess::ReadLine(std::string& line, int timeoutMs) {
  const int64_t end = NowMs() + timeoutMs;
  for (;;) {
    const size_t newline = buffer_.find('\n');
    if (newline != std::string::npos || buffer_.size() >= kMaxLine) {
      const size_t length = newline != std::string::npos ? std::min(newline, kMaxLine) : kMaxLine;
      line = buffer_.substr(0, length);
      buffer_.erase(0, newline != std::string::npos ? newline + 1 : length);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return TRead::Line;
    }
    if (fd_ < 0) return TRead::Closed;
    const int64_t left = end - NowMs();
    if (left <= 0) return TRead::Timeout;
    pollfd p{fd_, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(std::min<int64_t>(left, 1000)));
    if (ready < 0 && errno != EINTR) return TRead::Closed;
    if (ready <= 0) continue;
    char chunk[4096];
    const ssize_t n = read(fd_, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      // The child closed its output: what is left is the last line.
      close(fd_);
      fd_ = -1;
      if (buffer_.empty()) return TRead::Closed;
      buffer_ += '\n';
      continue;
    }
    buffer_.append(chunk, static_cast<size_t>(n));
  }
}

bool TProcess::Exited() {
  if (reaped_) return true;
  siginfo_t info{};
  if (waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return errno == ECHILD;
  return info.si_pid == pid_;
}

void TProcess::Reap() {
  while (!reaped_) {
    const pid_t r = waitpid(pid_, &status_, 0);
    if (r < 0 && errno == EINTR) continue;
    reaped_ = true;
  }
}

bool TProcess::Running() {
  return pid_ > 0 && !Exited();
}

bool TProcess::WaitExit(int ms) {
  const int64_t end = NowMs() + ms;
  while (!Exited()) {
    if (NowMs() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// Until the child is reaped its process id, and so its group's, cannot be
// taken by another process: the group is signalled only before that.
void TProcess::Close(int graceMs) {
  if (fd_ >= 0) shutdown(fd_, SHUT_WR);  // the child reads the end of its input
  if (pid_ > 0 && !reaped_) {
    if (!WaitExit(graceMs)) {
      kill(-pid_, SIGTERM);
      if (!WaitExit(200)) kill(-pid_, SIGKILL);
    }
    kill(-pid_, SIGKILL);  // anything the child left behind in its group
    Reap();
  }
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
}

std::string TProcess::ExitText() {
  if (pid_ <= 0 || !Exited()) return "";
  if (!reaped_) {
    kill(-pid_, SIGKILL);
    Reap();
  }
  if (WIFEXITED(status_)) return "exited with status " + std::to_string(WEXITSTATUS(status_));
  if (WIFSIGNALED(status_)) return std::string("killed by signal ") + std::to_string(WTERMSIG(status_));
  return "ended";
}

std::vector<std::string> SplitCommand(const std::string& command) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  char quote = 0;
  for (char c : command) {
    if (quote) {
      if (c == quote)
        quote = 0;
      else
        word += c;
    } else if (c == '"' || c == '\'') {
      quote = c;
      inWord = true;
    } else if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace reversi::engines
