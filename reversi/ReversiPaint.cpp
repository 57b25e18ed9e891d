// Drawing the board: the size it settles at, and the picture drawn on the
// off-screen BoardImage and copied to the screen in one operation.
//
// Boxes below are given as the figure's corners with the right and bottom
// edges exclusive: a box (x1, y1)-(x2, y2) covers columns x1..x2-1 and rows
// y1..y2-1. Qt's raster painter, antialiasing off and with a one-pixel
// cosmetic pen, draws a rectangle or ellipse of width w over w + 1 columns,
// so every figure is handed to Qt one pixel smaller than its box.
//
// The geometry is in logical pixels; on a screen of device pixel ratio r the
// image holds r x r device pixels for each of them, and every box is scaled
// to device pixels before it is drawn, so the outlines and grid lines stay
// one device pixel wide and the picture is as sharp as the screen. At ratio
// 1 that is exactly the logical drawing.
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "Reversi.h"

using namespace reversi;

namespace {

QColor ToQColor(TColor c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Qt's rectangle for a box with exclusive right and bottom edges.
QRect Figure(int x1, int y1, int x2, int y2) {
  return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

// Outline with the current pen, inside with the current brush. Boxes of one
// or two pixels are too small for Qt to draw a figure; they are filled with
// the pen's colour, as the outline would cover them anyway.
void Ellipse(QPainter& p, int x1, int y1, int x2, int y2) {
  if (x2 - x1 <= 0 || y2 - y1 <= 0) return;
  if (x2 - x1 <= 2 || y2 - y1 <= 2) {
    p.fillRect(x1, y1, x2 - x1, y2 - y1, p.pen().color());
    return;
  }
  p.drawEllipse(Figure(x1, y1, x2, y2));
}

// Angle, in sixteenths of a degree counter-clockwise from three o'clock, of
// the radial from the centre of the box through (px, py).
int RadialAngle(int x1, int y1, int x2, int y2, int px, int py) {
  const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
  const double degrees = std::atan2(cy - py, px - cx) * 180.0 / std::numbers::pi;
  return static_cast<int>(std::lround(degrees * 16.0));
}

// Counter-clockwise from the radial through (sx, sy) to the one through
// (ex, ey), on the ellipse of the box.
void Arc(QPainter& p, int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) {
  if (x2 - x1 <= 2 || y2 - y1 <= 2) return;
  const int start = RadialAngle(x1, y1, x2, y2, sx, sy);
  int span = RadialAngle(x1, y1, x2, y2, ex, ey) - start;
  if (span <= 0) span += 360 * 16;
  p.drawArc(Figure(x1, y1, x2, y2), start, span);
}

// Legality for colour on a copy of the cells; the same walk as the rules.
bool LegalOn(const int32_t* cells, int colour, int square) {
  if (cells[square] != 0) return false;
  for (int d : kDirections) {
    int p = square + d;
    while (cells[p] == -colour) p += d;
    if (p != square + d && cells[p] == colour) return true;
  }
  return false;
}

}  // namespace

int TReversi::DiscSizeFor(int width, int height) {
  const int larger = std::max({width, height, 48});
  const int d = (larger - 24) / 8;
  return d % 2 == 0 ? d - 1 : d;
}

// Keeps the control square at the largest side 8 x odd + 24 that does not
// exceed the larger requested side. Settling is idempotent, so the resize
// it causes settles at once.
void TReversi::Settle() {
  discSize_ = DiscSizeFor(width(), height());
  const int side = 8 * discSize_ + 24;
  if (width() != side || height() != side) {
    resize(side, side);
    updateGeometry();
  }
}

void TReversi::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Settle();
}

TReversi::TShown TReversi::Shown() const {
  if (snapshot_) return {snapshot_->Cells.data(), snapshot_->SideToMove, snapshot_->JustPlayed};
  return {Cells.data(), SideToMove, JustPlayedSquare};
}

// The disc's box, outline, fill and highlight, over the board colour. The
// painter draws without antialiasing, so a figure moved by whole pixels
// covers the same pixels moved alike, and the copy matches drawing in place.
// Drawn in device pixels, like the rest of the board.
const QImage& TReversi::DiscStamp(bool white, const QColor& background, const TDevice& px) {
  const int d = discSize_;
  const int side = px(d);
  QImage& stamp = discStamps_[white ? 1 : 0];
  if (stamp.width() == side && stamp.height() == side && stamp.pixel(0, 0) == background.rgb()) return stamp;
  stamp = QImage(side, side, QImage::Format_RGB32);
  stamp.fill(background);
  const QColor whiteDisc = look_ ? look_->WhiteDisc : QColor(Qt::white);
  const QColor blackDisc = look_ ? look_->BlackDisc : QColor(Qt::black);
  const QPen blackPen(look_ ? look_->Lines : QColor(Qt::black), 0);
  QPainter p(&stamp);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(blackPen);
  p.setBrush(white ? whiteDisc : blackDisc);
  Ellipse(p, 0, 0, side, side);
  if (d > 12) {
    p.setPen(white ? blackPen : QPen(whiteDisc, 0));
    p.setBrush(Qt::NoBrush);
    Arc(p, px(3), px(3), px(d - 3), px(d - 3), px(d / 3), px(3), px(3), px(d / 3));
  }
  return stamp;
}

void TReversi::DrawBoard(const TShown& shown) {
  const TDevice px{devicePixelRatioF()};
  const int deviceSide = px(8 * (discSize_ + 3));
  if (boardImage_.width() != deviceSide || boardImage_.height() != deviceSide)
    boardImage_ = QImage(deviceSide, deviceSide, QImage::Format_RGB32);
  // Drawn in device pixels (the painter would scale an image of a higher
  // ratio, and its scaling draws a figure one device pixel short of its
  // box); the image takes its ratio once the picture is done.
  boardImage_.setDevicePixelRatio(1.0);
  PaintBoard(shown, px);
  boardImage_.setDevicePixelRatio(px.Ratio);
}

void TReversi::PaintBoard(const TShown& shown, const TDevice& px) {
  const int d = discSize_;
  const int pitch = d + 3;
  const int side = 8 * pitch;
  const int deviceSide = px(side);

  const QColor background = look_ ? look_->Board : ToQColor(Color());
  // Lines, outlines and marks: black on the default board.
  const QPen blackPen(look_ ? look_->Lines : QColor(Qt::black), 0);
  // A figure in the box (x1, y1)-(x2, y2) of logical pixels.
  auto ellipse = [&](QPainter& p, int x1, int y1, int x2, int y2) { Ellipse(p, px(x1), px(y1), px(x2), px(y2)); };

  QPainter p(&boardImage_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(blackPen);
  p.setBrush(background);
  p.drawRect(Figure(0, 0, deviceSide, deviceSide));

  // Line k = 8 would fall just outside the image; the border closes the board.
  // Each line is a rectangle one device pixel wide, the same pixels as a line
  // of the cosmetic pen at a fraction of its cost (the paint after every
  // search's move counts against the search).
  const QColor lines = blackPen.color();
  for (int k = 0; k < 8; ++k) {
    p.fillRect(0, px(k * pitch), deviceSide, 1, lines);
    p.fillRect(px(k * pitch), 0, 1, deviceSide, lines);
  }

  const bool thinking = Thinking();
  const bool ring = ShowThinking() && thinking;
  const int best = BestSquare();
  for (int i = 10; i <= 90; ++i) {
    const int cell = shown.Cells[i];
    if (cell == kBorder) continue;
    const int r = RowOf(i), c = ColOf(i);
    const int x = c * pitch + 2, y = r * pitch + 2;
    if (cell != 0) {
      const bool white = cell == kWhite;
      p.drawImage(px(x), px(y), DiscStamp(white, background, px));
      if (!thinking && FlipPreview[i] == 1 && ShowFlips()) {
        p.setPen(blackPen);
        p.setBrush(white ? (look_ ? look_->BlackDisc : QColor(Qt::black))
                         : (look_ ? look_->WhiteDisc : QColor(Qt::white)));
        ellipse(p, x + d / 3, y + d / 3, x + 2 * d / 3, y + 2 * d / 3);
      }
      if (i == shown.JustPlayed && ShowJustPlayed()) {
        p.setPen(blackPen);
        p.setBrush(ToQColor(JustPlayedColour()));
        ellipse(p, x + 2 * d / 5, y + 2 * d / 5, x + 3 * d / 5, y + 3 * d / 5);
      }
    } else {
      if (ring && i == best) {
        p.setPen(blackPen);
        p.setBrush(background);
        ellipse(p, x, y, x + d, y + d);
      }
      if (ShowLegal() && LegalOn(shown.Cells, shown.SideToMove, i)) {
        p.setPen(blackPen);
        p.setBrush(ToQColor(ShowLegalColor()));
        ellipse(p, x + d / 3, y + d / 3, x + 2 * d / 3, y + 2 * d / 3);
      }
    }
  }
  if (animation_) DrawTurningDiscs(p, shown, px, background);
  // The overlay and the cursor are drawn in logical pixels, the painter
  // scaling them to the device (they are smooth shapes and text).
  p.scale(px.Ratio, px.Ratio);
  if (!marks_.isEmpty() || !squareTexts_.isEmpty()) DrawOverlay(p, shown);
  DrawKeyCursor(p, pitch);
}

// A frame (two pixels wide at least) just inside the square's grid lines, in a colour
// that neither disc nor mark uses.
void TReversi::DrawKeyCursor(QPainter& p, int pitch) const {
  if (keyCursor_ == 0) return;
  const int x = ColOf(keyCursor_) * pitch + 1, y = RowOf(keyCursor_) * pitch + 1;
  const int width = std::max(2, pitch / 16);
  p.setPen(QPen(QColor(0, 255, 255), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(x + width / 2.0, y + width / 2.0, pitch - 1 - width, pitch - 1 - width));
}

int TReversi::ShownDiscs(int colour) const {
  const int32_t* cells = ShownCells();
  int count = 0;
  for (int i = 10; i <= 80; ++i) count += cells[i] == colour ? 1 : 0;
  return count;
}

bool TReversi::ShownGameOver() const {
  return !snapshot_ && FlipPotential(kBlack) == 0 && FlipPotential(kWhite) == 0;
}

bool TReversi::ShownLegal(int square) const {
  if (square < 10 || square > 80) return false;
  return LegalOn(ShownCells(), ShownSideToMove(), square);
}

void TReversi::SetLook(const std::optional<TLook>& look) {
  if (look == look_) return;
  look_ = look;
  // The stamps are kept by board colour alone; a look may share it.
  discStamps_[0] = discStamps_[1] = QImage();
  update();
}

void TReversi::SetMarks(const QList<int>& cells) {
  if (cells == marks_) return;
  marks_ = cells;
  update();
}

void TReversi::SetSquareTexts(const QMap<int, QString>& texts) {
  if (texts == squareTexts_) return;
  squareTexts_ = texts;
  update();
}

// Rings in the legal-move colour, texts in white on a dark plate so they
// read on any board colour; both on empty squares only.
void TReversi::DrawOverlay(QPainter& p, const TShown& shown) {
  const int d = discSize_;
  const int pitch = d + 3;
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int i : marks_) {
    if (i < 10 || i > 90 || shown.Cells[i] != 0) continue;
    const int x = ColOf(i) * pitch + 2, y = RowOf(i) * pitch + 2;
    p.setPen(QPen(ToQColor(ShowLegalColor()), std::max(2, d / 10)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(x + 1, y + 1, d - 2, d - 2));
  }
  QFont font = p.font();
  font.setPixelSize(std::max(6, d / 4));
  font.setBold(true);
  p.setFont(font);
  for (auto it = squareTexts_.cbegin(); it != squareTexts_.cend(); ++it) {
    const int i = it.key();
    if (i < 10 || i > 90 || shown.Cells[i] != 0) continue;
    const QRect box(ColOf(i) * pitch + 2, RowOf(i) * pitch + 2 + d / 3, d, d / 3);
    p.fillRect(box.adjusted(1, 0, -1, 0), QColor(0, 0, 0, 150));
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, it.value());
  }
  p.setRenderHint(QPainter::Antialiasing, false);
}

void TReversi::paintEvent(QPaintEvent*) {
  Settle();
  const TShown shown = Shown();
  if (animateFlips_) std::copy_n(shown.Cells, kCells, lastCells_.begin());
  DrawBoard(shown);
  // One copy of the finished picture: the board never shows half drawn.
  QPainter screen(this);
  screen.setCompositionMode(QPainter::CompositionMode_Source);
  screen.drawImage(0, 0, boardImage_);  // its device pixel ratio maps it 1:1
}
