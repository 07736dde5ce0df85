#pragma once

#include <QLabel>

namespace velto {

// A label that acts as a link: a press and release over it emits clicked().
// Out of the tab order, it tells assistive technology that it is a link, with
// a press action.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

enum class LinkCursor { Mono, Color };

// Gives `widget` the pointing-hand cursor of link labels, made when the mouse
// first reaches it: a window's first frame need not wait for it.
void setLinkCursor(QWidget* widget, LinkCursor kind);

} // namespace velto
