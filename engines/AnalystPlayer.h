// The analyst as a player: the learned evaluation's search (analyst/) on an
// analyst object of its own, kept from move to move so that its table
// helps the next search. A budget in milliseconds is its time per move; a
// depth, plies of midgame search and no exact solve.
#pragma once

#include <memory>
#include <string>

#include "SearchingPlayer.h"

namespace reversi::analyst {
class TAnalyst;
}

namespace reversi::engines {

class TAnalystPlayer : public TSearchingPlayer {
 public:
  // Null, with the reason, when the analyst's weights cannot be loaded.
  static std::unique_ptr<TAnalystPlayer> Make(std::string& error);
  ~TAnalystPlayer() override;

  std::string Name() const override { return "Vezari Zaduder analyst"; }
  std::vector<TMoveValue> Think(const TGame& game, const TBudget& budget, int count) override;

 private:
  explicit TAnalystPlayer(std::unique_ptr<analyst::TAnalyst> analyst);

  std::unique_ptr<analyst::TAnalyst> analyst_;
};

}  // namespace reversi::engines
