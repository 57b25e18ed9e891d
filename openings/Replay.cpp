#include "Replay.h"

#include "Bitboard.h"

namespace reversi::openings {

TSidePosition SideView(const TPosition& position) {
  TBits black = 0, white = 0;
  for (int i = 0; i < 64; ++i) {
    if (position.Squares[i] == kBlack) black |= TBits{1} << i;
    if (position.Squares[i] == kWhite) white |= TBits{1} << i;
  }
  return position.Side == kBlack ? TSidePosition{black, white} : TSidePosition{white, black};
}

TBits Moves(const TSidePosition& p) {
  return bits::LegalMoves(p.Player, p.Opponent);
}

TBits FlipsOf(const TSidePosition& p, int square) {
  if ((p.Player | p.Opponent) & (TBits{1} << square)) return 0;
  return bits::Flips(square, p.Player, p.Opponent);
}

bool WalkGame(const TPosition& start, const std::vector<int>& moves, const std::function<void(const TPly&)>& visit,
              std::string* reason) {
  TPly ply{SideView(start), start.Side == kBlack, -1};
  for (size_t i = 0; i < moves.size(); ++i) {
    if (Moves(ply.Position) == 0) {
      std::swap(ply.Position.Player, ply.Position.Opponent);
      ply.BlackToMove = !ply.BlackToMove;
    }
    const int square = moves[i];
    const TBits flips = square >= 0 && square < 64 ? FlipsOf(ply.Position, square) : 0;
    if (flips == 0) {
      if (reason) *reason = "move " + std::to_string(i + 1) + " is not legal";
      return false;
    }
    ply.Move = square;
    visit(ply);
    const TBits player = ply.Position.Player | flips | (TBits{1} << square);
    ply.Position = {ply.Position.Opponent & ~flips, player};
    ply.BlackToMove = !ply.BlackToMove;
  }
  if (Moves(ply.Position) == 0 && Moves({ply.Position.Opponent, ply.Position.Player}) != 0) {
    std::swap(ply.Position.Player, ply.Position.Opponent);
    ply.BlackToMove = !ply.BlackToMove;
  }
  ply.Move = -1;
  visit(ply);
  return true;
}

std::vector<int> BitMoves(const TGame& game) {
  std::vector<int> squares;
  squares.reserve(game.Moves.size());
  for (int cell : game.Moves) squares.push_back(kBitIndex[cell]);
  return squares;
}

}  // namespace reversi::openings
