#include "MoveGen.h"

#include "RankSort.h"

namespace reversi::movegen {

namespace {

// The own discs from which direction k (bit step `step`) runs over opponent
// discs onto an empty square. The run is grown backwards from the empty
// squares, at most six discs long, by doubling. opp must be limited to the
// columns a run in this direction can use, so that no shift wraps a row.
uint64_t StartsAlong(int step, uint64_t own, uint64_t opp, uint64_t empty) {
  const int back = -step;
  uint64_t run = opp & Shifted(empty, back);  // the last disc of each run
  run |= opp & Shifted(run, back);
  const uint64_t pairs = opp & Shifted(opp, back);
  run |= pairs & Shifted(run, 2 * back);
  run |= pairs & Shifted(run, 2 * back);
  return own & Shifted(run, back);
}

}  // namespace

TRunStarts RunStarts(uint64_t own, uint64_t opp) {
  const uint64_t empty = ~(own | opp);
  const uint64_t inner = opp & kInnerColumns;
  TRunStarts s;
  for (int k = 0; k < 8; ++k) {
    const int step = kBitSteps[k];
    s.ByDirection[k] = StartsAlong(step, own, step == 8 || step == -8 ? opp : inner, empty);
    s.Any |= s.ByDirection[k];
  }
  return s;
}

// Each move is found first by the earliest disc of the walk that reaches it,
// and by that disc's first direction that does: the smallest key
// 8 * (the disc's place in the walk) + direction. So the walk need not stop
// at every disc and ask each direction: every (disc, direction) pair that
// finds a move marks its key in a bit set, and reading the set in rising
// order takes the pairs in walk order.
int AppendMovesInWalkOrder(const std::array<int32_t, 64>& headTimes, const TRunStarts& starts, uint64_t opp,
                           uint64_t& listed, int32_t* out, int n) {
  // The discs that start a capture, by their place in the walk: the count of
  // later head times.
  std::array<int32_t, 64> time;
  std::array<int, 64> disc;
  int count = 0;
  for (uint64_t rest = starts.Any; rest; rest &= rest - 1) {
    disc[count] = std::countr_zero(rest);
    time[count] = headTimes[disc[count]];
    ++count;
  }
  std::array<int32_t, 64> later;
  RankByHigher(time.data(), count, later.data());
  std::array<int32_t, 64> place;
  for (int i = 0; i < count; ++i) place[disc[i]] = 8 * later[i];

  std::array<uint64_t, 8> keys{};   // bit key % 64 of word key / 64
  std::array<uint8_t, 512> moveOf;  // read only where keys has the bit
  for (int k = 0; k < 8; ++k) {
    for (uint64_t rest = starts.ByDirection[k]; rest; rest &= rest - 1) {
      const int b = std::countr_zero(rest);
      const uint64_t stops = kRays[k][b] & ~opp;  // not empty: the run ends on an empty square
      // The nearest stop: the lowest one in a rising direction (even k), the
      // highest in a falling one, picked without a branch.
      const int low = std::countr_zero(stops);
      const int high = 63 - std::countl_zero(stops);
      const int key = place[b] + k;
      moveOf[key] = static_cast<uint8_t>(low ^ ((low ^ high) & -(k & 1)));
      keys[key >> 6] |= uint64_t{1} << (key & 63);
    }
  }
  for (int w = 0; w < (8 * count + 63) / 64; ++w)
    for (uint64_t rest = keys[w]; rest; rest &= rest - 1) {
      const int m = moveOf[64 * w + std::countr_zero(rest)];
      const uint64_t mBit = uint64_t{1} << m;
      out[n] = kCellOfBit[m];
      n += (listed & mBit) == 0;
      listed |= mBit;
    }
  return n;
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

typedef uint64_t U64x4 __attribute__((vector_size(32)));

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

#else

const TFlipMask FlipMask = &FlipMaskPortable;

#endif

}  // namespace reversi::movegen
