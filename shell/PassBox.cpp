#include "PassBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QWidget>

void ShowPassBox(QWidget* window) {
  QMessageBox box(QMessageBox::NoIcon, window->window()->windowTitle(),
                  QCoreApplication::translate("TPassBox", "You must pass"), QMessageBox::Ok | QMessageBox::Cancel,
                  window);
  box.setEscapeButton(QMessageBox::Cancel);
  box.exec();
}
