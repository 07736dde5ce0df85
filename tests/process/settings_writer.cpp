// Writes "Duration", a new date each time: given a number, that many times,
// ending with status 1 if a write failed; otherwise over and over until it
// is killed. The process-level test kills it at random moments and checks
// that the settings file is never left corrupt, and makes its writes fail.
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDate>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int writes = argc > 1 ? QByteArray(argv[1]).toInt() : -1;
    QDate date(2000, 1, 1);
    bool written = true;
    for (int i = 0; i != writes; ++i) {
        written = velto::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"),
                                      date.toString(Qt::ISODate))
            && written;
        date = date.addDays(1);
    }
    return written ? 0 : 1;
}
