// Takes the pictures of the program's windows for its help pages.
// Usage: semaforix-snimky <program directory> <directory for the pictures>
#include "snimky/snimky.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
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
