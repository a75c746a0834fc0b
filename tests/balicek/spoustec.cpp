// Started from an unpacked package in place of the program beside it: starts as the program does,
// saves the settings and opens the knowledge overview (its module loaded) as the menu commands do,
// and tells the package's check what it found. Exits with 1 when the bank did not open, the overview
// did not or the program said anything.
#include "app/cestina.h"
#include "app/hlavniformular.h"
#include "app/start.h"
#include "data/adresare.h"
#include "data/banka.h"
#include "data/kategorie.h"
#include "okna/dialogy.h"

#include <QAction>
#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Cestina::PredSpustenim();
    QApplication app(argc, argv);
    QTranslator preklad;
    Start::Pripravit(preklad);
    Dialogy::Test::Zapnout();

    QTextStream vystup(stdout);
    int otazek = 0;
    QString prehled;
    {
        THlavniFormular okno;
        okno.show();
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
            otazek += okno.Banka().OtazkaExistuje(n) ? 1 : 0;
        okno.findChild<QAction *>(QStringLiteral("M1UlozitNastaveni"))->trigger();
        QTimer::singleShot(0, &app, [&prehled] {
            if (QWidget *d = QApplication::activeModalWidget()) {
                prehled = d->windowTitle();
                d->close();
            }
        });
        okno.findChild<QAction *>(QStringLiteral("M1PrehledZnalosti"))->trigger();
        okno.close();
    }
    const Adresare::Rozmisteni &r = Adresare::Aktualni();
    vystup << "data=" << r.data << '\n'
           << "uzivatel=" << r.uzivatel << '\n'
           << "desktop=" << QGuiApplication::desktopFileName() << '\n'
           << "otazek=" << otazek << '\n'
           << "prehled=" << prehled << '\n';
    const QList<Dialogy::Zobrazeni> zpravy = Dialogy::Test::Zobrazene();
    for (const Dialogy::Zobrazeni &z : zpravy)
        vystup << "zprava=" << z.text << '\n';
    return otazek > 0 && !prehled.isEmpty() && zpravy.isEmpty() ? 0 : 1;
}
