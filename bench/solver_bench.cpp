// The exact solver's speed, side by side with the yardstick, in CPU time.
//
//   solver_bench games [COUNT]   COUNT positions (default 21) with 14..20
//                                empties from tests/data/games-sample.txt,
//                                solved by both; the ratio of their times
//   solver_bench games-alone [COUNT]  the same without the yardstick
//   solver_bench ffo [FIRST LAST] FFO positions FIRST..LAST (default 40..49)
//                                beside NTest's published i7-2600 times
//   solver_bench exact [FIRST LAST] FFO positions FIRST..LAST (default 40..49),
//                                exact solves alone, one thread, for a
//                                profiler or a counter of instructions
//   solver_bench beyond [FIRST LAST [THREADS [SECONDS]]]  FFO positions FIRST..
//                                LAST (default 50..59), exact solves alone on
//                                THREADS threads (default 1), each given up
//                                after SECONDS (default 600) with its bounds
//   solver_bench threads N [FIRST LAST]  FFO positions FIRST..LAST (default
//                                45..49) each solved with one thread and with
//                                N, in turns, the order swapped every other
//                                position; wall-clock and CPU times, speed-up
#include <chrono>
#include <ctime>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "FfoPositions.h"
#include "Solver.h"
#include "YardstickSolver.h"

using namespace reversi::analysis;

namespace {

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

// The position of a game with `empties` empty squares, passes followed from
// the rules; false when the game ends before.
bool PositionAt(const std::string& moves, int empties, TBitPosition& out) {
  TBits mover = Bit(28) | Bit(35), other = Bit(27) | Bit(36);  // black d5 e4, white d4 e5
  for (size_t i = 0; i + 1 < moves.size(); i += 2) {
    if (64 - Count(mover | other) == empties) break;
    if (!LegalMoves(mover, other)) std::swap(mover, other);
    const int sq = (moves[i] - 'a') + 8 * (moves[i + 1] - '1');
    const TBits flips = Flips(sq, mover, other);
    if (!flips) return false;
    mover |= flips | Bit(sq);
    other ^= flips;
    std::swap(mover, other);
  }
  out = {mover, other};
  return 64 - Count(mover | other) == empties;
}

std::string Rate(int64_t nodes, double seconds) {
  std::ostringstream s;
  s.precision(1);
  s << std::fixed << (seconds > 0 ? nodes / seconds / 1e6 : 0.0) << " Mn/s";
  return s.str();
}

int RunGames(int count, bool withYardstick) {
  std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
  TSolver solver;
  TYardstickSolver yardstick;
  double solverTime = 0, yardTime = 0;
  int64_t solverNodes = 0, yardNodes = 0;
  std::string line;
  int done = 0;
  std::cout.precision(3);
  for (int game = 0; done < count && std::getline(in, line); ++game) {
    const int empties = 14 + done % 7;
    TBitPosition p;
    if (!PositionAt(line.substr(0, line.find(' ')), empties, p)) continue;
    solver.ClearHash();
    double t0 = CpuSeconds();
    const TSolveResult r = solver.Solve(p);
    const double ts = CpuSeconds() - t0;
    t0 = CpuSeconds();
    const int y = !withYardstick                     ? r.Score
                  : LegalMoves(p.Player, p.Opponent) ? yardstick.Solve(p.Player, p.Opponent)
                                                     : -yardstick.Solve(p.Opponent, p.Player);
    const double ty = CpuSeconds() - t0;
    if (y != r.Score) {
      std::cout << "game " << game + 1 << ": the solvers disagree, " << r.Score << " and " << y << "\n";
      return 1;
    }
    std::cout << "game " << game + 1 << " empties " << empties << " score " << r.Score << ": solver " << ts << " s "
              << r.Nodes << " nodes " << Rate(r.Nodes, ts) << " | yardstick " << ty << " s " << yardstick.Nodes()
              << " nodes " << Rate(yardstick.Nodes(), ty) << " | ratio " << (ts > 0 ? ty / ts : 0) << "\n";
    solverTime += ts;
    yardTime += ty;
    solverNodes += r.Nodes;
    yardNodes += yardstick.Nodes();
    ++done;
  }
  std::cout << "total: solver " << solverTime << " s " << solverNodes << " nodes " << Rate(solverNodes, solverTime)
            << " | yardstick " << yardTime << " s " << yardNodes << " nodes " << Rate(yardNodes, yardTime)
            << " | CPU time ratio " << yardTime / solverTime << "\n";
  return 0;
}

int RunFfo(int first, int last, bool exactOnly) {
  // NTest's published times on an i7-2600, seconds.
  const std::map<int, double> ntest = {{40, 1.0},  {41, 1.4}, {42, 1.3}, {43, 2.6},  {44, 1.5},
                                       {45, 22.3}, {46, 6.2}, {47, 3.3}, {48, 36.5}, {49, 105.5}};
  const auto all = ReadFfoPositions(VZ_TEST_DATA "/ffo-40-59.txt");
  if (all.empty()) {
    std::cerr << "solver_bench: cannot read the FFO positions\n";
    return 1;
  }
  TSolver solver(20);
  std::cout.precision(3);
  for (const auto& f : all) {
    if (f.Number < first || f.Number > last) continue;
    solver.ClearHash();
    const double t0 = CpuSeconds();
    const TSolveResult r = solver.Solve(f.Position);
    const double t = CpuSeconds() - t0;
    bool bestOk = false;
    for (int m : f.BestMoves) bestOk |= m == r.Best;
    std::cout << "#" << f.Number << " empties " << 64 - Count(f.Position.Player | f.Position.Opponent) << " score "
              << r.Score << (r.Score == f.Score && bestOk ? " ok" : " WRONG") << " best " << char('a' + r.Best % 8)
              << char('1' + r.Best / 8) << ": " << t << " s " << r.Nodes << " nodes " << Rate(r.Nodes, t);
    if (ntest.count(f.Number)) std::cout << " | NTest " << ntest.at(f.Number) << " s";
    if (exactOnly) {
      std::cout << "\n" << std::flush;
      continue;
    }
    solver.ClearHash();
    const double w0 = CpuSeconds();
    const TSolveResult w = solver.Solve(f.Position, TSolveMode::WinLossDraw);
    std::cout << " | win-loss-draw " << CpuSeconds() - w0 << " s " << w.Nodes << " nodes";
    std::cout << "\n" << std::flush;
  }
  return 0;
}

struct TTimed {
  TSolveResult Result;
  double Wall = 0, Cpu = 0;
};

// From an empty table; within `seconds` when given.
TTimed TimedSolve(TSolver& solver, const TBitPosition& p, int seconds = 0) {
  solver.ClearHash();
  if (seconds > 0) solver.SetDeadline(std::chrono::steady_clock::now() + std::chrono::seconds(seconds));
  const auto w0 = std::chrono::steady_clock::now();
  const double c0 = CpuSeconds();
  TTimed t;
  t.Result = solver.Solve(p);
  t.Cpu = CpuSeconds() - c0;
  t.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  return t;
}

int RunBeyond(int first, int last, int threads, int seconds) {
  const auto all = ReadFfoPositions(VZ_TEST_DATA "/ffo-40-59.txt");
  if (all.empty()) {
    std::cerr << "solver_bench: cannot read the FFO positions\n";
    return 1;
  }
  TSolver solver(22);
  solver.SetThreads(threads);
  int wrong = 0;
  std::cout.precision(3);
  for (const auto& f : all) {
    if (f.Number < first || f.Number > last) continue;
    const TTimed t = TimedSolve(solver, f.Position, seconds);
    const TSolveResult& r = t.Result;
    std::cout << "#" << f.Number << " empties " << 64 - Count(f.Position.Player | f.Position.Opponent);
    if (r.Complete) {
      bool bestOk = false;
      for (int m : f.BestMoves) bestOk |= m == r.Best;
      wrong += r.Score != f.Score || !bestOk;
      std::cout << " score " << r.Score << (r.Score == f.Score && bestOk ? " ok" : " WRONG") << " best "
                << char('a' + r.Best % 8) << char('1' + r.Best / 8);
    } else {
      wrong += r.Lower > f.Score || r.Upper < f.Score;
      std::cout << " unsolved after " << seconds << " s: " << r.Lower << ".." << r.Upper << " (score " << f.Score
                << ")";
    }
    std::cout << ": " << t.Wall << " s wall " << t.Cpu << " s cpu " << r.Nodes << " nodes " << Rate(r.Nodes, t.Cpu)
              << "\n"
              << std::flush;
  }
  return wrong ? 1 : 0;
}

int RunThreads(int threads, int first, int last) {
  const auto all = ReadFfoPositions(VZ_TEST_DATA "/ffo-40-59.txt");
  if (all.empty()) {
    std::cerr << "solver_bench: cannot read the FFO positions\n";
    return 1;
  }
  TSolver one(20), many(20);
  many.SetThreads(threads);
  double wall1 = 0, wallN = 0, cpu1 = 0, cpuN = 0;
  int wrong = 0;
  std::cout.precision(3);
  for (const auto& f : all) {
    if (f.Number < first || f.Number > last) continue;
    TTimed a, b;
    if (f.Number % 2) {
      a = TimedSolve(one, f.Position), b = TimedSolve(many, f.Position);
    } else {
      b = TimedSolve(many, f.Position), a = TimedSolve(one, f.Position);
    }
    bool bestOk = false;
    for (int m : f.BestMoves) bestOk |= m == b.Result.Best;
    const bool ok = a.Result.Score == f.Score && b.Result.Score == f.Score && bestOk;
    wrong += !ok;
    std::cout << "#" << f.Number << " score " << b.Result.Score << (ok ? " ok" : " WRONG") << " | 1 thread " << a.Wall
              << " s wall " << a.Cpu << " s cpu " << a.Result.Nodes << " nodes | " << threads << " threads " << b.Wall
              << " s wall " << b.Cpu << " s cpu " << b.Result.Nodes << " nodes | speed-up " << a.Wall / b.Wall << "\n"
              << std::flush;
    wall1 += a.Wall, wallN += b.Wall, cpu1 += a.Cpu, cpuN += b.Cpu;
  }
  std::cout << "total: 1 thread " << wall1 << " s wall " << cpu1 << " s cpu | " << threads << " threads " << wallN
            << " s wall " << cpuN << " s cpu | wall-clock speed-up " << wall1 / wallN << "\n";
  return wrong ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "games" || mode == "games-alone") return RunGames(argc > 2 ? std::atoi(argv[2]) : 21, mode == "games");
  if (mode == "ffo" || mode == "exact")
    return RunFfo(argc > 2 ? std::atoi(argv[2]) : 40, argc > 3 ? std::atoi(argv[3]) : 49, mode == "exact");
  if (mode == "beyond")
    return RunBeyond(argc > 2 ? std::atoi(argv[2]) : 50, argc > 3 ? std::atoi(argv[3]) : 59,
                     argc > 4 ? std::atoi(argv[4]) : 1, argc > 5 ? std::atoi(argv[5]) : 600);
  if (mode == "threads" && argc > 2)
    return RunThreads(std::atoi(argv[2]), argc > 3 ? std::atoi(argv[3]) : 45, argc > 4 ? std::atoi(argv[4]) : 49);
  std::cerr << "usage: solver_bench games|games-alone [COUNT] | ffo|exact [FIRST LAST] | threads N [FIRST LAST]\n"
               "       solver_bench beyond [FIRST LAST [THREADS [SECONDS]]]\n";
  return 2;
}
