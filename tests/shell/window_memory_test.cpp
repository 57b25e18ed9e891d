// The main window's place kept between runs: put back where it closed, also
// maximised; on a first start, or when the place is on no screen now, the
// design placement, maximised.
#include <sys/stat.h>

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "Sdimain.h"
#include "WindowParts.h"

class WindowMemoryTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Ini() const { return QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString(); }
  QByteArray Slurp() const {
    QFile f(dir_.filePath(QStringLiteral("Reversi.ini")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // Runs the program's window from creation to close.
  template <typename Shown>
  void Run(Shown shown) {
    TMain w(Ini());
    w.RestorePlacement();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    shown(w);
    QVERIFY(w.close());
  }

 private slots:
  void init() { QFile::remove(dir_.filePath(QStringLiteral("Reversi.ini"))); }

  void theFirstStartIsMaximisedAndLaterStartsReturnWhereTheWindowClosed() {
    const QRect place(40, 50, 560, 400);  // above the smallest readable window
    Run([&](TMain& w) {
      QVERIFY(w.isMaximized());
      w.setWindowState(Qt::WindowNoState);
      w.setGeometry(place);
      QTRY_COMPARE(w.geometry(), place);
    });
    Run([&](TMain& w) {
      QVERIFY(!w.isMaximized());
      QCOMPARE(w.geometry(), place);
      w.setWindowState(Qt::WindowMaximized);
      QTRY_VERIFY(w.isMaximized());
    });
    Run([&](TMain& w) {
      QVERIFY(w.isMaximized());
      w.setWindowState(Qt::WindowNoState);
      QTRY_COMPARE(w.geometry(), place);
    });
  }

  // The coordinates and the perfect endgame come back too; an option left
  // alone is not written, so another copy's change to it stays.
  void theViewAndAnalysisOptionsComeBackAndUntouchedOnesAreNotWritten() {
    Run([&](TMain& w) {
      QVERIFY(!Part<QAction>(w, "Coordinates1")->isChecked());
      Part<QAction>(w, "Coordinates1")->trigger();
      Part<QAction>(w, "PerfectEnabled1")->trigger();
    });
    const QByteArray first = Slurp();
    QVERIFY(first.contains("Coordinates=1"));
    QVERIFY(first.contains("[Perfect_Endgame]"));
    QVERIFY(first.indexOf("[Perfect_Endgame]") < first.indexOf("[Window]"));
    // Another copy switches the coordinates off while this one runs.
    Run([&](TMain& w) {
      QVERIFY(Part<QAction>(w, "Coordinates1")->isChecked());
      QVERIFY(Part<QAction>(w, "PerfectEnabled1")->isChecked());
      QByteArray changed = Slurp();
      changed.replace("Coordinates=1", "Coordinates=0");
      QFile f(dir_.filePath(QStringLiteral("Reversi.ini")));
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write(changed) == changed.size());
    });
    QVERIFY(Slurp().contains("Coordinates=0"));
  }

  // Settings that cannot be written are not dropped without a word: the
  // user is told the file and the reason and may stay or close all the same.
  void settingsThatCannotBeWrittenAreNamedAtTheClose() {
    QVERIFY(::mkfifo(Ini().c_str(), 0600) == 0);
    TMain w(Ini());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QString asked;
    bool closeAnyway = false;
    w.ConfirmCloseWithoutSettings = [&](const QString& text) {
      asked = text;
      return closeAnyway;
    };
    QVERIFY(!w.close());
    QVERIFY(asked.contains(QFile::decodeName(Ini().c_str())) && asked.contains(QStringLiteral("not a regular file")));
    closeAnyway = true;
    QVERIFY(w.close());
    QFile::remove(QFile::decodeName(Ini().c_str()));
  }

  void aPlaceOnNoScreenGivesTheDesignPlacement() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    Run([&](TMain& w) {
      w.setWindowState(Qt::WindowNoState);
      w.setGeometry(screen.right() + 100, 50, 500, 400);
    });
    TMain w(Ini());
    const QRect design = w.geometry();
    w.RestorePlacement();
    QVERIFY(w.windowState() & Qt::WindowMaximized);
    QCOMPARE(w.normalGeometry(), design);
  }
};

QTEST_MAIN(WindowMemoryTest)
#include "window_memory_test.moc"
