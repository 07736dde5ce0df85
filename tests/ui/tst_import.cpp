#include "TestSupport.h"

#include "engine/SavedReadingFile.h"
#include "platform/FileDialog.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <memory>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <sys/types.h>
#endif

using namespace velto;
using velto::test::MessageRecorder;

namespace {

// Saved reading files are written by another program; the tests make their
// own, scrambling lines 4 to 6 as it does.
QByteArray scramble(const QByteArray& plain)
{
    QByteArray stored = plain;
    for (char& c : stored)
        c = static_cast<char>(static_cast<unsigned char>(c) + 25);
    return stored;
}

QByteArray savedReading(const QByteArray& month, const QByteArray& day, const QByteArray& year)
{
    return "RHYTHM\r\nLife path 7\r\n" + QByteArray("\x01\xff\x00 junk\r\n", 11) + scramble(month) + "\r\n"
        + scramble(day) + "\r\n" + scramble(year) + "\r\nmore\r\n";
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase() { resolveDesignFonts(); }
    void init();
    void cleanup();

    void lineValues_data();
    void lineValues();
    void emptyNameBoxGivesItsMessageAfterTheDate();
    void chosenFiles_data();
    void chosenFiles();
    void realDialogOpensEmptyEachTime();
    void appealDrawnAtImportIsShownAtTheEnd();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QStringList dateShown() const
    {
        return {m_window->cboMonth->currentText(), m_window->cboDate->currentText(),
                m_window->cboYear->currentText()};
    }
    void importFile(const QString& path)
    {
        setNextOpenFileName(path);
        m_window->cmdOpen_Click();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<frmMain> m_window;
};

void TestImport::init()
{
    resetShutdown();
    m_dir = std::make_unique<QTemporaryDir>();
    m_window = std::make_unique<frmMain>();
    connectMainWindow(m_window.get());
    QVERIFY(velto::test::showOwned(m_window.get()));
    QTest::keyClicks(m_window->txtName, QStringLiteral("john smith"));
}

void TestImport::cleanup()
{
    setNextOpenFileName(std::nullopt);
    m_window.reset();
    delete loadedExitScreen();
    m_dir.reset();
}

QString TestImport::write(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestImport::lineValues_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("date");
    QTest::addColumn<QStringList>("before"); // the entries chosen before the import
    const QStringList untouched = {"January", "1", "1900"}, others = {"June", "15", "1980"};
    QTest::newRow("lower-case month") << savedReading("march", "7", "1972") << QStringList{"March", "7", "1972"} << untouched;
    QTest::newRow("upper-case month") << savedReading("DECEMBER", "31", "2050")
                                      << QStringList{"December", "31", "2050"} << untouched;
    QTest::newRow("no month, year before the list")
        << savedReading("Marchy", "7", "1899") << QStringList{"January", "7", "1900"} << untouched;
    QTest::newRow("day with a leading zero") << savedReading("June", "07", "1980")
                                             << QStringList{"June", "1", "1980"} << untouched;
    // From other entries than the first.
    QTest::newRow("first entries over others") << savedReading("january", "1", "1900") << untouched << others;
    QTest::newRow("others kept where no entry fits") << savedReading("Marchy", "0", "1899") << others << others;
    // clang-format on
}

void TestImport::lineValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, date);
    QFETCH(QStringList, before);
    m_window->cboMonth->setCurrentText(before[0]);
    m_window->cboDate->setCurrentText(before[1]);
    m_window->cboYear->setCurrentText(before[2]);
    QCOMPARE(dateShown(), before);
    MessageRecorder messages;
    importFile(write("case.num", bytes));
    QVERIFY(messages.messages.empty());
    QCOMPARE(dateShown(), date);
    QVERIFY(m_window->resultsPageInFront()); // computed in every case
}

void TestImport::emptyNameBoxGivesItsMessageAfterTheDate()
{
    m_window->txtName->clear();
    MessageRecorder messages;
    importFile(write("reading.num", savedReading("March", "7", "1972")));
    QCOMPARE(dateShown(), (QStringList{"March", "7", "1972"}));
    QCOMPARE(messages.texts(), QStringList{"Please Enter Your Name"});
    QVERIFY(loadedExitScreen());
}

void TestImport::chosenFiles_data()
{
    // clang-format off
    QTest::addColumn<QString>("name"); // as chosen; empty: the dialog was cancelled
    QTest::addColumn<QString>("kind"); // what it is
    QTest::addColumn<QString>("outcome"); // "read", "refused" (Please Check The File.) or "nothing"
    QTest::addColumn<QStringList>("date"); // shown after; empty: any
    const QStringList untouched = {"January", "1", "1900"}, saved = {"March", "7", "1972"};
    QTest::newRow("Cancel") << "" << "" << "nothing" << untouched;
    QTest::newRow("upper-case extension") << "READING.NUM" << "reading" << "refused" << untouched;
    QTest::newRow("lower-case extension") << "reading.num" << "reading" << "read" << saved;
    QTest::newRow("removed after choosing") << "x.num" << "missing" << "read" << untouched;
    QTest::newRow("binary noise") << "x.num" << "noise" << "read" << QStringList();
    QTest::newRow("a valid reading padded to the limit") << "x.num" << "at limit" << "read" << saved;
    // What follows the six lines is not read, however long.
    QTest::newRow("a reading, then more than the limit") << "x.num" << "over limit" << "read" << saved;
    // The limit cuts into the six lines.
    QTest::newRow("100 MB without a CR") << "x.num" << "huge" << "refused" << untouched;
    QTest::newRow("FIFO") << "x.num" << "fifo" << "read" << untouched;
    QTest::newRow("folder") << "x.num" << "folder" << "read" << untouched;
    // clang-format on
}

void TestImport::chosenFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, outcome);
    QFETCH(QStringList, date);
    const QString path = name.isEmpty() ? QString() : m_dir->filePath(name);
    if (kind == "reading") {
        // Read-only is fine.
        QFile::setPermissions(write(name, savedReading("March", "7", "1972")), QFile::ReadOwner);
    } else if (kind.endsWith("limit")) {
        QByteArray reading = savedReading("March", "7", "1972");
        reading += QByteArray(
            MaxSavedReadingBytes - reading.size() + (kind == "over limit" ? 1024 * 1024 : 0), 'x');
        write(name, reading);
    } else if (kind == "noise") {
        QByteArray noise(60000, '\0');
        quint32 state = 12345;
        for (char& c : noise) {
            state = state * 1103515245u + 12345u;
            c = static_cast<char>(state >> 24);
        }
        write(name, noise);
    } else if (kind == "huge") {
        // Sparse: 100 MB of zero bytes that take no room on disk.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100LL * 1024 * 1024));
    } else if (kind == "fifo") {
#if defined(Q_OS_UNIX)
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#else
        QSKIP("Windows has no FIFO that a file path can name");
#endif
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    }
    MessageRecorder messages;

    importFile(path); // must return: a blocking read would hang the test here

    if (outcome == "refused") {
        QCOMPARE(messages.texts(), QStringList{"Please Check The File."});
        QCOMPARE(messages.messages.front().icon, QMessageBox::Critical);
        QCOMPARE(messages.messages.front().parent, m_window.get());
    } else {
        QVERIFY(messages.messages.empty());
    }
    // A refused file is refused whole: nothing of it applied, nothing computed.
    if (!date.isEmpty())
        QCOMPARE(dateShown(), date);
    QCOMPARE(m_window->resultsPageInFront(), outcome == "read");
    QCOMPARE(loadedExitScreen() != nullptr, outcome == "read");
    if (outcome == "read") { // the name box's reading, not the file's; the exit screen out of sight
        QCOMPARE(m_window->lblResult[0]->text(), QStringLiteral("8"));
        QVERIFY(!loadedExitScreen()->isVisible());
        QVERIFY(!loadedExitScreen()->windowHandle() || !loadedExitScreen()->windowHandle()->isVisible());
    }
}

void TestImport::realDialogOpensEmptyEachTime()
{
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        QSKIP("On Windows the dialog is the system's own, which is no Qt widget that a test can answer");
    const QString path = write("reading.num", savedReading("March", "7", "1972"));
    write("OTHER.NUM", savedReading("March", "7", "1972"));
    // The first time it opens in the user's documents.
    const QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath("Documents"));
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const auto restoreHome = qScopeGuard([&realHome] { qputenv("HOME", realHome); });
    // Windows keeps them where the system says, whatever HOME says.
    const QString documents = QSysInfo::productType() == QLatin1String("windows")
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        : home.path() + "/Documents";
    for (int round = 0; round < 2; ++round) {
        m_window->cboMonth->setCurrentIndex(0);
        QString seenName, seenTitle, seenFolder;
        const auto answer = [&](QFileDialog* dialog) {
            auto* nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameEdit);
            seenName = nameEdit->text();
            seenTitle = dialog->windowTitle();
            seenFolder = dialog->directory().absolutePath();
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog->nameFilters(), QStringList{"Velto Numeris Pro (*.num)"});
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("num"));
            if (round == 1) {
                // It lists only what the name test takes: no ".NUM" in capitals.
                auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
                const auto listed = [list] {
                    QStringList names;
                    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
                        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
                    return names;
                };
                QTRY_VERIFY(listed().contains("reading.num"));
                QVERIFY(!listed().contains("OTHER.NUM"));
            }
            nameEdit->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides the slot
        };
        QVERIFY(velto::test::answerModal<QFileDialog>(
            [this] { QTest::mouseClick(m_window->cmdOpen, Qt::LeftButton); }, answer));

        QCOMPARE(seenTitle, QStringLiteral("Select the source file"));
        QCOMPARE(seenName, QString());
        QCOMPARE(dateShown(), (QStringList{"March", "7", "1972"}));
        // The second time it opens where the first file was chosen.
        QCOMPARE(seenFolder, round == 0 ? documents : QFileInfo(path).absolutePath());
    }
}

void TestImport::appealDrawnAtImportIsShownAtTheEnd()
{
    importFile(write("reading.num", savedReading("March", "7", "1972")));
    QPointer<frmExitScreen> loadedAtImport = loadedExitScreen();
    QVERIFY(loadedAtImport);
    const QString appeal = loadedAtImport->Label2->text();

    frmMain* main = m_window.release();
    main->setAttribute(Qt::WA_DeleteOnClose, true);
    main->close();

    QVERIFY(loadedExitScreen() == loadedAtImport.data());
    QVERIFY(loadedAtImport->isVisible());
    QCOMPARE(loadedAtImport->Label2->text(), appeal);
}

QTEST_MAIN(TestImport)
#include "tst_import.moc"
