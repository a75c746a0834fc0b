// Writes the program's icon at one size as PNG, for the desktop's icon theme.
// Usage: semaforix-ikona <size in pixels> <file.png>
#include "kresby/kresby.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argumenty = QCoreApplication::arguments();
    QTextStream chyba(stderr);
    bool cislo = false;
    const int velikost = argumenty.size() == 3 ? argumenty[1].toInt(&cislo) : 0;
    if (!cislo || velikost < 16 || velikost > 1024) {
        chyba << "usage: semaforix-ikona <size 16..1024> <file.png>\n";
        return 2;
    }
    const QString soubor = argumenty[2];
    if (!QDir().mkpath(QFileInfo(soubor).absolutePath()) || !Kresby::Ikona(velikost).save(soubor, "PNG")) {
        chyba << "cannot write " << soubor << '\n';
        return 1;
    }
    return 0;
}
