// The move finder and the static evaluation.
//
// FindMoves keeps its exact discovery order (disc list from the head, then
// the fixed direction order), because the search's order of equal moves
// comes from it. Evaluate needs only counts and regional sums, which do not
// depend on any order, so it reads them from the bit boards kept beside the
// cells: the results are the same as walking the lists, at a fraction of the
// cost.
#include <bit>

#include "EvalWeights.h"
#include "MoveGen.h"
#include "ReversiCore.h"
#include "Search.h"

namespace reversi {

namespace {

constexpr uint64_t kFileA = 0x0101010101010101ULL;
constexpr uint64_t kFileH = kFileA << 7;
constexpr uint64_t kNotA = ~kFileA;
constexpr uint64_t kNotH = ~kFileH;

constexpr uint64_t Bit(int square) {
  return uint64_t{1} << kBitIndex[square];
}

constexpr uint64_t MaskOf(std::initializer_list<int> squares) {
  uint64_t m = 0;
  for (int sq : squares) m |= Bit(sq);
  return m;
}

// clang-format off
constexpr uint64_t kCentreMask = MaskOf({D4, E4,
                                         D5, E5});
constexpr uint64_t kInnerMask = MaskOf({C3, D3, E3, F3,
                                        C4,         F4,
                                        C5,         F5,
                                        C6, D6, E6, F6});
constexpr uint64_t kOuterMask = MaskOf({B2, C2, D2, E2, F2, G2,
                                        B3,                 G3,
                                        B4,                 G4,
                                        B5,                 G5,
                                        B6,                 G6,
                                        B7, C7, D7, E7, F7, G7});
// clang-format on
constexpr uint64_t kSafeMask = [] {
  uint64_t m = 0;
  for (int sq = 0; sq < kCellTableSize; ++sq)
    if (kSafeSquare[sq]) m |= Bit(sq);
  return m;
}();
constexpr std::array<uint64_t, 5> kQuadrantMask = [] {
  std::array<uint64_t, 5> q{};
  for (int sq = 0; sq < kCellTableSize; ++sq)
    if (kQuadrant[sq]) q[kQuadrant[sq]] |= Bit(sq);
  return q;
}();

// A move's count in the move finder's quadrant word: a byte per quadrant.
constexpr std::array<uint32_t, 92> kQuadrantUnit = [] {
  std::array<uint32_t, 92> t{};
  for (int sq = 0; sq < 92; ++sq)
    if (kQuadrant[sq]) t[sq] = uint32_t{1} << (8 * (kQuadrant[sq] - 1));
  return t;
}();

// The corners, each with its X-square, its two C-squares and its two rims.
struct Corner {
  int square, x, c1, c2, rim1, rim2;
};
constexpr std::array<Corner, 4> kCorners = {{
    {A1, B2, B1, A2, 1, 2},
    {H1, G2, G1, H2, 1, 3},
    {A8, B7, A7, B8, 4, 2},
    {H8, G7, H7, G8, 3, 4},
}};

// X- and C-squares that count, by which corners are empty (bit k for corner k).
constexpr std::array<uint64_t, 16> kXByEmptyCorners = [] {
  std::array<uint64_t, 16> t{};
  for (int pattern = 0; pattern < 16; ++pattern)
    for (int k = 0; k < 4; ++k)
      if (pattern & (1 << k)) t[pattern] |= Bit(kCorners[k].x);
  return t;
}();
constexpr std::array<uint64_t, 16> kCByEmptyCorners = [] {
  std::array<uint64_t, 16> t{};
  for (int pattern = 0; pattern < 16; ++pattern)
    for (int k = 0; k < 4; ++k)
      if (pattern & (1 << k)) t[pattern] |= Bit(kCorners[k].c1) | Bit(kCorners[k].c2);
  return t;
}();

// The eight neighbour shifts of a bit board, wrap-around masked off.
template <int Dir>
constexpr uint64_t Shift(uint64_t b) {
  if constexpr (Dir == 0) return (b << 1) & kNotA;  // next letter
  if constexpr (Dir == 1) return (b >> 1) & kNotH;  // previous letter
  if constexpr (Dir == 2) return b << 8;            // next digit
  if constexpr (Dir == 3) return b >> 8;            // previous digit
  if constexpr (Dir == 4) return (b << 9) & kNotA;
  if constexpr (Dir == 5) return (b >> 9) & kNotH;
  if constexpr (Dir == 6) return (b << 7) & kNotH;
  if constexpr (Dir == 7) return (b >> 7) & kNotA;
  return 0;
}

// Moves along one line direction and its reverse at once: runs of opp that
// start next to own, grown by doubling (the run is at most six long).
// opp must already be masked so that no run wraps around an edge.
template <int Step>
[[gnu::always_inline]] inline uint64_t MovesAlong(uint64_t own, uint64_t opp) {
  uint64_t left = opp & (own << Step);
  uint64_t right = opp & (own >> Step);
  left |= opp & (left << Step);
  right |= opp & (right >> Step);
  const uint64_t oppLeft = opp & (opp << Step);
  const uint64_t oppRight = opp & (opp >> Step);
  left |= oppLeft & (left << (2 * Step));
  right |= oppRight & (right >> (2 * Step));
  left |= oppLeft & (left << (2 * Step));
  right |= oppRight & (right >> (2 * Step));
  return (left << Step) | (right >> Step);
}

constexpr uint64_t kInnerColumns = 0x7E7E7E7E7E7E7E7EULL;

[[gnu::always_inline]] inline uint64_t LegalMovesNarrow(uint64_t own, uint64_t opp) {
  const uint64_t inner = opp & kInnerColumns;
  const uint64_t moves =
      MovesAlong<1>(own, inner) | MovesAlong<8>(own, opp) | MovesAlong<7>(own, inner) | MovesAlong<9>(own, inner);
  return moves & ~(own | opp);
}

// The four line directions at once, one per lane: worth it only where the
// processor shifts each lane by its own amount (AVX2), so it is only ever
// inlined into the evaluation built for that.
typedef uint64_t U64x4 __attribute__((vector_size(32)));

[[gnu::always_inline]] inline uint64_t LegalMovesWide(uint64_t own, uint64_t opp) {
  const U64x4 step = {1, 8, 7, 9};
  const U64x4 step2 = {2, 16, 14, 18};
  const uint64_t inner = opp & kInnerColumns;
  const U64x4 o = {inner, opp, inner, inner};
  const U64x4 p = {own, own, own, own};
  U64x4 left = o & (p << step);
  U64x4 right = o & (p >> step);
  left |= o & (left << step);
  right |= o & (right >> step);
  const U64x4 oLeft = o & (o << step);
  const U64x4 oRight = o & (o >> step);
  left |= oLeft & (left << step2);
  right |= oRight & (right >> step2);
  left |= oLeft & (left << step2);
  right |= oRight & (right >> step2);
  const U64x4 m = (left << step) | (right >> step);
  return (m[0] | m[1] | m[2] | m[3]) & ~(own | opp);
}

[[gnu::always_inline]] inline int Count(uint64_t b) {
  return std::popcount(b);
}

struct Contacts {
  int ownEmpty = 0, oppEmpty = 0, ownEnemy = 0;
};

template <int Dir>
[[gnu::always_inline]] inline void AddContacts(uint64_t own, uint64_t opp, uint64_t empty, Contacts& c) {
  const uint64_t ownNb = Shift<Dir>(own);
  c.ownEmpty += Count(ownNb & empty);
  c.ownEnemy += Count(ownNb & opp);
  c.oppEmpty += Count(Shift<Dir>(opp) & empty);
}

// Neighbour pairs, disc by disc: empty neighbours of each side and enemy
// neighbours. Every enemy contact is one pair seen from both sides, so F(a)
// and F(o) are the same number.
[[gnu::always_inline]] inline Contacts ContactCounts(uint64_t own, uint64_t opp) {
  const uint64_t empty = ~(own | opp);
  Contacts c;
  AddContacts<0>(own, opp, empty, c);
  AddContacts<1>(own, opp, empty, c);
  AddContacts<2>(own, opp, empty, c);
  AddContacts<3>(own, opp, empty, c);
  AddContacts<4>(own, opp, empty, c);
  AddContacts<5>(own, opp, empty, c);
  AddContacts<6>(own, opp, empty, c);
  AddContacts<7>(own, opp, empty, c);
  return c;
}

// A rim as one byte, bit k the k-th square from its first corner.
[[gnu::always_inline]] inline uint8_t RowByte(uint64_t b, int row) {
  return static_cast<uint8_t>(b >> (8 * row));
}
[[gnu::always_inline]] inline uint8_t ColumnByte(uint64_t b, int col) {
  return static_cast<uint8_t>((((b >> col) & kFileA) * 0x0102040810204080ULL) >> 56);
}

// Own minus opponent over a full rim; otherwise the runs of each colour from
// both corners.
[[gnu::always_inline]] inline int RimValue(uint8_t own, uint8_t opp, bool full) {
  if (full) return std::popcount(own) - std::popcount(opp);
  return std::countr_one(own) + std::countl_one(own) - std::countr_one(opp) - std::countl_one(opp);
}

[[gnu::always_inline]] inline int RimAnchors(const TBoard& b, uint64_t own, uint64_t opp) {
  const auto& cells = b.Cells;
  const bool row1Full = b.RimEmpties[1] == 0;
  const bool row8Full = b.RimEmpties[4] == 0;
  const bool colAFull = b.RimEmpties[2] == 0 && cells[A1] != 0 && cells[A8] != 0;
  const bool colHFull = b.RimEmpties[3] == 0 && cells[H1] != 0 && cells[H8] != 0;
  return RimValue(RowByte(own, 0), RowByte(opp, 0), row1Full) + RimValue(RowByte(own, 7), RowByte(opp, 7), row8Full) +
         RimValue(ColumnByte(own, 0), ColumnByte(opp, 0), colAFull) +
         RimValue(ColumnByte(own, 7), ColumnByte(opp, 7), colHFull);
}

}  // namespace

int TSearch::FindMoves(int row, int colour, int suggestion) {
  const TBoard& board = board_;
  auto& list = MoveList[row];
  auto& quadrants = QuadrantMoves[colour > 0 ? 1 : 0];
  SuggestionFirst = false;
  int n = 0;
  uint64_t listed = 0;  // the squares already in the row, for the duplicate test
  if (suggestion > 0 && board.IsLegalFor(colour, suggestion)) {
    list[n++] = suggestion;
    listed = Bit(suggestion);
    SuggestionFirst = true;
  }
  const uint64_t own = board.BitsOf(colour);
  const uint64_t opp = board.BitsOf(-colour);
  n = movegen::AppendMovesInWalkOrder(board.HeadTimes(), movegen::RunStarts(own, opp), opp, listed, list.data(), n);
  // The four quadrant counts side by side in one word, a byte each, so that
  // the loop adds in a register.
  int safe = 0;
  uint32_t perQuadrant = 0;
  for (int i = 0; i < n; ++i) {
    safe += kSafeSquare[list[i]];
    perQuadrant += kQuadrantUnit[list[i]];
  }
  SafeMoves = safe;
  quadrants = {0, 0, 0, 0, 0};
  for (int q = 1; q <= 4; ++q) quadrants[q] = static_cast<int32_t>(perQuadrant >> (8 * (q - 1)) & 0xFF);
  return n;
}

namespace {

// The evaluation of the position b for colour a, built once per kind of
// processor below (Wide: the one with AVX2 and the bit-counting instructions).
template <bool Wide>
[[gnu::always_inline]] inline int StaticValue(const TBoard& b, int a) {
  namespace w = weights;
  const uint64_t own = b.BitsOf(a);
  const uint64_t opp = b.BitsOf(-a);
  const uint64_t ownMoves = Wide ? LegalMovesWide(own, opp) : LegalMovesNarrow(own, opp);
  const uint64_t oppMoves = Wide ? LegalMovesWide(opp, own) : LegalMovesNarrow(opp, own);

  if ((ownMoves | oppMoves) == 0) {
    const int margin = b.Discs(a) - b.Discs(-a);
    if (margin > 0) return w::kWin + margin;
    if (margin < 0) return margin - w::kWin;
    return 0;
  }

  auto balance = [&](uint64_t mask) { return Count(own & mask) - Count(opp & mask); };
  int v = w::kOwnSafeMove * Count(ownMoves & kSafeMask) + w::kOppSafeMove * Count(oppMoves & kSafeMask);
  v += w::kDisc * (b.Discs(a) - b.Discs(-a));
  v += w::kCentre * balance(kCentreMask) + w::kInnerRing * balance(kInnerMask) + w::kOuterRing * balance(kOuterMask);

  int emptyCorners = 0;
  for (int k = 0; k < 4; ++k) {
    const Corner& c = kCorners[k];
    const int holder = b.Cells[c.square];
    if (holder == 0)
      emptyCorners |= 1 << k;
    else if (holder == a)
      v += w::kOwnCorner * (b.RimEmpties[c.rim1] + b.RimEmpties[c.rim2]);
    else
      v += w::kOppCorner * (b.RimEmpties[c.rim1] + b.RimEmpties[c.rim2]);
  }
  const uint64_t xs = kXByEmptyCorners[emptyCorners];
  const uint64_t cs = kCByEmptyCorners[emptyCorners];
  v += w::kXSquare * (Count(opp & xs) - Count(own & xs));
  v += w::kCSquare * (Count(opp & cs) - Count(own & cs));

  v += w::kRimAnchor * RimAnchors(b, own, opp);

  const Contacts c = ContactCounts(own, opp);
  v += w::kOwnEmptyContact * c.ownEmpty + w::kOwnEnemyContact * c.ownEnemy + w::kOppEmptyContact * c.oppEmpty +
       w::kOppEnemyContact * c.ownEnemy;

  for (int q = 1; q <= 4; ++q) {
    const int e = b.QuadrantEmpties[q];
    if (e < 1 || e > 5) continue;
    const bool ahead = Count(ownMoves & kQuadrantMask[q]) > Count(oppMoves & kQuadrantMask[q]);
    v += ahead ? w::kParityAhead[e] : w::kParityBehind[e];
  }
  return v;
}

// Built for the machine the program runs on, not the one it was built on:
// the baseline everywhere, and on x86-64 a second build for processors with
// AVX2, BMI2 and POPCNT, picked once at start-up.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))) int StaticValueWide(const TBoard& b, int a) {
  return StaticValue<true>(b, a);
}
__attribute__((target("popcnt"))) int StaticValuePopcnt(const TBoard& b, int a) {
  return StaticValue<false>(b, a);
}
int StaticValueBaseline(const TBoard& b, int a) {
  return StaticValue<false>(b, a);
}

using TStaticValue = int (*)(const TBoard&, int);
const TStaticValue kStaticValue = [] {
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt"))
    return &StaticValueWide;
  if (__builtin_cpu_supports("popcnt")) return &StaticValuePopcnt;
  return &StaticValueBaseline;
}();
#else
int kStaticValue(const TBoard& b, int a) {
  return StaticValue<false>(b, a);
}
#endif

}  // namespace

int TReversiCore::Evaluate(int /*depth*/, int colour) {
  return kStaticValue(*this, colour);
}

}  // namespace reversi
