// TReversi: the board on the screen and the whole game behind it. The game
// itself is TReversiCore (plain C++); this Qt widget draws it, turns mouse
// clicks into moves and gives the engine its platform services (message
// loop, repaint, cursors, message boxes, clock).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "ReversiCore.h"

class TReversiHooks;

class TReversi : public QWidget, public reversi::TReversiCore {
  Q_OBJECT

 public:
  using TMouseEvent =
      std::function<void(TReversi* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>;
  using TMouseMoveEvent = std::function<void(TReversi* Sender, Qt::KeyboardModifiers Shift, int X, int Y)>;

  explicit TReversi(QWidget* parent = nullptr);
  ~TReversi() override;

  // The host's own mouse handlers; they run before the board's.
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;

  // Diameter of one disc, recomputed at every paint.
  int DiscSize() const { return discSize_; }
  // Cell index under a point of the control, 0 when the point is on no square.
  int SquareAt(int x, int y) const;
  const QImage& BoardImage() const { return boardImage_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  friend class TReversiHooks;
  int discSize_ = 0;
  QImage boardImage_;
  TReversiHooks* hooks_ = nullptr;
};
