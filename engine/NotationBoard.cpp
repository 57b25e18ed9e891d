// Board strings: 64 squares and the side to move.
#include <algorithm>

#include "Notation.h"
#include "NotationScan.h"

namespace reversi {

using namespace notation;

std::string WriteBoard(const TPosition& position) {
  std::string text;
  for (int8_t s : position.Squares) text += s == kBlack ? 'X' : s == kWhite ? 'O' : '-';
  text += position.Side == kBlack ? " X" : " O";
  return text;
}

TReadResult ReadBoard(std::string_view text) {
  if (text.size() > kMaxNotationBytes) return Refused("the text is far too long to be a board");
  text = WithoutMark(text);
  TReadResult result{true, {}, TGame{}};
  TPosition& p = result.Game.Start;
  TScanner s(text);
  // Whether a blank came before the last square and before the one ahead
  // of it: a lone letter after a run of squares is a side to move.
  bool lastApart = false, ahead = false;
  for (int k = 0; k < 64; ++k, s.Advance()) {
    ahead = lastApart;
    lastApart = s.SkipWhile(IsBlank) > 0;
    if (s.AtEnd()) return Refused("the board has " + std::to_string(k) + " squares, not 64, and no side to move");
    const char c = s.Peek();
    if (c == 'X' || c == 'x' || c == '*') {
      p.Squares[k] = kBlack;
    } else if (c == 'O' || c == 'o') {
      p.Squares[k] = kWhite;
    } else if (c == '-' || c == '.') {
      p.Squares[k] = 0;
    } else {
      return Refused("square " + LowerName(SquareOf(k / 8, k % 8)) + ": \"" + Shown(s.Ahead(1)) +
                     "\" is not X, O or -");
    }
  }
  s.SkipBlanks();
  // "X" or "O" set apart from a run of 63 squares was meant as the side to
  // move: the board is a square short.
  if (s.AtEnd() && lastApart && !ahead && p.Squares[63] != 0) return Refused("the board has 63 squares, not 64");
  if (s.AtEnd()) return Refused("the side to move (X or O) is missing after the 64 squares");
  const char side = Lower(s.Peek());
  if (side == 'x' || side == '*' || side == 'b') {
    p.Side = kBlack;
  } else if (side == 'o' || side == 'w') {
    p.Side = kWhite;
  } else {
    return Refused("\"" + Shown(s.Ahead(1)) + "\" is not a side to move (X or O)");
  }
  s.Advance();
  s.SkipBlanks();
  if (!s.AtEnd() && s.Peek() != ';') return Refused("unexpected \"" + Shown(s.Ahead(10)) + "\" after the side to move");
  // A board to play from has discs of both colours, as the set-up dialog
  // asks: without one colour neither side has a move, and it is no game's
  // start (a GGF file of it would show a finished game of nothing).
  for (const int colour : {kBlack, kWhite}) {
    if (std::find(p.Squares.begin(), p.Squares.end(), colour) == p.Squares.end())
      return Refused(std::string("the board has no ") + (colour == kBlack ? "black" : "white") + " disc");
  }
  return result;
}

namespace notation {

bool LooksLikeBoard(std::string_view text) {
  constexpr std::string_view kSquares = "XxOo*.-";
  if (text.empty()) return false;
  if (text[0] != '-' && kSquares.find(text[0]) != std::string_view::npos) return true;
  int seen = 0;
  for (size_t i = 0; i < text.size() && seen < 8; ++i) {
    if (IsBlank(text[i])) continue;
    if (kSquares.find(text[i]) == std::string_view::npos) return false;
    ++seen;
  }
  return seen == 8;
}

}  // namespace notation

}  // namespace reversi
