#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace velto {

// How a control shows that it has the keyboard focus: a ring 2 pixels wide
// along the inside of its edge, black or white, whichever stands out more
// from the control's own background. The style's own focus tint is all but
// invisible on the designed teal and navy.
QColor focusRingColour(const QColor& background);
void paintFocusRing(QPainter& painter, const QRect& edge, const QColor& background);

} // namespace velto
