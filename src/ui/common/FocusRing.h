#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace velto {

// A ring 2 pixels wide inside `edge`, black or white, whichever stands out
// more from `background`: the style's focus tint is all but invisible on the
// designed teal and navy.
void paintFocusRing(QPainter& painter, const QRect& edge, const QColor& background);

} // namespace velto
