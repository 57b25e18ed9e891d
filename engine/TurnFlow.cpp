// Construction, the published properties, and the turn flow: what happens
// when a move is played, when a side must pass and when the game ends.
#include <chrono>

#include "ReversiCore.h"

namespace reversi {

namespace {
THooks& HeadlessHooks() {
  static THooks hooks;
  return hooks;
}
}  // namespace

uint32_t THooks::TickCount() {
  using namespace std::chrono;
  return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

TReversiCore::TReversiCore() : hooks_(&HeadlessHooks()) {
  NewGame();
}

TReversiCore::~TReversiCore() = default;

void TReversiCore::SetHooks(THooks* hooks) {
  hooks_ = hooks ? hooks : &HeadlessHooks();
}

void TReversiCore::SetGamma(int value) {
  if (value != search_.Gamma() && value > -10000 && value < 10000) search_.SetGamma(value);
}

void TReversiCore::SetSelectiveDepth(int value) {
  if (value != search_.SelectiveDepth() && value >= 1 && value <= 20) search_.SetSelectiveDepth(value);
}

// True starts the computer for the side to move and returns once its move
// is played; False during a search asks it to play its best move so far.
void TReversiCore::SetThinking(bool value) {
  if (value == thinking_) return;
  if (value)
    StartThinking();
  else
    search_.RequestStop();
}

void TReversiCore::NewGame() {
  if (thinking_) return;
  JustPlayedSquare = 0;
  MovesPlayed = 0;
  GameRecord[0] = 0;
  thinking_ = false;
  start_ = TPosition::Standard();
  SetInitialPosition();
  Repaint();
  if (OnNewGame) OnNewGame(this);
}

// The one path by which a move enters the game. Called by the mouse for a
// person and by the search driver, with Thinking still set, for the computer.
void TReversiCore::PlayMove(int square) {
  if (!IsLegal(square)) return;
  MovesPlayed += 1;
  GameRecord[MovesPlayed - 1] = square;
  GameRecord[MovesPlayed] = 0;
  JustPlayedSquare = square;
  const int s = SideToMove;
  ApplyMove(s, square);
  SideToMove = -s;
  hooks_->MovePlayed();
  Repaint();
  if (OnMove) OnMove(this, SquareName(square));

  if (FlipPotential(kWhite) == 0 && FlipPotential(kBlack) == 0) {
    if (OnEndGame) {
      OnEndGame(this);
    } else {
      const int d = WhiteDiscs() - BlackDiscs();
      if (d > 0)
        hooks_->ShowMessage("White wins by " + std::to_string(d) + " discs");
      else if (d < 0)
        hooks_->ShowMessage("Black wins by " + std::to_string(-d) + " discs");
      else
        hooks_->ShowMessage("It is a draw");
      NewGame();  // no effect after the computer's move: it is still thinking
    }
    Repaint();
    return;
  }

  if (FlipPotential(SideToMove) == 0) {
    SideToMove = s;
    if (thinking_) {
      // The computer moved and the person must pass: the computer goes on.
      thinking_ = false;
      if (OnPassRequest)
        OnPassRequest(this);
      else
        hooks_->ShowPassBox();
      StartThinking();
    } else {
      if (OnComputerPass) OnComputerPass(this);
    }
    return;
  }

  if (!thinking_ && mode_ == Normal) StartThinking();
}

}  // namespace reversi
