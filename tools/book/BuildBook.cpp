// vezari-book: builds the opening book from real games.
//
//   vezari-book [--out FILE] [--plies P] [--min-games G] [--depth D]
//               [--threads T] [--cache FILE] GAMES[:N]...
//
// GAMES are collections (one game a line, GGF or WTHOR); ":N" takes only the
// first N games of one, so that the games kept apart to judge what is
// learned stay out of the book. Every position reached in the first P plies
// by at least G games goes in, with the moves played from it by at least
// two of them; a move whose position is not in the book is valued by the
// analyst's search of D plies, and the values are carried back by minimax.
// The leaves' values are appended to the cache file as they are found, so an
// interrupted build resumes where it stopped.
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "Analyst.h"
#include "Book.h"
#include "GameCollection.h"
#include "SafeFile.h"

using namespace reversi;
using namespace reversi::openings;

namespace {

struct TOptions {
  std::string out = "data/book.bin";
  std::string cache = "book-leaves.txt";
  TBookOptions book;
  int depth = 10;
  int threads = 1;
  std::vector<std::string> games;
};

int Usage(const std::string& why) {
  std::cerr << "vezari-book: " << why << "\n"
            << "usage: vezari-book [--out FILE] [--plies P] [--min-games G] [--depth D] [--threads T]\n"
               "                   [--cache FILE] GAMES[:N]...\n";
  return 2;
}

bool ReadGames(const std::string& choice, std::vector<TCollectedGame>& games) {
  const size_t colon = choice.rfind(':');
  const bool limited = colon != std::string::npos && colon + 1 < choice.size() &&
                       choice.find_first_not_of("0123456789", colon + 1) == std::string::npos;
  const std::string path = limited ? choice.substr(0, colon) : choice;
  TCollection c = ReadCollectionFile(path);
  if (!c.Error.empty()) {
    std::cerr << "vezari-book: " << path << ": " << c.Error << "\n";
    return false;
  }
  if (limited && c.Games.size() > std::stoul(choice.substr(colon + 1)))
    c.Games.resize(std::stoul(choice.substr(colon + 1)));
  std::cerr << path << ": " << c.Games.size() << " games, " << c.Problems.size() << " refused\n";
  games.insert(games.end(), c.Games.begin(), c.Games.end());
  return true;
}

using TLeaves = std::unordered_map<uint64_t, double>;

TLeaves ReadCache(const std::string& path) {
  TLeaves leaves;
  std::ifstream in(path);
  uint64_t key;
  double value;
  while (in >> key >> value) leaves[key] = value;
  return leaves;
}

// Values the positions not yet in `leaves` on `threads` threads, each with
// its own analyst, appending each value to the cache as it comes.
void ValueLeaves(const std::vector<TSidePosition>& todo, const TOptions& o, TLeaves& leaves) {
  std::string error;
  std::shared_ptr<const analyst::TEvaluation> evaluation = analyst::TEvaluation::LoadDefault(error);
  if (!evaluation) {
    std::cerr << "vezari-book: " << error << "; using the stand-in evaluation\n";
    evaluation = analyst::TEvaluation::StandIn();
  }
  std::ofstream cache(o.cache, std::ios::app);
  std::mutex lock;
  std::atomic<size_t> next{0};
  auto work = [&] {
    analyst::TAnalyst analyst(evaluation);
    for (size_t i = next++; i < todo.size(); i = next++) {
      const TSidePosition& p = todo[i];
      analyst::TLimits limits;
      limits.Depth = o.depth;
      const double value = analyst.Analyse({p.Player, p.Opponent}, limits).Value;
      std::lock_guard<std::mutex> hold(lock);
      leaves[KeyOf(p)] = value;
      cache << KeyOf(p) << ' ' << value << '\n';
      if (i % 500 == 0) {
        cache.flush();
        std::cerr << "\r" << i << " / " << todo.size() << " leaves" << std::flush;
      }
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < o.threads; ++t) pool.emplace_back(work);
  for (std::thread& t : pool) t.join();
  std::cerr << "\n";
}

int Build(const TOptions& o) {
  std::vector<TCollectedGame> games;
  for (const std::string& choice : o.games)
    if (!ReadGames(choice, games)) return 4;
  TLeaves leaves = ReadCache(o.cache);
  // First the leaves the book needs, then their values, then the book.
  std::vector<TSidePosition> todo;
  BuildBook(games, o.book, [&](const TSidePosition& p) {
    if (!leaves.count(KeyOf(p))) todo.push_back(p);
    return 0.0;
  });
  std::cerr << todo.size() << " leaves to value (" << leaves.size() << " in the cache)\n";
  ValueLeaves(todo, o, leaves);
  const std::vector<TBook::TEntry> entries =
      BuildBook(games, o.book, [&](const TSidePosition& p) { return leaves.at(KeyOf(p)); });
  const std::string bytes = TBook::Write(entries);
  if (!safefile::ReplaceFile(o.out, bytes)) {
    std::cerr << "vezari-book: cannot write " << o.out << "\n";
    return 5;
  }
  std::cerr << o.out << ": " << entries.size() << " positions, " << bytes.size() << " bytes\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto number = [&](int& out, int low, int high) {
      if (i + 1 >= argc) return false;
      try {
        out = std::stoi(argv[++i]);
      } catch (...) {
        return false;
      }
      return out >= low && out <= high;
    };
    if (arg == "--out" && i + 1 < argc) {
      o.out = argv[++i];
    } else if (arg == "--cache" && i + 1 < argc) {
      o.cache = argv[++i];
    } else if (arg == "--plies") {
      if (!number(o.book.MaxPlies, 1, 60)) return Usage("--plies takes 1 to 60");
    } else if (arg == "--min-games") {
      if (!number(o.book.MinGames, 1, 1000000)) return Usage("--min-games takes a whole number from 1");
    } else if (arg == "--depth") {
      if (!number(o.depth, 1, 30)) return Usage("--depth takes 1 to 30");
    } else if (arg == "--threads") {
      if (!number(o.threads, 1, 64)) return Usage("--threads takes 1 to 64");
    } else if (!arg.empty() && arg[0] == '-') {
      return Usage("unknown option " + arg);
    } else {
      o.games.push_back(arg);
    }
  }
  if (o.games.empty()) return Usage("no games given");
  return Build(o);
}
