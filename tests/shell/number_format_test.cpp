// The number formats of the windows' figures, checked without a window: the
// C locale and a decimal-comma one.
#include <QLocale>
#include <QtTest>
#include <clocale>

#include "NumberFormat.h"

class NumberFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void numberFormats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("general");
    QTest::addColumn<QString>("fixed");
    QTest::newRow("0.35") << 0.35 << "0.35"
                          << "0.35";
    QTest::newRow("-1.2") << -1.2 << "-1.2"
                          << "-1.20";
    QTest::newRow("4") << 4.0 << "4"
                       << "4.00";
    QTest::newRow("0") << 0.0 << "0"
                       << "0.00";
    QTest::newRow("won by 64") << 64.0 << "64"
                               << "64.00";
    QTest::newRow("-220.64") << -220.64 << "-220.64"
                             << "-220.64";
    QTest::newRow("0.00001") << 0.00001 << "0.00001"
                             << "0.00";
    QTest::newRow("0.000001") << 0.000001 << "1E-6"
                              << "0.00";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345"
                               << "1.234568E14";
    QTest::newRow("16 digits") << 1234567890123456.0 << "1.23456789012346E15"
                               << "1.234568E15";
    QTest::newRow("1/3") << 1.0 / 3.0 << "0.333333333333333"
                         << "0.33";
  }
  void numberFormats() {
    QFETCH(double, value);
    QFETCH(QString, general);
    QFETCH(QString, fixed);
    const QLocale c(QLocale::C);
    QCOMPARE(FormatGeneral(value, c), general);
    QCOMPARE(FormatFixed2(value, c), fixed);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(FormatGeneral(value, german), QString(general).replace(u'.', u','));
    QCOMPARE(FormatFixed2(value, german), QString(fixed).replace(u'.', u','));
  }

  // A window runs with the C library's numbers in the user's locale (Qt sets
  // it from the environment); the figures still carry one separator.
  void numbersUnderTheProcessLocale() {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    int tried = 0;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "en_US.UTF-8"}) {
      if (!std::setlocale(LC_NUMERIC, name)) continue;
      ++tried;
      const QLocale locale(QString::fromLatin1(name).left(5));
      const QString point = locale.decimalPoint();
      QCOMPARE(FormatGeneral(18, locale), QStringLiteral("18"));
      QCOMPARE(FormatGeneral(-0.57, locale), QStringLiteral("-0") + point + QStringLiteral("57"));
      QCOMPARE(FormatGeneral(147.8, locale), QStringLiteral("147") + point + QStringLiteral("8"));
      QCOMPARE(FormatGeneral(0.000001, locale), QStringLiteral("1E-6"));
      QCOMPARE(FormatFixed2(-61.58, locale), QStringLiteral("-61") + point + QStringLiteral("58"));
      QCOMPARE(FormatFixed2(1.5e8, locale), QStringLiteral("1") + point + QStringLiteral("5E8"));
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (tried == 0) QSKIP("none of de_DE, fr_FR, en_US is installed");
  }
};

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "number_format_test.moc"
