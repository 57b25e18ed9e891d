// The window's analysis: hints, move values, the game review, and the
// perfect-endgame option, each checked against the exact solver and for
// leaving the game alone; and background work dropped when the game moves
// on or the window closes.
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "AnalysisThread.h"
#include "Book.h"
#include "EngineAdapter.h"
#include "GameReview.h"
#include "Hint.h"
#include "IniStore.h"
#include "Sdimain.h"
#include "StrongLevel.h"
#include "StrongPlayer.h"
#include "ThreadCount.h"
#include "WindowParts.h"

namespace {

// A sample game after 46 moves, Black to move: the solver wins by 18 with
// B7, while a four-ply search plays F1 and loses by 6.
const char* const kGame =
    "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2b5b6c7d1a6b4a3h3b3a5c3a4d2e1c2h6g6e8f8g8h5h4c1h7d8b8b7b1b2a1a2a8a7g7"
    "h8h2g2h1g1f1";
const char* const kEndgame =
    "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2b5b6c7d1a6b4a3h3b3a5c3a4d2e1c2h6g6e8f8g8h5h4c1h7d8b8";

// A loss no move of a strong players' opening comes near.
constexpr double kFalseMistake = 8.0;

int Cell(const char* name) {
  return reversi::SquareOf(name[1] - '1', name[0] - 'a');
}

// Plays moves (square names run together) as two players would.
void Play(TMain& w, const char* moves) {
  w.Board()->SetMode(reversi::TwoPlayer);
  for (const char* p = moves; p[0] && p[1]; p += 2) w.Board()->PlayMove(Cell(p));
}

QList<int> LegalCells(const TReversi& board) {
  QList<int> cells;
  for (int i = 10; i <= 90; ++i)
    if (board.Cells[i] == 0 && board.IsLegal(i)) cells.append(i);
  return cells;
}

}  // namespace

class AnalysisWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TMain> Window() {
    return std::make_unique<TMain>(QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString());
  }

 private slots:
  void hintMarksTheSolversMoveAndPlaysNothing() {
    auto w = Window();
    Play(*w, kEndgame);
    w->Board()->SetMode(reversi::Normal);
    QCOMPARE(w->Board()->MovesPlayed, 46);
    // Typing a square of column h asks for nothing; the item's shortcut is
    // no letter a square name uses, and its name carries no key.
    w->FormKeyPress(u'h');
    w->FormKeyPress(u'8');
    QTest::qWait(1500);
    QVERIFY(w->Board()->Marks().isEmpty());
    QCOMPARE(Part<QAction>(*w, "Hint1")->text(), QStringLiteral("Hint"));
    QCOMPARE(Part<QAction>(*w, "Hint1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    w->FormKeyPress(u'?');
    QTRY_VERIFY_WITH_TIMEOUT(!w->Board()->Marks().isEmpty(), 20000);
    QCOMPARE(w->Board()->Marks(), QList<int>{Cell("b7")});
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("+18")));
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("exact")));
    QCOMPARE(w->Board()->MovesPlayed, 46);
    QVERIFY(!w->Board()->Thinking());
    // A hint still running when the game moves on never shows.
    Part<QAction>(*w, "Hint1")->trigger();
    Part<QAction>(*w, "TakeBack1")->trigger();
    QTest::qWait(1500);
    QVERIFY(w->Board()->Marks().isEmpty());
  }

  void moveValuesFollowThePosition() {
    auto w = Window();
    Play(*w, kEndgame);
    Part<QAction>(*w, "MoveValues1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->SquareTexts().keys(), LegalCells(*w->Board()), 20000);
    // The values deepen while shown, and end exact.
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->SquareTexts().value(Cell("b7")), QStringLiteral("+18*"), 20000);
    QCOMPARE(w->Board()->SquareTexts().value(Cell("f1")), QStringLiteral("-6*"));
    w->Board()->PlayMove(Cell("b7"));
    QVERIFY(!w->Board()->SquareTexts().contains(Cell("b7")));
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->SquareTexts().keys(), LegalCells(*w->Board()), 20000);
    Part<QAction>(*w, "MoveValues1")->trigger();
    QVERIFY(w->Board()->SquareTexts().isEmpty());
  }

  void reviewListsEveryMoveAndShowsItsPosition() {
    auto w = Window();
    Play(*w, "f5d6c3d3c4f4f6f3e6e7");
    w->Analysis().AnalyseGameClick();
    QVERIFY(w->Analysis().Review());
    QTableWidget* table = w->Analysis().Review()->Table();
    QCOMPARE(table->rowCount(), 10);
    QTRY_VERIFY_WITH_TIMEOUT(w->Analysis().Review()->Finished(), 60000);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Black"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("White"));
    QCOMPARE(table->item(9, 2)->text(), QStringLiteral("E7"));
    // Columns: move, player, played, best, best value, played value, loss.
    auto number = [&](int row, int col) { return table->item(row, col)->text().remove(u'*').toDouble(); };
    for (int row = 0; row < 10; ++row) {
      QVERIFY(!table->item(row, 6)->text().isEmpty());
      QVERIFY2(number(row, 5) <= number(row, 4), qPrintable(QString::number(row)));  // the two values compare
      if (table->item(row, 2)->text() == table->item(row, 3)->text()) QCOMPARE(number(row, 6), 0.0);
    }
    emit table->cellClicked(3, 0);
    QCOMPARE(w->Board()->MovesPlayed, 3);
    emit w->Analysis().Review()->Graph()->Clicked(10);
    QCOMPARE(w->Board()->MovesPlayed, 10);
  }

  // The opening's four first moves are one move by symmetry, and a real
  // game's opening holds no move the analyst calls a large mistake (the
  // old search called moves of such openings 10-disc mistakes).
  void reviewFindsNoFalseMistakes_data() {
    QTest::addColumn<QString>("moves");
    QTest::newRow("symmetric first move") << "d3";
    QTest::newRow("a real game's opening") << "f5d6c3d3c4f4f6f3e6e7d7g6";
  }

  void reviewFindsNoFalseMistakes() {
    QFETCH(QString, moves);
    auto w = Window();
    Play(*w, moves.toLatin1().constData());
    w->Analysis().AnalyseGameClick();
    QVERIFY(Part<QLabel>(*w->Analysis().Review(), "ReviewThreshold")->text().contains(QStringLiteral("4 discs")));
    QTRY_VERIFY_WITH_TIMEOUT(w->Analysis().Review()->Finished(), 120000);
    QTableWidget* table = w->Analysis().Review()->Table();
    for (int row = 0; row < table->rowCount(); ++row) {
      const double loss = table->item(row, 6)->text().toDouble();
      QVERIFY2(loss < kFalseMistake, qPrintable(table->item(row, 2)->text()));
      QVERIFY(std::abs(table->item(row, 4)->text().remove(u'*').toDouble()) <= 64);
    }
    if (moves == QStringLiteral("d3")) QCOMPARE(table->item(0, 6)->text().toDouble(), 0.0);
  }

  // In the middle game the hint is a disc estimate with its depth.
  void hintInTheMiddleGameNamesItsDepth() {
    auto w = Window();
    Play(*w, "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2");
    w->Board()->SetMode(reversi::Normal);
    Part<QAction>(*w, "Hint1")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!w->Board()->Marks().isEmpty(), 20000);
    const QString text = Part<QLabel>(*w, "StatusLine")->text();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Hint: [A-H][1-8], ([+-][0-9.]+) discs \\(([0-9]+) ply search\\)$"))
            .match(text);
    QVERIFY2(m.hasMatch(), qPrintable(text));
    QVERIFY(std::abs(m.captured(1).toDouble()) <= 64);
    QVERIFY(m.captured(2).toInt() >= 4);
    QVERIFY(w->Board()->IsLegal(w->Board()->Marks().front()));
  }

  void newGameAndCloseCancelTheWork() {
    auto w = Window();
    Play(*w, kEndgame);
    Part<QAction>(*w, "MoveValues1")->trigger();
    w->Analysis().AnalyseGameClick();
    QVERIFY(w->Analysis().Review()->Running());
    Part<QAction>(*w, "New1")->trigger();
    QVERIFY(!w->Analysis().Review()->Running());
    QVERIFY(!w->Analysis().Review()->Finished());
    QTest::qWait(300);
    // Only the new game's values, none of the old position's.
    for (int cell : w->Board()->SquareTexts().keys()) QVERIFY(w->Board()->IsLegal(cell));
    Play(*w, kEndgame);
    Part<QAction>(*w, "Hint1")->trigger();
    w->Analysis().AnalyseGameClick();
    w->close();
    w.reset();  // the worker threads are stopped and joined here
  }

  // The copies the analysis works on hold the game's position, and the side
  // to move while the game goes on, after every move of a whole game.
  void replayedCopiesHoldThePosition() {
    reversi::TReversiCore game;
    game.SetMode(reversi::TwoPlayer);
    game.OnEndGame = [](reversi::TReversiCore*) {};  // keeps the final position
    for (const char* p = kGame; p[0]; p += 2) {
      game.PlayMove(Cell(p));
      auto copy = ReplayRecord(TGameRecord::Of(game));
      QCOMPARE(copy->Cells, game.Cells);
      if (game.FlipPotential(reversi::kBlack) + game.FlipPotential(reversi::kWhite) > 0)
        QCOMPARE(copy->SideToMove, game.SideToMove);
    }
    QCOMPARE(game.MovesPlayed, 60);
  }

  void valuesOfEndedAndDecidedPositions() {
    std::atomic<bool> stop{false};
    reversi::analysis::TSolver solver(16);
    TValueLimits limits;
    limits.ExactEmpties = 20;
    reversi::TReversiCore game;
    game.SetMode(reversi::TwoPlayer);
    game.OnEndGame = [](reversi::TReversiCore*) {};  // keeps the final position
    for (const char* p = kGame; p[0]; p += 2) game.PlayMove(Cell(p));
    const TPositionValue over = ValuePosition(game, solver, limits, stop);
    QVERIFY(over.Valid && over.Exact);
    QCOMPARE(over.Cell, 0);
    const int side = game.SideToMove == reversi::kBlack ? 1 : -1;
    QCOMPARE(over.Discs, double(side * (game.BlackDiscs() - game.WhiteDiscs())));
    TGameRecord endgame;
    for (const char* p = kEndgame; p[0]; p += 2) endgame = endgame.Then(Cell(p));
    const TPositionValue played = ValueMove(endgame, Cell("f1"), solver, limits, stop);
    QVERIFY(played.Exact);
    QCOMPARE(played.Discs, -6.0);
    stop = true;
    QVERIFY(!ValueMove(endgame, Cell("b7"), solver, limits, stop).Valid);
    QCOMPARE(DiscsText(18, true), std::string("+18"));
    QCOMPARE(DiscsText(-0.5, false), std::string("-0.50"));
  }

  void cancelledJobsPostNothing() {
    TAnalysisRunner runner(std::make_shared<TAnalysisThread>(12), 0);
    int shown = 0;
    std::atomic<bool> started{false}, stopped{false};
    runner.Start([&](const TAnalysisRunner::TJob& job) {
      started = true;
      while (!job.Stop()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      stopped = true;
      job.Post([&] { ++shown; });
    });
    QVERIFY(runner.Running());
    QTRY_VERIFY(started.load());  // a job still waiting is dropped without running
    runner.Start([&](const TAnalysisRunner::TJob& job) { job.Post([&] { shown += 10; }); });
    QTRY_VERIFY(stopped.load());
    QTRY_COMPARE(shown, 10);
    QTest::qWait(50);
    QCOMPARE(shown, 10);
  }

  // A job that throws (a table that cannot be allocated, say) is reported
  // and ends alone: the thread runs the next job.
  void aFailingJobIsReportedAndTheThreadGoesOn() {
    TAnalysisRunner runner(std::make_shared<TAnalysisThread>(12), 0);
    QStringList failures;
    runner.OnFailure = [&](const QString& what) { failures << what; };
    runner.Start([](const TAnalysisRunner::TJob&) { throw std::bad_alloc(); });
    QTRY_COMPARE(failures.size(), 1);
    QVERIFY(!runner.Running());
    int solved = 0;
    runner.Start([&](const TAnalysisRunner::TJob& job) {
      const int score = job.Solver().Solve({0x0000000000000001ull, 0x0000000000000002ull}).Score;
      job.Post([&solved, score] { solved = score; });
    });
    QTRY_VERIFY(!runner.Running());
    QCOMPARE(failures.size(), 1);
    QVERIFY(solved != 0);
  }

  // The runners share the thread: waiting jobs go by priority, then in
  // order; a running job is not cut short by a more urgent one.
  void jobsWaitByPriority() {
    auto thread = std::make_shared<TAnalysisThread>(12);
    TAnalysisRunner urgent(thread, 0), later(thread, 5);
    std::atomic<bool> started{false}, release{false};
    QStringList order;
    later.Start([&](const TAnalysisRunner::TJob& job) {
      started = true;
      while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      job.Post([&] { order << "first"; });
    });
    QTRY_VERIFY(started.load());
    later.Add([&](const TAnalysisRunner::TJob& job) { job.Post([&] { order << "later"; }); });
    urgent.Start([&](const TAnalysisRunner::TJob& job) { job.Post([&] { order << "urgent"; }); });
    release = true;
    QTRY_COMPARE(order, (QStringList{"first", "urgent", "later"}));
  }

  // The computer plays what its chooser answers, and searches as before when
  // the answer is not a legal move.
  void chooserDecidesTheComputersMove_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("legal") << "g2"
                           << "G2";
    QTest::newRow("occupied") << "c1"
                              << "F1";
    QTest::newRow("none") << ""
                          << "F1";
  }

  void chooserDecidesTheComputersMove() {
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    reversi::TReversiCore game;
    game.SetMode(reversi::TwoPlayer);
    for (const char* p = kEndgame; p[0]; p += 2) game.PlayMove(Cell(p));
    game.SetLevel(reversi::Ply4);
    const QByteArray name = answer.toLatin1();
    game.ChooseMove = [&](reversi::TReversiCore&) { return name.isEmpty() ? 0 : Cell(name.constData()); };
    game.StartThinking();
    QCOMPARE(QString::fromStdString(reversi::SquareName(game.GameRecord[46])), expected);
  }

  void perfectEndgamePlaysTheSolversMove_data() {
    QTest::addColumn<bool>("perfect");
    QTest::addColumn<QString>("expected");
    QTest::newRow("off: the search") << false << "F1";
    QTest::newRow("on: the solver") << true << "B7";
  }

  void perfectEndgamePlaysTheSolversMove() {
    QFETCH(bool, perfect);
    QFETCH(QString, expected);
    auto w = Window();
    Play(*w, kEndgame);
    w->Board()->SetMode(reversi::Normal);
    w->Board()->SetLevel(reversi::Ply4);
    Part<QAction>(*w, "PerfectEnabled1")->setChecked(perfect);
    w->Analysis().PerfectEndgameClick();
    Part<QAction>(*w, "Move1")->trigger();
    QVERIFY(!Part<QLabel>(*w, "StatusLine")->text().startsWith(QStringLiteral("Solving")));  // said while solving only
    QCOMPARE(w->Board()->MovesPlayed, 47);
    QCOMPARE(QString::fromStdString(reversi::SquareName(w->Board()->GameRecord[46])), expected);
  }

  // A move the solver chose fills the Statistics box and the best line
  // with the solve's move, exact value, nodes and line, not the last
  // search's figures.
  void aSolvedMoveShowsItsFigures() {
    auto w = Window();
    Play(*w, kEndgame);
    w->Board()->SetMode(reversi::Normal);
    w->Board()->OnBestChange(w->Board(), "A1", -61.58, false);  // an earlier search's
    Part<QAction>(*w, "PerfectEnabled1")->setChecked(true);
    w->Analysis().PerfectEndgameClick();
    Part<QAction>(*w, "Move1")->trigger();
    QCOMPARE(w->Board()->MovesPlayed, 47);
    QCOMPARE(Part<QLabel>(*w, "Label11")->text(), QStringLiteral("B7"));
    QCOMPARE(Part<QLabel>(*w, "Label13")->text(), QStringLiteral("18"));
    QCOMPARE(Part<QLabel>(*w, "Label14")->text(), QStringLiteral("14"));
    QVERIFY(Part<QLabel>(*w, "Label18")->text().toLongLong() > 0);
    QListWidget* line = Part<QListWidget>(*w, "ListBox1");
    QCOMPARE(line->count(), 1);
    const QStringList entry = line->item(0)->text().split(u'|');
    QCOMPARE(entry.mid(0, 2), (QStringList{QStringLiteral("14"), QStringLiteral("18.00")}));
    QVERIFY2(entry[2].startsWith(QStringLiteral("B7 ")) && entry[2].split(u' ').size() >= 10, qPrintable(entry[2]));
  }

  // The review opens where it leaves the board in sight: beside the window,
  // else beside the board over the panel, else as far from it as the screen
  // allows; on a small screen it narrows to fit beside the board.
  void theReviewOpensBesideTheBoard() {
    const QSize review(640, 600);
    const QRect screen(0, 0, 1600, 1000);
    QCOMPARE(BesideBoard(review, QRect(204, 232, 320, 320), QRect(200, 200, 660, 520), screen), QPoint(860, 200));
    QCOMPARE(BesideBoard(review, QRect(904, 232, 320, 320), QRect(900, 200, 660, 520), screen), QPoint(260, 200));
    QCOMPARE(BesideBoard(review, QRect(4, 60, 800, 800), QRect(0, 0, 1600, 1000), screen), QPoint(804, 0));
    QCOMPARE(BesideBoard(review, QRect(4, 60, 1100, 900), QRect(0, 0, 1600, 1000), screen), QPoint(960, 0));
    QCOMPARE(BesideBoard(review, QRect(0, 700, 320, 320), QRect(0, 650, 660, 350), screen), QPoint(660, 400));
    // A screen of 800 by 500 (twice the scale): beside the board, narrowed;
    // narrowed no further than two thirds.
    const QRect small(0, 0, 800, 500), board(4, 60, 340, 340);
    QCOMPARE(SizeBeside(QSize(620, 560), QSize(2, 22), board, small), QSize(454, 478));
    QCOMPARE(BesideBoard(QSize(456, 500), board, small, small), QPoint(344, 0));
    QCOMPARE(SizeBeside(QSize(620, 400), QSize(2, 22), QRect(4, 60, 440, 440), small), QSize(620, 400));
    QCOMPARE(SizeBeside(QSize(620, 400), QSize(2, 22), QRect(4, 60, 320, 320), screen), QSize(620, 400));
  }

  void perfectEndgameSaysWhenItSolves() {
    auto w = Window();
    Play(*w, kEndgame);
    TPerfectEndgame options;
    options.Enabled = true;
    QList<int> heard;
    InstallPerfectEndgame(*w->Board(), options, std::make_shared<TAnalysisThread>(),
                          [&](int empties) { heard << empties; });
    QCOMPARE(QString::fromStdString(reversi::SquareName(w->Board()->ChooseMove(*w->Board()))), QStringLiteral("B7"));
    QCOMPARE(heard, (QList<int>{14, 0}));
  }

  // Move Now during a solve far too large to finish ends it, and the search
  // plays at once (without the stop this test would not end).
  void aStopRequestEndsThePerfectEndgamesSolve() {
    auto w = Window();
    Play(*w, "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2b5b6c7d1a6b4a3h3");
    w->Board()->SetMode(reversi::Normal);
    w->Board()->SetLevel(reversi::Ply4);
    TPerfectEndgame options;
    options.Enabled = true;
    options.Empties = 40;
    QList<int> heard;
    InstallPerfectEndgame(*w->Board(), options, std::make_shared<TAnalysisThread>(),
                          [&](int empties) { heard << empties; });
    QTimer::singleShot(200, w.get(), [&] { Part<QAction>(*w, "Move1")->trigger(); });
    w->Board()->SetThinking(true);
    QCOMPARE(heard, (QList<int>{32, 0}));
    QCOMPARE(w->Board()->MovesPlayed, 29);
  }

  // The analyst as the computer plays a legal move through the chooser, the
  // openings' practice wrapped around it.
  void theAnalystPlayerPlaysALegalMove() {
    auto w = Window();
    Play(*w, "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2");
    w->Board()->SetMode(reversi::Normal);
    w->Analysis().ChooseSeconds = [](int) { return 1; };
    Part<QAction>(*w, "AnalystSeconds1")->trigger();
    Part<QAction>(*w, "AnalystPlayer0")->trigger();
    QVERIFY(w->Analysis().AnalystPlayer().Enabled);
    const QList<int> legal = LegalCells(*w->Board());
    Part<QAction>(*w, "Move1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->MovesPlayed, 21, 20000);
    QVERIFY(legal.contains(w->Board()->GameRecord[20]));
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().startsWith(QStringLiteral("Analyst: ")));
    // Back to the levels: the classic search plays, its chooser untouched.
    Part<QAction>(*w, "LevelsPlayer1")->trigger();
    QVERIFY(!w->Analysis().AnalystPlayer().Enabled);
  }

  // The analyst's thinking fills the Statistics box and the Best Line in
  // place of the search's: its solved line near the end, marked exact, and
  // a weaker strength's chosen move on top; the Game box names it.
  void theAnalystPlayersLineFillsTheBestLine() {
    auto w = Window();
    Play(*w, kEndgame);
    w->Board()->SetMode(reversi::Normal);
    w->Panel().SetStatistics(true);
    w->Panel().SetBestLine(true);
    TStrongLevel& level = w->Analysis().AnalystLevel();
    level.Seconds = 1;
    w->Analysis().SetAnalystPlayer(0);
    Part<QAction>(*w, "Move1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->MovesPlayed, 47, 20000);
    QCOMPARE(QString::fromStdString(reversi::SquareName(w->Board()->GameRecord[46])), QStringLiteral("B7"));
    auto* list = Part<QListWidget>(*w, "ListBox1");
    QVERIFY(list->count() > 0);
    QVERIFY2(list->item(0)->text().startsWith(QStringLiteral("14*|18.00|B7 ")), qPrintable(list->item(0)->text()));
    QCOMPARE(Part<QLabel>(*w, "Label11")->text(), QStringLiteral("B7"));
    QCOMPARE(Part<QLabel>(*w, "Label13")->text(), QStringLiteral("+18 exact"));
    QCOMPARE(Part<QLabel>(*w, "Label14")->text(), QStringLiteral("14"));
    QCOMPARE(Part<QLabel>(*w, "Label16")->text(), QStringLiteral("14"));
    QCOMPARE(Part<QLabel>(*w, "Label6")->text(), QStringLiteral("Analyst: Strong, 1 s a move"));

    // A weaker strength: the move it played is the line on top.
    w->Board()->TakeBack();
    w->Analysis().SetAnalystPlayer(3);
    Part<QAction>(*w, "Move1")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->MovesPlayed, 47, 20000);
    const QString played = QString::fromStdString(reversi::SquareName(w->Board()->GameRecord[46]));
    QVERIFY2(list->item(0)->text().endsWith(u'|' + played), qPrintable(list->item(0)->text()));
    QCOMPARE(Part<QLabel>(*w, "Label11")->text(), played);
  }

  // Move Now ends the analyst's thinking with its best move so far (without
  // the stop this test would take ten minutes).
  void moveNowStopsTheAnalystPlayer() {
    auto w = Window();
    Play(*w, "f5f6e6f4e3c5g5g4g3d6e7f3e2d7c4d3f7c6c8f2");
    w->Board()->SetMode(reversi::Normal);
    w->Analysis().ChooseSeconds = [](int) { return 600; };
    Part<QAction>(*w, "AnalystSeconds1")->trigger();
    w->Analysis().SetAnalystPlayer(1);
    const QList<int> legal = LegalCells(*w->Board());
    QTimer::singleShot(500, w.get(), [&] { Part<QAction>(*w, "Move1")->trigger(); });
    w->Board()->SetThinking(true);
    QCOMPARE(w->Board()->MovesPlayed, 21);
    QVERIFY(legal.contains(w->Board()->GameRecord[20]));
  }

  // In the book, "best only" plays the book's best move at once.
  void theAnalystPlayerPlaysFromTheBook() {
    auto w = Window();
    Play(*w, "f5d6");
    const auto* book = reversi::openings::TBook::Default();
    if (!book) QSKIP("no opening book");
    const auto p = reversi::analysis::FromBoard(*w->Board());
    const auto moves = book->Find({p.Player, p.Opponent});
    QVERIFY(!moves.empty());
    w->Analysis().ChooseBookMargin = [](double) { return 0.0; };
    Part<QAction>(*w, "AnalystBook1")->trigger();
    w->Analysis().SetAnalystPlayer(0);
    // Moves the book values alike are equally best (C3 and C4 here).
    QList<int> best;
    for (const auto& m : moves)
      if (m.Value == moves.front().Value) best.append(reversi::analysis::CellOf(m.Square));
    QVERIFY(best.contains(w->Board()->ChooseMove(*w->Board())));
    // Played, the book move is the Statistics box's and the best line's.
    w->Panel().SetStatistics(true);
    w->Panel().SetBestLine(true);
    w->Board()->SetMode(reversi::Normal);
    Part<QAction>(*w, "Move1")->trigger();
    QTRY_COMPARE(w->Board()->MovesPlayed, 3);
    const QString played = QString::fromStdString(reversi::SquareName(w->Board()->GameRecord[2]));
    QCOMPARE(Part<QLabel>(*w, "Label11")->text(), played);
    QCOMPARE(Part<QLabel>(*w, "Label12")->text(), QStringLiteral("book"));
    QCOMPARE(Part<QLabel>(*w, "Label16")->text(), QStringLiteral("-"));
    auto* list = Part<QListWidget>(*w, "ListBox1");
    QCOMPARE(list->count(), 1);
    QVERIFY2(list->item(0)->text().startsWith(QStringLiteral("book|")), qPrintable(list->item(0)->text()));
    QVERIFY(list->item(0)->text().endsWith(u'|' + played));
  }

  void weakerStrengthsStayWithinTheirBudget() {
    std::mt19937 random(1);
    const std::vector<reversi::analyst::TMoveValue> values = {{19, 3.0}, {26, 1.5}, {37, -1.0}, {44, -20}};
    QSet<int> chosen;
    for (int i = 0; i < 200; ++i) chosen.insert(ChooseWithin(values, 4, random));
    QCOMPARE(chosen, (QSet<int>{19, 26, 37}));
    QCOMPARE(ChooseWithin(values, 0, random), 19);
    QCOMPARE(ChooseWithin({}, 4, random), reversi::analysis::kNoMove);
  }

  void theAnalystPlayerIsKeptInItsOwnSection() {
    const std::string path = QFile::encodeName(dir_.filePath("Analyst.ini")).toStdString();
    TStrongLevel level;
    const TStrongLevel atStart = level;
    QVERIFY(level.Writes(atStart).empty());  // unchanged: nothing written
    level.Enabled = true;
    level.Strength = 2;
    level.Seconds = 5;
    level.BookMargin = 0;
    QVERIFY(TIniStore(path).Write(level.Writes(atStart)));
    TStrongLevel read;
    read.Load(path);
    QVERIFY(read.Enabled);
    QCOMPARE(read.Strength, 2);
    QCOMPARE(read.Seconds, 5);
    QCOMPARE(read.BookMargin, 0.0);
  }

  void perfectEndgameIsKeptInItsOwnSection() {
    const std::string path = QFile::encodeName(dir_.filePath("Perfect.ini")).toStdString();
    TPerfectEndgame options;
    const TPerfectEndgame atStart = options;
    QVERIFY(options.Writes(atStart).empty());  // unchanged: nothing written
    options.Enabled = true;
    options.Empties = 12;
    QVERIFY(TIniStore(path).Write(options.Writes(atStart)));
    TPerfectEndgame read;
    read.Load(path);
    QVERIFY(read.Enabled);
    QCOMPARE(read.Empties, 12);
  }

  void theAnalysisThreadsAreKeptAndClampedInTheirSection() {
    const std::string path = QFile::encodeName(dir_.filePath("Threads.ini")).toStdString();
    TThreadCount count;
    count.Load(path);
    QCOMPARE(count.Threads(), TThreadCount::Processors());  // every processor by default
    const TThreadCount atStart = count;
    QVERIFY(count.Writes(atStart).empty());
    for (const auto& [text, threads] : {std::pair{"1000", TThreadCount::kMaxThreads}, std::pair{"-3", 1},
                                        std::pair{"many", TThreadCount::Processors()}, std::pair{"2", 2}}) {
      QVERIFY(TIniStore(path).Write({{"Analysis", "Threads", text}}));
      count.Load(path);
      QCOMPARE(count.Threads(), threads);
    }
  }

  void theHintIsRightOnTheThreadsChosen() {
    auto w = Window();
    w->Analysis().ChooseThreads = [](int) { return 3; };
    Part<QAction>(*w, "AnalysisThreads1")->trigger();
    QCOMPARE(w->Analysis().AnalysisThreads().Threads(), 3);
    w->Analysis().UpdateItems();
    QVERIFY(Part<QAction>(*w, "AnalysisThreads1")->text().contains(QStringLiteral("3")));
    const auto writes = w->Analysis().Writes();
    QVERIFY(std::any_of(writes.begin(), writes.end(), [](const TIniWrite& i) {
      return i.Section == "Analysis" && i.Key == "Threads" && i.Value == "3";
    }));
    Play(*w, kEndgame);
    w->Board()->SetMode(reversi::Normal);
    w->Analysis().Hint();
    QTRY_VERIFY_WITH_TIMEOUT(!w->Board()->Marks().isEmpty(), 20000);
    QCOMPARE(w->Board()->Marks(), QList<int>{Cell("b7")});
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("+18")));
  }
};

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
