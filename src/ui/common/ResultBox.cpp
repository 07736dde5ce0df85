#include "ui/common/ResultBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace velto {

ResultBox::ResultBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar keeps the system's colours, not those of the page: every
    // role is set explicitly, or the box's own palette, set later, would
    // reach it and leave its arrows pale on pale.
    QPalette system = QApplication::palette(verticalScrollBar());
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            system.setBrush(g, r, system.brush(g, r));
        }
    }
    verticalScrollBar()->setPalette(system);
    // Moves without a pressed button reach the box only with tracking on.
    viewport()->setMouseTracking(true);
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus shown as a broad second border inside the first, in the box's
    // own text colour; without the focus the box looks as designed.
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
}

void ResultBox::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void ResultBox::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

void ResultBox::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    emit mouseDown();
}

void ResultBox::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    emit mouseMove();
}

void ResultBox::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    emit mouseUp();
    emit clicked();
}

} // namespace velto
