// vezari-analyze --analyse: the analyst's best move and value as one JSON line.
#pragma once

#include "Board.h"

namespace reversi {

struct TAnalyseOptions {
  int Depth = 0;       // plies of midgame search only; 0 for none
  double Seconds = 0;  // time for the analysis; 0 for none
  int Threads = 1;
};

// Default when neither a depth nor a time is given.
inline constexpr double kAnalyseDefaultSeconds = 1.0;

// Exit status when the analyst's weights cannot be loaded.
inline constexpr int kNoWeightsStatus = 6;

// Analyses the board's position for its side to move and prints
// {"move":"C4","value":2.35,"depth":14,"exact":false,"nodes":N,"pv":"C4 C3 ..."}.
// Returns the exit status: 0, 3 when the side to move has no legal move,
// kNoWeightsStatus.
int RunAnalyse(const TBoard& board, const TAnalyseOptions& options);

}  // namespace reversi
