// Edit > Engines...: an engine added by its command line (its protocol and
// name asked of it on a thread of its own), kept in the settings only once
// the list changed, removed again; a command that is no engine is refused
// with its reason; the match window plays a registered engine by its name.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "BalancedOpenings.h"
#include "EngineOpponent.h"
#include "EnginesDialog.h"
#include "IniText.h"
#include "MatchWindow.h"
#include "Notation.h"

namespace {

template <class T>
T* Part(QWidget& w, const char* name) {
  T* part = w.findChild<T*>(QLatin1String(name));
  if (!part) qFatal("no %s", name);
  return part;
}

// The settings as a file holding only these writes, read back.
TEngineSettings RoundTrip(const QTemporaryDir& dir, const std::vector<TIniWrite>& writes) {
  const std::string path = dir.filePath(QStringLiteral("settings.ini")).toStdString();
  QFile file(QString::fromStdString(path));
  const std::optional<std::string> text = ApplyIniWrites("", writes);
  if (!text || !file.open(QIODevice::WriteOnly)) qFatal("cannot write the settings");
  file.write(text->data(), static_cast<qint64>(text->size()));
  file.close();
  TEngineSettings read;
  read.Load(path);
  return read;
}

}  // namespace

class EnginesWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void anEngineIsDetectedKeptAndRemoved() {
    QTemporaryDir dir;
    TEngineSettings engines, atStart;
    QVERIFY(engines.Writes(atStart).empty());
    TEnginesDialog d(&engines);
    QSignalSpy ended(&d, &TEnginesDialog::DetectionEnded);
    Part<QLineEdit>(d, "Command")->setText(QStringLiteral(VZ_ENGINE " --gtp --engine levels"));
    d.AddClick();
    QVERIFY(d.Detecting());
    QVERIFY(ended.wait(20000));
    QCOMPARE(ended.at(0).at(0).toBool(), true);
    QCOMPARE(engines.Engines.size(), size_t{1});
    QCOMPARE(engines.Engines[0].Protocol, reversi::engines::TProtocol::Gtp);
    QVERIFY(!engines.Engines[0].Name.empty());

    // The same command again, named by hand and told its protocol.
    Part<QLineEdit>(d, "Command")->setText(QStringLiteral(VZ_ENGINE " --engine levels"));
    Part<QLineEdit>(d, "Name")->setText(QStringLiteral("Ours"));
    Part<QComboBox>(d, "Protocol")->setCurrentIndex(2);
    d.AddClick();
    QCOMPARE(engines.Engines.size(), size_t{2});
    QCOMPARE(engines.Engines[1].Choice(), std::string("nboard:" VZ_ENGINE " --engine levels"));

    const TEngineSettings read = RoundTrip(dir, engines.Writes(atStart));
    QVERIFY(read.Engines == engines.Engines);

    Part<QListWidget>(d, "List")->setCurrentRow(0);
    d.RemoveClick();
    QCOMPARE(engines.Engines.size(), size_t{1});
    QCOMPARE(RoundTrip(dir, engines.Writes(read)).Engines.size(), size_t{1});
    QCOMPARE(RoundTrip(dir, engines.Writes(read)).Engines[0].Name, std::string("Ours"));
  }

  void aCommandThatIsNoEngineIsRefusedWithItsReason() {
    TEngineSettings engines;
    TEnginesDialog d(&engines);
    QSignalSpy ended(&d, &TEnginesDialog::DetectionEnded);
    Part<QLineEdit>(d, "Command")->setText(QStringLiteral("/nonexistent/engine --gtp"));
    d.AddClick();
    QVERIFY(ended.wait(20000));
    QCOMPARE(ended.at(0).at(0).toBool(), false);
    QVERIFY(engines.Engines.empty());
    QVERIFY(Part<QLabel>(d, "Status")->text().contains(QStringLiteral("not added")));
  }

  void theMatchPlaysARegisteredEngineByItsName() {
    TEngineSettings engines;
    engines.Engines.push_back({"Ours", reversi::engines::TProtocol::Gtp, VZ_ENGINE " --gtp --engine levels --depth 1"});
    TMatchWindow w;
    w.OfferEngines(engines);
    auto* first = Part<QComboBox>(w, "Player1");
    QVERIFY(first->findText(QStringLiteral("Ours")) >= 0);
    first->setCurrentText(QStringLiteral("Ours"));
    Part<QComboBox>(w, "Player2")->setCurrentText(QStringLiteral("levels:1"));
    Part<QSpinBox>(w, "Games")->setValue(2);
    Part<QComboBox>(w, "Budget")->setCurrentIndex(1);
    Part<QDoubleSpinBox>(w, "Amount")->setValue(1);
    QSignalSpy ended(&w, &TMatchWindow::MatchEnded);
    QVERIFY(w.Start());
    QVERIFY(ended.wait(60000));
    QCOMPARE(w.Results().size(), size_t{2});
    for (const auto& game : w.Results()) QCOMPARE(game.ForfeitBy, -1);
  }

  void aMatchFromBalancedStartsPlaysTheSeedsOpenings() {
    TMatchWindow w;
    Part<QComboBox>(w, "Player1")->setCurrentText(QStringLiteral("levels:1"));
    Part<QComboBox>(w, "Player2")->setCurrentText(QStringLiteral("levels:1"));
    Part<QSpinBox>(w, "Games")->setValue(2);
    Part<QComboBox>(w, "Budget")->setCurrentIndex(1);
    Part<QDoubleSpinBox>(w, "Amount")->setValue(1);
    Part<QComboBox>(w, "Openings")->setCurrentIndex(1);
    Part<QSpinBox>(w, "Seed")->setValue(7);
    QSignalSpy ended(&w, &TMatchWindow::MatchEnded);
    QVERIFY(w.Start());
    QVERIFY(ended.wait(60000));
    QCOMPARE(w.Results().size(), size_t{2});
    const auto start = reversi::engines::BalancedOpenings(7, 1).front().Moves;
    const auto& played = w.Results()[0].Game.Moves;
    QVERIFY(played.size() > start.size());
    QVERIFY(std::equal(start.begin(), start.end(), played.begin()));
  }

  // The engine's move from the game on the board; an illegal move, or an
  // engine that cannot be started, gives 0 with the reason, and the
  // computer's own player then moves.
  void anEngineOpponentsMovesAreCheckedByOurRules() {
    QTemporaryDir dir;
    const QString fake = dir.filePath(QStringLiteral("fake-gtp.sh"));
    QFile script(fake);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        "while read -r cmd rest; do case $cmd in genmove) echo '= A1';; quit) echo '='; echo; exit;; "
        "*) echo '=';; esac; echo; done\n");
    script.close();
    reversi::TReversiCore core;
    core.NewGame();
    QString why;
    const auto failed = [&why](const QString& what) { why = what; };
    const auto move = [&](const std::string& command) {
      TEngineEntry entry{"E", reversi::engines::TProtocol::Gtp, command};
      TEngineOpponent opponent;
      opponent.Choose(&entry);
      why.clear();
      return opponent.Move(core, failed);
    };

    const int cell = move(VZ_ENGINE " --gtp --engine levels --depth 1");
    reversi::TPosition start = reversi::TPosition::Standard();
    QVERIFY2(reversi::PlayOn(start, cell), qPrintable(why));

    QCOMPARE(move("sh " + fake.toStdString()), 0);
    QVERIFY2(why.contains(QStringLiteral("illegal move"), Qt::CaseInsensitive), qPrintable(why));

    QCOMPARE(move("/nonexistent/engine"), 0);
    QVERIFY2(why.contains(QStringLiteral("gave no move")), qPrintable(why));

    // Move Now (or the close) does not wait for an engine that never moves.
    QFile silent(dir.filePath(QStringLiteral("silent-gtp.sh")));
    QVERIFY(silent.open(QIODevice::WriteOnly));
    silent.write("while read -r cmd rest; do case $cmd in genmove) sleep 20;; *) echo '=';; esac; echo; done\n");
    silent.close();
    core.RequestStop();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(move("sh " + silent.fileName().toStdString()), 0);
    QVERIFY2(timer.elapsed() < 10000, qPrintable(why));
    QVERIFY2(why.contains(QStringLiteral("stopped")), qPrintable(why));
  }
};

QTEST_MAIN(EnginesWindowTest)
#include "engines_window_test.moc"
