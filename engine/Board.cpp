#include "Board.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace reversi {

namespace {

std::array<std::string, kCellTableSize> MakeNames() {
  std::array<std::string, kCellTableSize> names;
  for (int i = 0; i <= 81; ++i) names[i] = "  ";
  for (int i = 82; i <= 90; ++i) names[i] = "";
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      names[SquareOf(r, c)] = std::string{static_cast<char>('A' + c), static_cast<char>('1' + r)};
  names[kPassSquare] = "--";
  return names;
}

}  // namespace

const std::string& SquareName(int index) {
  static const std::array<std::string, kCellTableSize> names = MakeNames();
  static const std::string none = "--";
  return index >= 0 && index < kCellTableSize ? names[index] : none;
}

TBoard::TBoard() {
  for (int i = 10; i < kCells; ++i) SquareNodes[i].Square = i;
  SetInitialPosition();
}

void TBoard::PlaceDisc(int colour, int square) {
  const int side = Side(colour);
  Cells[square] = colour;
  DiscCount[side] += 1;
  QuadrantEmpties[kQuadrant[square]] -= 1;
  RimEmpties[kRimClass[square]] -= kRimClass[square] != 0;  // class 0 stays 0, without a branch
  Bits[side] |= uint64_t{1} << kBitIndex[square];
  ToHead(square);
}

void TBoard::RemoveDisc(int square) {
  const int side = Side(Cells[square]);
  Cells[square] = 0;
  DiscCount[side] -= 1;
  QuadrantEmpties[kQuadrant[square]] += 1;
  RimEmpties[kRimClass[square]] += kRimClass[square] != 0;
  Bits[side] &= ~(uint64_t{1} << kBitIndex[square]);
  listsStale_ = true;
}

// The same as RemoveDisc then PlaceDisc of the other colour, without the
// empty-square counters, which a flip leaves as they were.
void TBoard::FlipDisc(int square) {
  const int from = Side(Cells[square]);
  const int to = 1 - from;
  const uint64_t bit = uint64_t{1} << kBitIndex[square];
  Cells[square] = -Cells[square];
  DiscCount[from] -= 1;
  DiscCount[to] += 1;
  Bits[from] &= ~bit;
  Bits[to] |= bit;
  ToHead(square);
}

void TBoard::FlipDiscs(uint64_t discs, const std::array<uint8_t, 64>& turnOrder) {
  if (discs == 0) return;
  const int colour = -Cells[kCellOfBit[std::countr_zero(discs)]];
  const int from = Side(-colour);
  const int to = Side(colour);
  const int32_t tick = NextTick();
  int count = 0;
  for (uint64_t rest = discs; rest; rest &= rest - 1) {
    const int b = std::countr_zero(rest);
    Cells[kCellOfBit[b]] = colour;
    headTime_[b] = tick | turnOrder[b];
    ++count;
  }
  listsStale_ = true;
  DiscCount[from] -= count;
  DiscCount[to] += count;
  Bits[from] &= ~discs;
  Bits[to] |= discs;
}

void TBoard::NoteMadeAndUnmade(int square, uint64_t discs, const std::array<uint8_t, 64>& turnOrder) {
  int32_t tick;
  if (clock_ <= kLastTick - 3) {  // no renumbering on the way: the three ticks at once
    clock_ += 3;
    headTime_[kBitIndex[square]] = (clock_ - 2) << 6;
    tick = clock_ << 6;
  } else {
    headTime_[kBitIndex[square]] = NextTick();
    NextTick();
    tick = NextTick();
  }
  for (uint64_t rest = discs; rest; rest &= rest - 1) {
    const int b = std::countr_zero(rest);
    headTime_[b] = tick | turnOrder[b];
  }
  listsStale_ = true;
}

// A disc that several of the moves turn keeps the time the last of them
// gives it, so the moves are noted from the last back and each disc is
// written once.
void TBoard::NoteMovesMadeAndUnmade(const int32_t* squares, const uint64_t* discs, int n,
                                    const TTurnOrders& turnOrders) {
  if (clock_ > kLastTick - 3 * n) {  // renumbered on the way: one move at a time
    for (int i = 0; i < n; ++i) NoteMadeAndUnmade(squares[i], discs[i], turnOrders[kBitIndex[squares[i]]]);
    return;
  }
  const int32_t start = clock_;
  clock_ += 3 * n;
  uint64_t written = 0;
  for (int i = n - 1; i >= 0; --i) {
    const int square = kBitIndex[squares[i]];
    const int32_t tick = start + 3 * (i + 1);
    headTime_[square] = (tick - 2) << 6;
    const auto& order = turnOrders[square];
    for (uint64_t rest = discs[i] & ~written; rest; rest &= rest - 1) {
      const int b = std::countr_zero(rest);
      headTime_[b] = tick << 6 | order[b];
    }
    written |= discs[i];
  }
  listsStale_ = true;
}

void TBoard::ApplyMove(int colour, int square) {
  PlaceDisc(colour, square);
  for (int d : kDirections) {
    int p = square + d;
    while (Cells[p] == -colour) p += d;
    if (p == square + d || Cells[p] != colour) continue;
    for (p -= d; p != square; p -= d) FlipDisc(p);
  }
}

void TBoard::PlayAndHandOver(int square) {
  const int s = SideToMove;
  ApplyMove(s, square);
  SideToMove = FlipPotential(-s) > 0 ? -s : s;
}

bool TBoard::IsLegalFor(int colour, int square) const {
  if (square < 0 || square >= kCells || Cells[square] != 0) return false;
  for (int d : kDirections) {
    if (Cells[square + d] != -colour) continue;
    int p = square + 2 * d;
    for (int run = 1; run < 6 && Cells[p] == -colour; ++run) p += d;
    if (Cells[p] == colour) return true;
  }
  return false;
}

bool TBoard::MarkFlips(int square, std::array<uint8_t, kCells>& marks) const {
  marks.fill(0);
  if (square < 0 || square >= kCells || Cells[square] != 0) return false;
  const int s = SideToMove;
  bool result = false;
  for (int d : kDirections) {
    int p = square + d;
    while (Cells[p] == -s) p += d;
    if (p == square + d || Cells[p] != s) continue;
    result = true;
    for (p -= d; p != square; p -= d) marks[p] = 1;
  }
  return result;
}

int TBoard::FlipPotential(int colour) const {
  int total = 0;
  // A sum over the discs, so their order does not matter.
  for (uint64_t rest = BitsOf(colour); rest; rest &= rest - 1) {
    const int p = kCellOfBit[std::countr_zero(rest)];
    for (int d : kDirections) {
      if (Cells[p + d] != -colour) continue;
      int q = p + d;
      int run = 0;
      while (Cells[q] == -colour && run < 6) {
        q += d;
        ++run;
      }
      if (Cells[q] == 0) total += run;
    }
  }
  return total;
}

void TBoard::LinkLists() const {
  for (auto& node : SquareNodes) node.Next = node.Prev = nullptr;
  for (int side = 0; side < 2; ++side) {
    std::array<uint64_t, 64> order;  // head time above, bit index below
    int n = 0;
    for (uint64_t rest = Bits[side]; rest; rest &= rest - 1) {
      const int b = std::countr_zero(rest);
      order[n++] = static_cast<uint64_t>(headTime_[b]) << 6 | static_cast<uint64_t>(b);
    }
    std::sort(order.begin(), order.begin() + n, std::greater<>());
    TSqr* prev = nullptr;
    Head[side] = nullptr;
    for (int i = 0; i < n; ++i) {
      TSqr* node = &SquareNodes[kCellOfBit[order[i] & 63]];
      node->Prev = prev;
      (prev ? prev->Next : Head[side]) = node;
      prev = node;
    }
  }
  listsStale_ = false;
}

// The discs keep their order by time; empty squares' times mean nothing.
void TBoard::Renumber() {
  std::array<uint64_t, 64> order;  // time above, bit index below
  int n = 0;
  for (uint64_t rest = Bits[0] | Bits[1]; rest; rest &= rest - 1) {
    const int b = std::countr_zero(rest);
    order[n++] = static_cast<uint64_t>(headTime_[b]) << 6 | static_cast<uint64_t>(b);
  }
  std::sort(order.begin(), order.begin() + n);
  headTime_.fill(0);
  for (int i = 0; i < n; ++i) headTime_[order[i] & 63] = (i + 1) << 6;
  clock_ = n;
}

void TBoard::Clear() {
  Bits = {0, 0};
  listsStale_ = true;
  for (int i = 0; i < kCells; ++i) Cells[i] = IsPlayingSquare(i) ? 0 : kBorder;
  DiscCount = {0, 0};
  QuadrantEmpties = {0, 16, 16, 16, 16};
  RimEmpties = {0, 8, 6, 6, 8};
}

void TBoard::SetInitialPosition() {
  Clear();
  PlaceDisc(kBlack, D5);
  PlaceDisc(kBlack, E4);
  PlaceDisc(kWhite, D4);
  PlaceDisc(kWhite, E5);
  SideToMove = kBlack;
}

void TBoard::SetPosition(const std::array<int8_t, 64>& squares, int side) {
  Clear();
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (const int disc = squares[8 * r + c]; disc == kBlack || disc == kWhite) PlaceDisc(disc, SquareOf(r, c));
  SideToMove = side;
}

std::string TBoard::CheckConsistency() const {
  for (int i = 0; i < kCells; ++i) {
    if (!IsPlayingSquare(i) && Cells[i] != kBorder) return "border cell " + std::to_string(i) + " overwritten";
    if (IsPlayingSquare(i) && Cells[i] != 0 && Cells[i] != 1 && Cells[i] != -1)
      return "bad value on cell " + std::to_string(i);
  }
  std::array<int, 5> quad{0, 16, 16, 16, 16};
  std::array<int, 5> rim{0, 8, 6, 6, 8};
  std::array<int, 2> count{0, 0};
  std::array<uint64_t, 2> bits{0, 0};
  for (int i = 0; i < kCells; ++i) {
    if (!IsPlayingSquare(i) || Cells[i] == 0) continue;
    count[Side(Cells[i])] += 1;
    quad[kQuadrant[i]] -= 1;
    if (kRimClass[i]) rim[kRimClass[i]] -= 1;
    bits[Side(Cells[i])] |= uint64_t{1} << kBitIndex[i];
  }
  if (count != DiscCount) return "disc counts disagree with the cells";
  for (int q = 1; q <= 4; ++q)
    if (quad[q] != QuadrantEmpties[q]) return "quadrant empties disagree in quadrant " + std::to_string(q);
  for (int r = 1; r <= 4; ++r)
    if (rim[r] != RimEmpties[r]) return "rim empties disagree in class " + std::to_string(r);
  if (bits != Bits) return "bit boards disagree with the cells";
  for (int side = 0; side < 2; ++side) {
    const int colour = side ? kBlack : kWhite;
    int listed = 0;
    const TSqr* prev = nullptr;
    for (const TSqr* node = ListHead(colour); node; node = node->Next) {
      if (node->Prev != prev) return "list links not symmetric";
      if (node < &SquareNodes[10] || node > &SquareNodes[90]) return "foreign node on a list";
      if (Cells[node->Square] != colour) return "node " + std::to_string(node->Square) + " on the wrong list";
      if (++listed > 64) return "disc list loops";
      prev = node;
    }
    if (listed != count[side]) return "disc list length disagrees with the count";
  }
  return {};
}

}  // namespace reversi
