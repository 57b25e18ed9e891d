#include "BoardPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>
#include <algorithm>

#include "BoardExport.h"
#include "Reversi.h"

namespace {

enum { kPng, kPngNumbered, kSvg, kSvgNumbered };

}  // namespace

TBoardPictures::TBoardPictures(QWidget* window, TReversi* board)
    : QObject(window), window_(window), board_(board), lastFolder_(QDir::homePath()) {}

QStringList TBoardPictures::Filters() const {
  return {tr("PNG image (*.png)"), tr("PNG image, discs numbered by move (*.png)"), tr("SVG drawing (*.svg)"),
          tr("SVG drawing, discs numbered by move (*.svg)")};
}

bool TBoardPictures::Export(const QString& path, const QString& filter, QString* error) {
  const int kind = std::max<qsizetype>(0, Filters().indexOf(filter));
  shell::TDiagramOptions options;
  options.MoveNumbers = kind == kPngNumbered || kind == kSvgNumbered;
  const auto format = kind >= kSvg ? shell::TDiagramFormat::Svg : shell::TDiagramFormat::Png;
  return shell::WriteDiagram(path, format, shell::DiagramOf(*board_), options, error);
}

void TBoardPictures::ExportBoard() {
  QString filter = Filters().front();
  QString path = QFileDialog::getSaveFileName(window_, tr("Export Board"), QDir(lastFolder_).filePath("board.png"),
                                              Filters().join(QLatin1String(";;")), &filter);
  if (path.isEmpty()) return;
  // A name typed without its suffix gets the one of the kind chosen.
  const QString suffix = Filters().indexOf(filter) >= kSvg ? QStringLiteral("svg") : QStringLiteral("png");
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  lastFolder_ = QFileInfo(path).absolutePath();
  QString error;
  if (!Export(path, filter, &error))
    QMessageBox::warning(window_, tr("Export Board"),
                         tr("The picture could not be written to %1: %2.").arg(path, error));
}

void TBoardPictures::CopyBoardImage() {
  QApplication::clipboard()->setImage(shell::DiagramImage(shell::DiagramOf(*board_), {}));
}
