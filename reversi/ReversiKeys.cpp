// Playing by keyboard: a cursor moved by the arrows and played by Enter, and
// square names typed as a letter and a digit.
#include <QKeyEvent>

#include "Reversi.h"

using namespace reversi;

namespace {

constexpr int kStartSquare = SquareOf(2, 3);  // D3, a first move of the opening

}  // namespace

void TReversi::MoveKeyCursor(int square) {
  keyCursor_ = square;
  RepaintBoard();
  AnnounceKeyCursor();
  emit KeyCursorMoved(square);
}

void TReversi::ResetKeyCursor() {
  typedColumn_ = QChar();
  if (keyCursor_ == 0) return;
  keyCursor_ = 0;
  RepaintBoard();
}

// The same path as a click: refused while thinking, told for a square that
// is not a legal move, and deletion held back during the reply.
void TReversi::PlayFromKeyboard(int square) {
  if (Thinking()) return;
  if (!IsLegal(square)) {
    emit IllegalMove(square);
    return;
  }
  EnterSearch();
  PlayMove(square);
  LeaveSearch();
}

void TReversi::keyPressEvent(QKeyEvent* e) {
  if (Thinking() || (e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
    QWidget::keyPressEvent(e);
    return;
  }
  const int row = keyCursor_ ? RowOf(keyCursor_) : RowOf(kStartSquare);
  const int col = keyCursor_ ? ColOf(keyCursor_) : ColOf(kStartSquare);
  // The first arrow shows the cursor where it stands; later ones move it.
  const int step = keyCursor_ ? 1 : 0;
  const QString text = e->text().toLower();
  const QChar typed = text.size() == 1 ? text.front() : QChar();
  switch (e->key()) {
    case Qt::Key_Left:
      MoveKeyCursor(SquareOf(row, std::max(0, col - step)));
      break;
    case Qt::Key_Right:
      MoveKeyCursor(SquareOf(row, std::min(7, col + step)));
      break;
    case Qt::Key_Up:
      MoveKeyCursor(SquareOf(std::max(0, row - step), col));
      break;
    case Qt::Key_Down:
      MoveKeyCursor(SquareOf(std::min(7, row + step), col));
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (keyCursor_) PlayFromKeyboard(keyCursor_);
      break;
    default:
      if (typed >= u'a' && typed <= u'h') {
        typedColumn_ = typed;
      } else if (typed >= u'1' && typed <= u'8' && !typedColumn_.isNull()) {
        const int square = SquareOf(typed.unicode() - u'1', typedColumn_.unicode() - u'a');
        typedColumn_ = QChar();
        MoveKeyCursor(square);
        PlayFromKeyboard(square);
      } else {
        typedColumn_ = QChar();
        QWidget::keyPressEvent(e);
        return;
      }
  }
  e->accept();
}
