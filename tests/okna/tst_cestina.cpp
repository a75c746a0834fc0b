// Qt's own dialogs in Czech: the save dialog's columns in the Czech locale and words, the print
// dialog's options in Czech, and the environment of the programs started from here left alone.
#include "popisky.h"

#include "app/cestina.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

class TestCestina : public QObject {
    Q_OBJECT

private slots:
    void prostredi()
    {
        const QLocale cesky(QLocale::Czech, QLocale::Czechia);
        const QDateTime cas(QDate(2026, 12, 7), QTime(10, 15));
        QCOMPARE(QLocale::system().toString(cas, QLocale::ShortFormat), cesky.toString(cas, QLocale::ShortFormat));
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        // The variable the program found, for a browser it starts.
        QCOMPARE(qgetenv("LC_ALL"), QByteArray("C.UTF-8"));
    }

    // What the save dialog shows of a folder: its type and its date.
    void ulozeniASlozky()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("protokoly")));
        QFileSystemModel model;
        const QModelIndex koren = model.setRootPath(dir.path());
        QTRY_COMPARE(model.rowCount(koren), 1); // read in a thread of its own
        const QModelIndex slozka = model.index(0, 0, koren);
        QTRY_COMPARE(model.index(0, 2, koren).data().toString(), QStringLiteral("Složka"));
        const QDateTime zmena = QFileInfo(model.filePath(slozka)).lastModified();
        QCOMPARE(model.index(0, 3, koren).data().toString(),
                 QLocale(QLocale::Czech, QLocale::Czechia).toString(zmena, QLocale::ShortFormat));
    }

    void moznostiTisku()
    {
        QPrinter tiskarna;
        QPrintDialog dialog(&tiskarna);
        QCOMPARE(Pomocnik::Texty(&dialog, "pagesRadioButton noDuplex duplexLong duplexShort"),
                 QStringLiteral("Strany | Vypnuto | Vazba na dlouhé straně | Vazba na krátké straně"));
    }
};

int main(int argc, char *argv[])
{
    qputenv("LC_ALL", "C.UTF-8");
    Cestina::PredSpustenim();
    QApplication app(argc, argv);
    Cestina::PoSpusteni();
    TestCestina test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cestina.moc"
