// The baseline: a Qt main window with a menu and a status bar, shown and ended at once.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow okno;
    okno.menuBar()->addMenu(QStringLiteral("&Program"))->addAction(QStringLiteral("&Konec"));
    okno.setCentralWidget(new QLabel(QStringLiteral("Semaforix")));
    okno.statusBar()->showMessage(QStringLiteral("Default"));
    okno.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
