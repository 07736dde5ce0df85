#pragma once

#include <QString>

class QWidget;

namespace velto {

// Hands an address, as built, to the desktop's browser; whether one opens it
// is not checked. Only one too long for the launcher to take is refused,
// with a message over `asking`.
void OpenAddress(const QString& address, QWidget* asking = nullptr);

namespace webpages {

// Each system's half: the longest address, in encoded bytes, the launcher takes.
qsizetype maxAddressBytes();

} // namespace webpages

} // namespace velto
