#pragma once

#include <QPlainTextEdit>

namespace velto {

// A read-only box, with a caret for the keyboard, that reports the mouse
// going down, moving, going up and clicking over it, after handling each. It
// shows the focus, its scroll bar keeps the system's colours, and it shows
// only whole lines.
class ResultBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ResultBox(QWidget* parent = nullptr);

signals:
    void mouseDown();
    void mouseMove();
    void mouseUp();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitWholeLines();
};

} // namespace velto
