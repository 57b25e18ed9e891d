// Another program run as a child process and talked to line by line over
// its standard input and output. The child gets its own process group, so
// that closing kills whatever it started too; the child is always reaped.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

namespace reversi::engines {

class TProcess {
 public:
  // Starts argv[0] (looked up on PATH) with the arguments; null, with the
  // reason, when it cannot be started.
  static std::unique_ptr<TProcess> Start(const std::vector<std::string>& argv, std::string& error);
  ~TProcess();
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;

  // Sends one line (a newline is added); false when the child has gone.
  bool WriteLine(const std::string& line);

  // Ends the child's input; its output can still be read.
  void CloseInput();

  enum class TRead { Line, Timeout, Closed };
  // The next line of output without its line end, waiting at most
  // timeoutMs. Lines longer than kMaxLine are cut there.
  TRead ReadLine(std::string& line, int timeoutMs);

  // Ends the child: its input closed, a short wait, then SIGTERM and
  // SIGKILL to its process group; reaps it. Safe to call twice.
  void Close(int graceMs = 300);
  bool Running();
  pid_t Pid() const { return pid_; }
  // How the child ended ("exited with status 1", "killed by signal 11"),
  // once it has; empty while it runs.
  std::string ExitText();
  // Waits up to ms for the child to end by itself.
  bool WaitExit(int ms);

  static constexpr size_t kMaxLine = 1 << 16;

 private:
  TProcess(pid_t pid, int fd) : pid_(pid), fd_(fd) {}
  bool Exited();  // without reaping
  void Reap();

  pid_t pid_ = -1;
  int fd_ = -1;
  int status_ = 0;
  bool reaped_ = false;
  std::string buffer_;
};

// Splits a command line on blanks, with double or single quotes around
// words that hold blanks; no shell is involved.
std::vector<std::string> SplitCommand(const std::string& command);

}  // namespace reversi::engines
