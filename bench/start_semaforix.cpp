// Starts the program as main does (Czech for Qt's dialogs, the program's directories decided) and
// ends as soon as its main window has been shown. run.sh starts it from a program folder of its own,
// as a user starts the program.
//
// `bench_start_semaforix --prehled` then opens the knowledge overview from the menu, as a learner
// does the first time in a run, and prints the milliseconds from the command to the window painted.
// Built as bench_start_grafy, it is the program with the overview's window and Qt Charts linked in
// instead of loading them as a module.
#include "app/cestina.h"
#include "app/hlavniformular.h"
#include "app/start.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

#ifdef SEMAFORIX_GRAFY_PRIMO
#include "uceni/modulprehledu.h"
#include "uceni/prehled.h"
#endif

namespace {

// Paints the overview whole inside its own event loop and closes it; true when it was the overview
// that opened (anything else modal, a message box, is closed too).
bool ZavritPrehled(const QElapsedTimer &mereni)
{
    QWidget *d = QApplication::activeModalWidget();
    if (!d)
        return false;
    const bool prehled = d->objectName() == QStringLiteral("Prehled");
    if (prehled) {
        d->repaint();
        std::printf("%.2f\n", double(mereni.nsecsElapsed()) / 1e6);
    }
    d->close();
    return prehled;
}

} // namespace

int main(int argc, char *argv[])
{
    Cestina::PredSpustenim();
    QApplication app(argc, argv);
    QTranslator preklad;
    Start::Pripravit(preklad);
#ifdef SEMAFORIX_GRAFY_PRIMO
    ModulPrehledu::PouzitTovarnu([](const PrehledZnalosti::UdajePrehledu &udaje, PrehledZnalosti::ObsluhaPrehledu &obsluha,
                                    QWidget *rodic) -> QDialog * { return new TPrehled(udaje, obsluha, rodic); });
#endif
    THlavniFormular okno;
    okno.show();
    if (argc > 1 && qstrcmp(argv[1], "--prehled") == 0) {
        QElapsedTimer mereni;
        bool otevreno = false;
        QTimer::singleShot(0, &app, [&] {
            QTimer::singleShot(0, &app, [&] { otevreno = ZavritPrehled(mereni); });
            mereni.start();
            okno.findChild<QAction *>(QStringLiteral("M1PrehledZnalosti"))->trigger();
            QCoreApplication::quit();
        });
        app.exec();
        return otevreno ? 0 : 1;
    }
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
