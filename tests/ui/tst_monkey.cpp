// Drives the real main window with thousands of random user events from a
// fixed seed and checks after each one what must always hold. A failure
// names the seed and the event; VELTO_MONKEY_SEED=<seed> replays it.
#include "TestSupport.h"

#include "platform/FileDialog.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"
#include "ui/common/ResultBox.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

using namespace velto;
using velto::test::AddressRecorder;

class TestMonkey : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomUserEvents();

private:
    void newMainWindow();
    void oneEvent();
    QString checkInvariants() const;

    QRandomGenerator m_random;
    QPointer<frmMain> m_window;
    QTemporaryDir m_files;
    QStringList m_importChoices;
    QString m_lastEvent;
    int m_processEnds = 0;
};

void TestMonkey::initTestCase()
{
    resolveDesignFonts();
    bool given = false;
    const quint32 seed = qEnvironmentVariableIntValue("VELTO_MONKEY_SEED", &given);
    const quint32 used = given ? seed : 20261207u;
    m_random.seed(used);
    qInfo("monkey seed %u (replay with VELTO_MONKEY_SEED=%u)", used, used);

    // Answers for every dialog the monkey can reach.
    setMessageHandler([this](const Message&) {
        const QMessageBox::StandardButton answers[] = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No};
        return answers[m_random.bounded(3)];
    });
    setProcessEndHandler([this] { ++m_processEnds; });
    const auto file = [this](const char* name, const QByteArray& bytes) {
        QFile out(m_files.filePath(QString::fromLatin1(name)));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return out.fileName();
    };
    QByteArray month = "June";
    for (char& c : month)
        c = static_cast<char>(c + 25);
    m_importChoices = {QString(), file("good.num", "a\r\nb\r\nc\r\n" + month + "\r\nJ\r\nJRPK\r\n"),
                       file("upper.NUM", "x"), file("lf.num", "a\nb\nc\n"), m_files.filePath("missing.num")};
    newMainWindow();
}

void TestMonkey::cleanupTestCase()
{
    delete m_window;
    delete loadedExitScreen();
    setMessageHandler({});
    setProcessEndHandler({});
}

void TestMonkey::newMainWindow()
{
    delete loadedExitScreen();
    resetShutdown();
    m_window = createMainWindow();
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window))
        qWarning("main window not active");
}

void TestMonkey::oneEvent()
{
    // Modal windows the monkey opens (About) are closed by the next tick.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(1);
    setNextOpenFileName(m_importChoices[m_random.bounded(m_importChoices.size())]);

    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : m_window.data();
    const int kind = m_random.bounded(100);
    if (kind < 40) {
        static const QString keys = QStringLiteral("abcdefghijklmnopqrstuvwxyzAEIOUYW0123456789 -'");
        const QChar c = keys[m_random.bounded(keys.size())];
        m_lastEvent = QStringLiteral("type '%1'").arg(c);
        QTest::keyClick(focus, c.toLatin1());
    } else if (kind < 55) {
        const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,
                                Qt::Key_Enter,     Qt::Key_Space, Qt::Key_Escape,  Qt::Key_Down};
        const Qt::Key key = keys[m_random.bounded(int(std::size(keys)))];
        m_lastEvent = QStringLiteral("key %1 on %2").arg(key).arg(focus->objectName());
        QTest::keyClick(focus, key);
    } else if (kind < 62) {
        const Qt::Key keys[] = {Qt::Key_G, Qt::Key_B, Qt::Key_O, Qt::Key_F, Qt::Key_H, Qt::Key_D, Qt::Key_X};
        const Qt::Key key = keys[m_random.bounded(int(std::size(keys)))];
        m_lastEvent = QStringLiteral("Alt+%1").arg(QChar(key));
        QTest::keyClick(focus, key, Qt::AltModifier);
    } else if (kind < 82) {
        const QPoint at(m_random.bounded(m_window->width()), m_random.bounded(m_window->height()));
        QWidget* target = m_window->childAt(at);
        if (!target)
            target = m_window;
        m_lastEvent =
            QStringLiteral("click at %1,%2 on %3").arg(at.x()).arg(at.y()).arg(target->objectName());
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_window, at));
    } else if (kind < 88) {
        const QList<QAction*> actions = {m_window->mnuOnline, m_window->mnuVisit,  m_window->mnuUpdate,
                                         m_window->mnuAbout,  m_window->mnuDonate, m_window->mnuExit};
        // Exit is picked rarely, so that most of the run happens in one window.
        QAction* action = actions[m_random.bounded(100) < 3 ? 5 : m_random.bounded(5)];
        m_lastEvent = QStringLiteral("menu %1").arg(action->objectName());
        action->trigger();
    } else if (kind < 93) {
        m_lastEvent = QStringLiteral("compute");
        m_window->cmdNext_Click();
    } else if (kind < 96) {
        m_lastEvent = QStringLiteral("back");
        m_window->cmdBack_Click();
    } else {
        QString pasted;
        for (int i = m_random.bounded(40); i > 0; --i)
            pasted += QChar(static_cast<char16_t>(m_random.bounded(0x20, 0x250)));
        m_lastEvent = QStringLiteral("paste %1 characters").arg(pasted.size());
        m_window->txtName->insert(pasted);
    }

    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QCoreApplication::processEvents();
}

QString TestMonkey::checkInvariants() const
{
    const QStringList numbers = {m_window->lblResult[0]->text(), m_window->lblResult[1]->text(),
                                 m_window->lblResult[2]->text()};
    if (numbers == QStringList{"10", "10", "10"})
        return {}; // no reading yet
    static const QRegularExpression digit(QStringLiteral("^[0-9]$"));
    const char* none[] = {"No Character Number available", "No Heart Number available",
                          "No Social Number available"};
    for (int i = 0; i < 3; ++i) {
        if (!digit.match(numbers[i]).hasMatch())
            return QStringLiteral("number label %1 shows '%2'").arg(i).arg(numbers[i]);
        const int d = numbers[i].toInt();
        const QString expected = d == 0 ? QString::fromLatin1(none[i]) : velto::test::profileText(d);
        if (m_window->txtResult[static_cast<std::size_t>(i)]->toPlainText() != expected)
            return QStringLiteral("result box %1 does not match its number %2").arg(i).arg(d);
    }
    if (numbers[0] == "0" && (numbers[1] != "0" || numbers[2] != "0"))
        return QStringLiteral("no Character Number but a Heart or Social one");
    // Exactly one page is in front: the one the user sees in the middle.
    QWidget* front = m_window->resultsPageInFront() ? static_cast<QWidget*>(m_window->Frame2)
                                                    : static_cast<QWidget*>(m_window->Frame1);
    const QPoint middle = front->geometry().center();
    QWidget* seen = m_window->centralWidget()->childAt(middle);
    if (seen != front && !front->isAncestorOf(seen))
        return QStringLiteral("the page in front is not the one seen");
    return {};
}

void TestMonkey::randomUserEvents()
{
    AddressRecorder addresses;
    const int events = qEnvironmentVariableIntValue("VELTO_MONKEY_EVENTS") > 0
        ? qEnvironmentVariableIntValue("VELTO_MONKEY_EVENTS")
        : 10000;
    int windows = 1;
    for (int event = 0; event < events; ++event) {
        oneEvent();
        if (m_window.isNull()) {
            // The main window was closed: the exit screen must be up, and the
            // program still running. Start over with a new main window.
            QVERIFY2(loadedExitScreen() && loadedExitScreen()->isVisible(),
                     qPrintable(QStringLiteral("event %1 (%2): no exit screen").arg(event).arg(m_lastEvent)));
            QCOMPARE(m_processEnds, 0);
            newMainWindow();
            ++windows;
            continue;
        }
        const QString broken = checkInvariants();
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                .arg(qEnvironmentVariable("VELTO_MONKEY_SEED", "20261207"))
                                .arg(event)
                                .arg(m_lastEvent, broken)));
    }
    qInfo("%d events, %d main windows, %lld addresses opened", events, windows,
          static_cast<long long>(addresses.addresses.size()));
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
