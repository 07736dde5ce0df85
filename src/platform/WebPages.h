#pragma once

#include <QString>

class QWidget;

namespace velto {

// Hands an address to the desktop, which opens it in the default browser.
// The address goes as built, nothing re-encoded; whether a browser opens it
// is not checked: no message, no retry. Only an address that cannot be
// handed over at all (too long for the launcher to take) is refused, with a
// message over `asking`.
void OpenAddress(const QString& address, QWidget* asking = nullptr);

namespace webpages {

// Each system's half: the longest address, in encoded bytes, that the
// desktop's launcher takes whole.
qsizetype maxAddressBytes();

} // namespace webpages

} // namespace velto
