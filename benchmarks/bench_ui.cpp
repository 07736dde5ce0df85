// How long the compute step takes in the real main window for the longest
// names: 32,767 typed capitals, and 100,000 characters pasted (the name box
// keeps 32,767). Run: QT_QPA_PLATFORM=offscreen build/dev/benchmarks/bench_ui
#include "Fonts.h"
#include "frmMain.h"

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

    void pasteAndCompute100000()
    {
        frmMain window;
        window.show();
        const QString pasted(100000, QChar(u'Y'));
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
