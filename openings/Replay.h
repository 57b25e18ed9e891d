// Walks a game position by position on 64-bit boards, passing where the
// rules force a pass, for the readers, the library and the book.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Notation.h"
#include "Position.h"

namespace reversi::openings {

// One position of a game, from the side to move's view.
struct TPly {
  TSidePosition Position;
  bool BlackToMove = true;
  int Move = -1;  // square 0..63 played from here; -1 at the end
};

// The position of a notation TPosition, from its side to move's view.
TSidePosition SideView(const TPosition& position);

// The squares where the side to move may play, and the discs a move turns.
TBits Moves(const TSidePosition& p);
TBits FlipsOf(const TSidePosition& p, int square);

// Calls `visit` for every position of the game from `start` with `moves`
// (squares 0..63), the last one (Move == -1) included. False with a reason
// when a move is not legal where it stands; passes are taken as forced.
bool WalkGame(const TPosition& start, const std::vector<int>& moves, const std::function<void(const TPly&)>& visit,
              std::string* reason = nullptr);

// The squares 0..63 of a notation game's moves (which are cell numbers).
std::vector<int> BitMoves(const TGame& game);

}  // namespace reversi::openings
