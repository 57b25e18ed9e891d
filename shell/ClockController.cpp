#include "ClockController.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "IniStore.h"
#include "Reversi.h"
#include "SidePanel.h"
#include "widgets/FormStyle.h"

using reversi::kBlack;
using reversi::kWhite;

namespace {

const std::string kSection = "Clock";
const std::string kKey = "Minutes";
constexpr int kChoices[] = {0, 1, 5, 10, 15};
constexpr int kRowHeight = 18;  // as the box's other rows
constexpr int kTickMs = 100;

QLabel* RowLabel(QGroupBox* box, const char* name, int x, int y, int width, Qt::Alignment align, bool value) {
  auto* label = new QLabel(box);
  label->setObjectName(QLatin1String(name));
  label->setFont(formstyle::FormFont());
  QPalette pal = label->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    pal.setColor(group, QPalette::WindowText, value ? formstyle::kBlue : QColor(Qt::black));
  label->setPalette(pal);
  label->setAlignment(align | Qt::AlignTop);
  label->setGeometry(x, y, width, QFontMetrics(label->font()).height());
  label->hide();
  return label;
}

}  // namespace

TClockController::TClockController(TReversi* board, TSidePanel* panel, const std::string& settingsPath, QObject* parent,
                                   reversi::TGameClock::TNow now)
    : QObject(parent), board_(board), panel_(panel), clock_(std::move(now)) {
  // The row goes under the box's last one, the level, in the columns of the
  // disc counts (White's left, Black's right).
  box_ = panel->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
  const QLabel* level = panel->findChild<QLabel*>(QStringLiteral("Label6"));
  const QLabel* whiteDiscs = panel->findChild<QLabel*>(QStringLiteral("Label4"));
  const QLabel* blackDiscs = panel->findChild<QLabel*>(QStringLiteral("Label5"));
  if (box_ && level && whiteDiscs && blackDiscs) {
    boxHeight_ = box_->maximumHeight();
    const int y = level->y() + kRowHeight;
    caption_ = RowLabel(box_, "ClockCaption", 12, y, 90, Qt::AlignLeft, false);
    caption_->setText(tr("Clock"));
    white_ = RowLabel(box_, "WhiteClock", whiteDiscs->x(), y, whiteDiscs->width(), Qt::AlignHCenter, true);
    black_ = RowLabel(box_, "BlackClock", blackDiscs->x(), y, blackDiscs->width(), Qt::AlignHCenter, true);
    white_->setAccessibleDescription(tr("White's clock"));
    black_->setAccessibleDescription(tr("Black's clock"));
  }
  panel->OutcomeText = [this] { return OutcomeText(); };
  ticker_ = new QTimer(this);
  ticker_->setInterval(kTickMs);
  connect(ticker_, &QTimer::timeout, this, &TClockController::Tick);
  // The computer's budget spent: it plays its best move so far.
  guard_ = new QTimer(this);
  guard_->setSingleShot(true);
  connect(guard_, &QTimer::timeout, this, [this] {
    if (board_->Thinking()) board_->RequestStop();
  });
  // Queued: the animation may end inside the repaint of the next move, before
  // the window has heard of that move.
  connect(board_, &TReversi::FlipsTurned, this, &TClockController::FlipsTurned, Qt::QueuedConnection);
  const int kept = TIniStore(settingsPath).ReadInteger(kSection, kKey, 0);
  minutesAtStart_ = std::count(std::begin(kChoices), std::end(kChoices), kept) ? kept : 0;
  SetMinutes(minutesAtStart_);
}

TClockController::~TClockController() {
  if (panel_) panel_->OutcomeText = nullptr;
}

void TClockController::SetTimeSource(reversi::TGameClock::TNow now) {
  clock_ = reversi::TGameClock(std::move(now));
  SetMinutes(minutes_);
}

void TClockController::AddItems(QMenu* edit, const QString& after) {
  const QList<QAction*> existing = edit->actions();
  QAction* before = nullptr;
  for (qsizetype i = 0; i + 1 < existing.size(); ++i)
    if (existing[i]->objectName() == after) before = existing[i + 1];
  auto* menu = new QMenu(tr("Clock"), edit);
  menu->setObjectName(QStringLiteral("Clock1"));
  edit->insertMenu(before, menu);
  auto* group = new QActionGroup(this);
  const QString captions[] = {tr("No Clock"), tr("1 Minute per Side"), tr("5 Minutes per Side"),
                              tr("10 Minutes per Side"), tr("15 Minutes per Side")};
  for (int i = 0; i < 5; ++i) {
    QAction* a = menu->addAction(captions[i]);
    a->setObjectName(QStringLiteral("Clock_%1").arg(kChoices[i]));
    a->setStatusTip(tr("A clock for each side's whole game; the computer keeps to its own"));
    a->setCheckable(true);
    a->setChecked(kChoices[i] == minutes_);
    group->addAction(a);
    const int minutes = kChoices[i];
    connect(a, &QAction::triggered, this, [this, minutes] { SetMinutes(minutes); });
    items_.push_back(a);
  }
  // Not while the computer thinks: its search has the old clock's budget.
  connect(menu, &QMenu::aboutToShow, this, [this] {
    for (QAction* a : items_) a->setEnabled(!board_->Thinking());
  });
}

// A new clock starts full for both sides from the position on the board.
void TClockController::SetMinutes(int minutes) {
  if (board_->Thinking()) return;
  minutes_ = minutes;
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->setChecked(kChoices[i] == minutes);
  clock_.Reset(int64_t{minutes} * 60'000);
  flag_ = 0;
  times_.clear();
  moves_.clear();
  Remember();
  EnableBoard();
  if (clock_.On())
    ticker_->start();
  else
    ticker_->stop();
  if (box_) {
    box_->setFixedHeight(boxHeight_ + (clock_.On() ? kRowHeight : 0));
    for (QLabel* label : {caption_, white_, black_}) label->setVisible(clock_.On());
  }
  Tick();
  if (panel_) panel_->ShowGame();
}

QString TClockController::TimeText(int64_t ms) {
  // Whole seconds, rounded up: 0:00 only once the time is gone.
  const int64_t seconds = (std::max<int64_t>(ms, 0) + 999) / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString TClockController::FlagText() const {
  if (flag_ == kWhite) return tr("White's time is up — Black wins");
  if (flag_ == kBlack) return tr("Black's time is up — White wins");
  return {};
}

QString TClockController::OutcomeText() const {
  if (flag_ == kWhite) return tr("Black wins on time");
  if (flag_ == kBlack) return tr("White wins on time");
  return {};
}

// The first move is not timed; after it the side to move's clock runs,
// except while a dialog is open (the pass box among them), discs turn on the
// screen or the game is over.
int TClockController::RunningSide() const {
  if (!clock_.On() || board_->MovesPlayed == 0 || board_->ShownGameOver() || board_->Animating() ||
      QApplication::activeModalWidget())
    return 0;
  return board_->ShownSideToMove();
}

void TClockController::Tick() {
  if (!clock_.On()) return;
  clock_.Run(flag_ ? 0 : RunningSide());
  if (const int flag = clock_.Flag(); flag != 0 && flag_ == 0) Flagged(flag);
  Show();
}

void TClockController::Show() {
  if (!box_ || !clock_.On()) return;
  const int running = clock_.Running();
  for (auto [label, side] : {std::pair{white_, kWhite}, std::pair{black_, kBlack}}) {
    label->setText(TimeText(clock_.RemainingMs(side)));
    if (label->font().bold() != (running == side)) {
      QFont font = label->font();
      font.setBold(running == side);
      label->setFont(font);
    }
  }
}

void TClockController::Flagged(int side) {
  flag_ = side;
  // The game is over: no more moves by click or key, and the computer, if
  // it was thinking on its last second, stops at once (its best move so far
  // still goes on the board: the engine plays every search's move).
  boardHadFocus_ = board_->window()->focusWidget() == board_;
  board_->setEnabled(false);
  if (board_->Thinking()) board_->RequestStop();
  if (panel_) panel_->ShowGame();
  emit Announced(FlagText());
  emit TimeUp(side);
}

// Disabled, the board lost the keyboard to the next control; it takes it
// back for the next game, as a player at the keys expects.
void TClockController::EnableBoard() {
  if (board_->isEnabled()) return;
  board_->setEnabled(true);
  if (std::exchange(boardHadFocus_, false)) board_->setFocus();
}

// The side to move after the move, past a pass the rules force.
void TClockController::Moved() {
  GiveBackLevel();
  if (!clock_.On() || flag_) return;
  int side = board_->SideToMove;
  if (board_->FlipPotential(side) == 0) side = board_->FlipPotential(-side) == 0 ? 0 : -side;
  // The move's discs turning: the next clock starts once they have.
  if (board_->Animating()) side = 0;
  clock_.Run(side);
  if (const int flag = clock_.Flag(); flag != 0) {
    Flagged(flag);
  } else {
    // The move is the game's from here on: the times after it replace any
    // of a line taken back.
    Remember();
    clock_.Run(side);
  }
  Show();
}

void TClockController::Remember() {
  const int ply = std::clamp(board_->MovesPlayed, 0, reversi::TReversiCore::kMaxRecord);
  if (static_cast<int>(times_.size()) > ply + 1) times_.resize(ply + 1);
  const std::pair<int64_t, int64_t> now{clock_.RemainingMs(kBlack), clock_.RemainingMs(kWhite)};
  // Plies never seen (a game opened part-way) start with the times of now.
  times_.resize(ply + 1, now);
  times_[ply] = now;
  moves_.assign(board_->GameRecord.begin(), board_->GameRecord.begin() + ply);
}

void TClockController::PositionMoved() {
  if (!clock_.On()) return;
  const int ply = board_->MovesPlayed;
  // Walked through the game's own record: the times it had there.
  const bool sameGame = ply < static_cast<int>(times_.size()) && ply <= static_cast<int>(moves_.size()) &&
                        std::equal(moves_.begin(), moves_.begin() + ply, board_->GameRecord.begin());
  if (sameGame) {
    clock_.SetRemainingMs(times_[ply].first, times_[ply].second);
  } else {
    clock_.Reset(clock_.Allowance());
    times_.clear();
    Remember();
  }
  flag_ = 0;
  EnableBoard();
  Tick();
  if (panel_) panel_->ShowGame();
}

void TClockController::SearchBegan() {
  if (!clock_.On()) return;
  if (flag_) {
    guard_->start(0);  // a stop asked for now would be forgotten as the search begins
    return;
  }
  const int side = board_->SideToMove;
  const int empties = 64 - board_->Discs(kBlack) - board_->Discs(kWhite);
  lastBudgetMs_ = clock_.MoveBudgetMs(side, empties);
  if (!kept_) kept_ = TLevelKept{board_->Level(), board_->MoveTime(), board_->StrictTime()};
  const reversi::TLevel level = kept_->Level;
  if (level == reversi::TimeLevel || level == reversi::Infinite) {
    int64_t ms = lastBudgetMs_;
    if (level == reversi::TimeLevel) ms = std::min<int64_t>(ms, int64_t{kept_->MoveTime} * 1000);
    board_->SetLevel(reversi::TimeLevel);
    board_->SetMoveTime(static_cast<int>(std::max<int64_t>(0, (ms + 500) / 1000)));
    board_->SetStrictTime(true);
  }
  // The engine's limit is in whole seconds; the guard keeps the budget to
  // the millisecond, whatever the level. The search waits for turning discs
  // before it begins, its own time and the clock stand still meanwhile, and
  // so does the guard.
  guardWaiting_ = std::max<int64_t>(1, std::min<int64_t>(lastBudgetMs_, 24 * 3600 * 1000));
  StartGuard();
}

void TClockController::StartGuard() {
  if (guardWaiting_ > 0 && !board_->Animating()) guard_->start(static_cast<int>(std::exchange(guardWaiting_, 0)));
}

void TClockController::FlipsTurned() {
  StartGuard();
  Tick();
}

void TClockController::SearchEnded() {
  GiveBackLevel();
}

void TClockController::GiveBackLevel() {
  guard_->stop();
  guardWaiting_ = 0;
  if (!kept_) return;
  board_->SetLevel(kept_->Level);
  board_->SetMoveTime(kept_->MoveTime);
  board_->SetStrictTime(kept_->Strict);
  kept_.reset();
}

std::vector<TIniWrite> TClockController::Writes() const {
  if (minutes_ == minutesAtStart_) return {};
  return {{kSection, kKey, std::to_string(minutes_)}};
}
