// The hint and the move values on the board: both the analyst's, worked out
// in the background on the analysis thread, both drawn through the board's overlay,
// both dropped as soon as the position they were made for is gone.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "AnalysisWorker.h"

class TReversi;

class THintControl : public QObject {
  Q_OBJECT

 public:
  // The analyst's time for the values of all the legal moves; near the end
  // it solves them exactly within it. A hint takes the computer's time per
  // move.
  static constexpr double kValueSeconds = 2.0;

  THintControl(TReversi* board, const std::shared_ptr<TAnalysisThread>& thread, QObject* parent = nullptr);

  // Shows a text in the window's status line.
  std::function<void(const QString&)> OnStatus;

  // Marks the best move for the side to move and puts its value in the
  // status line once known. Plays nothing; refused while the computer
  // thinks.
  void Hint();

  void SetMoveValues(bool on);

  // The position on the board changed, or the computer started or ended
  // thinking: what was shown goes, and the values are worked out again
  // when the board is idle.
  void PositionChanged();
  // Stops all work and clears the board's marks.
  void Cancel();

 private:
  void StartValues();
  void ShowValues(const TGameRecord& record, const std::vector<reversi::analyst::TMoveValue>& values, bool last);

  TReversi* board_;
  TAnalysisRunner hints_;
  TAnalysisRunner values_;
  bool valuesOn_ = false;
};
