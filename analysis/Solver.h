// The exact endgame solver: the final disc margin under perfect play from a
// position, a move that reaches it, and the nodes it took.
//
// A TSolver owns its two hash tables and its counters, so each thread that
// solves uses its own object. A solve ends early, incomplete, at the deadline
// given to SetDeadline or when another thread sets the flag given to
// SetStopFlag; another thread may read NodesSoFar while it runs.
//
// With SetThreads(n > 1) a solve shares its work with n - 1 threads of the
// object's own: the same scores, the same bounds, a best move that reaches
// the score, but node counts (and, among equal moves, the best move) that
// vary from run to run. One thread, the default, searches on the caller's
// thread alone and counts the same nodes every time.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

#include "HashTable.h"
#include "SolverBits.h"

namespace reversi::analysis {

class TSplitPool;

// The side to move's discs and the other side's.
struct TBitPosition {
  TBits Player = 0;
  TBits Opponent = 0;
};

enum class TSolveMode { Exact, WinLossDraw };

inline constexpr int kPassMove = -1;  // the side to move must pass
inline constexpr int kNoMove = -2;    // the game is over

struct TSolveResult {
  // For the side to move: the final margin (Exact) or -1, 0, 1 (WinLossDraw).
  int Score = 0;
  // A square 0..63 that reaches Score, kPassMove or kNoMove.
  int Best = kNoMove;
  int64_t Nodes = 0;
  // False when the stop flag or the deadline ended the solve; Score means
  // nothing then, and Best is a move known to reach Lower, if any.
  bool Complete = true;
  // What the solve proved: Lower <= the score <= Upper, both Score when it
  // is complete.
  int Lower = 0, Upper = 0;
};

class TSolver {
 public:
  // A hash table of 2^hashBits buckets of 64 bytes, and a 2 MB one for the
  // positions near the end. The default (16 MB) suits solves of up to about
  // 24 empties: a larger table costs more in cache misses than it saves in
  // nodes.
  explicit TSolver(int hashBits = 18);
  ~TSolver();
  TSolver(const TSolver&) = delete;
  TSolver& operator=(const TSolver&) = delete;

  TSolveResult Solve(const TBitPosition& position, TSolveMode mode = TSolveMode::Exact);

  // With true (the default) a game that ends with empty squares gives them
  // to the winner; with false they count for nobody, as the engine's
  // evaluation does.
  void SetEmptiesToWinner(bool value);
  void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
  // Solves give up at this moment; time_point::max() (the default) never.
  // The search reads the clock every few thousand nodes, so the solve ends
  // within a millisecond or so of it.
  void SetDeadline(std::chrono::steady_clock::time_point deadline) { deadline_ = deadline; }
  int64_t NodesSoFar() const;
  // Forgets every position: the next solve starts from nothing.
  void ClearHash();
  // The threads that solve, the caller's included (1 to 64). Not while a
  // solve runs.
  void SetThreads(int threads);
  int Threads() const;

 private:
  THashTable hash_;
  THashTable shallow_;  // positions near the end, many and cheap to redo
  std::atomic<int64_t> published_{0};
  const std::atomic<bool>* stop_ = nullptr;
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
  bool emptiesToWinner_ = true;
  std::unique_ptr<TSplitPool> pool_;  // only with more than one thread
};

}  // namespace reversi::analysis
