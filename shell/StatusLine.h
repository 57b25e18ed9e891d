// The status line under the window: the hint of the control under the mouse
// or of the highlighted menu item, and what the window tells the user. It is
// the window's one live region for assistive tools: what it says (its
// accessible name) changes with one event for each announcement, so a
// screen reader hears a move, a pass or a result once.
#pragma once

#include <QLabel>
#include <functional>

class TStatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit TStatusLine(QWidget* parent);

  void ShowHint(const QString& hint);
  // A text about the game (the analysis, the openings): shown and said like
  // a hint, and gone with the game as an announcement is.
  void ShowStatus(const QString& text);
  // Says text to assistive tools; shown also writes it on the line.
  void Announce(const QString& text, bool shown = true);
  // What was shown or said about a game that has been replaced goes; a hint
  // stays.
  void ForgetAnnouncement();
  // What assistive tools read as the line's name.
  const QString& Spoken() const { return spoken_; }

 private:
  void Say(const QString& text);

  QString announced_;
  QString spoken_;
};

// Makes label a figure that assistive tools read when they ask for it (its
// name is its text, or its property "vzSpoken" when it has one) and that
// sends no event of its own when its text changes: SayChanged sends one,
// when its owner sees fit.
void MakeQuietLabel(QLabel* label);
void SayChanged(QLabel* label);
// Hears each event SayChanged sends, for tests: without a screen reader Qt
// passes them nowhere. Empty stops it.
void ObserveSaid(std::function<void(const QObject* label)> observer);
