#include "SearchingPlayer.h"

#include <bit>

namespace reversi::engines {

bool TSearchingPlayer::NewGame(const TGame& game, std::string& error) {
  TPosition position;
  if (!FinalPosition(game, position)) {
    error = "the game's moves do not replay";
    return false;
  }
  game_ = game;
  return true;
}

bool TSearchingPlayer::Play(int square, std::string& error) {
  TPosition position;
  FinalPosition(game_, position);
  if (!PlayOn(position, square)) {
    error = "illegal move " + SquareName(square);
    return false;
  }
  game_.Moves.push_back(square);
  return true;
}

TMoveReply TSearchingPlayer::Generate(const TBudget& budget) {
  TMoveReply reply;
  const std::vector<TMoveValue> best = Think(game_, budget, 1);
  if (best.empty()) {
    reply.Error = "no move: the game is over";
    return reply;
  }
  reply.Move = best.front();
  if (std::string error; !Play(reply.Move.Square, error)) reply.Error = Name() + " chose an " + error;
  return reply;
}

std::vector<TChild> Children(const TGame& game) {
  std::vector<TChild> children;
  TPosition position;
  if (!FinalPosition(game, position)) return children;
  for (uint64_t moves = LegalMoves(position); moves != 0; moves &= moves - 1) {
    TChild child;
    child.Square = kCellOfBit[std::countr_zero(moves)];
    child.Game = game;
    child.Game.Moves.push_back(child.Square);
    child.Position = position;
    PlayOn(child.Position, child.Square);
    child.SameSide = child.Position.Side == position.Side && !IsOver(child.Position);
    children.push_back(std::move(child));
  }
  return children;
}

bool PassFollows(const TGame& game) {
  if (game.Moves.empty()) return false;
  TGame before = game;
  before.Moves.pop_back();
  TPosition position;
  if (!FinalPosition(before, position)) return false;
  const int mover = position.Side;
  PlayOn(position, game.Moves.back());
  return position.Side == mover && !IsOver(position);
}

int FinalMargin(const TPosition& position, int side) {
  int mine = 0, theirs = 0;
  for (int8_t s : position.Squares) {
    if (s == side)
      ++mine;
    else if (s == -side)
      ++theirs;
  }
  const int empties = 64 - mine - theirs;
  if (mine > theirs) return mine - theirs + empties;
  if (mine < theirs) return mine - theirs - empties;
  return 0;
}

}  // namespace reversi::engines
