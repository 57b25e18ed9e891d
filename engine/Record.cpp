// The game record: taking moves back and forward, and the ".RGM" game file
// (count, the moves as cell numbers, the current move; one blank between
// numbers and nothing after the last).
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

#include "ReversiCore.h"

namespace reversi {

namespace {

// No game file is anywhere near this; a larger file is not a game.
constexpr std::uintmax_t kMaxGameFileBytes = 1 << 20;

TFileResult Failure(std::string reason) { return TFileResult{false, std::move(reason)}; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

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
      bad = text.substr(i, std::min<size_t>(end - i, 20));
      return std::nullopt;
    }
    numbers.push_back(value);
    i = end;
  }
  return numbers;
}

// Reads an ordinary file of at most kMaxGameFileBytes. Opened without
// blocking and checked before reading, so a named pipe or a device is
// refused at once instead of hanging the program.
TFileResult ReadWholeFile(const std::string& fileName, std::string& text) {
  if (fileName.empty()) return Failure("no file name was given");
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return Failure("the file does not exist");
    return Failure(std::string("the file cannot be opened: ") + std::strerror(errno));
  }
  struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
  } closer{fd};
  struct stat info {};
  if (::fstat(fd, &info) != 0) return Failure(std::string("the file cannot be read: ") + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return Failure("it is a folder, not a file");
  if (!S_ISREG(info.st_mode)) return Failure("it is not an ordinary file");
  if (static_cast<std::uintmax_t>(info.st_size) > kMaxGameFileBytes)
    return Failure("the file is far too large to be a game");
  std::string buffer(kMaxGameFileBytes + 1, '\0');
  size_t got = 0;
  while (got < buffer.size()) {
    const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failure(std::string("the file cannot be read: ") + std::strerror(errno));
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  if (got > kMaxGameFileBytes) return Failure("the file is far too large to be a game");
  buffer.resize(got);
  text = std::move(buffer);
  return TFileResult{true, {}};
}

}  // namespace

void TReversiCore::ReplayOne(int square) {
  JustPlayedSquare = square;
  const int s = SideToMove;
  ApplyMove(s, square);
  SideToMove = FlipPotential(-s) > 0 ? -s : s;
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
  SetInitialPosition();
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

// Writes beside the target and renames over it, so a failure never leaves a
// half-written or destroyed game file.
TFileResult TReversiCore::SaveGame(const std::string& fileName) {
  if (thinking_) return Failure("the computer is thinking");
  if (fileName.empty()) return Failure("no file name was given");
  std::error_code ec;
  if (std::filesystem::is_directory(fileName, ec)) return Failure("it is a folder, not a file");
  // A link is written through: the game lands in the file it points to.
  std::string target = fileName;
  if (std::filesystem::is_symlink(fileName, ec)) {
    const auto resolved = std::filesystem::weakly_canonical(fileName, ec);
    if (!ec) target = resolved.string();
  }
  const std::string text = RecordText();
  const std::string temp = target + ".tmp~";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return Failure(std::string("the file cannot be created: ") + std::strerror(errno));
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    std::remove(temp.c_str());
    return Failure("the file cannot be written (is the disk full?)");
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    std::remove(temp.c_str());
    return Failure("the file cannot be replaced: " + why);
  }
  return TFileResult{true, {}};
}

// Reads and checks the whole file before touching the game: a file that
// cannot be replayed leaves the current game exactly as it was.
TFileResult TReversiCore::LoadGame(const std::string& fileName) {
  if (thinking_) return Failure("the computer is thinking");
  std::string text;
  if (TFileResult read = ReadWholeFile(fileName, text); !read) return read;
  std::string bad;
  const auto numbers = ParseNumbers(text, bad);
  if (!numbers) return Failure("\"" + bad + "\" is not a whole number");
  size_t next = 0;
  auto take = [&]() { return next < numbers->size() ? (*numbers)[next++] : 0; };

  const int32_t n = take();
  if (n < 0 || n > 60) return Failure("the move count " + std::to_string(n) + " is not between 0 and 60");
  std::array<int32_t, kMaxRecord> record{};
  for (int i = 0; i < n; ++i) record[i] = take();
  const int32_t current = take();
  if (current < 0 || current > n)
    return Failure("the current move " + std::to_string(current) + " is not between 0 and " + std::to_string(n));

  TBoard check;
  for (int i = 0; i < current; ++i) {
    const int q = record[i];
    if (!IsPlayingSquare(q) || !check.IsLegal(q))
      return Failure("move " + std::to_string(i + 1) + " (" + std::to_string(q) + ") is not a legal move");
    const int s = check.SideToMove;
    check.ApplyMove(s, q);
    check.SideToMove = check.FlipPotential(-s) > 0 ? -s : s;
  }

  GameRecord = record;
  GameRecord[current] = 0;
  MovesPlayed = current + 1;
  TakeBack();
  return TFileResult{true, {}};
}

}  // namespace reversi
