// Starts the program's main window as a user would and ends as soon as it has been shown.
#include "app/hlavniformular.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    THlavniFormular okno;
    okno.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
