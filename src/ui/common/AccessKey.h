#pragma once

#include <Qt>

#include <span>

class QAbstractButton;
class QWidget;

namespace velto {

// Makes Alt+`key` press `button` wherever the focus is among `watched`, even
// where a menu bar mnemonic has the same letter: Qt fires neither of two equal
// shortcuts, so the key is claimed as an override.
void claimAccessKey(Qt::Key key, QAbstractButton* button, std::span<QWidget* const> watched);

} // namespace velto
