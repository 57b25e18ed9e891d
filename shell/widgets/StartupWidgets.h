// Small decorations shared by the splash window and the about box: text with
// a stepped shadow and a label that opens a web address.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QUrl>
#include <QWidget>
#include <functional>

class QPainter;

// Draws text with a shadow depth pixels deep: the shadow colour repeated at
// offsets depth .. 1 down and to the right, then the text on top, so the
// letters look raised off the surface.
void DrawShadowText(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& colour,
                    const QColor& shadow, int depth);

// The font at its pixel size, or smaller until text fits in width: a title
// in a fixed box must not lose its last letters where the font on hand runs
// wider than the one the box was laid out for.
QFont FitFontToWidth(QFont font, const QString& text, int width);

// A fixed-size label drawn with DrawShadowText.
class TShadowLabel : public QWidget {
  Q_OBJECT

 public:
  explicit TShadowLabel(QWidget* parent = nullptr);

  QString Text() const { return text_; }
  void SetText(const QString& text);
  QColor Colour() const { return colour_; }
  void SetColour(const QColor& colour);
  QColor ShadowColour() const { return shadowColour_; }
  void SetShadowColour(const QColor& colour);
  int ShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int depth);
  // Qt::Alignment and Qt::TextFlag bits, as QPainter::drawText takes them.
  int TextFlags() const { return textFlags_; }
  void SetTextFlags(int flags);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_ = Qt::black;
  QColor shadowColour_ = QColor(96, 96, 96);
  int shadowDepth_ = 2;
  int textFlags_ = Qt::AlignLeft | Qt::AlignTop;
};

// A web address in blue, underlined, with a pointing-hand cursor. A left
// click hands the address to the desktop; if the desktop refuses, the label
// turns disabled and no longer reacts.
class TUrlLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TUrlLabel(QWidget* parent = nullptr);

  // Opens an address; QDesktopServices::openUrl unless replaced (tests).
  std::function<bool(const QUrl&)> Open;
  // Told when Open fails; empty by default.
  std::function<void(const QUrl&)> OnOpenFailed;

  QUrl Address() const;
  // Same as a left click.
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};
