// GGF games: the properties of the first game of a text, and one game
// written.
#include <cstdio>
#include <vector>

#include "Notation.h"
#include "NotationScan.h"

namespace reversi {

using namespace notation;

namespace {

struct TProperty {
  std::string Name;
  std::string Value;
};

// Reads NAME[value] where the scanner stands, a backslash taking the next
// character literally. Returns "" past it, or why the text is not a
// property.
std::string ScanProperty(TScanner& s, TProperty& out) {
  const size_t begin = s.Pos();
  while (!s.AtEnd() && s.Peek() >= 'A' && s.Peek() <= 'Z' && s.Pos() - begin < 16) s.Advance();
  if (s.Pos() == begin) return "unexpected \"" + Shown(s.Ahead(1)) + "\" at character " + std::to_string(begin + 1);
  out.Name.assign(s.Since(begin));
  s.SkipBlanks();
  if (s.AtEnd() || s.Peek() != '[') return "property " + Shown(out.Name) + " has no value in [ ]";
  out.Value.clear();
  for (s.Advance(); !s.AtEnd() && s.Peek() != ']'; s.Advance()) {
    if (s.Peek() == '\\' && s.HasAfterNext()) s.Advance();
    out.Value += s.Peek();
  }
  if (s.AtEnd()) return "property " + Shown(out.Name) + " is not closed with ]";
  s.Advance();
  return {};
}

std::string Escaped(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == ']' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// Reads BO[8 <64 squares> <side>].
std::string ReadGgfBoard(std::string_view value, TPosition& start) {
  value = Trimmed(value);
  if (value.size() < 2 || value[0] != '8' || !IsBlank(value[1])) return "BO: only 8 x 8 boards are read";
  TReadResult board = ReadBoard(value.substr(2));
  if (!board) return "BO: " + board.Reason;
  start = board.Game.Start;
  return {};
}

// One B[...] or W[...]: the side's move, annotations after '/' ignored.
std::string ReadGgfMove(const TProperty& move, int number, TGame& game, TPosition& p) {
  const int side = move.Name == "B" ? kBlack : kWhite;
  const std::string shown = move.Name + "[" + move.Value + "]";
  const std::string_view what = Trimmed(std::string_view(move.Value).substr(0, move.Value.find('/')));
  std::optional<int> square;
  if (IsPassWord(what)) {
    square = std::nullopt;
  } else if (auto sq = SquareOfName(what)) {
    square = sq;
  } else {
    return MoveError(number, shown, "not a square");
  }
  if (side != p.Side) {
    // The other side's pass may be left out when it had no legal move.
    if (HasMove(p, p.Side)) return MoveError(number, shown, std::string("it is ") + ColourName(p.Side) + "'s turn");
    p.Side = side;
  }
  if (std::string why = PlayRead(game, p, square); !why.empty()) return MoveError(number, shown, why);
  return {};
}

}  // namespace

std::string WriteGgf(const TGame& game, const TGgfHeader& header) {
  std::string text = "(;GM[Othello]PC[" + Escaped(header.Place) + "]DT[" + Escaped(header.Date) + "]PB[" +
                     Escaped(header.Black) + "]PW[" + Escaped(header.White) + "]";
  TPosition end;
  if (FinalPosition(game, end) && IsOver(end)) {
    int diff = 0;
    for (int8_t s : end.Squares) diff += s;
    char result[16];
    std::snprintf(result, sizeof result, "%+d.00", diff);
    text += std::string("RE[") + (diff == 0 ? "0.00" : result) + "]";
  }
  text += "TY[8]BO[8";
  for (int k = 0; k < 64; ++k) {
    if (k % 8 == 0) text += ' ';
    text += game.Start.Squares[k] == kBlack ? '*' : game.Start.Squares[k] == kWhite ? 'O' : '-';
  }
  text += game.Start.Side == kBlack ? " *]" : " O]";
  TPosition p = game.Start;
  for (int square : game.Moves) {
    if (!HasMove(p, p.Side) && HasMove(p, -p.Side)) {
      text += p.Side == kBlack ? "B[PA]" : "W[PA]";
      p.Side = -p.Side;
    }
    text += (p.Side == kBlack ? "B[" : "W[") + SquareName(square) + "]";
    if (BitOfSquare(square) < 0 || !Place(p, BitOfSquare(square))) break;
  }
  return text + ";)";
}

// Scans the properties of the first game in one pass; the moves are
// checked only once the header (GM, TY, BO) has been read, wherever it
// stood.
TReadResult ReadGgf(std::string_view text) {
  if (text.size() > kMaxNotationBytes) return Refused("the file is far too large to be a game");
  const size_t open = text.find("(;");
  if (open == std::string_view::npos) return Refused("no GGF game: \"(;\" is missing");
  TScanner s(text, open + 2);
  std::vector<TProperty> moves;
  TProperty gm, ty, bo, property;
  bool closed = false;
  while (!closed) {
    s.SkipBlanks();
    if (s.AtEnd()) return Refused("the game does not end with \";)\"");
    if (s.At(";)")) {
      closed = true;
      continue;
    }
    if (std::string why = ScanProperty(s, property); !why.empty()) return Refused(why);
    if (property.Name == "B" || property.Name == "W")
      moves.push_back(property);
    else if (property.Name == "GM")
      gm = property;
    else if (property.Name == "TY")
      ty = property;
    else if (property.Name == "BO")
      bo = property;
  }
  if (!gm.Name.empty() && !StartsWithWord(Trimmed(gm.Value), 0, "othello"))
    return Refused("the game is " + Shown(gm.Value) + ", not Othello");
  if (!ty.Name.empty() && Trimmed(ty.Value) != "8")
    return Refused("TY[" + Shown(ty.Value) + "]: only TY[8], standard 8 x 8 Othello, is read");
  TReadResult result{true, {}, TGame{}};
  if (!bo.Name.empty())
    if (std::string why = ReadGgfBoard(bo.Value, result.Game.Start); !why.empty()) return Refused(why);
  TPosition p = result.Game.Start;
  for (size_t k = 0; k < moves.size(); ++k)
    if (std::string why = ReadGgfMove(moves[k], static_cast<int>(k) + 1, result.Game, p); !why.empty())
      return Refused(why);
  return result;
}

}  // namespace reversi
