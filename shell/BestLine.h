// The main window's best-line list: one entry per improvement of the search's
// best move, newest on top in red, each "depth|score|moves" drawn in three
// columns with the scores aligned on their decimal points. The list only
// shows: the user can neither select nor scroll it. The analyst player's
// lines go into the same list, its exact ones marked "*" after the depth.
#pragma once

#include <QString>
#include <QStyle>
#include <vector>

struct TPositionValue;
class QLocale;

class QListWidget;
class QPainter;
class QRect;
class QWidget;

QListWidget* MakeBestLineList(QWidget* parent);

// Draws entry `index` of list into `rect` of painter; what the list's
// delegate calls.
void DrawBestLineItem(const QListWidget* list, QPainter* painter, int index, const QRect& rect, QStyle::State state);

// "depth|score|moves", the score in hundredths in the locale's numbers.
QString BestLineEntry(const QString& depth, double score, const QString& moves, const QLocale& locale);
// Puts entry on top of list, unless it is already there: near the end every
// further iteration finds the same solved line, which is shown once.
void AddBestLineEntry(QListWidget* list, const QString& entry);

// The analyst's line: cells as square names, "pass" for a pass.
QString MoveNames(const std::vector<int>& cells);
// The analyst's entry: its depth (the empties, marked "*", when exact; "book"
// for a book move), its value and its line.
QString AnalystEntry(const TPositionValue& value, const QLocale& locale);
// Its value as the Statistics box shows it: "+2.35", or "+4 exact".
QString AnalystValueText(const TPositionValue& value, const QLocale& locale);
