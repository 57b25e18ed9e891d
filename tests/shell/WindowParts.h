// The main window's controls by the names the form gives them, for tests
// that look inside the window; and the headers of the window's parts.
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QTimer>

#include "AnalysisController.h"
#include "BoardCoordinates.h"
#include "GameFiles.h"
#include "Reversi.h"
#include "SidePanel.h"
#include "widgets/ArrowButton.h"
#include "widgets/DropShadow.h"
#include "widgets/FlatButton.h"

template <class T>
T* Part(const QObject& window, const char* name) {
  T* part = window.findChild<T*>(QString::fromLatin1(name));
  if (!part) qFatal("the window has no part named %s", name);
  return part;
}
