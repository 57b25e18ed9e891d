#include "Session.h"

#include <cstdio>

#include "Words.h"

namespace reversi::engines {

std::vector<std::string> LineWords(std::string_view line) {
  std::string clean(line);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  return Words(clean);
}

bool TSession::Line(std::string_view line) {
  if (quit_) return false;
  const std::vector<std::string> words = LineWords(line);
  if (!words.empty()) Command(words, line);
  return !quit_;
}

void TSession::LineTooLong() {
  if (!quit_) Refuse("line too long (more than " + std::to_string(kMaxLine) + " bytes)");
}

// The runner stops a search by the player's flag after it marks the search
// stale, and the search clears the flag before it asks; so a stop is never
// lost between the two.
void TSession::Search(const std::function<void()>& job) {
  player_.ClearStop();
  if (stale_ && stale_()) player_.Stop();
  job();
}

TSessionRunner::TSessionRunner(TSession& session) : session_(session) {
  session_.SetStale([this] { return lastInterrupt_.load() > current_.load(); });
  thread_ = std::thread([this] { Loop(); });
}

TSessionRunner::~TSessionRunner() {
  Close();
  Wait();
}

void TSessionRunner::Post(std::string_view line) {
  std::lock_guard<std::mutex> guard(lock_);
  if (closed_) return;
  const int64_t seq = ++posted_;
  if (session_.Interrupts(LineWords(line))) {
    lastInterrupt_.store(seq);
    session_.Player().Stop();
  }
  queue_.push_back({seq, std::string(line), false});
  ready_.notify_one();
}

void TSessionRunner::PostTooLong() {
  std::lock_guard<std::mutex> guard(lock_);
  if (closed_) return;
  queue_.push_back({++posted_, "", true});
  ready_.notify_one();
}

void TSessionRunner::Close() {
  std::lock_guard<std::mutex> guard(lock_);
  if (closed_) return;
  closed_ = true;
  lastInterrupt_.store(posted_ + 1);
  session_.Player().Stop();
  ready_.notify_one();
}

void TSessionRunner::Wait() {
  if (thread_.joinable()) thread_.join();
}

void TSessionRunner::Loop() {
  for (;;) {
    TItem item;
    {
      std::unique_lock<std::mutex> guard(lock_);
      ready_.wait(guard, [this] { return !queue_.empty() || closed_; });
      if (queue_.empty()) break;
      item = std::move(queue_.front());
      queue_.pop_front();
    }
    current_.store(item.Seq);
    if (item.TooLong)
      session_.LineTooLong();
    else if (!session_.Line(item.Line))
      break;
  }
  ended_.store(true);
}

std::string Quote(std::string_view text) {
  std::string out;
  for (char c : text.substr(0, 40)) out += c >= 32 && c <= 126 ? c : '?';
  if (text.size() > 40) out += "...";
  return out;
}

std::string Discs(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%+.2f", value);
  return value == 0.0 ? "0.00" : text;
}

}  // namespace reversi::engines
