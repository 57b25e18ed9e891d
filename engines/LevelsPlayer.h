// The classic computer player as a player: the engine core's search at a
// level (fixed depth) or for a time, with the window's search settings, on
// an engine object of its own. Optionally it solves the last empties exactly
// with the analysis library's solver, as the window's perfect endgame does.
#pragma once

#include <memory>
#include <string>

#include "SearchingPlayer.h"

namespace reversi {
class TReversiCore;
}

namespace reversi::engines {

class TStopHooks;

class TLevelsPlayer : public TSearchingPlayer {
 public:
  TLevelsPlayer();
  ~TLevelsPlayer() override;

  std::string Name() const override;
  std::vector<TMoveValue> Think(const TGame& game, const TBudget& budget, int count) override;

  // Positions with this many empty squares or fewer are solved exactly;
  // 0 (the default) never, as the classic player plays.
  void SetExactFrom(int empties) { exactFrom_ = empties; }
  // A level 1..12 that replaces every budget's; 0 (the default) none.
  void SetFixedDepth(int level) { fixedDepth_ = level; }

 private:
  TMoveValue Search(const TGame& game, const TBudget& budget);
  std::vector<TMoveValue> Solve(const TGame& game, int count);
  std::vector<TMoveValue> ValueEach(const TGame& game, const TBudget& budget, int count);

  std::unique_ptr<TReversiCore> core_;
  std::unique_ptr<TStopHooks> hooks_;
  int exactFrom_ = 0;
  int fixedDepth_ = 0;
};

}  // namespace reversi::engines
