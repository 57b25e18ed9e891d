// Ranking a short row of keys, and sorting a row of moves by score when no
// two scores are equal.
#pragma once

#include <climits>
#include <cstdint>
#include <cstring>

namespace reversi {

// Four keys side by side: the compiler's vector extension, which every
// x86-64 processor runs (SSE2) and other processors emulate.
typedef int32_t TKeys4 __attribute__((vector_size(16)));

// place[i] := the number of keys[0..n-1] greater than keys[i], for n <= 64;
// returns the number of ordered pairs (i, j) with keys[i] == keys[j], each
// key paired with itself included, so n exactly when all differ. Keys must be
// greater than INT_MIN, which pads the last group of four; place needs room
// up to that group's end (64 entries always do). Four keys are ranked at
// once against each key in turn, and no branch depends on the keys, which a
// predictor could not learn.
inline int RankByHigher(const int32_t* keys, int n, int32_t* place) {
  alignas(16) int32_t padded[64 + 3];
  std::memcpy(padded, keys, sizeof(int32_t) * static_cast<size_t>(n));
  padded[n] = padded[n + 1] = padded[n + 2] = INT_MIN;
  TKeys4 equal = {};
  for (int g = 0; g < n; g += 4) {
    TKeys4 mine;
    std::memcpy(&mine, padded + g, sizeof mine);
    TKeys4 higher = {};
    for (int j = 0; j < n; ++j) {
      const TKeys4 other = TKeys4{} + keys[j];
      higher -= other > mine;  // a true comparison is -1 in each lane
      equal -= other == mine;
    }
    std::memcpy(place + g, &higher, sizeof higher);
  }
  return equal[0] + equal[1] + equal[2] + equal[3];
}

// place[i] := the number of keys[0..n-1] greater than keys[i], for n <= 64
// keys that all differ, Lanes (4 or 8) at a time. keys is read and place
// written up to the end of the last group of Lanes, so the entries of keys
// past n must be set, below every key. No branch depends on the keys.
template <int Lanes>
[[gnu::always_inline]] inline void RankDistinct(const int32_t* keys, int n, int32_t* place) {
  typedef int32_t TLanes __attribute__((vector_size(4 * Lanes)));
  for (int g = 0; g < n; g += Lanes) {
    TLanes mine;
    std::memcpy(&mine, keys + g, sizeof mine);
    TLanes higher = {};
    // Two keys a step; the one past an odd n is below every key.
    for (int j = 0; j < n; j += 2) {
      higher -= (TLanes{} + keys[j]) > mine;  // a true comparison is -1 in each lane
      higher -= (TLanes{} + keys[j + 1]) > mine;
    }
    std::memcpy(place + g, &higher, sizeof higher);
  }
}

// Sorts score[0..n-1] highest first, moving each move with its score, and
// returns true, provided no two scores are equal; otherwise changes nothing
// and returns false. Without ties there is only one such order, so any sort
// gives the same result as the search's own quicksort, whose exact steps
// matter only for equal scores. Each entry's place is the count of higher
// scores. Scores must be greater than INT_MIN (evaluations are far inside).
inline bool SortDistinctDescending(int32_t* score, int32_t* move, int n) {
  if (n < 2 || n > 64) return n < 2;
  int32_t place[64];
  if (RankByHigher(score, n, place) != n) return false;
  int32_t sortedScore[64];
  int32_t sortedMove[64];
  for (int i = 0; i < n; ++i) {
    sortedScore[place[i]] = score[i];
    sortedMove[place[i]] = move[i];
  }
  for (int i = 0; i < n; ++i) {
    score[i] = sortedScore[i];
    move[i] = sortedMove[i];
  }
  return true;
}

// SortDistinctDescending in the build for the processor the program runs on,
// picked once at start-up; the others are there for the tests.
using TSortDistinct = bool (*)(int32_t* score, int32_t* move, int n);
extern const TSortDistinct SortDistinct;
#if defined(__x86_64__) && defined(__GNUC__)
bool SortDistinctWide(int32_t* score, int32_t* move, int n);  // for processors with AVX2
#endif

}  // namespace reversi
