// A plain geometric shape: a circle as large as the smaller side of its
// rectangle, centred in it, filled with a brush and outlined with a pen.
#pragma once

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
  Q_OBJECT

 public:
  explicit TShape(QWidget* parent = nullptr);
  void SetBrushColor(const QColor& color);
  QColor BrushColor() const { return brush_; }
  void SetPenColor(const QColor& color);
  QColor PenColor() const { return pen_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor brush_{Qt::white};
  QColor pen_{Qt::black};
};
