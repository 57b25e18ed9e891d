// Help > How to Play: the page's rules, keys and panels, one page per window.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "HowToPlay.h"

class HowToPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void thePageTeachesTheGame() {
    QWidget window;
    ShowHowToPlay(&window, QStringLiteral("H"));
    const auto pages = window.findChildren<THowToPlay*>();
    QCOMPARE(pages.size(), 1);
    THowToPlay* page = pages.front();
    QVERIFY(page->isVisible());
    QCOMPARE(page->windowTitle(), QStringLiteral("How to Play"));
    const QString text = page->Page->toPlainText();
    for (const char* words :
         {"Black moves first", "passes", "d3", "Arrow keys", "Space", "Statistics", "Best Line", "in discs"}) {
      QVERIFY2(text.contains(QLatin1String(words)), words);
    }
    QVERIFY(THowToPlay::PageText(QStringLiteral("H")).contains(QStringLiteral("<b>H</b>")));
    QVERIFY(page->Page->isReadOnly());

    // Asked again, the same page comes up; Close hides it.
    ShowHowToPlay(&window, QStringLiteral("H"));
    QCOMPARE(window.findChildren<THowToPlay*>().size(), 1);
    page->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!page->isVisible());
  }

  void keysAreShownAsText() {
    // A hint key such as "?" or "Ctrl+H" goes on the page as written.
    QVERIFY(THowToPlay::PageText(QStringLiteral("<?>")).contains(QStringLiteral("&lt;?&gt;")));
  }
};

QTEST_MAIN(HowToPlayTest)
#include "how_to_play_test.moc"
