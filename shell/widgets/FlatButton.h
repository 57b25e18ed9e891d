// A flat button as on a tool bar: no frame until the mouse is over it, a
// raised frame then, a sunken one while pressed. It shows a glyph, or a
// caption on a face of its own colour (SetColor), in a colour of its own
// (SetFontColor). It never takes the keyboard focus, so a key press always
// goes to the window.
#pragma once

#include <QColor>
#include <QToolButton>

class TFlatButton : public QToolButton {
  Q_OBJECT

 public:
  explicit TFlatButton(QWidget* parent = nullptr);

  // An invalid colour (the default) leaves the face to the style: a plain
  // auto-raise tool button.
  QColor Color() const { return color_; }
  void SetColor(const QColor& color);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
  QColor fontColor_{Qt::black};
};
