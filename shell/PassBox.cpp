#include "PassBox.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWidget>

void ShowPassBox(QWidget* window) {
  QMessageBox box(QMessageBox::NoIcon, window->window()->windowTitle(),
                  QCoreApplication::translate("TPassBox", "You must pass"), QMessageBox::Ok | QMessageBox::Cancel,
                  window);
  box.setEscapeButton(QMessageBox::Cancel);
  // Wide enough for the title beside the window manager's buttons: the box's
  // few words alone make it so narrow that the title is cut short.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 100;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
  box.exec();
}
