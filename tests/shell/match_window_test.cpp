// Edit > Match...: a short match between two players fills the table game
// by game without blocking the window, saves every game, and a player that
// cannot be made is named instead of starting.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "MatchWindow.h"

namespace {

template <class T>
T* Part(QWidget& w, const char* name) {
  T* part = w.findChild<T*>(QLatin1String(name));
  if (!part) qFatal("no %s", name);
  return part;
}

}  // namespace

class MatchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void twoGamesFillTheTableAndAreSaved() {
    QTemporaryDir dir;
    const QString ggf = dir.filePath(QStringLiteral("match.ggf"));
    TMatchWindow w;
    Part<QComboBox>(w, "Player1")->setCurrentText(QStringLiteral("levels:1"));
    Part<QComboBox>(w, "Player2")->setCurrentText(QStringLiteral("levels:2"));
    Part<QSpinBox>(w, "Games")->setValue(2);
    Part<QComboBox>(w, "Budget")->setCurrentIndex(1);
    Part<QDoubleSpinBox>(w, "Amount")->setValue(1);
    Part<QLineEdit>(w, "GgfFile")->setText(ggf);
    w.show();
    QSignalSpy ended(&w, &TMatchWindow::MatchEnded);
    QVERIFY(w.Start());
    QVERIFY(w.Running());
    QVERIFY(ended.wait(60000));
    QCOMPARE(w.Results().size(), size_t{2});
    QCOMPARE(Part<QListWidget>(w, "GameList")->count(), 2);
    auto* table = Part<QTableWidget>(w, "Table");
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));
    const int wins = table->item(0, 2)->text().toInt() + table->item(1, 2)->text().toInt();
    const int draws = table->item(0, 3)->text().toInt();
    QCOMPARE(wins + draws, 2);
    QFile saved(ggf);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll().count("(;GM[Othello]"), 2);
  }

  void aPlayerThatCannotBeMadeIsNamed() {
    TMatchWindow w;
    Part<QComboBox>(w, "Player2")->setCurrentText(QStringLiteral("levels:99"));
    QVERIFY(!w.Start());
    QVERIFY(!w.Running());
    QVERIFY(Part<QLabel>(w, "MatchStatus")->text().contains(QStringLiteral("levels:99")));
  }

  void closingDuringAMatchStopsIt() {
    auto* w = new TMatchWindow;
    Part<QComboBox>(*w, "Player1")->setCurrentText(QStringLiteral("levels:6"));
    Part<QComboBox>(*w, "Player2")->setCurrentText(QStringLiteral("levels:6"));
    QVERIFY(w->Start());
    QTest::qWait(200);
    delete w;  // the thread finds the window gone and ends by itself
    QTest::qWait(500);
  }
};

QTEST_MAIN(MatchWindowTest)
#include "match_window_test.moc"
