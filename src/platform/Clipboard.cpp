#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velto {

void emptyClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    // On Wayland clear() offers no selection at all, which the compositor
    // ignores, so the other program's text stays; empty text replaces it.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (mode == QClipboard::Selection && !clipboard->supportsSelection())
            continue;
        if (wayland)
            clipboard->setText(QString(), mode);
        else
            clipboard->clear(mode);
    }
}

} // namespace velto
