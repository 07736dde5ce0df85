// Writes "Duration" over and over, as fast as it can, until it is killed:
// the process-level test kills it at random moments and checks that the
// settings file is never left corrupt.
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDate>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QDate date(2000, 1, 1);
    for (;;) {
        velto::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"),
                            date.toString(Qt::ISODate));
        date = date.addDays(1);
    }
}
