#include <array>

#include "Bitboard.h"

namespace reversi::bits {
namespace VZ_ISA {

namespace {

// The four lines through each square: its row, its column and its two
// diagonals (the A1-H8 and the H1-A8 slants).
struct TLines {
  TBits Row, Column, Diagonal9, Diagonal7;
};

constexpr std::array<TLines, 64> MakeLines() {
  std::array<TLines, 64> lines{};
  for (int sq = 0; sq < 64; ++sq)
    for (int other = 0; other < 64; ++other) {
      const int dr = other / 8 - sq / 8, dc = other % 8 - sq % 8;
      if (dr == 0) lines[sq].Row |= Bit(other);
      if (dc == 0) lines[sq].Column |= Bit(other);
      if (dr == dc) lines[sq].Diagonal9 |= Bit(other);
      if (dr == -dc) lines[sq].Diagonal7 |= Bit(other);
    }
  return lines;
}
constexpr std::array<TLines, 64> kLines = MakeLines();

}  // namespace

TBits StableDiscs(TBits player, TBits opponent) {
  // A line with no empty square can never be played on, so no disc on it
  // turns along it; the edge plays the same part on one side. Asked mostly
  // with few empties left, so the lines that are not full are found as the
  // lines through the empties.
  TBits rows = 0, columns = 0, diag9 = 0, diag7 = 0;
  for (TBits empty = ~(player | opponent); empty; empty &= empty - 1) {
    const TLines& l = kLines[FirstSquare(empty)];
    rows |= l.Row;
    columns |= l.Column;
    diag9 |= l.Diagonal9;
    diag7 |= l.Diagonal7;
  }
  rows = ~rows | ~kInnerFiles;
  columns = ~columns | 0xFF000000000000FFull;
  diag9 = ~diag9 | kRim;
  diag7 = ~diag7 | kRim;
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

}  // namespace VZ_ISA
}  // namespace reversi::bits
