// Edit > Engines...: external engines registered by their command line and
// protocol, named, and removed. With "Detect" the engine is started once,
// on a thread of its own, and asked which protocol it speaks and its name;
// otherwise it is first started when a game or a match uses it.
#pragma once

#include <QDialog>

#include "EngineSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TEnginesDialog : public QDialog {
  Q_OBJECT

 public:
  // engines must outlive the dialog; it is changed as the user adds and
  // removes.
  explicit TEnginesDialog(TEngineSettings* engines, QWidget* parent = nullptr);

  // Adds the engine from the form (detecting its protocol first when the
  // form asks for it); the outcome is shown, and Changed follows a success.
  void AddClick();
  void RemoveClick();
  // A detection is under way.
  bool Detecting() const { return detecting_; }

 signals:
  void Changed();
  void DetectionEnded(bool ok);

 private:
  void Detected(const reversi::engines::TDetection& found, const QString& command, const QString& name);
  void Add(const QString& name, reversi::engines::TProtocol protocol, const QString& command);
  void ShowList();

  TEngineSettings* engines_;
  QListWidget* List_;
  QLineEdit* Name_;
  QLineEdit* Command_;
  QComboBox* Protocol_;
  QPushButton* Add_;
  QPushButton* Remove_;
  QLabel* Status_;
  bool detecting_ = false;
};
