#include "GtpPlayer.h"

#include "Words.h"

namespace reversi::engines {

namespace {

const char* ColourWord(int side) {
  return side == kBlack ? "black" : "white";
}

// A program name without its folders, for messages.
std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TGtpPlayer::TGtpPlayer(std::vector<std::string> argv) : argv_(std::move(argv)) {
  name_ = argv_.empty() ? "GTP engine" : BaseName(argv_[0]);
}

TGtpPlayer::~TGtpPlayer() {
  if (process_ && process_->Running()) {
    std::string answer, error;
    Command("quit", answer, error, 500);
  }
}

int TGtpPlayer::Pid() const {
  return process_ ? process_->Pid() : 0;
}

bool TGtpPlayer::Start(std::string& error) {
  process_ = TProcess::Start(argv_, error);
  if (!process_) return false;
  std::string answer;
  if (!Command("protocol_version", answer, error, commandMs_)) {
    error = "no GTP answer: " + error;
    Fail();
    return false;
  }
  if (Command("name", answer, error, commandMs_) && !answer.empty()) {
    std::string version;
    name_ = answer;
    if (Command("version", version, error, commandMs_) && !version.empty()) name_ += " " + version;
  }
  timeSet_ = -1;
  return process_ != nullptr;  // a refusal is fine, silence or death is not
}

void TGtpPlayer::Fail() {
  if (process_) process_->Close(100);
  process_.reset();
}

bool TGtpPlayer::Command(const std::string& command, std::string& answer, std::string& error, int timeoutMs) {
  answer.clear();
  const std::string who = BaseName(argv_.empty() ? name_ : argv_[0]);
  if (!process_) {
    error = who + " is not running";
    return false;
  }
  if (!process_->WriteLine(command)) {
    error = who + " has gone (" + process_->ExitText() + ")";
    Fail();
    return false;
  }
  // The answer: "=" or "?", an optional id, the text, then an empty line.
  // Lines before it that start otherwise are talk, skipped.
  bool started = false, ok = false;
  std::string line;
  for (;;) {
    const TProcess::TRead r = process_->ReadLine(line, timeoutMs);
    if (r == TProcess::TRead::Timeout) {
      error = who + " did not answer \"" + command + "\" within " + std::to_string(timeoutMs / 1000.0).substr(0, 4) +
              " s; stopped";
      Fail();
      return false;
    }
    if (r == TProcess::TRead::Closed) {
      if (started) break;
      const std::string how = process_->WaitExit(200) ? process_->ExitText() : "closed its output";
      error = who + " ended during \"" + command + "\" (" + how + ")";
      Fail();
      return false;
    }
    if (!started) {
      if (line.empty() || (line[0] != '=' && line[0] != '?')) continue;
      started = true;
      ok = line[0] == '=';
      size_t i = 1;
      while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      answer = line.substr(i);
      continue;
    }
    if (line.empty()) break;
    answer += "\n" + line;
  }
  if (!ok) {
    error = who + " refused \"" + command + "\": " + (answer.empty() ? "no reason given" : answer);
    return false;
  }
  return true;
}

bool TGtpPlayer::NewGame(const TGame& game, std::string& error) {
  if (game.Start != TPosition::Standard()) {
    error = "a GTP engine starts from the standard position only";
    return false;
  }
  if (!process_ && !Start(error)) return false;
  std::string answer;
  // Engines that know only 8 may refuse the size; one that dies has said why.
  if (!Command("boardsize 8", answer, error, commandMs_) && !process_) return false;
  if (!Command("clear_board", answer, error, commandMs_)) return false;
  game_ = TGame{};
  for (int square : game.Moves)
    if (!Play(square, error)) return false;
  return true;
}

bool TGtpPlayer::Play(int square, std::string& error) {
  TPosition position;
  FinalPosition(game_, position);
  const int side = position.Side;
  if (!PlayOn(position, square)) {
    error = "illegal move " + SquareName(square);
    return false;
  }
  std::string answer;
  if (!Command(std::string("play ") + ColourWord(side) + " " + Lower(SquareName(square)), answer, error, commandMs_))
    return false;
  game_.Moves.push_back(square);
  return true;
}

TMoveReply TGtpPlayer::Generate(const TBudget& budget) {
  TMoveReply reply;
  TPosition position;
  FinalPosition(game_, position);
  std::string answer;
  if (budget.Millis > 0 && budget.Depth <= 0 && budget.Millis != timeSet_) {
    // Canadian byo-yomi of one move in the budget: the engine's time per move.
    const int64_t seconds = std::max<int64_t>(1, (budget.Millis + 999) / 1000);
    if (Command("time_settings 0 " + std::to_string(seconds) + " 1", answer, reply.Error, commandMs_))
      timeSet_ = budget.Millis;
    reply.Error.clear();
    if (!process_) {
      reply.Error = Name() + " is not running";
      return reply;
    }
  }
  const int timeout = static_cast<int>(std::min<int64_t>(3 * std::max<int64_t>(budget.Millis, 0) + moveMs_, 1 << 30));
  if (!Command(std::string("genmove ") + ColourWord(position.Side), answer, reply.Error, timeout)) return reply;
  const std::string word = Lower(Words(answer).empty() ? "" : Words(answer)[0]);
  const std::optional<int> square = ParseSquare(word);
  if (!square) {
    reply.Error = Name() + " answered \"" + answer.substr(0, 40) + "\" instead of a move";
    if (word == "pass") reply.Error = Name() + " passed with a legal move to play";
    if (word == "resign") reply.Error = Name() + " resigned";
    return reply;
  }
  if (!PlayOn(position, *square)) {
    reply.Error = Name() + " played the illegal move " + Lower(SquareName(*square));
    return reply;
  }
  game_.Moves.push_back(*square);
  reply.Move.Square = *square;
  return reply;
}

}  // namespace reversi::engines
