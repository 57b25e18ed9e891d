#include "SelfPlay.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <future>

#include "EngineState.h"
#include "GameFileOracle.h"
#include "ReversiCore.h"

using namespace reversi;
using namespace vztest;

// A short run of the self-play tool; the long runs are the slow ctest
// entries and the tool itself. The checks build confirms the board after
// every make and unmake, so it plays fewer games in the same time budget.
TEST(SelfPlay, ShortRunFindsNothing) {
#ifdef VZ_CHECKS
  constexpr int kGames = 4;
#else
  constexpr int kGames = 12;
#endif
  TSelfPlayOptions options;
  options.Games = kGames;
  options.Seed = 20240601;
  options.MaxLevel = 3;
  const auto stats = RunSelfPlay(options);
  EXPECT_EQ(stats.Games, kGames);
  EXPECT_GT(stats.Moves, kGames * 40);
  EXPECT_GT(stats.ComputerMoves, 0);
  EXPECT_GT(stats.Checks, stats.Games * 30);
  for (const auto& f : stats.Failures) ADD_FAILURE() << f;
}

// The harness's own references must agree with each other before they can
// judge the engine: the oracle's view of a few hand-made files.
TEST(SelfPlay, GameFileOracleReadsTheFormat) {
  EXPECT_FALSE(ExpectedLoad(""));  // empty, or cut off before the current move: damaged
  EXPECT_TRUE(ExpectedLoad("0 0"));
  EXPECT_FALSE(ExpectedLoad("5 51 60"));
  const auto three = ExpectedLoad("3 51 60 59 2");
  ASSERT_TRUE(three);
  EXPECT_EQ(three->Moves, (std::vector<int>{51, 60}));
  EXPECT_TRUE(ExpectedLoad("\t+3\r\n51  60 59 -0"));
  EXPECT_FALSE(ExpectedLoad("2 51 999 1"));   // beyond the current move too, a move must be legal
  EXPECT_FALSE(ExpectedLoad("2 51 60 2 7"));  // and nothing follows the current move
  EXPECT_FALSE(ExpectedLoad("3 51 60 59 4"));
  EXPECT_FALSE(ExpectedLoad("3 51 60 59 -1"));
  EXPECT_FALSE(ExpectedLoad("61"));
  EXPECT_FALSE(ExpectedLoad("1 50 1"));  // occupied
  EXPECT_FALSE(ExpectedLoad("1 18 1"));  // border
  EXPECT_FALSE(ExpectedLoad("1 10 1"));  // empty but not legal
  EXPECT_FALSE(ExpectedLoad("1 51 1x"));
  EXPECT_FALSE(ExpectedLoad("1 51 +-1"));
  EXPECT_FALSE(ExpectedLoad("0 2147483648"));
  EXPECT_FALSE(ExpectedLoad("0\v0"));
}

// Faults of the file system: nothing is lost and the game stays as it was.
TEST(FileFaults, RefusedFilesLeaveTheGame) {
  TTempDir dir;
  TReversiCore e;
  e.SetMode(TwoPlayer);
  for (int sq : {51, 60, 59, 41, 33}) e.PlayMove(sq);
  e.TakeBack();
  const TEngineState before = TEngineState::Of(e);

  std::string huge(2 << 20, ' ');
  huge.replace(0, 3, "0 0");
  ASSERT_TRUE(WriteText(dir.File("huge.rgm"), huge));
  std::string bytes("3 51\0 60 59 3", 13);
  ASSERT_TRUE(WriteText(dir.File("nul.rgm"), bytes));
  for (const std::string& file : {dir.Path(), dir.File("missing.rgm"), dir.File("huge.rgm"), dir.File("nul.rgm"),
                                  std::string("/dev/null/x.rgm"), std::string()}) {
    const auto r = e.LoadGame(file);
    EXPECT_FALSE(r) << file;
    EXPECT_FALSE(r.Reason.empty()) << file;
    EXPECT_EQ(Difference(before, TEngineState::Of(e)), "") << file;
  }
  for (const std::string& file : {dir.Path(), dir.File("no/such/folder.rgm"), std::string()}) {
    EXPECT_FALSE(e.SaveGame(file)) << file;
    EXPECT_EQ(Difference(before, TEngineState::Of(e)), "") << file;
  }
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path()));

  // A save that fails leaves the file it would have replaced as it was: here
  // a file-size limit makes the write fail, as a full disk would.
  ASSERT_TRUE(e.SaveGame(dir.File("kept.rgm")));
  const auto kept = ReadText(dir.File("kept.rgm"));
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit tiny = old;
  tiny.rlim_cur = 1;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  const bool saved = static_cast<bool>(e.SaveGame(dir.File("kept.rgm")));
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadText(dir.File("kept.rgm")), kept);
}

// A named pipe chosen as a game file: opening it would wait for a writer that
// never comes, and the program would freeze. The reader must refuse it at
// once. Should it ever block again, the test frees the reader itself so that
// it cannot hang the suite.
TEST(FileFaults, NamedPipeIsRefusedWithoutWaiting) {
  TTempDir dir;
  const std::string fifo = dir.File("pipe.rgm");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  TReversiCore e;
  e.SetMode(TwoPlayer);
  for (int sq : {51, 60, 59}) e.PlayMove(sq);
  const TEngineState before = TEngineState::Of(e);
  auto load = std::async(std::launch::async, [&] { return e.LoadGame(fifo); });
  const bool answered = load.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
  if (!answered) {
    const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);  // lets the reader see an empty file
    if (fd >= 0) close(fd);
  }
  const TFileResult result = load.get();
  EXPECT_TRUE(answered) << "LoadGame waited on a named pipe";
  EXPECT_FALSE(result) << "a named pipe was read as a game";
  EXPECT_EQ(Difference(before, TEngineState::Of(e)), "");
}
