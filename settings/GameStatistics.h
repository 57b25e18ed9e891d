// The games a person has played against the computer: wins, draws and
// losses against each opponent and the sum of the margins, kept across runs
// in "Statistics.ini" beside the settings file. Plain C++, no Qt.
//
// An opponent is a name the window makes up ("level:3", "analyst:0",
// "engine:Edax"); the store treats it as opaque text. The file is this
// program's own INI text:
//
//   [Statistics]
//   Format=1
//   [Opponent1]
//   Name=level:3        (bytes outside "!".."~" and UTF-8, and % and <, as %XX)
//   Wins=2
//   Draws=0
//   Losses=1
//   Margin=-6           (the person's discs less the computer's, summed)
//
// A file that is anything else (a section or key this format lacks, a
// count that is no number or out of range, a name twice) is refused with
// its reason and left as it is: nothing is written over it until the user
// resets the statistics.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stats {

struct TTally {
  int64_t Wins = 0;
  int64_t Draws = 0;
  int64_t Losses = 0;
  int64_t Margin = 0;  // summed over the games, from the person's side
  int64_t Games() const { return Wins + Draws + Losses; }
  double AverageMargin() const { return Games() ? static_cast<double>(Margin) / Games() : 0.0; }
  bool operator==(const TTally&) const = default;
};

// One finished game: whom the person played and by how many discs the
// person won (negative: lost).
struct TGameResult {
  std::string Opponent;
  int Margin = 0;
};

// Bounds a file must keep; beyond them it is refused as damaged.
inline constexpr int64_t kMaxCount = 1'000'000'000;
inline constexpr int64_t kMaxMargin = 64;  // discs a game, either way
inline constexpr std::size_t kMaxOpponents = 1000;
inline constexpr std::size_t kMaxNameBytes = 256;
inline constexpr std::size_t kMaxFileSize = std::size_t{1} << 20;

class TGameStatistics {
 public:
  // Counts the game; a count at kMaxCount stays there. A name that is
  // empty or longer than kMaxNameBytes, or a new opponent past
  // kMaxOpponents, is not counted (false).
  bool Add(const TGameResult& game);
  const std::map<std::string, TTally>& Tallies() const { return tallies_; }
  bool operator==(const TGameStatistics&) const = default;

 private:
  friend struct TParser;
  std::map<std::string, TTally> tallies_;
};

struct TParsed {
  std::optional<TGameStatistics> Statistics;  // none when refused
  std::string Reason;                         // why it was refused
};

// The statistics a text holds; an empty text (or only comments and blank
// lines) holds none. Never throws.
TParsed ParseStatistics(std::string_view text) noexcept;
// The text that ParseStatistics reads back as these statistics.
std::string StatisticsText(const TGameStatistics& statistics);

// "Statistics.ini" in the folder of the settings file at settingsPath.
std::string StatisticsPathBeside(const std::string& settingsPath);

// The file itself. Every operation reads it afresh; a change is made under
// the lock "<file>.lock" (another copy of the program may finish a game at
// the same moment) and replaces the file whole, so a crash leaves it wholly
// old or wholly new.
class TStatisticsFile {
 public:
  explicit TStatisticsFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // A missing file is empty statistics; anything that cannot be read or is
  // no statistics file is refused with its reason.
  TParsed Load() const;
  // The games counted into the file. False, with the reason, when the file
  // is refused, the lock cannot be had or the replace fails: the file is
  // then as it was.
  bool Add(const std::vector<TGameResult>& games, std::string* whyNot = nullptr);
  // Empties the statistics, whatever the file held (the user asked).
  bool Reset(std::string* whyNot = nullptr);

 private:
  bool Replace(const std::vector<TGameResult>* games, std::string* whyNot);
  std::string path_;
};

}  // namespace stats
