#pragma once

// Shared set-up for the widget tests: a private settings and runtime folder,
// the offscreen platform, the design fonts, and messages answered in-process.

#include "engine/Reading.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Utf16.h"
#include "product/Product.h"
#include "ui/common/DesignFrame.h"

#include <QtTest>
#include <QtWidgets> // all of Qt Widgets, Gui and Core: the tests include no Qt header of their own

#include <functional>
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

// Opens a modal window with `open` (which returns once it has closed) and,
// once the window is up and active, runs `answer` on it from inside its
// modal loop. Whatever `answer` leaves open is closed. Returns false (and
// the test fails) when no modal window of type T came within two seconds:
// a missing box must not leave the test waiting for its time-out.
template<class T = QWidget, class Open, class Answer> bool answerModal(Open&& open, Answer&& answer)
{
    bool answered = false;
    QDeadlineTimer deadline(2000);
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window || QApplication::activeWindow() != window) {
            if (deadline.hasExpired())
                poll.stop();
            return;
        }
        poll.stop();
        answered = true;
        const QPointer<T> alive = window;
        answer(window);
        if (alive && alive->isVisible())
            alive->close();
        // A window closed in a loop nested in `answer` (QTRY_*) asked the
        // modal loop to end with a wake-up that loop took: on Windows the
        // modal loop then sleeps until the next message, up to 30 s.
        QCoreApplication::postEvent(&poll, new QEvent(QEvent::User));
    });
    poll.start();
    open();
    if (!answered)
        QTest::qFail("no modal window came", __FILE__, __LINE__);
    return answered;
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

    // The texts in the order they came: one compare pins how many and which.
    QStringList texts() const
    {
        QStringList said;
        for (const Message& message : messages)
            said << message.text;
        return said;
    }

    std::vector<Message> messages;
};

// Shows a window the test owns (closing must not delete it) and waits until
// it can be seen.
inline bool showOwned(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return QTest::qWaitForWindowExposed(window);
}

// Where a control inside `container` is seen whole: inside a frame's border.
inline QRect roomIn(const QWidget* container)
{
    if (const auto* frame = qobject_cast<const DesignFrame*>(container))
        return frame->insideBorder();
    return container->rect();
}

// The labels and buttons in `window` whose caption is clipped: cut off, or a
// label sticking out of its frame's border. Empty when all are seen whole.
inline QStringList clippedCaptions(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QSize hint = label->sizeHint();
        const bool fits = label->wordWrap()
            ? label->heightForWidth(label->width()) <= label->height()
            : hint.width() <= label->width() && hint.height() <= label->height();
        if (!fits || !roomIn(label->parentWidget()).contains(label->geometry()))
            clipped << label->objectName();
    }
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->fontMetrics().horizontalAdvance(button->text().remove('&')) >= button->width() - 4)
            clipped << button->objectName();
    }
    return clipped;
}

// The address of one of the vendor's pages.
inline QString vendorPage(const char* key)
{
    return QStringLiteral("http://%1/velto-free-arithmancy/ssd.php?page=%2")
        .arg(QLatin1String(product::VendorHost), QLatin1String(key));
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
