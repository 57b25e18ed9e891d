// Move lists: "f5d6c3", or as people type them, with blanks, commas, move
// numbers and passes.
#include "Notation.h"
#include "NotationScan.h"

namespace reversi {

using namespace notation;

namespace {

bool IsSeparator(char c) {
  return IsBlank(c) || c == ',' || c == ';';
}

bool IsDot(char c) {
  return c == '.';
}

}  // namespace

std::string WriteMoveList(const TGame& game) {
  std::string text;
  for (int square : game.Moves) text += LowerName(square);
  return text;
}

TReadResult ReadMoveList(std::string_view text, const TPosition& start) {
  if (text.size() > kMaxNotationBytes) return Refused("the text is far too long to be a game");
  text = WithoutMark(text);
  TReadResult result{true, {}, TGame{start, {}}};
  TPosition p = start;
  int number = 0;
  bool tokenStart = true;
  TScanner s(text);
  while (!s.AtEnd()) {
    const char c = s.Peek();
    if (IsSeparator(c)) {
      s.Advance();
      tokenStart = true;
      continue;
    }
    const size_t begin = s.Pos();
    std::optional<int> square;
    if (c == '-') {
      tokenStart = true;
      if (s.SkipWhile([](char d) { return d == '-'; }) != 2) continue;  // a lone dash separates; two are a pass
    } else if (tokenStart && IsDigit(c)) {
      // A move number: digits then dots ("1." "12...").
      s.SkipWhile(IsDigit);
      if (s.SkipWhile(IsDot) > 0) continue;
      s.Seek(begin);
    }
    if (s.Pos() == begin) {
      if (s.AtWord("pass")) {
        s.Advance(4);
      } else if (s.AtWord("pa")) {
        s.Advance(2);
      } else {
        while (!s.AtEnd() && s.Pos() - begin < 2 && !IsSeparator(s.Peek())) s.Advance();
        square = SquareOfName(s.Since(begin));
        if (!square) return Refused(MoveError(number + 1, s.Since(begin), "not a square"));
      }
    }
    ++number;
    if (std::string why = PlayRead(result.Game, p, square); !why.empty())
      return Refused(MoveError(number, s.Since(begin), why));
    tokenStart = false;
  }
  return result;
}

}  // namespace reversi
