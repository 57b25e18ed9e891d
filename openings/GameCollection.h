// Collections of games: WTHOR database files (".wtb", with the players of a
// ".jou" and the tournaments of a ".trn" file found beside it), GGF files
// holding many games, and plain move-list files, one game a line
// ("f5d6c3... BLACK WHITE", as the shared tournament files are written).
//
// A reader keeps every game it can read and names each record it could not
// (its number and why): a damaged or truncated file gives the readable games
// and a list of problems, never a crash.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Notation.h"

namespace reversi::openings {

struct TCollectedGame {
  TPosition Start = TPosition::Standard();
  std::vector<int> Moves;  // squares 0..63 (8 * row + column); passes not written
  // Black's final score as the record gives it (discs, empties to the
  // winner); -1 when the record does not say.
  int BlackScore = -1;
  std::string Black, White, Event;
  int Year = 0;
};

struct TCollectionProblem {
  size_t Record = 0;  // 1-based: game record, or line of a text file
  std::string Reason;
};

struct TCollection {
  std::vector<TCollectedGame> Games;
  std::vector<TCollectionProblem> Problems;
  std::string Error;  // set when the file as a whole could not be read
};

// No collection this program reads comes near this size.
inline constexpr size_t kMaxCollectionBytes = size_t{256} << 20;

// The records of a WTHOR games file; `players` and `tournaments` name the
// numbers its records use, when known.
TCollection ReadWthor(std::string_view bytes, const std::vector<std::string>& players = {},
                      const std::vector<std::string>& tournaments = {});
// The names of a WTHOR ".jou" (20-byte records) or ".trn" (26-byte records)
// file, in UTF-8.
std::vector<std::string> ReadWthorNames(std::string_view bytes, size_t recordSize);
// One game a line: moves, then optionally Black's score and White's.
TCollection ReadMoveLines(std::string_view text);
// Every "(;GM[Othello] ... ;)" game of a GGF file.
TCollection ReadGgfGames(std::string_view text);

// Reads the file at `path`, choosing the reader by its content and name.
TCollection ReadCollectionFile(const std::string& path);

// Black's final margin of a game (empties to the winner), or 0 when unknown.
int BlackMargin(const TCollectedGame& game);

}  // namespace reversi::openings
