#include "Match.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "ReversiCore.h"
#include "SearchingPlayer.h"

namespace reversi::engines {

TMatch::TMatch(TPlayer& a, TPlayer& b, TMatchSettings settings) : players_{&a, &b}, settings_(std::move(settings)) {
  if (settings_.Openings.empty()) settings_.Openings.push_back(TGame{});
}

TGameResult TMatch::Forfeit(TGameResult result, int who, const std::string& reason) const {
  result.ForfeitBy = who;
  result.Forfeit = reason;
  result.MarginA = who == 0 ? -64 : 64;
  return result;
}

TGameResult TMatch::PlayGame(int k) {
  TGameResult result;
  result.Number = k + 1;
  result.ABlack = k % 2 == 0;
  result.Game = settings_.Openings[static_cast<size_t>(k / 2) % settings_.Openings.size()];
  // The referee: the engine core itself, its turn flow handing the move on.
  TReversiCore referee;
  referee.SetMode(TwoPlayer);
  referee.OnEndGame = [](TReversiCore*) {};
  if (!referee.SetGame(result.Game)) return Forfeit(result, 0, "the opening does not replay");
  auto who = [&](int side) { return (side == kBlack) == result.ABlack ? 0 : 1; };
  for (int p = 0; p < 2; ++p)
    if (std::string error; !players_[p]->NewGame(result.Game, error))
      return Forfeit(result, p, players_[p]->Name() + " could not start the game: " + error);

  while (referee.FlipPotential(kBlack) != 0 || referee.FlipPotential(kWhite) != 0) {
    if (settings_.Cancel && settings_.Cancel->load()) {
      result.Cancelled = true;
      return result;
    }
    const int mover = who(referee.SideToMove);
    TPlayer& player = *players_[mover];
    player.ClearStop();
    const TMoveReply reply = player.Generate(settings_.Budget);
    if (!reply.Ok()) return Forfeit(result, mover, reply.Error);
    const int square = reply.Move.Square;
    if (!IsPlayingSquare(square) || !referee.IsLegal(square))
      return Forfeit(result, mover, player.Name() + " played the illegal move " + SquareName(square));
    referee.PlayMove(square);
    result.Game.Moves.push_back(square);
    if (std::string error; !players_[1 - mover]->Play(square, error))
      return Forfeit(result, 1 - mover, players_[1 - mover]->Name() + " refused a legal move: " + error);
  }
  TPosition final;
  FinalPosition(result.Game, final);
  result.MarginA = FinalMargin(final, result.ABlack ? kBlack : kWhite);
  return result;
}

std::vector<TGameResult> TMatch::Run(const std::function<void(const TGameResult&)>& onGame) {
  std::vector<TGameResult> results;
  for (int k = 0; k < settings_.Games; ++k) {
    if (settings_.Cancel && settings_.Cancel->load()) break;
    results.push_back(PlayGame(k));
    if (onGame) onGame(results.back());
  }
  return results;
}

namespace {

// The mean of the values and the half-width of its 95% interval (normal
// approximation; 0 below two values).
std::pair<double, double> MeanAndError(const std::vector<double>& values) {
  if (values.empty()) return {0.0, 0.0};
  double sum = 0.0;
  for (double v : values) sum += v;
  const double mean = sum / static_cast<double>(values.size());
  if (values.size() < 2) return {mean, 0.0};
  double squares = 0.0;
  for (double v : values) squares += (v - mean) * (v - mean);
  const double n = static_cast<double>(values.size());
  return {mean, 1.96 * std::sqrt(squares / (n - 1) / n)};
}

}  // namespace

TTally TallyOf(const std::vector<TGameResult>& games, int player) {
  TTally tally;
  std::vector<double> margins, scores;
  for (const TGameResult& g : games) {
    const int margin = player == 0 ? g.MarginA : -g.MarginA;
    margins.push_back(margin);
    scores.push_back(margin > 0 ? 100.0 : margin == 0 ? 50.0 : 0.0);
    if (margin > 0) ++tally.Wins;
    if (margin == 0) ++tally.Draws;
    if (margin < 0) ++tally.Losses;
    if (g.ForfeitBy == player) ++tally.Forfeits;
  }
  std::tie(tally.Margin, tally.MarginError) = MeanAndError(margins);
  std::tie(tally.Score, tally.ScoreError) = MeanAndError(scores);
  return tally;
}

std::string ResultsTable(const std::vector<TGameResult>& games, const std::string& nameA, const std::string& nameB) {
  std::string text =
      "player                          games  wins draws losses forfeits   margin (95%)      score (95%)\n";
  const std::string names[2] = {nameA, nameB};
  for (int p = 0; p < 2; ++p) {
    const TTally t = TallyOf(games, p);
    char line[256];
    std::snprintf(line, sizeof line, "%-30.30s  %5zu %5d %5d %6d %8d  %+6.1f ± %-5.1f  %5.1f%% ± %.1f\n",
                  names[p].c_str(), games.size(), t.Wins, t.Draws, t.Losses, t.Forfeits, t.Margin, t.MarginError,
                  t.Score, t.ScoreError);
    text += line;
  }
  return text;
}

std::vector<TGame> ReadOpenings(const std::string& text) {
  std::vector<TGame> openings;
  std::istringstream in(text.empty() ? StandardOpenings() : text);
  std::string line;
  while (std::getline(in, line)) {
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (TReadResult r = ReadMoveList(line); r) openings.push_back(r.Game);
  }
  return openings;
}

}  // namespace reversi::engines
