#pragma once

#include <Qt>

#include <span>

class QAbstractButton;
class QWidget;

namespace velto {

// Makes Alt+`key` press `button` from wherever the focus is among `watched`
// (the window and the controls that can hold the focus), even where a menu
// bar entry's mnemonic has the same letter: Qt fires neither of two equal
// shortcuts. The key is claimed as an override and handed to the button.
void claimAccessKey(Qt::Key key, QAbstractButton* button, std::span<QWidget* const> watched);

} // namespace velto
