#include "ui/common/FocusRing.h"

#include <QPainter>

#include <cmath>

namespace velto {

void paintFocusRing(QPainter& painter, const QRect& edge, const QColor& background)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * channel(background.redF()) + 0.7152 * channel(background.greenF())
        + 0.0722 * channel(background.blueF());
    // Black and white give the same contrast at a relative luminance of 0.18.
    const QColor colour = luminance > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    constexpr int Width = 2;
    painter.fillRect(edge.left(), edge.top(), edge.width(), Width, colour);
    painter.fillRect(edge.left(), edge.bottom() - Width + 1, edge.width(), Width, colour);
    painter.fillRect(edge.left(), edge.top(), Width, edge.height(), colour);
    painter.fillRect(edge.right() - Width + 1, edge.top(), Width, edge.height(), colour);
}

} // namespace velto
