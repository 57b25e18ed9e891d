// Following the game in the main window: passes and the result in the Game
// box and the status line, the counts while the computer thinks, the flip
// preview after a change of position, keyboard play, what assistive tools
// read, the coordinates, the hints of disabled items, scores in a
// decimal-comma locale and the quiet sound system.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "BoardCoordinates.h"
#include "Notation.h"
#include "Sdimain.h"
#include "StatusLine.h"
#include "WindowParts.h"
#include "widgets/FlatButton.h"
#include "widgets/WaveSound.h"

using namespace reversi;

namespace {

// A tournament game in which one side passes once.
const int kGameWithPass[] = {51, 60, 59, 42, 32, 48, 52, 43, 34, 58, 68, 33, 23, 67, 39, 31, 69, 57, 75, 24,
                             47, 56, 66, 13, 55, 38, 28, 35, 29, 46, 30, 37, 22, 14, 21, 62, 61, 77, 78, 79,
                             53, 44, 12, 71, 76, 74, 65, 11, 20, 10, 19, 73, 64, 70, 80, 26, 25, 17, 16, 15};

// Red where the legal-move dot of a square sits on the 320-pixel board.
bool LegalDotAt(const TReversi& board, int square) {
  const int pitch = board.DiscSize() + 3;
  const int centre = board.DiscSize() / 2 + 2;
  return board.BoardImage().pixel(ColOf(square) * pitch + centre, RowOf(square) * pitch + centre) == qRgb(255, 0, 0);
}

QString AccessibleName(QObject* object) {
  return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// The name changes the window sends assistive tools, by the object's name,
// while alive. A label whose own accessible name is set sends none by itself
// as its text changes (QLabel), so the window's quiet labels must have one.
class TNameEvents {
 public:
  TNameEvents() {
    ObserveSaid([this](const QObject* label) { heard_ << label->objectName(); });
  }
  ~TNameEvents() { ObserveSaid(nullptr); }
  int Count(const QString& name) const { return heard_.count(name); }

 private:
  QStringList heard_;
};

// Black takes one white disc at a time; White, with no move, passes twice.
QString PassingGameText() {
  reversi::TGame game =
      reversi::ReadBoard("XO------ -------- XO------ -------- XO------ -------- -------- -------- X").Game;
  game.Moves = {SquareOf(0, 2)};  // c1
  return QString::fromStdString(reversi::WriteGgf(game, {}));
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Ini() const { return QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString(); }

  // A shown two-player window with legal moves marked.
  void Open(TMain& w) {
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->SetShowLegal(true);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
  }

 private slots:
  // The sound system's complaint about a missing server is dropped once the
  // click has been asked for; other messages pass. First of all: the filter
  // goes in front of the message handler of the moment, here the test's.
  void noSoundServerNoise() {
    static QStringList seen;
    const QtMessageHandler outer =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) { seen << message; });
    TWaveSound sound(QUrl(QStringLiteral("qrc:/assets/click.wav")));
    sound.Play();
    qWarning("PulseAudioService: pa_context_connect() failed");
    qWarning("something else");
    qInstallMessageHandler(outer);
    QVERIFY(!seen.filter(QStringLiteral("PulseAudioService")).size());
    QVERIFY(seen.contains(QStringLiteral("something else")));
  }

  void passesAndTheResultAreShown() {
    TMain w(Ini());
    Open(w);
    int passes = 0;
    for (int square : kGameWithPass) {
      const int mover = w.Board()->SideToMove;
      w.Board()->PlayMove(square);
      QCOMPARE(w.Board()->JustPlayedSquare, square);
      if (w.Board()->SideToMove != mover || w.Board()->ShownGameOver()) continue;
      ++passes;
      const bool blackPasses = mover == kWhite;
      QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), blackPasses
                                                          ? QStringLiteral("Black has no legal move and passes")
                                                          : QStringLiteral("White has no legal move and passes"));
      QCOMPARE(Part<QLabel>(w, "BlackMarker")->isVisible(), !blackPasses);
      QCOMPARE(Part<QLabel>(w, "WhiteMarker")->isVisible(), blackPasses);
      // The dots were drawn again, for the side that plays on.
      for (int i = 10; i <= 80; ++i)
        if (w.Board()->Cells[i] == 0) QCOMPARE(LegalDotAt(*w.Board(), i), w.Board()->IsLegal(i));
    }
    QCOMPARE(passes, 1);
    QVERIFY(w.Board()->ShownGameOver());
    const int black = w.Board()->BlackDiscs(), white = w.Board()->WhiteDiscs();
    const QString result = TSidePanel::ResultText(black, white);
    QVERIFY(result.startsWith(black > white ? QStringLiteral("Black wins ") : QStringLiteral("White wins ")));
    QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), result);
    QCOMPARE(Part<QLabel>(w, "ResultLabel")->text(), result);
    QVERIFY(Part<QLabel>(w, "ResultLabel")->isVisible());
    QVERIFY(!Part<QLabel>(w, "BlackMarker")->isVisible() && !Part<QLabel>(w, "WhiteMarker")->isVisible());
    QCOMPARE(AccessibleName(Part<QLabel>(w, "StatusLine")), result);

    Part<QAction>(w, "New1")->trigger();
    QVERIFY(!Part<QLabel>(w, "ResultLabel")->isVisible());
    QVERIFY(Part<QLabel>(w, "BlackMarker")->isVisible());
    QCOMPARE(Part<QLabel>(w, "ToMoveCaption")->text(), QStringLiteral("To Move"));

    QCOMPARE(TSidePanel::ResultText(37, 27), QStringLiteral("Black wins 37 : 27"));
    QCOMPARE(TSidePanel::ResultText(27, 37), QStringLiteral("White wins 37 : 27"));
    QCOMPARE(TSidePanel::ResultText(32, 32), QStringLiteral("Draw 32 : 32"));
  }

  // A pasted game that ends at a forced pass says so; every pass is shown
  // under the side that passed until the next move, a second one in a row
  // with its count, and said once.
  void passesStayInTheGameBoxUntilTheNextMove() {
    TMain w(Ini());
    Open(w);
    QLabel* passes = Part<QLabel>(w, "PassLabel");
    QVERIFY(!passes->isVisible());
    w.Files().PasteGameText(PassingGameText());
    QCOMPARE(w.Board()->MovesPlayed, 1);
    QVERIFY(passes->isVisible());
    QCOMPARE(passes->text(), QStringLiteral("passes"));
    QCOMPARE(AccessibleName(passes), QStringLiteral("White passes — Black to move"));
    QVERIFY(passes->geometry().center().x() < Part<QLabel>(w, "BlackMarker")->x());  // under White
    QVERIFY(Part<QLabel>(w, "BlackMarker")->isVisible());

    TNameEvents events;
    w.Board()->PlayMove(SquareOf(2, 2));  // c3: White passes again
    QCOMPARE(passes->text(), QStringLiteral("passes (2)"));
    QCOMPARE(AccessibleName(passes), QStringLiteral("White passes again (2) — Black to move"));
    QCOMPARE(AccessibleName(Part<QLabel>(w, "StatusLine")), QStringLiteral("White has no legal move and passes"));
    QCOMPARE(events.Count(QStringLiteral("StatusLine")), 2);  // the move, the pass
    QCOMPARE(events.Count(QStringLiteral("PassLabel")), 0);

    Part<QAction>(w, "TakeBack1")->trigger();
    QCOMPARE(passes->text(), QStringLiteral("passes"));
    Part<QAction>(w, "TakeBack1")->trigger();
    QVERIFY(!passes->isVisible());
    Part<QAction>(w, "MoveForward1")->trigger();
    Part<QAction>(w, "MoveForward1")->trigger();
    w.Board()->PlayMove(SquareOf(4, 2));  // c5 takes White's last disc
    QVERIFY(w.Board()->ShownGameOver());
    QVERIFY(!passes->isVisible());
  }

  // Against the computer: its move leaves the person none. The box has the
  // window's title; under it the board marks the moves of the computer, which
  // plays on.
  void thePassBoxHasTheWindowsTitleAndTheNextSidesMoves() {
    TMain w(Ini());
    Open(w);
    reversi::TGame game =
        reversi::ReadBoard("OX------ -------- OX------ -------- OX------ -------- XO------ -------- X").Game;
    game.Moves = {SquareOf(6, 2)};  // c7; White, the computer, then takes a disc a move
    w.Files().PasteGameText(QString::fromStdString(reversi::WriteGgf(game, {})));
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->SetLevel(Ply1);
    QStringList titles;
    bool dotsForWhite = true;
    QString passed;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      titles << box->windowTitle() + u'|' + box->text();
      QCOMPARE(w.Board()->SideToMove, int(kWhite));
      for (int i = 10; i <= 80; ++i)
        if (w.Board()->Cells[i] == 0 && LegalDotAt(*w.Board(), i) != w.Board()->IsLegal(i)) dotsForWhite = false;
      passed = AccessibleName(Part<QLabel>(w, "PassLabel"));
      box->reject();
    });
    answer.start(10);
    w.Board()->SetThinking(true);
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0], w.windowTitle() + QStringLiteral("|You must pass"));
    QVERIFY(w.windowTitle() != QStringLiteral("Reversi"));
    QVERIFY(dotsForWhite);
    QCOMPARE(passed, QStringLiteral("Black passes again (2) — White to move"));
    QVERIFY(w.Board()->ShownGameOver());
  }

  // One computer move: the status line says each move once, and the
  // thinking figures tell assistive tools of their changes a few times, not
  // with every change; read on demand, each is its text.
  void aComputerMoveIsSaidOnceAndItsFiguresQuietly() {
    TMain w(Ini());
    w.Board()->SetLevel(Ply6);
    TNameEvents events;
    w.Board()->PlayMove(SquareOf(2, 3));  // d3, and the computer answers
    QCOMPARE(w.Board()->MovesPlayed, 2);
    QCOMPARE(events.Count(QStringLiteral("StatusLine")), 2);
    int figures = 0;
    for (const char* name : {"Label11", "Label12", "Label13", "Label14", "Label16", "Label18", "StatusLine"}) {
      figures += events.Count(QLatin1String(name));
      QLabel* label = Part<QLabel>(w, name);
      QCOMPARE(label->accessibleName(), QLatin1String(name));  // fixed: no event of QLabel's own
      if (label->objectName() != QStringLiteral("StatusLine")) QCOMPARE(AccessibleName(label), label->text());
    }
    figures -= 2;
    QVERIFY2(figures <= 12, qPrintable(QString::number(figures)));
    QVERIFY(Part<QLabel>(w, "Label18")->text().toLongLong() > 0);
  }

  // Nothing of the game before stays: the node count of its last search, an
  // analysis' words on the status line.
  void aReplacedGameLeavesNoFiguresOfTheOneBefore() {
    TMain w(Ini());
    w.Board()->SetLevel(Ply4);
    w.Board()->PlayMove(SquareOf(2, 3));
    QVERIFY(w.Board()->Nodes() > 0);
    emit w.Analysis().Status(QStringLiteral("Analyst: C3"));
    w.Files().PasteGameText(QStringLiteral("f5"));
    QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), QString());
    QCOMPARE(Part<QLabel>(w, "Label18")->text(), QStringLiteral("-"));
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->PlayMove(SquareOf(5, 3));  // d6
    QCOMPARE(Part<QLabel>(w, "Label18")->text(), QStringLiteral("0"));
  }

  // New, while refused, refreshes the Game box: it shows the board's
  // position, not one from inside the search.
  void countsDuringASearchAreTheBoards() {
    TMain w(Ini());
    w.Board()->SetLevel(Infinite);
    QString black, white;
    bool blackToMove = false;
    QTimer::singleShot(150, &w, [&] {
      Part<TFlatButton>(w, "NewButton")->click();
      black = Part<QLabel>(w, "Label5")->text();
      white = Part<QLabel>(w, "Label4")->text();
      blackToMove = Part<QLabel>(w, "BlackMarker")->isVisibleTo(&w);
      Part<TFlatButton>(w, "PlayButton")->click();
    });
    w.Board()->SetThinking(true);
    QCOMPARE(black, QStringLiteral("2"));
    QCOMPARE(white, QStringLiteral("2"));
    QVERIFY(blackToMove);
  }

  void flipPreviewGoesWithEveryChangeOfPosition() {
    TMain w(Ini());
    Open(w);
    TReversi& r = *w.Board();
    const auto hover = [&](int square) {
      const int pitch = r.DiscSize() + 3;
      QTest::mouseMove(&r, QPoint(ColOf(square) * pitch + pitch / 2, RowOf(square) * pitch + pitch / 2));
      QCoreApplication::processEvents();
    };
    const auto previewEmpty = [&] {
      for (uint8_t flag : r.FlipPreview)
        if (flag) return false;
      return true;
    };
    r.PlayMove(SquareOf(2, 3));  // D3
    const std::vector<std::function<void()>> changes = {[&] { Part<QAction>(w, "TakeBack1")->trigger(); },
                                                        [&] { Part<QAction>(w, "MoveForward1")->trigger(); },
                                                        [&] { Part<QAction>(w, "New1")->trigger(); }};
    const int hovered[] = {SquareOf(2, 2), SquareOf(2, 3), SquareOf(2, 2)};  // C3, D3, C3
    for (size_t k = 0; k < changes.size(); ++k) {
      hover(hovered[k]);
      QVERIFY(!previewEmpty());
      changes[k]();
      QVERIFY2(previewEmpty(), qPrintable(QString::number(k)));
      QCOMPARE(r.HoverSquare, 0);
    }
  }

  void keyboardPlaysAndIsRefusedWhileThinking() {
    TMain w(Ini());
    Open(w);
    TReversi& r = *w.Board();
    QVERIFY(r.hasFocus());
    const QImage before = r.BoardImage();
    QCOMPARE(r.KeyCursor(), 0);
    QTest::keyClick(&r, Qt::Key_Down);  // shows the cursor where it starts: D3
    QCOMPARE(r.KeyCursor(), SquareOf(2, 3));
    QVERIFY(r.BoardImage() != before);
    QTest::keyClick(&r, Qt::Key_Return);
    QCOMPARE(r.MovesPlayed, 1);
    QTest::keyClicks(&r, QStringLiteral("a1"));  // not a legal move
    QCOMPARE(r.KeyCursor(), SquareOf(0, 0));
    QCOMPARE(r.MovesPlayed, 1);
    QTest::keyClicks(&r, QStringLiteral("C5"));
    QCOMPARE(r.GameRecord[1], SquareOf(4, 2));
    QTest::keyClick(&r, Qt::Key_Right);
    QTest::keyClick(&r, Qt::Key_Up);
    QCOMPARE(r.KeyCursor(), SquareOf(3, 3));
    // Moved through the accessible cells too.
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&r);
    QCOMPARE(board->focusChild()->text(QAccessible::Name), QStringLiteral("D4, black"));

    r.SetLevel(Infinite);
    int movesDuring = -1;
    QTimer::singleShot(150, &w, [&] {
      QTest::keyClicks(&r, QStringLiteral("e3"));
      QTest::keyClick(&r, Qt::Key_Return);
      movesDuring = r.MovesPlayed;
      Part<TFlatButton>(w, "PlayButton")->click();
    });
    r.SetThinking(true);
    QCOMPARE(movesDuring, 2);
    QCOMPARE(r.MovesPlayed, 3);  // the computer's move only
  }

  // A game that replaces the one on the board takes the keyboard cursor
  // with it: the board looks as at the start until a key is used again.
  void theKeyCursorGoesWithTheGame() {
    TMain w(Ini());
    Open(w);
    TReversi& r = *w.Board();
    r.SetMode(TwoPlayer);
    const QImage fresh = r.BoardImage();
    const std::vector<std::function<void()>> replacements = {
        [&] { Part<QAction>(w, "New1")->trigger(); },
        [&] {
          QApplication::clipboard()->setText(QStringLiteral("f5 d6"));
          Part<QAction>(w, "Paste1")->trigger();
        }};
    for (const auto& replace : replacements) {
      QTest::keyClick(&r, Qt::Key_Down);
      QVERIFY(r.KeyCursor() != 0);
      replace();
      QCOMPARE(r.KeyCursor(), 0);
    }
    Part<QAction>(w, "New1")->trigger();
    QCOMPARE(r.BoardImage(), fresh);
    // Taking a move back is the same game: the cursor stays.
    QTest::keyClicks(&r, QStringLiteral("f5"));
    Part<QAction>(w, "TakeBack1")->trigger();
    QCOMPARE(r.KeyCursor(), SquareOf(4, 5));
  }

  void assistiveToolsReadTheBoardAndTheBoxes() {
    TMain w(Ini());
    Open(w);
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(w.Board());
    QCOMPARE(board->role(), QAccessible::Table);
    QCOMPARE(board->childCount(), 64);
    QAccessibleTableInterface* table = board->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 8);
    const auto cell = [&](const char* name) -> QString {
      const int row = name[1] - '1', col = name[0] - 'A';
      QAccessibleInterface* c = table->cellAt(row, col);
      if (c->tableCellInterface()->rowIndex() != row || board->indexOfChild(c) != row * 8 + col) return {};
      return c->text(QAccessible::Name);
    };
    QCOMPARE(cell("D3"), QStringLiteral("D3, empty, legal move"));
    QCOMPARE(cell("E4"), QStringLiteral("E4, black"));
    QCOMPARE(cell("D4"), QStringLiteral("D4, white"));
    QCOMPARE(cell("A1"), QStringLiteral("A1, empty"));

    QAccessibleInterface* blackDiscs = QAccessible::queryAccessibleInterface(Part<QLabel>(w, "Label5"));
    QCOMPARE(blackDiscs->text(QAccessible::Name), QStringLiteral("2"));
    QCOMPARE(blackDiscs->text(QAccessible::Description), QStringLiteral("Black discs"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Part<QLabel>(w, "Label6"))->text(QAccessible::Description),
             QStringLiteral("Level"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Part<QLabel>(w, "Label11"))->text(QAccessible::Description),
             QStringLiteral("Candidate Move"));
    QCOMPARE(AccessibleName(Part<QLabel>(w, "BlackMarker")), QStringLiteral("Black to move"));
    QCOMPARE(AccessibleName(Part<QListWidget>(w, "ListBox1")), QStringLiteral("Best Line"));
    // The glyph and arrow buttons are named; Move Now keeps its caption.
    for (auto [name, accessible] : {std::pair{"OpenButton", "Open"},
                                    {"SaveButton", "Save"},
                                    {"NewButton", "New"},
                                    {"BackButton", "Take Back"},
                                    {"ForwardButton", "Move Forward"},
                                    {"PlayButton", "Move Now"}})
      QCOMPARE(AccessibleName(Part<QWidget>(w, name)), QLatin1String(accessible));
    QCOMPARE(Part<TFlatButton>(w, "PlayButton")->text(), QStringLiteral("orvane"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Part<QWidget>(w, "PlayButton"))->text(QAccessible::Description),
             QStringLiteral("Move now"));
    QCOMPARE(AccessibleName(Part<QLabel>(w, "ResultLabel")), QStringLiteral("Result"));

    w.Board()->PlayMove(SquareOf(2, 3));
    QCOMPARE(AccessibleName(Part<QLabel>(w, "StatusLine")), QStringLiteral("Black plays D3"));
    QCOMPARE(cell("D3"), QStringLiteral("D3, black"));
    QCOMPARE(cell("C3"), QStringLiteral("C3, empty, legal move"));
    // A square that is no move is said, and nothing is shown or played.
    const QString shown = Part<QLabel>(w, "StatusLine")->text();
    QTest::keyClicks(w.Board(), QStringLiteral("a1"));
    QCOMPARE(AccessibleName(Part<QLabel>(w, "StatusLine")), QStringLiteral("A1 is not a legal move"));
    QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), shown);
    QCOMPARE(w.Board()->MovesPlayed, 1);
  }

  void coordinatesAroundTheBoard() {
    TMain w(Ini());
    Open(w);
    QVERIFY(!Part<QAction>(w, "Coordinates1")->isChecked());
    QVERIFY(!Part<TBoardCoordinates>(w, "Coordinates")->isVisible());
    QCOMPARE(w.Board()->pos(), QPoint(4, 32));
    Part<QAction>(w, "Coordinates1")->trigger();
    const int strip = TBoardCoordinates::kStrip;
    QCOMPARE(w.Board()->pos(), QPoint(4 + strip, 32 + strip));
    QVERIFY(Part<TBoardCoordinates>(w, "Coordinates")->isVisible());
    QCOMPARE(Part<TBoardCoordinates>(w, "Coordinates")->geometry().topLeft(), QPoint(4, 32));
    // Ink in both strips: letters above, digits at the left.
    const QImage image = Part<TBoardCoordinates>(w, "Coordinates")->grab().toImage();
    const auto inked = [&](const QRect& area) {
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          if (qGray(image.pixel(x, y)) < 100) return true;
      return false;
    };
    const int pitch = w.Board()->height() / 8;
    QVERIFY(inked(QRect(strip, 0, pitch, strip)));              // a
    QVERIFY(inked(QRect(strip + 7 * pitch, 0, pitch, strip)));  // h
    QVERIFY(inked(QRect(0, strip + 7 * pitch, strip, pitch)));  // 8
    Part<QAction>(w, "Coordinates1")->trigger();
    QCOMPARE(w.Board()->pos(), QPoint(4, 32));
  }

  void disabledItemsShowNoHint() {
    TMain w(Ini());
    emit Part<QMenu>(w, "Edit1")->aboutToShow();
    QVERIFY(!Part<QAction>(w, "TakeBack1")->isEnabled());
    QVERIFY(Part<QAction>(w, "TakeBack1")->statusTip().isEmpty());
    QCOMPARE(Part<QAction>(w, "Level1")->statusTip(), QStringLiteral("Set level of play"));
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->PlayMove(SquareOf(2, 3));
    emit Part<QMenu>(w, "Edit1")->aboutToShow();
    QCOMPARE(Part<QAction>(w, "TakeBack1")->statusTip(), QStringLiteral("Take back a move"));
  }

  void scoresLineUpOnADecimalComma() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMain w(Ini());
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("3|12,34|C5"));
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("3|-0,79|C5 F6"));
    QList<int> commaEnds;
    for (int i = 0; i < 2; ++i) {
      QImage image(200, 14, QImage::Format_RGB32);
      QPainter p(&image);
      w.Panel().ListBox1DrawItem(&p, i, image.rect(), QStyle::State_None);
      p.end();
      // The score ends its part at the comma: find the last inked column
      // before the line of moves.
      const QFontMetrics fm(Part<QListWidget>(w, "ListBox1")->font());
      const int mark = 5 * fm.horizontalAdvance(QStringLiteral("888.88")) / 4;
      int last = -1;
      for (int x = 0; x < mark + 2; ++x)
        for (int y = 0; y < 14; ++y)
          if (image.pixel(x, y) != qRgb(255, 255, 255)) last = x;
      commaEnds << last;
    }
    QLocale::setDefault(QLocale::c());
    QVERIFY(std::abs(commaEnds[0] - commaEnds[1]) <= 1);
  }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
