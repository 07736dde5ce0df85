#pragma once

#include <QLabel>

namespace velto {

// A label that acts as a link: a click (press and release over it) emits
// clicked(). It stays out of the tab order, but tells assistive technology
// that it is a link and offers it a press action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // What a press action of assistive technology does.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace velto
