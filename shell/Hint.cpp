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
  analyst::TLimits limits;
  limits.Seconds = std::max(1, board_->MoveTime());
  board_->SetMarks({});
  if (OnStatus) OnStatus(tr("Hint: thinking..."));
  hints_.Start([this, record, limits](const TAnalysisRunner::TJob& job) {
    const TPositionValue value = AnalysePosition(record, job.Analyst(), limits, job.Stop());
    if (!value.Valid || job.Stop()) return;
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
  analyst::TLimits limits;
  limits.Seconds = kValueSeconds;
  // Every legal move searched alike, shown after each depth: the values
  // deepen while the user looks.
  values_.Start([this, record, limits](const TAnalysisRunner::TJob& job) {
    const auto show = [this, record, &job](const std::vector<analyst::TMoveValue>& values, bool last) {
      job.Post([this, record, values, last] { ShowValues(record, values, last); });
    };
    const auto values = job.Analyst().AnalyseMoves(BitPositionOf(record), limits, &job.Stop(),
                                                   [&](const std::vector<analyst::TMoveValue>& v) { show(v, false); });
    if (!job.Stop() && !values.empty()) show(values, true);
  });
}

void THintControl::ShowValues(const TGameRecord& record, const std::vector<analyst::TMoveValue>& values, bool last) {
  if (!(TGameRecord::Of(*board_) == record) || values.empty()) return;
  QMap<int, QString> texts;
  // Exact values carry a star.
  for (const analyst::TMoveValue& v : values)
    texts[BoardCell(v.Move)] =
        QString::fromStdString(DiscsText(v.Value, v.Exact)) + (v.Exact ? QStringLiteral("*") : QString());
  board_->SetSquareTexts(texts);
  if (!last || !OnStatus) return;
  OnStatus(values.front().Exact ? tr("Move values in discs: exact (*)")
                                : tr("Move values in discs: %1 ply search").arg(values.front().Depth));
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
