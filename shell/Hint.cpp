#include "Hint.h"

#include <QMap>
#include <QTimer>

#include "Reversi.h"

using namespace reversi;

namespace {
// A hint asked for goes before the values, which are worked out anyway.
constexpr int kHintPriority = 1;
constexpr int kValuesPriority = 2;
}  // namespace

THintControl::THintControl(TReversi* board, const std::shared_ptr<TAnalysisThread>& thread, QObject* parent)
    : QObject(parent), board_(board), hints_(thread, kHintPriority, this), values_(thread, kValuesPriority, this) {
  auto failed = [this](const QString& what) {
    if (OnStatus) OnStatus(tr("The analysis failed: %1").arg(what));
  };
  hints_.OnFailure = failed;
  values_.OnFailure = failed;
}

void THintControl::Hint() {
  if (board_->Thinking()) return;
  const TGameRecord record = TGameRecord::Of(*board_);
  TValueLimits limits;
  limits.ExactEmpties = kHintExactEmpties;
  limits.MoveTime = std::max(1, board_->MoveTime());
  limits.SolveSeconds = limits.MoveTime;
  limits.Level = board_->Level();
  board_->SetMarks({});
  if (OnStatus) OnStatus(tr("Hint: thinking..."));
  hints_.Start([this, record, limits](const TAnalysisRunner::TJob& job) {
    auto engine = ReplayRecord(record);
    const TPositionValue value = ValuePosition(*engine, job.Solver(), limits, job.Stop());
    if (!value.Valid) return;
    job.Post([this, record, value] {
      if (!(TGameRecord::Of(*board_) == record)) return;
      QString text;
      if (value.Cell == 0) {
        text = tr("Hint: the game is over");
      } else if (value.Cell == kPassSquare) {
        text = tr("Hint: pass");
      } else {
        board_->SetMarks({value.Cell});
        const QString move = QString::fromStdString(SquareName(value.Cell));
        const QString discs = QString::fromStdString(DiscsText(value.Discs, value.Exact));
        text = value.Exact ? tr("Hint: %1, %2 discs (exact)").arg(move, discs)
                           : tr("Hint: %1, %2 discs (%3 ply search)").arg(move, discs).arg(value.Depth);
      }
      if (OnStatus) OnStatus(text);
    });
  });
}

void THintControl::SetMoveValues(bool on) {
  valuesOn_ = on;
  if (on)
    StartValues();
  else {
    values_.Cancel();
    board_->SetSquareTexts({});
  }
}

void THintControl::StartValues() {
  values_.Cancel();
  board_->SetSquareTexts({});
  if (!valuesOn_ || board_->Thinking()) return;
  const TGameRecord record = TGameRecord::Of(*board_);
  std::vector<int> moves;
  for (int i = 10; i <= 90; ++i)
    if (board_->Cells[i] == 0 && board_->IsLegal(i)) moves.push_back(i);
  TValueLimits limits;
  limits.ExactEmpties = kValueExactEmpties;
  limits.Level = Ply4;
  // A job per move, so that a hint asked for meanwhile waits for one only.
  for (int square : moves) {
    values_.Add([this, record, square, limits](const TAnalysisRunner::TJob& job) {
      const TPositionValue value = ValueMove(record, square, job.Solver(), limits, job.Stop());
      if (!value.Valid) return;
      job.Post([this, record, value] {
        if (!(TGameRecord::Of(*board_) == record)) return;
        QMap<int, QString> texts = board_->SquareTexts();
        // Exact values carry a star.
        texts[value.Cell] = QString::fromStdString(DiscsText(value.Discs, value.Exact)) +
                            (value.Exact ? QStringLiteral("*") : QString());
        board_->SetSquareTexts(texts);
      });
    });
  }
}

void THintControl::PositionChanged() {
  hints_.Cancel();
  board_->SetMarks({});
  values_.Cancel();
  board_->SetSquareTexts({});
  if (!valuesOn_) return;
  // From the event loop: the change may be reported from inside a search
  // that is about to begin or end.
  QTimer::singleShot(0, this, [this] {
    if (!board_->Thinking() && !values_.Running()) StartValues();
  });
}

void THintControl::Cancel() {
  hints_.Cancel();
  values_.Cancel();
  board_->SetMarks({});
  board_->SetSquareTexts({});
}
