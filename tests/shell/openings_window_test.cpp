// The window's openings: the game library looked up as the game goes on,
// a damaged library reported, and practice of a named line with the
// player's move checked against it.
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "LibraryPanel.h"
#include "OpeningsController.h"
#include "Sdimain.h"
#include "WindowParts.h"

namespace {

int Cell(const char* name) {
  return reversi::SquareOf(name[1] - '1', name[0] - 'a');
}

}  // namespace

class OpeningsWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::unique_ptr<TMain> Window() {
    return std::make_unique<TMain>(QFile::encodeName(dir_.filePath("Reversi.ini")).toStdString());
  }
  QString Library(const QByteArray& text) {
    const QString path = dir_.filePath(QStringLiteral("games.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
  }

 private slots:
  void initTestCase() { qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("cache")))); }

  void libraryFollowsThePositionAndOpensAGame() {
    std::ifstream in(VZ_TEST_DATA "/games-sample.txt");
    QByteArray text;
    std::string line;
    for (int i = 0; i < 40 && std::getline(in, line); ++i) text += QByteArray::fromStdString(line) + '\n';
    auto w = Window();
    w->Openings().OpenLibrary(Library(text));
    QTRY_VERIFY_WITH_TIMEOUT(!w->Openings().LibraryLoading(), 10000);
    auto* moves = w->findChild<TLibraryPanel*>()->findChildren<QTableWidget*>().at(0);
    auto* games = w->findChild<TLibraryPanel*>()->findChildren<QTableWidget*>().at(1);
    QCOMPARE(moves->rowCount(), 1);  // the four first moves are one
    QCOMPARE(games->rowCount(), 40);
    // The panel beside the window's own takes its width from the board.
    w->resize(1000, 700);
    w->show();
    QTRY_VERIFY(w->Board()->geometry().right() <
                w->findChild<QDockWidget*>(QStringLiteral("LibraryDock"))->geometry().left() - w->Panel().width());
    w->Board()->SetMode(reversi::TwoPlayer);
    w->Board()->PlayMove(Cell("f5"));
    QVERIFY(moves->rowCount() >= 2);
    const int reached = games->rowCount();
    emit w->findChild<TLibraryPanel*>()->GameChosen(games->item(reached - 1, 0)->data(Qt::UserRole).toInt());
    QCOMPARE(w->Board()->MovesPlayed, 1);  // at the position looked up, the rest to come
    QVERIFY(w->Board()->CanMoveForward());
    // The same library again comes from the cache, and a damaged one is named.
    w->Openings().OpenLibrary(Library("f5d6 33 31\nz9 1 1\n"));
    QTRY_VERIFY_WITH_TIMEOUT(!w->Openings().LibraryLoading(), 10000);
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("record 2")));
    w->Openings().OpenLibrary(Library(QByteArray("\x01\x02garbage")));
    QTRY_VERIFY_WITH_TIMEOUT(!w->Openings().LibraryLoading(), 10000);
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("Cannot open the library")));
  }

  void bookMovesFollowTheBoardAndNameTheOpening() {
    auto w = Window();
    w->Board()->SetMode(reversi::TwoPlayer);
    Part<QAction>(*w, "BookMoves1")->trigger();
    QCOMPARE(w->Board()->SquareTexts().size(), 4);  // the start's four moves, one value
    for (const char* m : {"f5", "d6", "c3", "d3", "c4"}) w->Board()->PlayMove(Cell(m));
    QVERIFY(w->Board()->SquareTexts().contains(Cell("f4")));
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("Tiger")));
    Part<QAction>(*w, "BookMoves1")->trigger();
    QVERIFY(w->Board()->SquareTexts().isEmpty());
  }

  void balancedStartIsReproducedBySeed() {
    auto w = Window();
    w->Openings().NewBalancedGame(5);
    QTRY_VERIFY_WITH_TIMEOUT(!w->Openings().FindingStart(), 120000);
    const std::vector<int> first = w->Board()->CurrentGame().Moves;
    QVERIFY(first.size() >= 8 && first.size() <= 12);
    QVERIFY(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("Balanced start 5")));
    w->Openings().NewBalancedGame(5);
    QTRY_VERIFY_WITH_TIMEOUT(!w->Openings().FindingStart(), 120000);
    QCOMPARE(w->Board()->CurrentGame().Moves, first);
  }

  void practiceFollowsTheLineAndNamesADeviation() {
    auto w = Window();
    QVERIFY(w->Openings().Practise(QStringLiteral("Tiger")));
    w->Board()->PlayMove(Cell("f5"));
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->MovesPlayed, 2, 20000);
    QCOMPARE(w->Board()->CurrentGame().Moves.back(), Cell("d6"));
    w->Board()->PlayMove(Cell("c3"));
    QTRY_COMPARE_WITH_TIMEOUT(w->Board()->MovesPlayed, 4, 20000);
    QCOMPARE(w->Board()->CurrentGame().Moves.back(), Cell("d3"));
    QVERIFY(w->Openings().Practising());
    w->Board()->PlayMove(Cell("c5"));  // the Tiger plays c4
    QTRY_VERIFY_WITH_TIMEOUT(Part<QLabel>(*w, "StatusLine")->text().contains(QStringLiteral("leaves the Tiger")),
                             20000);
    QVERIFY(!w->Openings().Practising());
  }
};

QTEST_MAIN(OpeningsWindowTest)
#include "openings_window_test.moc"
