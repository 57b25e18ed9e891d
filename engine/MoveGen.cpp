#include "MoveGen.h"

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

int AppendMovesInWalkOrder(const std::array<uint64_t, 64>& headTimes, const TRunStarts& starts, uint64_t opp,
                           uint64_t& listed, int32_t* out, int n) {
  // The discs that start a capture, latest head time first: each one's place
  // is the count of later ones (no branch on the times, which a predictor
  // could not learn).
  std::array<uint64_t, 64> time;
  std::array<int, 64> disc;
  int count = 0;
  for (uint64_t rest = starts.Any; rest; rest &= rest - 1) {
    disc[count] = std::countr_zero(rest);
    time[count] = headTimes[disc[count]];
    ++count;
  }
  std::array<int, 64> order;
  for (int i = 0; i < count; ++i) {
    int later = 0;
    for (int j = 0; j < count; ++j) later += time[j] > time[i];
    order[later] = disc[i];
  }
  for (int i = 0; i < count; ++i) {
    const int b = order[i];
    unsigned directions = 0;  // bit k: the disc finds a move in direction k
    for (int k = 0; k < 8; ++k) directions |= static_cast<unsigned>(starts.ByDirection[k] >> b & 1) << k;
    for (; directions; directions &= directions - 1) {
      const int k = std::countr_zero(directions);
      const uint64_t stops = kRays[k][b] & ~opp;  // not empty: the run ends on an empty square
      const int m = kBitSteps[k] > 0 ? std::countr_zero(stops) : 63 - std::countl_zero(stops);
      const uint64_t mBit = uint64_t{1} << m;
      out[n] = kCellOfBit[m];
      n += (listed & mBit) == 0;
      listed |= mBit;
    }
  }
  return n;
}

namespace {

// Eight cells in a row, for writing a whole run at once.
typedef int32_t TCellRow __attribute__((vector_size(32)));

// The cells square + j * d, j = 1..8, for each direction d of the fixed order.
alignas(32) constexpr std::array<std::array<int32_t, 8>, 8> kRunSteps = [] {
  std::array<std::array<int32_t, 8>, 8> steps{};
  for (int k = 0; k < 8; ++k)
    for (int j = 0; j < 8; ++j) steps[k][j] = (j + 1) * kDirections[k];
  return steps;
}();

// The number of discs turned in direction k. No branch depends on the board:
// moves are too varied for a branch predictor to learn. A sentinel square at
// the far end of the board stands in when the whole ray is the opponent's; it
// is never an own square of the ray.
template <int K>
int RunLength(uint64_t own, uint64_t opp, int b) {
  constexpr int step = kBitSteps[K];
  constexpr uint64_t sentinel = step > 0 ? uint64_t{1} << 63 : uint64_t{1};
  const uint64_t ray = kRays[K][b];
  const uint64_t stops = (ray & ~opp) | sentinel;
  const int end = step > 0 ? __builtin_ctzll(stops) : 63 - __builtin_clzll(stops);  // stops is not empty
  const int closed = static_cast<int>((own & ray) >> end & 1);
  // Steps from b to end, read off the columns along a row, the rows otherwise.
  const int distance = step == 1 || step == -1 ? (end & 7) - (b & 7) : (end >> 3) - (b >> 3);
  return ((step > 0 ? distance : -distance) - 1) & -closed;
}

template <int K>
int AppendRun(uint64_t own, uint64_t opp, int b, const TCellRow& square, int32_t* out, int count) {
  TCellRow steps;
  __builtin_memcpy(&steps, kRunSteps[K].data(), sizeof steps);
  const TCellRow cells = square + steps;
  __builtin_memcpy(out + count, &cells, sizeof cells);
  return count + RunLength<K>(own, opp, b);
}

}  // namespace

int FlipsInTurningOrder(uint64_t own, uint64_t opp, int b, int32_t* out) {
  const int32_t q = kCellOfBit[b];
  const TCellRow square = TCellRow{} + q;
  int count = AppendRun<0>(own, opp, b, square, out, 0);
  count = AppendRun<1>(own, opp, b, square, out, count);
  count = AppendRun<2>(own, opp, b, square, out, count);
  count = AppendRun<3>(own, opp, b, square, out, count);
  count = AppendRun<4>(own, opp, b, square, out, count);
  count = AppendRun<5>(own, opp, b, square, out, count);
  count = AppendRun<6>(own, opp, b, square, out, count);
  return AppendRun<7>(own, opp, b, square, out, count);
}

}  // namespace reversi::movegen
