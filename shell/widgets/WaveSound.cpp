#include "WaveSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>

TWaveSound::TWaveSound(const QUrl& source, QObject* parent) : QObject(parent), source_(source) {}

TWaveSound::~TWaveSound() = default;

bool TWaveSound::Play() {
  // Asked every time: an output may come or go while the program runs.
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  if (output.isNull()) return false;
  if (!effect_) {
    // Made on first use only: a sound effect opens the audio system, which
    // a machine without sound need never do.
    effect_ = new QSoundEffect(output, this);
    effect_->setSource(source_);
  } else if (effect_->audioDevice() != output) {
    effect_->setAudioDevice(output);
  }
  if (effect_->status() == QSoundEffect::Error) return false;
  effect_->play();  // queued until loaded when the first play comes early
  ++played_;
  return true;
}
