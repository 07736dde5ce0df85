#pragma once

#include <QIcon>
#include <QString>

namespace velto {

// The product's name and version: the caption of its windows.
QString productTitle();

// A long text from resources/text, with {host} replaced by the vendor host.
QString resourceText(const QString& name);

// The application icon, all sizes.
QIcon applicationIcon();

// Makes it the icon of every window and message box, those shown before
// any window of ours included.
void useApplicationIcon();

} // namespace velto
