#pragma once

#include <QMessageBox>

#include <functional>

namespace velto {

// Platform services: thin wrappers over Qt and the system for everything
// the windows ask of the outside world. Uses Qt and the product's facts only.

// A message of the program: modal, titled with the application title, and
// parented to the window it comes from so that it opens above it.
struct Message {
    QWidget* parent = nullptr;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows the message and returns the button the user chose: NoButton when
// the box was closed without one (Escape, its close box).
QMessageBox::StandardButton showMessage(const Message& message);

// Test seam: while set, the handler answers every message instead of a box.
void setMessageHandler(std::function<QMessageBox::StandardButton(const Message&)> handler);

} // namespace velto
