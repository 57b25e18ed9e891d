// A button in the shape of a thick arrow pointing left or right. Only the
// arrow itself reacts to the mouse; its face takes one colour normally, one
// while the mouse is over it and one while it is pressed. It never takes the
// keyboard focus.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPolygonF>

class TArrowButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class TDirection { Left, Right };

  explicit TArrowButton(TDirection direction, QWidget* parent = nullptr);

  TDirection Direction() const { return direction_; }
  void SetColors(const QColor& normal, const QColor& hover, const QColor& pressed);
  // The colour the face has now.
  QColor FaceColor() const;
  // The arrow's outline for the current size, in widget coordinates.
  QPolygonF Outline() const;

  QSize sizeHint() const override { return {45, 33}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
  bool event(QEvent* event) override;

 private:
  TDirection direction_;
  QColor normal_{Qt::blue};
  QColor hover_{Qt::blue};
  QColor pressed_{Qt::red};
};
