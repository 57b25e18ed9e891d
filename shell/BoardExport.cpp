#include "BoardExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

#include "Geometry.h"
#include "Reversi.h"

namespace shell {

namespace {

int Margin(const TDiagramOptions& o) {
  return o.Coordinates ? o.SquareSize : std::max(2, o.SquareSize / 4);
}

int Square(const TDiagramOptions& o) {
  return std::max(8, o.SquareSize);
}

void PaintCoordinates(QPainter& p, const TDiagramOptions& o) {
  const int s = Square(o), m = Margin(o);
  QFont font = p.font();
  font.setPixelSize(std::max(6, s * 2 / 5));
  p.setFont(font);
  p.setPen(Qt::black);
  for (int k = 0; k < 8; ++k) {
    const QString letter(QChar('a' + k)), digit(QChar('1' + k));
    p.drawText(QRect(m + k * s, 0, s, m), Qt::AlignCenter, letter);
    p.drawText(QRect(m + k * s, m + 8 * s, s, m), Qt::AlignCenter, letter);
    p.drawText(QRect(0, m + k * s, m, s), Qt::AlignCenter, digit);
    p.drawText(QRect(m + 8 * s, m + k * s, m, s), Qt::AlignCenter, digit);
  }
}

void PaintDisc(QPainter& p, const QRectF& box, int colour, int number) {
  const bool black = colour == reversi::kBlack;
  p.setPen(QPen(Qt::black, std::max(1.0, box.width() / 32)));
  p.setBrush(black ? Qt::black : Qt::white);
  p.drawEllipse(box);
  if (number <= 0) return;
  QFont font = p.font();
  font.setPixelSize(std::max(6, static_cast<int>(box.height() * (number >= 10 ? 0.42 : 0.5))));
  font.setBold(true);
  p.setFont(font);
  p.setPen(black ? Qt::white : Qt::black);
  p.drawText(box, Qt::AlignCenter, QString::number(number));
}

// The generator gives the size in millimetres at its resolution, which
// viewers turn into different pixel counts; the picture is meant at its size
// in pixels (CSS pixels, as the viewBox).
QByteArray SizeInPixels(const QByteArray& svg, const QSize& size) {
  static const QRegularExpression header(QStringLiteral("<svg width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
  QString text = QString::fromUtf8(svg);
  text.replace(header, QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height()));
  return text.toUtf8();
}

}  // namespace

TDiagram DiagramOf(const TReversi& board) {
  TDiagram diagram;
  const int32_t* cells = board.ShownCells();
  std::copy(cells, cells + reversi::kCells, diagram.Cells.begin());
  for (int k = 0; k < board.MovesPlayed && k < reversi::TReversiCore::kMaxRecord; ++k) {
    const int square = board.GameRecord[k];
    if (reversi::IsPlayingSquare(square)) diagram.MoveNumbers[square] = k + 1;
  }
  return diagram;
}

QSize DiagramSize(const TDiagramOptions& options) {
  const int side = 8 * Square(options) + 2 * Margin(options);
  return {side, side};
}

void PaintDiagram(QPainter& p, const TDiagram& diagram, const TDiagramOptions& options) {
  const int s = Square(options), m = Margin(options);
  const QSize size = DiagramSize(options);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  p.fillRect(QRect(m, m, 8 * s, 8 * s), QColor(0, 128, 0));
  p.setPen(QPen(Qt::black, std::max(1.0, s / 24.0)));
  for (int k = 0; k <= 8; ++k) {
    p.drawLine(QPointF(m, m + k * s), QPointF(m + 8 * s, m + k * s));
    p.drawLine(QPointF(m + k * s, m), QPointF(m + k * s, m + 8 * s));
  }
  // The four dots that books print at the corners of the centre.
  p.setBrush(Qt::black);
  const double dot = std::max(2.0, s / 10.0);
  for (int r : {2, 6})
    for (int c : {2, 6}) p.drawEllipse(QPointF(m + c * s, m + r * s), dot / 2, dot / 2);
  if (options.Coordinates) PaintCoordinates(p, options);
  const double inset = s * 0.08;
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 8; ++col) {
      const int square = reversi::SquareOf(row, col);
      const int colour = diagram.Cells[square];
      if (colour != reversi::kBlack && colour != reversi::kWhite) continue;
      const QRectF box(m + col * s + inset, m + row * s + inset, s - 2 * inset, s - 2 * inset);
      PaintDisc(p, box, colour, options.MoveNumbers ? diagram.MoveNumbers[square] : 0);
    }
}

QImage DiagramImage(const TDiagram& diagram, const TDiagramOptions& options) {
  QImage image(DiagramSize(options), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  PaintDiagram(p, diagram, options);
  return image;
}

TDiagramFormat DiagramFormatFor(const QString& path) {
  return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ? TDiagramFormat::Svg
                                                                                          : TDiagramFormat::Png;
}

bool WriteDiagram(const QString& path, TDiagramFormat format, const TDiagram& diagram, const TDiagramOptions& options,
                  QString* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (format == TDiagramFormat::Svg) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(DiagramSize(options));
    svg.setViewBox(QRect(QPoint(0, 0), DiagramSize(options)));
    svg.setTitle(QStringLiteral("Othello diagram"));
    {
      QPainter p(&svg);
      PaintDiagram(p, diagram, options);
    }
  } else if (!DiagramImage(diagram, options).save(&buffer, "PNG")) {
    if (error) *error = QStringLiteral("the image could not be encoded");
    return false;
  }
  buffer.close();
  if (format == TDiagramFormat::Svg) bytes = SizeInPixels(bytes, DiagramSize(options));
  // Written whole or not at all: an old picture of that name stays intact.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace shell
