// The analyst as a player: the learned evaluation's search (analyst/) on an
// analyst object of its own, kept from move to move so that its table
// helps the next search. A budget in milliseconds is its time per move; a
// depth, plies of midgame search and no exact solve.
//
// Strengths below the strongest value every move and choose at random among
// those that lose at most a budget of discs against the best, so that they
// still play sensibly: they never throw a corner or a won ending away for
// nothing, they merely pass over the finer moves. The window's analyst
// player chooses by the same rule.
#pragma once

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "Analyst.h"
#include "SearchingPlayer.h"

namespace reversi::engines {

// 0 strong, 1 good, 2 club, 3 beginner.
inline constexpr int kAnalystStrengths = 4;
// Discs a move may lose against the best, by strength.
double StrengthBudget(int strength);
// "strong", "good", "club", "beginner"; the player's name takes it as
// "analyst:good".
const char* StrengthWord(int strength);
// A strength from its word or its number; nothing for anything else.
std::optional<int> StrengthOf(const std::string& word);

// A move among values (best first) losing at most budget discs against the
// best, chosen at random; analysis::kNoMove when values is empty.
int ChooseWithin(const std::vector<analyst::TMoveValue>& values, double budget, std::mt19937& random);

class TAnalystPlayer : public TSearchingPlayer {
 public:
  // Null, with the reason, when the analyst's weights cannot be loaded.
  static std::unique_ptr<TAnalystPlayer> Make(std::string& error, int strength = 0);
  ~TAnalystPlayer() override;

  std::string Name() const override;
  std::vector<TMoveValue> Think(const TGame& game, const TBudget& budget, int count) override;
  // The strongest plays Think's best; the others choose within their budget.
  TMoveReply Generate(const TBudget& budget) override;

  int Strength() const { return strength_; }
  // The threads the analyst searches on (1, the default, to 64).
  void SetThreads(int threads) { analyst_->SetThreads(threads); }
  void Seed(uint32_t seed) { random_.seed(seed); }

 private:
  TAnalystPlayer(std::unique_ptr<analyst::TAnalyst> analyst, int strength);

  std::unique_ptr<analyst::TAnalyst> analyst_;
  int strength_ = 0;
  std::mt19937 random_{std::random_device{}()};
};

}  // namespace reversi::engines
