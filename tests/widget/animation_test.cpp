// View > Animate Flips on the board: off by default; on, a move's turned
// disc turns over on a board otherwise drawn as without it, and the
// computer's search begins only once it has turned.
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include "Reversi.h"

using namespace reversi;

namespace {

void Press(TReversi& board, int square) {
  const int pitch = board.height() / 8;
  const QPointF at(ColOf(square) * pitch + pitch / 2, RowOf(square) * pitch + pitch / 2);
  QMouseEvent e(QEvent::MouseButtonPress, at, board.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&board, &e);
}

void Show(TReversi& board) {
  board.resize(320, 320);
  board.show();
  QVERIFY(QTest::qWaitForWindowExposed(&board));
}

QImage Picture(TReversi& board) {
  board.repaint();
  return board.BoardImage().copy();
}

// The pixels where two pictures differ, as a box.
QRect Differences(const QImage& a, const QImage& b) {
  QRect box;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace

class AnimationTest : public QObject {
  Q_OBJECT

 private slots:
  void offByDefaultAndTheMoveShowsAtOnce() {
    TReversi board;
    Show(board);
    QVERIFY(!board.AnimateFlips());
    board.SetMode(TwoPlayer);
    Press(board, D3);
    QVERIFY(!board.Animating());
    QCOMPARE(board.Cell(D4), kBlack);
  }

  void theDiscTurnsThenTheComputerSearches() {
    // What the board shows after d3 without the animation.
    TReversi still;
    Show(still);
    still.SetMode(TwoPlayer);
    still.PlayMove(D3);
    const QImage after = Picture(still);
    still.hide();

    TReversi board;
    Show(board);
    board.SetLevel(Ply1);
    board.SetAnimateFlips(true);
    QImage frame;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
      if (frame.isNull() && board.Animating() && board.BoardImage() != after) frame = board.BoardImage().copy();
    });
    watch.start(2);
    bool searchedWhileTurning = false;
    board.OnPlyChange = [&](TReversiCore*, int) { searchedWhileTurning = searchedWhileTurning || board.Animating(); };
    Press(board, D3);

    QVERIFY(!searchedWhileTurning);
    QCOMPARE(board.MovesPlayed, 2);  // the computer answered
    QVERIFY(!frame.isNull());
    // A frame of the turn differs from the still picture inside d4's disc
    // alone.
    const int pitch = board.DiscSize() + 3;
    const QRect d4(ColOf(D4) * pitch + 2, RowOf(D4) * pitch + 2, board.DiscSize(), board.DiscSize());
    const QRect changed = Differences(frame, after);
    QVERIFY(!changed.isEmpty());
    QVERIFY2(d4.contains(changed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                  .arg(changed.x())
                                                  .arg(changed.y())
                                                  .arg(changed.width())
                                                  .arg(changed.height())));
    // The computer's move turns too, and ends.
    QTRY_VERIFY(!board.Animating());
  }

  void aStopEndsTheWaitAndTheComputerStillMoves() {
    TReversi board;
    Show(board);
    board.SetLevel(Ply1);
    board.SetAnimateFlips(true);
    QTimer::singleShot(20, &board, [&] { board.SetThinking(false); });
    Press(board, D3);
    QCOMPARE(board.MovesPlayed, 2);
  }
};

QTEST_MAIN(AnimationTest)
#include "animation_test.moc"
