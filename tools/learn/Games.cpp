#include "Games.h"

#include <fstream>
#include <sstream>

#include "Bitboard.h"

namespace reversi::learn {

namespace bb = reversi::bits;

namespace {

bool Replay(const std::string& moves, TGame& game) {
  if (moves.size() % 2) return false;
  TPosition pos{0x0000000810000000ull, 0x0000001008000000ull, true};
  for (std::size_t i = 0; i < moves.size(); i += 2) {
    const int col = moves[i] - 'a', row = moves[i + 1] - '1';
    if (col < 0 || col > 7 || row < 0 || row > 7) return false;
    if (!bb::LegalMoves(pos.Player, pos.Opponent)) {  // a pass
      std::swap(pos.Player, pos.Opponent);
      pos.BlackToMove = !pos.BlackToMove;
    }
    const int sq = 8 * row + col;
    const TBits flips = (pos.Player | pos.Opponent) >> sq & 1 ? 0 : bb::Flips(sq, pos.Player, pos.Opponent);
    if (!flips) return false;
    game.Positions.push_back(pos);
    const TBits mover = pos.Player | flips | bb::Bit(sq);
    pos = {pos.Opponent & ~flips, mover, !pos.BlackToMove};
  }
  return true;
}

}  // namespace

std::vector<TGame> ReadGames(const std::string& path, int& rejected) {
  std::vector<TGame> games;
  rejected = 0;
  std::ifstream in(path);
  if (!in) return games;
  for (std::string line; std::getline(in, line);) {
    std::istringstream fields(line);
    std::string moves;
    int black = 0;
    if (!(fields >> moves >> black)) continue;
    TGame game;
    game.BlackMargin = 2 * black - 64;
    if (Replay(moves, game) && black >= 0 && black <= 64)
      games.push_back(std::move(game));
    else
      ++rejected;
  }
  return games;
}

}  // namespace reversi::learn
