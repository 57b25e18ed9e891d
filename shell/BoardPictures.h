// The menu side of the board's pictures: File > Export Board... and Edit >
// Copy Board as Image.
#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TReversi;

class TBoardPictures : public QObject {
  Q_OBJECT

 public:
  TBoardPictures(QWidget* window, TReversi* board);

  // Asks for a file and a kind of picture, then writes it; a failure is told
  // in a message box.
  void ExportBoard();
  void CopyBoardImage();
  // Writes without asking; the filter is one of Filters()' entries.
  bool Export(const QString& path, const QString& filter, QString* error);
  QStringList Filters() const;

 private:
  QWidget* window_;
  TReversi* board_;
  QString lastFolder_;
};
