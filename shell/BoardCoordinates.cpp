#include "BoardCoordinates.h"

#include <QPainter>

#include "Reversi.h"
#include "widgets/FormStyle.h"

TBoardCoordinates::TBoardCoordinates(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFont(formstyle::FormFont());
}

// The widget spans the board and both strips; the board lies above it, so
// only the strips show.
void TBoardCoordinates::Fit(const TReversi& board) {
  const QRect b = board.geometry();
  pitch_ = b.height() / 8;
  setGeometry(b.x() - kStrip, b.y() - kStrip, b.width() + kStrip, b.height() + kStrip);
  update();
}

void TBoardCoordinates::paintEvent(QPaintEvent*) {
  if (pitch_ <= 0) return;
  QPainter p(this);
  p.setPen(Qt::black);
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  for (int k = 0; k < 8; ++k) {
    p.drawText(QRect(kStrip + k * pitch_, 0, pitch_, kStrip), flags, QString(QChar(u'a' + k)));
    p.drawText(QRect(0, kStrip + k * pitch_, kStrip, pitch_), flags, QString(QChar(u'1' + k)));
  }
}
