#pragma once

// Shared set-up for the widget tests: a private settings and runtime folder,
// the offscreen platform, the design fonts, and messages answered in-process.

#include "engine/Reading.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Utf16.h"
#include "ui/common/DesignFrame.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <vector>

namespace velto::test {

// Call from a test class's static initMain(), before the application exists.
inline void isolateEnvironment()
{
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toUtf8());
    QDir().mkpath(home.path() + "/runtime");
    QFile::setPermissions(home.path() + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Records every message and answers it with `answer`.
class MessageRecorder {
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok)
    {
        setMessageHandler([this, answer](const Message& message) {
            messages.push_back(message);
            return answer;
        });
    }
    ~MessageRecorder() { setMessageHandler({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<Message> messages;
};

// Where a control inside `container` is seen whole: inside a frame's border.
inline QRect roomIn(const QWidget* container)
{
    if (const auto* frame = qobject_cast<const DesignFrame*>(container))
        return frame->insideBorder();
    return container->rect();
}

// Profile text d as the windows show it.
inline QString profileText(int d)
{
    return fromU16(NumberProfileText(d));
}

// Stands in for the browser while it exists: records every address handed
// to the desktop.
class AddressRecorder : public QObject {
    Q_OBJECT
public:
    AddressRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~AddressRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    QStringList addresses;

public slots:
    void open(const QUrl& url) { addresses << url.toString(QUrl::FullyEncoded); }
};

} // namespace velto::test
