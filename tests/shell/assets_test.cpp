// The compiled-in assets: the click's exact wave layout, and the images that
// must load at their sizes with a transparent background.
#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

#include "Sdimain.h"

class AssetsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Constructing the window registers the resources of the static library.
    TMain main(QDir::temp().filePath(QStringLiteral("vz-assets-test.ini")).toStdString());
  }

  void clickIsA256ByteEightBitMonoWave() {
    QFile f(QStringLiteral(":/assets/click.wav"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray w = f.readAll();
    QCOMPARE(w.size(), 256);
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(w.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(w.constData() + at); };
    QCOMPARE(w.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(4), 248u);
    QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(16), 16u);
    QCOMPARE(u16(20), quint16(1));  // PCM
    QCOMPARE(u16(22), quint16(1));  // mono
    QCOMPARE(u32(24), 22050u);      // samples per second
    QCOMPARE(u32(28), 22050u);      // bytes per second
    QCOMPARE(u16(32), quint16(1));  // block align
    QCOMPARE(u16(34), quint16(8));  // bits per sample
    QCOMPARE(w.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(40), 211u);
    int low = 255, high = 0;
    for (int i = 44; i < 44 + 211; ++i) {
      const int s = static_cast<unsigned char>(w[i]);
      low = std::min(low, s);
      high = std::max(high, s);
    }
    QCOMPARE(low, 89);
    QCOMPARE(high, 160);
  }

  void imagesLoadAtTheirSizes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("side");
    QTest::newRow("open") << ":/assets/open.xpm" << 16;
    QTest::newRow("save") << ":/assets/save.xpm" << 16;
    QTest::newRow("new") << ":/assets/new.xpm" << 16;
    QTest::newRow("marker") << ":/assets/tomove.xpm" << 16;
    QTest::newRow("icon") << ":/assets/icon.xpm" << 32;
  }
  void imagesLoadAtTheirSizes() {
    QFETCH(QString, path);
    QFETCH(int, side);
    QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(side, side));
  }

  void markerIsAGreenTickOnTransparent() {
    const QImage marker = QImage(QStringLiteral(":/assets/tomove.xpm")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(marker.pixel(0, 0)), 0);
    int green = 0, grey = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const QRgb p = marker.pixel(x, y);
        if (qAlpha(p) == 0) continue;
        if (qGreen(p) > 2 * qRed(p) && qGreen(p) > 2 * qBlue(p)) ++green;
        if (qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) ++grey;
      }
    QVERIFY(green > 20);
    QVERIFY(grey > 5);
  }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
