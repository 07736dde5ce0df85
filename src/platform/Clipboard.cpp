#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace velto {

void emptyClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

} // namespace velto
