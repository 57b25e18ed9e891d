// The move finder and the static evaluation.
//
// FindMoves keeps its exact discovery order (disc list from the head, then
// the fixed direction order), because the search's order of equal moves
// comes from it. Evaluate needs only counts and regional sums, which do not
// depend on any order, so it reads them from the bit boards kept beside the
// cells: the results are the same as walking the lists, at a fraction of the
// cost.
#include <bit>
#include <vector>

#include "EvalBuilds.h"
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
  // Broadcast and masked in the vector unit: cheaper than assembling the
  // lanes from general registers.
  const U64x4 columns = {kInnerColumns, ~uint64_t{0}, kInnerColumns, kInnerColumns};
  const U64x4 o = (U64x4{} + opp) & columns;
  const U64x4 p = U64x4{} + own;
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
  U64x4 m = (left << step) | (right >> step);
  // The four lanes folded in the vector unit: taking each lane out to a
  // general register costs twice the instructions.
  m |= __builtin_shufflevector(m, m, 2, 3, 0, 1);
  m |= __builtin_shufflevector(m, m, 1, 0, 3, 2);
  return m[0] & ~(own | opp);
}

[[gnu::always_inline]] inline int Count(uint64_t b) {
  return std::popcount(b);
}

constexpr uint64_t kCornerMask = MaskOf({A1, H1, A8, H8});
constexpr uint64_t kRimMask = 0xFF818181818181FFULL;  // the 28 rim squares, corners included
constexpr uint64_t kRow1 = 0xFFULL;
constexpr uint64_t kRow8 = kRow1 << 56;
constexpr uint64_t kColumnAInner = kFileA & ~(kRow1 | kRow8);
constexpr uint64_t kColumnHInner = kFileH & ~(kRow1 | kRow8);

// Neighbour pairs of a set, each pair once: the four directions that look
// forward (next letter, next digit and the two diagonals towards it).
[[gnu::always_inline]] inline int Pairs(uint64_t s) {
  return Count(s & Shift<0>(s)) + Count(s & Shift<2>(s)) + Count(s & Shift<4>(s)) + Count(s & Shift<6>(s));
}

// The contact terms: each side's empty neighbours and the enemy contacts
// (every enemy contact is one pair seen from both sides, so both sides count
// the same number). A disc's neighbours are empty, own or enemy, so the empty
// ones are its neighbours on the board less the pairs it is in, which takes
// half the counting of looking at each neighbour. The neighbours on the board
// are a weight of each disc's square, counted with the linear terms below;
// here are the pairs:
//   ownEmpty = neighbours(own) - 2 pairs(own) - enemy
//   oppEmpty = neighbours(opp) - 2 pairs(opp) - enemy
//   enemy = pairs(own | opp) - pairs(own) - pairs(opp)
// discPairs is Pairs(own | opp), which a child takes from its parent's.
[[gnu::always_inline]] inline int PairValue(uint64_t own, uint64_t opp, int discPairs) {
  namespace w = weights;
  constexpr int kEnemy = w::kOwnEnemyContact + w::kOppEnemyContact - w::kOwnEmptyContact - w::kOppEmptyContact;
  const int ownPairs = Pairs(own);
  const int oppPairs = Pairs(opp);
  const int enemy = discPairs - ownPairs - oppPairs;
  return kEnemy * enemy - 2 * w::kOwnEmptyContact * ownPairs - 2 * w::kOppEmptyContact * oppPairs;
}

// The squares next to each bit index. A disc put on b adds a pair with each
// disc there; turning discs adds none.
constexpr std::array<uint64_t, 64> kNeighbours = [] {
  std::array<uint64_t, 64> t{};
  for (int b = 0; b < 64; ++b) {
    const uint64_t bit = uint64_t{1} << b;
    t[b] = Shift<0>(bit) | Shift<1>(bit) | Shift<2>(bit) | Shift<3>(bit) | Shift<4>(bit) | Shift<5>(bit) |
           Shift<6>(bit) | Shift<7>(bit);
  }
  return t;
}();

// The terms that are a sum over the discs of a weight of each disc's square:
// the disc count, the centre and the two rings, and each disc's neighbours on
// the board (eight, five on a rim, three in a corner) for the contacts. By
// square for the side to move and for the other side.
struct TSquareWeights {
  std::array<int32_t, 64> Own{}, Opp{};
};
constexpr TSquareWeights kSquareWeights = [] {
  namespace w = weights;
  TSquareWeights t;
  for (int b = 0; b < 64; ++b) {
    const uint64_t bit = uint64_t{1} << b;
    int ring = 0;
    if (bit & kCentreMask) ring = w::kCentre;
    if (bit & kInnerMask) ring = w::kInnerRing;
    if (bit & kOuterMask) ring = w::kOuterRing;
    const int neighbours = (bit & kCornerMask) ? 3 : (bit & kRimMask) ? 5 : 8;
    t.Own[b] = w::kDisc + ring + w::kOwnEmptyContact * neighbours;
    t.Opp[b] = -w::kDisc - ring + w::kOppEmptyContact * neighbours;
  }
  return t;
}();

// The squares that share their weight, and that weight for each side.
struct TWeightClass {
  uint64_t Mask;
  int32_t Own, Opp;
};
constexpr std::array<uint64_t, 5> kClassMasks = {kCentreMask, kInnerMask, kOuterMask, kRimMask & ~kCornerMask,
                                                 kCornerMask};
constexpr std::array<TWeightClass, 5> kWeightClasses = [] {
  std::array<TWeightClass, 5> c{};
  for (int k = 0; k < 5; ++k) {
    const int b = std::countr_zero(kClassMasks[k]);
    c[k] = {kClassMasks[k], kSquareWeights.Own[b], kSquareWeights.Opp[b]};
  }
  return c;
}();
static_assert((kCentreMask | kInnerMask | kOuterMask | kRimMask) == ~uint64_t{0});

[[gnu::always_inline]] inline int LinearValue(uint64_t own, uint64_t opp) {
  int v = 0;
  for (const TWeightClass& c : kWeightClasses) v += c.Own * Count(own & c.Mask) + c.Opp * Count(opp & c.Mask);
  return v;
}

// How the linear terms change from a position to its child after a move on
// bit index b that turns the discs f: the side to move changes, the discs
// turned go from one side to the other, and the new disc is the mover's.
// With the parent's boards own and opp, the child's linear value is
// LinearValue(opp, own) plus the weights of f and of b below.
// A turned disc's weight is its class's (a corner never turns), so the turned
// discs are counted class by class rather than visited one by one.
[[gnu::always_inline]] inline int TurnedValue(uint64_t f) {
  int v = 0;
  for (int k = 0; k < 4; ++k) v += (kWeightClasses[k].Opp - kWeightClasses[k].Own) * Count(f & kWeightClasses[k].Mask);
  return v;
}
static_assert(kWeightClasses[4].Mask == kCornerMask);

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

// A column counts as full only with both its corners taken.
[[gnu::always_inline]] inline int RimAnchors(uint64_t own, uint64_t opp, uint64_t empty) {
  return RimValue(RowByte(own, 0), RowByte(opp, 0), (empty & kRow1) == 0) +
         RimValue(RowByte(own, 7), RowByte(opp, 7), (empty & kRow8) == 0) +
         RimValue(ColumnByte(own, 0), ColumnByte(opp, 0), (empty & kFileA) == 0) +
         RimValue(ColumnByte(own, 7), ColumnByte(opp, 7), (empty & kFileH) == 0);
}

// Bit k: corner k of kCorners is in b. One multiplication moves the corners'
// bits (0, 7, 56, 63) to bits 60..63; its other partial products all land on
// distinct bits below 60, so nothing carries into the result.
constexpr uint64_t kCornerGather = (uint64_t{1} << 60) | (uint64_t{1} << 54) | (uint64_t{1} << 6) | 1;
[[gnu::always_inline]] constexpr unsigned CornerBits(uint64_t b) {
  return static_cast<unsigned>(((b & kCornerMask) * kCornerGather) >> 60);
}
static_assert([] {
  for (uint64_t pattern = 0; pattern < 16; ++pattern) {
    const uint64_t b = (pattern & 1) | (pattern >> 1 & 1) << 7 | (pattern >> 2 & 1) << 56 | (pattern >> 3 & 1) << 63;
    if (CornerBits(b | ~kCornerMask) != pattern) return false;
  }
  return true;
}());

// Each held corner, by the empties on its two rims.
[[gnu::always_inline]] inline int CornerValue(uint64_t own, uint64_t opp, uint64_t empty) {
  namespace w = weights;
  const int row1 = Count(empty & kRow1);
  const int row8 = Count(empty & kRow8);
  const int colA = Count(empty & kColumnAInner);
  const int colH = Count(empty & kColumnHInner);
  const std::array<int, 4> rims = {row1 + colA, row1 + colH, row8 + colA, colH + row8};
  const unsigned mine = CornerBits(own);
  const unsigned theirs = CornerBits(opp);
  int v = 0;
  for (int k = 0; k < 4; ++k)
    v +=
        (w::kOwnCorner * static_cast<int>(mine >> k & 1) + w::kOppCorner * static_cast<int>(theirs >> k & 1)) * rims[k];
  return v;
}

// The empties of each quadrant side by side, a byte each (quadrant q in byte
// q - 1). A child's are its parent's less the move's square, one subtraction.
[[gnu::always_inline]] inline uint32_t QuadrantEmpties(uint64_t empty) {
  uint32_t packed = 0;
  for (int q = 1; q <= 4; ++q) packed |= static_cast<uint32_t>(Count(empty & kQuadrantMask[q])) << (8 * (q - 1));
  return packed;
}
constexpr std::array<uint32_t, 64> kQuadrantUnitOfBit = [] {
  std::array<uint32_t, 64> t{};
  for (int b = 0; b < 64; ++b) t[b] = kQuadrantUnit[kCellOfBit[b]];
  return t;
}();

// Quadrant parity, which counts only in quadrants with one to five empties:
// the moves there are counted only then (a node's children mostly agree on
// which quadrants those are, so the branch is predicted well).
[[gnu::always_inline]] inline int ParityValue(uint64_t ownMoves, uint64_t oppMoves, uint32_t quadrantEmpties) {
  namespace w = weights;
  int v = 0;
  for (int q = 1; q <= 4; ++q) {
    const int e = static_cast<int>(quadrantEmpties >> (8 * (q - 1)) & 0xFF);
    if (e < 1 || e > 5) continue;
    const bool ahead = Count(ownMoves & kQuadrantMask[q]) > Count(oppMoves & kQuadrantMask[q]);
    v += ahead ? w::kParityAhead[e] : w::kParityBehind[e];
  }
  return v;
}

// The squares of s in each quadrant, a byte each (quadrant q in byte q - 1),
// without the processor's bit count, which the baseline build lacks: each
// byte's two nibbles count a row's four squares of the left and the right
// half, and one multiplication adds up the rows of each half-board.
constexpr uint32_t QuadrantCounts(uint64_t s) {
  constexpr uint64_t kNibbles = 0x0F0F0F0F0F0F0F0FULL;
  uint64_t x = s - ((s >> 1) & 0x5555555555555555ULL);
  x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
  const uint64_t left = (x & kNibbles) * 0x01010101ULL;          // byte 3: rows 1-4, byte 7: rows 5-8
  const uint64_t right = ((x >> 4) & kNibbles) * 0x01010101ULL;  // the same for columns e-h
  return static_cast<uint32_t>((left >> 24 & 0xFF) | (right >> 16 & 0xFF00) | (left >> 40 & 0xFF0000) |
                               (right >> 32 & 0xFF000000));
}
static_assert([] {
  for (int sq = 0; sq < kCellTableSize; ++sq)
    if (kQuadrant[sq] && QuadrantCounts(Bit(sq)) != kQuadrantUnit[sq]) return false;
  return QuadrantCounts(~uint64_t{0}) == 0x10101010;
}());
constexpr int ByteSum(uint32_t bytes) {
  return static_cast<int>((bytes * 0x01010101U) >> 24);
}

}  // namespace

int TSearch::FindMoves(int row, int colour, int suggestion) {
  const TBoard& board = board_;
  auto& list = MoveList[row];
  auto& quadrants = QuadrantMoves[colour > 0 ? 1 : 0];
  uint64_t moves = 0;
  const int first = IsPlayingSquare(suggestion) ? kBitIndex[suggestion] : -1;
  const int n = movegen::MovesInWalkOrder(board.HeadTimes(), board.BitsOf(colour), board.BitsOf(-colour), first,
                                          list.data(), moves);
  SuggestionFirst = first >= 0 && (moves >> first & 1) != 0;
  MoveSet[row] = moves;
  const uint32_t perQuadrant = QuadrantCounts(moves);
  SafeMoves = n - ByteSum(QuadrantCounts(moves & ~kSafeMask));
  quadrants = {0, 0, 0, 0, 0};
  for (int q = 1; q <= 4; ++q) quadrants[q] = static_cast<int32_t>(perQuadrant >> (8 * (q - 1)) & 0xFF);
  return n;
}

namespace {

// The evaluation of a position for the side to move, own, against opp, whose
// linear terms (LinearValue) are given, built once per kind of processor
// below (Wide: the one with AVX2 and the bit-counting instructions).
// Everything it reads is a count or a sum over the two boards, so a position
// need not be on a board to be valued.
template <bool Wide>
[[gnu::always_inline]] inline int StaticValue(uint64_t own, uint64_t opp, int linear, uint32_t quadrantEmpties,
                                              int discPairs) {
  namespace w = weights;
  const uint64_t ownMoves = Wide ? LegalMovesWide(own, opp) : LegalMovesNarrow(own, opp);
  const uint64_t oppMoves = Wide ? LegalMovesWide(opp, own) : LegalMovesNarrow(opp, own);

  if ((ownMoves | oppMoves) == 0) {
    const int discs = Count(own) - Count(opp);
    if (discs > 0) return w::kWin + discs;
    if (discs < 0) return discs - w::kWin;
    return 0;
  }

  const uint64_t empty = ~(own | opp);
  int v = linear + w::kOwnSafeMove * Count(ownMoves & kSafeMask) + w::kOppSafeMove * Count(oppMoves & kSafeMask);

  // Held corners and the runs of discs from them (a full rim has its corners
  // taken). Most positions the search values hold no corner, and a branch
  // that skips the counting is predicted well among a node's children,
  // which mostly share their corners.
  if (((own | opp) & kCornerMask) != 0) v += CornerValue(own, opp, empty) + w::kRimAnchor * RimAnchors(own, opp, empty);
  const unsigned emptyCorners = CornerBits(empty);
  const uint64_t xs = kXByEmptyCorners[emptyCorners];
  const uint64_t cs = kCByEmptyCorners[emptyCorners];
  v += w::kXSquare * (Count(opp & xs) - Count(own & xs));
  v += w::kCSquare * (Count(opp & cs) - Count(own & cs));

  v += PairValue(own, opp, discPairs);
  v += ParityValue(ownMoves, oppMoves, quadrantEmpties);
  return v;
}

template <bool Wide>
[[gnu::always_inline]] inline int StaticValue(uint64_t own, uint64_t opp) {
  return StaticValue<Wide>(own, opp, LinearValue(own, opp), QuadrantEmpties(~(own | opp)), Pairs(own | opp));
}

// The children's values for the move order, each from the side that moves
// next, negated: the child's boards come from the move's flips, so no move is
// made on the board.
template <bool Wide>
[[gnu::always_inline]] inline void ChildValues(uint64_t own, uint64_t opp, const int32_t* moves, int n, int32_t* scores,
                                               uint64_t* flips, movegen::TFlipMask flipMask) {
  const int linear = LinearValue(opp, own);
  const uint32_t quadrantEmpties = QuadrantEmpties(~(own | opp));
  const int discPairs = Pairs(own | opp);
  for (int i = 0; i < n; ++i) {
    const int b = kBitIndex[moves[i]];
    const uint64_t f = flipMask(own, opp, b);
    flips[i] = f;
    const int childLinear = linear + kSquareWeights.Opp[b] + TurnedValue(f);
    scores[i] =
        -StaticValue<Wide>(opp & ~f, own | f | uint64_t{1} << b, childLinear, quadrantEmpties - kQuadrantUnitOfBit[b],
                           discPairs + Count(kNeighbours[b] & (own | opp)));
  }
}

// Built for the machine the program runs on, not the one it was built on:
// the baseline everywhere, and on x86-64 a second build for processors with
// AVX2, BMI2 and POPCNT, picked once at start-up.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))) int StaticValueWide(uint64_t own, uint64_t opp) {
  return StaticValue<true>(own, opp);
}
__attribute__((target("popcnt"))) int StaticValuePopcnt(uint64_t own, uint64_t opp) {
  return StaticValue<false>(own, opp);
}
int StaticValueBaseline(uint64_t own, uint64_t opp) {
  return StaticValue<false>(own, opp);
}
__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))) void ChildValuesWide(uint64_t own, uint64_t opp,
                                                                           const int32_t* moves, int n, int32_t* scores,
                                                                           uint64_t* flips) {
  ChildValues<true>(own, opp, moves, n, scores, flips, &movegen::FlipMaskWide);
}
__attribute__((target("popcnt"))) void ChildValuesPopcnt(uint64_t own, uint64_t opp, const int32_t* moves, int n,
                                                         int32_t* scores, uint64_t* flips) {
  ChildValues<false>(own, opp, moves, n, scores, flips, &movegen::FlipMaskPortable);
}
void ChildValuesBaseline(uint64_t own, uint64_t opp, const int32_t* moves, int n, int32_t* scores, uint64_t* flips) {
  ChildValues<false>(own, opp, moves, n, scores, flips, &movegen::FlipMaskPortable);
}

using TStaticValue = int (*)(uint64_t, uint64_t);
using TChildValues = void (*)(uint64_t, uint64_t, const int32_t*, int, int32_t*, uint64_t*);
struct TEvaluationBuild {
  TStaticValue Static;
  TChildValues Children;
};
// The builds this processor runs, the baseline first and the fastest last.
std::vector<TEvaluationBuild> RunnableBuilds() {
  __builtin_cpu_init();
  std::vector<TEvaluationBuild> builds = {{&StaticValueBaseline, &ChildValuesBaseline}};
  if (__builtin_cpu_supports("popcnt")) builds.push_back({&StaticValuePopcnt, &ChildValuesPopcnt});
  if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt"))
    builds.push_back({&StaticValueWide, &ChildValuesWide});
  return builds;
}
const TEvaluationBuild kBuild = RunnableBuilds().back();
#else
int StaticValueBaseline(uint64_t own, uint64_t opp) {
  return StaticValue<false>(own, opp);
}
void ChildValuesBaseline(uint64_t own, uint64_t opp, const int32_t* moves, int n, int32_t* scores, uint64_t* flips) {
  ChildValues<false>(own, opp, moves, n, scores, flips, &movegen::FlipMaskPortable);
}
struct TEvaluationBuild {
  int (*Static)(uint64_t, uint64_t);
  void (*Children)(uint64_t, uint64_t, const int32_t*, int, int32_t*, uint64_t*);
};
std::vector<TEvaluationBuild> RunnableBuilds() {
  return {{&StaticValueBaseline, &ChildValuesBaseline}};
}
const TEvaluationBuild kBuild = RunnableBuilds().back();
#endif

}  // namespace

namespace evaluation_builds {

int Count() {
  return static_cast<int>(RunnableBuilds().size());
}

int Static(int build, uint64_t own, uint64_t opp) {
  return RunnableBuilds().at(static_cast<size_t>(build)).Static(own, opp);
}

void Children(int build, uint64_t own, uint64_t opp, const int32_t* moves, int n, int32_t* scores, uint64_t* flips) {
  RunnableBuilds().at(static_cast<size_t>(build)).Children(own, opp, moves, n, scores, flips);
}

}  // namespace evaluation_builds

int TReversiCore::Evaluate(int /*depth*/, int colour) {
  return kBuild.Static(BitsOf(colour), BitsOf(-colour));
}

void TSearch::ValueChildrenFromFlips(int depth, int colour, int n) {
  kBuild.Children(board_.BitsOf(colour), board_.BitsOf(-colour), MoveList[depth].data(), n, MoveScore[depth].data(),
                  ChildFlips.data());
}

}  // namespace reversi
