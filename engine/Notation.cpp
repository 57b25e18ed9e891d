#include "Notation.h"

#include <bit>
#include <cstdio>
#include <optional>

#include "Bitboard.h"

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

int BitOfSquare(int square) {
  return IsPlayingSquare(square) ? kBitIndex[square] : -1;
}

// Plays the side to move at the bit and hands the move to the opponent
// without looking whether the opponent can move.
bool Place(TPosition& p, int bit) {
  const TSides b = SidesFor(p, p.Side);
  const uint64_t move = uint64_t{1} << bit;
  if (!(MovesOf(b) & move)) return false;
  uint64_t flips = bits::Flips(bit, b.Own, b.Other) | move;
  for (; flips; flips &= flips - 1) p.Squares[std::countr_zero(flips)] = static_cast<int8_t>(p.Side);
  p.Side = -p.Side;
  return true;
}

bool HasMove(const TPosition& p, int side) {
  return MovesOf(SidesFor(p, side)) != 0;
}

// A side that cannot move passes, unless neither can.
void PassIfStuck(TPosition& p) {
  if (!HasMove(p, p.Side) && HasMove(p, -p.Side)) p.Side = -p.Side;
}

const char* ColourName(int side) {
  return side == kBlack ? "Black" : "White";
}

// The text as it may appear in a message: printable, and not too long.
std::string Shown(std::string_view text) {
  std::string s;
  for (unsigned char c : text.substr(0, 20)) s += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
  if (text.size() > 20) s += "...";
  return s;
}

std::string MoveError(int number, std::string_view text, const std::string& what) {
  return "move " + std::to_string(number) + ", \"" + Shown(text) + "\": " + what;
}

TReadResult Refused(std::string reason) {
  return TReadResult{false, std::move(reason), {}};
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool StartsWithWord(std::string_view text, size_t i, std::string_view word) {
  if (text.size() - i < word.size()) return false;
  for (size_t k = 0; k < word.size(); ++k)
    if (Lower(text[i + k]) != word[k]) return false;
  return true;
}

// The cell of a square name ("f5", "F5"), or nullopt.
std::optional<int> SquareOfName(std::string_view name) {
  if (name.size() != 2) return std::nullopt;
  const int col = Lower(name[0]) - 'a';
  const int row = name[1] - '1';
  if (col < 0 || col > 7 || row < 0 || row > 7) return std::nullopt;
  return SquareOf(row, col);
}

std::string LowerName(int square) {
  std::string name = SquareName(square);
  name[0] = Lower(name[0]);
  return name;
}

// Plays one read move (a square, or a pass when square is nullopt) in a
// game being read; "" when it fits the rules, else why not. A side with no
// legal move may leave its pass unwritten.
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

bool IsPassWord(std::string_view word) {
  return (word.size() == 2 || word.size() == 4) &&
         StartsWithWord(word, 0, std::string_view("pass").substr(0, word.size()));
}

bool IsSeparator(char c) {
  return IsBlank(c) || c == ',' || c == ';';
}

// ---- GGF scanning ----

struct TProperty {
  std::string Name;
  std::string Value;
};

// Reads NAME[value] at i, a backslash taking the next character literally.
// Returns "" and advances i, or why the text is not a property.
std::string ScanProperty(std::string_view text, size_t& i, TProperty& out) {
  const size_t begin = i;
  while (i < text.size() && text[i] >= 'A' && text[i] <= 'Z' && i - begin < 16) ++i;
  if (i == begin) return "unexpected \"" + Shown(text.substr(i, 1)) + "\" at character " + std::to_string(i + 1);
  out.Name.assign(text.substr(begin, i - begin));
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i >= text.size() || text[i] != '[') return "property " + Shown(out.Name) + " has no value in [ ]";
  out.Value.clear();
  for (++i; i < text.size() && text[i] != ']'; ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) ++i;
    out.Value += text[i];
  }
  if (i >= text.size()) return "property " + Shown(out.Name) + " is not closed with ]";
  ++i;
  return {};
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
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

// A board string starts with a disc or a dot, or with a row's worth of
// squares; a move list never does.
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

}  // namespace

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
  return !HasMove(position, kBlack) && !HasMove(position, kWhite);
}

bool PlayOn(TPosition& position, int square) {
  TPosition p = position;
  PassIfStuck(p);
  if (BitOfSquare(square) < 0 || !Place(p, BitOfSquare(square))) return false;
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

std::string WriteMoveList(const TGame& game) {
  std::string text;
  for (int square : game.Moves) text += LowerName(square);
  return text;
}

TReadResult ReadMoveList(std::string_view text, const TPosition& start) {
  if (text.size() > kMaxNotationBytes) return Refused("the text is far too long to be a game");
  TReadResult result{true, {}, TGame{start, {}}};
  TPosition p = start;
  int number = 0;
  bool tokenStart = true;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (IsSeparator(c)) {
      ++i;
      tokenStart = true;
      continue;
    }
    size_t end = i;
    std::optional<int> square;
    if (c == '-') {
      while (end < text.size() && text[end] == '-') ++end;
      tokenStart = true;
      if (end - i != 2) {  // a lone dash separates; two are a pass
        i = end;
        continue;
      }
    } else if (tokenStart && IsDigit(c)) {
      // A move number: digits then dots ("1." "12...").
      while (end < text.size() && IsDigit(text[end])) ++end;
      if (end < text.size() && text[end] == '.') {
        while (end < text.size() && text[end] == '.') ++end;
        i = end;
        continue;
      }
      end = i;
    }
    if (end == i) {
      if (StartsWithWord(text, i, "pass")) {
        end = i + 4;
      } else if (StartsWithWord(text, i, "pa")) {
        end = i + 2;
      } else {
        while (end < text.size() && end - i < 2 && !IsSeparator(text[end])) ++end;
        square = SquareOfName(text.substr(i, end - i));
        if (!square) return Refused(MoveError(number + 1, text.substr(i, end - i), "not a square"));
      }
    }
    ++number;
    if (std::string why = PlayRead(result.Game, p, square); !why.empty())
      return Refused(MoveError(number, text.substr(i, end - i), why));
    tokenStart = false;
    i = end;
  }
  return result;
}

std::string WriteBoard(const TPosition& position) {
  std::string text;
  for (int8_t s : position.Squares) text += s == kBlack ? 'X' : s == kWhite ? 'O' : '-';
  text += position.Side == kBlack ? " X" : " O";
  return text;
}

TReadResult ReadBoard(std::string_view text) {
  if (text.size() > kMaxNotationBytes) return Refused("the text is far too long to be a board");
  TReadResult result{true, {}, TGame{}};
  TPosition& p = result.Game.Start;
  size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  for (int k = 0; k < 64; ++k, ++i) {
    skipBlanks();
    if (i >= text.size())
      return Refused("the board has " + std::to_string(k) + " squares, not 64, and no side to move");
    const char c = text[i];
    if (c == 'X' || c == 'x' || c == '*') {
      p.Squares[k] = kBlack;
    } else if (c == 'O' || c == 'o') {
      p.Squares[k] = kWhite;
    } else if (c == '-' || c == '.') {
      p.Squares[k] = 0;
    } else {
      return Refused("square " + LowerName(SquareOf(k / 8, k % 8)) + ": \"" + Shown(text.substr(i, 1)) +
                     "\" is not X, O or -");
    }
  }
  skipBlanks();
  if (i >= text.size()) return Refused("the side to move (X or O) is missing after the 64 squares");
  const char side = Lower(text[i]);
  if (side == 'x' || side == '*' || side == 'b') {
    p.Side = kBlack;
  } else if (side == 'o' || side == 'w') {
    p.Side = kWhite;
  } else {
    return Refused("\"" + Shown(text.substr(i, 1)) + "\" is not a side to move (X or O)");
  }
  ++i;
  skipBlanks();
  if (i < text.size() && text[i] != ';')
    return Refused("unexpected \"" + Shown(text.substr(i, 10)) + "\" after the side to move");
  return result;
}

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
  size_t i = text.find("(;");
  if (i == std::string_view::npos) return Refused("no GGF game: \"(;\" is missing");
  i += 2;
  std::vector<TProperty> moves;
  TProperty gm, ty, bo, property;
  bool closed = false;
  while (!closed) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size()) return Refused("the game does not end with \";)\"");
    if (text.substr(i, 2) == ";)") {
      closed = true;
      continue;
    }
    if (std::string why = ScanProperty(text, i, property); !why.empty()) return Refused(why);
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

TReadResult ReadGameText(std::string_view text) {
  // Neither a move list nor a board holds "(;", so a line before the game
  // (or a byte-order mark) does not hide a GGF file.
  if (text.find("(;") != std::string_view::npos || Trimmed(text).substr(0, 1) == "(") return ReadGgf(text);
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  const std::string_view rest = text.substr(i);
  return LooksLikeBoard(rest) ? ReadBoard(text) : ReadMoveList(text);
}

}  // namespace reversi
