// A control's hint as the forms write it: "pop-up|status line", either part
// may be empty.
#pragma once

#include <QString>

class QWidget;

// The part of a hint shown in the status line: the text after the first
// "|", or the whole hint when it has none.
QString LongHint(const QString& hint);
// Gives the widget the hint's pop-up part as its tool tip, the other as its
// status tip.
void SetHint(QWidget* w, const QString& hint);
