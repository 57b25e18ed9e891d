// Players that search in this process, on objects of their own: the
// classic player, the analyst. A new one needs only Name and Think.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "Player.h"

namespace reversi::engines {

class TSearchingPlayer : public TPlayer {
 public:
  bool NewGame(const TGame& game, std::string& error) override;
  bool Play(int square, std::string& error) override;
  // Think's best move, played on the player's game.
  TMoveReply Generate(const TBudget& budget) override;

  // The values of up to count of the best moves in the game's last
  // position, best first; empty when the game is over. Stop ends it early
  // with what it has. Leaves the player's own game alone.
  virtual std::vector<TMoveValue> Think(const TGame& game, const TBudget& budget, int count) = 0;

  // Nodes of the Think under way (any thread may read them).
  int64_t NodesSoFar() const { return nodes_.load(std::memory_order_relaxed); }
  const TGame& Game() const { return game_; }

 protected:
  std::atomic<int64_t> nodes_{0};

 private:
  TGame game_;
};

// The positions after each legal move of a game's last position, in square
// order: the game with the move added and whether the mover moves again
// (the opponent must pass). For players that value moves one by one.
struct TChild {
  int Square = 0;
  TGame Game;
  TPosition Position;
  bool SameSide = false;
};
std::vector<TChild> Children(const TGame& game);

// Whether the game's last move left the opponent without a move, so that
// a pass comes next, for those who write passes down.
bool PassFollows(const TGame& game);

// The final disc margin for the side to move of a finished position, the
// empty squares to the winner.
int FinalMargin(const TPosition& position, int side);

}  // namespace reversi::engines
