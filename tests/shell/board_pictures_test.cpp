// Pictures of the board: the files Export Board writes are PNG and SVG that
// read back at the diagram's size, show the position, number the discs only
// when asked, and a folder that cannot be written is reported; Copy Board as
// Image puts the same picture on the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "BoardExport.h"
#include "BoardPictures.h"
#include "BoardStyle.h"
#include "Sdimain.h"
#include "WindowParts.h"

namespace {

// Whether the square's disc shows any pixel of the other colour (its number).
bool Numbered(const QImage& image, const shell::TDiagramOptions& o, int row, int col, QRgb disc) {
  const int s = o.SquareSize, m = o.SquareSize;
  for (int y = m + row * s + s / 3; y < m + row * s + 2 * s / 3; ++y)
    for (int x = m + col * s + s / 3; x < m + col * s + 2 * s / 3; ++x)
      if (qGray(image.pixel(x, y)) != qGray(disc) && std::abs(qGray(image.pixel(x, y)) - qGray(disc)) > 128)
        return true;
  return false;
}

}  // namespace

class BoardPicturesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  std::string Ini() const { return QFile::encodeName(dir_.filePath(QStringLiteral("Reversi.ini"))).toStdString(); }

 private slots:
  void exportWritesPngAndSvgOfTheDiagramsSize() {
    TMain w(Ini());
    QApplication::clipboard()->setText(QStringLiteral("f5d6c3"));
    Part<QAction>(w, "Paste1")->trigger();
    QCOMPARE(w.Board()->CurrentGame().Moves.size(), size_t{3});
    auto* pictures = w.findChild<TBoardPictures*>();
    QVERIFY(pictures);
    const QStringList filters = pictures->Filters();
    const shell::TDiagramOptions o;
    const QSize size = shell::DiagramSize(o);
    QCOMPARE(size, QSize(10 * o.SquareSize, 10 * o.SquareSize));

    QString error;
    const QString plain = dir_.filePath("plain.png"), numbered = dir_.filePath("numbered.png");
    QVERIFY2(pictures->Export(plain, filters[0], &error), qPrintable(error));
    QVERIFY2(pictures->Export(numbered, filters[1], &error), qPrintable(error));
    const QImage a(plain), b(numbered);
    QCOMPARE(a.size(), size);
    QCOMPARE(b.size(), size);
    // f5 (row 4, column 5) black, placed first; d5 white from the start.
    QCOMPARE(qGray(a.pixel(o.SquareSize * 6 + o.SquareSize / 2, o.SquareSize * 5 + o.SquareSize / 2)), 0);
    QCOMPARE(qGray(a.pixel(o.SquareSize * 4 + o.SquareSize / 2, o.SquareSize * 5 + o.SquareSize / 2)), 255);
    QCOMPARE(a.pixel(o.SquareSize + 4, o.SquareSize + 4), qRgb(0, 128, 0));  // a1 empty
    QVERIFY(!Numbered(a, o, 4, 5, qRgb(0, 0, 0)));
    QVERIFY(Numbered(b, o, 4, 5, qRgb(0, 0, 0)));
    QVERIFY(!Numbered(b, o, 4, 3, qRgb(255, 255, 255)));  // a start disc has no number

    const QString svg = dir_.filePath("board.svg");
    QVERIFY2(pictures->Export(svg, filters[3], &error), qPrintable(error));
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("<svg") && text.contains(">1<") && text.contains(">3<"));
  }

  void anUnwritableFolderIsReportedAndCopyGivesTheImage() {
    TMain w(Ini());
    auto* pictures = w.findChild<TBoardPictures*>();
    QString error;
    QVERIFY(!pictures->Export(dir_.filePath("no/such/folder/board.png"), pictures->Filters()[0], &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(shell::DiagramFormatFor("x.SVG"), shell::TDiagramFormat::Svg);
    QCOMPARE(shell::DiagramFormatFor("x"), shell::TDiagramFormat::Png);

    Part<QAction>(w, "CopyBoardImage1")->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), shell::DiagramSize({}));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             shell::DiagramImage(shell::DiagramOf(*w.Board()), {}).convertToFormat(QImage::Format_RGB32));
  }

  // The board's style: the default look unless chosen, kept in its own
  // section only once changed, and "Follow the Desktop" dark only on a dark
  // palette.
  void theBoardStyleIsKeptOnlyOnceChosen() {
    QTemporaryDir dir;
    const std::string ini = QFile::encodeName(dir.filePath("Reversi.ini")).toStdString();
    auto a1 = [](TMain& w) { return w.Board()->grab().toImage().pixel(4, 4); };
    {
      TMain w(ini);
      w.show();
      QVERIFY(!w.Board()->Look());
      const reversi::TColor c = w.Board()->Color();
      QCOMPARE(a1(w), qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
      QVERIFY(w.close());
    }
    QFile file(dir.filePath("Reversi.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("Board_Style"));
    file.close();
    {
      TMain w(ini);
      w.show();
      Part<QAction>(w, "BoardStyle_wood")->trigger();
      QVERIFY(w.Board()->Look());
      QCOMPARE(a1(w), w.Board()->Look()->Board.rgb());
      QVERIFY(w.close());
    }
    {
      TMain w(ini);
      QVERIFY(Part<QAction>(w, "BoardStyle_wood")->isChecked());
      Part<QAction>(w, "BoardStyle_green")->trigger();
      QVERIFY(!w.Board()->Look());
      QVERIFY(w.close());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("Style=green"));

    QPalette dark, light;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    light.setColor(QPalette::Window, QColor(240, 240, 240));
    QVERIFY(TBoardStyle::IsDarkPalette(dark) && !TBoardStyle::IsDarkPalette(light));
    TMain w(ini);
    const QPalette before = QApplication::palette();
    Part<QAction>(w, "BoardStyle_desktop")->trigger();
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    QVERIFY(w.Board()->Look());
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    QVERIFY(!w.Board()->Look());
    QApplication::setPalette(before);
  }
};

QTEST_MAIN(BoardPicturesTest)
#include "board_pictures_test.moc"
