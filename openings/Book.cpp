#include "Book.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <unordered_map>

#include "Replay.h"
#include "SafeFile.h"

#ifndef VZ_DATA_DIR
#define VZ_DATA_DIR ""
#endif
#ifndef VZ_SOURCE_DATA_DIR
#define VZ_SOURCE_DATA_DIR ""
#endif

namespace reversi::openings {
namespace {

constexpr char kMagic[8] = {'V', 'Z', 'B', 'O', 'O', 'K', '\r', '\n'};
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderBytes = 8 + 4 * 3;
constexpr size_t kPositionBytes = 16;
constexpr size_t kMoveBytes = 8;
constexpr size_t kMaxBookBytes = size_t{64} << 20;

uint64_t Fnv1a(std::string_view bytes) {
  uint64_t h = 0xCBF29CE484222325ull;
  for (char c : bytes) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
  return h;
}

void Put(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
}

uint64_t Get(std::string_view in, size_t at, int bytes) {
  uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
  return value;
}

// What the builder knows of one position while it counts the games.
struct TCounted {
  TSidePosition Position;  // canonical
  int Games = 0;
  std::map<int, int> Moves;  // canonical square -> games
};

TSidePosition Play(const TSidePosition& p, int square) {
  const TBits flips = FlipsOf(p, square);
  return {p.Opponent & ~flips, p.Player | flips | (TBits{1} << square)};
}

class TBuilder {
 public:
  TBuilder(const TBookOptions& options, const std::function<double(const TSidePosition&)>& leaf)
      : options_(options), leaf_(leaf) {}

  void Count(const TCollectedGame& game) {
    int ply = 0;
    WalkGame(game.Start, game.Moves, [&](const TPly& at) {
      if (ply++ >= options_.MaxPlies || at.Move < 0) return;
      const TFolded c = Fold(at.Position);
      TCounted& counted = counted_[KeyOf(c.Position)];
      counted.Position = c.Position;
      ++counted.Games;
      ++counted.Moves[FoldedMove(c, at.Move)];
    });
  }

  bool InBook(uint64_t key) const {
    auto it = counted_.find(key);
    return it != counted_.end() && it->second.Games >= options_.MinGames;
  }

  // Value for the side to move, in discs.
  double Value(uint64_t key) {
    if (auto it = values_.find(key); it != values_.end()) return it->second;
    const TCounted& counted = counted_.at(key);
    double best = -1e9;
    for (const auto& [square, games] : counted.Moves)
      if (games >= options_.MinMoveGames) best = std::max(best, -ChildValue(Play(counted.Position, square)));
    if (best < -64) best = LeafValue(counted.Position);  // no move played often enough
    return values_[key] = best;
  }

  std::vector<TBook::TEntry> Entries(const std::function<void(size_t, size_t)>& progress) {
    progress_ = progress;
    std::vector<TBook::TEntry> entries;
    for (const auto& [key, counted] : counted_) {
      if (counted.Games < options_.MinGames) continue;
      TBook::TEntry entry{key, {}};
      for (const auto& [square, games] : counted.Moves) {
        if (games < options_.MinMoveGames) continue;
        const double value = -ChildValue(Play(counted.Position, square));
        entry.Moves.push_back({static_cast<uint8_t>(square), static_cast<uint32_t>(games),
                               static_cast<int16_t>(std::clamp(value, -64.0, 64.0) * 16)});
      }
      if (!entry.Moves.empty()) entries.push_back(std::move(entry));
    }
    return entries;
  }

 private:
  double ChildValue(const TSidePosition& child) {
    const TFolded c = Fold(child);
    const uint64_t key = KeyOf(c.Position);
    if (InBook(key)) return Value(key);
    return LeafValue(c.Position);
  }

  double LeafValue(const TSidePosition& p) {
    const uint64_t key = KeyOf(p);
    if (auto it = leaves_.find(key); it != leaves_.end()) return it->second;
    double value;
    const TSidePosition other{p.Opponent, p.Player};
    if (Moves(p) == 0 && Moves(other) != 0)
      value = -leaf_(other);
    else
      value = leaf_(p);
    if (progress_ && leaves_.size() % 256 == 0) progress_(leaves_.size(), 0);
    return leaves_[key] = value;
  }

  TBookOptions options_;
  std::function<double(const TSidePosition&)> leaf_;
  std::function<void(size_t, size_t)> progress_;
  std::unordered_map<uint64_t, TCounted> counted_;
  std::unordered_map<uint64_t, double> values_;
  std::unordered_map<uint64_t, double> leaves_;
};

std::string LocateBook() {
  namespace fs = std::filesystem;
  std::vector<fs::path> places;
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    places.push_back(self.parent_path() / "book.bin");
    places.push_back(self.parent_path() / "../share/vezari-zaduder/book.bin");
  }
  if (*VZ_DATA_DIR) places.push_back(fs::path(VZ_DATA_DIR) / "book.bin");
  if (*VZ_SOURCE_DATA_DIR) places.push_back(fs::path(VZ_SOURCE_DATA_DIR) / "book.bin");
  for (const fs::path& p : places)
    if (fs::is_regular_file(p, ec)) return p.string();
  return {};
}

}  // namespace

std::string TBook::Write(std::vector<TEntry> entries) {
  std::sort(entries.begin(), entries.end(), [](const TEntry& a, const TEntry& b) { return a.Key < b.Key; });
  size_t moveCount = 0;
  for (const TEntry& e : entries) moveCount += e.Moves.size();
  std::string out(kMagic, sizeof kMagic);
  Put(out, kVersion, 4);
  Put(out, entries.size(), 4);
  Put(out, moveCount, 4);
  uint32_t first = 0;
  for (const TEntry& e : entries) {
    Put(out, e.Key, 8);
    Put(out, first, 4);
    Put(out, e.Moves.size(), 4);
    first += static_cast<uint32_t>(e.Moves.size());
  }
  for (const TEntry& e : entries)
    for (const TEntryMove& m : e.Moves) {
      Put(out, m.Square, 1);
      Put(out, 0, 1);
      Put(out, static_cast<uint16_t>(m.Value), 2);
      Put(out, m.Games, 4);
    }
  Put(out, Fnv1a(out), 8);
  return out;
}

std::unique_ptr<TBook> TBook::Read(std::string_view bytes, std::string& error) {
  if (bytes.size() < kHeaderBytes + 8 || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
    error = "not a book file";
    return nullptr;
  }
  if (Get(bytes, 8, 4) != kVersion) {
    error = "a book of version " + std::to_string(Get(bytes, 8, 4)) + ", not " + std::to_string(kVersion);
    return nullptr;
  }
  const uint64_t positions = Get(bytes, 12, 4), moves = Get(bytes, 16, 4);
  if (bytes.size() != kHeaderBytes + positions * kPositionBytes + moves * kMoveBytes + 8) {
    error = "the book's size does not match its header";
    return nullptr;
  }
  if (Get(bytes, bytes.size() - 8, 8) != Fnv1a(bytes.substr(0, bytes.size() - 8))) {
    error = "the book is damaged (its checksum does not match)";
    return nullptr;
  }
  auto book = std::make_unique<TBook>();
  size_t at = kHeaderBytes;
  for (uint64_t i = 0; i < positions; ++i, at += kPositionBytes) {
    const TPositionRecord r{Get(bytes, at, 8), static_cast<uint32_t>(Get(bytes, at + 8, 4)),
                            static_cast<uint32_t>(Get(bytes, at + 12, 4))};
    const bool ordered = book->positions_.empty() || book->positions_.back().Key < r.Key;
    if (!ordered || uint64_t{r.FirstMove} + r.MoveCount > moves) {
      error = "the book's position " + std::to_string(i + 1) + " is out of order or out of range";
      return nullptr;
    }
    book->positions_.push_back(r);
  }
  for (uint64_t i = 0; i < moves; ++i, at += kMoveBytes) {
    const TEntryMove m{static_cast<uint8_t>(Get(bytes, at, 1)), static_cast<uint32_t>(Get(bytes, at + 4, 4)),
                       static_cast<int16_t>(Get(bytes, at + 2, 2))};
    if (m.Square >= 64) {
      error = "the book's move " + std::to_string(i + 1) + " is not a square";
      return nullptr;
    }
    book->moves_.push_back(m);
  }
  return book;
}

std::unique_ptr<TBook> TBook::Load(const std::string& path, std::string& error) {
  const safefile::TReadResult file = safefile::ReadSmallFile(path, kMaxBookBytes);
  if (!file) {
    error = file.Status == safefile::TReadStatus::Missing ? "no book file at " + path : "cannot read " + path;
    return nullptr;
  }
  auto book = Read(file.Text, error);
  if (!book) error = path + ": " + error;
  return book;
}

const TBook* TBook::Default(std::string* error) {
  static std::string loadError;
  static const std::unique_ptr<TBook> book = [] {
    const std::string path = LocateBook();
    if (path.empty()) {
      loadError = "the opening book (book.bin) was not found";
      return std::unique_ptr<TBook>();
    }
    return Load(path, loadError);
  }();
  if (!book && error) *error = loadError;
  return book.get();
}

std::vector<TBookMove> TBook::Find(const TSidePosition& position) const {
  const TFolded c = Fold(position);
  const uint64_t key = KeyOf(c.Position);
  auto it = std::lower_bound(positions_.begin(), positions_.end(), key,
                             [](const TPositionRecord& r, uint64_t k) { return r.Key < k; });
  std::vector<TBookMove> found;
  if (it == positions_.end() || it->Key != key) return found;
  for (uint32_t i = 0; i < it->MoveCount; ++i) {
    const TEntryMove& m = moves_[it->FirstMove + i];
    found.push_back({Unfolded(c, m.Square), m.Value / 16.0, static_cast<int>(m.Games)});
  }
  std::stable_sort(found.begin(), found.end(),
                   [](const TBookMove& a, const TBookMove& b) { return a.Value > b.Value; });
  return found;
}

std::vector<TBook::TEntry> BuildBook(const std::vector<TCollectedGame>& games, const TBookOptions& options,
                                     const std::function<double(const TSidePosition&)>& leafValue,
                                     const std::function<void(size_t, size_t)>& progress) {
  TBuilder builder(options, leafValue);
  for (const TCollectedGame& game : games) builder.Count(game);
  return builder.Entries(progress);
}

}  // namespace reversi::openings
