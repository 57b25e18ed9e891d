// The game's command line: what each kind of argument list asks for, and the
// version text read from an executable's version data.
#include <QtTest>

#include "CommandLine.h"

class TCommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void arguments_data();
  void arguments();
  void versionComesFromTheVersionData();
};

void TCommandLineTest::arguments_data() {
  QTest::addColumn<QStringList>("args");
  QTest::addColumn<int>("action");
  QTest::addColumn<QString>("file");
  const int play = TCommandLine::Play, mistake = TCommandLine::Mistake;
  QTest::newRow("none") << QStringList{} << play << QString();
  QTest::newRow("name only") << QStringList{"vz"} << play << QString();
  QTest::newRow("file") << QStringList{"vz", "game.RGM"} << play << "game.RGM";
  QTest::newRow("Qt options pass") << QStringList{"vz", "-platform", "xcb", "-style=Fusion", "-reverse", "g.RGM"}
                                   << play << "g.RGM";
  QTest::newRow("file after --") << QStringList{"vz", "--", "-odd.RGM"} << play << "-odd.RGM";
  QTest::newRow("help") << QStringList{"vz", "-h"} << int(TCommandLine::Help) << QString();
  QTest::newRow("help wins") << QStringList{"vz", "g.RGM", "--help", "--version"} << int(TCommandLine::Help)
                             << QString();
  QTest::newRow("version") << QStringList{"vz", "--version"} << int(TCommandLine::Version) << QString();
  QTest::newRow("unknown long") << QStringList{"vz", "--bogus"} << mistake << QString();
  QTest::newRow("unknown short") << QStringList{"vz", "-x", "g.RGM"} << mistake << QString();
  QTest::newRow("value missing") << QStringList{"vz", "-style"} << mistake << QString();
  QTest::newRow("two files") << QStringList{"vz", "a.RGM", "b.RGM"} << mistake << QString();
  QTest::newRow("empty file") << QStringList{"vz", ""} << mistake << QString();
}

void TCommandLineTest::arguments() {
  QFETCH(QStringList, args);
  QFETCH(int, action);
  QFETCH(QString, file);
  const TCommandLine line = ParseCommandLine(args);
  QCOMPARE(int(line.Action), action);
  QCOMPARE(line.GameFile, file);
  QCOMPARE(line.Problem.isEmpty(), action != TCommandLine::Mistake);
}

void TCommandLineTest::versionComesFromTheVersionData() {
  // This test links the version data, as the game does.
  const QString text = VersionText(QCoreApplication::applicationFilePath());
  QVERIFY2(QRegularExpression(QStringLiteral("^vezari-zaduder \\d+\\.\\d+\\.\\d+\\.\\d+\nCopyright .+\n$"))
               .match(text)
               .hasMatch(),
           qPrintable(text));
  QCOMPARE(VersionText(QStringLiteral(VZ_PLAIN_EXE)), QString());
  QCOMPARE(AnswerCommandLine({TCommandLine::Version, {}, {}}, QStringLiteral(VZ_PLAIN_EXE)), 1);
}

QTEST_MAIN(TCommandLineTest)
#include "command_line_test.moc"
