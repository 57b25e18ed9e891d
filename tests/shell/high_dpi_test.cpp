// The main window on a screen of device pixel ratio 2 (run with
// QT_SCALE_FACTOR=2): the board and the glyphs are drawn at device
// resolution, not as bitmaps of the logical size scaled up.
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "Sdimain.h"
#include "WindowParts.h"
#include "widgets/FlatButton.h"

namespace {

// True when every aligned 2 x 2 block of the image is of one colour, as in a
// bitmap of half the size drawn at twice its size.
bool PixelDoubled(const QImage& image) {
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb p = image.pixel(x, y);
      if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p) return false;
    }
  return true;
}

// The run of `colour` starting at (x, y) and going (dx, dy).
int Run(const QImage& image, int x, int y, int dx, int dy, QRgb colour) {
  int n = 0;
  for (; image.valid(x, y) && image.pixel(x, y) == colour; x += dx, y += dy) ++n;
  return n;
}

}  // namespace

class HighDpiTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

 private slots:
  void theBoardAndGlyphsAreDrawnAtDeviceResolution() {
    TMain w(QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString());
    w.resize(900, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatioF(), 2.0);

    // The white disc of D4 (row 3, column 3), crossed through its middle
    // from the gap before it: one device pixel of outline, then white.
    TReversi& board = *w.Board();
    const QImage shot = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int d = board.DiscSize();
    QCOMPARE(shot.size(), board.size() * 2);
    const int x = 3 * (d + 3) + 2, mid = 2 * x + d;  // the box's left edge and middle, in device pixels
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    QCOMPARE(QColor(shot.pixel(2 * x - 1, mid)), QColor(0, 128, 0));
    QCOMPARE(Run(shot, 2 * x, mid, 1, 0, black), 1);
    QVERIFY(Run(shot, 2 * x + 1, mid, 1, 0, white) > d);
    QCOMPARE(Run(shot, mid, 2 * x, 0, 1, black), 1);
    QCOMPARE(Run(shot, 2 * (x + d) - 1, mid, -1, 0, black), 1);
    QCOMPARE(Run(shot, 2 * (x - 2), mid, 1, 0, black), 1);  // the grid line before the square

    // The toolbar's glyph, the side-to-move marker and the window's icon.
    const QImage glyph = Part<TFlatButton>(w, "OpenButton")->grab().toImage();
    QCOMPARE(glyph.size(), QSize(46, 44));
    QVERIFY(!PixelDoubled(glyph.copy(14, 12, 32, 32)));
    QVERIFY(!PixelDoubled(Part<QLabel>(w, "BlackMarker")->grab().toImage()));
    const QPixmap icon = w.windowIcon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(icon.size(), QSize(64, 64));
    QVERIFY(!PixelDoubled(icon.toImage()));
  }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
