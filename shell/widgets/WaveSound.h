// A short wave sound kept with the window that plays it. Play() starts it
// and returns at once; it plays nothing, and does not try, when the machine
// has no audio output, and never falls back to another sound.
#pragma once

#include <QObject>
#include <QUrl>

class QSoundEffect;

class TWaveSound : public QObject {
  Q_OBJECT

 public:
  explicit TWaveSound(const QUrl& source, QObject* parent = nullptr);
  ~TWaveSound() override;

  // True when the sound was handed to an audio output.
  bool Play();
  // How many times Play() handed the sound on.
  int Played() const { return played_; }

 private:
  QUrl source_;
  QSoundEffect* effect_ = nullptr;
  int played_ = 0;
};
