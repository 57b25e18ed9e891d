#include "RankSort.h"

#include <climits>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

namespace reversi {

namespace {

bool SortDistinctPortable(int32_t* score, int32_t* move, int n) {
  return SortDistinctDescending(score, move, n);
}

}  // namespace

#if defined(__x86_64__) && defined(__GNUC__)

// The row is read and written eight entries at a time through masks, so
// nothing past its end is touched and nothing is copied twice. Equal scores
// get the same place, so they show as a place left empty.
__attribute__((target("avx2"))) bool SortDistinctWide(int32_t* score, int32_t* move, int n) {
  if (n < 2 || n > 64) return n < 2;
  const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  alignas(32) int32_t keys[64 + 8];
  for (int g = 0; g < n; g += 8) {
    const __m256i inRow = _mm256_cmpgt_epi32(_mm256_set1_epi32(n - g), lanes);
    const __m256i past = _mm256_andnot_si256(inRow, _mm256_set1_epi32(INT_MIN));  // below every score
    _mm256_store_si256(reinterpret_cast<__m256i*>(keys + g),
                       _mm256_or_si256(_mm256_maskload_epi32(score + g, inRow), past));
  }
  alignas(32) int32_t place[64 + 8];
  RankDistinct<8>(keys, n, place);
  alignas(32) int32_t sortedScore[64 + 8];
  alignas(32) int32_t sortedMove[64 + 8];
  uint64_t placed = 0;
  for (int i = 0; i < n; ++i) {
    sortedScore[place[i]] = keys[i];
    sortedMove[place[i]] = move[i];
    placed |= uint64_t{1} << place[i];
  }
  if (placed != ~uint64_t{0} >> (64 - n)) return false;
  for (int g = 0; g < n; g += 8) {
    const __m256i inRow = _mm256_cmpgt_epi32(_mm256_set1_epi32(n - g), lanes);
    _mm256_maskstore_epi32(score + g, inRow, _mm256_load_si256(reinterpret_cast<const __m256i*>(sortedScore + g)));
    _mm256_maskstore_epi32(move + g, inRow, _mm256_load_si256(reinterpret_cast<const __m256i*>(sortedMove + g)));
  }
  return true;
}

const TSortDistinct SortDistinct = [] {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") ? &SortDistinctWide : &SortDistinctPortable;
}();

#else

const TSortDistinct SortDistinct = &SortDistinctPortable;

#endif

}  // namespace reversi
