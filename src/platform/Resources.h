#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

namespace velto {

// The product's name and version: the caption of its windows.
QString productTitle();

// A long text from resources/text, with {host} replaced by the vendor host.
QString resourceText(const QString& name);

// The application icon, all sizes.
QIcon applicationIcon();

enum class LinkCursor { Mono, Color };

// The pointing-hand cursor shown over link labels.
QCursor linkCursor(LinkCursor kind);

} // namespace velto
