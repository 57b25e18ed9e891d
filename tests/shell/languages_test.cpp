// The program under a German locale (run with LANG=de_DE.UTF-8): the menus,
// the side panel and the level dialog speak German, and no caption is cut
// off by the room the English design gave it.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "FileReasons.h"
#include "HowToPlay.h"
#include "Levelunt.h"
#include "Sdimain.h"
#include "Translations.h"
#include "WindowParts.h"

namespace {

// Every caption inside `container` shows its whole text, lies inside its
// parent and covers no other caption.
void NothingClipped(const QWidget* container) {
  QList<const QWidget*> seen;
  for (const QWidget* w : container->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    if (auto* radio = qobject_cast<const QRadioButton*>(w)) text = radio->text();
    if (text.isEmpty() || w->isHidden()) continue;
    QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(text));
    QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(text));
    for (const QWidget* other : seen)
      if (other->parentWidget() == w->parentWidget())
        QVERIFY2(!other->geometry().intersects(w->geometry()), qPrintable(text));
    seen << w;
  }
}

}  // namespace

class GermanTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void initTestCase() { InstallTranslations(*QCoreApplication::instance()); }

  void theMainWindowAndTheLevelDialogSpeakGerman() {
    TMain w(QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString());
    w.SetLevelDialog(new TLevelFrm(&w));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    QCOMPARE(Part<QMenu>(w, "File1")->title(), QStringLiteral("&Datei"));
    QCOMPARE(Part<QAction>(w, "New1")->text(), QStringLiteral("&Neues Spiel"));
    QCOMPARE(Part<QMenu>(w, "Edit1")->title(), QStringLiteral("&Bearbeiten"));
    QCOMPARE(Part<QAction>(w, "Level1")->text(), QStringLiteral("Stufe..."));
    QCOMPARE(Part<QAction>(w, "TakeBack1")->text(), QStringLiteral("Zug zurücknehmen"));
    QCOMPARE(Part<QMenu>(w, "View1")->title(), QStringLiteral("&Ansicht"));
    QCOMPARE(Part<QAction>(w, "HowToPlay1")->text(), QStringLiteral("&Spielanleitung"));
    QCOMPARE(Part<QMenu>(w, "Help1")->title(), QStringLiteral("&Hilfe"));
    QCOMPARE(Part<QGroupBox>(w, "GroupBox1")->title(), QStringLiteral("Spiel"));
    QCOMPARE(Part<QLabel>(w, "Label6")->text(), QStringLiteral("2 Sekunden pro Zug"));
    w.Board()->SetLevel(reversi::Ply1);
    w.Panel().ShowGame();
    QCOMPARE(Part<QLabel>(w, "Label6")->text(), QStringLiteral("Suche über 1 Halbzug"));

    for (const QGroupBox* box : {Part<QGroupBox>(w, "GroupBox1"), Part<QGroupBox>(w, "GroupBox2")}) NothingClipped(box);
    NothingClipped(w.LevelDialog());

    QString told;
    w.Files().ReportFileFailure = [&](const QString& text) { told = text; };
    w.Files().OpenGameFile(dir_.filePath(QStringLiteral("nirgends.RGM")));
    QVERIFY2(told.contains(QStringLiteral("lässt sich nicht öffnen: die Datei existiert nicht.")), qPrintable(told));
  }

  void theHowToPlayPageSpeaksGerman() {
    const THowToPlay page(QStringLiteral("H"));
    QCOMPARE(page.windowTitle(), QStringLiteral("Spielanleitung"));
    QVERIFY(THowToPlay::PageText(QStringLiteral("H")).contains(QStringLiteral("Schwarz zieht zuerst")));
    QVERIFY(THowToPlay::PageText(QStringLiteral("H")).contains(QStringLiteral("Leertaste")));
  }

  void reasonsAreTranslatedWithTheirParticularsKept_data() {
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("shown");
    QTest::newRow("numbers") << "move 5 (33) is not a legal move"
                             << "Zug 5 (33) ist kein gültiger Zug";
    QTest::newRow("square") << "move 2, a1 (10) is not a legal move"
                            << "Zug 2, a1 (10) ist kein gültiger Zug";
    QTest::newRow("quoted") << "\"x%2\" is not a whole number"
                            << "\"x%2\" ist keine ganze Zahl";
    QTest::newRow("system's words") << "the file cannot be read: Input/output error 5"
                                    << "die Datei lässt sich nicht lesen: Input/output error 5";
    QTest::newRow("notation") << "move 3, \"z9\": not a square"
                              << "Zug 3, \"z9\": kein Feld";
    QTest::newRow("notation's colour") << "move 4, \"c3\": not a legal move for White"
                                       << "Zug 4, \"c3\": kein gültiger Zug für Weiß";
    QTest::newRow("board") << "square d4: \"q\" is not X, O or -"
                           << "Feld d4: \"q\" ist nicht X, O oder -";
    QTest::newRow("untranslated") << "a new reason 7: 50% of %1"
                                  << "a new reason 7: 50% of %1";
  }
  void reasonsAreTranslatedWithTheirParticularsKept() {
    QFETCH(QString, reason);
    QFETCH(QString, shown);
    QCOMPARE(TranslatedReason(reason.toStdString()), shown);
  }
};

QTEST_MAIN(GermanTest)
#include "german_test.moc"
