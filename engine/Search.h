// The tree search: its tables, moves made and unmade in place, move
// generation with ordering, the full-width alpha-beta and the selective
// search beyond its horizon, move-path counting and the benchmark's step.
//
// A search works on its game's one board by reference (positions are never
// copied) and values positions with the game's virtual Evaluate, so a
// descendant of the game that replaces Evaluate is searched with it. The
// root loop, its events and the main line's text belong to the game's turn
// flow; it drives the root through the members below.
#pragma once

#include <array>
#include <cstdint>

#include "Geometry.h"

namespace reversi {

class TBoard;
class TReversiCore;
class TSearchProbe;

class TSearch {
 public:
  // Deepest level a search can reach: every empty square a move, a pass
  // between any two of them, plus the evaluation's scratch row.
  static constexpr int kMaxDepth = 128;
  static constexpr int kRowSize = 64;
  static constexpr int kLineSize = kMaxDepth + 2;

  // The game owns its search and outlives it.
  explicit TSearch(TReversiCore& game);
  TSearch(const TSearch&) = delete;
  TSearch& operator=(const TSearch&) = delete;

  // ---- Settings, read at every node (the game keeps them in range) ----
  int Gamma() const { return gamma_; }
  void SetGamma(int value) { gamma_ = value; }
  bool Selective() const { return selective_; }
  void SetSelective(bool value) { selective_ = value; }
  int SelectiveDepth() const { return selectiveDepth_; }
  void SetSelectiveDepth(int value) { selectiveDepth_ = value; }

  // ---- Counters of the current or last search ----
  int64_t Nodes() const { return nodes_; }
  void SetNodes(int64_t value) { nodes_ = value; }
  int Deepest() const { return deepest_; }
  int Ply() const { return ply_; }

  // Every node checks the request and returns its static value at once.
  bool StopRequested() const { return stopRequested_; }
  void RequestStop() { stopRequested_ = true; }
  // Until the next Begin, the search also reads the game's tick clock every
  // kClockNodes nodes and requests its own stop once more than limitMs have
  // passed since startTick.
  void SetDeadline(uint32_t startTick, int64_t limitMs);

  // ---- The root, as the game's driver walks it ----
  // Clears the counters, the stop request and the refutations; the nominal
  // depth starts at 1.
  void Begin();
  // Deepens the nominal depth by two plies for the next iteration.
  int NextIteration() { return ply_ += 2; }
  // colour's moves at the root, generated and ordered; their number.
  int GenerateRootMoves(int colour);
  int RootMove(int i) const { return MoveList[0][i]; }
  void MakeRootMove(int i, int colour) { MakeMove(0, i, colour); }
  void UnmakeRootMove(int i) { UnmakeMove(0, i); }
  // Value for colour of root move i, already made, searched in (low, high).
  int SearchRootMove(int i, int colour, int low, int high);
  // Root move i becomes the best: the main line starts with it, and it moves
  // to the front of the order, the others keeping theirs behind it.
  void TakeAsBest(int i);
  // Move k of the main line, 0 past its end.
  int MainLineMove(int k) const { return k < kLineSize ? LineTable[0][k] : 0; }

  // ---- Counting and measuring ----
  // Leaves of the game tree depth plies deep from the board as it stands (a
  // pass is a ply, a finished game a leaf). Leaves the position as it was,
  // the disc-list order aside.
  int64_t Perft(int depth);
  // The benchmark's step: White's moves from the board as it stands,
  // generated, evaluated and ordered as the selective search does.
  int BenchmarkStep() { return GenerateMoves(1, kWhite, 0, true); }
  struct TMobility {
    int Moves = 0;
    int Safe = 0;  // moves off the X- and C-squares
  };
  TMobility Mobility(int colour);

 private:
  // Tests and benchmarks read and drive the tables through this one door.
  friend class TSearchProbe;

  void MakeMove(int depth, int i, int colour);
  void UnmakeMove(int depth, int i);
  // Lists colour's legal moves into MoveList[row]: the suggestion first when
  // legal, then in the order the disc list and the direction order find
  // them. Sets SafeMoves, QuadrantMoves[colour] and SuggestionFirst.
  int FindMoves(int row, int colour, int suggestion);
  int GenerateMoves(int depth, int colour, int previous, bool selective);
  void SortByScore(int row, int lo, int hi);
  void PartitionNewMoves(int row, int lo, int hi, int newCount);
  void CopyLine(int depth, int first);
  int AlphaBeta(int alpha, int beta, int depth, int colour, int previous, int staticValue);
  int SelectiveSearch(int alpha, int beta, int depth, int colour, int previous, int staticValue);
  int64_t PerftFrom(int row, int depth, int colour);
  void ProcessMessages();
  int Evaluate(int depth, int colour);
  // MoveScore[depth][0..n-1] := the game's built-in value of each child for
  // the opponent, negated, from the move's flips (kept in ChildFlips), with
  // no move made: only for a game that keeps the built-in evaluation.
  void ValueChildrenFromFlips(int depth, int colour, int n);
  // True when the game values positions with the built-in evaluation, so
  // that a child can be valued without making its move.
  bool BuiltInEvaluation();
  // The checks build makes each move and confirms its child's value.
  void CheckChildValues(int depth, int colour, int n);
  // Every node passes here; one comparison when no deadline is set.
  void CountNode() {
    ProcessMessages();
    if (++nodes_ == clockNode_) ReadClock();
  }
  void ReadClock();

  TReversiCore& game_;
  TBoard& board_;
  // The game's Evaluate as the search was made, inside the game's own
  // construction, when it can only be the built-in one; compared with the
  // one the finished game calls. Empty where the compiler cannot tell.
  using TEvaluateEntry = int (*)(TReversiCore*, int, int);
  TEvaluateEntry builtInEntry_ = nullptr;
  int builtIn_ = -1;  // BuiltInEvaluation's answer once known

  std::array<std::array<int32_t, kRowSize>, kMaxDepth + 2> MoveList{};
  std::array<std::array<int32_t, kRowSize>, kMaxDepth + 2> MoveScore{};
  std::array<std::array<uint8_t, kRowSize>, kMaxDepth + 2> NewMove{};
  std::array<int32_t, kMaxDepth + 2> MoveCount{};
  std::array<uint64_t, kMaxDepth + 2> MoveSet{};   // each row's moves as a set of bits, whatever their order
  std::array<uint64_t, kMaxDepth + 2> FlipList{};  // the discs turned by the move made at each level
  std::array<uint64_t, kRowSize> ChildFlips{};     // the discs each move being ordered turns
  std::array<std::array<int32_t, kLineSize>, kMaxDepth + 2> LineTable{};
  std::array<std::array<int32_t, kCells>, 3> Refutation{};  // [colour + 1][previous move]
  std::array<std::array<int32_t, 5>, 2> QuadrantMoves{};    // [0] white, [1] black; quadrants 1..4
  int32_t SafeMoves = 0;
  bool SuggestionFirst = false;
  int32_t NodeSafe = 0;  // safe count of the last GenerateMoves

  bool stopRequested_ = false;
  int64_t nodes_ = 0;
  // A few milliseconds of search at any speed this engine reaches.
  static constexpr int64_t kClockNodes = 4096;
  int64_t clockNode_ = INT64_MAX;  // the node at which the clock is read next
  uint32_t startTick_ = 0;
  int64_t limitMs_ = 0;
  int deepest_ = 0;
  int ply_ = 0;
  int gamma_ = 40;
  bool selective_ = true;
  int selectiveDepth_ = 5;
};

}  // namespace reversi
