// The position: 91 cells, a disc list per colour, and counters that agree
// with the cells after every change. Every disc that is placed, taken off or
// turned goes through PlaceDisc, RemoveDisc or FlipDisc, so the bookkeeping
// cannot drift from the cells.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Geometry.h"

namespace reversi {

// One node per cell 10..90; a node sits on at most one colour's disc list.
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

  // Cells against lists against counters, list links, border cells. Returns
  // an empty string when all agree, else what is wrong.
  std::string CheckConsistency() const;

  int Cell(int index) const { return Cells[index]; }
  int Discs(int colour) const { return DiscCount[colour > 0 ? 1 : 0]; }
  const TSqr* ListHead(int colour) const { return Head[colour > 0 ? 1 : 0]; }
  uint64_t BitsOf(int colour) const { return Bits[colour > 0 ? 1 : 0]; }

  std::array<int32_t, kCells> Cells{};
  int32_t SideToMove = kBlack;
  std::array<int32_t, 5> QuadrantEmpties{};  // index 1..4
  std::array<int32_t, 5> RimEmpties{};       // index 1..4 (0 not counted)
  std::array<int32_t, 2> DiscCount{};        // [0] white, [1] black

 protected:
  std::array<TSqr*, 2> Head{};               // [0] white, [1] black
  std::array<uint64_t, 2> Bits{};            // kept beside the cells: [0] white, [1] black
  std::array<TSqr, kCells> SquareNodes{};     // entries 10..90 used

 private:
  static int Side(int colour) { return colour > 0 ? 1 : 0; }
  // New and flipped discs go to the head of their list: a list runs from the
  // most recent disc to the oldest.
  void PushFront(int side, TSqr* node) {
    node->Prev = nullptr;
    node->Next = Head[side];
    if (Head[side]) Head[side]->Prev = node;
    Head[side] = node;
  }
  void Unlink(int side, TSqr* node) {
    if (node->Prev)
      node->Prev->Next = node->Next;
    else
      Head[side] = node->Next;
    if (node->Next) node->Next->Prev = node->Prev;
    node->Next = nullptr;
  }
};

}  // namespace reversi
