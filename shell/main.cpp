// The program's entry point: the splash window first, then the main window,
// the application title, the about box and the level dialog behind it; the
// splash stays at least three seconds, then the message loop runs until the
// main window closes. Startup.h keeps the order and the splash's timing.
#include <QApplication>
#include <memory>

#include "About.h"
#include "Levelunt.h"
#include "Sdimain.h"
#include "Startup.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);

  // The dialogs belong to the main window and go with it.
  std::unique_ptr<TMain> Main;
  TStartupSteps steps;
  steps.CreateMainWindow = [&] {
    Main = std::make_unique<TMain>();
    Main->setWindowState(Main->windowState() | Qt::WindowMaximized);
    QApplication::setWindowIcon(Main->windowIcon());
    return Main.get();
  };
  steps.CreateAboutBox = [&] { Main->SetAboutBox(new TAboutBox(Main.get())); };
  steps.CreateLevelDialog = [&] { Main->SetLevelDialog(new TLevelFrm(Main.get())); };
  return RunStartup(app, steps);
}
