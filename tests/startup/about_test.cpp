// The about box: its texts, the speed figure on every showing, its own board
// left alone by the measurement, the busy pointer meanwhile, the web address
// and the OK button.
#include "About.h"

#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "Reversi.h"
#include "widgets/StartupWidgets.h"
#include "widgets/TickIcon.h"

class TAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QLocale::setDefault(QLocale::c()); }
  void cleanup() { QLocale::setDefault(QLocale::c()); }

  void percentText_data();
  void percentText();
  void percentTextUsesTheDecimalSeparator();
  void layoutAndFixedTexts();
  void figureMeasuredOnEveryShowing();
  void okIsFocusedAndCloses();
  void measurementLeavesTheBoxBoardAlone();
  void webAddressOpensOrDisables();
  void busyPointerWhileMeasuringAndTickOnOk();
  void openingAnimationEndsWithEverythingShown();
};

void TAboutTest::percentText_data() {
  QTest::addColumn<double>("devIdoz");
  QTest::addColumn<QString>("expected");
  QTest::newRow("1.234") << 1.234 << "123.4%";
  QTest::newRow("1") << 1.0 << "100%";
  QTest::newRow("0") << 0.0 << "0%";
  QTest::newRow("0.5") << 0.5 << "50%";
  QTest::newRow("0.001") << 0.001 << "0.1%";
  // A fast machine: no thousands separator.
  QTest::newRow("12.345") << 12.345 << "1234.5%";
  QTest::newRow("from a count") << reversi::TReversiCore::DevIdozFromCount(29250) << "123.4%";
}

void TAboutTest::percentText() {
  QFETCH(double, devIdoz);
  QFETCH(QString, expected);
  QCOMPARE(TAboutBox::PercentText(devIdoz), expected);
}

void TAboutTest::percentTextUsesTheDecimalSeparator() {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QCOMPARE(TAboutBox::PercentText(1.234), QStringLiteral("123,4%"));
  QCOMPARE(TAboutBox::PercentText(12.345), QStringLiteral("1234,5%"));
}

void TAboutTest::layoutAndFixedTexts() {
  TAboutBox box;
  QCOMPARE(box.windowTitle(), QStringLiteral("About"));
  QCOMPARE(box.size(), QSize(298, 228));
  QCOMPARE(box.Label1->text(), QStringLiteral("1.0a"));
  QCOMPARE(box.TitleLabel->Text(), QStringLiteral("vezari Zaduder"));
  QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
  QCOMPARE(box.OKButton->geometry(), QRect(116, 190, 65, 33));
  QCOMPARE(box.Panel1->geometry(), QRect(8, 8, 281, 177));

  // The box's board: small, quiet, and quick to answer.
  TReversi* board = box.Reversi1;
  QCOMPARE(board->geometry(), QRect(8, 8, 64, 64));
  QCOMPARE(TReversi::DiscSizeFor(board->width(), board->height()), 5);
  QVERIFY(!board->ShowJustPlayed() && !board->ShowLegal() && !board->ShowFlips());
  QCOMPARE(board->MoveTime(), 1);
  QCOMPARE(board->Gamma(), 100);
}

void TAboutTest::figureMeasuredOnEveryShowing() {
  TAboutBox box;
  box.Animate = false;
  QList<double> figures{1.234, 1.0};
  int measured = 0;
  box.MeasureDevIdoz = [&] {
    // Measured before the box is on the screen.
    [&] { QVERIFY(!box.isVisible()); }();
    return figures.value(measured++, 0.0);
  };
  QCOMPARE(measured, 0);  // not at creation

  box.show();
  QCOMPARE(measured, 1);
  QCOMPARE(box.Label4->text(), QStringLiteral("123.4%"));
  box.show();  // already visible: no new measurement
  QCOMPARE(measured, 1);
  box.hide();
  box.show();
  QCOMPARE(measured, 2);
  QCOMPARE(box.Label4->text(), QStringLiteral("100%"));
  box.hide();
  box.show();
  QCOMPARE(box.Label4->text(), QStringLiteral("0%"));
  QCOMPARE(box.Label1->text(), QStringLiteral("1.0a"));
}

void TAboutTest::okIsFocusedAndCloses() {
  TAboutBox box;
  box.MeasureDevIdoz = [] { return 1.0; };
  QTimer::singleShot(0, &box, [&] {
    QCOMPARE(box.focusWidget(), box.OKButton);
    QVERIFY(box.OKButton->isDefault());
    QTest::keyClick(box.OKButton, Qt::Key_Return);
  });
  QCOMPARE(box.exec(), int(QDialog::Accepted));
  QVERIFY(!box.isVisible());
}

// The real measurement, once: it runs on an engine of its own, so a game in
// progress on the box's board is exactly as it was.
void TAboutTest::measurementLeavesTheBoxBoardAlone() {
  TAboutBox box;
  box.Animate = false;
  TReversi* board = box.Reversi1;
  board->SetMode(reversi::TwoPlayer);
  board->PlayMove(31);  // D3
  board->PlayMove(30);  // C3
  board->SetMode(reversi::Normal);
  const auto cells = board->Cells;
  const auto record = board->GameRecord;
  const int played = board->MovesPlayed;
  const auto toMove = board->ToMove();
  const auto nodes = board->Nodes();
  const std::string line = board->MainLine();

  box.show();
  QVERIFY(box.Label4->text().endsWith(QLatin1Char('%')));
  QVERIFY(board->Cells == cells);
  QVERIFY(board->GameRecord == record);
  QCOMPARE(board->MovesPlayed, played);
  QCOMPARE(board->ToMove(), toMove);
  QCOMPARE(board->Nodes(), nodes);
  QCOMPARE(board->MainLine(), line);
  QCOMPARE(board->WhiteDiscs() + board->BlackDiscs(), 6);
}

void TAboutTest::webAddressOpensOrDisables() {
  TAboutBox box;
  TUrlLabel* web = box.WebLabel;
  QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  QVERIFY(web->font().underline());

  QList<QUrl> opened;
  bool accept = true;
  web->Open = [&](const QUrl& url) {
    opened.append(url);
    return accept;
  };
  web->show();
  QTest::mouseClick(web, Qt::LeftButton);
  QCOMPARE(opened.size(), 1);
  QCOMPARE(opened.first().scheme(), QStringLiteral("http"));
  QCOMPARE(opened.first().host(), web->text());
  QVERIFY(web->isEnabled());

  accept = false;
  QTest::mouseClick(web, Qt::LeftButton);
  QCOMPARE(opened.size(), 2);
  QVERIFY(!web->isEnabled());
  QTest::mouseClick(web, Qt::LeftButton);
  web->Click();
  QCOMPARE(opened.size(), 2);
  // The refusal was said once, in a box that does not hold the about box up.
  const auto boxes = box.findChildren<QMessageBox*>();
  QCOMPARE(boxes.size(), 1);
  QVERIFY(boxes.first()->isVisible());
  QVERIFY(boxes.first()->text().contains(web->text()));
}

// The pointer is busy while the speed is measured, and only then; OK
// carries the Level dialog's tick.
void TAboutTest::busyPointerWhileMeasuringAndTickOnOk() {
  TAboutBox box;
  box.Animate = false;
  Qt::CursorShape during = Qt::BlankCursor;
  box.MeasureDevIdoz = [&] {
    if (QApplication::overrideCursor()) during = QApplication::overrideCursor()->shape();
    return 1.0;
  };
  box.show();
  QCOMPARE(during, Qt::WaitCursor);
  QVERIFY(!QApplication::overrideCursor());
  QCOMPARE(box.OKButton->icon().pixmap(16).toImage(), TickIcon().pixmap(16).toImage());
}

// The box grows out of its centre and then shows all of itself, every time
// it opens.
void TAboutTest::openingAnimationEndsWithEverythingShown() {
  TAboutBox box;
  box.MeasureDevIdoz = [] { return 1.0; };
  // A point of the board's green away from its grid lines, near the corner
  // of the box, which the animation uncovers last.
  const QPoint boardPoint = box.Reversi1->mapTo(&box, QPoint(3, 3));
  auto boardShown = [&] { return QColor(box.grab().toImage().pixel(boardPoint)) == QColor(0, 128, 0); };
  for (int opening = 0; opening < 2; ++opening) {
    box.show();
    QVERIFY(!boardShown());
    QTRY_VERIFY_WITH_TIMEOUT(boardShown(), 3000);
    box.hide();
  }
}

QTEST_MAIN(TAboutTest)
#include "about_test.moc"
