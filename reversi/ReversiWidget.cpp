// The widget's life, its display properties and the engine's platform
// services: message loop, repaint, message boxes, the busy state around a
// search, and the copy of the position that the board shows while the search
// walks its tree. The clock is the engine's own.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <ctime>

#include "FlipAnimation.h"
#include "Reversi.h"

using reversi::TColor;

namespace {

// Milliseconds of a clock that is cheap to read (a few nanoseconds, never a
// system call, whatever the machine's clock source) and advances in ticks of
// a few milliseconds (4 ms on a 250 Hz kernel), which is all the message-loop
// throttle needs: passes then come every 5 to 8 ms.
inline int64_t CoarseMilliseconds() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
  return int64_t{ts.tv_sec} * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace

class TReversiHooks final : public reversi::THooks {
 public:
  // A full pass of Qt's event loop costs about as much as a search node, and
  // the search asks for one at every node; so the clock is read only every
  // kCallsPerClockRead calls, and a pass is made only when kPassInterval
  // milliseconds have gone by since the last one. That keeps paints, timers
  // and a stop request within a few milliseconds at a cost well under 1% of
  // the node rate.
  static constexpr int kCallsPerClockRead = 16;
  static constexpr int64_t kPassInterval = 5;

  explicit TReversiHooks(TReversi* board) : board_(board) {}

  void ProcessMessages() override {
    if (--countdown_ > 0) return;
    countdown_ = kCallsPerClockRead;
    const int64_t now = CoarseMilliseconds();
    if (now - lastPass_ < kPassInterval) return;
    lastPass_ = now;
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
  }

  // The game asks for a repaint when its position changes (a move played,
  // taken back or replayed, a new or loaded game): a flip preview computed
  // for the old position would mark discs no move turns.
  void Repaint() override {
    board_->ClearFlipPreview();
    board_->StartFlipAnimation();
    board_->RepaintBoard();
  }

  // The search's clock stands still while it waits for discs to turn.
  uint32_t TickCount() override { return THooks::TickCount() - static_cast<uint32_t>(waitedMs_); }

  void ShowMessage(const std::string& text) override {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok, board_);
    box.exec();
  }

  void ShowPassBox() override {
    QMessageBox box(QMessageBox::NoIcon, TReversi::tr("Reversi"), TReversi::tr("You must pass"),
                    QMessageBox::Ok | QMessageBox::Cancel, board_);
    box.exec();
  }

  void SearchWalkBegin() override {
    board_->EnterSearch();
    auto copy = std::make_unique<TReversi::TSnapshot>();
    copy->Cells = board_->Cells;
    copy->SideToMove = board_->SideToMove;
    copy->JustPlayed = board_->JustPlayedSquare;
    board_->snapshot_ = std::move(copy);
    waitedMs_ += board_->WaitForFlipAnimation();
    // The first pass of a search comes kPassInterval after its start.
    lastPass_ = CoarseMilliseconds();
  }

  // Dropped before the driver plays its move, so that move's repaint shows it.
  void SearchWalkEnd() override { board_->snapshot_.reset(); }

  // The board stops being busy with a search once its move is played.
  void SearchFinished() override {
    board_->setCursor(Qt::ArrowCursor);
    board_->LeaveSearch();
  }

  void SearchBestChanged() override {
    if (board_->ShowThinking()) board_->RepaintBoard();
  }

  void MovePlayed() override { board_->ClearFlipPreview(); }

 private:
  TReversi* board_;
  int countdown_ = kCallsPerClockRead;
  int64_t lastPass_ = 0;
  int64_t waitedMs_ = 0;
};

TReversi::TReversi(QWidget* parent) : QWidget(parent), platform_(std::make_unique<TReversiHooks>(this)) {
  // The paint covers every pixel, so Qt need not clear the background.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  SetHooks(platform_.get());
  InstallAccessibility();
  resize(100, 100);
  discSize_ = DiscSizeFor(width(), height());
}

TReversi::~TReversi() {
  RequestStop();
  animation_.reset();
  for (const auto& object : watched_)
    if (object) object->removeEventFilter(this);
  SetHooks(nullptr);
}

double TReversi::DevIdoz() {
  EnterSearch();
  const double value = TReversiCore::DevIdoz();
  LeaveSearch();
  return value;
}

QSize TReversi::sizeHint() const {
  return size();
}

template <class T>
void TReversi::Change(T& field, T value) {
  if (field == value) return;
  field = value;
  RepaintBoard();
}

void TReversi::SetColor(TColor value) {
  Change(color_, value);
}
void TReversi::SetShowJustPlayed(bool value) {
  Change(showJustPlayed_, value);
}
void TReversi::SetJustPlayedColour(TColor value) {
  Change(justPlayedColour_, value);
}
void TReversi::SetShowLegal(bool value) {
  Change(showLegal_, value);
}
void TReversi::SetShowLegalColor(TColor value) {
  Change(showLegalColor_, value);
}

void TReversi::SetShowThinking(bool value) {
  if (!Thinking()) Change(showThinking_, value);
}

void TReversi::RepaintBoard() {
  repaint();
}

void TReversi::ClearFlipPreview() {
  HoverSquare = 0;
  FlipPreview.fill(0);
}

void TReversi::EnterSearch() {
  if (busy_++ > 0) return;
  // Hold back deferred deletion of every ancestor until the search is over:
  // a window closed with WA_DeleteOnClose would otherwise be deleted from a
  // pass of the event loop inside the search.
  for (QObject* up = parent(); up; up = up->parent()) {
    up->installEventFilter(this);
    watched_.append(up);
  }
}

void TReversi::LeaveSearch() {
  if (busy_ == 0 || --busy_ > 0) return;
  for (const auto& object : std::as_const(watched_))
    if (object) object->removeEventFilter(this);
  watched_.clear();
  // Posted from here, the deletions run only once control is back in an
  // event loop outside the search.
  const auto held = std::exchange(heldBack_, {});
  for (const auto& object : held)
    if (object) object->deleteLater();
  QTimer::singleShot(0, this, [this] {
    if (!Busy()) emit Idle();
  });
}

void TReversi::HoldBackDelete(QObject* object) {
  RequestStop();
  for (const auto& held : std::as_const(heldBack_))
    if (held == object) return;
  heldBack_.append(object);
}

bool TReversi::event(QEvent* e) {
  if (e->type() == QEvent::DeferredDelete && Busy()) {
    HoldBackDelete(this);
    return true;
  }
  // Hidden by the program (its window closed or hidden; minimizing is
  // spontaneous and leaves the search alone): nobody is left to wait for the
  // computer, so it plays its best move so far at once.
  if (e->type() == QEvent::Hide && !e->spontaneous() && Thinking()) SetThinking(false);
  return QWidget::event(e);
}

bool TReversi::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::DeferredDelete && Busy()) {
    HoldBackDelete(watched);
    return true;
  }
  return QWidget::eventFilter(watched, e);
}
