#include "GameCollection.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>

#include "Replay.h"
#include "SafeFile.h"

namespace reversi::openings {
namespace {

constexpr size_t kWthorHeader = 16;
constexpr size_t kWthorRecord = 68;
constexpr size_t kWthorMoves = 60;

unsigned Little16(std::string_view b, size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
uint32_t Little32(std::string_view b, size_t at) {
  return Little16(b, at) | static_cast<uint32_t>(Little16(b, at + 2)) << 16;
}

std::string NameOr(const std::vector<std::string>& names, unsigned number) {
  return number < names.size() ? names[number] : std::string();
}

// Checks the moves against the rules; the reason names the record.
bool Playable(TCollection& out, size_t record, const TCollectedGame& game) {
  std::string reason;
  if (WalkGame(
          game.Start, game.Moves, [](const TPly&) {}, &reason))
    return true;
  out.Problems.push_back({record, reason});
  return false;
}

// A WTHOR move byte is 10 * row + column, both from 1: a1 = 11, h8 = 88.
int WthorSquare(unsigned char code) {
  const int row = code / 10, column = code % 10;
  if (row < 1 || row > 8 || column < 1 || column > 8) return -1;
  return 8 * (row - 1) + column - 1;
}

void ReadWthorRecord(TCollection& out, std::string_view r, size_t number, int year,
                     const std::vector<std::string>& players, const std::vector<std::string>& tournaments) {
  TCollectedGame game;
  game.Event = NameOr(tournaments, Little16(r, 0));
  game.Black = NameOr(players, Little16(r, 2));
  game.White = NameOr(players, Little16(r, 4));
  game.BlackScore = static_cast<unsigned char>(r[6]);
  game.Year = year;
  if (game.BlackScore > 64) {
    out.Problems.push_back({number, "Black's score " + std::to_string(game.BlackScore) + " is over 64"});
    return;
  }
  for (size_t i = 0; i < kWthorMoves; ++i) {
    const unsigned char code = static_cast<unsigned char>(r[8 + i]);
    if (code == 0) break;
    const int square = WthorSquare(code);
    if (square < 0) {
      out.Problems.push_back(
          {number, "move " + std::to_string(i + 1) + " (" + std::to_string(code) + ") is not a square"});
      return;
    }
    game.Moves.push_back(square);
  }
  if (Playable(out, number, game)) out.Games.push_back(std::move(game));
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  for (char ch : s) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == 0) break;
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | c >> 6);
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// A whole number 0..64, or -1.
int Score(std::string_view word) {
  if (word.empty() || word.size() > 2) return -1;
  int n = 0;
  for (char c : word) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    n = n * 10 + (c - '0');
  }
  return n <= 64 ? n : -1;
}

void ReadMoveLine(TCollection& out, std::string_view line, size_t number) {
  const size_t gap = line.find_first_of(" \t");
  const std::string_view moves = line.substr(0, gap);
  std::string_view rest = gap == std::string_view::npos ? std::string_view() : Trim(line.substr(gap));
  const TReadResult read = ReadMoveList(moves);
  if (!read) {
    out.Problems.push_back({number, read.Reason});
    return;
  }
  TCollectedGame game;
  game.Moves = BitMoves(read.Game);
  if (!rest.empty()) {
    const std::string_view first = rest.substr(0, rest.find_first_of(" \t"));
    game.BlackScore = Score(first);
    if (game.BlackScore < 0) {
      out.Problems.push_back({number, "\"" + std::string(first.substr(0, 16)) + "\" is not a score from 0 to 64"});
      return;
    }
  }
  out.Games.push_back(std::move(game));
}

// The text of tag `name` ("PB" gives what stands in PB[...]), or "".
std::string Tag(std::string_view game, std::string_view name) {
  for (size_t at = game.find(name); at != std::string_view::npos; at = game.find(name, at + 1)) {
    const bool starts = at == 0 || !std::isupper(static_cast<unsigned char>(game[at - 1]));
    if (!starts || at + name.size() >= game.size() || game[at + name.size()] != '[') continue;
    const size_t open = at + name.size() + 1, close = game.find(']', open);
    if (close == std::string_view::npos) return {};
    return std::string(game.substr(open, std::min<size_t>(close - open, 200)));
  }
  return {};
}

// GGF gives the result from Black's view: "+12.000", "-4", "0".
int GgfBlackScore(const std::string& result) {
  if (result.empty()) return -1;
  char* end = nullptr;
  const double margin = std::strtod(result.c_str(), &end);
  if (end == result.c_str() || margin < -64 || margin > 64) return -1;
  return static_cast<int>(32 + margin / 2);
}

bool EndsWith(std::string name, std::string_view tail) {
  if (name.size() < tail.size()) return false;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
}

// The names file beside a WTHOR file: same stem first, then WTHOR.JOU/.TRN.
std::vector<std::string> NamesBeside(const std::filesystem::path& wtb, std::string_view extension, size_t record) {
  namespace fs = std::filesystem;
  std::string upper(extension);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  const fs::path candidates[] = {fs::path(wtb).replace_extension(extension), fs::path(wtb).replace_extension(upper),
                                 wtb.parent_path() / ("WTHOR" + upper),
                                 wtb.parent_path() / ("wthor" + std::string(extension))};
  for (const fs::path& p : candidates) {
    const safefile::TReadResult r = safefile::ReadSmallFile(p.string(), size_t{16} << 20);
    if (r) return ReadWthorNames(r.Text, record);
  }
  return {};
}

}  // namespace

TCollection ReadWthor(std::string_view bytes, const std::vector<std::string>& players,
                      const std::vector<std::string>& tournaments) {
  TCollection out;
  if (bytes.size() < kWthorHeader) {
    out.Error = "the file is shorter than a WTHOR header (16 bytes)";
    return out;
  }
  const uint32_t promised = Little32(bytes, 4);
  const int year = static_cast<int>(Little16(bytes, 10));
  const unsigned boardSize = static_cast<unsigned char>(bytes[12]);
  if (boardSize != 0 && boardSize != 8) {
    out.Error = "the file holds games on a " + std::to_string(boardSize) + "x" + std::to_string(boardSize) + " board";
    return out;
  }
  const size_t present = (bytes.size() - kWthorHeader) / kWthorRecord;
  const size_t count = std::min<size_t>(promised, present);
  out.Games.reserve(count);
  for (size_t i = 0; i < count; ++i)
    ReadWthorRecord(out, bytes.substr(kWthorHeader + i * kWthorRecord, kWthorRecord), i + 1, year, players,
                    tournaments);
  if (present < promised)
    out.Problems.push_back(
        {present + 1, "the file ends after record " + std::to_string(present) + " of " + std::to_string(promised)});
  return out;
}

std::vector<std::string> ReadWthorNames(std::string_view bytes, size_t recordSize) {
  std::vector<std::string> names;
  if (recordSize == 0 || bytes.size() < kWthorHeader) return names;
  for (size_t at = kWthorHeader; at + recordSize <= bytes.size(); at += recordSize)
    names.push_back(Latin1ToUtf8(bytes.substr(at, recordSize)));
  return names;
}

TCollection ReadMoveLines(std::string_view text) {
  TCollection out;
  size_t number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    if (!line.empty() && line.front() != '#') ReadMoveLine(out, line, number);
  }
  return out;
}

TCollection ReadGgfGames(std::string_view text) {
  TCollection out;
  size_t number = 0;
  for (size_t open = text.find("(;"); open != std::string_view::npos; open = text.find("(;", open + 2)) {
    const size_t close = text.find(";)", open + 2);
    const std::string_view one = text.substr(open, close == std::string_view::npos ? close : close + 2 - open);
    ++number;
    const TReadResult read = ReadGgf(one);
    if (!read) {
      out.Problems.push_back({number, read.Reason});
    } else {
      TCollectedGame game;
      game.Start = read.Game.Start;
      game.Moves = BitMoves(read.Game);
      game.Black = Tag(one, "PB");
      game.White = Tag(one, "PW");
      game.Event = Tag(one, "PC");
      game.BlackScore = GgfBlackScore(Tag(one, "RE"));
      const std::string date = Tag(one, "DT");
      if (date.size() >= 4 && std::all_of(date.begin(), date.begin() + 4, ::isdigit))
        game.Year = std::stoi(date.substr(0, 4));
      out.Games.push_back(std::move(game));
    }
    if (close == std::string_view::npos) break;
  }
  if (number == 0) out.Error = "the file holds no GGF game";
  return out;
}

TCollection ReadCollectionFile(const std::string& path) {
  TCollection out;
  const safefile::TReadResult file = safefile::ReadSmallFile(path, kMaxCollectionBytes);
  if (!file) {
    switch (file.Status) {
      case safefile::TReadStatus::Missing:
        out.Error = "no such file";
        break;
      case safefile::TReadStatus::Folder:
        out.Error = "it is a folder";
        break;
      case safefile::TReadStatus::NotRegular:
        out.Error = "it is not a regular file";
        break;
      case safefile::TReadStatus::TooLarge:
        out.Error = "it is larger than 256 MB";
        break;
      default:
        out.Error = "it cannot be read";
        break;
    }
    return out;
  }
  if (EndsWith(path, ".wtb")) {
    return ReadWthor(file.Text, NamesBeside(path, ".jou", 20), NamesBeside(path, ".trn", 26));
  }
  if (file.Text.find("(;") != std::string::npos) return ReadGgfGames(file.Text);
  return ReadMoveLines(file.Text);
}

int BlackMargin(const TCollectedGame& game) {
  return game.BlackScore < 0 ? 0 : 2 * game.BlackScore - 64;
}

}  // namespace reversi::openings
