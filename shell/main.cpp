// The program's entry point: the main window and the level dialog, then the
// message loop until the main window closes.
#include <QApplication>

#include "Levelunt.h"
#include "Sdimain.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  TMain main;
  QApplication::setApplicationDisplayName(QStringLiteral("Vezari Zaduder"));
  QApplication::setWindowIcon(main.windowIcon());
  TLevelFrm levelFrm;
  main.SetLevelDialog(&levelFrm);
  main.showMaximized();
  return app.exec();
}
