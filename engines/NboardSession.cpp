#include "NboardSession.h"

#include <cstdio>

#include "Words.h"

namespace reversi::engines {

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", s);
  return text;
}

// Whether a GGF game's last move is written as a pass (B[PA], W[pa]);
// the reader leaves passes out of the moves.
bool EndsWithPass(std::string_view ggf) {
  size_t last = std::string_view::npos;
  for (size_t i = 1; i + 1 < ggf.size(); ++i)
    if ((ggf[i] == 'B' || ggf[i] == 'W') && ggf[i + 1] == '[' && !(ggf[i - 1] >= 'A' && ggf[i - 1] <= 'Z'))
      last = i + 2;
  return last != std::string_view::npos && Lower(ggf.substr(last, 2)) == "pa";
}

}  // namespace

TNboardSession::TNboardSession(TSearchingPlayer& player, TSink sink)
    : TSession(player, std::move(sink)), name_(player.Name()) {}

// ping, quit and a new game make a search useless.
bool TNboardSession::Interrupts(const std::vector<std::string>& words) const {
  if (words.empty()) return false;
  return words[0] == "ping" || words[0] == "quit" || (words[0] == "set" && words.size() > 1 && words[1] == "game");
}

void TNboardSession::Refuse(const std::string& reason) {
  Say("status error: " + reason);
}

void TNboardSession::Command(const std::vector<std::string>& words, std::string_view line) {
  const std::string& verb = words[0];
  if (verb == "nboard") {
    if (words.size() < 2 || words[1] != "2") Refuse("protocol version 2 spoken");
    Say("set myname " + name_);
  } else if (verb == "set") {
    Set(words, line);
  } else if (verb == "move") {
    if (words.size() != 2) return Refuse("move takes one move");
    Move(words[1]);
  } else if (verb == "go") {
    Go();
  } else if (verb == "hint") {
    const auto n = words.size() == 2 ? ParseWhole(words[1], 1, 64) : std::nullopt;
    if (!n) return Refuse("hint takes a number of moves from 1 to 64");
    Hint(static_cast<int>(*n));
  } else if (verb == "ping") {
    const auto n = words.size() == 2 ? ParseWhole(words[1], -2147483648LL, 2147483647LL) : std::nullopt;
    if (!n) return Refuse("ping takes a number");
    Say("pong " + std::to_string(*n));
  } else if (verb == "learn") {
    Say("learned");
  } else if (verb == "analyze") {
    Analyze();
  } else if (verb == "quit") {
    Quit();
  } else {
    Refuse("unknown command \"" + Quote(verb) + "\"");
  }
}

void TNboardSession::Set(const std::vector<std::string>& words, std::string_view line) {
  const std::string what = words.size() > 1 ? words[1] : "";
  if (what == "depth") {
    const auto n = words.size() == 3 ? ParseWhole(words[2], 1, 60) : std::nullopt;
    if (!n) return Refuse("set depth takes a depth from 1 to 60");
    depth_ = static_cast<int>(*n);
  } else if (what == "contempt") {
    const auto n = words.size() == 3 ? ParseWhole(words[2], -6400, 6400) : std::nullopt;
    if (!n) return Refuse("set contempt takes a whole number");
    contempt_ = static_cast<int>(*n);
  } else if (what == "game") {
    const size_t at = line.find("game");
    const TReadResult r = ReadGgf(line.substr(at + 4));
    if (!r) return Refuse("set game: " + Quote(r.Reason));
    game_ = r.Game;
    passDue_ = PassFollows(game_) && !EndsWithPass(line);
  } else if (what == "myname") {
    const size_t at = line.find("myname");
    const std::vector<std::string> rest = Words(line.substr(at + 6));
    if (rest.empty()) return Refuse("set myname takes a name");
    name_.clear();
    for (const std::string& w : rest) name_ += (name_.empty() ? "" : " ") + Quote(w);
  } else {
    Refuse("unknown setting \"" + Quote(what) + "\"");
  }
}

// "F5", "f5/1.25/0.3" (with the mover's value and time), "PA" for a pass.
void TNboardSession::Move(const std::string& text) {
  const std::string move = Lower(text.substr(0, text.find('/')));
  TPosition position;
  FinalPosition(game_, position);
  if (move == "pa" || move == "pass") {
    if (!passDue_) return Refuse("pass with a legal move to play");
    passDue_ = false;
    return;
  }
  const auto square = ParseSquare(move);
  if (!square) return Refuse("move: not a square: \"" + Quote(text) + "\"");
  if (IsOver(position)) return Refuse("move " + Quote(move) + ": the game is over");
  // A move by the side to move after an unwritten pass: the pass is taken.
  passDue_ = false;
  const int mover = position.Side;
  if (!PlayOn(position, *square)) return Refuse("illegal move " + Quote(move));
  game_.Moves.push_back(*square);
  passDue_ = position.Side == mover && !IsOver(position);
}

void TNboardSession::Go() {
  TPosition position;
  FinalPosition(game_, position);
  if (IsOver(position)) return Refuse("go: the game is over");
  if (passDue_) {
    Say("=== PA");
    return;
  }
  Search([this] {
    const auto start = std::chrono::steady_clock::now();
    Say("status " + name_ + " is thinking");
    const std::vector<TMoveValue> best = player_.Think(game_, Budget(), 1);
    const double seconds = SecondsSince(start);
    Say("nodestats " + std::to_string(player_.NodesSoFar()) + " " + Seconds(seconds));
    if (best.empty()) return Refuse("no move found");
    std::string answer = "=== " + SquareName(best[0].Square);
    if (best[0].HasScore) answer += "/" + Discs(best[0].Score) + "/" + Seconds(seconds);
    Say(answer);
    Say("status");
  });
}

std::string TNboardSession::Depth(const TMoveValue& value) const {
  return value.Exact ? "100%" : std::to_string(value.Depth);
}

void TNboardSession::Hint(int count) {
  TPosition position;
  FinalPosition(game_, position);
  if (IsOver(position) || passDue_) return Refuse("hint: no move to play");
  Search([this, count] {
    Say("status " + name_ + " is thinking");
    for (const TMoveValue& v : player_.Think(game_, Budget(), count))
      Say("search " + SquareName(v.Square) + " " + Discs(v.Score) + " 0 " + Depth(v));
    Say("status");
  });
}

// Each position of the game from the last back to the first, valued for
// the side to move there; moves are counted with the passes, as NBoard does.
void TNboardSession::Analyze() {
  Search([this] {
    struct TStep {
      TGame Game;
      int Number;
    };
    std::vector<TStep> steps;
    TGame prefix{game_.Start, {}};
    TPosition position = game_.Start;
    int number = 0;
    steps.push_back({prefix, 0});
    for (int square : game_.Moves) {
      const int mover = position.Side;
      PlayOn(position, square);
      prefix.Moves.push_back(square);
      number += position.Side == mover && !IsOver(position) ? 2 : 1;
      steps.push_back({prefix, number});
    }
    Say("status " + name_ + " is analysing");
    for (auto step = steps.rbegin(); step != steps.rend() && !player_.StopWanted(); ++step) {
      TPosition at;
      FinalPosition(step->Game, at);
      double value = 0;
      if (IsOver(at)) {
        value = FinalMargin(at, at.Side);
      } else {
        const std::vector<TMoveValue> best = player_.Think(step->Game, Budget(), 1);
        if (best.empty() || player_.StopWanted()) break;
        value = best[0].Score;
      }
      Say("analysis " + std::to_string(step->Number) + " " + Discs(value));
    }
    Say("status");
  });
}

}  // namespace reversi::engines
