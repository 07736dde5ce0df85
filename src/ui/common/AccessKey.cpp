#include "ui/common/AccessKey.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace velto {

namespace {

class AccessKeyClaim : public QObject {
public:
    AccessKeyClaim(Qt::Key key, QAbstractButton* button)
        : QObject(button)
        , m_key(key)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
        if (!keyEvent)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != m_key || (key->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier)
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            m_button->setFocus(Qt::ShortcutFocusReason);
            m_button->animateClick();
        }
        return true;
    }

private:
    Qt::Key m_key;
    QAbstractButton* m_button;
};

} // namespace

void claimAccessKey(Qt::Key key, QAbstractButton* button, std::span<QWidget* const> watched)
{
    auto* claim = new AccessKeyClaim(key, button);
    for (QWidget* w : watched)
        w->installEventFilter(claim);
}

} // namespace velto
