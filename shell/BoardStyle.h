// View > Board Style: the board's look. The default green board is the
// default; wood, high contrast and dark are drawn in the same geometry, and
// "Follow the Desktop" takes the dark look while the desktop's palette is
// dark (its window colour's lightness), the default one otherwise. Kept
// in its own section [Board_Style], written only once the choice changed.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "IniText.h"

class QAction;
class QMenu;
class QWidget;
class TReversi;

class TBoardStyle : public QObject {
  Q_OBJECT

 public:
  // Adds its submenu to view and applies the style read from the settings.
  TBoardStyle(QWidget* window, TReversi* board, QMenu* view, const std::string& settingsPath);

  // The style's key as kept in the settings ("green" for the default one).
  QString Style() const { return style_; }
  void SetStyle(const QString& style);
  std::vector<TIniWrite> Writes() const;

  // Whether a palette counts as dark for "Follow the Desktop".
  static bool IsDarkPalette(const QPalette& palette);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Apply();

  QWidget* window_;
  TReversi* board_;
  QString style_ = QStringLiteral("green");
  QString atStart_ = QStringLiteral("green");
  std::vector<QAction*> items_;
};
