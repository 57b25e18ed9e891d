#include "Patterns.h"

#include <algorithm>
#include <set>

namespace reversi::analyst {

namespace {

constexpr TBits Sq(int row, int col) {
  return TBits{1} << (8 * row + col);
}

constexpr TBits Diagonal(int length) {
  TBits m = 0;
  for (int r = 0; r < length; ++r) m |= Sq(r, r + 8 - length);
  return m;
}

constexpr int Pow3(int n) {
  return n == 0 ? 1 : 3 * Pow3(n - 1);
}

constexpr TPatternKind Kind(const char* name, TBits mask) {
  const int n = __builtin_popcountll(mask);
  return {name, mask, n, Pow3(n)};
}

}  // namespace

const std::array<TPatternKind, kPatternKinds> kPatternKindTable = {
    Kind("edge+2X", 0xFFull | Sq(1, 1) | Sq(1, 6)),
    Kind("corner 3x3", 0x070707ull),
    Kind("corner 2x5", 0x1F1Full),
    Kind("row 2", 0xFFull << 8),
    Kind("row 3", 0xFFull << 16),
    Kind("row 4", 0xFFull << 24),
    Kind("diagonal 8", Diagonal(8)),
    Kind("diagonal 7", Diagonal(7)),
    Kind("diagonal 6", Diagonal(6)),
    Kind("diagonal 5", Diagonal(5)),
    Kind("diagonal 4", Diagonal(4)),
};

TBits Symmetry(TBits b, int s) {
  if (s & 1) b = __builtin_bswap64(b);
  if (s & 2) {
    b = ((b >> 1) & 0x5555555555555555ull) | ((b & 0x5555555555555555ull) << 1);
    b = ((b >> 2) & 0x3333333333333333ull) | ((b & 0x3333333333333333ull) << 2);
    b = ((b >> 4) & 0x0F0F0F0F0F0F0F0Full) | ((b & 0x0F0F0F0F0F0F0F0Full) << 4);
  }
  if (s & 4) {  // (row, col) -> (col, row) by three swaps of blocks
    TBits t = (b ^ (b >> 7)) & 0x00AA00AA00AA00AAull;
    b ^= t ^ (t << 7);
    t = (b ^ (b >> 14)) & 0x0000CCCC0000CCCCull;
    b ^= t ^ (t << 14);
    t = (b ^ (b >> 28)) & 0x00000000F0F0F0F0ull;
    b ^= t ^ (t << 28);
  }
  return b;
}

namespace {

int SquareUnder(int square, int s) {
  return __builtin_ctzll(Symmetry(TBits{1} << square, s));
}

// A copy for each distinct set of squares the kind covers under the eight
// symmetries; symmetries that give the same set read it in orders that
// CanonicalIndices makes equivalent.
std::array<TPatternCopy, kPatternCopies> MakeCopies() {
  std::array<TPatternCopy, kPatternCopies> copies{};
  int n = 0;
  uint32_t offset = 0;
  for (int k = 0; k < kPatternKinds; ++k) {
    const TPatternKind& kind = kPatternKindTable[k];
    std::set<TBits> seen;
    for (int s = 0; s < 8; ++s) {
      TPatternCopy c{s, k, kind.Mask, offset, {}};
      TBits covered = 0;
      int digit = 0;
      for (TBits m = kind.Mask; m; m &= m - 1) {
        // The square whose image under s is this mask square (symmetries
        // here are their own inverses except the two quarter turns).
        int original = 0;
        while (SquareUnder(original, s) != __builtin_ctzll(m)) ++original;
        c.Square[digit++] = static_cast<int8_t>(original);
        covered |= TBits{1} << original;
      }
      if (seen.insert(covered).second) copies[n++] = c;
    }
    offset += kind.Size;
  }
  return copies;
}

}  // namespace

const std::array<TPatternCopy, kPatternCopies>& PatternCopies() {
  static const std::array<TPatternCopy, kPatternCopies> copies = MakeCopies();
  return copies;
}

void PatternIndicesPortable(TBits player, TBits opponent, uint32_t* out) {
  for (const TPatternCopy& c : PatternCopies()) {
    uint32_t index = 0;
    for (int d = kPatternKindTable[c.Kind].Squares - 1; d >= 0; --d) {
      const int sq = c.Square[d];
      index = 3 * index + uint32_t(player >> sq & 1) + 2 * uint32_t(opponent >> sq & 1);
    }
    *out++ = c.Offset + index;
  }
}

namespace {

// The squares next to any of `b`'s, in the eight directions.
TBits Neighbours(TBits b) {
  constexpr TBits notA = 0xFEFEFEFEFEFEFEFEull, notH = 0x7F7F7F7F7F7F7F7Full;
  const TBits east = (b << 1) & notA, west = (b >> 1) & notH;
  const TBits row = b | east | west;
  return east | west | (row << 8) | (row >> 8);
}

}  // namespace

void SingleValueIndices(TBits player, TBits opponent, TBits moves, TBits replies, uint32_t* out) {
  const TBits empty = ~(player | opponent);
  const int empties = __builtin_popcountll(empty);
  out[0] = kMoverMobility + std::min(__builtin_popcountll(moves), kMobilityCap);
  out[1] = kOtherMobility + std::min(__builtin_popcountll(replies), kMobilityCap);
  out[2] = kEmptiesTerm + empties;
  out[3] = kMoverPotential + std::min(__builtin_popcountll(Neighbours(opponent) & empty), kPotentialCap);
  out[4] = kOtherPotential + std::min(__builtin_popcountll(Neighbours(player) & empty), kPotentialCap);
}

std::vector<uint32_t> CanonicalIndices(int k) {
  const TPatternKind& kind = kPatternKindTable[k];
  std::vector<int> maskSquares;
  for (TBits m = kind.Mask; m; m &= m - 1) maskSquares.push_back(__builtin_ctzll(m));
  // The digit permutations of the symmetries that keep the shape in place.
  std::vector<std::vector<int>> perms;
  for (int s = 0; s < 8; ++s) {
    if (Symmetry(kind.Mask, s) != kind.Mask) continue;
    std::vector<int> perm;
    for (int sq : maskSquares)
      perm.push_back(static_cast<int>(std::find(maskSquares.begin(), maskSquares.end(), SquareUnder(sq, s)) -
                                      maskSquares.begin()));
    perms.push_back(perm);
  }
  std::vector<uint32_t> canonical(kind.Size);
  std::vector<int> digits(kind.Squares);
  for (int i = 0; i < kind.Size; ++i) {
    for (int d = 0, v = i; d < kind.Squares; ++d, v /= 3) digits[d] = v % 3;
    uint32_t least = i;
    for (const auto& perm : perms) {
      uint32_t index = 0;
      for (int d = kind.Squares - 1; d >= 0; --d) index = 3 * index + digits[perm[d]];
      least = std::min(least, index);
    }
    canonical[i] = least;
  }
  return canonical;
}

}  // namespace reversi::analyst

namespace reversi::analyst {

namespace {

// Bits to base-3 digits: bit j becomes 3^j.
std::array<uint16_t, 1024> MakeTernary() {
  std::array<uint16_t, 1024> t{};
  for (int bits = 0; bits < 1024; ++bits)
    for (int j = 0, p = 1; j < 10; ++j, p *= 3)
      if (bits >> j & 1) t[bits] += p;
  return t;
}
const std::array<uint16_t, 1024> kTernary = MakeTernary();

// A copy read without turning the board over its diagonal: its digits in
// runs whose squares rise on the board, or on the board mirrored (rows,
// columns or both), each run gathered at once and scaled to its first digit.
struct TRun {
  TBits Mask;
  uint32_t Scale;  // 3^(the run's first digit)
  uint8_t Mirror;  // 0..3: Symmetry's row and column bits
  uint8_t Copy;
};

std::vector<TRun> RunsOf(const TPatternCopy& c, int copy, int mirror) {
  std::vector<TRun> runs;
  const int n = kPatternKindTable[c.Kind].Squares;
  int last = 64;
  for (int d = 0, scale = 1; d < n; ++d, scale *= 3) {
    const int sq = SquareUnder(c.Square[d], mirror);
    if (sq <= last || runs.empty()) runs.push_back({0, uint32_t(scale), uint8_t(mirror), uint8_t(copy)});
    runs.back().Mask |= TBits{1} << sq;
    last = sq;
  }
  return runs;
}

std::vector<TRun> MakeRuns() {
  std::vector<TRun> all;
  const auto& copies = PatternCopies();
  for (int i = 0; i < kPatternCopies; ++i) {
    std::vector<TRun> best;
    for (int mirror = 0; mirror < 4; ++mirror) {
      std::vector<TRun> runs = RunsOf(copies[i], i, mirror);
      if (best.empty() || runs.size() < best.size()) best = runs;
    }
    all.insert(all.end(), best.begin(), best.end());
  }
  return all;
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VZ_ANALYST_PEXT 1
const std::vector<TRun> kRuns = MakeRuns();

__attribute__((target("bmi2"))) void PatternIndicesBmi2(TBits player, TBits opponent, uint32_t* out) {
  const TBits p[4] = {player, Symmetry(player, 1), Symmetry(player, 2), Symmetry(player, 3)};
  const TBits o[4] = {opponent, Symmetry(opponent, 1), Symmetry(opponent, 2), Symmetry(opponent, 3)};
  const auto& copies = PatternCopies();
  for (int i = 0; i < kPatternCopies; ++i) out[i] = copies[i].Offset;
  for (const TRun& r : kRuns)
    out[r.Copy] += r.Scale * (kTernary[__builtin_ia32_pext_di(p[r.Mirror], r.Mask)] +
                              2 * kTernary[__builtin_ia32_pext_di(o[r.Mirror], r.Mask)]);
}
#endif

using TIndexer = void (*)(TBits, TBits, uint32_t*);

TIndexer PickIndexer() {
#ifdef VZ_ANALYST_PEXT
  // AMD's processors before Zen 3 gather bits in microcode, slower than
  // reading square by square.
  const bool slowGather = __builtin_cpu_is("amd") &&
                          (__builtin_cpu_is("znver1") || __builtin_cpu_is("znver2") || __builtin_cpu_is("bdver4"));
  if (__builtin_cpu_supports("bmi2") && !slowGather) return PatternIndicesBmi2;
#endif
  return PatternIndicesPortable;
}

}  // namespace

void PatternIndices(TBits player, TBits opponent, uint32_t* out) {
  static const TIndexer indexer = PickIndexer();
  indexer(player, opponent, out);
}

}  // namespace reversi::analyst
