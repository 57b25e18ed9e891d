// The position: 91 cells, a disc list per colour, and counters that agree
// with the cells after every change. Every disc that is placed, taken off or
// turned goes through PlaceDisc, RemoveDisc or FlipDisc (FlipDiscs for several), so
// the bookkeeping cannot drift from the cells.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Geometry.h"

namespace reversi {

// One node per cell 10..90; a node sits on at most one colour's disc list.
// A list runs from the most recently placed or turned disc to the oldest.
struct TSqr {
  int32_t Square = 0;
  TSqr* Next = nullptr;
  TSqr* Prev = nullptr;
};

class TBoard {
 public:
  TBoard();
  TBoard(const TBoard&) = delete;
  TBoard& operator=(const TBoard&) = delete;
  virtual ~TBoard() = default;

  // Primitives. None checks its precondition (an empty cell for PlaceDisc,
  // a disc for RemoveDisc and FlipDisc).
  void PlaceDisc(int colour, int square);
  void RemoveDisc(int square);
  void FlipDisc(int square);
  // FlipDisc on every disc of discs (all of one colour) in rising order of
  // turnOrder[bit index] (distinct values): the same cells, counters and list
  // order, with the shared bookkeeping done once for the lot.
  void FlipDiscs(uint64_t discs, const std::array<uint8_t, 64>& turnOrder);
  // What PlaceDisc(square) and FlipDiscs(discs) followed by RemoveDisc and
  // FlipDiscs of the same discs leave behind: the cells and counters as they
  // were, the clock three ticks on, and the head times of the square and the
  // discs as those four calls set them.
  void NoteMadeAndUnmade(int square, uint64_t discs, const std::array<uint8_t, 64>& turnOrder);
  // NoteMadeAndUnmade for n moves in turn, squares[i] turning discs[i] in
  // the order turnOrders[bit index of squares[i]].
  using TTurnOrders = std::array<std::array<uint8_t, 64>, 64>;
  void NoteMovesMadeAndUnmade(const int32_t* squares, const uint64_t* discs, int n, const TTurnOrders& turnOrders);

  // PlaceDisc plus every flip of the move, each run flipped from its far end
  // back towards the square. Does not test legality.
  void ApplyMove(int colour, int square);
  // ApplyMove for the side to move, then the move passes to the opponent,
  // or stays with the mover when the opponent has no legal move.
  void PlayAndHandOver(int square);

  bool IsLegal(int square) const { return IsLegalFor(SideToMove, square); }
  bool IsLegalFor(int colour, int square) const;
  // Legality for the side to move; sets marks on exactly the discs the move
  // would turn and clears the rest.
  bool MarkFlips(int square, std::array<uint8_t, kCells>& marks) const;
  // Greater than 0 exactly when the colour has a legal move.
  int FlipPotential(int colour) const;

  // Empties the board, places the four centre discs in their fixed order and
  // gives Black the move.
  void SetInitialPosition();
  // Empties the board and places the discs of squares (a1, b1 .. h1, a2 ..
  // h8; kBlack, kWhite or 0) in that order, which decides the disc lists'
  // order; side is to move. No rule is checked.
  void SetPosition(const std::array<int8_t, 64>& squares, int side);

  // Cells against lists against counters, list links, border cells. Returns
  // an empty string when all agree, else what is wrong.
  std::string CheckConsistency() const;

  int Cell(int index) const { return Cells[index]; }
  int Discs(int colour) const { return DiscCount[colour > 0 ? 1 : 0]; }
  const TSqr* ListHead(int colour) const {
    if (listsStale_) LinkLists();
    return Head[colour > 0 ? 1 : 0];
  }
  // When the disc on each bit index last went to the head of its colour's
  // list: a list runs in falling order of these. A time is a tick of the
  // board's clock times 64, plus a disc's place among several turned at once.
  // Only the order of times means anything: they are renumbered when the
  // clock runs high, so that they stay below kTimeLimit, small enough to be
  // compared four at once with room for three more bits.
  // Read this instead of walking a list where speed matters.
  const std::array<int32_t, 64>& HeadTimes() const { return headTime_; }
  static constexpr int32_t kTimeLimit = int32_t{1} << 28;
  // The clock's last tick before the times are renumbered.
  static constexpr int32_t kLastTick = (kTimeLimit >> 6) - 1;
  // For tests: runs the clock on as if ticks changes had been made.
  void AdvanceClock(int32_t ticks) {
    for (int32_t k = 0; k < ticks; ++k) NextTick();
  }
  uint64_t BitsOf(int colour) const { return Bits[colour > 0 ? 1 : 0]; }

  std::array<int32_t, kCells> Cells{};
  int32_t SideToMove = kBlack;
  std::array<int32_t, 5> QuadrantEmpties{};  // index 1..4
  std::array<int32_t, 5> RimEmpties{};       // index 1..4 (0 not counted)
  std::array<int32_t, 2> DiscCount{};        // [0] white, [1] black

 protected:
  std::array<uint64_t, 2> Bits{};  // kept beside the cells: [0] white, [1] black

 private:
  static int Side(int colour) { return colour > 0 ? 1 : 0; }
  void Clear();
  // New and turned discs go to the head of their list. The primitives only
  // note the time; the links are made when somebody reads a list, since the
  // search changes the lists far more often than anybody reads them whole.
  void ToHead(int square) {
    headTime_[kBitIndex[square]] = NextTick();
    listsStale_ = true;
  }
  void LinkLists() const;
  int32_t NextTick() {
    if (clock_ == kLastTick) Renumber();
    return ++clock_ << 6;
  }
  void Renumber();

  std::array<int32_t, 64> headTime_{};
  int32_t clock_ = 0;
  mutable bool listsStale_ = true;
  mutable std::array<TSqr*, 2> Head{};             // [0] white, [1] black
  mutable std::array<TSqr, kCells> SquareNodes{};  // entries 10..90 used
};

}  // namespace reversi
