#include "platform/MessageBox.h"

#include "product/Product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyle>

namespace velto {

namespace {
std::function<QMessageBox::StandardButton(const Message&)> handler;

// A message box as wide as its caption needs in a title bar (Qt allows the
// caption's width and 50 pixels, which a title bar with an icon and three
// buttons cuts short), and which tells a box closed unanswered (Escape, the
// close box, a request to close) from one answered: Qt takes both for its
// escape button.
class CaptionedBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

    bool dismissed = false;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        dismissed = event->matches(QKeySequence::Cancel);
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        dismissed = true;
        QMessageBox::closeEvent(event);
    }

    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        QFont titleFont = font();
        titleFont.setBold(true);
        const int room = 6 * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        const int needed = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + room;
        // The box sizes itself from its layout at every layout request, so
        // the width goes to the text's minimum, not to the box.
        auto* text = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (text && width() < needed)
            text->setMinimumWidth(text->width() + needed - width());
    }
};
} // namespace

QMessageBox::StandardButton showMessage(const Message& message)
{
    if (handler)
        return handler(message);
    // A lone CR breaks the line on X11 only, and a screen reader runs the
    // words on either side of it together: every break is shown as LF.
    const QString text =
        QString(message.text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    CaptionedBox box(message.icon, QString::fromLatin1(product::Name), text, message.buttons, message.parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (message.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(message.defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    // Without a window of ours to open over, it must still be seen above any
    // window that stays on top. Set after the modality, which resets flags.
    if (!message.parent)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    return box.dismissed ? QMessageBox::NoButton : chosen;
}

void setMessageHandler(std::function<QMessageBox::StandardButton(const Message&)> newHandler)
{
    handler = std::move(newHandler);
}

} // namespace velto
