// The main window's best-line list: one entry per improvement of the search's
// best move, newest on top in red, each "depth|score|moves" drawn in three
// columns with the scores aligned on their decimal points. The list only
// shows: the user can neither select nor scroll it.
#pragma once

#include <QStyle>

class QListWidget;
class QPainter;
class QRect;
class QWidget;

QListWidget* MakeBestLineList(QWidget* parent);

// Draws entry `index` of list into `rect` of painter; what the list's
// delegate calls.
void DrawBestLineItem(const QListWidget* list, QPainter* painter, int index, const QRect& rect, QStyle::State state);
