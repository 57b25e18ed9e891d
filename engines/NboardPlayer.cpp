#include "NboardPlayer.h"

#include "SearchingPlayer.h"
#include "Words.h"

namespace reversi::engines {

namespace {

std::string BaseName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

TNboardPlayer::TNboardPlayer(std::vector<std::string> argv) : argv_(std::move(argv)) {
  name_ = argv_.empty() ? "NBoard engine" : BaseName(argv_[0]);
}

TNboardPlayer::~TNboardPlayer() {
  if (process_) process_->WriteLine("quit");
}

std::string TNboardPlayer::Who() const {
  return argv_.empty() ? name_ : BaseName(argv_[0]);
}

void TNboardPlayer::Fail() {
  if (process_) process_->Close(100);
  process_.reset();
}

bool TNboardPlayer::Start(std::string& error) {
  process_ = TProcess::Start(argv_, error);
  if (!process_) return false;
  if (!process_->WriteLine("nboard 2") || !Sync(error)) {
    error = "no NBoard answer: " + error;
    Fail();
    return false;
  }
  return true;
}

bool TNboardPlayer::Sync(std::string& error) {
  const std::string pong = "pong " + std::to_string(++ping_);
  if (!process_ || !process_->WriteLine("ping " + std::to_string(ping_))) {
    error = Who() + " has gone";
    Fail();
    return false;
  }
  std::string line;
  for (;;) {
    const TProcess::TRead r = process_->ReadLine(line, commandMs_);
    if (r == TProcess::TRead::Timeout) {
      error = Who() + " did not answer a ping within " + std::to_string(commandMs_ / 1000) + " s; stopped";
      Fail();
      return false;
    }
    if (r == TProcess::TRead::Closed) {
      error = Who() + " ended (" + (process_->WaitExit(200) ? process_->ExitText() : "closed its output") + ")";
      Fail();
      return false;
    }
    if (line == pong) return true;
    if (line.rfind("set myname ", 0) == 0 && line.size() > 11) name_ = line.substr(11, 60);
  }
}

bool TNboardPlayer::NewGame(const TGame& game, std::string& error) {
  TPosition position;
  if (!FinalPosition(game, position)) {
    error = "the game's moves do not replay";
    return false;
  }
  if (!process_ && !Start(error)) return false;
  game_ = game;
  return true;
}

bool TNboardPlayer::Play(int square, std::string& error) {
  TPosition position;
  FinalPosition(game_, position);
  if (!PlayOn(position, square)) {
    error = "illegal move " + SquareName(square);
    return false;
  }
  game_.Moves.push_back(square);
  return true;
}

// The game as GGF, with the pass that the last move forced written out:
// an NBoard engine takes the side to move from the moves it is given.
std::string TNboardPlayer::GameText() const {
  std::string text = WriteGgf(game_, TGgfHeader{});
  const size_t end = text.rfind(";)");
  if (PassFollows(game_) && end != std::string::npos) {
    TPosition position;
    FinalPosition(game_, position);
    text.insert(end, position.Side == kBlack ? "W[PA]" : "B[PA]");
  }
  return text;
}

TMoveReply TNboardPlayer::Generate(const TBudget& budget) {
  TMoveReply reply;
  if (!process_ && !Start(reply.Error)) return reply;
  const int depth = budget.Depth > 0 ? budget.Depth : kDepthForTime;
  process_->WriteLine("set depth " + std::to_string(std::min(depth, 60)));
  process_->WriteLine("set game " + GameText());
  if (!Sync(reply.Error)) return reply;
  if (!process_->WriteLine("go")) {
    reply.Error = Who() + " has gone";
    Fail();
    return reply;
  }
  const int timeout = static_cast<int>(std::min<int64_t>(3 * std::max<int64_t>(budget.Millis, 0) + moveMs_, 1 << 30));
  std::string line;
  for (;;) {
    const TProcess::TRead r = process_->ReadLine(line, timeout);
    if (r != TProcess::TRead::Line) {
      reply.Error = r == TProcess::TRead::Timeout
                        ? Who() + " did not answer \"go\" within " + std::to_string(timeout / 1000) + " s; stopped"
                        : Who() + " ended during \"go\" (" +
                              (process_->WaitExit(200) ? process_->ExitText() : "closed its output") + ")";
      Fail();
      return reply;
    }
    if (line.rfind("===", 0) == 0) break;
  }
  const std::vector<std::string> words = Words(line.substr(3));
  const std::string move = words.empty() ? "" : Lower(words[0].substr(0, words[0].find('/')));
  const std::optional<int> square = ParseSquare(move);
  if (!square) {
    reply.Error = Name() + " answered \"" + line.substr(0, 40) + "\" instead of a move";
    if (move == "pa") reply.Error = Name() + " passed with a legal move to play";
    return reply;
  }
  if (std::string error; !Play(*square, error)) {
    reply.Error = Name() + " played the illegal move " + move;
    return reply;
  }
  reply.Move.Square = *square;
  return reply;
}

}  // namespace reversi::engines
