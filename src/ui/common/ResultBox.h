#pragma once

#include <QPlainTextEdit>

namespace velto {

// A read-only, multi-line result box that reports the mouse going down,
// moving, going up and clicking over it, after it has handled each itself
// (so that whatever it did with the selection has already happened).
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velto
