// The main window's two bars of buttons. The toolbar: open, save, new. The
// bar of play buttons under the board: take back, the big button that
// starts and stops the computer, move forward; while the computer thinks
// the big button blinks "Thinking", turned by a 1000 ms timer (Timer1).
#pragma once

#include <QWidget>

class QTimer;
class TFlatButton;

class TToolbar : public QWidget {
  Q_OBJECT

 public:
  explicit TToolbar(QWidget* parent);

 signals:
  void OpenClicked();
  void SaveClicked();
  void NewClicked();
};

class TPlayBar : public QWidget {
  Q_OBJECT

 public:
  explicit TPlayBar(QWidget* parent);

  // The thinking indicator: starts blinking at once / is back to "orvane".
  void SearchBegan();
  void SearchEnded();

 signals:
  void BackClicked();
  void PlayClicked();
  void ForwardClicked();

 private:
  void Timer1Timer();

  TFlatButton* PlayButton = nullptr;
  QTimer* Timer1 = nullptr;
};
