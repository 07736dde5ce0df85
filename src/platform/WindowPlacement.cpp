#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace velto {

namespace {

// Margins of a window of ours that the window manager has framed already:
// the best guess for one it has not framed yet.
QMargins knownFrameMargins(const QWidget* except)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != except && w->isVisible() && w->windowHandle() && !w->windowHandle()->frameMargins().isNull())
            return w->windowHandle()->frameMargins();
    }
    return {};
}

// Where the frame of `window`, with these margins, lies centred on its screen.
QPoint centredFramePosition(const QWidget* window, const QMargins& margins)
{
    QRect frame = window->geometry().marginsAdded(margins);
    frame.moveCenter(window->screen()->availableGeometry().center());
    return frame.topLeft();
}

void moveFrameToCentre(QWidget* window, const QMargins& margins)
{
    if (!window->screen())
        return;
    const QPoint frame = centredFramePosition(window, margins);
    // move() takes a frame position only for the margins Qt knows itself.
    const QMargins known = window->windowHandle()->frameMargins();
    window->move(frame + QPoint(margins.left() - known.left(), margins.top() - known.top()));
}

// Until the window manager has framed a window, Qt knows no frame, and
// move() places the client area; once _NET_FRAME_EXTENTS arrives the
// margins are known and the whole frame can be centred.
class Recentre : public QObject {
public:
    Recentre(QWidget* window, QMargins assumed)
        : QObject(window)
        , m_window(window)
        , m_assumed(assumed)
    {
        window->windowHandle()->installEventFilter(this);
        // A window manager that never reports extents leaves the guess.
        QTimer::singleShot(3000, this, &QObject::deleteLater);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Exposed means mapped, and so framed: Qt's geometry is settled then.
        if (m_window && event->type() == QEvent::Expose) {
            QWindow* handle = m_window->windowHandle();
            const QMargins margins = handle->frameMargins();
            if (!margins.isNull()) {
                if (margins != m_assumed && m_window->screen())
                    handle->setFramePosition(centredFramePosition(m_window, margins));
                deleteLater();
                watched->removeEventFilter(this);
            }
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QMargins m_assumed;
};

} // namespace

void centreOnScreen(QWidget* window)
{
    // Created now, so that move() always places a known frame or the client
    // area, never a frame of unknown size.
    window->winId();
    QMargins margins = window->windowHandle()->frameMargins();
    if (margins.isNull()) {
        margins = knownFrameMargins(window);
        new Recentre(window, margins);
    }
    moveFrameToCentre(window, margins);
}

} // namespace velto
