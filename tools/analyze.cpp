// vezari-analyze: the engine from the command line, without a window.
//
//   vezari-analyze [--level N] [--selective on|off] [--gamma G]
//                  [--selective-depth D] [--events] [--eval] [--perft N]
//                  [--position "BOARD SIDE"] [--load FILE] [--save FILE] [--bench]
//                  [--solve [--wld] [--threads N]] [--time S [--strict-time]] MOVES
//   vezari-analyze --analyse [--depth D | --time S] [--threads N] MOVES|--position|--load
//
// Exit status: 0 done, 2 bad arguments or an illegal move, 3 no legal move
// to search, 4 a game file that cannot be loaded, 5 a save that failed,
// 6 (--analyse) the analyst's weights cannot be loaded.
#include <time.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "Analyse.h"
#include "BenchPositions.h"
#include "DesignValues.h"
#include "EngineAdapter.h"
#include "MoveText.h"
#include "Openings.h"
#include "ReversiCore.h"
#include "SolveCommand.h"

using namespace reversi;

namespace {

const std::string kUsage =
    "usage: vezari-analyze [OPTION]... [MOVES]\n"
    "       vezari-analyze [OPTION]... --position \"BOARD SIDE\" [MOVES]\n"
    "       vezari-analyze [OPTION]... --load FILE\n"
    "       vezari-analyze --bench [--level N]\n"
    "       vezari-analyze --analyse [--depth D | --time S] [--threads N] MOVES|--position ...|--load FILE\n"
    "       vezari-analyze --book MOVES\n"
    "       vezari-analyze --library FILE --find MOVES\n"
    "Searches, evaluates, counts or solves a Reversi position and prints the result as one\n"
    "line of JSON. X is Black, O is White; Black moves first.\n"
    "\n"
    "  MOVES            the game from the start as square names run together (f5d6c3);\n"
    "                   '-' or nothing for the initial position\n"
    "  --position \"BOARD SIDE\"\n"
    "                   start from this board: BOARD is 64 characters, the squares in the\n"
    "                   order a1 b1 .. h1, a2 .. h2, .. h8 (row 1 at the top), X Black, O White,\n"
    "                   - empty; SIDE is X or O, the side to move; MOVES (any common\n"
    "                   notation) are played from there\n"
    "  --load FILE      take the position from a saved game instead of MOVES\n"
    "                   (\".RGM\", GGF or a move list, told apart by what the file holds)\n"
    "  --save FILE      save the game to FILE before anything else\n"
    "                   (GGF when FILE ends in .ggf, else \".RGM\")\n"
    "  --level N        fixed depth 1..12 (default 3); the search deepens two plies at a\n"
    "                   time, so 1-3 search 3 plies, 4-5 five, 6-7 seven, 8-9 nine,\n"
    "                   10-11 eleven and 12 thirteen\n"
    "  --time S         search for S seconds per move (1..32000) instead of a fixed depth;\n"
    "                   with --solve, stop the solve after S seconds and print the bounds\n"
    "                   it proved (\"lower\", \"upper\") and \"complete\":false\n"
    "  --strict-time    with --time: stop inside a root move when the time is up\n"
    "  --selective on|off  selective search (default on)\n"
    "  --gamma G        selective margin (default " +
    std::to_string(design::kGamma) +
    "; outside -9999..9999 ignored)\n"
    "  --selective-depth D  selective depth (default " +
    std::to_string(design::kSelectiveDepth) +
    "; outside 1..20 ignored)\n"
    "  --events         print every event of the search as it is raised\n"
    "  --eval           print the static evaluation instead of searching\n"
    "  --perft N        count the leaves N plies deep instead of searching\n"
    "  --solve          solve the position exactly: at most 36 empty squares (past about 26 a\n"
    "                   solve may take hours; a long one reports its nodes on standard error\n"
    "                   every few seconds)\n"
    "  --wld            with --solve: only win, draw or loss, faster\n"
    "  --threads N      with --solve or --analyse: search on N threads (1..64, or \"all\" for\n"
    "                   one a processor; default 1); more than one gives the same solved score,\n"
    "                   but a node count and, among equally good moves, a best move that vary\n"
    "                   from run to run (with --analyse also the value and depth reached)\n"
    "  --bench          search the fixed bench positions (depth 7 unless --level) and print\n"
    "                   the node count and the speed\n"
    "  --analyse        the analyst's best move and value in discs (one JSON line): for 1 second,\n"
    "                   for --time S seconds (fractions allowed), or --depth D plies of midgame\n"
    "                   search and nothing deeper (1..60); \"exact\" when the solver proved it\n"
    "  --book MOVES     the opening book's moves after MOVES, with their values in discs for\n"
    "                   the side to move and how often they were played, and the opening's name\n"
    "  --library FILE --find MOVES  the games of FILE (WTHOR .wtb, GGF or one game a line)\n"
    "                   that reached the position after MOVES, under the board's symmetries,\n"
    "                   and each next move with its count and mean final margin\n"
    "\n"
    "Output, one JSON object:\n"
    "  search   move; score, the value for the side to move in discs, to two decimals\n"
    "           (with final true the exact final disc difference); nodes; deepest and\n"
    "           ply, in plies; mainline; with --time also ms, the time taken in\n"
    "           milliseconds, and completed_ply, the last depth searched in full\n"
    "  --eval   eval_black and eval_white, the evaluation for each side in hundredths of\n"
    "           a disc; moves_ (legal moves), safe_ (safe moves) and discs_ of each side\n"
    "  --solve  score, the final disc difference for the side to move with perfect play\n"
    "           (empty squares to the winner; with --wld 1 win, 0 draw, -1 loss); best,\n"
    "           a best move (PASS to pass, NONE when the game is over); nodes\n"
    "  --perft  leaves, the number of move sequences N plies long\n"
    "  --bench  bench_nodes, ms (milliseconds) and nps (nodes per second)\n"
    "  --analyse  move; value in discs for the side to move; depth in plies; exact; nodes; pv\n"
    "  --book   name, the opening's; moves, each with its value in discs for the side to\n"
    "           move and the number of games\n"
    "  --find   games, the number that reached the position; moves, each with its games\n"
    "           and margin, the mean final disc difference for the side to move\n"
    "\n"
    "Exit status: 0 done, 2 bad arguments or an illegal move, 3 no legal move to search,\n"
    "4 a game file that cannot be loaded, 5 a save that failed, 6 (--analyse) the analyst's\n"
    "weights cannot be loaded.\n";

struct Options {
  int level = 3;
  bool levelGiven = false;
  bool selective = design::kSelective;
  int gamma = design::kGamma;
  int selectiveDepth = design::kSelectiveDepth;
  bool events = false;
  bool eval = false;
  std::optional<int> perft;
  std::optional<std::string> position;
  std::optional<std::string> load;
  std::optional<std::string> save;
  bool bench = false;
  bool solve = false;
  bool wld = false;
  std::optional<int> threads;  // --threads
  std::optional<std::string> moves;
  std::optional<int> seconds;  // --time
  bool strictTime = false;
  bool analyse = false;
  std::optional<int> depth;              // --depth, with --analyse
  std::optional<double> analyseSeconds;  // --time with a fraction, for --analyse alone
};

// --time's value for --analyse: a number of seconds, fractions allowed.
std::optional<double> ParseSeconds(const std::string& text) {
  if (text.empty() || text.size() > 12 || !std::isdigit(static_cast<unsigned char>(text[0]))) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !(value >= 0.001 && value <= 32000)) return std::nullopt;
  return value;
}

// The bench searches at this depth unless --level says otherwise.
constexpr int kBenchLevel = 7;

int Usage(const std::string& why) {
  if (!why.empty()) std::cerr << "vezari-analyze: " << why << "\n";
  std::cerr << kUsage;
  return 2;
}

std::optional<int> ParseInt(const std::string& text) {
  if (text.empty() || text.size() > 11) return std::nullopt;
  size_t used = 0;
  long long value = 0;
  try {
    value = std::stoll(text, &used, 10);
  } catch (...) {
    return std::nullopt;
  }
  if (used != text.size() || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  if (!std::isdigit(static_cast<unsigned char>(text[0])) && text[0] != '-') return std::nullopt;
  return static_cast<int>(value);
}

// Returns 0 when parsed, else the exit status after printing the usage.
int ParseArgs(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(0);
    } else if (arg == "--level") {
      if (!value(v)) return Usage("--level needs a value");
      auto n = ParseInt(v);
      if (!n || *n < 1 || *n > 12) return Usage("--level takes a whole number from 1 to 12");
      o.level = *n;
      o.levelGiven = true;
    } else if (arg == "--selective") {
      if (!value(v) || (v != "on" && v != "off")) return Usage("--selective takes on or off");
      o.selective = v == "on";
    } else if (arg == "--gamma") {
      if (!value(v)) return Usage("--gamma needs a value");
      auto n = ParseInt(v);
      if (!n) return Usage("--gamma takes a whole number");
      o.gamma = *n;
    } else if (arg == "--selective-depth") {
      if (!value(v)) return Usage("--selective-depth needs a value");
      auto n = ParseInt(v);
      if (!n) return Usage("--selective-depth takes a whole number");
      o.selectiveDepth = *n;
    } else if (arg == "--events") {
      o.events = true;
    } else if (arg == "--eval") {
      o.eval = true;
    } else if (arg == "--perft") {
      if (!value(v)) return Usage("--perft needs a value");
      auto n = ParseInt(v);
      if (!n || *n < 0 || *n > 60) return Usage("--perft takes a whole number from 0 to 60");
      o.perft = *n;
    } else if (arg == "--position") {
      if (!value(v)) return Usage("--position needs a board");
      o.position = v;
    } else if (arg == "--load") {
      if (!value(v)) return Usage("--load needs a file name");
      o.load = v;
    } else if (arg == "--save") {
      if (!value(v)) return Usage("--save needs a file name");
      o.save = v;
    } else if (arg == "--bench") {
      o.bench = true;
    } else if (arg == "--solve") {
      o.solve = true;
    } else if (arg == "--wld") {
      o.wld = true;
    } else if (arg == "--threads") {
      if (!value(v)) return Usage("--threads needs a value");
      const auto n = v == "all" ? std::optional<int>(std::max(1u, std::thread::hardware_concurrency())) : ParseInt(v);
      if (!n || *n < 1 || *n > 64) return Usage("--threads takes a whole number from 1 to 64, or all");
      o.threads = std::min(*n, 64);
    } else if (arg == "--time") {
      if (!value(v)) return Usage("--time needs a value");
      auto n = ParseInt(v);
      o.analyseSeconds = ParseSeconds(v);
      if (!n || *n < 1 || *n > 32000) {
        if (!o.analyseSeconds) return Usage("--time takes a whole number of seconds from 1 to 32000");
      } else {
        o.seconds = *n;
      }
    } else if (arg == "--analyse") {
      o.analyse = true;
    } else if (arg == "--depth") {
      if (!value(v)) return Usage("--depth needs a value");
      auto n = ParseInt(v);
      if (!n || *n < 1 || *n > 60) return Usage("--depth takes a whole number from 1 to 60");
      o.depth = *n;
    } else if (arg == "--strict-time") {
      o.strictTime = true;
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return Usage("unknown option " + arg);
    } else {
      if (o.moves) return Usage("only one MOVES argument may be given");
      o.moves = arg;
    }
  }
  if (o.load && o.moves && !o.moves->empty() && *o.moves != "-") return Usage("give either MOVES or --load, not both");
  if (o.load && o.position) return Usage("give either --position or --load, not both");
  if ((o.eval ? 1 : 0) + (o.perft ? 1 : 0) + (o.bench ? 1 : 0) + (o.solve ? 1 : 0) > 1)
    return Usage(o.solve ? "--solve excludes --eval, --perft and --bench"
                         : "--eval, --perft and --bench exclude each other");
  if (o.wld && !o.solve) return Usage("--wld goes with --solve");
  if (o.threads && !o.solve && !o.analyse) return Usage("--threads goes with --solve or --analyse");
  if (o.seconds && (o.levelGiven || o.bench)) return Usage("--time excludes --level and --bench");
  if (o.strictTime && !o.seconds) return Usage("--strict-time needs --time");
  if (o.analyse) {
    if (o.eval || o.perft || o.bench || o.solve || o.levelGiven || o.strictTime)
      return Usage("--analyse excludes --eval, --perft, --bench, --solve, --level and --strict-time");
    if (o.depth && o.analyseSeconds) return Usage("give --analyse either --depth or --time, not both");
  } else {
    if (o.depth) return Usage("--depth goes with --analyse");
    if (o.analyseSeconds && !o.seconds) return Usage("--time takes a whole number of seconds from 1 to 32000");
  }
  return 0;
}

std::string Score(double score) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", score);
  return buffer;
}

const char* Bool(bool b) {
  return b ? "true" : "false";
}

// Writes the search's events as JSON lines and keeps what the summary needs.
class SearchReport {
 public:
  SearchReport(TReversiCore& engine, bool print) : engine_(engine), print_(print) {}

  void Attach() {
    engine_.OnBeginSearch = [this](TReversiCore*) { Line("{\"event\":\"BeginSearch\"}"); };
    engine_.OnPlyChange = [this](TReversiCore*, int ply) {
      considered_ = 0;
      Line("{\"event\":\"PlyChange\",\"ply\":" + std::to_string(ply) + "}");
    };
    engine_.OnConsiderNew = [this](TReversiCore*, const std::string& move, int index, int total) {
      considered_ = index;
      rootMoves_ = total;
      Line("{\"event\":\"ConsiderNew\",\"move\":\"" + move + "\",\"index\":" + std::to_string(index) +
           ",\"total\":" + std::to_string(total) + "}");
    };
    engine_.OnBestChange = [this](TReversiCore* sender, const std::string& move, double score, bool final) {
      if (!moved_) {
        score_ = score;
        final_ = final;
      }
      Line("{\"event\":\"BestChange\",\"move\":\"" + move + "\",\"score\":" + Score(score) +
           ",\"final\":" + Bool(final) + ",\"nodes\":" + std::to_string(sender->Nodes()) + ",\"mainline\":\"" +
           sender->MainLine() + "\"}");
    };
    engine_.OnMove = [this](TReversiCore* sender, const std::string& move) {
      if (!moved_) {
        moved_ = true;
        nodes_ = sender->Nodes();
        deepest_ = sender->Deepest();
        ply_ = sender->Ply();
        mainLine_ = sender->MainLine();
        // A stop discards the root move it interrupted.
        const bool complete = considered_ == rootMoves_ && !sender->StopRequested();
        completedPly_ = complete ? ply_ : ply_ - 2;
      }
      Line("{\"event\":\"Move\",\"move\":\"" + move + "\"}");
    };
    engine_.OnPassRequest = [this](TReversiCore*) { Line("{\"event\":\"PassRequest\"}"); };
    engine_.OnComputerPass = [this](TReversiCore*) { Line("{\"event\":\"ComputerPass\"}"); };
    engine_.OnEndGame = [this](TReversiCore*) { Line("{\"event\":\"EndGame\"}"); };
    engine_.OnNewGame = [](TReversiCore*) {};
    engine_.OnEndSearch = [this](TReversiCore*, const std::string& move) {
      lastMove_ = move;
      Line("{\"event\":\"EndSearch\",\"move\":\"" + move + "\"}");
    };
  }

  // From here on the events belong to the search being reported.
  void BeginSearch(bool print) {
    print_ = print;
    moved_ = false;
  }

  std::string Summary() const {
    return "{\"move\":\"" + lastMove_ + "\",\"score\":" + Score(score_) + ",\"final\":" + Bool(final_) +
           ",\"nodes\":" + std::to_string(nodes_) + ",\"deepest\":" + std::to_string(deepest_) +
           ",\"ply\":" + std::to_string(ply_) + ",\"mainline\":\"" + mainLine_ + "\"}";
  }

  // The summary of a timed search, with its time and the depth of the last
  // iteration it completed (1 for none).
  std::string TimedSummary(int64_t ms) const {
    std::string text = Summary();
    text.insert(text.size() - 1,
                ",\"ms\":" + std::to_string(ms) + ",\"completed_ply\":" + std::to_string(completedPly_));
    return text;
  }

 private:
  void Line(const std::string& text) {
    if (print_) std::cout << text << "\n";
  }

  TReversiCore& engine_;
  bool print_;
  bool moved_ = false;
  double score_ = 0.0;
  bool final_ = false;
  int64_t nodes_ = 0;
  int deepest_ = 0;
  int ply_ = 0;
  std::string mainLine_;
  std::string lastMove_ = "--";
  int considered_ = 0;
  int rootMoves_ = 0;
  int completedPly_ = 0;
};

// The game from --position and MOVES, in the engine; 0, or the exit status
// after saying why not.
int SetUpPosition(TReversiCore& engine, const Options& o) {
  const TReadResult board = ReadBoard(*o.position);
  if (!board) return Usage("--position: " + board.Reason);
  const TReadResult game = ReadMoveList(o.moves.value_or(""), board.Game.Start);
  if (!game) {
    std::cerr << "vezari-analyze: " << game.Reason << "\n";
    return 2;
  }
  if (TFileResult r = engine.SetGame(game.Game); !r) {
    std::cerr << "vezari-analyze: " << r.Reason << "\n";
    return 2;
  }
  return 0;
}

// GGF for a name ending in ".ggf", any case; ".RGM" numbers otherwise.
TFileResult Save(TReversiCore& engine, const std::string& fileName) {
  std::string tail = fileName.size() >= 4 ? fileName.substr(fileName.size() - 4) : "";
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (tail != ".ggf") return engine.SaveGame(fileName);
  TGgfHeader header;
  const std::time_t now = std::time(nullptr);
  char date[32];
  if (std::strftime(date, sizeof date, "%Y.%m.%d_%H:%M:%S.UTC", std::gmtime(&now))) header.Date = date;
  return engine.SaveGgf(fileName, header);
}

void Configure(TReversiCore& engine, const Options& o) {
  engine.SetMode(TwoPlayer);
  engine.SetLevel(static_cast<TLevel>(o.level));
  engine.SetSelective(o.selective);
  engine.SetGamma(o.gamma);
  engine.SetSelectiveDepth(o.selectiveDepth);
  if (o.seconds) {
    engine.SetLevel(TimeLevel);
    engine.SetMoveTime(*o.seconds);
  }
  engine.SetStrictTime(o.strictTime);
}

// CPU seconds of the calling thread: unlike the wall clock, not stretched
// when other programs share the processor.
double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

int PrintEval(TReversiCore& engine) {
  const bool over = engine.FlipPotential(kBlack) == 0 && engine.FlipPotential(kWhite) == 0;
  const char* toMove = over ? "none" : (engine.SideToMove == kBlack ? "black" : "white");
  const int evalBlack = engine.Evaluate(0, kBlack);
  const int evalWhite = engine.Evaluate(0, kWhite);
  const auto black = engine.Search().Mobility(kBlack);
  const auto white = engine.Search().Mobility(kWhite);
  const int movesBlack = black.Moves, safeBlack = black.Safe;
  const int movesWhite = white.Moves, safeWhite = white.Safe;
  std::cout << "{\"tomove\":\"" << toMove << "\",\"eval_black\":" << evalBlack << ",\"eval_white\":" << evalWhite
            << ",\"moves_black\":" << movesBlack << ",\"moves_white\":" << movesWhite << ",\"safe_black\":" << safeBlack
            << ",\"safe_white\":" << safeWhite << ",\"discs_black\":" << engine.BlackDiscs()
            << ",\"discs_white\":" << engine.WhiteDiscs() << "}\n";
  return 0;
}

// Beyond this many empty squares an exact solve would run for days.
constexpr int kMaxSolveEmpties = 36;

int PrintSolve(const TBoard& board, bool wld, std::optional<int> seconds, int threads) {
  const int empties = 64 - board.Discs(kBlack) - board.Discs(kWhite);
  if (empties > kMaxSolveEmpties)
    return Usage("--solve takes positions with at most " + std::to_string(kMaxSolveEmpties) + " empty squares, not " +
                 std::to_string(empties));
  tools::PrintSolve(analysis::FromBoard(board), wld, seconds, threads, std::cout);
  return 0;
}

int RunBench(const Options& o) {
  int64_t total = 0;
  double seconds = 0;
  double cpuSeconds = 0;
  const auto& positions = BenchPositions();
  for (size_t k = 0; k < positions.size(); ++k) {
    TReversiCore engine;
    Configure(engine, o);
    engine.OnEndGame = [](TReversiCore*) {};
    std::string error;
    const auto moves = ParseMoveText(positions[k], error);
    if (!moves) {
      std::cerr << "vezari-analyze: bench position " << k + 1 << ": " << error << "\n";
      return 1;
    }
    for (int square : *moves) engine.PlayMove(square);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    engine.SetThinking(true);
    cpuSeconds += ThreadCpuSeconds() - cpuStart;
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    total += engine.Nodes();
    std::cout << "position " << k + 1 << ": " << engine.Nodes() << " nodes\n";
  }
  const double nps = seconds > 0 ? static_cast<double>(total) / seconds : 0.0;
  std::cout << "Nodes searched: " << total << "\n";
  std::cout << "Nodes/second: " << static_cast<int64_t>(nps) << "\n";
  const double cpuNps = cpuSeconds > 0 ? static_cast<double>(total) / cpuSeconds : 0.0;
  std::cout << "Nodes/CPU second: " << static_cast<int64_t>(cpuNps) << "\n";
  std::cout << "{\"bench_nodes\":" << total << ",\"positions\":" << positions.size() << ",\"level\":" << o.level
            << ",\"ms\":" << static_cast<int64_t>(seconds * 1000) << ",\"nps\":" << static_cast<int64_t>(nps) << "}\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (int status = 0; reversi::tools::RunOpenings(argc, argv, status)) return status;
  Options o;
  if (const int status = ParseArgs(argc, argv, o); status != 0) return status;
  if (o.bench) {
    if (o.moves || o.load || o.save || o.position) return Usage("--bench takes no game");
    if (!o.levelGiven) o.level = kBenchLevel;
    return RunBench(o);
  }

  TReversiCore engine;
  Configure(engine, o);
  SearchReport report(engine, false);
  report.Attach();

  if (o.load) {
    if (TFileResult r = engine.OpenGame(*o.load); !r) {
      std::cerr << "vezari-analyze: cannot load " << *o.load << ": " << r.Reason << "\n";
      return 4;
    }
  } else if (o.position) {
    if (const int status = SetUpPosition(engine, o); status != 0) return status;
  } else {
    std::string error;
    const auto moves = ParseMoveText(o.moves.value_or(""), error);
    if (!moves) {
      std::cerr << "vezari-analyze: " << error << "\n";
      return 2;
    }
    for (int square : *moves) engine.PlayMove(square);
  }
  if (o.save) {
    if (TFileResult r = Save(engine, *o.save); !r) {
      std::cerr << "vezari-analyze: cannot save " << *o.save << ": " << r.Reason << "\n";
      return 5;
    }
  }

  if (o.analyse) return RunAnalyse(engine, {o.depth.value_or(0), o.analyseSeconds.value_or(0), o.threads.value_or(1)});
  if (o.eval) return PrintEval(engine);
  if (o.solve) return PrintSolve(engine, o.wld, o.seconds, o.threads.value_or(1));
  if (o.perft) {
    std::cout << "{\"perft\":" << *o.perft << ",\"leaves\":" << engine.Search().Perft(*o.perft) << "}\n";
    return 0;
  }
  if (engine.FlipPotential(engine.SideToMove) == 0) {
    std::cout << "{\"error\":\"no legal move\"}\n";
    return 3;
  }
  report.BeginSearch(o.events);
  const auto start = std::chrono::steady_clock::now();
  engine.SetThinking(true);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cout << (o.seconds ? report.TimedSummary(ms.count()) : report.Summary()) << "\n";
  return 0;
}
