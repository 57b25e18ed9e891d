#include "AnalystPlayer.h"

#include <algorithm>

#include "Analyst.h"
#include "EngineAdapter.h"

namespace reversi::engines {

std::unique_ptr<TAnalystPlayer> TAnalystPlayer::Make(std::string& error) {
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) return nullptr;
  return std::unique_ptr<TAnalystPlayer>(new TAnalystPlayer(std::make_unique<analyst::TAnalyst>(evaluation)));
}

TAnalystPlayer::TAnalystPlayer(std::unique_ptr<analyst::TAnalyst> analyst) : analyst_(std::move(analyst)) {}

TAnalystPlayer::~TAnalystPlayer() = default;

std::vector<TMoveValue> TAnalystPlayer::Think(const TGame& game, const TBudget& budget, int count) {
  nodes_.store(0);
  TPosition position;
  if (!FinalPosition(game, position) || IsOver(position) || count < 1) return {};
  analysis::TBitPosition bits;
  for (int i = 0; i < 64; ++i) {
    if (position.Squares[i] == position.Side) bits.Player |= uint64_t{1} << i;
    if (position.Squares[i] == -position.Side) bits.Opponent |= uint64_t{1} << i;
  }
  analyst::TLimits limits;
  if (budget.Depth > 0)
    limits.Depth = budget.Depth;
  else
    limits.Seconds = std::max<int64_t>(budget.Millis, 1) / 1000.0;
  std::vector<TMoveValue> values;
  if (count == 1) {
    const analyst::TAnalysis a = analyst_->Analyse(bits, limits, &StopFlag());
    nodes_.store(a.Nodes);
    if (a.Move >= 0) values.push_back({analysis::CellOf(a.Move), a.Value, true, a.Depth, a.Exact});
    return values;
  }
  for (const analyst::TMoveValue& m : analyst_->AnalyseMoves(bits, limits, &StopFlag())) {
    if (static_cast<int>(values.size()) == count) break;
    values.push_back({analysis::CellOf(m.Move), m.Value, true, m.Depth, m.Exact});
  }
  return values;
}

}  // namespace reversi::engines
