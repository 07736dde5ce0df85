#include "platform/MessageBox.h"

#include "product/Product.h"

namespace velto {

namespace {
std::function<QMessageBox::StandardButton(const Message&)>& handler()
{
    static std::function<QMessageBox::StandardButton(const Message&)> instance;
    return instance;
}
} // namespace

QMessageBox::StandardButton showMessage(const Message& message)
{
    if (handler())
        return handler()(message);
    QMessageBox box(message.icon, QString::fromLatin1(product::Name), message.text, message.buttons,
                    message.parent);
    box.setObjectName(QStringLiteral("messageBox"));
    if (message.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(message.defaultButton);
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setMessageHandler(std::function<QMessageBox::StandardButton(const Message&)> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace velto
