#include "Analyse.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "Analyst.h"
#include "EngineAdapter.h"

namespace reversi {

namespace {

std::string Line(const std::vector<int>& moves) {
  std::string text;
  for (int m : moves) {
    // Appended piece by piece: GCC 12 warns of a bound it cannot rule out
    // when a const char* and a returned string are added first (LTO).
    if (!text.empty()) text += ' ';
    text += analysis::MoveName(m);
  }
  return text;
}

}  // namespace

int RunAnalyse(const TBoard& board, const TAnalyseOptions& options) {
  const analysis::TBitPosition position = analysis::FromBoard(board);
  if (!analysis::LegalMoves(position.Player, position.Opponent)) {
    std::cout << "{\"error\":\"no legal move\"}\n";
    return 3;
  }
  std::string error;
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) {
    std::cerr << "vezari-analyze: " << error << "\n";
    return kNoWeightsStatus;
  }
  analyst::TAnalyst analyst(evaluation);
  analyst.SetThreads(options.Threads);
  analyst::TLimits limits;
  limits.Depth = options.Depth;
  limits.Seconds =
      options.Depth > 0 ? options.Seconds : (options.Seconds > 0 ? options.Seconds : kAnalyseDefaultSeconds);
  const analyst::TAnalysis a = analyst.Analyse(position, limits);
  char value[32];
  std::snprintf(value, sizeof value, "%.2f", a.Value);
  std::cout << "{\"move\":\"" << analysis::MoveName(a.Move) << "\",\"value\":" << value << ",\"depth\":" << a.Depth
            << ",\"exact\":" << (a.Exact ? "true" : "false") << ",\"nodes\":" << a.Nodes << ",\"pv\":\"" << Line(a.Pv)
            << "\"}\n";
  return 0;
}

}  // namespace reversi
