#include "ui/common/ResultBox.h"

#include "ui/common/DesignWindow.h"
#include "ui/common/FocusRing.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace velto {

ResultBox::ResultBox(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // A caret the arrows move, as in a locked text box, so that a screen
    // reader reads the text line by line; still nothing can be typed.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Not the page's colours, or its arrows would be pale on pale.
    verticalScrollBar()->setPalette(designPalette());
    // Moves without a pressed button reach the box only with tracking on.
    viewport()->setMouseTracking(true);
}

void ResultBox::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(viewport());
    paintFocusRing(painter, viewport()->rect(), palette().color(QPalette::Base));
}

void ResultBox::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    fitWholeLines();
}

void ResultBox::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWholeLines();
}

void ResultBox::fitWholeLines()
{
    // The designed height holds three lines and little more: Qt's margin of 4
    // pixels would push the last through the bottom edge, so it takes what the
    // whole lines leave.
    const qreal line = QFontMetricsF(font()).lineSpacing();
    const qreal height = viewport()->height();
    const qreal spare = height - std::max(1.0, std::floor(height / line)) * line;
    document()->setDocumentMargin(std::clamp(std::floor(spare / 2), 0.0, 4.0));
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
