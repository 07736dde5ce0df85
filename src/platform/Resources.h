#pragma once

#include <QCursor>
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

// Makes it the icon of the whole application, once: of every window and
// message box, those shown before any window of ours included.
void useApplicationIcon();

enum class LinkCursor { Mono, Color };

// The pointing-hand cursor shown over link labels, drawn for a screen of
// that scale factor: as tall as the arrow pointer there, its hot spot on the
// fingertip.
QCursor linkCursor(LinkCursor kind, qreal scale);

// Gives `widget` that cursor, made when the mouse first reaches the widget:
// only then can it be seen, and a window's first frame need not wait for it.
void setLinkCursor(QWidget* widget, LinkCursor kind);

} // namespace velto
