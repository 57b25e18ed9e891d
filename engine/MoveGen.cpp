#include "MoveGen.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

#include "RankSort.h"

namespace reversi::movegen {

namespace {

// The own discs from which direction k runs over opponent discs onto an empty
// square. The run is grown backwards from the empty squares, at most six discs
// long, by doubling. Runs with a horizontal part use columns B..G only, so
// opp is cut to those and no shift wraps a row.
template <int K>
[[gnu::always_inline]] inline uint64_t StartsAlong(uint64_t own, uint64_t opp, uint64_t empty) {
  constexpr int back = -kBitSteps[K];
  if constexpr (back != 8 && back != -8) opp &= kInnerColumns;
  uint64_t run = opp & Shifted(empty, back);  // the last disc of each run
  run |= opp & Shifted(run, back);
  const uint64_t pairs = opp & Shifted(opp, back);
  run |= pairs & Shifted(run, 2 * back);
  run |= pairs & Shifted(run, 2 * back);
  return own & Shifted(run, back);
}

template <size_t... K>
[[gnu::always_inline]] inline std::array<uint64_t, 8> Starts(uint64_t own, uint64_t opp, std::index_sequence<K...>) {
  const uint64_t empty = ~(own | opp);
  return {StartsAlong<K>(own, opp, empty)...};
}

// The same, four directions at a time: worth it only where the processor
// shifts each lane by its own amount (AVX2), so it is only ever inlined into
// the build for that. The rising directions (even k) grow their runs down,
// the falling ones up.
typedef uint64_t U64x4 __attribute__((vector_size(32)));

[[gnu::always_inline]] inline std::array<uint64_t, 8> StartsWide(uint64_t own, uint64_t opp) {
  const U64x4 step = {1, 7, 8, 9};
  const U64x4 columns = {kInnerColumns, kInnerColumns, ~uint64_t{0}, kInnerColumns};
  const U64x4 o = (U64x4{} + opp) & columns;
  const U64x4 e = U64x4{} + ~(own | opp);
  const U64x4 p = U64x4{} + own;
  U64x4 down = o & (e >> step);
  U64x4 up = o & (e << step);
  down |= o & (down >> step);
  up |= o & (up << step);
  const U64x4 pairsDown = o & (o >> step);
  const U64x4 pairsUp = o & (o << step);
  down |= pairsDown & (down >> (step * 2));
  up |= pairsUp & (up << (step * 2));
  down |= pairsDown & (down >> (step * 2));
  up |= pairsUp & (up << (step * 2));
  const U64x4 rising = p & (down >> step);
  const U64x4 falling = p & (up << step);
  return {rising[0], falling[0], rising[1], falling[1], rising[2], falling[2], rising[3], falling[3]};
}

// A walk finds each move first from the earliest disc that reaches it, and
// from that disc's first direction that does. The disc's place in the walk is
// the order of head times, so the pair's key 8 * (head time) + 7 - k is
// higher the earlier the pair comes; keyOf[m] keeps the highest key of move m.
// No two moves share a pair, so no two keys are equal.
template <int K>
[[gnu::always_inline]] inline uint64_t KeysAlong(const std::array<int32_t, 64>& headTimes, uint64_t starts,
                                                 uint64_t opp, int32_t* keyOf) {
  static_assert(int64_t{TBoard::kTimeLimit} * 8 - 1 <= INT32_MAX, "a key must fit in 32 bits");
  uint64_t found = 0;
  for (uint64_t rest = starts; rest; rest &= rest - 1) {
    const int b = __builtin_ctzll(rest);
    // The run ends on an empty square, so there is a stop, and the nearest
    // one is the move.
    const uint64_t stops = kRays[K][b] & ~opp;
    const int m = kBitSteps[K] > 0 ? __builtin_ctzll(stops) : 63 ^ __builtin_clzll(stops);
    keyOf[m] = std::max(keyOf[m], 8 * headTimes[b] + (7 - K));
    found |= uint64_t{1} << m;
  }
  return found;
}

template <size_t... K>
[[gnu::always_inline]] inline uint64_t KeysOfMoves(const std::array<int32_t, 64>& headTimes,
                                                   const std::array<uint64_t, 8>& starts, uint64_t opp, int32_t* keyOf,
                                                   std::index_sequence<K...>) {
  return (KeysAlong<K>(headTimes, starts[K], opp, keyOf) | ...);
}

// The moves other than the suggestion are ranked by key, Lanes keys at once.
template <int Lanes>
[[gnu::always_inline]] inline int WalkOrder(const std::array<int32_t, 64>& headTimes, uint64_t own, uint64_t opp,
                                            int suggestion, int32_t* out, uint64_t& moves) {
  std::array<uint64_t, 8> starts;
  if constexpr (Lanes == 8)
    starts = StartsWide(own, opp);
  else
    starts = Starts(own, opp, std::make_index_sequence<8>());
  alignas(32) int32_t keyOf[64] = {};  // below every key: head times are positive
  moves = KeysOfMoves(headTimes, starts, opp, keyOf, std::make_index_sequence<8>());
  uint64_t rest = moves;
  int first = 0;
  if (suggestion >= 0 && (moves >> suggestion & 1) != 0) {
    out[first++] = kCellOfBit[suggestion];
    rest &= ~(uint64_t{1} << suggestion);
  }
  alignas(32) int32_t square[64];
  alignas(32) int32_t key[64 + Lanes];
  int n = 0;
  for (; rest; rest &= rest - 1) {
    square[n] = __builtin_ctzll(rest);
    key[n] = keyOf[square[n]];
    ++n;
  }
  std::memset(key + n, 0, sizeof(int32_t) * Lanes);  // the last group's rest: below every key, ranked but not read
  alignas(32) int32_t earlier[64 + Lanes];
  RankDistinct<Lanes>(key, n, earlier);
  for (int i = 0; i < n; ++i) out[first + earlier[i]] = kCellOfBit[square[i]];
  return first + n;
}

}  // namespace

int MovesInWalkOrderPortable(const std::array<int32_t, 64>& headTimes, uint64_t own, uint64_t opp, int suggestion,
                             int32_t* out, uint64_t& moves) {
  return WalkOrder<4>(headTimes, own, opp, suggestion, out, moves);
}

namespace {

// The discs turned in direction k: the run of opponent discs from b up to the
// first square of the ray that is not the opponent's, kept only when that
// square is own. No branch depends on the board: moves are too varied for a
// branch predictor to learn.
template <int K>
[[gnu::always_inline]] inline uint64_t RunTurned(uint64_t own, uint64_t opp, int b) {
  const uint64_t ray = kRays[K][b];
  const uint64_t stops = ray & ~opp;
  if constexpr (kBitSteps[K] > 0) {
    const uint64_t end = stops & (0 - stops);  // 0 when the whole ray is the opponent's
    return ray & (end - 1) & (0 - static_cast<uint64_t>((own & end) != 0));
  } else {
    const uint64_t end = stops & (uint64_t{1} << (63 - __builtin_clzll(stops | 1)));
    return ray & ~((end << 1) - 1) & (0 - static_cast<uint64_t>((own & end) != 0));
  }
}

}  // namespace

uint64_t FlipMaskPortable(uint64_t own, uint64_t opp, int b) {
  return RunTurned<0>(own, opp, b) | RunTurned<1>(own, opp, b) | RunTurned<2>(own, opp, b) | RunTurned<3>(own, opp, b) |
         RunTurned<4>(own, opp, b) | RunTurned<5>(own, opp, b) | RunTurned<6>(own, opp, b) | RunTurned<7>(own, opp, b);
}

#if defined(__x86_64__) && defined(__GNUC__)

namespace {

// The rays of the rising directions (+1, +7, +8, +9) and of the falling ones
// (-1, -7, -8, -9) from each bit index, four to a row.
struct TRayRows {
  alignas(32) std::array<std::array<uint64_t, 4>, 64> Rising{}, Falling{};
};
constexpr TRayRows kRayRows = [] {
  TRayRows r;
  for (int b = 0; b < 64; ++b)
    for (int lane = 0; lane < 4; ++lane) {
      r.Rising[b][lane] = kRays[2 * lane][b];
      r.Falling[b][lane] = kRays[2 * lane + 1][b];
    }
  return r;
}();

}  // namespace

// The same as FlipMaskPortable, four directions at a time. In a falling
// direction the nearest stop is the highest, which AVX2 cannot find in a lane
// directly: every square of the ray at or below it is found by smearing the
// stops down the ray instead.
__attribute__((target("avx2"))) uint64_t FlipMaskWide(uint64_t own, uint64_t opp, int b) {
  const U64x4 step = {1, 7, 8, 9};
  const U64x4 own4 = U64x4{} + own;
  const U64x4 notOpp = U64x4{} + ~opp;
  U64x4 rising;
  U64x4 falling;
  __builtin_memcpy(&rising, kRayRows.Rising[b].data(), sizeof rising);
  __builtin_memcpy(&falling, kRayRows.Falling[b].data(), sizeof falling);

  const U64x4 upStops = rising & notOpp;
  const U64x4 upEnd = upStops & (U64x4{} - upStops);  // the lowest stop, or none
  const U64x4 up = rising & (upEnd - 1) & (U64x4)((own4 & upEnd) != 0);

  const U64x4 downStops = falling & notOpp;
  U64x4 below = downStops | (downStops >> step);
  below |= below >> (step * 2);
  below |= below >> (step * 4);  // each ray square at or below the highest stop
  const U64x4 downEnd = downStops & ~(below >> step);
  const U64x4 down = falling & ~below & (U64x4)((own4 & downEnd) != 0);

  const U64x4 all = up | down;
  return all[0] | all[1] | all[2] | all[3];
}

const TFlipMask FlipMask = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? &FlipMaskWide : &FlipMaskPortable;
}();

__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))) int MovesInWalkOrderWide(const std::array<int32_t, 64>& headTimes,
                                                                               uint64_t own, uint64_t opp,
                                                                               int suggestion, int32_t* out,
                                                                               uint64_t& moves) {
  return WalkOrder<8>(headTimes, own, opp, suggestion, out, moves);
}

const TMovesInWalkOrder MovesInWalkOrder = [] {
  __builtin_cpu_init();
  const bool wide =
      __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt");
  return wide ? &MovesInWalkOrderWide : &MovesInWalkOrderPortable;
}();

#else

const TFlipMask FlipMask = &FlipMaskPortable;
const TMovesInWalkOrder MovesInWalkOrder = &MovesInWalkOrderPortable;

#endif

}  // namespace reversi::movegen
