#include "GtpSession.h"

#include <algorithm>

#include "Words.h"

namespace reversi::engines {

namespace {

const char* const kCommands[] = {
    "protocol_version", "name",        "version",       "known_command", "list_commands",   "quit",
    "boardsize",        "clear_board", "komi",          "play",          "genmove",         "undo",
    "showboard",        "final_score", "time_settings", "time_left",     "gogui-interrupt", "list_games",
    "set_game",
};

int SideIndex(int colour) {
  return colour == kBlack ? 1 : 0;
}

}  // namespace

TGtpSession::TGtpSession(TSearchingPlayer& player, TSink sink) : TSession(player, std::move(sink)) {}

// A controller waits for each answer; it may only quit, or interrupt as
// GoGui does, with the comment line "# interrupt".
bool TGtpSession::Interrupts(const std::vector<std::string>& words) const {
  if (words.empty()) return false;
  const bool numbered = words.size() > 1 && ParseWhole(words[0], 0, 2147483647);
  const std::string& verb = words[numbered ? 1 : 0];
  return verb == "quit" || (words.size() == 2 && words[0] == "#" && words[1] == "interrupt");
}

void TGtpSession::Answer(const std::string& text) {
  std::string first = "=" + id_ + (text.empty() ? "" : " ");
  size_t from = 0;
  for (size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
    Say(first + text.substr(from, end - from));
    first.clear();
  }
  Say(first + text.substr(from));
  Say("");
}

void TGtpSession::Fail(const std::string& reason) {
  Say("?" + id_ + " " + reason);
  Say("");
}

void TGtpSession::Refuse(const std::string& reason) {
  id_.clear();
  Fail(reason);
}

void TGtpSession::Command(const std::vector<std::string>& all, std::string_view) {
  // A '#' starts a comment; a leading number is the command's id.
  std::vector<std::string> words;
  for (const std::string& w : all) {
    if (w[0] == '#') break;
    words.push_back(w.substr(0, w.find('#')));
    if (w.find('#') != std::string::npos) break;
  }
  id_.clear();
  if (words.empty() || words[0].empty()) return;  // a comment alone
  if (ParseWhole(words[0], 0, 2147483647)) {
    id_ = words[0];
    words.erase(words.begin());
  }
  if (words.empty()) return Fail("no command");
  const std::string verb = words[0];
  const std::vector<std::string> args(words.begin() + 1, words.end());
  if (verb == "protocol_version") {
    Answer("2");
  } else if (verb == "name") {
    Answer(player_.Name());
  } else if (verb == "version") {
    Answer(VZ_VERSION);
  } else if (verb == "known_command") {
    const bool known =
        args.size() == 1 && std::find(std::begin(kCommands), std::end(kCommands), args[0]) != std::end(kCommands);
    Answer(known ? "true" : "false");
  } else if (verb == "list_commands") {
    std::string list;
    for (const char* c : kCommands) list += (list.empty() ? "" : "\n") + std::string(c);
    Answer(list);
  } else if (verb == "quit") {
    Answer("");
    Quit();
  } else if (verb == "boardsize") {
    if (args.size() != 1 || args[0] != "8") return Fail("unacceptable size");
    Answer("");
  } else if (verb == "clear_board") {
    game_ = TGame{};
    Answer("");
  } else if (verb == "komi") {
    if (args.size() != 1 || !ParseDecimal(args[0])) return Fail("syntax error");
    Answer("");  // no komi in Reversi; taken and ignored
  } else if (verb == "play") {
    Play(args);
  } else if (verb == "genmove") {
    Genmove(args);
  } else if (verb == "undo") {
    if (game_.Moves.empty()) return Fail("cannot undo");
    game_.Moves.pop_back();
    Answer("");
  } else if (verb == "showboard") {
    Answer(Board());
  } else if (verb == "final_score") {
    TPosition position;
    FinalPosition(game_, position);
    if (!IsOver(position)) return Fail("cannot score: the game is not over");
    Answer(FinalScore());
  } else if (verb == "list_games") {
    Answer("Othello");  // how Quarry tells a Reversi engine from a Go one
  } else if (verb == "set_game") {
    const std::string game = args.size() == 1 ? Lower(args[0]) : "";
    if (game != "othello" && game != "reversi") return Fail("unsupported game");
    Answer("");
  } else if (verb == "gogui-interrupt") {
    Answer("");
  } else if (verb == "time_settings") {
    TimeSettings(args);
  } else if (verb == "time_left") {
    TimeLeft(args);
  } else {
    Fail("unknown command");
  }
}

// A move for the side to move; a pass only from a side without a legal
// move, where it changes nothing: passes follow from the rules.
void TGtpSession::Play(const std::vector<std::string>& args) {
  const auto colour = args.size() == 2 ? ParseColour(args[0]) : std::nullopt;
  if (!colour) return Fail("syntax error");
  TPosition position;
  FinalPosition(game_, position);
  if (Lower(args[1]) == "pass") {
    if (!IsOver(position) && position.Side == *colour) return Fail("illegal move: a pass with a legal move");
    return Answer("");
  }
  const auto square = ParseSquare(args[1]);
  if (!square) return Fail("syntax error");
  if (position.Side != *colour || IsOver(position)) return Fail("illegal move: not this colour's turn");
  if (!PlayOn(position, *square)) return Fail("illegal move");
  game_.Moves.push_back(*square);
  Answer("");
}

void TGtpSession::Genmove(const std::vector<std::string>& args) {
  const auto colour = args.size() == 1 ? ParseColour(args[0]) : std::nullopt;
  if (!colour) return Fail("syntax error");
  TPosition position;
  FinalPosition(game_, position);
  if (IsOver(position)) return Answer("pass");
  if (position.Side != *colour) {
    // Not this colour's turn: a pass when it has no move, else a mistake.
    TPosition other = position;
    other.Side = *colour;
    if (LegalMoves(other) != 0)
      return Fail(std::string("not this colour's turn: ") + (*colour == kBlack ? "white" : "black") + " is to move");
    return Answer("pass");
  }
  const TBudget budget = Budget(position);
  const std::string id = id_;
  Search([this, budget, id] {
    const std::vector<TMoveValue> best = player_.Think(game_, budget, 1);
    id_ = id;
    if (best.empty()) return Fail("no move found");
    game_.Moves.push_back(best[0].Square);
    Answer(SquareName(best[0].Square));
  });
}

void TGtpSession::TimeSettings(const std::vector<std::string>& args) {
  if (args.size() != 3) return Fail("syntax error");
  const auto main = ParseWhole(args[0], 0, 86400 * 365);
  const auto byo = ParseWhole(args[1], 0, 86400 * 365);
  const auto stones = ParseWhole(args[2], 0, 1000);
  if (!main || !byo || !stones) return Fail("syntax error");
  mainMs_ = *main * 1000;
  byoMs_ = *byo * 1000;
  byoStones_ = static_cast<int>(*stones);
  leftMs_[0] = leftMs_[1] = mainMs_;
  leftStones_[0] = leftStones_[1] = 0;
  Answer("");
}

void TGtpSession::TimeLeft(const std::vector<std::string>& args) {
  const auto colour = args.size() == 3 ? ParseColour(args[0]) : std::nullopt;
  const auto seconds = args.size() == 3 ? ParseWhole(args[1], 0, 86400 * 365) : std::nullopt;
  const auto stones = args.size() == 3 ? ParseWhole(args[2], 0, 1000) : std::nullopt;
  if (!colour || !seconds || !stones) return Fail("syntax error");
  if (mainMs_ < 0) mainMs_ = 0;
  leftMs_[SideIndex(*colour)] = *seconds * 1000;
  leftStones_[SideIndex(*colour)] = static_cast<int>(*stones);
  Answer("");
}

// A fixed depth until the controller speaks of time; then the time left
// spread over the moves the side still has to make, a little kept back.
TBudget TGtpSession::Budget(const TPosition& position) const {
  if (mainMs_ < 0 || (mainMs_ == 0 && byoMs_ == 0)) return {depth_, 0};
  const int side = SideIndex(position.Side);
  const int empties = static_cast<int>(std::count(position.Squares.begin(), position.Squares.end(), 0));
  const int64_t perStone = byoStones_ > 0 ? byoMs_ / byoStones_ : 0;
  const int64_t left = leftMs_[side];
  int64_t ms = perStone;  // the main time is gone: byo-yomi
  if (leftStones_[side] > 0)
    ms = left / leftStones_[side];  // within a byo-yomi period
  else if (left > 0)
    ms = left / std::max(1, (empties + 1) / 2) + perStone;
  return {0, std::max<int64_t>(10, ms * 9 / 10)};
}

// As GRhino shows it: who is to move, then columns a..h, rows 1..8, X
// black, O white.
std::string TGtpSession::Board() const {
  TPosition position;
  FinalPosition(game_, position);
  std::string text =
      IsOver(position) ? "Game over" : std::string("To move: ") + (position.Side == kBlack ? "black" : "white");
  text += "\n   a b c d e f g h";
  for (int row = 0; row < 8; ++row) {
    text += "\n " + std::to_string(row + 1);
    for (int column = 0; column < 8; ++column) {
      const int s = position.Squares[8 * row + column];
      text += s == kBlack ? " X" : s == kWhite ? " O" : " .";
    }
  }
  return text;
}

// "B+10", "W+2" or "0", the empty squares to the winner.
std::string TGtpSession::FinalScore() const {
  TPosition position;
  FinalPosition(game_, position);
  const int margin = FinalMargin(position, kBlack);
  if (margin == 0) return "0";
  return (margin > 0 ? "B+" : "W+") + std::to_string(std::abs(margin));
}

}  // namespace reversi::engines
