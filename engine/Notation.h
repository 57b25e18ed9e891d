// Games and positions as Othello players write them: move lists
// ("f5d6c3"), board strings (64 squares and the side to move) and GGF files.
// Everything here stands apart from the engine's record: a game is a start
// position and the squares played from it, checked against the rules of the
// bitboard library (bitboard/).
//
// No reader trusts its text: sizes are bounded, nothing recurses on the
// input's nesting, and a refusal names the problem and returns no game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"

namespace reversi {

// A position as a player writes it: the 64 squares a1, b1 .. h1, a2 .. h8
// (index 8 * row + column, as kBitIndex), each kBlack, kWhite or 0, and the
// side to move.
struct TPosition {
  std::array<int8_t, 64> Squares{};
  int Side = kBlack;

  static TPosition Standard();
  bool operator==(const TPosition&) const = default;
};

// A game: where it started and the squares played since, as cell numbers
// (Geometry.h). Passes are not listed: who plays each move follows from the
// rules, as in the engine's record.
struct TGame {
  TPosition Start = TPosition::Standard();
  std::vector<int> Moves;

  bool operator==(const TGame&) const = default;
};

// A reader's answer: Ok with the game, or the reason it was refused.
struct TReadResult {
  bool Ok = false;
  std::string Reason;
  TGame Game;
  explicit operator bool() const { return Ok; }
};

// What a GGF file says about a game besides its moves.
struct TGgfHeader {
  std::string Place = "Vezari Zaduder";
  std::string Date;  // GGF style, e.g. "2026.12.08_03:31:24.UTC"
  std::string Black;
  std::string White;
};

// No game text is anywhere near this; a larger one is refused unread.
inline constexpr size_t kMaxNotationBytes = 1 << 20;

// ---- Positions and replay ----

// The squares where the side to move may play, as bits 8 * row + column.
uint64_t LegalMoves(const TPosition& position);
bool IsOver(const TPosition& position);
// Plays the side to move at the square (a cell number) and gives the move
// to the opponent, or back when the opponent must pass. False, with the
// position unchanged, when the move is not legal.
bool PlayOn(TPosition& position, int square);
// The position after the game's moves; false when one of them is illegal.
bool FinalPosition(const TGame& game, TPosition& position);

// ---- Move lists ----

// The moves as lower-case square names run together ("f5d6c3").
std::string WriteMoveList(const TGame& game);
// Reads the moves played from start. Tolerates blanks, commas, dashes and
// line breaks between moves, any case, move numbers ("1. f5 d6 2.c3") and
// passes written "pass", "PA" or "--" where the side to move has no legal
// move. A refusal names the move: move 7, "h9": not a square.
TReadResult ReadMoveList(std::string_view text, const TPosition& start = TPosition::Standard());

// ---- Board strings ----

// 64 of X, O and -, a blank, then X or O for the side to move.
std::string WriteBoard(const TPosition& position);
// X or * black, O white, - or . empty, blanks allowed between squares; then
// the side to move (X, *, B or O, W); a ';' and whatever follows it are
// ignored. The game read has no moves.
TReadResult ReadBoard(std::string_view text);

// ---- GGF ----

// One game: GM, PC, DT, PB, PW, RE when the game is over, TY[8], BO, the
// moves with passes as PA.
std::string WriteGgf(const TGame& game, const TGgfHeader& header);
// The first game of the text. Properties in any order, unknown ones
// ignored; the board from BO (the standard start without one); TY other
// than 8 refused; moves may carry annotations (B[f5/1.23/0.4]).
TReadResult ReadGgf(std::string_view text);

// ---- Any of them ----

// A GGF game, a board string or a move list from the standard start,
// decided by the text itself.
TReadResult ReadGameText(std::string_view text);

}  // namespace reversi
