// What the three notation readers (move lists, board strings, GGF) share:
// a cursor over the text, the words and square names they know, the way a
// refusal shows the text, and the rules by which they replay the moves
// read. Inside the engine core only; Notation.h is the interface.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "Notation.h"

namespace reversi::notation {

// ---- Characters and words ----

bool IsBlank(char c);
bool IsDigit(char c);
char Lower(char c);
std::string_view Trimmed(std::string_view s);
// The text without the byte-order mark some editors put at the start.
std::string_view WithoutMark(std::string_view text);
// True when text holds `word` (lower case) at i, in any case.
bool StartsWithWord(std::string_view text, size_t i, std::string_view word);
// The cell of a square name ("f5", "F5"), or nullopt.
std::optional<int> SquareOfName(std::string_view name);
std::string LowerName(int square);
// "pass" or "pa" in any case.
bool IsPassWord(std::string_view word);

// A cursor over a text, which it never reads past.
class TScanner {
 public:
  explicit TScanner(std::string_view text, size_t pos = 0) : text_(text), pos_(pos) {}

  size_t Pos() const { return pos_; }
  void Seek(size_t pos) { pos_ = pos; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }  // only when not AtEnd
  void Advance(size_t n = 1) { pos_ += n; }
  // Moves past the characters that match, and says how many there were.
  template <class TPredicate>
  size_t SkipWhile(TPredicate match) {
    const size_t begin = pos_;
    while (!AtEnd() && match(Peek())) ++pos_;
    return pos_ - begin;
  }
  void SkipBlanks() { SkipWhile(IsBlank); }
  bool At(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }
  bool AtWord(std::string_view lowerWord) const { return StartsWithWord(text_, pos_, lowerWord); }
  // The text from begin to here, and the next n characters.
  std::string_view Since(size_t begin) const { return text_.substr(begin, pos_ - begin); }
  std::string_view Ahead(size_t n) const { return text_.substr(pos_, n); }
  bool HasAfterNext() const { return pos_ + 1 < text_.size(); }

 private:
  std::string_view text_;
  size_t pos_;
};

// ---- Refusals ----

// The text as it may appear in a message: printable, and not too long.
std::string Shown(std::string_view text);
// move 7, "h9": not a square
std::string MoveError(int number, std::string_view text, const std::string& what);
TReadResult Refused(std::string reason);

// ---- Replaying what was read (Notation.cpp) ----

const char* ColourName(int side);
bool HasMove(const TPosition& p, int side);
// The bit of a cell (8 * row + column), -1 off the board.
int BitOfSquare(int square);
// Plays the side to move at the bit and hands the move to the opponent
// without looking whether the opponent can move; false when not legal.
bool Place(TPosition& p, int bit);
// Plays one read move (a square, or a pass when square is nullopt) in a
// game being read; "" when it fits the rules, else why not. A side with no
// legal move may leave its pass unwritten.
std::string PlayRead(TGame& game, TPosition& p, std::optional<int> square);

// A board string starts with a disc or a dot, or with a row's worth of
// squares; a move list never does (NotationBoard.cpp).
bool LooksLikeBoard(std::string_view text);

}  // namespace reversi::notation
