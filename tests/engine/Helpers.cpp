#include "Helpers.h"

#include <memory>

namespace testing_support {

using namespace reversi;

void LogEvents(TReversiCore& e, std::vector<std::string>& log, bool withFallbacks) {
  e.OnMove = [&log](TReversiCore*, const std::string& m) { log.push_back("Move " + m); };
  e.OnNewGame = [&log](TReversiCore*) { log.push_back("NewGame"); };
  e.OnComputerPass = [&log](TReversiCore*) { log.push_back("ComputerPass"); };
  e.OnBeginSearch = [&log](TReversiCore* s) {
    log.push_back(std::string("BeginSearch") + (s->Thinking() ? " thinking" : ""));
  };
  e.OnPlyChange = [&log](TReversiCore*, int ply) { log.push_back("Ply " + std::to_string(ply)); };
  e.OnConsiderNew = [&log](TReversiCore*, const std::string& m, int i, int n) {
    log.push_back("Consider " + m + " " + std::to_string(i) + "/" + std::to_string(n));
  };
  e.OnBestChange = [&log](TReversiCore*, const std::string& m, double, bool) { log.push_back("Best " + m); };
  e.OnEndSearch = [&log](TReversiCore* s, const std::string& m) {
    log.push_back("EndSearch " + m + (s->Thinking() ? " thinking" : ""));
  };
  if (!withFallbacks) {
    e.OnEndGame = [&log](TReversiCore*) { log.push_back("EndGame"); };
    e.OnPassRequest = [&log](TReversiCore*) { log.push_back("PassRequest"); };
  }
}

void Replay(TReversiCore& e, const std::vector<int>& moves) {
  const TMode mode = e.Mode();
  auto endGame = e.OnEndGame;
  e.SetMode(TwoPlayer);
  e.OnEndGame = [](TReversiCore*) {};
  e.NewGame();
  for (int sq : moves) e.PlayMove(sq);
  e.SetMode(mode);
  e.OnEndGame = endGame;
}

std::vector<int> FindLine(const std::function<bool(TReversiCore&)>& accept, unsigned seed, int games) {
  std::mt19937 rng(seed);
  auto e = std::make_unique<TReversiCore>();
  e->SetMode(TwoPlayer);
  e->OnEndGame = [](TReversiCore*) {};
  for (int g = 0; g < games; ++g) {
    e->NewGame();
    std::vector<int> moves;
    for (;;) {
      if (accept(*e)) return moves;
      std::vector<int> legal;
      for (int sq = 10; sq <= 80; ++sq)
        if (e->IsLegal(sq)) legal.push_back(sq);
      if (legal.empty()) break;
      const int sq = legal[rng() % legal.size()];
      e->PlayMove(sq);
      moves.push_back(sq);
    }
  }
  return {-1};
}

}  // namespace testing_support
