// Edit > Set Up Position: a board of its own where the user places discs
// (a click turns a square empty -> black -> white, a right-click the other
// way), the side to move, and OK, which takes only a position with discs of
// both colours and otherwise says why it stays open.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "Notation.h"

class QLabel;
class QRadioButton;

// The editable board; squares as in reversi::TPosition.
class TSetupBoard : public QWidget {
  Q_OBJECT

 public:
  explicit TSetupBoard(QWidget* parent = nullptr);
  reversi::TPosition Position;
  // Called after each change the user makes on the board.
  std::function<void()> OnChange;
  // The square under a point of the widget, or -1 off the board.
  int SquareAt(const QPoint& point) const;
  QSize sizeHint() const override { return {8 * 32 + 1, 8 * 32 + 1}; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  int Cell() const { return std::max(8, (std::min(width(), height()) - 1) / 8); }
};

class TSetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TSetupDialog(QWidget* parent = nullptr);
  void SetPosition(const reversi::TPosition& position);
  reversi::TPosition Position() const;
  // Why OK refused the position; empty when it did not.
  QString Refusal() const;
  void accept() override;

  TSetupBoard* Board = nullptr;
  QRadioButton* BlackToMove = nullptr;
  QRadioButton* WhiteToMove = nullptr;

 private:
  QLabel* reason_ = nullptr;
};
