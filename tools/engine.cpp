// vezari-engine: our engine for other programs. It speaks NBoard's
// protocol (version 2) by default and GTP with --gtp on its standard input
// and output, and plays matches between players with --match.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "AnalystPlayer.h"
#include "EngineMatch.h"
#include "GtpSession.h"
#include "LevelsPlayer.h"
#include "LineSplitter.h"
#include "NboardSession.h"
#include "PlayerChoice.h"
#include "Words.h"

using namespace reversi::engines;

namespace {

const char* const kUsage =
    "usage: vezari-engine [--gtp] [--engine NAME] [--depth D] [--exact EMPTIES] [--threads N]\n"
    "  (no option)      serve NBoard's protocol, version 2, on standard input and output\n"
    "  --gtp            serve GTP (the Reversi dialect of GRhino and Quarry) instead\n"
    "  --engine NAME    the engine that plays: analyst (the default: the learned\n"
    "                   evaluation's search) or levels (the game's computer player)\n"
    "  --depth D        search depth until the controller sets one or a time (1..60,\n"
    "                   default 8)\n"
    "  --exact EMPTIES  solve positions with at most this many empty squares exactly\n"
    "                   (0..24, default 14)\n"
    "  --threads N      the analyst searches on N threads (1..64, or \"all\" for one a\n"
    "                   processor; default 1)\n";

int Usage(const std::string& why) {
  std::cerr << "vezari-engine: " << why << "\n" << kUsage << kMatchUsage;
  return 2;
}

void WriteLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

// Reads the standard input on this thread while the session answers on its
// own; returns once the session has ended (quit) or the input has ended and
// every line has been answered.
int Serve(TSession& session) {
  TSessionRunner runner(session);
  TLineSplitter splitter(
      TSession::kMaxLine,
      [&](std::string_view line) {
        runner.Post(line);
        return true;
      },
      [&] {
        runner.PostTooLong();
        return true;
      });
  char chunk[65536];
  while (!runner.Ended()) {
    pollfd p{STDIN_FILENO, POLLIN, 0};
    const int ready = poll(&p, 1, 100);  // wakes to see a quit answered
    if (ready < 0 && errno != EINTR) break;
    if (ready <= 0) continue;
    const ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) break;
    splitter.Feed(std::string_view(chunk, static_cast<size_t>(n)));
  }
  splitter.Finish();
  runner.Close();
  runner.Wait();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage << kMatchUsage;
    return 0;
  }
  if (!args.empty() && args[0] == "--match") return RunMatchCommand({args.begin() + 1, args.end()});

  bool gtp = false;
  std::string engine = DefaultEngineName();
  bool chosen = false;
  int exact = 14;
  int depth = 8;
  int threads = 1;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--gtp") {
      gtp = true;
    } else if (args[i] == "--engine" && i + 1 < args.size()) {
      engine = args[++i];
      chosen = true;
    } else if (args[i] == "--depth" && i + 1 < args.size()) {
      const auto n = ParseWhole(args[++i], 1, 60);
      if (!n) return Usage("--depth takes a depth from 1 to 60");
      depth = static_cast<int>(*n);
    } else if (args[i] == "--exact" && i + 1 < args.size()) {
      const auto n = ParseWhole(args[++i], 0, 24);
      if (!n) return Usage("--exact takes a number of empty squares from 0 to 24");
      exact = static_cast<int>(*n);
    } else if (args[i] == "--threads" && i + 1 < args.size()) {
      const std::string& v = args[++i];
      const auto n = v == "all" ? std::optional<long long>(std::clamp<int>(std::thread::hardware_concurrency(), 1, 64))
                                : ParseWhole(v, 1, 64);
      if (!n) return Usage("--threads takes a whole number from 1 to 64, or all");
      threads = static_cast<int>(*n);
    } else {
      return Usage("unknown option " + args[i]);
    }
  }
  std::string error;
  std::unique_ptr<TSearchingPlayer> player = MakeSearchingPlayer(engine, error);
  if (!player && !chosen) {
    // Without its weights the analyst cannot play; the game's own player can.
    std::cerr << "vezari-engine: " << error << "; the classic player plays instead\n";
    player = MakeSearchingPlayer("levels", error);
  }
  if (!player) return Usage(error);
  if (auto* levels = dynamic_cast<TLevelsPlayer*>(player.get())) levels->SetExactFrom(exact);
  // The game's own player thinks on one thread, as it always has.
  if (auto* analyst = dynamic_cast<TAnalystPlayer*>(player.get())) analyst->SetThreads(threads);

  // A controller that goes away must not kill us in the middle of a line.
  signal(SIGPIPE, SIG_IGN);
  if (gtp) {
    TGtpSession session(*player, WriteLine);
    session.SetDepth(depth);
    return Serve(session);
  }
  TNboardSession session(*player, WriteLine);
  session.SetDepth(depth);
  return Serve(session);
}
