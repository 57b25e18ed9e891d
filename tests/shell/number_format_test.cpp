// The number formats of the windows' figures, checked without a window: the
// C locale and a decimal-comma one.
#include <QLocale>
#include <QtTest>

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
};

QTEST_APPLESS_MAIN(NumberFormatTest)
#include "number_format_test.moc"
