// A soft shadow: placed behind something and offset from it, it makes that
// look raised above the surface.
#pragma once

#include <QWidget>

class QPainter;

// Fills rect with `layers` translucent black layers of `alpha`, each inset one
// pixel more than the one before, so the shadow is darkest in its core and
// fades out over its outer pixels. Rounded, the corners of layer i are
// rounded by (layers - i) pixels and drawn antialiased.
void DrawDropShadow(QPainter& painter, const QRect& rect, int layers, int alpha, bool rounded);

// The shadow as a widget filling its rectangle, rounded.
class TDropShadow : public QWidget {
  Q_OBJECT

 public:
  explicit TDropShadow(QWidget* parent = nullptr);
  // How many pixels at the edges fade out.
  int Softness() const { return softness_; }
  void SetSoftness(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int softness_ = 4;
};
