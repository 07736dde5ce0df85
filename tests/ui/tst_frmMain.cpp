#include "TestSupport.h"

#include "platform/FileDialog.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ResultBox.h"
#include "ui/common/Twips.h"
#include "ui/main/frmMain.h"

#include <memory>

#if defined(Q_OS_WIN)
#include <windows.h>
#endif

using namespace velto;
using velto::test::MessageRecorder;
using velto::test::profileText;

class TestMainWindow : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase() { resolveDesignFonts(); }
    void init();
    void cleanup() { m_window.reset(); }

    void loadFillsTheBirthDateBoxes();
    void inputPageInFrontAfterLoad();
    void typedLettersBecomeCapitals();
    void readingOfTypedName_data();
    void readingOfTypedName();
    void emptyNameIsRefused();
    void backClearsAndFocusesTheName();
    void computeKeepsTheFocus();
    void readingIsToldOnceTheWindowIsActive();
    void recomputeOnResultsPageStaysThere();
    void resultBoxEventsEmptyTheClipboard_data();
    void resultBoxEventsEmptyTheClipboard();
    void tabOrderRunsThroughHiddenControls();
    void importButtonAnswersItsKeys_data();
    void importButtonAnswersItsKeys();
    void noCaptionIsClipped();
    void controlsAreSetInTheMeasuredStandIn();
    void hiddenControlsLieBelowTheClientArea();
    void linkPointerOnItsFingertip();
    void ampersandShownOnce();
    void menusReadAsMenus();
    void pastedNamesArriveWhole_data();
    void pastedNamesArriveWhole();
    void placedWithItsTitleBarOnTheScreen_data();
    void placedWithItsTitleBarOnTheScreen();

private:
    void typeName(const QString& text);
    QStringList shownNumbers() const;

    std::unique_ptr<frmMain> m_window;
};

void TestMainWindow::init()
{
    m_window = std::make_unique<frmMain>();
    QVERIFY(velto::test::showOwned(m_window.get()));
    m_window->activateWindow();
    m_window->txtName->setFocus();
    QTRY_VERIFY(m_window->txtName->hasFocus());
}

void TestMainWindow::typeName(const QString& text)
{
    QTest::keyClicks(m_window->txtName, text);
}

QStringList TestMainWindow::shownNumbers() const
{
    return {m_window->lblResult[0]->text(), m_window->lblResult[1]->text(), m_window->lblResult[2]->text()};
}

void TestMainWindow::loadFillsTheBirthDateBoxes()
{
    const struct {
        QComboBox* box;
        int count;
        const char* first;
        const char* last;
    } boxes[] = {{m_window->cboMonth, 12, "January", "December"},
                 {m_window->cboDate, 31, "1", "31"},
                 {m_window->cboYear, 151, "1900", "2050"}};
    for (const auto& b : boxes) {
        QCOMPARE(b.box->count(), b.count);
        QCOMPARE(b.box->currentIndex(), 0);
        QCOMPARE(b.box->currentText(), QString::fromLatin1(b.first));
        QCOMPARE(b.box->itemText(b.count - 1), QString::fromLatin1(b.last));
    }
}

void TestMainWindow::inputPageInFrontAfterLoad()
{
    QVERIFY(!m_window->resultsPageInFront());
    QVERIFY(m_window->Frame2->isVisible()); // covered, not hidden
    QCOMPARE(shownNumbers(), (QStringList{"10", "10", "10"}));
    QVERIFY(m_window->txtName->text().isEmpty());
}

void TestMainWindow::typedLettersBecomeCapitals()
{
    typeName(QStringLiteral("`abcdefghijklmnopqrstuvwxyz{")); // and the characters either side
    QCOMPARE(m_window->txtName->text(), QStringLiteral("`ABCDEFGHIJKLMNOPQRSTUVWXYZ{"));
    m_window->txtName->clear();
    typeName(QStringLiteral("john smith-O'neil 42 "));
    QTest::sendKeyEvent(QTest::Click, m_window->txtName, Qt::Key_Eacute, QStringLiteral("\u00e9"), {});
    QCOMPARE(m_window->txtName->text(), QStringLiteral("JOHN SMITH-O'NEIL 42 \u00e9"));
    QTest::keyClick(m_window->txtName, Qt::Key_Backspace);
    QCOMPARE(m_window->txtName->text(), QStringLiteral("JOHN SMITH-O'NEIL 42 "));
    // Letters an input method commits are typed letters too.
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("zo\u00eb"));
    QApplication::sendEvent(m_window->txtName, &committed);
    QCOMPARE(m_window->txtName->text(), QStringLiteral("JOHN SMITH-O'NEIL 42 ZO\u00eb"));
    // One that replaces what it committed before (here the last two
    // characters) replaces them upper-cased.
    committed.setCommitString(QStringLiteral("e"), -2, 2);
    QApplication::sendEvent(m_window->txtName, &committed);
    QCOMPARE(m_window->txtName->text(), QStringLiteral("JOHN SMITH-O'NEIL 42 ZE"));
    m_window->txtName->setText(QStringLiteral("JOHN SMITH-O'NEIL 42 "));
    // Shortcuts such as Ctrl+A stay shortcuts.
    QTest::keyClick(m_window->txtName, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(m_window->txtName->selectedText(), m_window->txtName->text());
}

void TestMainWindow::readingOfTypedName_data()
{
    // clang-format off
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("press"); // how the reading is asked for
    QTest::addColumn<QStringList>("numbers"); // empty: refused, nothing shown
    QTest::newRow("john smith") << "john smith" << "click" << QStringList{"8", "6", "2"};
    QTest::newRow("blanks only") << "   " << "click" << QStringList{"0", "0", "0"};
    QTest::newRow("accented letter in the text") << "f" << "click" << QStringList{"6", "0", "6"};
    QTest::newRow("Return in the name box") << "john smith" << "Return" << QStringList{"8", "6", "2"};
    QTest::newRow("keypad Enter in the name box") << "iou" << "Enter" << QStringList{"9", "9", "0"};
    QTest::newRow("empty name, Return") << "" << "Return" << QStringList{};
    QTest::newRow("empty name, Return held") << "" << "held" << QStringList{};
    // As Wine sends the first Return after a message box: flagged repeated,
    // though none was held.
    QTest::newRow("Return flagged repeated") << "iou" << "flagged" << QStringList{"9", "9", "0"};
    // clang-format on
}

void TestMainWindow::readingOfTypedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(QStringList, numbers);

    MessageRecorder recorder;
    typeName(typed);
    if (press == "click") {
        QTest::mouseClick(m_window->cmdNext, Qt::LeftButton);
    } else if (press == "Enter") {
        QTest::keyClick(m_window->txtName, Qt::Key_Enter, Qt::KeypadModifier);
    } else if (press == "Return") {
        QTest::keyClick(m_window->txtName, Qt::Key_Return);
    } else if (press == "flagged") {
        QTest::simulateEvent(m_window->txtName, true, Qt::Key_Return, {}, QStringLiteral("\r"), true);
    } else {
        // A held key: one press, then the keyboard's repeats.
        QTest::sendKeyEvent(QTest::Press, m_window->txtName, Qt::Key_Return, QStringLiteral("\r"), {});
        for (int repeat = 0; repeat < 5; ++repeat)
            QTest::simulateEvent(m_window->txtName, true, Qt::Key_Return, {}, QStringLiteral("\r"), true);
        QTest::sendKeyEvent(QTest::Release, m_window->txtName, Qt::Key_Return, QStringLiteral("\r"), {});
    }

    if (numbers.isEmpty()) {
        QCOMPARE(recorder.texts(), QStringList{"Please Enter Your Name"});
        QVERIFY(!m_window->resultsPageInFront());
        QVERIFY(m_window->txtName->hasFocus());
        return;
    }
    QVERIFY(recorder.messages.empty());
    QVERIFY(m_window->resultsPageInFront());
    QCOMPARE(shownNumbers(), numbers);
    // Each box shows the profile of its own number, or says it has none.
    const char* none[] = {"Character", "Heart", "Social"};
    for (int i = 0; i < 3; ++i) {
        const int d = numbers[i].toInt();
        const QString expected = d ? profileText(d) : QStringLiteral("No %1 Number available").arg(none[i]);
        QCOMPARE(m_window->txtResult[static_cast<std::size_t>(i)]->toPlainText(), expected);
    }
    QCOMPARE(m_window->txtName->text(), typed.toUpper()); // Enter typed nothing
}

void TestMainWindow::emptyNameIsRefused()
{
    typeName(QStringLiteral("john smith"));
    m_window->cmdNext_Click();
    m_window->cmdBack_Click();
    m_window->cmdNext->setFocus();

    MessageRecorder recorder;
    QTest::mouseClick(m_window->cmdNext, Qt::LeftButton);

    QCOMPARE(recorder.texts(), QStringList{"Please Enter Your Name"});
    const Message& message = recorder.messages.front();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message.parent, m_window.get());
    QVERIFY(m_window->txtName->hasFocus());
    QVERIFY(!m_window->resultsPageInFront());
    // The earlier reading stays on the covered page.
    QCOMPARE(shownNumbers(), (QStringList{"8", "6", "2"}));
    QCOMPARE(m_window->txtResult[0]->toPlainText(), profileText(8));
}

void TestMainWindow::backClearsAndFocusesTheName()
{
    typeName(QStringLiteral("iou"));
    m_window->cmdNext_Click();
    m_window->cboMonth->setCurrentIndex(4);
    QTest::mouseClick(m_window->cmdBack, Qt::LeftButton);

    QVERIFY(m_window->txtName->text().isEmpty());
    QVERIFY(m_window->txtName->hasFocus());
    QVERIFY(!m_window->resultsPageInFront());
    QCOMPARE(shownNumbers(), (QStringList{"9", "9", "0"}));
    QCOMPARE(m_window->cboMonth->currentIndex(), 4);
    // The last reading is no longer told to a screen reader.
    const auto* told = m_window->findChild<QWidget*>(QStringLiteral("announcement"));
    QVERIFY(told->accessibleName().isEmpty() && told->isHidden());
}

void TestMainWindow::computeKeepsTheFocus()
{
    typeName(QStringLiteral("ann"));
    m_window->cmdNext_Click();
    QVERIFY(m_window->txtName->hasFocus());
    // Enter on the focused compute button computes too.
    m_window->cmdBack_Click();
    typeName(QStringLiteral("ann"));
    m_window->cmdNext->setFocus();
    QTest::keyClick(m_window->cmdNext, Qt::Key_Return);
    QTRY_VERIFY(m_window->resultsPageInFront());
    QVERIFY(m_window->cmdNext->hasFocus());
}

// A screen reader passes over what an inactive window says: a reading made
// as the file dialog closes is told once the window is active again.
void TestMainWindow::readingIsToldOnceTheWindowIsActive()
{
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    typeName(QStringLiteral("jane doe"));
    m_window->cmdNext_Click();
    const auto* told = m_window->findChild<QWidget*>(QStringLiteral("announcement"));
    QCOMPARE(told->accessibleName(), QStringLiteral("Character Number 9, Heart Number 8, Social Number 1"));
    QVERIFY(told->isHidden());
    m_window->activateWindow();
    QTRY_VERIFY(!told->isHidden());
}

void TestMainWindow::recomputeOnResultsPageStaysThere()
{
    typeName(QStringLiteral("john smith"));
    m_window->cmdNext_Click();
    m_window->txtName->setText(QStringLiteral("RHYTHM"));
    m_window->cmdNext_Click();
    QVERIFY(m_window->resultsPageInFront());
    QCOMPARE(shownNumbers(), (QStringList{"2", "0", "2"}));
}

void TestMainWindow::resultBoxEventsEmptyTheClipboard_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("event");
    for (int box = 0; box < 3; ++box) {
        for (const char* event : {"change", "click", "down", "move", "up"})
            QTest::addRow("%s in txtResult(%d)", event, box) << box << QString::fromLatin1(event);
    }
}

void TestMainWindow::resultBoxEventsEmptyTheClipboard()
{
    QFETCH(int, box);
    QFETCH(QString, event);
    typeName(QStringLiteral("john smith"));
    m_window->cmdNext_Click();
    ResultBox* result = m_window->txtResult[static_cast<std::size_t>(box)];
    QWidget* viewport = result->viewport();
    const QPoint inside = viewport->rect().center();

    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("copied"), QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->setText(QStringLiteral("selected"), QClipboard::Selection);
    QCOMPARE(clipboard->text(QClipboard::Clipboard), QStringLiteral("copied"));

    if (event == "change") {
        // Only this box's text: a new name changes them all.
        result->setPlainText(result->toPlainText() + QStringLiteral(" "));
    } else if (event == "click") {
        QTest::mouseClick(viewport, Qt::LeftButton, {}, inside);
    } else if (event == "down") {
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
    } else if (event == "move") {
        // Through the window, as the platform delivers a move without buttons.
        QTest::mouseMove(m_window->windowHandle(), viewport->mapTo(m_window.get(), inside + QPoint(3, 1)));
    } else {
        QTest::mousePress(viewport, Qt::LeftButton, {}, inside);
        clipboard->setText(QStringLiteral("copied"), QClipboard::Clipboard);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside);
    }

    QTRY_VERIFY(clipboard->text(QClipboard::Clipboard).isEmpty());
    if (clipboard->supportsSelection())
        QVERIFY(clipboard->text(QClipboard::Selection).isEmpty());
}

void TestMainWindow::tabOrderRunsThroughHiddenControls()
{
    const QList<QWidget*> expected = {m_window->cboMonth,     m_window->cboDate,      m_window->cboYear,
                                      m_window->cmdOpen,      m_window->txtResult[0], m_window->txtResult[1],
                                      m_window->txtResult[2], m_window->cmdBack,      m_window->txtName,
                                      m_window->cmdNext};
    QTest::keyClick(m_window->txtName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->cmdNext);
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        // Focus on the covered page does not bring it to the front.
        QVERIFY(!m_window->resultsPageInFront());
    }
}

void TestMainWindow::importButtonAnswersItsKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("focusOnButton");
    // The key held down: auto-repeated presses; -1: one press flagged
    // repeated, though none was held (Wine, after a message box).
    QTest::addColumn<int>("repeats");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << true << 0;
    QTest::newRow("Alt+O from the name box") << int(Qt::Key_O) << int(Qt::AltModifier) << false << 0;
    QTest::newRow("Enter held") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << 25;
    QTest::newRow("keypad Enter held") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << 25;
    QTest::newRow("Space held") << int(Qt::Key_Space) << int(Qt::NoModifier) << true << 25;
    QTest::newRow("Enter flagged repeated") << int(Qt::Key_Return) << int(Qt::NoModifier) << true << -1;
}

void TestMainWindow::importButtonAnswersItsKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, focusOnButton);
    QFETCH(int, repeats);
    QSignalSpy clicked(m_window->cmdOpen, &QPushButton::clicked);
    setNextOpenFileName(QString()); // the import's dialog answers Cancel
    if (focusOnButton)
        m_window->cmdOpen->setFocus();
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);

    // As a window system sends a held key: one press, then pairs of
    // repeated release and press, then the release.
    const auto send = [&](QEvent::Type type, bool repeated) {
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
        QKeyEvent event(type, key, static_cast<Qt::KeyboardModifiers>(modifiers),
                        key == Qt::Key_O ? "o" : text, repeated);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    };
    if (repeats < 0) {
        send(QEvent::KeyPress, true);
        send(QEvent::KeyRelease, false);
    } else if (repeats == 0) {
        QTest::keyClick(target, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
    } else {
        send(QEvent::KeyPress, false);
        for (int r = 0; r < repeats; ++r) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
    }

    QTRY_COMPARE(clicked.size(), 1);
    QVERIFY(m_window->txtName->text().isEmpty()); // Alt+O typed nothing
}

void TestMainWindow::noCaptionIsClipped()
{
    typeName(QStringLiteral("john smith"));
    m_window->cmdNext_Click();
    QVERIFY(m_window->findChildren<QLabel*>().size() >= 18);
    QCOMPARE(velto::test::clippedCaptions(m_window.get()), QStringList());
    // Each result box shows three whole lines of its text, as much room above
    // them as below; the scroll bar leads to the rest.
    for (ResultBox* box : m_window->txtResult) {
        const QTextBlock block = box->document()->firstBlock();
        QVERIFY(block.layout()->lineCount() > 3);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QList<QRect> shown;
        for (int i = 0; i < 3; ++i) {
            QTextCursor line(block);
            line.setPosition(block.position() + block.layout()->lineAt(i).textStart());
            shown << box->cursorRect(line);
            QVERIFY2(shown.back().top() >= 0 && shown.back().bottom() < box->viewport()->height(),
                     qPrintable(box->objectName() + QStringLiteral(", line %1").arg(i + 1)));
        }
        const int above = shown.front().top(), below = box->viewport()->height() - 1 - shown.back().bottom();
        QVERIFY2(std::abs(above - below) <= 1,
                 qPrintable(QStringLiteral("%1 px above, %2 below").arg(above).arg(below)));
        // The keyboard reads on line by line, and changes nothing.
        const QString text = box->toPlainText();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(block.layout()->lineForTextPosition(box->textCursor().positionInBlock()).lineNumber(), 1);
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("x"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->textCursor().position(), text.size());
        QCOMPARE(box->toPlainText(), text);
    }
}

void TestMainWindow::controlsAreSetInTheMeasuredStandIn()
{
    // The layout was measured against DejaVu Sans; any other fallback
    // fontconfig might choose would change line breaks and clip captions.
    // Where MS Sans Serif is installed (Wine has it), controls designed in
    // it keep it.
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("Verdana"), Qt::CaseInsensitive))
        QSKIP("the designed face is installed");
    QVERIFY(installed.contains(QStringLiteral("DejaVu Sans")));
    QCOMPARE(familyFor(Face::Verdana), QStringLiteral("DejaVu Sans"));
    const QString sansSerif = installed.contains(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive)
        ? QStringLiteral("MS Sans Serif")
        : QStringLiteral("DejaVu Sans");
    QCOMPARE(familyFor(Face::MsSansSerif), sansSerif);
    const QList<QWidget*> controls = m_window->centralWidget()->findChildren<QWidget*>();
    QVERIFY(controls.size() >= 30);
    for (QWidget* control : controls) {
        const QString shown = QFontInfo(control->font()).family();
        QVERIFY2(shown == QStringLiteral("DejaVu Sans") || shown == sansSerif,
                 qPrintable(control->objectName() + ": " + shown));
        QCOMPARE(shown, control->font().family());
    }
}

void TestMainWindow::hiddenControlsLieBelowTheClientArea()
{
    QWidget* client = m_window->centralWidget();
    for (QWidget* hidden :
         {static_cast<QWidget*>(m_window->cmdOpen), static_cast<QWidget*>(m_window->fraBirthDay)}) {
        QVERIFY(hidden->isVisible());
        QVERIFY(hidden->isEnabled());
        QVERIFY2(hidden->geometry().top() >= client->height(), qPrintable(hidden->objectName()));
    }
    // A fixed window with a close box only, titled and with the icon.
    QCOMPARE(m_window->windowTitle(), QLatin1String(product::Title));
    QVERIFY(!m_window->windowIcon().isNull());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    // The client area keeps its designed size below the menu bar.
    QCOMPARE(client->size(), QSize(twips(9045), twips(6375)));
    QVERIFY(m_window->height() >= client->height() + m_window->menuBar()->height());
}

void TestMainWindow::linkPointerOnItsFingertip()
{
    // A link takes its pointing hand, for the screen it is on, when the mouse
    // first reaches it.
    QCOMPARE(m_window->Label61->cursor().shape(), Qt::ArrowCursor);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(m_window->Label61, &enter);
    QCOMPARE(m_window->Label61->cursor().shape(), Qt::BitmapCursor);

    // The hand is as tall as the arrow at this scale, its hot spot on the
    // fingertip: the middle of its top opaque row. Windows counts the hot
    // spot in device-independent pixels, and scales it itself.
    const QCursor hand = m_window->Label61->cursor();
    const qreal scale = m_window->Label61->devicePixelRatioF();
    const QImage image = hand.pixmap().toImage();
    QCOMPARE(image.height(), qRound(32 * scale));
    QPoint tip(-1, -1);
    for (int y = 0; y < image.height() && tip.y() < 0; ++y) {
        QList<int> opaque;
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128)
                opaque << x;
        }
        if (!opaque.isEmpty())
            tip = QPoint((opaque.front() + opaque.back()) / 2, y);
    }
    const QPoint hot = QGuiApplication::platformName() == u"windows" ? hand.hotSpot() * scale
                                                                     : hand.hotSpot();
    const QPoint off = hot - tip;
    QVERIFY2(qAbs(off.x()) <= qCeil(scale) && qAbs(off.y()) <= qCeil(scale),
             qPrintable(QDebug::toString(hand.hotSpot()) + " vs fingertip " + QDebug::toString(tip)));
#if defined(Q_OS_WIN)
    // And where the system takes it, in its own pixels, over the link.
    QCursor::setPos(m_window->Label61->mapToGlobal(m_window->Label61->rect().center()));
    CURSORINFO shown{};
    shown.cbSize = sizeof shown;
    QTRY_VERIFY(::GetCursorInfo(&shown) && shown.hCursor != ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));
    ICONINFO native{};
    QVERIFY(::GetIconInfo(shown.hCursor, &native));
    ::DeleteObject(native.hbmMask);
    ::DeleteObject(native.hbmColor);
    QVERIFY2(qAbs(int(native.xHotspot) - tip.x()) <= 1 && qAbs(int(native.yHotspot) - tip.y()) <= 1,
             qPrintable(QStringLiteral("system hot spot %1, %2").arg(native.xHotspot).arg(native.yHotspot)));
#endif
}

void TestMainWindow::ampersandShownOnce()
{
    const QString caption = m_window->lblCobrand->text();
    QCOMPARE(caption.count('&'), 1);
    QCOMPARE(caption.size(), 184); // 185 as written, with "&&"
}

// A screen reader hears each menu as a popup menu, and its commands by the
// names a sighted user reads.
void TestMainWindow::menusReadAsMenus()
{
    const QList<QMenu*> menus = m_window->menuBar()->findChildren<QMenu*>();
    QVERIFY(menus.size() >= 2);
    for (QMenu* menu : menus) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(menu);
        QCOMPARE(read->role(), QAccessible::PopupMenu);
        QCOMPARE(read->text(QAccessible::Name), QString(menu->title()).remove(u'&'));
        QStringList heard, shown;
        for (int i = 0; i < read->childCount(); ++i) {
            if (read->child(i)->role() == QAccessible::MenuItem)
                heard << read->child(i)->text(QAccessible::Name);
        }
        for (const QAction* command : menu->actions()) {
            if (!command->isSeparator())
                shown << QString(command->text()).remove(u'&');
        }
        QCOMPARE(heard, shown);
    }
}

void TestMainWindow::pastedNamesArriveWhole_data()
{
    // clang-format off
    QTest::addColumn<QString>("held"); // in the box before the paste
    QTest::addColumn<bool>("selected"); // and the paste replaces it
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name"); // in the box after it
    QTest::addColumn<QStringList>("numbers");
    // A box takes as many characters as the reading walks, and each letter
    // counts; the sums stop short of their limit (4,095 Z make 32,760).
    const QString most(MaxBoxText, u'Z'), john = QStringLiteral("JOHN SMITH");
    QTest::newRow("as many letters as a box takes") << "" << false << most << most << QStringList{"9", "0", "9"};
    // One more is refused whole, never cut: the box keeps what it had.
    QTest::newRow("one too many after a name") << john << false << most.left(MaxBoxText - 9) << john
                                               << QStringList{"8", "6", "2"};
    QTest::newRow("replacing a name") << john << true << most << most << QStringList{"9", "0", "9"};
    QTest::newRow("one too many even replacing") << john << true << most + 'Z' << john << QStringList{"8", "6", "2"};
    const auto row = [](const char* name, const QString& pasted, const QStringList& numbers) {
        QTest::newRow(name) << QString() << false << pasted << pasted << numbers;
    };
    row("no-break spaces and separators", QStringLiteral("JOHN\u00A0SMITH\u2028\u2029\u00A0"), {"8", "6", "2"});
    row("lone CR and LF", QStringLiteral("JOHN\rSMITH\n"), {"8", "6", "2"});
    // A tab is not a blank: it stays in the name but counts nothing.
    row("tabs around", QStringLiteral("\tYVES\t"), {"8", "5", "3"});
    // Only typed letters become capitals.
    row("lower case stays", QStringLiteral("john smith"), {"0", "0", "0"});
    // clang-format on
}

void TestMainWindow::pastedNamesArriveWhole()
{
    QFETCH(QString, held);
    QFETCH(bool, selected);
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    QFETCH(QStringList, numbers);
    m_window->txtName->setText(held);
    if (selected)
        m_window->txtName->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    m_window->txtName->paste();
    QCOMPARE(m_window->txtName->text(), name);
    m_window->cmdNext_Click();
    QCOMPARE(shownNumbers(), numbers);
    QVERIFY(m_window->resultsPageInFront());
    // Typing goes on up to the last character a box takes, still upper-cased.
    m_window->txtName->end(false);
    QTest::keyClicks(m_window->txtName, QStringLiteral("a"));
    QCOMPARE(m_window->txtName->text(), name.size() < MaxBoxText ? name + "A" : name);
}

void TestMainWindow::placedWithItsTitleBarOnTheScreen_data()
{
    // Run again on a screen smaller than the window (tst_frmMain_small_screen).
    QTest::addColumn<QRect>("shrunk"); // the screen's area after it shrinks
    QTest::newRow("as it opens") << QRect();
    QTest::newRow("screen shrinks under it") << QRect(0, 0, 700, 500);
    QTest::newRow("screen shrinks below its size") << QRect(0, 100, 320, 240);
}

void TestMainWindow::placedWithItsTitleBarOnTheScreen()
{
    QFETCH(QRect, shrunk);
    QScreen* screen = m_window->screen();
    if (!shrunk.isNull())
        emit screen->availableGeometryChanged(shrunk);
    const QRect available = shrunk.isNull() ? screen->availableGeometry() : shrunk;
    const QSize size = m_window->frameGeometry().size();
    if (size.width() > available.width() && size.height() > available.height())
        QTRY_COMPARE(m_window->frameGeometry().topLeft(), available.topLeft());
    else if (shrunk.isNull())
        QVERIFY((m_window->frameGeometry().center() - available.center()).manhattanLength() <= 2);
    else
        QTRY_VERIFY(available.contains(m_window->frameGeometry()));
}

QTEST_MAIN(TestMainWindow)
#include "tst_frmMain.moc"
