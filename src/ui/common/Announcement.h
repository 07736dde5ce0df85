#pragma once

#include <QWidget>

namespace velto {

// Says a short text to a screen reader without showing anything or moving
// the focus: a notification, out of sight, that appears with the text. A
// screen reader speaks a notification as it appears, wherever the focus is.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    // Says `text`, also when it was said last; an empty text takes back what
    // was said.
    void say(const QString& text);
};

} // namespace velto
