// What the protocol servers share. A session takes whole lines and
// answers each in turn, its searches included, on the thread that calls
// Line. TSessionRunner puts that on a thread of its own and feeds it from
// the reader's thread: a line that interrupts (ping, quit, a new game ...)
// stops the search under way, and any search queued before it, at once;
// they answer with their best so far.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "SearchingPlayer.h"

namespace reversi::engines {

class TSession {
 public:
  using TSink = std::function<void(const std::string& line)>;

  TSession(TSearchingPlayer& player, TSink sink) : player_(player), sink_(std::move(sink)) {}
  virtual ~TSession() = default;
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;

  // One line of input without its end, answered in full; false once the
  // session has ended.
  bool Line(std::string_view line);
  // A line was longer than the reader keeps; answered with an error.
  void LineTooLong();
  bool Ended() const { return quit_; }
  TSearchingPlayer& Player() { return player_; }

  // Whether the line, arriving while a search runs, ends that search.
  // Called on the reader's thread: reads nothing of the session's state.
  virtual bool Interrupts(const std::vector<std::string>& words) const = 0;
  // Searches that the runner knows to be interrupted already start stopped.
  void SetStale(std::function<bool()> stale) { stale_ = std::move(stale); }
  // The depth of a search until the controller sets one (or a time).
  void SetDepth(int depth) { depth_ = depth; }

  // Lines are cut here by the reader.
  static constexpr size_t kMaxLine = 1 << 18;

 protected:
  virtual void Command(const std::vector<std::string>& words, std::string_view line) = 0;
  virtual void Refuse(const std::string& reason) = 0;

  void Say(const std::string& line) { sink_(line); }
  // Runs a search (a job that calls the player) with the stop cleared.
  void Search(const std::function<void()>& job);
  void Quit() { quit_ = true; }

  TSearchingPlayer& player_;
  int depth_ = 8;

 private:
  TSink sink_;
  std::function<bool()> stale_;
  bool quit_ = false;
};

// The session on a thread of its own, fed line by line.
class TSessionRunner {
 public:
  explicit TSessionRunner(TSession& session);
  // Waits for every line posted to be answered.
  ~TSessionRunner();

  // Reader's thread: queues a line, stopping the search under way when the
  // line interrupts.
  void Post(std::string_view line);
  void PostTooLong();
  // The input has ended: the lines queued are answered, then the session
  // ends. Nobody reads the answers any more, so their searches stop at once.
  void Close();
  // The session has ended (quit): the reader may stop reading.
  bool Ended() const { return ended_.load(); }
  void Wait();

 private:
  struct TItem {
    int64_t Seq;
    std::string Line;
    bool TooLong;
  };
  void Loop();

  TSession& session_;
  std::mutex lock_;
  std::condition_variable ready_;
  std::deque<TItem> queue_;
  bool closed_ = false;
  int64_t posted_ = 0;
  std::atomic<int64_t> current_{0};
  std::atomic<int64_t> lastInterrupt_{0};
  std::atomic<bool> ended_{false};
  std::thread thread_;
};

// The words of a protocol line, control bytes taken as blanks.
std::vector<std::string> LineWords(std::string_view line);

// Text from outside made fit to quote in an answer: control bytes and
// bytes above 126 as '?', at most 40 characters.
std::string Quote(std::string_view text);

// A value in discs as the protocols write it: "+1.25", "-3.00", "0.00".
std::string Discs(double value);

}  // namespace reversi::engines
