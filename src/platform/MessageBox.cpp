#include "platform/MessageBox.h"

#include "product/Product.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStyle>

namespace velto {

namespace {
std::function<QMessageBox::StandardButton(const Message&)>& handler()
{
    static std::function<QMessageBox::StandardButton(const Message&)> instance;
    return instance;
}

// A message box at least as wide as its caption needs in a window manager's
// title bar: Qt allows the caption's width and 50 pixels, and a title bar
// with an icon and three buttons then cuts the caption short.
// It also tells a box closed unanswered (Escape, the close box, a polite
// request to close) from one answered, which Qt takes for its escape button.
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
    if (handler())
        return handler()(message);
    // A lone CR breaks the line on X11 only, and a screen reader runs the
    // words on either side of it together: every break is shown as LF.
    const QString text =
        QString(message.text).replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    CaptionedBox box(message.icon, QString::fromLatin1(product::Name), text, message.buttons, message.parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (message.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(message.defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    // A message without a window of ours to open over must still be seen
    // above any window that stays on top, the exit screen among them. Set
    // after the modality, which resets the box's flags.
    if (!message.parent)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    return box.dismissed ? QMessageBox::NoButton : chosen;
}

void setMessageHandler(std::function<QMessageBox::StandardButton(const Message&)> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace velto
