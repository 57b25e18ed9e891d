#include "FfoPositions.h"

#include <fstream>
#include <sstream>

namespace reversi::analysis {

bool ParseBoardText(const std::string& board, const std::string& side, TBitPosition& out) {
  if (board.size() != 64 || (side != "X" && side != "O")) return false;
  TBits black = 0, white = 0;
  for (int sq = 0; sq < 64; ++sq) {
    if (board[sq] == 'X')
      black |= Bit(sq);
    else if (board[sq] == 'O')
      white |= Bit(sq);
    else if (board[sq] != '-')
      return false;
  }
  out = side == "X" ? TBitPosition{black, white} : TBitPosition{white, black};
  return true;
}

std::vector<TFfoPosition> ReadFfoPositions(const std::string& fileName) {
  std::ifstream in(fileName);
  std::vector<TFfoPosition> all;
  std::string line;
  for (int number = 40; std::getline(in, line); ++number) {
    std::istringstream fields(line);
    std::string board, side, moves;
    TFfoPosition p;
    p.Number = number;
    if (!(fields >> board >> side >> moves >> p.Score) || !ParseBoardText(board, side, p.Position)) return {};
    for (size_t i = 0; i + 1 < moves.size(); i += 3) p.BestMoves.push_back((moves[i] - 'a') + 8 * (moves[i + 1] - '1'));
    all.push_back(p);
  }
  return all;
}

}  // namespace reversi::analysis
