#pragma once

#include <QKeyEvent>

namespace velto {

// Tells a held Enter from a new press, so that a held key acts once. A press
// after a release or a focus change is never a repeat, whatever the system
// says: Wine reports one for the first press after Enter closed a message box.
class EnterKey {
public:
    static bool pressed(const QEvent* event)
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }

    // Sees every event of the control that takes the key; true for a press
    // of Enter that repeats one still held down.
    bool repeats(const QEvent* event)
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            m_held = false;
            return false;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (!key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
                m_held = false;
            return false;
        }
        default: {
            if (!pressed(event))
                return false;
            const bool repeated = static_cast<const QKeyEvent*>(event)->isAutoRepeat() && m_held;
            m_held = true;
            return repeated;
        }
        }
    }

private:
    bool m_held = false;
};

} // namespace velto
