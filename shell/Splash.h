// TSplashForm: the borderless title card shown while the program starts:
// a small live board, the title and tagline, and the file version.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

class TReversi;
class TVersionLabel;

class TSplashForm : public QWidget {
  Q_OBJECT

 public:
  // Created without a parent: the splash is its own window, and it never
  // counts as the program's main window (closing it ends nothing).
  explicit TSplashForm(QWidget* parent = nullptr);
  ~TSplashForm() override;

  // The shortest time the splash stays up, from ShowSplash on.
  static constexpr uint32_t kMinimumShowMs = 3000;

  // Milliseconds since ShowSplash for two readings of a 32-bit tick counter;
  // right across the counter's wrap-around too.
  static uint32_t Elapsed(uint32_t start, uint32_t now) { return now - start; }

  // A 32-bit millisecond tick counter (wraps after 49.7 days); the system's
  // steady clock unless replaced, as tests do.
  std::function<uint32_t()> TickCount;
  // One pass over all pending window messages; QCoreApplication's unless
  // replaced.
  std::function<void()> ProcessMessages;

  uint32_t StartTick() const { return startTick_; }

  // Notes the time, shows the window and paints it before returning, so the
  // splash is on the screen while the rest of the program is created
  // without any message being processed.
  void ShowSplash();
  // Processes messages until kMinimumShowMs have passed since ShowSplash;
  // returns at once, processing nothing, if they already have.
  void WaitForSplash();

  QWidget* Panel1 = nullptr;
  TReversi* Reversi1 = nullptr;
  QWidget* Panel2 = nullptr;  // the status strip along the bottom
  TVersionLabel* VersionLabel1 = nullptr;

 private:
  void WaitUntilExposed();

  uint32_t startTick_ = 0;
};
