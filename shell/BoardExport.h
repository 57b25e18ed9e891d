// Pictures of the position for print and the web: the board as Othello books
// show it, drawn flat (no highlights, no marks), with the letters and digits
// around it and, if asked, each disc numbered with the move that placed it.
// Written as PNG or SVG, or put on the clipboard as an image.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

class QPainter;
class TReversi;

namespace shell {

struct TDiagram {
  // Cell contents by cell index (1 black, -1 white, 0 empty, others ignored).
  std::array<int, 91> Cells{};
  // The move that put a disc on the cell, counted from 1; 0 for none.
  std::array<int, 91> MoveNumbers{};
};

struct TDiagramOptions {
  int SquareSize = 48;  // pixels of one square; the picture is 10 squares wide
  bool Coordinates = true;
  bool MoveNumbers = false;
};

// The position shown on the board and the moves that led to it from the
// game's start.
TDiagram DiagramOf(const TReversi& board);

// The picture's size: 8 squares and a margin of one square on each side for
// the coordinates (a quarter square without them).
QSize DiagramSize(const TDiagramOptions& options);
void PaintDiagram(QPainter& p, const TDiagram& diagram, const TDiagramOptions& options);
QImage DiagramImage(const TDiagram& diagram, const TDiagramOptions& options);

enum class TDiagramFormat { Png, Svg };
// The format a file name asks for (by its suffix, PNG otherwise).
TDiagramFormat DiagramFormatFor(const QString& path);
// False, with the reason in error, when the file could not be written.
bool WriteDiagram(const QString& path, TDiagramFormat format, const TDiagram& diagram, const TDiagramOptions& options,
                  QString* error);

}  // namespace shell
