// How long the compute step takes in the real main window for long names:
// 32,767 typed capitals, and as many characters pasted.
// Run: QT_QPA_PLATFORM=offscreen build/dev/benchmarks/bench_ui
#include "platform/Fonts.h"
#include "ui/main/frmMain.h"

#include <QLineEdit>
#include <QtTest>

using namespace velto;

class BenchReadingFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { resolveDesignFonts(); }

    void computeLongestTypedName()
    {
        frmMain window;
        window.show();
        window.txtName->setText(QString(32767, QChar(u'R')));
        QBENCHMARK {
            window.cmdNext_Click();
        }
    }

    void pasteAndComputeLongest()
    {
        frmMain window;
        window.show();
        const QString pasted(MaxBoxText, QChar(u'Y'));
        QBENCHMARK {
            window.txtName->clear();
            window.txtName->insert(pasted);
            window.cmdNext_Click();
            QCoreApplication::processEvents(); // and paint it
        }
    }
};

QTEST_MAIN(BenchReadingFlow)
#include "bench_ui.moc"
