#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace velto {

struct OpenFileRequest {
    QString title;
    QString filter;        // e.g. "Velto Numeris Pro (*.num)"
    QString defaultSuffix; // added when the typed name has none
};

// Shows the modal file-open dialog (existing files only, empty file name, in
// the folder last chosen in this run) and returns the chosen path, or an
// empty text when the user cancels.
QString getOpenFileName(QWidget* parent, const OpenFileRequest& request);

// Test seam: the next dialog is not shown and answers with this path (an
// empty text for a cancel).
void setNextOpenFileName(std::optional<QString> path);

} // namespace velto
