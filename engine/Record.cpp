// The game record: taking moves back and forward from its start position,
// the ".RGM" game file (count, the moves as cell numbers, the current move;
// one blank between numbers and nothing after the last), and games in
// players' notation: set up, opened and saved as GGF.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <optional>
#include <sstream>
#include <vector>

#include "ReversiCore.h"
#include "SafeFile.h"

namespace reversi {

namespace {

// No game file is anywhere near this; a larger file is not a game.
constexpr std::uintmax_t kMaxGameFileBytes = 1 << 20;

TFileResult Failure(std::string reason) {
  return TFileResult{false, std::move(reason)};
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Splits the text into 32-bit integers; nullopt names the first bad token.
std::optional<std::vector<int32_t>> ParseNumbers(const std::string& text, std::string& bad) {
  std::vector<int32_t> numbers;
  size_t i = 0;
  while (i < text.size()) {
    if (IsBlank(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    const char* first = text.data() + i;
    const char* last = text.data() + end;
    // A leading plus is allowed, as for any integer read from text.
    if (*first == '+' && last - first > 1 && first[1] >= '0' && first[1] <= '9') ++first;
    int32_t value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) {
      // Shown in a message: control and stray non-ASCII bytes would garble it.
      bad = text.substr(i, std::min<size_t>(end - i, 20));
      for (char& c : bad)
        if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) >= 127) c = '?';
      return std::nullopt;
    }
    numbers.push_back(value);
    i = end;
  }
  return numbers;
}

// Reads an ordinary file of at most kMaxGameFileBytes, without waiting on a
// named pipe or a device.
TFileResult ReadWholeFile(const std::string& fileName, std::string& text) {
  using safefile::TReadStatus;
  if (fileName.empty()) return Failure("no file name was given");
  safefile::TReadResult read = safefile::ReadSmallFile(fileName, kMaxGameFileBytes);
  switch (read.Status) {
    case TReadStatus::Ok:
      text = std::move(read.Text);
      // Editors on some systems start a text file with a byte-order mark.
      if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
      return TFileResult{true, {}};
    case TReadStatus::Missing:
      return Failure("the file does not exist");
    case TReadStatus::CannotOpen:
      return Failure(std::string("the file cannot be opened: ") + std::strerror(read.Errno));
    case TReadStatus::Folder:
      return Failure("it is a folder, not a file");
    case TReadStatus::NotRegular:
      return Failure("it is not an ordinary file");
    case TReadStatus::TooLarge:
      return Failure("the file is far too large to be a game");
    case TReadStatus::ReadFailed:
      break;
  }
  return Failure(std::string("the file cannot be read: ") + std::strerror(read.Errno));
}

// Replaced whole (see SafeFile.h), so a failure never leaves a half-written
// or destroyed game file, and a link is written through to the file it names.
TFileResult WriteGameFile(const std::string& fileName, const std::string& text) {
  using safefile::TReplaceStatus;
  if (fileName.empty()) return Failure("no file name was given");
  const safefile::TReplaceResult saved = safefile::ReplaceFile(fileName, text);
  switch (saved.Status) {
    case TReplaceStatus::Ok:
      // Saves of this file cut short by a crash left their temporary files.
      safefile::RemoveLeftovers(fileName);
      return TFileResult{true, {}};
    case TReplaceStatus::Folder:
      return Failure("it is a folder, not a file");
    case TReplaceStatus::NotRegular:
      return Failure("it is not a regular file");
    case TReplaceStatus::ReadOnly:
      return Failure("the file is read-only");
    case TReplaceStatus::CannotCreate:
      return Failure(std::string("the file cannot be created: ") + std::strerror(saved.Errno));
    case TReplaceStatus::WriteFailed:
      break;
    case TReplaceStatus::RenameFailed:
      return Failure(std::string("the file cannot be replaced: ") + std::strerror(saved.Errno));
  }
  return Failure("the file cannot be written (is the disk full?)");
}

// ".RGM" files hold numbers only; anything else that starts with one is a
// broken ".RGM" file, not a move list.
bool HoldsNumbers(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i >= text.size()) return true;
  if (text[i] == '+' || text[i] == '-') ++i;
  const size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  // "1." opens a numbered move list.
  return i > digits && (i >= text.size() || text[i] != '.');
}

}  // namespace

void TReversiCore::ResetToStart() {
  if (!IsSetUp()) {
    SetInitialPosition();
    return;
  }
  SetPosition(start_.Squares, start_.Side);
  // A side that cannot move at the start passes, as after any move.
  if (FlipPotential(SideToMove) == 0 && FlipPotential(-SideToMove) > 0) SideToMove = -SideToMove;
}

void TReversiCore::ReplayOne(int square) {
  JustPlayedSquare = square;
  PlayAndHandOver(square);
}

void TReversiCore::MoveForward() {
  if (thinking_ || GameRecord[MovesPlayed] == 0) return;
  ReplayOne(GameRecord[MovesPlayed]);
  MovesPlayed += 1;
  Repaint();
}

// Rebuilds the position from the start: the record holds squares only, and
// who played each follows from the rules.
void TReversiCore::TakeBack() {
  if (thinking_ || MovesPlayed == 0) return;
  ResetToStart();
  for (int i = 0; i <= MovesPlayed - 2; ++i) ReplayOne(GameRecord[i]);
  MovesPlayed -= 1;
  Repaint();
}

std::string TReversiCore::RecordText() const {
  int n = 0;
  while (n < kMaxRecord && GameRecord[n] != 0) ++n;
  std::string text = std::to_string(n) + " ";
  for (int i = 0; i < n; ++i) text += std::to_string(GameRecord[i]) + " ";
  text += std::to_string(MovesPlayed);
  return text;
}

TFileResult TReversiCore::SaveGame(const std::string& fileName) {
  if (thinking_) return Failure("the computer is thinking");
  if (IsSetUp()) return Failure("a game from a set-up position can only be saved as GGF (.ggf)");
  return WriteGameFile(fileName, RecordText());
}

// Reads and checks the whole file before touching the game: a file that
// cannot be replayed leaves the current game exactly as it was.
TFileResult TReversiCore::LoadGame(const std::string& fileName) {
  if (thinking_) return Failure("the computer is thinking");
  std::string text;
  if (TFileResult read = ReadWholeFile(fileName, text); !read) return read;
  return LoadRecordText(text);
}

TFileResult TReversiCore::LoadRecordText(const std::string& text) {
  std::string bad;
  const auto numbers = ParseNumbers(text, bad);
  if (!numbers) return Failure("\"" + bad + "\" is not a whole number");
  // No save looks like an empty or cut-off file (a new game saves as "0 0"):
  // such a file was damaged, and loading it as a new game would lose the game
  // on the board for nothing.
  if (numbers->empty()) return Failure("the file is empty");
  size_t next = 0;
  auto take = [&]() { return next < numbers->size() ? (*numbers)[next++] : 0; };

  const int32_t n = take();
  if (n < 0 || n > 60) return Failure("the move count " + std::to_string(n) + " is not between 0 and 60");
  if (numbers->size() < static_cast<size_t>(n) + 2) return Failure("the file ends before the current move");
  // Saves end with the current move; a number after it is a sign of a
  // damaged file, which would load as another game and lose moves.
  if (numbers->size() > static_cast<size_t>(n) + 2) return Failure("numbers follow the current move");
  std::array<int32_t, kMaxRecord> record{};
  for (int i = 0; i < n; ++i) record[i] = take();
  const int32_t current = take();
  if (current < 0 || current > n)
    return Failure("the current move " + std::to_string(current) + " is not between 0 and " + std::to_string(n));

  // The moves after the current one are replayed by Move Forward, so they
  // must be legal too.
  TBoard check;
  for (int i = 0; i < n; ++i) {
    const int q = record[i];
    if (!IsPlayingSquare(q) || !check.IsLegal(q)) {
      // The file holds cell numbers; a player knows the squares by name.
      std::string square;
      if (IsPlayingSquare(q)) square = ", " + std::string{char(SquareName(q)[0] - 'A' + 'a'), SquareName(q)[1]};
      return Failure("move " + std::to_string(i + 1) + square + " (" + std::to_string(q) + ") is not a legal move");
    }
    check.PlayAndHandOver(q);
  }

  start_ = TPosition::Standard();
  GameRecord = record;
  GameRecord[current] = 0;
  MovesPlayed = current + 1;
  TakeBack();
  return TFileResult{true, {}};
}

TGame TReversiCore::CurrentGame() const {
  return TGame{start_, std::vector<int>(GameRecord.begin(), GameRecord.begin() + MovesPlayed)};
}

TFileResult TReversiCore::SetGame(const TGame& game) {
  if (thinking_) return Failure("the computer is thinking");
  TPosition end;
  if (!FinalPosition(game, end) || game.Moves.size() >= GameRecord.size())
    return Failure("the moves are not a game from the position");
  start_ = game.Start;
  GameRecord.fill(0);
  std::copy(game.Moves.begin(), game.Moves.end(), GameRecord.begin());
  JustPlayedSquare = 0;
  // Rebuilt as a load is: one past the end, then back one move.
  MovesPlayed = static_cast<int32_t>(game.Moves.size()) + 1;
  TakeBack();
  return TFileResult{true, {}};
}

TFileResult TReversiCore::OpenGame(const std::string& fileName) {
  if (thinking_) return Failure("the computer is thinking");
  std::string text;
  if (TFileResult read = ReadWholeFile(fileName, text); !read) return read;
  if (HoldsNumbers(text)) return LoadRecordText(text);
  const TReadResult game = ReadGameText(text);
  if (!game) return Failure(game.Reason);
  return SetGame(game.Game);
}

TFileResult TReversiCore::SaveGgf(const std::string& fileName, const TGgfHeader& header) {
  if (thinking_) return Failure("the computer is thinking");
  return WriteGameFile(fileName, WriteGgf(CurrentGame(), header) + "\n");
}

}  // namespace reversi
