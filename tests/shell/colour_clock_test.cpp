// The person's colour at New and the game clock: the computer opening as
// Black, a flag falling and taken back, and the computer searching within
// the time its clock leaves it.
#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "ClockController.h"
#include "GameStatistics.h"
#include "GamesPlayed.h"
#include "NewGameChoice.h"
#include "Reversi.h"
#include "Sdimain.h"
#include "SidePanel.h"
#include "Translations.h"
#include "UndoMyMove.h"

namespace {

int Cell(const char* name) {
  return reversi::SquareOf(name[1] - '1', name[0] - 'a');
}

void Trigger(TMain& w, const char* name) {
  QAction* a = w.findChild<QAction*>(QLatin1String(name));
  QVERIFY2(a, name);
  a->trigger();
}

// A board with its panel and a clock run by hand, the window's part in it
// played by the test.
struct ClockedBoard {
  int64_t now = 0;
  QWidget host;
  TReversi* board = new TReversi;
  TSidePanel* panel = new TSidePanel(board, &host);
  TClockController clock;
  explicit ClockedBoard(const std::string& settings) : clock(board, panel, settings, nullptr, [this] { return now; }) {
    board->setParent(&host);
    board->OnMove = [this](reversi::TReversiCore*, const std::string&) { clock.Moved(); };
    board->OnBeginSearch = [this](reversi::TReversiCore*) { clock.SearchBegan(); };
    board->OnEndSearch = [this](reversi::TReversiCore*, const std::string&) { clock.SearchEnded(); };
  }
  QLabel* Label(const char* name) const { return panel->findChild<QLabel*>(QLatin1String(name)); }
};

}  // namespace

class ColourClockTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Settings() const { return QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString(); }

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache")))); }

  void playingWhiteTheComputerOpensAsBlack() {
    const std::string settings = QFile::encodeName(dir_.filePath("White.ini")).toStdString();
    TMain w(settings);
    TReversi& board = *w.Board();
    board.SetLevel(reversi::Ply1);
    QCOMPARE(w.NewGameChoice().Choice(), TNewGameChoice::PlayBlack);
    QVERIFY(w.NewGameChoice().Writes().empty());  // nothing kept until chosen
    Trigger(w, "NewAsWhite1");
    QTRY_COMPARE_WITH_TIMEOUT(board.MovesPlayed, 1, 10000);
    QVERIFY(!board.Thinking());
    QCOMPARE(board.SideToMove, int(reversi::kWhite));  // the person's turn
    QCOMPARE(Movers(board.StartPosition(), {board.GameRecord[0]}), std::vector<int>{reversi::kBlack});
    // New repeats the choice; Undo My Move then has nothing of the person's.
    Trigger(w, "New1");
    QTRY_COMPARE_WITH_TIMEOUT(board.MovesPlayed, 1, 10000);
    QVERIFY(!w.UndoMyMove().Undo());
    // Two players: the switch of the Edit menu, and nobody opens.
    Trigger(w, "NewTwoPlayer1");
    QCOMPARE(board.Mode(), reversi::TwoPlayer);
    QVERIFY(w.findChild<QAction*>(QStringLiteral("TwoPlayer1"))->isChecked());
    QTest::qWait(50);
    QCOMPARE(board.MovesPlayed, 0);
    Trigger(w, "NewAsBlack1");
    QCOMPARE(board.Mode(), reversi::Normal);
    QTest::qWait(50);
    QCOMPARE(board.MovesPlayed, 0);
    Trigger(w, "NewAsWhite1");
    QTRY_COMPARE_WITH_TIMEOUT(board.MovesPlayed, 1, 10000);
    const std::vector<TIniWrite> writes = w.NewGameChoice().Writes();
    QCOMPARE(writes.size(), size_t{1});
    QCOMPARE(writes[0].Value, std::string("white"));
    // Kept: the next start's first game is opened by the computer too.
    QVERIFY(w.close());
    TMain next(settings);
    next.Board()->SetLevel(reversi::Ply1);
    QCOMPARE(next.Board()->MovesPlayed, 0);
    next.show();
    QTRY_COMPARE_WITH_TIMEOUT(next.Board()->MovesPlayed, 1, 10000);
  }

  void aFlagFallsAndTakingBackGivesTheTimesBack() {
    ClockedBoard t(Settings());
    QGroupBox* box = t.panel->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    const int plainHeight = box->height();
    QVERIFY(!t.Label("WhiteClock")->isVisibleTo(t.panel));  // no clock, no row
    t.board->SetMode(reversi::TwoPlayer);
    t.clock.SetMinutes(1);
    QCOMPARE(box->maximumHeight(), plainHeight + 18);
    QVERIFY(t.Label("WhiteClock")->isVisibleTo(t.panel));
    QCOMPARE(t.clock.Writes().size(), size_t{1});
    QSignalSpy announced(&t.clock, &TClockController::Announced);
    t.now += 20'000;  // Black's first move is not timed
    t.board->PlayMove(Cell("f5"));
    t.now += 30'000;
    t.clock.Tick();
    QCOMPARE(t.Label("WhiteClock")->text(), QStringLiteral("0:30"));
    QCOMPARE(t.Label("BlackClock")->text(), QStringLiteral("1:00"));
    t.board->PlayMove(Cell("d6"));
    t.now += 60'001;  // Black thinks too long
    t.clock.Tick();
    QCOMPARE(t.clock.FlagText(), QStringLiteral("Black's time is up — White wins"));
    QCOMPARE(announced.count(), 1);
    // The game is over: its result in the Game box, the side to move no more.
    QCOMPARE(t.Label("ResultLabel")->text(), QStringLiteral("White wins on time"));
    QVERIFY(t.Label("ResultLabel")->isVisibleTo(t.panel));
    QVERIFY(!t.Label("BlackMarker")->isVisibleTo(t.panel));
    QCOMPARE(t.Label("BlackClock")->text(), QStringLiteral("0:00"));
    QVERIFY(!t.board->isEnabled());  // the game is over
    t.now += 5'000;
    t.clock.Tick();
    QCOMPARE(announced.count(), 1);
    // Back one move, White to move again: the times as they were when White
    // came to move; forward again, as White's move left them.
    t.board->TakeBack();
    t.clock.PositionMoved();
    QVERIFY(t.clock.FlagText().isEmpty());
    QVERIFY(t.board->isEnabled());
    QVERIFY(!t.Label("ResultLabel")->isVisibleTo(t.panel));
    QCOMPARE(t.clock.Clock().RemainingMs(reversi::kWhite), 60'000);
    t.board->MoveForward();
    t.clock.PositionMoved();
    QCOMPARE(t.clock.Clock().RemainingMs(reversi::kWhite), 30'000);
    QCOMPARE(t.clock.Clock().RemainingMs(reversi::kBlack), 60'000);
    QVERIFY(t.clock.FlagText().isEmpty());
    // A new game starts both clocks full; no clock hides the row again.
    t.board->NewGame();
    t.clock.PositionMoved();
    QCOMPARE(t.clock.Clock().RemainingMs(reversi::kWhite), 60'000);
    t.clock.SetMinutes(0);
    QCOMPARE(box->maximumHeight(), plainHeight);
    QVERIFY(!t.Label("WhiteClock")->isVisibleTo(t.panel));
    QVERIFY(t.clock.Writes().empty());
  }

  // Lost on time, the game is over: Space, Move Now and the big button
  // leave the board as it is, and the game counts once as the person's loss.
  void aGameLostOnTimeIsOverAndCountsOnce() {
    QTemporaryDir dir;
    TMain w(QFile::encodeName(dir.filePath("Reversi.ini")).toStdString());
    int64_t now = 0;
    w.Clock().SetTimeSource([&now] { return now; });
    TReversi& board = *w.Board();
    board.SetLevel(reversi::Ply1);
    Trigger(w, "Clock_1");
    board.PlayMove(Cell("f5"));  // the computer answers
    QCOMPARE(board.MovesPlayed, 2);
    now += 61'000;
    w.Clock().Tick();
    QVERIFY(w.Clock().Flagged());
    w.FormKeyPress(u' ');
    Trigger(w, "Move1");
    w.findChild<QAbstractButton*>(QStringLiteral("PlayButton"))->click();
    QTest::qWait(20);
    QCOMPARE(board.MovesPlayed, 2);
    const auto tally = [&w] {
      const stats::TParsed read = stats::TStatisticsFile(w.GamesPlayed().Path()).Load();
      if (!read.Statistics || !read.Statistics->Tallies().contains("level:1")) return stats::TTally{};
      return read.Statistics->Tallies().at("level:1");
    };
    // 3 discs each: the narrowest win goes to White.
    QCOMPARE(tally().Losses, 1);
    QCOMPARE(tally().Margin, -2);
    // Back and forward again, and the flag falls once more: the same game.
    Trigger(w, "TakeBack1");
    QVERIFY(!w.Clock().Flagged());
    Trigger(w, "MoveForward1");
    now += 61'000;
    w.Clock().Tick();
    QVERIFY(w.Clock().Flagged());
    QCOMPARE(tally().Games(), 1);
  }

  // The board gives up the keys while the game is lost on time and takes
  // them back with the next game.
  void theKeysComeBackWithTheNextGame() {
    QTemporaryDir dir;
    TMain w(QFile::encodeName(dir.filePath("Reversi.ini")).toStdString());
    int64_t now = 0;
    w.Clock().SetTimeSource([&now] { return now; });
    TReversi& board = *w.Board();
    board.SetMode(reversi::TwoPlayer);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(board.hasFocus());
    Trigger(w, "Clock_1");
    board.PlayMove(Cell("f5"));
    now += 61'000;
    w.Clock().Tick();
    QVERIFY(!board.hasFocus());
    Trigger(w, "New1");
    QVERIFY(board.hasFocus());
    QTest::keyClick(&board, Qt::Key_Down);
    QCOMPARE(board.KeyCursor(), Cell("d3"));
  }

  // Turning discs are nobody's time: the clock of the side to move starts
  // once they have turned.
  void theFlipAnimationIsChargedToNobody() {
    ClockedBoard t(Settings());
    t.host.resize(400, 400);
    t.board->setGeometry(0, 0, 200, 200);
    t.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.host));
    t.board->SetAnimateFlips(true);
    t.board->SetMode(reversi::TwoPlayer);
    t.clock.SetMinutes(1);
    t.board->PlayMove(Cell("f5"));
    t.board->PlayMove(Cell("d6"));
    QVERIFY(t.board->Animating());
    t.now += 5'000;  // while d6's disc turns
    t.clock.Tick();
    QTRY_VERIFY(!t.board->Animating());
    QTest::qWait(1);  // the clock hears of it from the event loop
    t.now += 1'000;
    t.clock.Tick();
    QCOMPARE(t.clock.Clock().RemainingMs(reversi::kBlack), 59'000);
  }

  // The clock's row and the result on time, whole in every language.
  void theClockRowFitsInEveryLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"en", "de", "es", "fr", "ja", "zh_CN"}) QTest::newRow(language) << language;
  }
  void theClockRowFitsInEveryLanguage() {
    QFETCH(QString, language);
    auto* app = QCoreApplication::instance();
    for (QTranslator* t : app->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(t);
      delete t;
    }
    QLocale::setDefault(QLocale(language));
    InstallTranslations(*app);
    ClockedBoard t(Settings());
    t.board->SetMode(reversi::TwoPlayer);
    t.clock.SetMinutes(15);
    t.board->PlayMove(Cell("f5"));
    for (const char* name : {"ClockCaption", "WhiteClock"})
      QVERIFY2(t.Label(name)->width() >= t.Label(name)->sizeHint().width(), name);
    t.now += 15 * 60'000;
    t.clock.Tick();
    t.panel->resize(t.panel->width(), 500);
    t.panel->layout()->activate();
    QLabel* result = t.Label("ResultLabel");
    QVERIFY2(result->width() >= result->sizeHint().width(), qPrintable(result->text()));
    QVERIFY(t.panel->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->rect().contains(result->geometry()));
    QLocale::setDefault(QLocale::c());
  }

  void theComputerThinksWithinItsClock() {
    ClockedBoard t(Settings());
    TReversi& board = *t.board;
    t.clock.SetMinutes(1);
    board.SetMode(reversi::TwoPlayer);
    board.PlayMove(Cell("f5"));
    t.now += 57'000;  // White has 3 s left
    board.PlayMove(Cell("d6"));
    board.PlayMove(Cell("c3"));
    // Infinite thinking would never end by itself: the clock ends it.
    board.SetLevel(reversi::Infinite);
    reversi::TLevel levelSearched = reversi::Infinite;
    int moveTimeSearched = -1;
    board.OnPlyChange = [&](reversi::TReversiCore*, int) {
      levelSearched = board.Level();
      moveTimeSearched = board.MoveTime();
    };
    board.SetThinking(true);
    QCOMPARE(board.MovesPlayed, 4);
    // Three seconds over the 30 moves or so still to make: a tenth of a
    // second, which the engine's whole seconds round to nothing.
    QVERIFY2(t.clock.LastBudgetMs() > 0 && t.clock.LastBudgetMs() <= 3'000 / 28,
             QByteArray::number(qlonglong(t.clock.LastBudgetMs())));
    QCOMPARE(levelSearched, reversi::TimeLevel);
    QCOMPARE(moveTimeSearched, 0);
    // The user's level and time limit are back once the move is played.
    QCOMPARE(board.Level(), reversi::Infinite);
    QCOMPARE(board.MoveTime(), 2);
    QVERIFY(!board.StrictTime());
    // At the time level the clock only ever shortens the time per move.
    board.SetLevel(reversi::TimeLevel);
    board.SetMoveTime(1);
    t.clock.SetMinutes(15);
    board.SetThinking(true);
    QCOMPARE(moveTimeSearched, 1);
    QCOMPARE(board.MoveTime(), 1);
  }
};

QTEST_MAIN(ColourClockTest)
#include "colour_clock_test.moc"
