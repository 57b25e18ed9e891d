// Help > Games Played...: a game against the computer counted once in the
// file beside the settings, a two-player game not at all; the dialog's
// reset asks first; a damaged file is named with its reason and kept.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "GamesPlayed.h"
#include "Reversi.h"
#include "Sdimain.h"
#include "UndoMyMove.h"

namespace {

// Plays the first legal move for the person until the game ends; the
// computer answers inside each move. A pass box is closed as it opens.
void PlayToTheEnd(TReversi& board) {
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  closer.start(20);
  for (int guard = 0; guard < 64 && !board.ShownGameOver(); ++guard) {
    for (int square = 10; square <= 80; ++square) {
      if (board.IsLegal(square)) {
        board.PlayMove(square);
        break;
      }
    }
  }
}

stats::TTally TallyOf(const TGamesPlayed& games, const std::string& opponent) {
  const stats::TParsed read = stats::TStatisticsFile(games.Path()).Load();
  if (!read.Statistics || !read.Statistics->Tallies().contains(opponent)) return {};
  return read.Statistics->Tallies().at(opponent);
}

}  // namespace

class GamesPlayedTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TMain> Window() {
    return std::make_unique<TMain>(QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString());
  }

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache")))); }
  void init() { QFile::remove(dir_.filePath(QStringLiteral("Statistics.ini"))); }

  void aGameAgainstTheComputerCountsOnceAndTwoPlayersNever() {
    auto w = Window();
    TReversi& board = *w->Board();
    TGamesPlayed& games = w->GamesPlayed();
    QCOMPARE(QString::fromStdString(games.Path()), dir_.filePath("Statistics.ini"));
    board.SetLevel(reversi::Ply1);
    QCOMPARE(games.Opponent(), std::string("level:1"));
    PlayToTheEnd(board);
    QVERIFY(board.ShownGameOver());
    const stats::TTally once = TallyOf(games, "level:1");
    QCOMPARE(once.Games(), 1);
    // The person played Black.
    QCOMPARE(once.Margin, int64_t{board.BlackDiscs() - board.WhiteDiscs()});

    // Its end taken back and played again is the same game.
    board.TakeBack();
    w->UndoMyMove().Undo();
    PlayToTheEnd(board);
    QCOMPARE(TallyOf(games, "level:1").Games(), 1);

    // Two players: nobody's game against the computer.
    board.SetMode(reversi::TwoPlayer);
    board.NewGame();
    games.PositionMoved();
    PlayToTheEnd(board);
    QVERIFY(board.ShownGameOver());
    QCOMPARE(TallyOf(games, "level:1").Games(), 1);
  }

  void theDialogShowsTheGamesAndResetAsksFirst() {
    QVERIFY(stats::TStatisticsFile(dir_.filePath("Statistics.ini").toStdString())
                .Add({{"engine:Edax", -10}, {"engine:Edax", 4}}));
    auto w = Window();
    TGamesPlayed& games = w->GamesPlayed();
    auto* table = games.Dialog()->findChild<QTableWidget*>(QStringLiteral("GamesPlayedTable"));
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Engine: Edax"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));

    QString asked;
    bool answer = false;
    games.ConfirmReset = [&](const QString& question) {
      asked = question;
      return answer;
    };
    auto* reset = games.Dialog()->findChild<QPushButton*>(QStringLiteral("GamesPlayedReset"));
    reset->click();
    QVERIFY(!asked.isEmpty());
    QCOMPARE(table->rowCount(), 1);  // the answer was no
    answer = true;
    reset->click();
    QCOMPARE(table->rowCount(), 0);
    QCOMPARE(TallyOf(games, "engine:Edax").Games(), 0);
  }

  void aDamagedFileIsNamedWithItsReasonAndKept() {
    const QString path = dir_.filePath("Statistics.ini");
    const QByteArray damaged = "[Statistics]\nFormat=1\n[Opponent1]\nName=level:1\nWins=lots\n";
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
      f.write(damaged);
    }
    auto w = Window();
    QString status;
    connect(&w->GamesPlayed(), &TGamesPlayed::Status, this, [&](const QString& text) { status = text; });
    w->Board()->SetLevel(reversi::Ply1);
    PlayToTheEnd(*w->Board());
    QVERIFY(status.contains(QStringLiteral("Wins")));
    QCOMPARE(w->GamesPlayed().Pending(), std::size_t{1});
    auto* note = w->GamesPlayed().Dialog()->findChild<QLabel*>(QStringLiteral("GamesPlayedNote"));
    QVERIFY(note->text().contains(QStringLiteral("Wins")));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), damaged);
  }
};

QTEST_MAIN(GamesPlayedTest)
#include "games_played_test.moc"
