// The game on the board as Othello players write it, for the clipboard:
// Copy gives the move list or the board string, Paste takes either of them
// or a GGF game. Kept apart from the clipboard itself so the texts can be
// checked without one.
#pragma once

#include <QString>

#include "Notation.h"
#include "ReversiCore.h"

namespace shell {

// The game for Copy Game: the moves played ("f5d6c3") when it began at the
// standard start; a GGF game otherwise, since only that carries the position
// it began from (and Paste takes it back).
QString GameText(const reversi::TReversiCore& engine);
// The position on the board: 64 squares, a blank, the side to move.
QString GameBoard(const reversi::TReversiCore& engine);
// Makes the game in text (a move list, a board string or a GGF game) the
// engine's game. A refusal names the problem; the engine's game is kept.
reversi::TFileResult PasteGame(reversi::TReversiCore& engine, const QString& text);
// What a GGF file saved now says besides the moves: the place and the date.
reversi::TGgfHeader GgfHeaderNow();

}  // namespace shell
