// An integer field with up and down arrows, for dialogs that take numbers.
//
// Unlike QSpinBox it does not police the text while the user types: the
// text may stand outside the range, or be empty, until the field loses the
// focus or a step is taken. Value() reads the text as it stands, so Enter,
// which presses the dialog's default button without moving the focus, sees
// exactly what was typed.
#pragma once

#include <QLineEdit>

class QToolButton;

class TSpinField : public QLineEdit {
  Q_OBJECT

 public:
  TSpinField(int minValue, int maxValue, QWidget* parent = nullptr);

  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }

  // The integer the text holds, not brought into range; MinValue() when the
  // text is empty or not an integer.
  int Value() const;
  // Shows value brought into the range (to the nearer bound).
  void SetValue(int value);
  // What the arrows and the Up, Down, Page Up and Page Down keys do: the value
  // read plus delta, brought into range.
  void StepBy(int delta);

  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  // A typed character was refused (after the beep).
  void KeyRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int Clamp(long long value) const;
  void PlaceButtons();

  int minValue_;
  int maxValue_;
  QToolButton* up_;
  QToolButton* down_;
};
