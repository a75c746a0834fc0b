#include "app/cestina.h"
#include "app/hlavniformular.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Cestina::PredSpustenim();
    QApplication app(argc, argv);
    Cestina::PoSpusteni();
    // Qt's own dialogs (saving, printing, the input box) and the edit fields' menus speak Czech
    // like the rest of the program. Without the translation they stay English and work all the same.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    QTranslator preklad;
    if (preklad.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&preklad);
    // The tables and config.ini live beside the program, wherever it was started from.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    THlavniFormular okno;
    okno.show();
    return app.exec();
}
