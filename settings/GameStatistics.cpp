#include "GameStatistics.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstring>
#include <new>

#include "FileLock.h"
#include "IniText.h"
#include "SafeFile.h"

// SimpleIni is templates only; its definitions sit behind SI_IMPLEMENTATION.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace stats {

namespace {

const char kStatistics[] = "Statistics";
const char kOpponent[] = "Opponent";
const char* const kCountKeys[] = {"Wins", "Draws", "Losses"};
// A game's end waits no longer than this for another copy writing the
// file; the game is then kept for the next write.
constexpr std::chrono::milliseconds kLockWait{3000};

// Names match regardless of ASCII letter case, as SimpleIni matches them.
char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

// Text of the file quoted in a reason: in double quotes (the window
// translates a reason around what it quotes), at most 40 bytes, those
// outside printable ASCII and quotes as "?".
std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text.substr(0, 40)) out += c >= 0x20 && c < 0x7F && c != '"' ? static_cast<char>(c) : '?';
  return out + (text.size() > 40 ? "...\"" : "\"");
}
std::string Section(std::string_view name) {
  return Quoted("[" + std::string(name) + "]");
}

bool Kept(unsigned char c) {
  return (c > 0x20 && c < 0x7F && c != '%' && c != '<') || c >= 0x80;
}

std::string EncodeName(std::string_view name) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if (Kept(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> DecodeName(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return out;
}

// A decimal integer: an optional "-" and digits, nothing else.
std::optional<int64_t> ParseNumber(std::string_view text) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Every line must be one SimpleIni reads as part of the file: anything else
// (a line of some other file) means the file is not ours.
std::string LineFault(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return "the file holds a NUL byte";
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int number = 0;
  for (const TIniLine& line : SplitIniLines(text)) {
    ++number;
    std::string_view s = line.Text;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (s.empty() || s.front() == ';' || s.front() == '#') continue;
    if (s.front() == '[' && s.back() == ']' && s.find(']') == s.size() - 1) continue;
    const std::size_t eq = s.find('=');
    if (s.front() != '[' && eq != std::string_view::npos && eq > 0) continue;
    return "line " + std::to_string(number) + " is neither a section, a key nor a comment";
  }
  return {};
}

}  // namespace

bool TGameStatistics::Add(const TGameResult& game) {
  if (game.Opponent.empty() || game.Opponent.size() > kMaxNameBytes) return false;
  if (!tallies_.contains(game.Opponent) && tallies_.size() >= kMaxOpponents) return false;
  TTally& t = tallies_[game.Opponent];
  int64_t& count = game.Margin > 0 ? t.Wins : game.Margin < 0 ? t.Losses : t.Draws;
  if (count >= kMaxCount) return true;
  ++count;
  t.Margin += std::clamp<int64_t>(game.Margin, -kMaxMargin, kMaxMargin);
  return true;
}

// Reads the file's sections one by one; the first fault ends the reading.
struct TParser {
  CSimpleIniA ini{/*a_bIsUtf8=*/false, /*a_bMultiKey=*/true, /*a_bMultiLine=*/false};
  TGameStatistics result;
  std::string fault;

  // The one value of a key, or why there is none.
  std::optional<std::string> Value(const char* section, const char* key) {
    CSimpleIniA::TNamesDepend values;
    ini.GetAllValues(section, key, values);
    if (values.size() == 1) return std::string(values.front().pItem);
    fault = Section(section) + (values.empty() ? " lacks " : " holds twice ") + Quoted(key);
    return std::nullopt;
  }

  bool Keys(const char* section, std::initializer_list<const char*> allowed) {
    CSimpleIniA::TNamesDepend keys;
    ini.GetAllKeys(section, keys);
    for (const auto& key : keys) {
      bool known = false;
      for (const char* name : allowed) known = known || SameName(key.pItem, name);
      if (!known) {
        fault = Section(section) + " holds the unknown key " + Quoted(key.pItem);
        return false;
      }
    }
    return true;
  }

  bool Format() {
    if (!Keys(kStatistics, {"Format"})) return false;
    const auto format = Value(kStatistics, "Format");
    if (!format) return false;
    if (*format != "1") fault = "its format " + Quoted(*format) + " is not one this program knows";
    return fault.empty();
  }

  bool Opponent(const char* section) {
    if (!Keys(section, {"Name", "Wins", "Draws", "Losses", "Margin"})) return false;
    const auto encoded = Value(section, "Name");
    if (!encoded) return false;
    const auto name = DecodeName(*encoded);
    const std::string where = Section(section);
    if (!name || name->empty() || name->size() > kMaxNameBytes) return Fail(where + " has no readable name");
    if (result.tallies_.contains(*name)) return Fail(where + " names an opponent again");
    if (result.tallies_.size() >= kMaxOpponents)
      return Fail("it names more than " + std::to_string(kMaxOpponents) + " opponents");
    TTally t;
    int64_t* counts[] = {&t.Wins, &t.Draws, &t.Losses};
    for (int k = 0; k < 3; ++k) {
      const auto text = Value(section, kCountKeys[k]);
      if (!text) return false;
      const auto n = ParseNumber(*text);
      if (!n || *n < 0 || *n > kMaxCount)
        return Fail(Quoted(kCountKeys[k]) + " in " + where + " is not a count of games");
      *counts[k] = *n;
    }
    const auto margin = Value(section, "Margin");
    if (!margin) return false;
    const auto m = ParseNumber(*margin);
    if (!m || *m < -kMaxMargin * t.Games() || *m > kMaxMargin * t.Games())
      return Fail(Quoted("Margin") + " in " + where + " is not the sum of its games' margins");
    t.Margin = *m;
    result.tallies_[*name] = t;
    return true;
  }

  bool Fail(std::string why) {
    fault = std::move(why);
    return false;
  }

  bool Sections() {
    CSimpleIniA::TNamesDepend sections;
    ini.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    bool formatSeen = false;
    for (const auto& section : sections) {
      const std::string_view name = section.pItem;
      if (SameName(name, kStatistics)) {
        if (!Format()) return false;
        formatSeen = true;
        continue;
      }
      const bool numbered = name.size() > 8 && name.size() <= 14 && SameName(name.substr(0, 8), kOpponent) &&
                            name.substr(8).find_first_not_of("0123456789") == std::string_view::npos;
      if (!numbered)
        return Fail(name.empty() ? "it holds keys before its first section"
                                 : "it holds the unknown section " + Section(name));
      if (!Opponent(section.pItem)) return false;
    }
    if (!sections.empty() && !formatSeen) return Fail("it lacks the section " + Section(kStatistics));
    return true;
  }
};

TParsed ParseStatistics(std::string_view text) noexcept {
  try {
    if (std::string fault = LineFault(text); !fault.empty()) return {std::nullopt, fault};
    TParser parser;
    if (parser.ini.LoadData(text.data(), text.size()) < 0) return {std::nullopt, "it cannot be read as an INI file"};
    if (!parser.Sections()) return {std::nullopt, parser.fault};
    return {std::move(parser.result), {}};
  } catch (const std::bad_alloc&) {
    return {std::nullopt, "there is not enough memory to read it"};
  }
}

std::string StatisticsText(const TGameStatistics& statistics) {
  std::string text = "; Games played against the computer, kept by Vezari Zaduder.\n[Statistics]\nFormat=1\n";
  int n = 0;
  for (const auto& [name, t] : statistics.Tallies()) {
    text += "\n[Opponent" + std::to_string(++n) + "]\nName=" + EncodeName(name) + "\n";
    text += "Wins=" + std::to_string(t.Wins) + "\nDraws=" + std::to_string(t.Draws) + "\n";
    text += "Losses=" + std::to_string(t.Losses) + "\nMargin=" + std::to_string(t.Margin) + "\n";
  }
  return text;
}

std::string StatisticsPathBeside(const std::string& settingsPath) {
  const std::size_t slash = settingsPath.rfind('/');
  return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) + "Statistics.ini";
}

TParsed TStatisticsFile::Load() const {
  const safefile::TReadResult file = safefile::ReadSmallFile(path_, kMaxFileSize);
  if (file.Status == safefile::TReadStatus::Missing) return {TGameStatistics(), {}};
  if (!file) return {std::nullopt, safefile::Reason(file)};
  return ParseStatistics(file.Text);
}

bool TStatisticsFile::Add(const std::vector<TGameResult>& games, std::string* whyNot) {
  return Replace(&games, whyNot);
}

bool TStatisticsFile::Reset(std::string* whyNot) {
  return Replace(nullptr, whyNot);
}

// Under the lock: the file read afresh (another copy may have counted a
// game meanwhile), the games added, the whole text replaced. Without games
// the statistics start again from nothing.
bool TStatisticsFile::Replace(const std::vector<TGameResult>* games, std::string* whyNot) {
  const auto fail = [whyNot](std::string why) {
    if (whyNot) *whyNot = std::move(why);
    return false;
  };
  const std::string lockPath = safefile::WriteTarget(path_) + ".lock";
  const safefile::TFileLock lock(lockPath, kLockWait);
  switch (lock.Status()) {
    case safefile::TLockStatus::Ok:
      break;
    case safefile::TLockStatus::Busy:
      return fail("another copy of the program (process " + std::to_string(lock.Holder()) + ") is writing it");
    case safefile::TLockStatus::NotRegular:
      return fail("\"" + lockPath + "\" is not a regular file");
    default:
      return fail(std::string("its lock cannot be created: ") + std::strerror(lock.Errno()));
  }
  safefile::RemoveLeftovers(path_);
  TGameStatistics statistics;
  if (games) {
    TParsed now = Load();
    if (!now.Statistics) return fail(now.Reason);
    statistics = std::move(*now.Statistics);
    for (const TGameResult& game : *games) statistics.Add(game);
  }
  const safefile::TReplaceResult replaced = safefile::ReplaceFile(path_, StatisticsText(statistics));
  return replaced ? true : fail(safefile::Reason(replaced));
}

}  // namespace stats
