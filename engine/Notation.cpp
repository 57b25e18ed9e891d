// Positions and replay, the rules the readers check moves by, and the
// reader that tells the three kinds of game text apart. The readers are
// NotationMoves.cpp, NotationBoard.cpp and NotationGgf.cpp, over the
// scanner in NotationScan.h.
#include "Notation.h"

#include <bit>

#include "Bitboard.h"
#include "NotationScan.h"

namespace reversi {

namespace {

// The side's discs and the other side's, as bits 8 * row + column.
struct TSides {
  uint64_t Own = 0;
  uint64_t Other = 0;
};

TSides SidesFor(const TPosition& p, int side) {
  TSides b;
  for (int i = 0; i < 64; ++i) {
    if (p.Squares[i] == side) b.Own |= uint64_t{1} << i;
    if (p.Squares[i] == -side) b.Other |= uint64_t{1} << i;
  }
  return b;
}

uint64_t MovesOf(const TSides& b) {
  return bits::LegalMoves(b.Own, b.Other);
}

// A side that cannot move passes, unless neither can.
void PassIfStuck(TPosition& p) {
  if (!notation::HasMove(p, p.Side) && notation::HasMove(p, -p.Side)) p.Side = -p.Side;
}

}  // namespace

namespace notation {

const char* ColourName(int side) {
  return side == kBlack ? "Black" : "White";
}

bool HasMove(const TPosition& p, int side) {
  return MovesOf(SidesFor(p, side)) != 0;
}

int BitOfSquare(int square) {
  return IsPlayingSquare(square) ? kBitIndex[square] : -1;
}

bool Place(TPosition& p, int bit) {
  const TSides b = SidesFor(p, p.Side);
  const uint64_t move = uint64_t{1} << bit;
  if (!(MovesOf(b) & move)) return false;
  uint64_t flips = bits::Flips(bit, b.Own, b.Other) | move;
  for (; flips; flips &= flips - 1) p.Squares[std::countr_zero(flips)] = static_cast<int8_t>(p.Side);
  p.Side = -p.Side;
  return true;
}

std::string PlayRead(TGame& game, TPosition& p, std::optional<int> square) {
  const bool canMove = HasMove(p, p.Side);
  if (!square) {
    if (canMove) return std::string(ColourName(p.Side)) + " has a legal move and cannot pass";
    p.Side = -p.Side;
    return {};
  }
  if (!canMove) {
    if (!HasMove(p, -p.Side)) return "the game is over";
    p.Side = -p.Side;
  }
  if (!Place(p, BitOfSquare(*square))) return "not a legal move for " + std::string(ColourName(p.Side));
  game.Moves.push_back(*square);
  return {};
}

}  // namespace notation

TPosition TPosition::Standard() {
  TPosition p;
  p.Squares[kBitIndex[SquareOf(3, 3)]] = kWhite;  // D4
  p.Squares[kBitIndex[SquareOf(4, 4)]] = kWhite;  // E5
  p.Squares[kBitIndex[SquareOf(3, 4)]] = kBlack;  // E4
  p.Squares[kBitIndex[SquareOf(4, 3)]] = kBlack;  // D5
  p.Side = kBlack;
  return p;
}

uint64_t LegalMoves(const TPosition& position) {
  return MovesOf(SidesFor(position, position.Side));
}

bool IsOver(const TPosition& position) {
  return !notation::HasMove(position, kBlack) && !notation::HasMove(position, kWhite);
}

bool PlayOn(TPosition& position, int square) {
  using notation::BitOfSquare;
  TPosition p = position;
  PassIfStuck(p);
  if (BitOfSquare(square) < 0 || !notation::Place(p, BitOfSquare(square))) return false;
  PassIfStuck(p);
  position = p;
  return true;
}

bool FinalPosition(const TGame& game, TPosition& position) {
  TPosition p = game.Start;
  for (int square : game.Moves)
    if (!PlayOn(p, square)) return false;
  PassIfStuck(p);
  position = p;
  return true;
}

TReadResult ReadGameText(std::string_view text) {
  using namespace notation;
  // Neither a move list nor a board holds "(;", so a line before the game
  // (or a byte-order mark) does not hide a GGF file.
  if (text.find("(;") != std::string_view::npos || Trimmed(text).substr(0, 1) == "(") return ReadGgf(text);
  text = WithoutMark(text);
  TScanner s(text);
  s.SkipBlanks();
  return LooksLikeBoard(text.substr(s.Pos())) ? ReadBoard(text) : ReadMoveList(text);
}

}  // namespace reversi
