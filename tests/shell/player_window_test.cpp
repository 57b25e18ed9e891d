// The player's views of the game: the move list walked by click and key,
// passes in it, and its copy read back.
#include <QDockWidget>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "MoveList.h"
#include "Reversi.h"
#include "Sdimain.h"
#include "UndoMyMove.h"

namespace {

int Cell(const char* name) {
  return reversi::SquareOf(name[1] - '1', name[0] - 'a');
}

// Black takes one white disc at a time; White, with no move, passes twice.
reversi::TGame PassingGame() {
  reversi::TGame game =
      reversi::ReadBoard("XO------ -------- XO------ -------- XO------ -------- -------- -------- X").Game;
  game.Moves = {Cell("c1"), Cell("c3"), Cell("c5")};
  return game;
}

// The colours the other way round after a first move of Black's at c7:
// White then takes three discs while Black passes twice.
reversi::TGame BlackPassesGame() {
  reversi::TGame game =
      reversi::ReadBoard("OX------ -------- OX------ -------- OX------ -------- XO------ -------- X").Game;
  game.Moves = {Cell("c7"), Cell("c1"), Cell("c3"), Cell("c5")};
  return game;
}

}  // namespace

class PlayerWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TMain> Window() {
    return std::make_unique<TMain>(QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString());
  }

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache")))); }

  void moveListShowsPassesAndWalksTheRecord() {
    auto w = Window();
    QListWidget* list = w->MoveList().List();
    QVERIFY(!w->MoveList().Dock()->isVisible());  // off until asked for
    QVERIFY(w->Board()->SetGame(PassingGame()));
    w->show();
    w->MoveList().Dock()->show();
    QCOMPARE(w->MoveList().Text(), QStringLiteral("1. c1\npass\n2. c3\npass\n3. c5"));
    QCOMPARE(list->currentRow(), 4);
    // Home and End walk to the ends of the record, a picked row to its move.
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(w->Board()->MovesPlayed, 0);
    QCOMPARE(list->currentRow(), -1);
    QVERIFY(w->Board()->CanMoveForward());
    list->setCurrentRow(2);
    QCOMPARE(w->Board()->MovesPlayed, 2);
    QCOMPARE(w->Board()->CurrentGame().Moves, std::vector<int>({Cell("c1"), Cell("c3")}));
    list->setCurrentRow(1);  // the pass after move 1
    QCOMPARE(w->Board()->MovesPlayed, 1);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(w->Board()->MovesPlayed, 3);
    QVERIFY(!w->MoveList().GoTo(4));
    // The copy reads back as the same game.
    const reversi::TReadResult read = reversi::ReadMoveList(w->MoveList().Text().toStdString(), PassingGame().Start);
    QVERIFY2(read.Ok, read.Reason.c_str());
    QCOMPARE(read.Game.Moves, PassingGame().Moves);
  }

  void undoMyMoveTakesTheComputersAnswersWithIt() {
    auto w = Window();
    TReversi& board = *w->Board();
    board.SetLevel(reversi::Ply1);
    board.PlayMove(Cell("f5"));
    QTRY_COMPARE_WITH_TIMEOUT(board.MovesPlayed, 2, 10000);
    QVERIFY(!board.Thinking());
    QVERIFY(w->UndoMyMove().Undo());
    QCOMPARE(board.MovesPlayed, 0);
    QCOMPARE(board.SideToMove, int(reversi::kBlack));
    QVERIFY(!w->UndoMyMove().Undo());  // nothing of the person's left
    QVERIFY(w->UndoMyMove().Redo());
    QCOMPARE(board.MovesPlayed, 2);
  }

  void undoMyMoveCrossesPasses() {
    QCOMPARE(Movers(BlackPassesGame().Start, BlackPassesGame().Moves),
             std::vector<int>({reversi::kBlack, reversi::kWhite, reversi::kWhite, reversi::kWhite}));
    auto w = Window();
    TReversi& board = *w->Board();
    board.SetMode(reversi::TwoPlayer);
    QVERIFY(board.SetGame(BlackPassesGame()));
    QVERIFY(w->UndoMyMove().Undo());  // two players: one move
    QCOMPARE(board.MovesPlayed, 3);
    // Black's move played by the person (the computer, answering, would
    // bring up the pass box), then against the computer: Black's one move
    // and White's three answers go together.
    reversi::TGame start = BlackPassesGame();
    start.Moves.clear();
    QVERIFY(board.SetGame(start));
    board.PlayMove(Cell("c7"));
    board.SetMode(reversi::Normal);
    QVERIFY(board.SetGame(BlackPassesGame()));
    QVERIFY(w->UndoMyMove().Undo());
    QCOMPARE(board.MovesPlayed, 0);
    QVERIFY(w->UndoMyMove().Redo());
    QCOMPARE(board.MovesPlayed, 4);
    board.TakeBack();  // Take Back stays one move
    QCOMPARE(board.MovesPlayed, 3);
  }
};

QTEST_MAIN(PlayerWindowTest)
#include "player_window_test.moc"
