#include "ui/common/FocusRing.h"

#include <QPainter>

#include <cmath>

namespace velto {

QColor focusRingColour(const QColor& background)
{
    // Relative luminance; against it black and white give the same contrast
    // at about 0.18.
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const double luminance = 0.2126 * channel(background.redF()) + 0.7152 * channel(background.greenF())
        + 0.0722 * channel(background.blueF());
    return luminance > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}

void paintFocusRing(QPainter& painter, const QRect& edge, const QColor& background)
{
    constexpr int Width = 2;
    const QColor colour = focusRingColour(background);
    painter.fillRect(edge.left(), edge.top(), edge.width(), Width, colour);
    painter.fillRect(edge.left(), edge.bottom() - Width + 1, edge.width(), Width, colour);
    painter.fillRect(edge.left(), edge.top(), Width, edge.height(), colour);
    painter.fillRect(edge.right() - Width + 1, edge.top(), Width, edge.height(), colour);
}

} // namespace velto
