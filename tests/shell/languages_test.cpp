// The program in each of its languages: every translation file holds every
// text, its placeholders and accelerators kept; the main window and the
// dialogs show their captions whole in each language (run at 1x and 2x); and
// the German texts as the German player meets them.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

#include "About.h"
#include "AnalysisWorker.h"
#include "EngineSettings.h"
#include "EnginesDialog.h"
#include "FileReasons.h"
#include "GamesPlayed.h"
#include "HowToPlay.h"
#include "Levelunt.h"
#include "MatchWindow.h"
#include "Sdimain.h"
#include "SetupDialog.h"
#include "Translations.h"
#include "WindowParts.h"

namespace {

const QStringList kLanguages = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("ja"),
                                QStringLiteral("zh_CN")};

// Makes `language` the program's language, as the desktop's locale does.
void UseLanguage(const QString& language) {
  auto* app = QCoreApplication::instance();
  for (QTranslator* t : app->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
  QLocale::setDefault(QLocale(language));
  InstallTranslations(*app);
}

struct TMessage {
  QString Context, Source;
  QStringList Forms;  // one, or one per plural form
  bool Unfinished = false;
};

QList<TMessage> ReadTs(const QString& language) {
  QFile file(QStringLiteral(VZ_TRANSLATIONS "/vezari-zaduder_%1.ts").arg(language));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no translation file for %s", qPrintable(language));
  QList<TMessage> messages;
  QString context;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == u"name") context = xml.readElementText();
    if (name == u"message") messages.append({context, {}, {}, false});
    if (name == u"source") messages.last().Source = xml.readElementText();
    if (name != u"translation") continue;
    TMessage& m = messages.last();
    m.Unfinished = xml.attributes().hasAttribute(QStringLiteral("type"));
    QString text;
    while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"translation")) {
      if (xml.isCharacters()) text += xml.text();
      if (xml.isStartElement() && xml.name() == u"numerusform") m.Forms << xml.readElementText();
    }
    if (m.Forms.isEmpty()) m.Forms << text;
  }
  if (xml.hasError()) qFatal("%s: %s", qPrintable(language), qPrintable(xml.errorString()));
  return messages;
}

// The %1 ... placeholders a text fills in, and whether it counts with %n.
QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const auto& m : QRegularExpression(QStringLiteral("%[0-9n]")).globalMatch(text)) found << m.captured();
  found.sort();
  found.removeDuplicates();
  return found;
}

int Accelerators(const QString& text) {
  return QString(text).remove(QStringLiteral("&&")).count(u'&');
}

// The height `text` needs in `w`: its font's, and more where other fonts
// supply glyphs that stand taller (Japanese or Chinese in a Latin font).
int TextHeight(const QWidget* w, const QString& text) {
  const auto tall = [w](const QString& t) {
    return w->fontMetrics().boundingRect(QRect(0, 0, 1 << 16, 1 << 16), Qt::AlignLeft, t).height();
  };
  return w->fontMetrics().height() + std::max(0, tall(text) - tall(QStringLiteral("Hg")));
}

// Every caption inside `container` shows its whole text, lies inside its
// parent and covers no other caption.
void NothingClipped(const QWidget* container) {
  QList<const QWidget*> seen;
  for (const QWidget* w : container->findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
    if (text.isEmpty() || !w->isVisibleTo(container)) continue;
    const QString shown = QString(text).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->wordWrap()) {
      QVERIFY2(w->height() >= w->heightForWidth(w->width()), qPrintable(text));
    } else if (qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w)) {
      // A button's hint asks for the style's margins, more than its text.
      QVERIFY2(w->width() >= w->fontMetrics().horizontalAdvance(shown) + 4, qPrintable(text));
      QVERIFY2(w->height() >= TextHeight(w, shown), qPrintable(text));
    } else {
      QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(text));
      QVERIFY2(w->height() >= TextHeight(w, shown), qPrintable(text));
    }
    QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(text));
    for (const QWidget* other : seen)
      if (other->parentWidget() == w->parentWidget())
        QVERIFY2(!other->geometry().intersects(w->geometry()), qPrintable(text));
    seen << w;
  }
  for (const QGroupBox* box : container->findChildren<QGroupBox*>())
    if (box->isVisibleTo(container))
      QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) < box->width(), qPrintable(box->title()));
}

// Within each menu (and the menu bar) no two items share an accelerator.
void AcceleratorsUnique(const QWidget& window) {
  QList<QList<QAction*>> menus{window.findChild<QMenuBar*>()->actions()};
  for (const QMenu* menu : window.findChildren<QMenu*>()) menus << menu->actions();
  for (const auto& actions : menus) {
    QStringList keys;
    for (const QAction* a : actions) {
      const auto m = QRegularExpression(QStringLiteral("&([^&])")).match(a->text());
      if (!m.hasMatch()) continue;
      const QString key = m.captured(1).toLower();
      QVERIFY2(!keys.contains(key), qPrintable(a->text()));
      keys << key;
    }
  }
}

template <class T>
void Shown(T& dialog) {
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  NothingClipped(&dialog);
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  static void AddLanguages() {
    QTest::addColumn<QString>("language");
    for (const QString& language : kLanguages) QTest::newRow(qPrintable(language)) << language;
  }

 private slots:
  void everyTextIsTranslatedWithItsPlaceholdersAndAccelerators_data() { AddLanguages(); }
  void everyTextIsTranslatedWithItsPlaceholdersAndAccelerators() {
    QFETCH(QString, language);
    QStringList reference, sources;
    for (const TMessage& m : ReadTs(QStringLiteral("de"))) reference << m.Context + u'|' + m.Source;
    for (const TMessage& m : ReadTs(language)) {
      sources << m.Context + u'|' + m.Source;
      QVERIFY2(!m.Unfinished && !m.Forms.isEmpty(), qPrintable(m.Source));
      for (const QString& form : m.Forms) {
        QVERIFY2(!form.isEmpty(), qPrintable(m.Source));
        QCOMPARE(Placeholders(form), Placeholders(m.Source));
        QVERIFY2(Accelerators(form) == Accelerators(m.Source), qPrintable(form));
      }
    }
    // The same texts as German: a text added in one language only shows.
    reference.sort();
    sources.sort();
    QCOMPARE(sources, reference);
  }

  // English counts in its own words ("1 game", "24504 games"), whatever
  // language has no translation; every counting text has both forms.
  void englishCountsInSingularAndPlural() {
    QStringList counting, english;
    for (const TMessage& m : ReadTs(QStringLiteral("de")))
      if (m.Source.contains(QLatin1String("%n"))) counting << m.Context + u'|' + m.Source;
    for (const TMessage& m : ReadTs(QStringLiteral("en"))) {
      english << m.Context + u'|' + m.Source;
      QCOMPARE(m.Forms.size(), 2);
      for (const QString& form : m.Forms) QVERIFY2(!form.contains(QLatin1String("(s)")), qPrintable(form));
    }
    counting.sort();
    english.sort();
    QCOMPARE(english, counting);
    for (const char* language : {"en_US", "C", "it"}) {
      UseLanguage(QLatin1String(language));
      const auto games = [](int n) {
        return QCoreApplication::translate("TOpeningsController", "Library %1: %n game(s)", nullptr, n)
            .arg(QStringLiteral("x"));
      };
      QCOMPARE(games(1), QStringLiteral("Library x: 1 game"));
      QCOMPARE(games(24504), QStringLiteral("Library x: 24504 games"));
      // The level text keeps its one form.
      QCOMPARE(QCoreApplication::translate("TLevelFrm", "%n seconds per move", nullptr, 1),
               QStringLiteral("1 seconds per move"));
    }
    UseLanguage(QStringLiteral("C"));
  }

  void theWindowAndTheDialogsShowTheirCaptionsWhole_data() { AddLanguages(); }
  void theWindowAndTheDialogsShowTheirCaptionsWhole() {
    QFETCH(QString, language);
    UseLanguage(language);
    TMain w(QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString());
    w.SetLevelDialog(new TLevelFrm(&w));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(Part<QMenu>(w, "File1")->title() != QStringLiteral("&File"));
    NothingClipped(&w);
    w.Board()->SetLevel(reversi::Ply1);
    w.Panel().ShowGame();
    // The analyst's widest figures: an exact value and a two-digit depth.
    TPositionValue solved;
    solved.Cell = reversi::SquareOf(7, 1);
    solved.Discs = -64;
    solved.Exact = true;
    solved.Depth = 22;
    solved.Valid = true;
    w.Panel().SetStatistics(true);
    w.Panel().AnalystThinking(solved);
    // The Game box's level text at its longest while the analyst plays.
    TStrongLevel& analyst = w.Analysis().AnalystLevel();
    const TStrongLevel before = analyst;
    analyst.Enabled = true;
    analyst.Strength = 3;
    analyst.Seconds = TStrongLevel::kMaxSeconds;
    w.Panel().ShowGame();
    NothingClipped(&w);
    analyst = before;
    w.Panel().ShowGame();
    // The big button's caption while the computer thinks.
    Part<QAbstractButton>(w, "PlayButton")->setText(QCoreApplication::translate("TPlayBar", "Thinking"));
    NothingClipped(&w);
    AcceleratorsUnique(w);
    Shown(*w.LevelDialog());
    // The analyst's panel with its longest note.
    Part<QComboBox>(*w.LevelDialog(), "StrengthBox")->setCurrentIndex(3);
    NothingClipped(w.LevelDialog());
    Shown(*w.GamesPlayed().Dialog());

    TAboutBox about;
    Shown(about);
    TSetupDialog setup;
    Shown(setup);
    TEngineSettings engines;
    TEnginesDialog enginesDialog(&engines);
    Shown(enginesDialog);
    TMatchWindow match;
    Shown(match);
  }

  void theGermanPlayerReadsGerman() {
    UseLanguage(QStringLiteral("de"));
    TMain w(QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString());
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
    w.SetLevelDialog(new TLevelFrm(&w));
    QCOMPARE(Part<QCheckBox>(*w.LevelDialog(), "AnalystCheck")->text(), QStringLiteral("Analyst als Gegner"));
    w.Analysis().SetAnalystPlayer(3);
    w.Panel().ShowGame();
    QCOMPARE(Part<QLabel>(w, "Label6")->text(), QStringLiteral("Analyst: Anfänger, 2 s pro Zug"));
    w.Analysis().SetAnalystPlayer(-1);

    QString told;
    w.Files().ReportFileFailure = [&](const QString& text) { told = text; };
    w.Files().OpenGameFile(dir_.filePath(QStringLiteral("nirgends.RGM")));
    QVERIFY2(told.contains(QStringLiteral("lässt sich nicht öffnen: die Datei existiert nicht.")), qPrintable(told));

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
    UseLanguage(QStringLiteral("de"));
    QCOMPARE(TranslatedReason(reason.toStdString()), shown);
  }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
