// Game files dropped on the main window. A drag is welcome when it carries
// exactly one local file; what the file holds is checked by the open itself,
// which reports a refusal as File > Open does.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "Sdimain.h"

namespace {

// The one local file a drag carries, or an empty string.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls[0].isLocalFile()) return {};
  return urls[0].toLocalFile();
}

}  // namespace

void TMain::dragEnterEvent(QDragEnterEvent* e) {
  if (!DroppedFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TMain::dropEvent(QDropEvent* e) {
  const QString file = DroppedFile(e->mimeData());
  if (file.isEmpty()) return;
  e->acceptProposedAction();
  // Opened from the event loop, once the drop is over: a refusal's message
  // box must not hold the dragging program waiting for the drop's end.
  QMetaObject::invokeMethod(
      this, [this, file] { OpenGameFile(file); }, Qt::QueuedConnection);
}
