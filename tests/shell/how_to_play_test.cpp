// Help > How to Play: the page's rules, keys and panels, one page per window.
#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "HowToPlay.h"
#include "Sdimain.h"

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
    for (const char* words : {"Black moves first", "passes", "New Game as White", "d3", "Arrow keys", "Space",
                              "Statistics", "Best Line", "in discs"}) {
      QVERIFY2(text.contains(QLatin1String(words)), words);
    }
    QVERIFY(!text.contains(QLatin1String("You play Black")));  // the person may play White
    QVERIFY(THowToPlay::PageText(QStringLiteral("H")).contains(QStringLiteral("<b>H</b>")));
    QVERIFY(page->Page->isReadOnly());

    // Asked again, the same page comes up; Close hides it.
    ShowHowToPlay(&window, QStringLiteral("H"));
    QCOMPARE(window.findChildren<THowToPlay*>().size(), 1);
    page->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    QVERIFY(!page->isVisible());
  }

  void theHelpMenuOpensItWithTheHintKey() {
    QTemporaryDir dir;
    TMain w(QFile::encodeName(dir.filePath(QStringLiteral("Reversi.ini"))).toStdString());
    auto* item = w.findChild<QAction*>(QStringLiteral("HowToPlay1"));
    QVERIFY(item);
    item->trigger();
    const auto pages = w.findChildren<THowToPlay*>();
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.front()->isVisible());
    // The key the Edit menu names for Hint, whatever it is.
    const QString key = w.findChild<QAction*>(QStringLiteral("Hint1"))->shortcut().toString(QKeySequence::NativeText);
    QVERIFY(!key.isEmpty());
    QTextDocument expected;
    expected.setHtml(THowToPlay::PageText(key));
    QCOMPARE(pages.front()->Page->toPlainText(), expected.toPlainText());
  }

  void keysAreShownAsText() {
    // A hint key such as "?" or "Ctrl+H" goes on the page as written.
    QVERIFY(THowToPlay::PageText(QStringLiteral("<?>")).contains(QStringLiteral("&lt;?&gt;")));
  }
};

QTEST_MAIN(HowToPlayTest)
#include "how_to_play_test.moc"
