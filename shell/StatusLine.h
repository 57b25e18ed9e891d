// The status line under the window: the hint of the control under the mouse
// or of the highlighted menu item, and what the window tells the user. What
// it says is also its accessible name, which screen readers follow.
#pragma once

#include <QLabel>

class TStatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit TStatusLine(QWidget* parent);

  void ShowHint(const QString& hint);
  // Says text to assistive tools; shown also writes it on the line.
  void Announce(const QString& text, bool shown = true);
  // A shown announcement about a game that has been replaced goes; a hint
  // stays.
  void ForgetAnnouncement();

 private:
  QString announced_;
};
