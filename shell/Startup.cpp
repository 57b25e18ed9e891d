#include "Startup.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "Splash.h"

int RunStartup(QApplication& app, const TStartupSteps& steps) {
  // A plain top-level window of its own, never the main window: the main
  // window is the one the message loop waits for.
  auto splash = std::make_unique<TSplashForm>();
  if (steps.TickCount) splash->TickCount = steps.TickCount;
  splash->ShowSplash();

  QWidget* mainWindow = steps.CreateMainWindow ? steps.CreateMainWindow() : nullptr;
  // The application's name is what message boxes without a title of their
  // own and the desktop's task list show. (A display name would also be
  // appended to every window's caption, making the about box "About -
  // Vezari Zaduder".)
  QCoreApplication::setApplicationName(kApplicationTitle);
  if (steps.CreateAboutBox) steps.CreateAboutBox();
  if (steps.CreateLevelDialog) steps.CreateLevelDialog();

  splash->WaitForSplash();
  splash->hide();
  splash.reset();

  if (!mainWindow) return 0;
  // The message loop's first act: show the main window in the state its
  // form gave it (maximised for the game).
  mainWindow->show();
  if (steps.MainWindowShown) QTimer::singleShot(0, mainWindow, steps.MainWindowShown);
  return app.exec();
}
