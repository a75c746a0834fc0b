#include "app/start.h"

#include "app/cestina.h"
#include "data/adresare.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Start {

void Pripravit(QTranslator &preklad)
{
    // The user's data directory is named after the program, whatever the executable is called.
    QCoreApplication::setApplicationName(QStringLiteral("semaforix"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(IdAplikace));
    // Qt's own dialogs (saving, printing, the input box) and the edit fields' menus speak Czech
    // like the rest of the program. Without the translation they stay English and work all the same.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    Cestina::PoSpusteni();
    if (preklad.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&preklad);
    // Run from its own writable directory, the program works there as it always has, wherever it
    // was started from; installed, it leaves the working directory as the desktop gave it.
    const Adresare::Rozmisteni &adresare = Adresare::NastavitPriStartu();
    if (adresare.prenosne)
        QDir::setCurrent(adresare.uzivatel);
}

} // namespace Start
