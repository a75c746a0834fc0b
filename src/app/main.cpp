#include "app/cestina.h"
#include "app/hlavniformular.h"
#include "app/start.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Cestina::PredSpustenim();
    QApplication app(argc, argv);
    QTranslator preklad;
    Start::Pripravit(preklad);
    THlavniFormular okno;
    okno.show();
    return app.exec();
}
