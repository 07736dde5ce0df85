#pragma once

#include <QFrame>

namespace velto {

// A frame as the forms are designed: an optional caption set into the top
// border, drawn on the frame's own background, and a flat or 3-D border.
class DesignFrame : public QFrame {
    Q_OBJECT
public:
    enum class Border { Flat, ThreeD };

    explicit DesignFrame(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setBorder(Border border);
    // Where the frame's controls are seen whole: inside the border.
    QRect insideBorder() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect borderBox() const;

    QString m_caption;
    Border m_border = Border::Flat;
};

} // namespace velto
