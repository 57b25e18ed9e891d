// The board widget: geometry of the drawing checked on grabbed images, the
// mouse paths, and what happens on screen while the computer thinks.
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <numbers>

#include "Reversi.h"

using namespace reversi;

namespace {

// Box with exclusive right and bottom edges.
struct TBox {
  int X1 = 1 << 30, Y1 = 1 << 30, X2 = -1, Y2 = -1;
  void Add(int x, int y) {
    X1 = std::min(X1, x), Y1 = std::min(Y1, y), X2 = std::max(X2, x + 1), Y2 = std::max(Y2, y + 1);
  }
  bool operator==(const TBox&) const = default;
};

char* toString(const TBox& b) {
  return QTest::toString(QString("(%1,%2)-(%3,%4)").arg(b.X1).arg(b.Y1).arg(b.X2).arg(b.Y2));
}

QImage Grab(TReversi& board) {
  return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TBox Differences(const QImage& a, const QImage& b) {
  TBox box;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) box.Add(x, y);
  return box;
}

TBox Matching(const QImage& image, QRect area, std::function<bool(QRgb)> match) {
  TBox box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (match(image.pixel(x, y))) box.Add(x, y);
  return box;
}

// Mouse events go straight to the board: no window system in between.
void Press(TReversi& board, int square, Qt::MouseButton button = Qt::LeftButton) {
  const int pitch = board.height() / 8;
  const QPointF at(ColOf(square) * pitch + pitch / 2, RowOf(square) * pitch + pitch / 2);
  QMouseEvent e(QEvent::MouseButtonPress, at, board.mapToGlobal(at), button, button, Qt::NoModifier);
  QApplication::sendEvent(&board, &e);
}

void MoveTo(TReversi& board, QPoint at) {
  QMouseEvent e(QEvent::MouseMove, at, board.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&board, &e);
}

QPoint Centre(TReversi& board, int square) {
  const int pitch = board.height() / 8;
  return QPoint(ColOf(square) * pitch + pitch / 2, RowOf(square) * pitch + pitch / 2);
}

class TPaintCounter : public QObject {
 public:
  int Count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Count;
    return false;
  }
};

// A shown board of the given requested size, painted once.
struct TShownBoard {
  TReversi Board;
  TShownBoard(int w, int h) {
    Board.resize(w, h);
    Board.show();
    Q_UNUSED(QTest::qWaitForWindowExposed(&Board));
    Board.repaint();
  }
};

}  // namespace

class TWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void Sizes_data() {
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("disc");
    QTest::newRow("constructor") << 0 << 0 << 96 << 9;
    QTest::newRow("main window") << 320 << 320 << 320 << 37;
    QTest::newRow("splash") << 112 << 112 << 112 << 11;
    QTest::newRow("about box") << 64 << 64 << 64 << 5;
    QTest::newRow("wide") << 300 << 200 << 288 << 33;
    QTest::newRow("too small") << 40 << 40 << 48 << 3;
  }
  void Sizes() {
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, side);
    QFETCH(int, disc);
    TReversi board;
    if (w) board.resize(w, h);
    board.show();
    const QImage image = Grab(board);
    QCOMPARE(board.size(), QSize(side, side));
    QCOMPARE(board.DiscSize(), disc);
    QCOMPARE(image.size(), QSize(side, side));
    QCOMPARE(board.BoardImage().size(), QSize(side, side));
  }

  // D4 on the 320 board: pitch 40, DiscSize 37.
  void D4Boxes() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    const QImage plain = Grab(board);
    QCOMPARE(Matching(plain, QRect(121, 121, 39, 39), [](QRgb c) { return c != qRgb(0, 128, 0); }),
             (TBox{122, 122, 159, 159}));
    board.FlipPreview[D4] = 1;
    QCOMPARE(Differences(plain, Grab(board)), (TBox{134, 134, 146, 146}));
    board.FlipPreview[D4] = 0;
    board.JustPlayedSquare = D4;
    QCOMPARE(Differences(plain, Grab(board)), (TBox{136, 136, 144, 144}));

    // The highlight arc: the black pixels inside the white disc's outline lie
    // on the circle of the box (125,125)-(156,156) and run from the radial
    // through (134,125) counter-clockwise to the one through (125,134).
    const double c = (125 + 156) / 2.0 - 0.5, radius = (156 - 125) / 2.0 - 0.5;
    const double from = std::atan2(c - 125, 134 - c), to = std::atan2(c - 134, 125 - c);
    double first = 10, last = -10;
    int count = 0;
    for (int y = 124; y <= 157; ++y)
      for (int x = 124; x <= 157; ++x) {
        const double r = std::hypot(x - c, y - c);
        if (r > 17.0 || plain.pixel(x, y) != qRgb(0, 0, 0)) continue;  // outline of the disc
        ++count;
        QVERIFY2(x >= 125 && x < 156 && y >= 125 && y < 156, qPrintable(QString("%1,%2").arg(x).arg(y)));
        QVERIFY(std::abs(r - radius) <= 1.0);
        const double a = std::atan2(c - y, x - c);
        first = std::min(first, a), last = std::max(last, a);
      }
    QVERIFY(count > 10);
    const double tolerance = 5.0 * std::numbers::pi / 180;
    QVERIFY(std::abs(first - from) < tolerance);
    QVERIFY(std::abs(last - to) < tolerance);
  }

  void ArcFirstAtThirteen() {
    for (auto [side, arc] : {std::pair{112, false}, std::pair{128, true}}) {
      TShownBoard s(side, side);
      const int d = s.Board.DiscSize(), x = 4 * (d + 3) + 2, y = 3 * (d + 3) + 2;  // E4, black
      const TBox white = Matching(Grab(s.Board), QRect(x, y, d, d), [](QRgb c) { return c == qRgb(255, 255, 255); });
      QCOMPARE(white.X2 > 0, arc);
    }
  }

  // Discs painted at other sizes and colours first leave no trace: D4's box
  // on the 320 board holds the disc and the board colour only.
  void DiscsFollowSizeAndColour() {
    TShownBoard s(160, 160);
    s.Board.resize(320, 320);
    Grab(s.Board);
    s.Board.SetColor(clNavy);
    const QRgb navy = qRgb(0, 0, 128);
    QCOMPARE(Matching(Grab(s.Board), QRect(121, 121, 39, 39), [&](QRgb c) { return c != navy; }),
             (TBox{122, 122, 159, 159}));
    for (QPoint p : {QPoint(122, 122), QPoint(158, 158)}) QCOMPARE(Grab(s.Board).pixel(p), navy);
  }

  void BackgroundGridAndLegalDots() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    board.SetShowLegal(true);
    board.SetColor(clNavy);
    const QImage image = Grab(board);
    const QRgb navy = qRgb(0, 0, 128), black = qRgb(0, 0, 0), red = qRgb(255, 0, 0);
    for (QPoint p : {QPoint(0, 0), QPoint(319, 319), QPoint(0, 319), QPoint(40, 20), QPoint(20, 280), QPoint(319, 20)})
      QCOMPARE(image.pixel(p), black);
    for (QPoint p : {QPoint(1, 1), QPoint(41, 20), QPoint(318, 318), QPoint(318, 20)}) QCOMPARE(image.pixel(p), navy);
    for (int i = 10; i <= 80; ++i) {
      if (!IsPlayingSquare(i)) continue;
      const bool dot =
          Matching(image, QRect(ColOf(i) * 40, RowOf(i) * 40, 40, 40), [&](QRgb c) { return c == red; }).X2 > 0;
      QCOMPARE(dot, i == D3 || i == C4 || i == F5 || i == E6);
    }
    QCOMPARE(Matching(image, QRect(121, 81, 39, 39), [&](QRgb c) { return c != navy; }), (TBox{134, 94, 146, 106}));
  }

  void SquareAtGridLines() {
    TShownBoard s(320, 320);
    const TReversi& b = s.Board;
    QCOMPARE(b.SquareAt(0, 0), A1);
    QCOMPARE(b.SquareAt(39, 39), A1);
    QCOMPARE(b.SquareAt(40, 0), B1);
    QCOMPARE(b.SquareAt(40, 40), B2);
    QCOMPARE(b.SquareAt(319, 319), 80);
    for (QPoint off : {QPoint(-1, 5), QPoint(5, -1), QPoint(320, 5), QPoint(5, 320), QPoint(-400, -400)})
      QCOMPARE(b.SquareAt(off.x(), off.y()), 0);
  }

  void PreviewCursorAndRepaints() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    TPaintCounter paints;
    board.installEventFilter(&paints);
    auto flagged = [&] {
      QList<int> cells;
      for (int i = 0; i < kCells; ++i)
        if (board.FlipPreview[i]) cells << i;
      return cells;
    };
    auto step = [&](QPoint at, int repaints, Qt::CursorShape shape) {
      paints.Count = 0;
      MoveTo(board, at);
      QCOMPARE(paints.Count, repaints);
      QCOMPARE(board.cursor().shape(), shape);
    };
    step(Centre(board, A1), 0, Qt::ArrowCursor);
    QCOMPARE(flagged(), QList<int>{});
    step(Centre(board, B1), 0, Qt::ArrowCursor);  // between squares that are not legal
    step(Centre(board, D3), 1, Qt::CrossCursor);  // onto a legal square
    QCOMPARE(flagged(), QList<int>{D4});
    QCOMPARE(board.HoverSquare, D3);
    step(Centre(board, D3) + QPoint(5, 5), 0, Qt::CrossCursor);  // within it
    step(Centre(board, C4), 1, Qt::CrossCursor);                 // straight onto another legal square
    QCOMPARE(flagged(), QList<int>{D4});
    step(Centre(board, A1), 1, Qt::ArrowCursor);  // off to one that is not
    QCOMPARE(flagged(), QList<int>{});
    step(QPoint(-5, 400), 0, Qt::ArrowCursor);  // captured drag far off the board
    QCOMPARE(board.HoverSquare, 0);
    step(Centre(board, D3), 1, Qt::CrossCursor);
    step(QPoint(330, 10), 1, Qt::ArrowCursor);
    QCOMPARE(flagged(), QList<int>{});
  }

  void ViewDefaultsAndRepaintingSetters() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    QVERIFY(board.ShowJustPlayed() && !board.ShowLegal() && !board.ShowThinking() && board.ShowFlips());
    QCOMPARE(board.JustPlayedColour(), clYellow);
    QCOMPARE(board.ShowLegalColor(), clRed);
    QCOMPARE(board.Color(), clGreen);
    TPaintCounter paints;
    board.installEventFilter(&paints);
    board.SetShowLegal(false);
    board.SetShowJustPlayed(true);
    board.SetShowLegalColor(clRed);
    board.SetColor(clGreen);
    QCOMPARE(paints.Count, 0);
    board.SetShowLegal(true);
    board.SetJustPlayedColour(clBlue);
    board.SetShowThinking(true);
    board.SetColor(clNavy);
    QCOMPARE(paints.Count, 4);
  }

  void ShowThinkingIsIgnoredWhileThinking() {
    TReversi board;
    board.SetLevel(Ply1);
    bool changed = true;
    board.OnPlyChange = [&](TReversiCore*, int) {
      board.SetShowThinking(true);
      changed = board.ShowThinking();
    };
    board.SetThinking(true);
    QVERIFY(!changed);
    QVERIFY(!board.ShowThinking());
  }

  void ClicksAndHostHandler() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    board.SetMode(TwoPlayer);
    QStringList log;
    board.OnMouseDown = [&](TReversi*, Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
      log << QString("down %1").arg(b);
    };
    board.OnMove = [&](TReversiCore*, const std::string& m) { log << QString::fromStdString(m); };
    Press(board, D3, Qt::RightButton);
    QCOMPARE(log, QStringList{QString("down %1").arg(Qt::RightButton)});
    QCOMPARE(board.MovesPlayed, 0);
    log.clear();
    MoveTo(board, Centre(board, D3));
    Press(board, D3);
    QCOMPARE(log, (QStringList{QString("down %1").arg(Qt::LeftButton), "D3"}));
    QCOMPARE(board.ToMove(), White);
    QCOMPARE(board.FlipPreview[D4], 0);  // gone although the pointer has not moved
    Press(board, A1);                    // not legal: nothing
    QCOMPARE(board.MovesPlayed, 1);
    Press(board, C3);
    QCOMPARE(board.ToMove(), Black);
    QCOMPARE(board.Cell(C3), kWhite);
  }

  void ClickAnsweredBeforeReturn() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    board.SetLevel(Ply3);
    QStringList log;
    board.OnMove = [&](TReversiCore*, const std::string& m) { log << "move " + QString::fromStdString(m); };
    board.OnBeginSearch = [&](TReversiCore*) { log << "begin"; };
    board.OnEndSearch = [&](TReversiCore*, const std::string& m) { log << "end " + QString::fromStdString(m); };
    QSignalSpy idle(&board, &TReversi::Idle);
    Press(board, D3);
    QCOMPARE(log.size(), 4);
    QCOMPARE(log[0], "move D3");
    QCOMPARE(log[1], "begin");
    QVERIFY(log[2].startsWith("move "));
    QCOMPARE(log[3], "end " + log[2].mid(5));
    QCOMPARE(board.MovesPlayed, 2);
    QVERIFY(!board.Thinking());
    QVERIFY(!board.Busy());
    QCOMPARE(board.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(idle.count(), 0);  // from the event loop, not from inside the click
    QTRY_VERIFY(idle.count() >= 1);
  }

  // While the search walks its tree the board shows the position it started
  // from: flip dots go, legal dots stay, the ring marks the best move, the
  // pointer turns into the wait cursor; a stop plays the best move so far.
  void WhileThinking() {
    TShownBoard s(320, 320);
    TReversi& board = s.Board;
    board.SetShowLegal(true);
    board.SetShowThinking(true);
    board.SetLevel(Infinite);
    const QImage before = Grab(board);
    std::string best;
    int grabs = 0, rings = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      board.FlipPreview[D4] = 1;  // stays hidden while thinking
      const QImage now = Grab(board);
      ++grabs;
      // Only the ring on the best move differs from the picture before.
      const int b = board.BestSquare();
      const TBox diff = Differences(before, now);
      if (diff.X2 > 0) {
        QCOMPARE(diff, (TBox{ColOf(b) * 40 + 2, RowOf(b) * 40 + 2, ColOf(b) * 40 + 39, RowOf(b) * 40 + 39}));
        ++rings;
      }
      MoveTo(board, Centre(board, D3));
      QCOMPARE(board.cursor().shape(), Qt::WaitCursor);
      if (grabs == 5) board.SetThinking(false);
    });
    board.OnBestChange = [&](TReversiCore*, const std::string& m, double, bool) { best = m; };
    std::string played;
    QImage atMove;
    board.OnEndSearch = [&](TReversiCore*, const std::string& m) { played = m; };
    board.OnMove = [&](TReversiCore* b, const std::string&) { atMove = Grab(*static_cast<TReversi*>(b)); };
    timer.start(20);
    board.SetThinking(true);
    timer.stop();
    QCOMPARE(grabs, 5);
    QVERIFY(rings > 0);
    QVERIFY(!board.Thinking());
    QCOMPARE(played, best);
    QCOMPARE(board.MovesPlayed, 1);
    // The repaint of the computer's move shows the move, not the old copy.
    const int m = board.GameRecord[0];
    QCOMPARE(QColor(atMove.pixel(ColOf(m) * 40 + 20, RowOf(m) * 40 + 10)), QColor(Qt::black));
    QCOMPARE(board.cursor().shape(), Qt::ArrowCursor);
  }

  // A window deleted later while its board thinks lives until the search has
  // unwound and played its move.
  void DeleteLaterWhileThinking() {
    auto* window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* board = new TReversi(window);
    board->resize(112, 112);
    window->show();
    board->SetLevel(Infinite);
    QPointer<QWidget> watch(window);
    bool aliveAtEnd = false;
    board->OnEndSearch = [&](TReversiCore*, const std::string&) { aliveAtEnd = !watch.isNull(); };
    QTimer::singleShot(30, window, [window] { window->close(); });
    board->SetThinking(true);  // returns because the held-back deletion stops the search
    QVERIFY(aliveAtEnd);
    QVERIFY(!watch.isNull());
    QTRY_VERIFY(watch.isNull());

    auto* lone = new TReversi;
    QPointer<TReversi> loneWatch(lone);
    lone->SetLevel(Infinite);
    QTimer::singleShot(30, lone, [lone] { lone->deleteLater(); });
    lone->SetThinking(true);
    QVERIFY(!loneWatch.isNull());
    QTRY_VERIFY(loneWatch.isNull());

    // The speed measurement pumps the event loop for a second, too.
    auto* about = new QWidget;
    auto* small = new TReversi(about);
    QPointer<QWidget> aboutWatch(about);
    QTimer::singleShot(30, about, [about] { about->deleteLater(); });
    QVERIFY(small->DevIdoz() > 0);
    QVERIFY(!aboutWatch.isNull());
    QTRY_VERIFY(aboutWatch.isNull());
  }

  // Closing the window stops its board's search: it plays its move at once.
  void ClosingWindowStops() {
    QWidget window;
    TReversi board(&window);
    window.show();
    board.SetLevel(Infinite);
    QTimer::singleShot(30, &window, [&] { window.close(); });
    board.SetThinking(true);
    QVERIFY(!board.Thinking());
    QCOMPARE(board.MovesPlayed, 1);
  }

  void MessageBoxes() {
    TReversi board;
    QString text, title;
    QMessageBox::StandardButtons buttons;
    auto answer = [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      text = box->text(), title = box->windowTitle(), buttons = box->standardButtons();
      box->reject();
    };
    QTimer::singleShot(0, answer);
    board.Hooks().ShowPassBox();
    QCOMPARE(text, "You must pass");
    QCOMPARE(title, "Reversi");
    QCOMPARE(buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QTimer::singleShot(0, answer);
    board.Hooks().ShowMessage("Black wins by 10 discs");
    QCOMPARE(text, "Black wins by 10 discs");
    QCOMPARE(buttons, QMessageBox::Ok);
  }
};

QTEST_MAIN(TWidgetTest)
#include "widget_test.moc"
