#include "TestSupport.h"

#include "platform/WebPages.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"
#include "ui/common/FormTable.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/MultiLineBox.h"
#include "ui/common/TrimSpaces.h"
#include "ui/exit/TellAFriend.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

using namespace velto;
using velto::test::AddressRecorder;
using velto::test::MessageRecorder;
using velto::test::vendorPage;

class TestExitScreen : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadSetsCaptionIconAppealAndTopmost_data();
    void loadSetsCaptionIconAppealAndTopmost();
    void everyAppealTextOccurs();
    void closingTheMainWindowShowsIt_data();
    void closingTheMainWindowShowsIt();
    void exitAndCloseBoxEndTheProgramOnce_data();
    void exitAndCloseBoxEndTheProgramOnce();

    void placeholderOnFocus_data();
    void placeholderOnFocus();
    void messageBoxKeepsItsLineBreakOnFirstFocus();
    void activationChangesLeavePlaceholdersAlone();
    void spaceIsRefusedInEmailBoxesOnly_data();
    void spaceIsRefusedInEmailBoxesOnly();
    void checkBoxOpensHomePageAndUnchecks();
    void homeLinkOpensItsPage();

    void submissionChecksInOrder_data();
    void submissionChecksInOrder();
    void requestValuesArriveExactlyAsTyped_data();
    void requestValuesArriveExactlyAsTyped();

private:
    frmExitScreen* shown();
    void fill(const QString& name, const QString& email, const QString& message, const QString& friendName,
              const QString& friendEmail);
    static QString appeal(int index);

    int m_ends = 0;
};

void TestExitScreen::initTestCase()
{
    resolveDesignFonts();
    setProcessEndHandler([this] { ++m_ends; });
}

void TestExitScreen::init()
{
    resetShutdown();
    m_ends = 0;
}

void TestExitScreen::cleanup()
{
    delete loadedExitScreen();
    QVERIFY(!loadedExitScreen());
}

QString TestExitScreen::appeal(int index)
{
    QFile file(QStringLiteral(":/text/exit-appeal-%1.txt").arg(index));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

frmExitScreen* TestExitScreen::shown()
{
    frmExitScreen* screen = loadExitScreen();
    screen->showModeless();
    if (!QTest::qWaitForWindowActive(screen))
        qWarning("exit screen not active");
    return screen;
}

void TestExitScreen::fill(const QString& name, const QString& email, const QString& message,
                          const QString& friendName, const QString& friendEmail)
{
    frmExitScreen* s = loadedExitScreen();
    s->setBoxText(s->txtName, name);
    s->setBoxText(s->txtEmail, email);
    s->setBoxText(s->txtMessage, message);
    s->setBoxText(s->txtFriendName, friendName);
    s->setBoxText(s->txtFriendEmail, friendEmail);
}

void TestExitScreen::loadSetsCaptionIconAppealAndTopmost_data()
{
    QTest::addColumn<QVariant>("expected"); // of the fact the row is named after
    QTest::newRow("caption label") << QVariant(QLatin1String(product::Title));
    for (const char* yes : {"window icon", "icon picture", "stays on top", "no minimize or maximize box",
                            "one of the four appeals", "Close has the focus", "message box below the frame"})
        QTest::newRow(yes) << QVariant(true);
    QTest::newRow("message placeholder") << QVariant(QStringLiteral("Your Message\r\n"));
    QTest::newRow("captions clipped") << QVariant(QStringList());
}

void TestExitScreen::loadSetsCaptionIconAppealAndTopmost()
{
    QFETCH(QVariant, expected);
    frmExitScreen* s = shown();
    const QHash<QString, QVariant> facts = {
        {"caption label", s->lblExitScreenCaption->text()},
        {"window icon", !s->windowIcon().isNull()},
        {"icon picture", !s->picExitScreenIcon->pixmap().isNull()},
        {"stays on top", s->windowFlags().testFlag(Qt::WindowStaysOnTopHint)},
        {"no minimize or maximize box",
         !(s->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))},
        {"one of the four appeals",
         QStringList{appeal(0), appeal(1), appeal(2), appeal(3)}.contains(s->Label2->text())},
        {"Close has the focus", s->cmdClose->hasFocus()},
        // Present, but out of sight.
        {"message box below the frame", s->txtMessage->y() >= s->Frame2->height()},
        {"message placeholder", s->boxText(s->txtMessage)},
        // Nothing clipped, the link at the frame's edge included.
        {"captions clipped", velto::test::clippedCaptions(s)}};
    QCOMPARE(facts.value(QLatin1String(QTest::currentDataTag())), expected);
}

void TestExitScreen::everyAppealTextOccurs()
{
    QSet<QString> seen;
    for (int load = 0; load < 200 && seen.size() < 4; ++load) {
        seen.insert(loadExitScreen()->Label2->text());
        delete loadedExitScreen();
    }
    QCOMPARE(seen.size(), 4);
}

void TestExitScreen::closingTheMainWindowShowsIt_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("Exit command") << true;
}

void TestExitScreen::closingTheMainWindowShowsIt()
{
    QFETCH(bool, byMenu);
    QPointer<frmMain> main = createMainWindow();
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    if (byMenu)
        main->mnuExit->trigger();
    else
        main->close();

    QTRY_VERIFY(main.isNull());
    frmExitScreen* s = loadedExitScreen();
    QVERIFY(s);
    QVERIFY(s->isVisible());
    QTRY_VERIFY(s->cmdClose->hasFocus());
    QCOMPARE(m_ends, 0); // the program keeps running
}

void TestExitScreen::exitAndCloseBoxEndTheProgramOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit clicked") << "click";
    QTest::newRow("Alt+X") << "alt-x";
    QTest::newRow("close box") << "close";
}

void TestExitScreen::exitAndCloseBoxEndTheProgramOnce()
{
    QFETCH(QString, how);
    MessageRecorder messages;
    QPointer<frmExitScreen> s = shown();
    if (how == "click")
        QTest::mouseClick(s->cmdClose, Qt::LeftButton);
    else if (how == "alt-x")
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    else
        s->close();
    QTRY_COMPARE(m_ends, 1);
    QVERIFY(messages.messages.empty());
    QTRY_VERIFY(s.isNull());
}

void TestExitScreen::placeholderOnFocus_data()
{
    // clang-format off
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("afterFocus");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("placeholder clears") << "txtName" << "Your Name" << "" << "Your Name";
    QTest::newRow("with spaces around") << "txtName" << "  Your Name " << "" << "Your Name";
    QTest::newRow("other letter case stays") << "txtName" << "your name" << "your name" << "your name";
    QTest::newRow("tab is not a space") << "txtName" << "\tYour Name" << "\tYour Name" << "\tYour Name";
    QTest::newRow("spaces only restore") << "txtFriendName" << "   " << "   " << "Friend's Name";
    QTest::newRow("a tab alone stays") << "txtFriendName" << "\t" << "\t" << "\t";
    QTest::newRow("CR LF alone stays") << "txtMessage" << "\r\n" << "\r\n" << "\r\n";
    QTest::newRow("text keeps its spaces") << "txtFriendName" << " Bob " << " Bob " << " Bob ";
    QTest::newRow("e-mail placeholder") << "txtEmail" << "Your Email Address" << "" << "Your Email Address";
    QTest::newRow("friend e-mail placeholder")
        << "txtFriendEmail" << "Friend's Email Address" << "" << "Friend's Email Address";
    QTest::newRow("message emptied and left") << "txtMessage" << "" << "" << "Your Message";
    QTest::newRow("bare message placeholder") << "txtMessage" << "Your Message" << "" << "Your Message";
    // clang-format on
}

void TestExitScreen::placeholderOnFocus()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, afterFocus);
    QFETCH(QString, afterLeaving);
    frmExitScreen* s = shown();
    auto* target = s->findChild<QWidget*>(box);
    QVERIFY(target);
    s->setBoxText(target, before);

    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(s->boxText(target), afterFocus);
    s->cmdSubmit->setFocus(Qt::TabFocusReason);
    QCOMPARE(s->boxText(target), afterLeaving);
}

void TestExitScreen::messageBoxKeepsItsLineBreakOnFirstFocus()
{
    frmExitScreen* s = shown();
    // Tab walks the form in its designed order, down to the hidden box.
    const QWidgetList order = {s->Check1,         s->txtName,       s->cmdSubmit, s->txtEmail,
                               s->txtFriendEmail, s->txtFriendName, s->txtMessage};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QCOMPARE(s->boxText(s->txtMessage), QStringLiteral("Your Message\r\n"));
    QCOMPARE(s->boxText(s->txtName), QStringLiteral("Your Name")); // left empty: restored
}

void TestExitScreen::activationChangesLeavePlaceholdersAlone()
{
    frmExitScreen* s = shown();
    s->txtName->setFocus(Qt::TabFocusReason);
    s->setBoxText(s->txtName, QString());
    // A message box or another program taking the activation is no move
    // between this window's controls.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(s->txtName, &out);
    QCOMPARE(s->txtName->text(), QString());
    s->setBoxText(s->txtName, QStringLiteral("Your Name"));
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(s->txtName, &in);
    QCOMPARE(s->txtName->text(), QStringLiteral("Your Name"));
}

void TestExitScreen::spaceIsRefusedInEmailBoxesOnly_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("refused");
    QTest::newRow("your e-mail") << "txtEmail" << true;
    QTest::newRow("friend's e-mail") << "txtFriendEmail" << true;
    QTest::newRow("your name") << "txtName" << false;
    QTest::newRow("friend's name") << "txtFriendName" << false;
    QTest::newRow("message") << "txtMessage" << false;
}

void TestExitScreen::spaceIsRefusedInEmailBoxesOnly()
{
    QFETCH(QString, box);
    QFETCH(bool, refused);
    frmExitScreen* s = shown();
    auto* target = s->findChild<QWidget*>(box);
    target->setFocus(Qt::TabFocusReason);
    s->setBoxText(target, QStringLiteral("ab"));
    MessageRecorder messages;

    QTest::keyClick(target, Qt::Key_Space);

    if (!refused) {
        QVERIFY(messages.messages.empty());
        QVERIFY(s->boxText(target).contains(u' '));
        return;
    }
    QCOMPARE(messages.texts(), QStringList{"Email Address Cannot Contain Space"});
    QCOMPARE(messages.messages.front().icon, QMessageBox::Critical);
    QCOMPARE(messages.messages.front().parent, s);
    QCOMPARE(s->boxText(target), QStringLiteral("ab"));
    QVERIFY(target->hasFocus());
}

void TestExitScreen::checkBoxOpensHomePageAndUnchecks()
{
    frmExitScreen* s = shown();
    AddressRecorder recorder;
    const QString home = vendorPage("home-page");
    QTest::mouseClick(s->Check1, Qt::LeftButton, {}, QPoint(8, s->Check1->height() / 2));
    QCOMPARE(recorder.addresses, QStringList{home});
    QCOMPARE(s->Check1->checkState(), Qt::Unchecked);
    QTest::keyClick(s->Check1, Qt::Key_Space);
    QCOMPARE(recorder.addresses, (QStringList{home, home}));
    QCOMPARE(s->Check1->checkState(), Qt::Unchecked);
}

void TestExitScreen::homeLinkOpensItsPage()
{
    frmExitScreen* s = shown();
    AddressRecorder recorder;
    QTest::mouseClick(s->lblGoToHome, Qt::LeftButton, {}, s->lblGoToHome->rect().center());
    QCOMPARE(recorder.addresses, QStringList{vendorPage("brimwellsoftwares")});
}

void TestExitScreen::submissionChecksInOrder_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("fields"); // name, e-mail, message, friend's name, friend's e-mail
    QTest::addColumn<QString>("message");    // empty: the request is sent

    const QString msg = QStringLiteral("Your Message\r\n");
    QTest::newRow("untouched form")
        << QStringList{"Your Name", "Your Email Address", msg, "Friend's Name", "Friend's Email Address"}
        << "Please Enter Proper Email Address";
    QTest::newRow("same addresses first of all")
        << QStringList{"", "a@b.c", "", "", " a@b.c "} << "Please Enter Distinct Email Addresses";
    QTest::newRow("both empty are the same") << QStringList{"Ann", "", "Hi", "Bob", ""}
                                             << "Please Enter Distinct Email Addresses";
    QTest::newRow("letter case makes them distinct")
        << QStringList{"Ann", "A@b.c", "Hi", "Bob", "a@b.c"} << "";
    QTest::newRow("no at sign") << QStringList{"Ann", "ann.example.org", "Hi", "Bob", "bob@example.org"}
                                << "Please Enter Proper Email Address";
    QTest::newRow("friend without a dot") << QStringList{"Ann", "ann@example.org", "Hi", "Bob", "bob@localhost"}
                                          << "Please Enter Proper Email Address";
    QTest::newRow("tabs and breaks are no spaces")
        << QStringList{"\tAnn ", "a@b.c", " Hi\r\n", "\tBob\t", "d@e.f"} << "";
    QTest::newRow("dot before at passes") << QStringList{"Ann", "a.b@c", "Hi", "Bob", "d.e@f"} << "";
    QTest::newRow("name placeholder") << QStringList{"Your Name", "a@b.c", msg, "Bob", "d@e.f"}
                                      << "Please Enter Your Name";
    QTest::newRow("name in other case passes") << QStringList{"YOUR NAME", "a@b.c", msg, "Bob", "d@e.f"} << "";
    QTest::newRow("bare message placeholder") << QStringList{"Ann", "a@b.c", "Your Message", "Bob", "d@e.f"}
                                              << "Please Enter Your Message";
    QTest::newRow("empty message") << QStringList{"Ann", "a@b.c", "   ", "Bob", "d@e.f"}
                                   << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << QStringList{"Ann", "a@b.c", "Hi", "Friend's Name", "d@e.f"} << "Please Enter Your Friend's Name";
    // clang-format on
}

void TestExitScreen::submissionChecksInOrder()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    frmExitScreen* s = shown();
    fill(fields[0], fields[1], fields[2], fields[3], fields[4]);
    AddressRecorder recorder;
    MessageRecorder messages;

    QTest::mouseClick(s->cmdSubmit, Qt::LeftButton);

    // The fields are captured, trimmed, before any check.
    const TellAFriendRequest& request = loadedExitScreen()->request();
    QStringList trimmed;
    for (const QString& field : fields)
        trimmed << trimSpaces(field);
    QCOMPARE((QStringList{request.SenderName, request.SenderEmail, request.MessageText, request.FriendName,
                          request.FriendEmail}),
             trimmed);
    if (message.isEmpty()) {
        QVERIFY(messages.messages.empty());
        QCOMPARE(recorder.addresses.size(), 1);
        QVERIFY(!request.RequestAddress.isEmpty());
    } else {
        QCOMPARE(messages.texts(), QStringList{message});
        QCOMPARE(messages.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(messages.messages.front().parent, s);
        QVERIFY(recorder.addresses.isEmpty());
        QVERIFY(request.RequestAddress.isEmpty());
    }
    // The form keeps its text either way.
    QCOMPARE(s->boxText(s->txtFriendName), fields[3]);
}

void TestExitScreen::requestValuesArriveExactlyAsTyped_data()
{
    // clang-format off
    // The name and the message are pasted into their boxes, then `typed` is
    // typed into the message box, which holds Enter as CR LF.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QTestEventList>("typed");
    QTest::addColumn<QString>("sentMessage");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("refusal"); // empty: the request is sent
    const QString sent;
    const auto keys = [](std::initializer_list<Qt::Key> keys) {
        QTestEventList events;
        for (const Qt::Key key : keys)
            events.addKeyClick(key);
        return events;
    };
    const QTestEventList none, enterX = keys({Qt::Key_Return, Qt::Key_X});
    QTest::newRow("query syntax") << "Tom & Jerry #1 A+B" << "a=b&taf5=evil #2 100%" << none << "a=b&taf5=evil #2 100%"
                                  << "fan+news#club@y.z" << sent;
    QTest::newRow("line breaks") << "Ann" << "Your Message\r\nline two" << enterX << "Your Message\r\nline two\r\nx"
                                 << "x@y.z" << sent;
    QTest::newRow("letters of other scripts") << "Zo\u00eb \u0141\u00f3d\u017a" << "\u65e5\u672c" << none
                                              << "\u65e5\u672c" << "x@y.z" << sent;
    QTest::newRow("no-break spaces, even last") << "Ann\u00A0Lee\u00A0" << "a\u00A0b\u2028c\u2029d\u00A0" << none
                                                << "a\u00A0b\u2028c\u2029d\u00A0" << "x@y.z" << sent;
    QTest::newRow("lone CR and LF") << "a\rb\nc" << "a\rb\nc\r" << enterX << "a\rb\nc\r\r\nx" << "x@y.z" << sent;
    // Joining two lines keeps the kind of the break that stays.
    QTest::newRow("Backspace joins at LF, CR stays")
        << "Ann" << "a\rb\nc" << keys({Qt::Key_Left, Qt::Key_Backspace}) << "a\rbc" << "x@y.z" << sent;
    QTest::newRow("Delete joins at CR, LF stays")
        << "Ann" << "a\nb\rc" << keys({Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete}) << "a\nbc" << "x@y.z" << sent;
    // Sent where the launcher takes that much (Unix), refused where not; the
    // rest of the address takes well under 1,000 bytes.
    const QString tooLong = QStringLiteral("This Request Is Too Long To Open In Your Browser");
    const QString sentIfItFits = webpages::maxAddressBytes() >= MaxBoxText + 1000 ? sent : tooLong;
    QTest::newRow("as long a name as a box takes") << QString(MaxBoxText, u'n') << "hi" << none << "hi" << "x@y.z"
                                                   << sentIfItFits;
    // In lines as people write them: one unbroken line that long is slow to lay out.
    const QString lines = (QString(98, u'm') + "\r\n").repeated(327);
    QTest::newRow("32,700 characters of message")
        << "Ann" << lines << enterX << lines + "\r\nx" << "x@y.z" << sentIfItFits;
    const QString full = lines + QString(MaxBoxText - lines.size(), u'm');
    QTest::newRow("as long a message as a box takes") << "Ann" << full << none << full << "x@y.z" << sentIfItFits;
    // A paste past what a box takes is refused whole, never cut.
    QTest::newRow("a name one too many") << QString(MaxBoxText + 1, u'n') << "hi" << none << "hi" << "x@y.z"
                                         << "Please Enter Your Name";
    QTest::newRow("a message one too many") << "Ann" << QString(MaxBoxText + 1, u'm') << none << "" << "x@y.z"
                                            << "Please Enter Your Message";
    // The browser's launcher takes an address of at most so many bytes: a
    // name of letters six bytes each ("%C3%A9") reaches it within what a box takes.
    const auto lastByteAt = [](qsizetype size) {
        const qsizetype room = size - qsizetype(TellAFriendAddress({"", "me@example.org", "hi", "Bob", "x@y.z", {}}).size());
        return QString(room / 6, u'\u00e9') + QString(room % 6, u'n');
    };
    // INTERNET_MAX_URL_LENGTH on Windows; the kernel's longest argument (for
    // xdg-open) on Unix.
#if defined(Q_OS_WIN)
    const qsizetype limit = 2083;
#else
    const qsizetype limit = 128 * 1024 - 1;
#endif
    QTest::newRow("exactly as long as the launcher takes") << lastByteAt(limit) << "hi" << none << "hi" << "x@y.z" << sent;
    QTest::newRow("a byte too long to hand over") << lastByteAt(limit + 1) << "hi" << none << "hi" << "x@y.z" << tooLong;
    QTest::newRow("too long to hand over") << "Ann" << QString(30000, u'\u00e9') << none << "" << "x@y.z" << tooLong;
    // clang-format on
}

void TestExitScreen::requestValuesArriveExactlyAsTyped()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QTestEventList, typed);
    QFETCH(QString, sentMessage);
    QFETCH(QString, friendEmail);
    QFETCH(QString, refusal);
    frmExitScreen* s = shown();
    fill({}, QStringLiteral("me@example.org"), {}, QStringLiteral("Bob"), friendEmail);
    QGuiApplication::clipboard()->setText(name);
    s->txtName->paste();
    QGuiApplication::clipboard()->setText(message);
    s->txtMessage->paste();
    typed.simulate(s->txtMessage);
    AddressRecorder recorder;
    MessageRecorder messages;
    s->cmdSubmit_Click();
    if (!refusal.isEmpty()) {
        QVERIFY(recorder.addresses.isEmpty());
        QCOMPARE(messages.texts(), QStringList{refusal});
        QCOMPARE(messages.messages.front().parent, s);
        return;
    }
    QVERIFY(messages.messages.empty());
    // Handed over as built, and again at a second press.
    s->cmdSubmit_Click();
    QCOMPARE(recorder.addresses, QStringList(2, s->request().RequestAddress));

    // Nothing a page's decoder reads as a space or an end; addresses readable.
    const QString sent = recorder.addresses.front();
    QVERIFY(!sent.contains(QRegularExpression("[ +#\\r\\n]")));
    QVERIFY(sent.contains(QStringLiteral("&taf2=me@example.org&taf3=")));
    // What the receiving page decodes is what the user typed, key by key.
    const QUrl url(sent, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QVERIFY(url.fragment().isEmpty());
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 7);
    QCOMPARE(query.queryItemValue("page", QUrl::FullyDecoded), QStringLiteral("tarn-refer-a-friend"));
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), name);
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), QStringLiteral("me@example.org"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), sentMessage);
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QStringLiteral("Bob"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), friendEmail);
    QVERIFY(sent.endsWith(
        QStringLiteral("&taf6=http://%1/velto-free-arithmancy/").arg(QLatin1String(product::VendorHost))));
}

QTEST_MAIN(TestExitScreen)
#include "tst_frmExitScreen.moc"
