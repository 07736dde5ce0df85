#include "ui/common/ResultBox.h"

#include <QApplication>
#include <QMouseEvent>
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
    // The scroll bar keeps the system's colours, not those of the page.
    verticalScrollBar()->setPalette(QApplication::palette(verticalScrollBar()));
    // Moves without a pressed button reach the box only with tracking on.
    viewport()->setMouseTracking(true);
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
