#pragma once

#include <QWidget>

namespace velto {

// Says a short text to a screen reader, without showing anything or moving
// the focus: an unseen notification, spoken as it appears, or as its window
// becomes active when said while it was not.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);

    // Says `text`, also when said last; an empty text takes back what was said.
    void say(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace velto
