// View > Animate Flips: a move's turned discs turn over on the board before
// the computer's next search begins (the board's AnimateFlips). Off by
// default; kept in the settings' section [Animation], written only once the
// choice changed.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "IniText.h"

class QAction;
class QMenu;
class TReversi;

class TAnimateFlips : public QObject {
  Q_OBJECT

 public:
  // Adds its item to view and applies the choice read from the settings.
  TAnimateFlips(QObject* parent, TReversi* board, QMenu* view, const std::string& settingsPath);

  std::vector<TIniWrite> Writes() const;

 private:
  TReversi* board_;
  QAction* item_ = nullptr;
  bool atStart_ = false;
};
