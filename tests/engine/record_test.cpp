// The game record and the game file: take-backs, forward moves, replays
// across passes, byte-exact saves, and bad files that must leave the game
// alone.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Helpers.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() / ("vz-record-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
  static inline int counter_ = 0;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

// Everything a load may touch.
struct Snapshot {
  std::array<int32_t, kCells> cells;
  std::array<int32_t, TReversiCore::kMaxRecord> record;
  int movesPlayed, side, justPlayed;
  explicit Snapshot(const TReversiCore& e)
      : cells(e.Cells),
        record(e.GameRecord),
        movesPlayed(e.MovesPlayed),
        side(e.SideToMove),
        justPlayed(e.JustPlayedSquare) {}
  bool operator==(const Snapshot&) const = default;
};

void PlayTwoPlayer(TReversiCore& e, std::initializer_list<int> moves) {
  e.SetMode(TwoPlayer);
  for (int sq : moves) e.PlayMove(sq);
}

}  // namespace

TEST(Record, TakeBackAndForwardOneMove) {
  TReversiCore e;
  PlayTwoPlayer(e, {51});  // F5
  EXPECT_TRUE(e.CanTakeBack());
  EXPECT_FALSE(e.CanMoveForward());
  e.TakeBack();
  EXPECT_EQ(e.MovesPlayed, 0);
  EXPECT_EQ(e.SideToMove, kBlack);
  EXPECT_EQ(e.Discs(kBlack), 2);
  EXPECT_FALSE(e.CanTakeBack());
  EXPECT_TRUE(e.CanMoveForward());
  e.MoveForward();
  EXPECT_EQ(e.MovesPlayed, 1);
  EXPECT_EQ(e.Cell(51), kBlack);
  EXPECT_EQ(e.JustPlayedSquare, 51);
  EXPECT_EQ(e.SideToMove, kWhite);
  e.TakeBack();
  e.TakeBack();  // refused at the start
  EXPECT_EQ(e.MovesPlayed, 0);
}

TEST(Record, TakeBackAfterTheComputerRepliedLeavesItsColourIdle) {
  TReversiCore e;
  e.SetLevel(Ply1);
  std::vector<std::string> log;
  LogEvents(e, log);
  e.PlayMove(51);
  ASSERT_EQ(e.MovesPlayed, 2);
  log.clear();
  e.TakeBack();
  EXPECT_EQ(e.SideToMove, kWhite);
  EXPECT_FALSE(e.Thinking());
  EXPECT_TRUE(log.empty());
  e.TakeBack();
  EXPECT_EQ(e.SideToMove, kBlack);
  EXPECT_TRUE(log.empty());
}

TEST(Record, NewMoveAfterTakeBackDropsForwardMoves) {
  TReversiCore e;
  PlayTwoPlayer(e, {51, 60, 59});
  e.TakeBack();
  e.TakeBack();
  EXPECT_TRUE(e.CanMoveForward());
  e.PlayMove(42);  // White F4 instead of F6
  EXPECT_FALSE(e.CanMoveForward());
  EXPECT_EQ(e.RecordText(), "2 51 42 2");
}

TEST(Record, ReplayAcrossPassesRebuildsEveryPosition) {
  // A game with a pass in it, played out; then every take-back and every
  // forward move must give back the positions the game went through.
  TReversiCore e;
  const auto line = FindLine([](TReversiCore& g) {
    // a finished game whose record has a pass somewhere
    if (g.FlipPotential(kBlack) + g.FlipPotential(kWhite) != 0) return false;
    TBoard b;
    for (int i = 0; i < g.MovesPlayed; ++i) {
      const int s = b.SideToMove;
      if (!b.IsLegalFor(s, g.GameRecord[i])) return false;
      b.ApplyMove(s, g.GameRecord[i]);
      if (b.FlipPotential(-s) > 0)
        b.SideToMove = -s;
      else if (i + 1 < g.MovesPlayed)
        return true;
    }
    return false;
  });
  ASSERT_NE(line, std::vector<int>{-1});
  e.SetMode(TwoPlayer);
  e.OnEndGame = [](TReversiCore*) {};
  std::vector<Snapshot> seen{Snapshot(e)};
  for (int sq : line) {
    e.PlayMove(sq);
    seen.emplace_back(e);
  }
  for (int k = static_cast<int>(line.size()) - 1; k >= 0; --k) {
    e.TakeBack();
    ASSERT_EQ(e.Cells, seen[k].cells) << "after taking back to move " << k;
    ASSERT_EQ(e.SideToMove, seen[k].side) << k;
    ASSERT_EQ(e.CheckConsistency(), "");
  }
  // At the very end nobody can move, and the replay and the turn flow may
  // name different sides; everywhere else they agree.
  for (size_t k = 1; k < seen.size(); ++k) {
    e.MoveForward();
    ASSERT_EQ(e.Cells, seen[k].cells) << k;
    if (k + 1 < seen.size()) {
      ASSERT_EQ(e.SideToMove, seen[k].side) << k;
    }
  }
}

TEST(GameFile, SavesExactText) {
  TempDir dir;
  TReversiCore e;
  ASSERT_TRUE(e.SaveGame(dir.File("new.rgm")));
  EXPECT_EQ(ReadFile(dir.File("new.rgm")), "0 0");
  PlayTwoPlayer(e, {51, 60, 59});
  ASSERT_TRUE(e.SaveGame(dir.File("a.rgm")));
  EXPECT_EQ(ReadFile(dir.File("a.rgm")), "3 51 60 59 3");
  e.TakeBack();
  ASSERT_TRUE(e.SaveGame(dir.File("a.rgm")));  // overwrites
  EXPECT_EQ(ReadFile(dir.File("a.rgm")), "3 51 60 59 2");
  EXPECT_FALSE(fs::exists(dir.File("a.rgm.tmp~")));
}

TEST(GameFile, LoadCutsTheRecordAtTheCurrentMove) {
  TempDir dir;
  WriteFile(dir.File("g.rgm"), "3 51 60 59 2");
  TReversiCore e;
  ASSERT_TRUE(e.LoadGame(dir.File("g.rgm")));
  EXPECT_EQ(e.Cell(51), kBlack);
  EXPECT_EQ(e.Cell(60), kWhite);
  EXPECT_EQ(e.Cell(59), 0);
  EXPECT_EQ(e.SideToMove, kBlack);
  EXPECT_EQ(e.MovesPlayed, 2);
  EXPECT_FALSE(e.CanMoveForward());
  EXPECT_EQ(e.JustPlayedSquare, 60);
}

TEST(GameFile, LenientSpacingButNoMissingNumbers) {
  TempDir dir;
  TReversiCore e;
  WriteFile(dir.File("g.rgm"), "\t3\r\n51   60\n59\n\n3\n");
  ASSERT_TRUE(e.LoadGame(dir.File("g.rgm")));
  EXPECT_EQ(e.MovesPlayed, 3);
  // Empty or cut off before the current move: damaged, and the game stays.
  const std::pair<const char*, const char*> damaged[] = {
      {"", "empty"}, {" \n", "empty"}, {"0", "ends before"}, {"3 51 60", "ends before"}, {"3 51 60 59", "ends before"}};
  for (const auto& [text, reason] : damaged) {
    WriteFile(dir.File("short.rgm"), text);
    const TFileResult r = e.LoadGame(dir.File("short.rgm"));
    EXPECT_FALSE(r.Ok) << '"' << text << '"';
    EXPECT_NE(r.Reason.find(reason), std::string::npos) << r.Reason;
    EXPECT_EQ(e.MovesPlayed, 3);
  }
  WriteFile(dir.File("new.rgm"), "0 0");
  ASSERT_TRUE(e.LoadGame(dir.File("new.rgm")));
  EXPECT_EQ(e.MovesPlayed, 0);
}

TEST(GameFile, RoundTripsAWholeGame) {
  TempDir dir;
  TReversiCore a, b;
  const auto line =
      FindLine([](TReversiCore& g) { return g.MovesPlayed == 60 || g.FlipPotential(g.SideToMove) == 0; }, 9);
  Replay(a, line);
  a.TakeBack();
  a.TakeBack();
  ASSERT_TRUE(a.SaveGame(dir.File("g.rgm")));
  ASSERT_TRUE(b.LoadGame(dir.File("g.rgm")));
  EXPECT_EQ(b.Cells, a.Cells);
  EXPECT_EQ(b.SideToMove, a.SideToMove);
  EXPECT_EQ(b.MovesPlayed, a.MovesPlayed);
  EXPECT_EQ(b.CheckConsistency(), "");
}

TEST(GameFile, BadFilesAreRejectedAndTheGameKept) {
  TempDir dir;
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"text", "hello"},
      {"count too large", "61 51"},
      {"count negative", "-1 0"},
      {"current above count", "3 51 60 59 4"},
      {"current negative", "3 51 60 59 -1"},
      {"illegal second move", "2 51 51 2"},
      {"border square", "1 9 1"},
      {"outside the board", "1 200 1"},
      {"occupied square", "1 40 1"},
      {"too large for 32 bits", "1 51 2147483648"},
      {"trailing letters", "1 51x 1"},
      {"sign on its own", "1 - 1"},
      {"move after the end", "1 51 1 junk"},
  };
  for (const auto& [why, text] : bad) {
    TReversiCore e;
    PlayTwoPlayer(e, {51, 60});
    e.TakeBack();
    const Snapshot before(e);
    WriteFile(dir.File("bad.rgm"), text);
    const TFileResult r = e.LoadGame(dir.File("bad.rgm"));
    EXPECT_FALSE(r.Ok) << why;
    EXPECT_FALSE(r.Reason.empty()) << why;
    EXPECT_TRUE(Snapshot(e) == before) << why;
  }
  TReversiCore e;
  PlayTwoPlayer(e, {51});
  const Snapshot before(e);
  EXPECT_FALSE(e.LoadGame(dir.File("missing.rgm")).Ok);
  EXPECT_FALSE(e.LoadGame(dir.File("")).Ok);  // the folder itself
  EXPECT_FALSE(e.LoadGame("").Ok);
  WriteFile(dir.File("huge.rgm"), std::string(2 << 20, ' '));
  EXPECT_FALSE(e.LoadGame(dir.File("huge.rgm")).Ok);
  EXPECT_TRUE(Snapshot(e) == before);
}

TEST(GameFile, AnIllegalMoveIsNamedByItsSquare) {
  TempDir dir;
  TReversiCore e;
  WriteFile(dir.File("a.rgm"), "2 51 10 2");
  EXPECT_EQ(e.LoadGame(dir.File("a.rgm")).Reason, "move 2, a1 (10) is not a legal move");
  WriteFile(dir.File("b.rgm"), "1 9 1");  // a border cell has no name
  EXPECT_EQ(e.LoadGame(dir.File("b.rgm")).Reason, "move 1 (9) is not a legal move");
}

TEST(GameFile, NamedPipesAreRefusedAndLinksWrittenThrough) {
  TempDir dir;
  TReversiCore e;
  PlayTwoPlayer(e, {51});
  ASSERT_EQ(::mkfifo(dir.File("pipe.rgm").c_str(), 0600), 0);
  const TFileResult r = e.LoadGame(dir.File("pipe.rgm"));  // must not wait for a writer
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(e.MovesPlayed, 1);

  WriteFile(dir.File("real.rgm"), "0 0");
  fs::create_symlink(dir.File("real.rgm"), dir.File("link.rgm"));
  ASSERT_TRUE(e.SaveGame(dir.File("link.rgm")));
  EXPECT_TRUE(fs::is_symlink(dir.File("link.rgm")));
  EXPECT_EQ(ReadFile(dir.File("real.rgm")), "1 51 1");
}

TEST(GameFile, FailedSavesWriteNothing) {
  TempDir dir;
  TReversiCore e;
  PlayTwoPlayer(e, {51});
  EXPECT_FALSE(e.SaveGame(dir.File("no/such/folder/g.rgm")).Ok);
  fs::create_directories(dir.File("sub"));
  const TFileResult r = e.SaveGame(dir.File("sub"));
  EXPECT_FALSE(r.Ok);
  EXPECT_TRUE(fs::is_directory(dir.File("sub")));
  EXPECT_FALSE(e.SaveGame("").Ok);
}

TEST(GameFile, RefusedWhileThinking) {
  TempDir dir;
  WriteFile(dir.File("keep.rgm"), "0 0");
  TReversiCore e;
  e.SetLevel(Ply1);
  TFileResult saved{true, {}}, loaded{true, {}};
  int takeBacks = -1;
  e.OnPlyChange = [&](TReversiCore* s, int) {
    saved = s->SaveGame(dir.File("keep.rgm"));
    loaded = s->LoadGame(dir.File("keep.rgm"));
    s->TakeBack();
    s->MoveForward();
    s->NewGame();
    takeBacks = s->MovesPlayed;
  };
  e.SetThinking(true);
  EXPECT_FALSE(saved.Ok);
  EXPECT_FALSE(loaded.Ok);
  EXPECT_EQ(takeBacks, 0);
  EXPECT_EQ(e.MovesPlayed, 1);
  EXPECT_EQ(ReadFile(dir.File("keep.rgm")), "0 0");
}
