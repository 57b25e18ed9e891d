#include "EngineOpponent.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <mutex>
#include <thread>

#include "Geometry.h"
#include "GtpPlayer.h"
#include "NboardPlayer.h"
#include "Notation.h"
#include "PlayerChoice.h"

using namespace reversi;
using namespace reversi::engines;

// Shared with the thread that talks to the engine, which may outlive a
// window that closed while it waited.
struct TEngineOpponentState {
  std::mutex Lock;  // held while the engine is asked, so one asks at a time
  std::string Name;
  std::string Choice;
  std::shared_ptr<TPlayer> Player;
  std::string PlayerChoice;
};

TEngineOpponent::TEngineOpponent() : state_(std::make_shared<TEngineOpponentState>()) {}

TEngineOpponent::~TEngineOpponent() {
  if (auto player = state_->Player) player->Stop();
}

void TEngineOpponent::Choose(const TEngineEntry* entry) {
  state_->Name = entry ? entry->Name : std::string();
  state_->Choice = entry ? entry->Choice() : std::string();
}

const std::string& TEngineOpponent::Chosen() const {
  return state_->Name;
}

void TEngineOpponent::Install(TReversiCore& engine, std::function<int(TReversiCore&)> next,
                              std::function<void(const QString&)> failed) {
  engine.ChooseMove = [this, next, failed](TReversiCore& e) {
    if (!state_->Choice.empty())
      if (const int cell = Move(e, failed)) return cell;
    return next ? next(e) : 0;
  };
}

namespace {

// On the engine's thread: the game handed over whole, so that Take Back,
// New and set-up positions need no tracking, and its move asked for.
TMoveReply Ask(TEngineOpponentState& state, const std::string& choice, const TGame& game, int moveMs) {
  std::lock_guard<std::mutex> hold(state.Lock);
  TMoveReply reply;
  if (!state.Player || state.PlayerChoice != choice) {
    std::unique_ptr<TPlayer> made = MakePlayer(choice, reply.Error);
    if (!made) return reply;
    if (auto* gtp = dynamic_cast<TGtpPlayer*>(made.get())) gtp->SetTimeouts(10000, moveMs);
    if (auto* nb = dynamic_cast<TNboardPlayer*>(made.get())) nb->SetTimeouts(10000, moveMs);
    state.Player = std::move(made);
    state.PlayerChoice = choice;
  }
  state.Player->ClearStop();
  if (!state.Player->NewGame(game, reply.Error)) return reply;
  return state.Player->Generate(TBudget{0, moveMs / 10});
}

}  // namespace

int TEngineOpponent::Move(TReversiCore& engine, const std::function<void(const QString&)>& failed) {
  const TGame game = engine.CurrentGame();
  TPosition now;
  if (!FinalPosition(game, now) || LegalMoves(now) == 0) return 0;
  const QString name = QString::fromStdString(state_->Name);
  auto state = state_;
  auto reply = std::make_shared<TMoveReply>();
  QEventLoop wait;
  QPointer<QEventLoop> waiting(&wait);
  std::thread([state, choice = state_->Choice, game, reply, waiting] {
    *reply = Ask(*state, choice, game, kMoveMs);
    QMetaObject::invokeMethod(
        qApp,
        [waiting] {
          if (waiting) waiting->quit();
        },
        Qt::QueuedConnection);
  }).detach();
  // Move Now and the close give the engine's move up at once (an engine
  // may not hear a stop); its answer, when it comes, is dropped.
  bool givenUp = false;
  const QMetaObject::Connection watch =
      QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &wait,
                       [&engine, &wait, &givenUp, state] {
                         if (!engine.StopRequested() || givenUp) return;
                         givenUp = true;
                         if (auto player = state->Player) player->Stop();
                         wait.quit();
                       });
  wait.exec();
  QObject::disconnect(watch);
  if (givenUp) {
    if (failed) failed(QObject::tr("%1 was stopped before it moved").arg(name));
    return 0;
  }
  if (!reply->Ok()) {
    if (failed) failed(QObject::tr("%1 gave no move: %2").arg(name, QString::fromStdString(reply->Error)));
    return 0;
  }
  TPosition after = now;
  if (!PlayOn(after, reply->Move.Square)) {
    const int square = reply->Move.Square;
    const QString where = square >= 0 && square < kCellTableSize ? QString::fromStdString(SquareName(square)).trimmed()
                                                                 : QString::number(square);
    if (failed) failed(QObject::tr("%1 played an illegal move (%2); it was refused").arg(name, where));
    return 0;
  }
  return reply->Move.Square;
}
