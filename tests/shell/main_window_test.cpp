// The main window against its engine: what the handlers put into the
// labels, the list and the check marks, the menu states while thinking, the
// file commands and their failures (also for a file named at start-up or
// dropped on the window), the settings at creation and at close, and closing
// while the computer thinks.
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <functional>
#include <memory>

#include "About.h"
#include "ControlHints.h"
#include "Sdimain.h"
#include "Startup.h"
#include "WindowParts.h"
#include "widgets/ArrowButton.h"
#include "widgets/DropShadow.h"
#include "widgets/FlatButton.h"

namespace {

QString ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

void WriteAll(const QString& path, const QByteArray& text) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(text);
}

// Runs `during` once the search that `start` begins is under way (from a
// pass of the event loop inside it), then returns when the search is over.
void DuringSearch(TMain& w, const std::function<void()>& start, const std::function<void()>& during) {
  bool ran = false;
  QTimer::singleShot(150, &w, [&] {
    ran = true;
    during();
  });
  start();
  QVERIFY2(ran, "the search ended before the event loop ran inside it");
}

// The leftmost and rightmost columns holding pixels other than white.
QPair<int, int> InkColumns(const QImage& image) {
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  return {left, right};
}

// Drags urls onto the window and drops them when it welcomes the drag, then
// lets the event loop open what was dropped. True when the drag was welcome.
bool Drop(TMain& w, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&w, &drop);
  QCoreApplication::processEvents();
  return drop.isAccepted();
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString Ini() const { return dir_.filePath(QStringLiteral("Reversi.ini")); }
  std::string IniPath() const { return QFile::encodeName(Ini()).toStdString(); }

 private slots:
  void init() { QFile::remove(Ini()); }

  void withoutSettingsFileDefaultsApplyAndCloseWritesEveryKey() {
    {
      TMain w(IniPath());
      QVERIFY(!Part<QAction>(w, "Thinking1")->isChecked());
      QVERIFY(!Part<QAction>(w, "LegalMoves1")->isChecked());
      QVERIFY(!Part<QAction>(w, "ShowFlipableSquares1")->isChecked());
      QVERIFY(Part<QAction>(w, "Selective1")->isChecked());
      QVERIFY(Part<QAction>(w, "Statistics1")->isChecked());
      QVERIFY(Part<QAction>(w, "Sound1")->isChecked());
      QVERIFY(Part<QAction>(w, "BestLine1")->isChecked());
      QVERIFY(!Part<QAction>(w, "TwoPlayer1")->isChecked());
      QCOMPARE(w.Board()->Gamma(), 40);
      QCOMPARE(w.Board()->SelectiveDepth(), 5);
      QCOMPARE(w.Board()->Mode(), reversi::Normal);
      QCOMPARE(Part<QLabel>(w, "Label6")->text(), QStringLiteral("2 seconds per move"));
      QCOMPARE(Part<QLabel>(w, "Label4")->text(), QStringLiteral("2"));
      QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("2"));
      QVERIFY(!Part<QLabel>(w, "BlackMarker")->isHidden());
      QVERIFY(Part<QLabel>(w, "WhiteMarker")->isHidden());
      for (QLabel* l : {Part<QLabel>(w, "Label11"), Part<QLabel>(w, "Label12"), Part<QLabel>(w, "Label13"),
                        Part<QLabel>(w, "Label14"), Part<QLabel>(w, "Label16"), Part<QLabel>(w, "Label18")})
        QCOMPARE(l->text(), QStringLiteral("-"));
      QCOMPARE(Part<QLabel>(w, "Label15")->text(), QStringLiteral(":"));
      QVERIFY(!QFile::exists(Ini()));
      QVERIFY(w.close());
      QVERIFY(w.Closed());
    }
    const QString text = ReadAll(Ini());
    const QStringList expected = {"[Preferences]", "Thinking=0",       "ShowFlips=0",  "Show_Legal_Moves=0",
                                  "Statistics=1",  "Best_Line=1",      "Sound=1",      "Selective=1",
                                  "[Level]",       "Move_Time=2",      "Two_Player=0", "Level=0",
                                  "Gamma=40",      "Selective_Depth=5"};
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression(QStringLiteral("\r?\n"))))
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    QCOMPARE(lines, expected);
  }

  void strictTimeLimitIsKeptInItsOwnSection() {
    auto lines = [this] { return ReadAll(Ini()).split(QRegularExpression(QStringLiteral("\\s+"))); };
    {
      TMain w(IniPath());
      const auto edit = Part<QMenu>(w, "Edit1")->actions();
      QCOMPARE(edit.indexOf(Part<QAction>(w, "StrictTime1")), edit.indexOf(Part<QAction>(w, "Level1")) + 1);
      QVERIFY(Part<QAction>(w, "StrictTime1")->isCheckable() && !Part<QAction>(w, "StrictTime1")->isChecked());
      Part<QAction>(w, "StrictTime1")->trigger();
      QVERIFY(w.Board()->StrictTime());
      QVERIFY(w.close());
    }
    QVERIFY(lines().join(' ').endsWith(QStringLiteral("[Time_Limit] Strict=1 ")));
    {
      TMain w(IniPath());
      QVERIFY(Part<QAction>(w, "StrictTime1")->isChecked() && w.Board()->StrictTime());
      Part<QAction>(w, "StrictTime1")->trigger();
      QVERIFY(!w.Board()->StrictTime());
      QVERIFY(w.close());
    }
    QVERIFY(lines().contains(QStringLiteral("Strict=0")));
  }

  void settingsReachMarksAndLevelText_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("levelText");
    QTest::addColumn<bool>("marks");
    QTest::newRow("one second, all marks set")
        << QByteArray(
               "[Preferences]\nThinking=1\nShowFlips=1\nShow_Legal_Moves=1\nSelective=1\nStatistics=1\nSound=1\n"
               "Best_Line=1\n[Level]\nMove_Time=1\nTwo_Player=1\nLevel=0\n")
        << "1 seconds per move" << true;
    QTest::newRow("infinite, all marks clear")
        << QByteArray(
               "[Preferences]\nThinking=0\nShowFlips=0\nShow_Legal_Moves=0\nSelective=0\nStatistics=0\nSound=0\n"
               "Best_Line=0\n[Level]\nTwo_Player=0\nLevel=13\n")
        << "Infinite thinking time" << false;
    QTest::newRow("six plies") << QByteArray(
                                      "[Level]\nLevel=6\nTwo_Player=1\n[Preferences]\nThinking=1\n"
                                      "ShowFlips=1\nShow_Legal_Moves=1\nStatistics=1\nSound=1\nBest_Line=1")
                               << "6 ply search" << true;
  }
  void settingsReachMarksAndLevelText() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, levelText);
    QFETCH(bool, marks);
    WriteAll(Ini(), ini);
    TMain w(IniPath());
    QCOMPARE(Part<QLabel>(w, "Label6")->text(), levelText);
    for (QAction* a : {Part<QAction>(w, "Thinking1"), Part<QAction>(w, "LegalMoves1"),
                       Part<QAction>(w, "ShowFlipableSquares1"), Part<QAction>(w, "Statistics1"),
                       Part<QAction>(w, "Sound1"), Part<QAction>(w, "BestLine1"), Part<QAction>(w, "TwoPlayer1")})
      QVERIFY2(a->isChecked() == marks, qPrintable(a->text()));
    QCOMPARE(w.Board()->Mode(), marks ? reversi::TwoPlayer : reversi::Normal);
    // The mirrored marks follow the engine.
    QCOMPARE(Part<QAction>(w, "Thinking1")->isChecked(), w.Board()->ShowThinking());
    QCOMPARE(Part<QAction>(w, "Selective1")->isChecked(), w.Board()->Selective());
  }

  void aSearchFillsStatisticsAndList() {
    TMain w(IniPath());
    w.Board()->SetLevel(reversi::Ply5);
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("left over"));
    w.Board()->SetThinking(true);  // the computer plays Black's first move
    QCOMPARE(w.Board()->MovesPlayed, 1);
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("4"));
    QCOMPARE(Part<QLabel>(w, "Label4")->text(), QStringLiteral("1"));
    QVERIFY(Part<QLabel>(w, "BlackMarker")->isHidden());
    QVERIFY(!Part<QLabel>(w, "WhiteMarker")->isHidden());
    QCOMPARE(Part<QLabel>(w, "Label14")->text(), QStringLiteral("5"));
    QCOMPARE(Part<QLabel>(w, "Label16")->text(), QString::number(w.Board()->Deepest()));
    QVERIFY(w.Board()->Deepest() >= 5);
    QCOMPARE(Part<QLabel>(w, "Label18")->text(), QString::number(w.Board()->Nodes()));
    QVERIFY(QRegularExpression(QStringLiteral("^[A-H][1-8]$")).match(Part<QLabel>(w, "Label11")->text()).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^[A-H][1-8]$")).match(Part<QLabel>(w, "Label12")->text()).hasMatch());
    QVERIFY(Part<QLabel>(w, "Label13")->text() != QStringLiteral("-"));
    // Cleared at the start of the search, then one entry per best move.
    QVERIFY(Part<QListWidget>(w, "ListBox1")->count() >= 2);
    const QRegularExpression entry(QStringLiteral("^[35]\\|-?\\d+\\.\\d\\d\\|[A-H][1-8]( [A-H][1-8])*$"));
    for (int i = 0; i < Part<QListWidget>(w, "ListBox1")->count(); ++i)
      QVERIFY2(entry.match(Part<QListWidget>(w, "ListBox1")->item(i)->text()).hasMatch(),
               qPrintable(Part<QListWidget>(w, "ListBox1")->item(i)->text()));
    QVERIFY(Part<QListWidget>(w, "ListBox1")->item(0)->text().startsWith(QStringLiteral("5|")));
    QVERIFY(Part<QListWidget>(w, "ListBox1")->item(0)->text().contains(Part<QLabel>(w, "Label11")->text()));
    // Idle again.
    QVERIFY(!Part<QTimer>(w, "Timer1")->isActive());
    QCOMPARE(Part<TFlatButton>(w, "PlayButton")->text(), QStringLiteral("orvane"));
    QCOMPARE(Part<TFlatButton>(w, "PlayButton")->Color(), QColor(255, 0, 0));
    QCOMPARE(Part<TFlatButton>(w, "PlayButton")->FontColor(), QColor(Qt::white));
    QVERIFY(!w.Searching());
  }

  void statisticsOffShowsDashesButTheDeepestDepth() {
    TMain w(IniPath());
    w.Board()->SetLevel(reversi::Ply3);
    w.Board()->SetThinking(true);
    QVERIFY(Part<QListWidget>(w, "ListBox1")->count() > 0);
    Part<QAction>(w, "Statistics1")->trigger();  // clears the mark
    QVERIFY(!Part<QAction>(w, "Statistics1")->isChecked());
    QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 0);
    QCOMPARE(Part<QLabel>(w, "Label11")->text(), QStringLiteral("-"));
    w.Board()->SetThinking(true);
    for (QLabel* l : {Part<QLabel>(w, "Label11"), Part<QLabel>(w, "Label12"), Part<QLabel>(w, "Label13"),
                      Part<QLabel>(w, "Label14"), Part<QLabel>(w, "Label18")})
      QCOMPARE(l->text(), QStringLiteral("-"));
    QCOMPARE(Part<QLabel>(w, "Label16")->text(), QString::number(w.Board()->Deepest()));
    QVERIFY(Part<QListWidget>(w, "ListBox1")->count() > 0);  // the list does not depend on Statistics
  }

  void everySearchEmptiesTheListAlsoWithoutBestLine() {
    TMain w(IniPath());
    w.Board()->SetLevel(reversi::Ply3);
    Part<QAction>(w, "BestLine1")->trigger();
    QVERIFY(!Part<QAction>(w, "BestLine1")->isChecked());
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("3|1.00|A1"));
    w.Board()->SetThinking(true);
    QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 0);
    QVERIFY(Part<QLabel>(w, "Label11")->text() != QStringLiteral("-"));
  }

  void onlyTheNewestEntryIsRed() {
    TMain w(IniPath());
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("5|-0.50|D3 C3"));
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("3|12.34|F5"));
    for (int i = 0; i < 2; ++i) {
      QImage image(200, 14, QImage::Format_RGB32);
      image.fill(Qt::black);
      QPainter p(&image);
      w.Panel().ListBox1DrawItem(&p, i, image.rect(), QStyle::State_None);
      p.end();
      int red = 0, blue = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QRgb c = image.pixel(x, y);
          if (qRed(c) > 200 && qGreen(c) < 120 && qBlue(c) < 120) ++red;
          if (qBlue(c) > 200 && qRed(c) < 120 && qGreen(c) < 120) ++blue;
          QVERIFY(c != qRgb(0, 0, 0));  // the whole rectangle is covered
        }
      QVERIFY2(i == 0 ? red > 20 && blue == 0 : blue > 20 && red == 0, qPrintable(QString::number(i)));
    }
  }

  void decimalPointsLineUp() {
    TMain w(IniPath());
    const QFontMetrics fm(Part<QListWidget>(w, "ListBox1")->font());
    const int mark = 5 * fm.horizontalAdvance(QStringLiteral("888.88")) / 4;
    // Entries drawn up to their decimal point end at the same column.
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("|12.|"));
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("|-0.|"));
    // A score with another separator holds no "." and starts at the mark.
    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("|0,35|"));
    QList<QPair<int, int>> ink;
    for (int i = 0; i < 3; ++i) {
      QImage image(200, 14, QImage::Format_RGB32);
      QPainter p(&image);
      w.Panel().ListBox1DrawItem(&p, i, image.rect(), QStyle::State_None);
      p.end();
      ink << InkColumns(image);
    }
    QCOMPARE(ink[0].second, ink[1].second);
    QVERIFY(ink[0].second < mark && ink[0].second >= mark - 4);
    QVERIFY(ink[2].first >= mark && ink[2].first <= mark + 2);
  }

  void menuStatesWhileThinking() {
    TMain w(IniPath());
    w.Board()->SetLevel(reversi::Infinite);
    QMap<QString, bool> enabled;
    QString caption;
    QColor face;
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          emit Part<QMenu>(w, "Edit1")->aboutToShow();
          emit Part<QMenu>(w, "View1")->aboutToShow();
          for (QAction* a : {Part<QAction>(w, "Level1"), Part<QAction>(w, "TwoPlayer1"), Part<QAction>(w, "TakeBack1"),
                             Part<QAction>(w, "MoveForward1"), Part<QAction>(w, "Move1"), Part<QAction>(w, "Thinking1"),
                             Part<QAction>(w, "LegalMoves1"), Part<QAction>(w, "ShowFlipableSquares1"),
                             Part<QAction>(w, "Statistics1"), Part<QAction>(w, "BestLine1"), Part<QAction>(w, "Sound1"),
                             Part<QAction>(w, "Selective1")})
            enabled[a->text()] = a->isEnabled();
          caption = Part<TFlatButton>(w, "PlayButton")->text();
          face = Part<TFlatButton>(w, "PlayButton")->Color();
          Part<QAction>(w, "Move1")->trigger();  // Move Now
        });
    QCOMPARE(caption, QStringLiteral("Thinking"));
    QCOMPARE(face, QColor(Qt::black));
    for (const char* off : {"Level...", "Two Player", "Take Back", "Move Forward", "Show Thinking", "Show Legal Moves",
                            "Statistics", "Show Best Line"})
      QVERIFY2(!enabled.value(QLatin1String(off), true), off);
    for (const char* on : {"Move Now", "Show Flipable Discs", "Sound", "Selective"})
      QVERIFY2(enabled.value(QLatin1String(on), false), on);
    QCOMPARE(w.Board()->MovesPlayed, 1);
    emit Part<QMenu>(w, "Edit1")->aboutToShow();
    emit Part<QMenu>(w, "View1")->aboutToShow();
    QVERIFY(Part<QAction>(w, "TakeBack1")->isEnabled());
    QVERIFY(!Part<QAction>(w, "MoveForward1")->isEnabled());  // nothing to move forward to
    QVERIFY(Part<QAction>(w, "Level1")->isEnabled());
    QVERIFY(Part<QAction>(w, "Statistics1")->isEnabled());
    Part<QAction>(w, "TakeBack1")->trigger();
    emit Part<QMenu>(w, "Edit1")->aboutToShow();
    QVERIFY(!Part<QAction>(w, "TakeBack1")->isEnabled());
    QVERIFY(Part<QAction>(w, "MoveForward1")->isEnabled());
  }

  void buttonsDuringASearchLeaveTheGameButRefresh() {
    TMain w(IniPath());
    w.Board()->SetLevel(reversi::Infinite);
    int listDuring = -1;
    QString nodesDuring;
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          Part<TFlatButton>(w, "NewButton")->click();
          Part<TArrowButton>(w, "BackButton")->click();
          listDuring = Part<QListWidget>(w, "ListBox1")->count();
          nodesDuring = Part<QLabel>(w, "Label18")->text();
          Part<TFlatButton>(w, "PlayButton")->click();  // stops the search
        });
    QCOMPARE(listDuring, 0);
    QCOMPARE(nodesDuring, QStringLiteral("-"));
    QCOMPARE(w.Board()->MovesPlayed, 1);  // New and Take Back were refused
  }

  void spaceTogglesThinking() {
    TMain w(IniPath());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWindow* window = w.windowHandle();
    w.Board()->SetLevel(reversi::Ply3);
    QTest::keyClick(window, Qt::Key_Space);  // the computer plays Black's move
    QTRY_COMPARE(w.Board()->MovesPlayed, 1);
    // A second Space during the search makes the computer move at once.
    w.Board()->SetLevel(reversi::Infinite);
    QTimer::singleShot(150, &w, [&] { QTest::keyClick(window, Qt::Key_Space); });
    QTest::keyClick(window, Qt::Key_Space);
    QTRY_COMPARE(w.Board()->MovesPlayed, 2);
    QVERIFY(!w.Board()->Thinking());
    // Once per key, wherever the focus is.
    w.Board()->SetLevel(reversi::Ply3);
    w.Board()->setFocusPolicy(Qt::StrongFocus);
    w.Board()->setFocus();
    QTest::keyClick(window, Qt::Key_Space);
    QTRY_COMPARE(w.Board()->MovesPlayed, 3);
    QTest::keyClick(window, Qt::Key_A);
    QTest::qWait(50);
    QCOMPARE(w.Board()->MovesPlayed, 3);
  }

  // Alt during a search started by Space moves the focus to the menu bar;
  // the Space still counts once.
  void spaceThenAltDuringTheSearchPlaysOneMove() {
    TMain w(IniPath());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWindow* window = w.windowHandle();
    w.Board()->SetLevel(reversi::Infinite);
    QTimer::singleShot(150, &w, [&] {
      QTest::keyPress(window, Qt::Key_Alt);
      QTest::keyRelease(window, Qt::Key_Alt);
      Part<QAction>(w, "Move1")->trigger();
    });
    QTest::keyClick(window, Qt::Key_Space);
    QTRY_COMPARE(w.Board()->MovesPlayed, 1);
    QTest::qWait(100);
    QCOMPARE(w.Board()->MovesPlayed, 1);
    QVERIFY(!w.Board()->Thinking());
  }

  void shortcutsTakeBackAndMoveForward() {
    TMain w(IniPath());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Part<QAction>(w, "TwoPlayer1")->trigger();
    QCOMPARE(w.Board()->Mode(), reversi::TwoPlayer);
    w.Board()->PlayMove(51);  // F5: nothing answers in two-player mode
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("4"));
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(w.Board()->MovesPlayed, 0);
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("2"));
    QVERIFY(!Part<QLabel>(w, "BlackMarker")->isHidden());
    QTest::keyClick(&w, Qt::Key_Insert);
    QCOMPARE(w.Board()->MovesPlayed, 1);
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("4"));
    QVERIFY(!Part<QLabel>(w, "WhiteMarker")->isHidden());
    // Delete with nothing to take back leaves the Edit menu's state honest.
    QTest::keyClick(&w, Qt::Key_Delete);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(w.Board()->MovesPlayed, 0);
    QVERIFY(!Part<QAction>(w, "TakeBack1")->isEnabled());
  }

  void saveAppendsRgmOnlyWhenTheFileNameHasNoPoint_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "games/match"
                                  << "games/match.RGM";
    QTest::newRow("own extension") << "games/match.txt"
                                   << "games/match.txt";
    QTest::newRow("point in a folder") << "my.games/match"
                                       << "my.games/match.RGM";
  }
  void saveAppendsRgmOnlyWhenTheFileNameHasNoPoint() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir files;
    // The temporary folder's own name may hold a ".", which the rule would
    // see; so the test works in a folder without one.
    const QString base =
        QDir::tempPath() + QStringLiteral("/vzsave") + QString::number(QCoreApplication::applicationPid());
    QDir(base).removeRecursively();
    QVERIFY(QDir().mkpath(base + QStringLiteral("/games")));
    QVERIFY(QDir().mkpath(base + QStringLiteral("/my.games")));
    if (base.contains(u'.')) QSKIP("the temporary folder's path holds a \".\"");
    TMain w(IniPath());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    w.Files().ChooseSaveFile = [&] { return base + u'/' + chosen; };
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->PlayMove(51);
    w.Files().SaveItemClick();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
    QCOMPARE(ReadAll(base + u'/' + written), QStringLiteral("1 51 1"));
    QDir(base).removeRecursively();
  }

  // The dialog confirms the name picked in it; a file the added ".RGM"
  // names is asked about here, and kept on No.
  void savingOverAGameTheExtensionNamesAsksFirst() {
    TMain w(IniPath());
    const QString game = dir_.filePath(QStringLiteral("match.RGM"));
    WriteAll(game, "0 0");
    QStringList asked;
    bool answer = false;
    w.Files().ConfirmOverwrite = [&](const QString& name) {
      asked << name;
      return answer;
    };
    w.Files().ChooseSaveFile = [&] { return dir_.filePath(QStringLiteral("match")); };
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->PlayMove(51);
    w.Files().SaveItemClick();
    QCOMPARE(asked, QStringList{game});
    QCOMPARE(ReadAll(game), QStringLiteral("0 0"));
    answer = true;
    w.Files().SaveItemClick();
    QCOMPARE(ReadAll(game), QStringLiteral("1 51 1"));
    w.Files().ChooseSaveFile = [&] { return game; };  // already confirmed in the dialog
    w.Files().SaveItemClick();
    QCOMPARE(asked.size(), 2);
    w.Files().ChooseSaveFile = [&] {  // the GGF filter chosen
      w.Files().SaveAsGgf = true;
      return dir_.filePath(QStringLiteral("match"));
    };
    w.Files().SaveItemClick();
    QVERIFY(ReadAll(dir_.filePath(QStringLiteral("match.ggf"))).startsWith(QStringLiteral("(;GM[Othello]")));
  }

  // While the computer thinks, Open and Save are refused before any dialog.
  void openAndSaveWhileThinkingAreRefusedAtOnce() {
    TMain w(IniPath());
    QStringList failures;
    int dialogs = 0;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    w.Files().ChooseOpenFile = w.Files().ChooseSaveFile = [&] {
      ++dialogs;
      return QString();
    };
    w.Board()->SetLevel(reversi::Infinite);
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          w.Files().OpenItemClick();
          w.Files().SaveItemClick();
          QVERIFY(w.Board()->Thinking());  // the search goes on
          Part<TFlatButton>(w, "PlayButton")->click();
        });
    QCOMPARE(dialogs, 0);
    QCOMPARE(failures, (QStringList{QStringLiteral("The game could not be opened: the computer is thinking.\n"
                                                   "The current game is kept."),
                                    QStringLiteral("The game could not be saved: the computer is thinking.")}));
  }

  void saveFailureIsReportedAndTheGameKept() {
    TMain w(IniPath());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    const QString target = dir_.filePath(QStringLiteral("missing-folder/game.RGM"));
    w.Files().ChooseSaveFile = [&] { return target; };
    Part<QAction>(w, "TwoPlayer1")->trigger();
    w.Board()->PlayMove(51);
    w.Files().SaveItemClick();
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0].contains(QStringLiteral("could not be saved")));
    QVERIFY(failures[0].contains(QDir::toNativeSeparators(target)));
    QCOMPARE(w.Board()->MovesPlayed, 1);
    // Cancelling the dialog does nothing at all.
    w.Files().ChooseSaveFile = [] { return QString(); };
    w.Files().SaveItemClick();
    QCOMPARE(failures.size(), 1);
  }

  void openLoadsAGameOrReportsAndKeepsTheGame() {
    TMain w(IniPath());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    const QString good = dir_.filePath(QStringLiteral("good.RGM"));
    const QString bad = dir_.filePath(QStringLiteral("bad.RGM"));
    WriteAll(good, "3 51 60 59 2");
    WriteAll(bad, "3 51 60 oops 2");
    w.Board()->SetLevel(reversi::Ply3);
    w.Board()->SetThinking(true);
    QVERIFY(Part<QLabel>(w, "Label11")->text() != QStringLiteral("-"));

    w.Files().ChooseOpenFile = [&] { return good; };
    w.Files().OpenItemClick();
    QVERIFY(failures.isEmpty());
    QCOMPARE(w.Board()->MovesPlayed, 2);
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QStringLiteral("3"));  // F5 and F6 played
    QCOMPARE(Part<QLabel>(w, "Label4")->text(), QStringLiteral("3"));
    QVERIFY(!Part<QLabel>(w, "BlackMarker")->isHidden());
    QCOMPARE(Part<QLabel>(w, "Label11")->text(), QStringLiteral("-"));
    QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 0);

    Part<QListWidget>(w, "ListBox1")->addItem(QStringLiteral("kept"));
    for (const QString& file : {bad, dir_.filePath(QStringLiteral("absent.RGM"))}) {
      w.Files().ChooseOpenFile = [&] { return file; };
      w.Files().OpenItemClick();
      QVERIFY(failures.last().contains(QDir::toNativeSeparators(file)));
      QVERIFY(failures.last().contains(QStringLiteral("could not be opened")));
      QCOMPARE(w.Board()->MovesPlayed, 2);
      QCOMPARE(Part<QListWidget>(w, "ListBox1")->count(), 1);  // the rest of the command is skipped
    }
    QCOMPARE(failures.size(), 2);
  }

  void aGameNamedAtStartOpensOnceTheWindowIsUp() {
    const QString good = dir_.filePath(QStringLiteral("start.RGM"));
    WriteAll(good, "3 51 60 59 2");
    for (const QString& file : {good, dir_.filePath(QStringLiteral("absent.RGM"))}) {
      std::unique_ptr<TMain> w;
      QStringList failures;
      bool upWhenOpened = false;
      int moves = -1;
      uint32_t now = 0;
      TStartupSteps steps;
      steps.TickCount = [&] { return now += 1000; };  // the splash's three seconds pass at once
      steps.CreateMainWindow = [&] {
        w = std::make_unique<TMain>(IniPath());
        w->Files().ReportFileFailure = [&](const QString& text) { failures << text; };
        return w.get();
      };
      steps.MainWindowShown = [&] {
        upWhenOpened = w->isVisible();
        w->Files().OpenGameFile(file);
        moves = w->Board()->MovesPlayed;
        w->close();
      };
      QCOMPARE(RunStartup(*qApp, steps), 0);
      QVERIFY(upWhenOpened);
      QCOMPARE(moves, file == good ? 2 : 0);
      QCOMPARE(failures.size(), file == good ? 0 : 1);
    }
  }

  void aDroppedGameFileOpensAsOpenDoes() {
    TMain w(IniPath());
    QStringList failures;
    w.Files().ReportFileFailure = [&](const QString& text) { failures << text; };
    const QString good = dir_.filePath(QStringLiteral("dropped.RGM"));
    const QString bad = dir_.filePath(QStringLiteral("dropped-bad.RGM"));
    WriteAll(good, "3 51 60 59 2");
    WriteAll(bad, "3 51 60 oops 2");
    const QUrl goodUrl = QUrl::fromLocalFile(good);
    QVERIFY(w.acceptDrops());
    // Only a single local file is welcome.
    QVERIFY(!Drop(w, {}));
    QVERIFY(!Drop(w, {QUrl(QStringLiteral("https://example.org/dropped.RGM"))}));
    QVERIFY(!Drop(w, {goodUrl, goodUrl}));

    QVERIFY(Drop(w, {goodUrl}));
    QCOMPARE(w.Board()->MovesPlayed, 2);
    QVERIFY(Drop(w, {QUrl::fromLocalFile(bad)}));
    QCOMPARE(failures.size(), 1);
    QVERIFY(failures[0].contains(QDir::toNativeSeparators(bad)));
    QCOMPARE(w.Board()->MovesPlayed, 2);

    // While the computer thinks the drop is refused as Open is.
    Part<QAction>(w, "New1")->trigger();
    w.Board()->SetLevel(reversi::Infinite);
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          Drop(w, {goodUrl});
          Part<TFlatButton>(w, "PlayButton")->click();  // stops the search
        });
    QCOMPARE(failures.size(), 2);
    QVERIFY(failures[1].contains(QStringLiteral("thinking")));
    QCOMPARE(w.Board()->MovesPlayed, 1);  // the computer's move, not the file's game
  }

  void viewTogglesReachTheEngine() {
    TMain w(IniPath());
    Part<QAction>(w, "LegalMoves1")->trigger();
    QVERIFY(w.Board()->ShowLegal());
    QVERIFY(Part<QAction>(w, "LegalMoves1")->isChecked());
    Part<QAction>(w, "ShowFlipableSquares1")->trigger();
    QVERIFY(w.Board()->ShowFlips());
    Part<QAction>(w, "Selective1")->trigger();
    QVERIFY(!w.Board()->Selective());
    QVERIFY(!Part<QAction>(w, "Selective1")->isChecked());
    Part<QAction>(w, "Thinking1")->trigger();
    QVERIFY(w.Board()->ShowThinking());
    Part<QAction>(w, "TwoPlayer1")->trigger();
    QCOMPARE(w.Board()->Mode(), reversi::TwoPlayer);
    Part<QAction>(w, "TwoPlayer1")->trigger();
    QCOMPARE(w.Board()->Mode(), reversi::Normal);
    QCOMPARE(w.Board()->MovesPlayed, 0);  // switching back does not start the computer
    Part<QAction>(w, "Sound1")->trigger();
    QVERIFY(w.close());
    const QString text = ReadAll(Ini());
    for (const char* line : {"Show_Legal_Moves=1", "ShowFlips=1", "Selective=0", "Thinking=1", "Sound=0"})
      QVERIFY2(text.contains(QLatin1String(line)), line);
  }

  // Played to the end by two people: no message box (which would block
  // here), no new game; the Game box shows the final counts.
  void theFinalPositionStaysAtTheEndOfAGame() {
    TMain w(IniPath());
    Part<QAction>(w, "TwoPlayer1")->trigger();
    int moves = 0;
    for (bool played = true; played;) {
      played = false;
      for (int square = 10; square <= 80 && !played; ++square) {
        if (w.Board()->IsLegal(square)) {
          w.Board()->PlayMove(square);
          played = true;
          ++moves;
        }
      }
    }
    QVERIFY(moves > 10);
    QCOMPARE(w.Board()->MovesPlayed, moves);
    QCOMPARE(Part<QLabel>(w, "Label4")->text(), QString::number(w.Board()->WhiteDiscs()));
    QCOMPARE(Part<QLabel>(w, "Label5")->text(), QString::number(w.Board()->BlackDiscs()));
    QVERIFY(w.Board()->WhiteDiscs() + w.Board()->BlackDiscs() > 4);
  }

  void statusLineShowsTheLongPartOfHints() {
    TMain w(IniPath());
    QStatusTipEvent tip(Part<TFlatButton>(w, "OpenButton")->statusTip());
    QCoreApplication::sendEvent(Part<TFlatButton>(w, "OpenButton"), &tip);
    QCOMPARE(Part<QLabel>(w, "StatusLine")->text(), QStringLiteral("Open a game file"));
    QVERIFY(Part<TFlatButton>(w, "OpenButton")->toolTip().isEmpty());  // no pop-up part
    QCOMPARE(Part<QAction>(w, "TakeBack1")->statusTip(), QStringLiteral("Take back a move"));
    QCOMPARE(LongHint(QStringLiteral("short|long|more")), QStringLiteral("long|more"));
    QCOMPARE(LongHint(QStringLiteral("whole")), QStringLiteral("whole"));
  }

  void boardFollowsTheWindowSize() {
    TMain w(IniPath());
    for (const QSize size : {QSize(640, 480), QSize(1000, 500), QSize(700, 900)}) {
      w.resize(size);
      w.FormResize();
      const QRect outer = w.frameGeometry();
      const int side = std::min(outer.width() - 288 - 32, outer.height() - 40 - 26 - 19 - 72);
      QCOMPARE(w.Board()->geometry(), QRect(4, 32, side, side));
      QCOMPARE(Part<TDropShadow>(w, "Shadow")->geometry(), w.Board()->geometry().translated(12, 12));
    }
    w.resize(200, 120);  // too small a window: a readable board beside the panel
    w.FormResize();
    QCOMPARE(w.Board()->pos(), QPoint(4, 32));
    QCOMPARE(Part<TDropShadow>(w, "Shadow")->size(), w.Board()->size());
    QVERIFY(w.Board()->width() >= 8 * 24);
    QVERIFY(w.Board()->geometry().right() < w.width() - Part<QWidget>(w, "GroupBox1")->width());
    // The board settles its own size when it paints; the shadow follows.
    w.resize(640, 480);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_COMPARE(Part<TDropShadow>(w, "Shadow")->geometry(), w.Board()->geometry().translated(12, 12));
  }

  // Open, Save and About while the computer thinks: the game and the file on
  // disk are left alone, the refusals are reported, the about box opens
  // and closes inside the search, and the search still ends with its move.
  void fileCommandsAndAboutDuringASearch() {
    TMain w(IniPath());
    TAboutBox about(&w);
    about.Animate = false;
    about.MeasureDevIdoz = [] { return 1.0; };
    w.SetAboutBox(&about);
    const QString saved = dir_.filePath(QStringLiteral("during.RGM"));
    const QString game = dir_.filePath(QStringLiteral("other.RGM"));
    WriteAll(game, "1 51 1");
    QStringList reports;
    w.Files().ReportFileFailure = [&](const QString& text) { reports << text; };
    w.Files().ChooseOpenFile = [&] { return game; };
    w.Files().ChooseSaveFile = [&] { return saved; };
    w.Board()->SetLevel(reversi::Infinite);
    bool aboutShown = false;
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          Part<QAction>(w, "OpenItem")->trigger();
          Part<QAction>(w, "SaveItem")->trigger();
          QTimer::singleShot(50, &about, [&] {
            aboutShown = about.isVisible();
            about.accept();
          });
          Part<QAction>(w, "About1")->trigger();
          Part<TFlatButton>(w, "PlayButton")->click();  // stops the search
        });
    QVERIFY(aboutShown);
    QCOMPARE(reports.size(), 2);
    QVERIFY(!QFile::exists(saved));
    QCOMPARE(w.Board()->MovesPlayed, 1);  // the computer's move, not the file's game
    QVERIFY(!w.Board()->Thinking());
    QCOMPARE(QString::fromStdString(w.Board()->CheckConsistency()), QString());
  }

  void closingWhileThinkingStopsTheSearchThenWritesTheSettings() {
    TMain w(IniPath());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Board()->SetLevel(reversi::Infinite);
    bool refused = false;
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); },
        [&] {
          refused = !w.close();  // deferred: the search is still on the stack
          QVERIFY(!QFile::exists(Ini()));
        });
    QVERIFY(refused);
    QCOMPARE(w.Board()->MovesPlayed, 1);  // the search played its move
    QTRY_VERIFY(w.Closed());
    QVERIFY(!w.isVisible());
    QVERIFY(ReadAll(Ini()).contains(QStringLiteral("Level=13")));
  }

  void exitShortcutDuringASearch() {
    TMain w(IniPath());
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.Board()->SetLevel(reversi::Infinite);
    DuringSearch(
        w, [&] { w.Board()->SetThinking(true); }, [&] { QTest::keyClick(&w, Qt::Key_X, Qt::AltModifier); });
    QTRY_VERIFY(w.Closed());
  }

  void levelDialogRefreshesTheLevelText() {
    TMain w(IniPath());
    TLevelFrm dialog;
    w.SetLevelDialog(&dialog);
    dialog.Fill(*w.Board());
    dialog.RadioButton3->click();
    dialog.BitBtn1Click();
    QCOMPARE(w.Board()->Level(), reversi::Infinite);
    QCOMPARE(Part<QLabel>(w, "Label6")->text(), QStringLiteral("Infinite thinking time"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
