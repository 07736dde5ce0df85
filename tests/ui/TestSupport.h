#pragma once

// Shared set-up for the widget tests: a private settings and runtime folder,
// the offscreen platform, the design fonts, and messages answered in-process.

#include "Fonts.h"
#include "MessageBox.h"

#include <QTemporaryDir>
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

} // namespace velto::test
