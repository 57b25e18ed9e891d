// Sorting a row of moves by score when no two scores are equal.
#pragma once

#include <cstdint>

namespace reversi {

// Sorts score[0..n-1] highest first, moving each move with its score, and
// returns true, provided no two scores are equal; otherwise changes nothing
// and returns false. Without ties there is only one such order, so any sort
// gives the same result as the search's own quicksort, whose exact steps
// matter only for equal scores. Each entry's place is the count of higher
// scores: no branch depends on the scores, which a predictor could not learn.
inline bool SortDistinctDescending(int32_t* score, int32_t* move, int n) {
  if (n < 2 || n > 64) return n < 2;
  int32_t place[64];
  int equal = 0;
  for (int i = 0; i < n; ++i) {
    int higher = 0;
    for (int j = 0; j < n; ++j) {
      higher += score[j] > score[i];
      equal += score[j] == score[i];
    }
    place[i] = higher;
  }
  if (equal != n) return false;  // each entry equals itself only
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

}  // namespace reversi
