#include "EngineMatch.h"

#include <cmath>
#include <ctime>
#include <iostream>
#include <optional>

#include "BalancedOpenings.h"
#include "GtpPlayer.h"
#include "Match.h"
#include "NboardPlayer.h"
#include "PlayerChoice.h"
#include "SafeFile.h"
#include "Words.h"

using namespace reversi;
using namespace reversi::engines;

const char* const kMatchUsage =
    "       vezari-engine --match PLAYER PLAYER [--games N] [--depth D | --time SECONDS]\n"
    "                     [--processor-time]\n"
    "                     [--openings FILE | --balanced SEED] [--ggf FILE] [--timeout SECONDS]\n"
    "  PLAYER           levels, levels:LEVEL (1..12), analyst, analyst:STRENGTH\n"
    "                   (good, club or beginner: weaker), gtp:COMMAND (an\n"
    "                   external GTP engine, e.g. \"gtp:/usr/games/gtp-rhino -l 1\") or\n"
    "                   nboard:COMMAND (an engine that speaks NBoard's protocol)\n"
    "  --games N        games to play (default 2); each opening twice, colours swapped\n"
    "  --depth D        search depth per move for our players (default 3)\n"
    "  --time SECONDS   thinking time per move instead (external engines are told it)\n"
    "  --processor-time the analyst counts its processor time, not the wall clock\n"
    "                   (for a machine that other programs share)\n"
    "  --openings FILE  move lists to start from, one a line (default: 100 openings\n"
    "                   of real games)\n"
    "  --balanced SEED  start from random openings of 8 to 12 moves that our analyst\n"
    "                   judges within two discs, found from SEED (the same each time)\n"
    "  --ggf FILE       save every game to FILE, one GGF game a line\n"
    "  --timeout SECONDS  longest wait for an external engine beyond its time (default 60)\n"
    "  Exit status: 0 played (forfeits included), 2 bad arguments, 4 a file that\n"
    "  cannot be read or written.\n";

namespace {

int MatchUsage(const std::string& why) {
  std::cerr << "vezari-engine: " << why << "\n" << kMatchUsage;
  return 2;
}

std::string Now() {
  const std::time_t now = std::time(nullptr);
  char date[32];
  std::tm utc{};
  gmtime_r(&now, &utc);
  return std::strftime(date, sizeof date, "%Y.%m.%d_%H:%M:%S.UTC", &utc) ? date : "";
}

std::string Describe(const TGameResult& g, const std::string& a, const std::string& b) {
  const std::string& black = g.ABlack ? a : b;
  const std::string& white = g.ABlack ? b : a;
  std::string text = "game " + std::to_string(g.Number) + ": " + black + " (black) - " + white + " (white): ";
  const int margin = g.ABlack ? g.MarginA : -g.MarginA;
  if (g.ForfeitBy >= 0)
    text += "forfeit by " + (g.ForfeitBy == 0 ? a : b) + ": " + g.Forfeit;
  else
    text += (margin > 0   ? "black wins by "
             : margin < 0 ? "white wins by "
                          : "draw") +
            (margin != 0 ? std::to_string(std::abs(margin)) : "") + "  " + WriteMoveList(g.Game);
  return text;
}

}  // namespace

int RunMatchCommand(const std::vector<std::string>& args) {
  std::vector<std::string> specs;
  TMatchSettings settings;
  std::string openingsFile, ggfFile;
  int timeoutSeconds = 60;
  bool depthGiven = false, timeGiven = false, processorTime = false;
  std::optional<uint64_t> balancedSeed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--games" && hasValue) {
      const auto n = ParseWhole(args[++i], 1, 100000);
      if (!n) return MatchUsage("--games takes a number from 1 to 100000");
      settings.Games = static_cast<int>(*n);
    } else if (arg == "--depth" && hasValue) {
      const auto n = ParseWhole(args[++i], 1, 60);
      if (!n) return MatchUsage("--depth takes a number from 1 to 60");
      settings.Budget = {static_cast<int>(*n), 0};
      depthGiven = true;
    } else if (arg == "--time" && hasValue) {
      const auto s = ParseDecimal(args[++i]);
      if (!s || *s < 0.001 || *s > 3600) return MatchUsage("--time takes seconds from 0.001 to 3600");
      settings.Budget = {0, static_cast<int64_t>(std::llround(*s * 1000))};
      timeGiven = true;
    } else if (arg == "--processor-time") {
      processorTime = true;
    } else if (arg == "--openings" && hasValue) {
      openingsFile = args[++i];
    } else if (arg == "--balanced" && hasValue) {
      const auto n = ParseWhole(args[++i], 0, 1000000000);
      if (!n) return MatchUsage("--balanced takes a seed from 0 to 1000000000");
      balancedSeed = static_cast<uint64_t>(*n);
    } else if (arg == "--ggf" && hasValue) {
      ggfFile = args[++i];
    } else if (arg == "--timeout" && hasValue) {
      const auto n = ParseWhole(args[++i], 1, 86400);
      if (!n) return MatchUsage("--timeout takes seconds from 1 to 86400");
      timeoutSeconds = static_cast<int>(*n);
    } else if (arg.rfind("--", 0) == 0) {
      return MatchUsage(hasValue || arg == "--games" ? "unknown option " + arg : arg + " needs a value");
    } else {
      specs.push_back(arg);
    }
  }
  if (specs.size() != 2) return MatchUsage("--match takes two players");
  if (depthGiven && timeGiven) return MatchUsage("give either --depth or --time");
  settings.Budget.ProcessorTime = processorTime;
  if (balancedSeed && !openingsFile.empty()) return MatchUsage("give either --openings or --balanced");

  std::string text;
  if (!openingsFile.empty()) {
    const auto read = safefile::ReadSmallFile(openingsFile, 16 << 20);
    if (!read) {
      std::cerr << "vezari-engine: cannot read " << openingsFile << "\n";
      return 4;
    }
    text = read.Text;
  }
  settings.Openings = balancedSeed ? BalancedOpenings(*balancedSeed, (settings.Games + 1) / 2) : ReadOpenings(text);
  if (balancedSeed && settings.Openings.empty()) {
    std::cerr << "vezari-engine: no balanced start was found from seed " << *balancedSeed << "\n";
    return 4;
  }
  if (settings.Openings.empty()) {
    std::cerr << "vezari-engine: " << openingsFile << " holds no opening that replays\n";
    return 4;
  }

  std::unique_ptr<TPlayer> players[2];
  for (int p = 0; p < 2; ++p) {
    std::string error;
    players[p] = MakePlayer(specs[p], error);
    if (!players[p]) return MatchUsage(specs[p] + ": " + error);
    if (auto* gtp = dynamic_cast<TGtpPlayer*>(players[p].get())) gtp->SetTimeouts(10000, timeoutSeconds * 1000);
    if (auto* nb = dynamic_cast<TNboardPlayer*>(players[p].get())) nb->SetTimeouts(10000, timeoutSeconds * 1000);
  }
  // The same program on both sides is told apart by its place.
  std::string names[2] = {specs[0], specs[1]};
  if (names[0] == names[1]) {
    names[0] += " (A)";
    names[1] += " (B)";
  }

  std::string ggf;
  bool saveFailed = false;
  TMatch match(*players[0], *players[1], settings);
  const auto results = match.Run([&](const TGameResult& g) {
    std::cout << Describe(g, names[0], names[1]) << std::endl;
    if (ggfFile.empty()) return;
    TGgfHeader header;
    header.Place = "vezari-engine match";
    header.Date = Now();
    header.Black = g.ABlack ? players[0]->Name() : players[1]->Name();
    header.White = g.ABlack ? players[1]->Name() : players[0]->Name();
    ggf += WriteGgf(g.Game, header) + "\n";
    if (!safefile::ReplaceFile(ggfFile, ggf) && !saveFailed) {
      std::cerr << "vezari-engine: cannot write " << ggfFile << "\n";
      saveFailed = true;
    }
  });
  std::cout << "\n" << ResultsTable(results, names[0], names[1]);
  return saveFailed ? 4 : 0;
}
