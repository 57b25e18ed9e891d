#include "Openings.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "Book.h"
#include "GameCollection.h"
#include "Notation.h"
#include "OpeningNames.h"
#include "PositionIndex.h"
#include "Replay.h"

namespace reversi::tools {
namespace {

using namespace reversi::openings;

struct TRequest {
  std::optional<std::string> book;     // MOVES for --book
  std::optional<std::string> library;  // FILE
  std::optional<std::string> find;     // MOVES for --find
};

int Refuse(const std::string& why) {
  std::cerr << "vezari-analyze: " << why << "\n";
  return 2;
}

std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string Json(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) continue;
    out += c;
  }
  return out + "\"";
}

// The game after MOVES ("-" or "" for the start), as a position and squares.
bool Replay(const std::string& moves, TSidePosition& position, std::vector<int>& squares, int& status) {
  const TReadResult read = ReadMoveList(moves == "-" ? "" : moves);
  if (!read) {
    status = Refuse(read.Reason);
    return false;
  }
  squares = BitMoves(read.Game);
  WalkGame(read.Game.Start, squares, [&](const TPly& ply) { position = ply.Position; });
  return true;
}

int PrintBook(const std::string& moves) {
  TSidePosition position;
  std::vector<int> squares;
  int status = 0;
  if (!Replay(moves, position, squares, status)) return status;
  std::string error;
  const TBook* book = TBook::Default(&error);
  if (!book) {
    std::cerr << "vezari-analyze: " << error << "\n";
    return 4;
  }
  std::cout << "{\"name\":" << Json(TOpeningNames::Builtin().NameOf(squares)) << ",\"moves\":[";
  const char* comma = "";
  for (const TBookMove& m : book->Find(position)) {
    std::cout << comma << "{\"move\":\"" << SquareName(kCellOfBit[m.Square]) << "\",\"value\":" << Number(m.Value)
              << ",\"games\":" << m.Games << "}";
    comma = ",";
  }
  std::cout << "]}\n";
  return 0;
}

int PrintLibrary(const std::string& file, const std::string& moves) {
  TSidePosition position;
  std::vector<int> squares;
  int status = 0;
  if (!Replay(moves, position, squares, status)) return status;
  const TCollection collection = ReadCollectionFile(file);
  if (!collection.Error.empty() || collection.Games.empty()) {
    std::cerr << "vezari-analyze: cannot load " << file << ": "
              << (collection.Error.empty() ? "it holds no readable game" : collection.Error) << "\n";
    return 4;
  }
  for (const TCollectionProblem& p : collection.Problems)
    std::cerr << "vezari-analyze: " << file << ": record " << p.Record << ": " << p.Reason << "\n";
  const TLookup found = TPositionIndex(collection.Games).Find(position);
  std::cout << "{\"games\":" << found.Games << ",\"moves\":[";
  const char* comma = "";
  for (const TMoveStat& m : found.Moves) {
    std::cout << comma << "{\"move\":\"" << SquareName(kCellOfBit[m.Square]) << "\",\"games\":" << m.Games
              << ",\"margin\":" << Number(m.Margin) << "}";
    comma = ",";
  }
  std::cout << "]}\n";
  return 0;
}

}  // namespace

bool RunOpenings(int argc, char** argv, int& status) {
  TRequest r;
  bool asked = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    asked |= arg == "--book" || arg == "--library";
  }
  if (!asked) return false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::optional<std::string>* slot = arg == "--book"      ? &r.book
                                       : arg == "--library" ? &r.library
                                       : arg == "--find"    ? &r.find
                                                            : nullptr;
    if (!slot) {
      status = Refuse(arg + " does not go with --book or --library");
      return true;
    }
    if (i + 1 >= argc) {
      status = Refuse(arg + " needs a value");
      return true;
    }
    *slot = argv[++i];
  }
  if (r.book && (r.library || r.find))
    status = Refuse("--book excludes --library and --find");
  else if (r.book)
    status = PrintBook(*r.book);
  else if (!r.find)
    status = Refuse("--library needs --find MOVES");
  else if (!r.library)
    status = Refuse("--find goes with --library FILE");
  else
    status = PrintLibrary(*r.library, *r.find);
  return true;
}

}  // namespace reversi::tools
