// Playing by mouse: a left click on a legal square plays it; moving over the
// board marks the discs the move under the pointer would flip.
#include <QMouseEvent>

#include "Reversi.h"

using namespace reversi;

int TReversi::SquareAt(int x, int y) const {
  const int cell = height() / 8;
  if (cell <= 0) return 0;
  if (x < 0 || y < 0 || x >= 8 * cell || y >= 8 * cell) return 0;
  return SquareOf(y / cell, x / cell);
}

void TReversi::mousePressEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), at.x(), at.y());
  e->accept();
  if (e->button() != Qt::LeftButton || Thinking()) return;
  const int i = SquareAt(at.x(), at.y());
  if (!IsLegal(i)) {
    if (i != 0) emit IllegalMove(i);
    return;
  }
  // The computer's reply runs inside PlayMove; keep deletion away until it
  // has been played.
  EnterSearch();
  PlayMove(i);
  LeaveSearch();
}

// Repaints only when the pointer enters a legal square other than the one
// before, or leaves a legal square for one that is not.
void TReversi::mouseMoveEvent(QMouseEvent* e) {
  const QPoint at = e->position().toPoint();
  if (OnMouseMove) OnMouseMove(this, e->modifiers(), at.x(), at.y());
  e->accept();
  if (Thinking()) {
    setCursor(Qt::WaitCursor);
    return;
  }
  const int i = SquareAt(at.x(), at.y());
  if (MarkFlips(i, FlipPreview)) {
    if (i != HoverSquare) {
      setCursor(Qt::CrossCursor);
      RepaintBoard();
    }
  } else {
    setCursor(Qt::ArrowCursor);
    if (IsLegal(HoverSquare)) RepaintBoard();
  }
  HoverSquare = i;
}
