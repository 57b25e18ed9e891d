// A soft shadow filling its rectangle: placed behind another widget and
// offset from it, it makes that widget look raised above the window.
#pragma once

#include <QWidget>

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
