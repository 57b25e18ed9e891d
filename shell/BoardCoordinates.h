// The letters a-h above the board and the digits 1-8 left of it, one per
// column and row, in a strip the main window leaves free while they show.
#pragma once

#include <QWidget>

class TReversi;

class TBoardCoordinates : public QWidget {
 public:
  // Width of the strip above and left of the board, in pixels.
  static constexpr int kStrip = 14;

  explicit TBoardCoordinates(QWidget* parent = nullptr);
  // Covers the strips beside the board where it stands now.
  void Fit(const TReversi& board);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int pitch_ = 0;
};
