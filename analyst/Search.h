// The analyst's midgame search: principal-variation search (negascout) on
// 64-bit boards with a transposition table, move ordering (the table's move,
// then shallow values of the children and the opponent's mobility) and
// multi-ProbCut. Values are final disc margins for the side to move in
// evaluation units (1/kScale discs); the end of the game is scored exactly,
// empty squares to the winner.
//
// A TSearch works on the caller's thread and is not shared. It reads its
// stop flag every 1024 nodes and the clock every 4096, as the classic
// search does; once either says stop, every value it returns is meaningless
// and Aborted() is true.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <vector>

#include "Evaluation.h"
#include "TransTable.h"

namespace reversi::analyst {

inline constexpr int kInfinity = kMaxValue + 1;
inline constexpr double kNever = 1e300;

// Selectivity of a search, as the table records it: values found with
// ProbCut are trusted less than those found without.
enum TSelectivity : uint8_t { kSelective = 1, kFullWidth = 2 };

// A root move and its value at the last depth searched.
struct TRootMove {
  int Square = -1;
  int Value = -kInfinity;
  bool Exact = false;  // the value itself, not only a bound on it
  int Twin = -1;       // the square of an earlier root move to a symmetric position, or -1
};

class TSearch {
 public:
  using TClock = std::chrono::steady_clock;

  TSearch(const TEvaluation& evaluation, TTransTable& table) : evaluation_(evaluation), table_(table) {}

  void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
  void SetDeadline(TClock::time_point deadline) { deadline_ = deadline; }
  // A second deadline on the thread's processor time (ThreadSeconds), for
  // measurements on a shared machine; infinity (the default) for none.
  void SetProcessorDeadline(double seconds) { processorDeadline_ = seconds; }
  // ProbCut on (the default) or off.
  void SetSelective(bool on) { selectivity_ = on ? kSelective : kFullWidth; }
  // ProbCut also where the search reaches the end of the game (off by
  // default, so that a search as deep as the empties is exact).
  void SetSelectiveEnd(bool on) { selectiveEnd_ = on; }
  // Starts counting nodes afresh and forgets an earlier stop.
  void Reset();

  // The value of the position searched `depth` plies, fail-soft in the
  // window (alpha, beta).
  int Value(uint64_t player, uint64_t opponent, int depth, int alpha = -kInfinity, int beta = kInfinity);

  // Searches the root moves `depth` plies and sorts them best first. With
  // every, each gets its exact value; otherwise only the best does and the
  // others' values are upper bounds. Moves with a twin take its value.
  // Returns false when stopped: the values that completed are kept, and the
  // moves are left in the order searched.
  bool SearchRoot(uint64_t player, uint64_t opponent, int depth, std::vector<TRootMove>& moves, bool every);

  // The moves of the principal line from the position, as the table holds
  // them (-1 for a pass), at most maxLength.
  std::vector<int> PrincipalLine(uint64_t player, uint64_t opponent, int maxLength) const;

  bool Aborted() const { return aborted_; }
  int64_t Nodes() const { return nodes_; }

 private:
  struct TMove {
    int Square;
    uint64_t Flips;
    int Score;
  };

  int Pvs(uint64_t player, uint64_t opponent, int depth, int alpha, int beta, bool pv);
  int LastPly(uint64_t player, uint64_t opponent, uint64_t moves, int alpha, int beta);
  int LastEmpties(uint64_t player, uint64_t opponent, int alpha, int beta);
  bool ProbCut(uint64_t player, uint64_t opponent, int depth, int alpha, int beta, int& value);
  int ListMoves(uint64_t player, uint64_t opponent, uint64_t moves, int depth, int hashMove, TMove* list);
  bool Stopped();

  const TEvaluation& evaluation_;
  TTransTable& table_;
  const std::atomic<bool>* stop_ = nullptr;
  TClock::time_point deadline_ = TClock::time_point::max();
  double processorDeadline_ = kNever;
  uint8_t selectivity_ = kSelective;
  bool selectiveEnd_ = false;
  bool aborted_ = false;
  int64_t nodes_ = 0;
};

// The processor time of the calling thread, in seconds.
double ThreadSeconds();

// The final margin of a finished game for the side to move, empties to the
// winner, in evaluation units.
int FinalValue(uint64_t player, uint64_t opponent);

}  // namespace reversi::analyst
