#include "ui/common/DesignFrame.h"

#include <QPainter>

namespace velto {

DesignFrame::DesignFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame); // the border is drawn below
}

void DesignFrame::setCaption(const QString& caption)
{
    m_caption = caption;
    setAccessibleName(caption);
    update();
}

void DesignFrame::setBorder(Border border)
{
    m_border = border;
    update();
}

QRect DesignFrame::borderBox() const
{
    // With a caption the border runs through the middle of its first line.
    const int top = m_caption.isEmpty() ? 0 : fontMetrics().height() / 2;
    return rect().adjusted(0, top, -1, -1);
}

QRect DesignFrame::insideBorder() const
{
    // A rectangle's right and bottom lines are drawn one pixel past it; the
    // 3-D border is two lines wide.
    const int width = m_border == Border::ThreeD ? 2 : 1;
    const QRect box = borderBox().adjusted(0, 0, 1, 1);
    return box.adjusted(width, width, -width, -width);
}

void DesignFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect box = borderBox();

    if (m_border == Border::Flat) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(box);
    } else {
        // Etched: a dark line with a light one inside it.
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(box.adjusted(1, 1, 0, 0));
    }

    if (!m_caption.isEmpty()) {
        const QRect text(8, 0, fontMetrics().horizontalAdvance(m_caption) + 4, fontMetrics().height());
        painter.fillRect(text, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text, Qt::AlignCenter, m_caption);
    }
}

} // namespace velto
