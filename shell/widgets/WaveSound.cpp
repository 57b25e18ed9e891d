#include "WaveSound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QtGlobal>
#include <cstdio>

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's PulseAudio back end says on the console that it found no sound
// server ("PulseAudioService: pa_context_connect() failed"). A machine
// without sound is a normal case here (the click is simply not played), so
// those lines are dropped; every other message goes on as before.
void DropSoundServerNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("PulseAudioService:"))) return;
  if (previousHandler) {
    previousHandler(type, context, message);
  } else {
    // What Qt's own handler writes.
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    std::fflush(stderr);
  }
}

void QuietSoundServer() {
  static const bool installed = [] {
    previousHandler = qInstallMessageHandler(DropSoundServerNoise);
    return true;
  }();
  (void)installed;
}

}  // namespace

TWaveSound::TWaveSound(const QUrl& source, QObject* parent) : QObject(parent), source_(source) {}

TWaveSound::~TWaveSound() = default;

bool TWaveSound::Play() {
  QuietSoundServer();
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
