// The splash window's look, its timing rule under a clock the test drives,
// and the start-up sequence with stand-in windows.
#include "Splash.h"

#include <QApplication>
#include <QImage>
#include <QtTest>
#include <deque>

#include "Reversi.h"
#include "Startup.h"
#include "verslab.h"

namespace {

// A clock that gives its readings in order and then repeats the last.
struct TScriptedClock {
  std::deque<uint32_t> readings;
  uint32_t last = 0;
  int reads = 0;
  uint32_t operator()() {
    ++reads;
    if (!readings.empty()) {
      last = readings.front();
      readings.pop_front();
    }
    return last;
  }
};

class TEventCounter : public QObject {
 public:
  int events = 0;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) {
      ++events;
      return true;
    }
    return QObject::event(e);
  }
};

TSplashForm* VisibleSplash() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* splash = qobject_cast<TSplashForm*>(w)) return splash;
  }
  return nullptr;
}

}  // namespace

class TSplashTest : public QObject {
  Q_OBJECT

 private slots:
  void layout();
  void drawnItems();
  void waitsUntil3000msAfterTheShow_data();
  void waitsUntil3000msAfterTheShow();
  void noMessagesOnceTimeIsUp();
  void messagesAreProcessedDuringTheWait();
  void closingTheSplashEndsNothing();
  void startupSequence();
};

void TSplashTest::layout() {
  TSplashForm splash;
  QCOMPARE(splash.size(), QSize(356, 231));
  QVERIFY(splash.isWindow());
  QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
  QVERIFY(!splash.testAttribute(Qt::WA_QuitOnClose));
  QCOMPARE(splash.Reversi1->geometry(), QRect(16, 16, 112, 112));
  QCOMPARE(TReversi::DiscSizeFor(112, 112), 11);
  QVERIFY(splash.Reversi1->ShowFlips() && !splash.Reversi1->ShowLegal());
  QCOMPARE(splash.Reversi1->SelectiveDepth(), 8);
  QCOMPARE(splash.Reversi1->MovesPlayed, 0);
  QCOMPARE(splash.Reversi1->WhiteDiscs(), 2);
  QCOMPARE(splash.Reversi1->BlackDiscs(), 2);

  QCOMPARE(splash.VersionLabel1->text(), QStringLiteral("File Version: 1.0.0.16"));
  QCOMPARE(splash.VersionLabel1->LangCharset(), QStringLiteral("080904E4"));

  splash.show();
  // The strip runs along the bottom inside the bevel, the label at its right.
  QCOMPARE(splash.Panel2->geometry(), QRect(1, 216, 354, 14));
  const QRect label = splash.VersionLabel1->geometry();
  QCOMPARE(label.right(), splash.Panel2->width() - 1);
  QCOMPARE(label.height(), 14);
  QVERIFY(label.width() >= 169);
}

void TSplashTest::drawnItems() {
  TSplashForm splash;
  splash.show();
  const QImage image = splash.grab().toImage();
  QCOMPARE(image.size(), QSize(356, 231));
  // Blue bars above and below the title, with black outlines, and their grey
  // shadows peeking out to the right.
  QCOMPARE(QColor(image.pixel(200, 52)), QColor(0, 0, 255));
  QCOMPARE(QColor(image.pixel(200, 50)), QColor(Qt::black));
  QCOMPARE(QColor(image.pixel(200, 94)), QColor(0, 0, 255));
  QCOMPARE(QColor(image.pixel(348, 54)), QColor(128, 128, 128));
  QCOMPARE(QColor(image.pixel(347, 97)), QColor(128, 128, 128));
  // The title is red, and the tagline navy, somewhere in their boxes.
  auto contains = [&](const QRect& box, const QColor& colour) {
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        if (QColor(image.pixel(x, y)) == colour) return true;
    return false;
  };
  QVERIFY(contains(QRect(143, 55, 209, 37), QColor(255, 0, 0)));
  QVERIFY(contains(QRect(20, 164, 325, 25), QColor(0, 0, 128)));
  // The shadow to the right of and below the board is darker than the panel.
  const QColor panel(image.pixel(5, 150));
  QVERIFY(QColor(image.pixel(130, 70)).lightness() < panel.lightness());
  QVERIFY(QColor(image.pixel(70, 130)).lightness() < panel.lightness());
  // The board: green, with the four centre discs.
  QCOMPARE(QColor(image.pixel(20, 20)), QColor(0, 128, 0));
}

void TSplashTest::waitsUntil3000msAfterTheShow_data() {
  QTest::addColumn<uint32_t>("start");
  QTest::addColumn<uint32_t>("step");
  QTest::addColumn<int>("passes");
  QTest::newRow("steps of 700") << 1000u << 700u << 4;            // 700 .. 2800 wait, 3500 ends
  QTest::newRow("exactly 3000") << 1000u << 1000u << 2;           // 1000, 2000 wait, 3000 ends
  QTest::newRow("across the wrap") << 0xFFFFF830u << 1000u << 2;  // the counter passes 0
  QTest::newRow("start at the top") << 0xFFFFFFFFu << 1u << 2999;
  QTest::newRow("creation took 5 s") << 5u << 5000u << 0;
}

void TSplashTest::waitsUntil3000msAfterTheShow() {
  QFETCH(uint32_t, start);
  QFETCH(uint32_t, step);
  QFETCH(int, passes);
  TSplashForm splash;
  TScriptedClock clock;
  for (int i = 0; i <= 3000; ++i) clock.readings.push_back(start + static_cast<uint32_t>(i) * step);
  splash.TickCount = std::ref(clock);
  int processed = 0;
  splash.ProcessMessages = [&] { ++processed; };
  splash.ShowSplash();
  QCOMPARE(splash.StartTick(), start);
  splash.WaitForSplash();
  QCOMPARE(processed, passes);
  QCOMPARE(TSplashForm::Elapsed(start, clock.last), step * static_cast<uint32_t>(passes + 1));
}

void TSplashTest::noMessagesOnceTimeIsUp() {
  TSplashForm splash;
  uint32_t now = 0xFFFFFF00u;
  splash.TickCount = [&] { return now; };
  splash.ShowSplash();
  TEventCounter receiver;
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  now += 3000;  // wraps
  splash.WaitForSplash();
  QCOMPARE(receiver.events, 0);
  QCoreApplication::processEvents();
  QCOMPARE(receiver.events, 1);
}

void TSplashTest::messagesAreProcessedDuringTheWait() {
  TSplashForm splash;
  uint32_t now = 0;
  splash.TickCount = [&] { return now += 1000; };
  splash.ShowSplash();
  TEventCounter receiver;
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  splash.WaitForSplash();
  QCOMPARE(receiver.events, 1);
}

// The splash is never the main window: closing it, even as the only window
// on the screen, does not end the message loop.
void TSplashTest::closingTheSplashEndsNothing() {
  auto* splash = new TSplashForm;
  splash->show();
  QTimer::singleShot(0, splash, [splash] { splash->close(); });
  QTimer::singleShot(100, qApp, [] { QCoreApplication::exit(7); });
  QCOMPARE(QCoreApplication::exec(), 7);
  QVERIFY(!splash->isVisible());
  delete splash;
}

void TSplashTest::startupSequence() {
  QStringList steps;
  QWidget* mainWindow = nullptr;
  uint32_t now = 500;
  TStartupSteps startup;
  startup.TickCount = [&] { return now; };
  startup.CreateMainWindow = [&] {
    [&] {
      TSplashForm* splash = VisibleSplash();
      QVERIFY2(splash && splash->isVisible(), "the splash is up before the main window is created");
      QCOMPARE(splash->StartTick(), 500u);
    }();
    steps << QStringLiteral("main");
    mainWindow = new QWidget;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    now += 1000;  // one second to create it
    return mainWindow;
  };
  startup.CreateAboutBox = [&] {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vezari Zaduder"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Vezari Zaduder"));
    QVERIFY(!mainWindow->isVisible());
    QVERIFY(VisibleSplash()->isVisible());
    steps << QStringLiteral("about");
  };
  bool splashUpDuringWait = false;
  startup.CreateLevelDialog = [&] {
    steps << QStringLiteral("level");
    now += 1500;  // 2500 ms so far: the wait has 500 ms to go
    // The wait passes the time in message processing; this timer fires in it.
    QTimer::singleShot(0, qApp, [&] {
      splashUpDuringWait = VisibleSplash() && !mainWindow->isVisible();
      now += 600;
    });
    // The main loop: the splash is gone, the main window is up; closing it
    // ends the loop.
    QTimer::singleShot(50, qApp, [&] {
      QVERIFY(VisibleSplash() == nullptr);
      QVERIFY(mainWindow->isVisible());
      steps << QStringLiteral("loop");
      mainWindow->close();
    });
  };
  const int rc = RunStartup(*qApp, startup);
  QCOMPARE(rc, 0);
  QVERIFY(splashUpDuringWait);
  QCOMPARE(steps, (QStringList{"main", "about", "level", "loop"}));
}

QTEST_MAIN(TSplashTest)
#include "splash_test.moc"
