// Icons that stay sharp on screens of any device pixel ratio.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// An icon from a hand-drawn bitmap and a drawing (SVG) of the same picture.
// At the bitmap's own size and a ratio of 1 it is the bitmap, pixel for
// pixel; every other size, and every size at ratios 2 and 3, is rendered
// from the drawing at device resolution. `sides` lists the further logical
// sizes (square) the icon is offered at, as a window icon needs.
QIcon ScalableIcon(const QString& bitmap, const QString& drawing, const QList<int>& sides = {});
