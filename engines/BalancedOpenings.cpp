#include "BalancedOpenings.h"

#include "Analyst.h"
#include "BalancedStart.h"
#include "Geometry.h"

namespace reversi::engines {

std::vector<TGame> BalancedOpenings(uint64_t seed, int count) {
  std::string error;
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) evaluation = analyst::TEvaluation::StandIn();
  analyst::TAnalyst judge(evaluation);
  analyst::TLimits limits;
  limits.Depth = 8;
  std::vector<TGame> games;
  for (int i = 0; i < count; ++i) {
    const auto start =
        openings::FindBalancedStart(seed + static_cast<uint64_t>(i), [&](const openings::TSidePosition& p) {
          return judge.Analyse({p.Player, p.Opponent}, limits).Value;
        });
    if (!start) continue;
    TGame game;
    for (int square : start->Moves) game.Moves.push_back(kCellOfBit[square]);
    games.push_back(std::move(game));
  }
  return games;
}

}  // namespace reversi::engines
