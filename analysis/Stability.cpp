#include <array>

#include "Bitboard.h"

namespace reversi::analysis {
inline namespace VZ_SOLVER_ISA {

namespace {

// The 15 diagonals of one slant, as masks: `step` 9 runs A1-H8, 7 runs H1-A8.
constexpr std::array<TBits, 15> MakeDiagonals(int step) {
  std::array<TBits, 15> lines{};
  for (int sq = 0; sq < 64; ++sq) {
    const int row = sq / 8, col = sq % 8;
    const int index = step == 9 ? col - row + 7 : col + row;
    lines[index] |= Bit(sq);
  }
  return lines;
}
constexpr std::array<TBits, 15> kDiagonals9 = MakeDiagonals(9);
constexpr std::array<TBits, 15> kDiagonals7 = MakeDiagonals(7);

TBits FullLines(TBits filled, const std::array<TBits, 15>& lines) {
  TBits full = 0;
  for (TBits line : lines)
    if ((filled & line) == line) full |= line;
  return full;
}

TBits FullRows(TBits filled) {
  TBits full = 0;
  for (int row = 0; row < 8; ++row) {
    const TBits line = TBits{0xFF} << (8 * row);
    if ((filled & line) == line) full |= line;
  }
  return full;
}

TBits FullColumns(TBits filled) {
  TBits x = filled;
  x &= x >> 32;
  x &= x >> 16;
  x &= x >> 8;
  return (x & 0xFF) * 0x0101010101010101ull;
}

}  // namespace

TBits StableDiscs(TBits player, TBits opponent) {
  const TBits filled = player | opponent;
  // A line with no empty square can never be played on, so no disc on it
  // turns along it; the edge plays the same part on one side.
  const TBits rows = FullRows(filled) | ~kInnerFiles;
  const TBits columns = FullColumns(filled) | 0xFF000000000000FFull;
  const TBits diag9 = FullLines(filled, kDiagonals9) | kRim;
  const TBits diag7 = FullLines(filled, kDiagonals7) | kRim;
  TBits stable = 0;
  for (;;) {
    const TBits next = player & (rows | ((stable << 1) & kNotFileA) | ((stable >> 1) & kNotFileH)) &
                       (columns | (stable << 8) | (stable >> 8)) &
                       (diag9 | ((stable << 9) & kNotFileA) | ((stable >> 9) & kNotFileH)) &
                       (diag7 | ((stable << 7) & kNotFileH) | ((stable >> 7) & kNotFileA));
    if (next == stable) return stable;
    stable = next;
  }
}

}  // namespace VZ_SOLVER_ISA
}  // namespace reversi::analysis
