#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

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

// Where a frame of `size` at `wanted` lies within `available`: inside, or
// where larger, with its top-left corner (its title bar) on the screen.
QPoint framePositionWithin(const QRect& available, QPoint wanted, const QSize& size)
{
    const QPoint last = available.bottomRight() - QPoint(size.width(), size.height()) + QPoint(1, 1);
    return {std::max(available.left(), std::min(wanted.x(), last.x())),
            std::max(available.top(), std::min(wanted.y(), last.y()))};
}

QPoint centredFramePosition(const QWidget* window, const QMargins& margins)
{
    const QRect available = window->screen()->availableGeometry();
    QRect frame = window->geometry().marginsAdded(margins);
    frame.moveCenter(available.center());
    return framePositionWithin(available, frame.topLeft(), frame.size());
}

// When the screen shrinks under a shown window (a smaller resolution, a
// panel added), the window moves only as far as it must to stay on it.
void keepOnScreen(QWidget* window)
{
    QScreen* screen = window->screen();
    if (!screen || window->property("velto_keptOnScreen").toBool())
        return;
    window->setProperty("velto_keptOnScreen", true);
    QObject::connect(screen, &QScreen::availableGeometryChanged, window,
                     [window, screen](const QRect& available) {
                         if (!window->isVisible() || window->screen() != screen)
                             return;
                         // Window managers set the work area as windows map: one on it stays.
                         const QRect frame = window->frameGeometry();
                         const QPoint within = framePositionWithin(available, frame.topLeft(), frame.size());
                         if (within != frame.topLeft())
                             window->move(window->pos() + within - frame.topLeft());
                     });
}

// Until a window is framed, Qt knows no frame and move() places the client
// area; once _NET_FRAME_EXTENTS arrives, the whole frame is centred.
class Recentre : public QObject {
public:
    Recentre(QWidget* window, QMargins assumed)
        : QObject(window)
        , m_window(window)
        , m_assumed(assumed)
    {
        // Until the frame is known: a window manager that never frames the
        // window leaves the guess. No time limit, which a loaded machine
        // (the window framed after seconds) would run past.
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Exposed means mapped, and so framed: Qt's geometry is settled then;
        // a window framed after that is moved into its frame. Until the window
        // manager states the frame, Qt guesses it from the window's own size,
        // which may not yet be its own: a margin below 0 is such a guess.
        if (m_window && (event->type() == QEvent::Expose || event->type() == QEvent::Move)) {
            QWindow* handle = m_window->windowHandle();
            const QMargins margins = handle->frameMargins();
            const bool guessed = std::min({margins.left(), margins.top(), margins.right(), margins.bottom()})
                < 0;
            if (!margins.isNull() && !guessed) {
                if (margins != m_assumed && m_window->screen()) {
                    const QPoint frame = centredFramePosition(m_window, margins);
                    // A window manager may ignore a request to put the frame
                    // where the client area is now (openbox takes it for a
                    // client that forgot its frame), as for a window too large
                    // for the screen: that one goes by way of the next pixel.
                    if (frame == m_window->geometry().topLeft())
                        handle->setFramePosition(frame + QPoint(1, 1));
                    handle->setFramePosition(frame);
                }
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
    const QMargins known = window->windowHandle()->frameMargins();
    QMargins margins = known;
    if (margins.isNull()) {
        margins = knownFrameMargins(window);
        new Recentre(window, margins);
    }
    // move() takes a frame position only for the margins Qt knows itself.
    if (window->screen())
        window->move(centredFramePosition(window, margins)
                     + QPoint(margins.left() - known.left(), margins.top() - known.top()));
    keepOnScreen(window);
}

void takeKeyboardBack(QWidget* window)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window->activateWindow();
}

} // namespace velto
