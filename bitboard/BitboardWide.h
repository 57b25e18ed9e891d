// Legal moves and flips four directions at a time, for code built for
// processors with AVX2. Included by Bitboard.h, whose plain versions give
// the same answers everywhere else.
#pragma once

#include <immintrin.h>

#include <array>
#include <cstdint>

namespace reversi::bits {
namespace VZ_ISA {

// The squares from a square to the edge, not the square itself, in four
// directions: towards H8 (lanes E, N, NE, NW as seen from A1) and towards A1
// (W, S, SW, SE). Lane i of both goes along kWideSteps[i].
struct alignas(32) TRays {
  uint64_t Up[4];
  uint64_t Down[4];
};
inline constexpr int kWideSteps[4] = {1, 8, 9, 7};

constexpr std::array<TRays, 64> MakeRays() {
  constexpr int kColumnStep[4] = {1, 0, 1, -1};  // per lane, going up
  std::array<TRays, 64> rays{};
  for (int sq = 0; sq < 64; ++sq)
    for (int lane = 0; lane < 4; ++lane)
      for (int sign : {1, -1}) {
        uint64_t ray = 0;
        int r = sq / 8 + sign * (kWideSteps[lane] == 1 ? 0 : 1), c = sq % 8 + sign * kColumnStep[lane];
        for (; r >= 0 && r < 8 && c >= 0 && c < 8;
             r += sign * (kWideSteps[lane] == 1 ? 0 : 1), c += sign * kColumnStep[lane])
          ray |= uint64_t{1} << (8 * r + c);
        (sign > 0 ? rays[sq].Up : rays[sq].Down)[lane] = ray;
      }
  return rays;
}
inline constexpr std::array<TRays, 64> kRays = MakeRays();

inline uint64_t OrLanes(__m256i v) {
  const __m128i h = _mm_or_si128(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
  return static_cast<uint64_t>(_mm_cvtsi128_si64(_mm_or_si128(h, _mm_unpackhi_epi64(h, h))));
}

// Going up a ray the first square that is not the opponent's is the lowest
// bit of the ray without them; going down, the highest, found by smearing
// each lane's bits down its own direction.
inline uint64_t FlipsWide(int square, uint64_t player, uint64_t opponent) {
  const __m256i p = _mm256_set1_epi64x(static_cast<long long>(player));
  const __m256i o = _mm256_set1_epi64x(static_cast<long long>(opponent));
  const __m256i zero = _mm256_setzero_si256();
  const __m256i one = _mm256_set1_epi64x(1);

  const __m256i up = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays[square].Up));
  const __m256i upFree = _mm256_andnot_si256(o, up);
  const __m256i upEnd = _mm256_and_si256(_mm256_and_si256(upFree, _mm256_sub_epi64(zero, upFree)), p);
  __m256i flips =
      _mm256_andnot_si256(_mm256_cmpeq_epi64(upEnd, zero), _mm256_and_si256(_mm256_sub_epi64(upEnd, one), up));

  const __m256i steps = _mm256_setr_epi64x(1, 8, 9, 7);
  const __m256i steps2 = _mm256_add_epi64(steps, steps), steps4 = _mm256_add_epi64(steps2, steps2);
  const __m256i down = _mm256_load_si256(reinterpret_cast<const __m256i*>(kRays[square].Down));
  const __m256i downFree = _mm256_andnot_si256(o, down);
  __m256i smear = _mm256_or_si256(downFree, _mm256_srlv_epi64(downFree, steps));
  smear = _mm256_or_si256(smear, _mm256_srlv_epi64(smear, steps2));
  smear = _mm256_or_si256(smear, _mm256_srlv_epi64(smear, steps4));
  const __m256i downEnd = _mm256_and_si256(_mm256_andnot_si256(_mm256_srlv_epi64(smear, steps), downFree), p);
  flips =
      _mm256_or_si256(flips, _mm256_andnot_si256(_mm256_cmpeq_epi64(downEnd, zero), _mm256_andnot_si256(smear, down)));
  return OrLanes(flips);
}

// The runs of the opponent's discs next to the player's, grown by doubling
// in all eight directions at once; the squares beyond them are the moves.
inline uint64_t LegalMovesWide(uint64_t player, uint64_t opponent) {
  constexpr uint64_t kInner = 0x7E7E7E7E7E7E7E7Eull;
  const __m256i steps = _mm256_setr_epi64x(1, 8, 9, 7);
  const __m256i steps2 = _mm256_add_epi64(steps, steps);
  const __m256i p = _mm256_set1_epi64x(static_cast<long long>(player));
  const __m256i run =
      _mm256_and_si256(_mm256_set1_epi64x(static_cast<long long>(opponent)),
                       _mm256_setr_epi64x(static_cast<long long>(kInner), -1, static_cast<long long>(kInner),
                                          static_cast<long long>(kInner)));
  __m256i up = _mm256_and_si256(run, _mm256_sllv_epi64(p, steps));
  __m256i down = _mm256_and_si256(run, _mm256_srlv_epi64(p, steps));
  up = _mm256_or_si256(up, _mm256_and_si256(run, _mm256_sllv_epi64(up, steps)));
  down = _mm256_or_si256(down, _mm256_and_si256(run, _mm256_srlv_epi64(down, steps)));
  const __m256i pairsUp = _mm256_and_si256(run, _mm256_sllv_epi64(run, steps));
  const __m256i pairsDown = _mm256_and_si256(run, _mm256_srlv_epi64(run, steps));
  up = _mm256_or_si256(up, _mm256_and_si256(pairsUp, _mm256_sllv_epi64(up, steps2)));
  down = _mm256_or_si256(down, _mm256_and_si256(pairsDown, _mm256_srlv_epi64(down, steps2)));
  up = _mm256_or_si256(up, _mm256_and_si256(pairsUp, _mm256_sllv_epi64(up, steps2)));
  down = _mm256_or_si256(down, _mm256_and_si256(pairsDown, _mm256_srlv_epi64(down, steps2)));
  const __m256i moves = _mm256_or_si256(_mm256_sllv_epi64(up, steps), _mm256_srlv_epi64(down, steps));
  return OrLanes(moves) & ~(player | opponent);
}

}  // namespace VZ_ISA
}  // namespace reversi::bits
