// The main window's place kept between runs: put back where it closed, also
// maximised; on a first start, or when the place is on no screen now, the
// design placement, maximised.
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "Sdimain.h"

class WindowMemoryTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Ini() const { return QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString(); }

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
    const QRect place(40, 50, 500, 400);
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
