// vezari-engine as a controller runs it: a child process on pipes. A ping
// or quit ends a long search at once; the end of the input, a line of
// megabytes and binary bytes do no harm. External engines that die, hang
// or lie give clear errors, and no child outlives its player.
#include "Process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <string>
#include <thread>

#include "GtpPlayer.h"

using namespace reversi;
using namespace reversi::engines;
using Clock = std::chrono::steady_clock;

namespace {

std::unique_ptr<TProcess> Engine(std::vector<std::string> args = {}) {
  args.insert(args.begin(), VZ_ENGINE);
  std::string error;
  auto process = TProcess::Start(args, error);
  EXPECT_TRUE(process) << error;
  return process;
}

// Reads lines until one starts with prefix; false at a timeout or the end.
bool WaitFor(TProcess& p, const std::string& prefix, int ms, std::string* found = nullptr) {
  std::string line;
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    const int left =
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count());
    if (p.ReadLine(line, std::max(left, 1)) != TProcess::TRead::Line) return false;
    if (line.rfind(prefix, 0) == 0) {
      if (found) *found = line;
      return true;
    }
  }
  return false;
}

bool Gone(pid_t pid) {
  return kill(pid, 0) != 0;
}

// Level 12 from the start takes many seconds; a ping answers in far less.
TEST(EngineProcess, PingStopsALongSearchAtOnce) {
  auto p = Engine();
  p->WriteLine("nboard 2");
  p->WriteLine("set depth 60");
  p->WriteLine("go");
  ASSERT_TRUE(WaitFor(*p, "status", 5000));
  const auto start = Clock::now();
  p->WriteLine("ping 5");
  std::string move;
  ASSERT_TRUE(WaitFor(*p, "===", 3000, &move));  // the search answers first
  EXPECT_TRUE(WaitFor(*p, "pong 5", 3000));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
  p->WriteLine("quit");
  EXPECT_TRUE(p->WaitExit(3000));
  EXPECT_EQ("exited with status 0", p->ExitText());
}

TEST(EngineProcess, QuitAndEndOfInputEndASearch) {
  for (const bool quit : {true, false}) {
    auto p = Engine({"--gtp", "--depth", "60"});
    p->WriteLine("genmove black");
    p->WriteLine("showboard");  // queued behind the search
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto start = Clock::now();
    if (quit)
      p->WriteLine("quit");
    else
      p->CloseInput();
    EXPECT_TRUE(WaitFor(*p, "= ", 3000));  // the search's move
    EXPECT_TRUE(p->WaitExit(3000));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ("exited with status 0", p->ExitText());
  }
}

TEST(EngineProcess, HugeLinesAndBinaryBytesAreRefusedAndServingGoesOn) {
  auto p = Engine({"--gtp"});
  p->WriteLine(std::string(3 << 20, 'x'));
  const char binary[] = "\x00\x01\xff\xfe play black d3";
  p->WriteLine(std::string(binary, sizeof binary - 1));
  p->WriteLine("1 name");
  std::string line;
  ASSERT_TRUE(WaitFor(*p, "? line too long", 5000));
  ASSERT_TRUE(WaitFor(*p, "=1 Vezari Zaduder", 5000));
  p->WriteLine("quit");
  EXPECT_TRUE(p->WaitExit(3000));
}

TEST(GtpPlayer, ADeadOrSilentEngineIsAClearErrorAndLeavesNoChild) {
  TGtpPlayer silent({"sh", "-c", "trap '' TERM; read x; echo '= 2'; echo; exec sleep 100"});
  silent.SetTimeouts(300, 300);
  std::string error;
  EXPECT_FALSE(silent.NewGame(TGame{}, error));
  EXPECT_NE(std::string::npos, error.find("did not answer")) << error;
  EXPECT_EQ(0, silent.Pid());

  TGtpPlayer missing({"/nonexistent/engine"});
  EXPECT_FALSE(missing.NewGame(TGame{}, error));
  EXPECT_NE(std::string::npos, error.find("cannot start")) << error;

  TGtpPlayer crashing({"sh", "-c", "while read x; do case $x in genmove*) kill -SEGV $$;; esac; echo =; echo; done"});
  ASSERT_TRUE(crashing.NewGame(TGame{}, error)) << error;
  const pid_t pid = crashing.Pid();
  const TMoveReply reply = crashing.Generate({1, 0});
  EXPECT_NE(std::string::npos, reply.Error.find("signal 11")) << reply.Error;
  EXPECT_TRUE(Gone(pid));

  TGtpPlayer liar({"sh", "-c", "while read x; do echo '= a1'; echo; done"});
  ASSERT_TRUE(liar.NewGame(TGame{}, error)) << error;
  EXPECT_NE(std::string::npos, liar.Generate({1, 0}).Error.find("illegal move a1"));
}

TEST(Process, CloseKillsAChildThatIgnoresItsInputAndTermAndReapsIt) {
  std::string error;
  auto p = TProcess::Start({"sh", "-c", "trap '' TERM; exec sleep 100"}, error);
  ASSERT_TRUE(p) << error;
  const pid_t pid = p->Pid();
  p->Close(50);
  EXPECT_TRUE(Gone(pid));  // neither running nor a zombie
  EXPECT_EQ("killed by signal 9", p->ExitText());
}

}  // namespace
