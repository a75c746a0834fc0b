// Takes the pictures of the program's windows for its help pages.
// Usage: semaforix-snimky <program directory> <directory for the pictures>
#include "snimky/snimky.h"

#include <QApplication>
#include <QTextStream>

namespace {

// The offscreen platform says so for every popup it cannot raise; the build log stays readable.
void Zprava(QtMsgType druh, const QMessageLogContext &kontext, const QString &text)
{
    if (druh == QtWarningMsg && text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    QTextStream(stderr) << qFormatLogMessage(druh, kontext, text) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(Zprava);
    QApplication app(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    QTextStream chyba(stderr);
    if (argumenty.size() != 3) {
        chyba << "usage: semaforix-snimky <program directory> <picture directory>\n";
        return 2;
    }
    const QStringList problemy = Snimky::Zapsat(argumenty[1], argumenty[2]);
    for (const QString &p : problemy)
        chyba << p << '\n';
    return problemy.isEmpty() ? 0 : 1;
}
