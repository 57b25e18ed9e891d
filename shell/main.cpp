// The program's entry point: the command line first (CommandLine.h), then
// the splash window, the main window, the application title, the about box
// and the level dialog behind it; the splash stays at least three seconds,
// then the message loop runs until the main window closes, opening the game
// file the command line names as soon as the main window is up. Startup.h
// keeps the order and the splash's timing.
#include <QApplication>
#include <QFileInfo>
#include <memory>

#include "About.h"
#include "CommandLine.h"
#include "GameFiles.h"
#include "Levelunt.h"
#include "Sdimain.h"
#include "Startup.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
  const TCommandLine line = ParseCommandLine(ArgumentsOf(argc, argv));
  if (line.Action != TCommandLine::Play) {
    // Answered in the user's language, still without a display: read again
    // once the translations are in, for the parser's own messages.
    QCoreApplication console(argc, argv);
    InstallTranslations(console);
    return AnswerCommandLine(ParseCommandLine(ArgumentsOf(argc, argv)), QStringLiteral("/proc/self/exe"));
  }
  // Named in full now: the message about a refused file shows where it was
  // looked for.
  const QString gameFile = line.GameFile.isEmpty() ? QString() : QFileInfo(line.GameFile).absoluteFilePath();

  QApplication app(argc, argv);
  InstallTranslations(app);

  // The dialogs belong to the main window and go with it.
  std::unique_ptr<TMain> Main;
  TStartupSteps steps;
  steps.CreateMainWindow = [&] {
    Main = std::make_unique<TMain>();
    Main->RestorePlacement();
    QApplication::setWindowIcon(Main->windowIcon());
    return Main.get();
  };
  steps.CreateAboutBox = [&] { Main->SetAboutBox(new TAboutBox(Main.get())); };
  steps.CreateLevelDialog = [&] { Main->SetLevelDialog(new TLevelFrm(Main.get())); };
  if (!gameFile.isEmpty()) steps.MainWindowShown = [&] { Main->Files().OpenGameFile(gameFile); };
  return RunStartup(app, steps);
}
