#pragma once

#include <QIcon>
#include <QString>

class QWidget;

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

enum class LinkCursor { Mono, Color };

// Gives `widget` the pointing-hand cursor of link labels, made when the mouse
// first reaches it: a window's first frame need not wait for it.
void setLinkCursor(QWidget* widget, LinkCursor kind);

} // namespace velto
