#include "app/hlavniformular.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The tables and config.ini live beside the program, wherever it was started from.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    THlavniFormular okno;
    okno.show();
    return app.exec();
}
