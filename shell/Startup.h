// The program's start-up behind the splash window. main supplies the windows
// it creates; the order of the steps and the splash's timing live here.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QApplication;
class QWidget;

inline const QString kApplicationTitle = QStringLiteral("Vezari Zaduder");

struct TStartupSteps {
  // The main window, created hidden; its creation reads the settings.
  std::function<QWidget*()> CreateMainWindow;
  // The about box and the level dialog, created hidden, in that order.
  std::function<void()> CreateAboutBox;
  std::function<void()> CreateLevelDialog;
  // Runs once the main window is shown, from the message loop's first pass.
  std::function<void()> MainWindowShown;
  // The splash's clock; the system's when empty (tests replace it).
  std::function<uint32_t()> TickCount;
};

// Shows the splash, creates the main window, sets the application title,
// creates the dialogs, keeps the splash up until 3000 ms after it was shown,
// destroys it, shows the main window (maximised unless its form says
// otherwise) and runs the main message loop until the main window closes;
// MainWindowShown is the loop's first task.
// Returns the loop's exit code.
int RunStartup(QApplication& app, const TStartupSteps& steps);
