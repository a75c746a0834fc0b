// The program as a package installs it: the bank, pictures, marks and help from the data
// directory, the learner's settings and results in their own directory, and a program that goes
// on when that directory cannot be made.
#include "instalace.h"
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "practice/vyhodnoceni.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

class TestInstalace : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Instalace> m_i;

    // Browses to a question with a picture and marks an answer: both read from the data directory.
    static void Prohlizet(THlavniFormular &okno)
    {
        okno.PrepnoutRezim(Rezim::Prohlizeni, true);
        okno.ZobrazitOtazku(621);
        QVERIFY(Pomocnik::Prvek<QLabel>(&okno, "imgObrazek")->isVisibleTo(&okno));
        QVERIFY(okno.PanelOtazky().NacistZnacku(0, Znamky::Druh::Spravne));
        okno.PrepnoutRezim(Rezim::Prohlizeni, false);
    }

    // The evaluation of a practice run of one question, stored when its protocol is on.
    static QString Vyhodnotit(THlavniFormular &okno)
    {
        okno.Stav().VytvaretProtokol[0] = true;
        okno.Stav().CelkemOtazek = 1;
        TResult r(okno.Stav(), false, &okno);
        return Pomocnik::Prvek<QLabel>(&r, "lbSoubor")->text();
    }

private slots:
    void init()
    {
        m_i = std::make_unique<Pomocnik::Instalace>();
        Dialogy::Test::Zapnout();
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1), Pomocnik::Otazka(621)}, m_i->Data()), QString());
    }

    void cleanup() { m_i.reset(); }

    void nainstalovanyProgram()
    {
        QFile mb(m_i->Data() + QStringLiteral("/otazky.MB"));
        QVERIFY(mb.open(QIODevice::ReadWrite));
        QVERIFY(mb.setFileTime(QDateTime(QDate(2025, 2, 3), QTime(9, 0)), QFileDevice::FileModificationTime));
        mb.close();
        m_i->Pouzit();
        const QStringList pred = m_i->Soubory();
        {
            THlavniFormular okno;
            Prohlizet(okno);
            TAbout o;
            QCOMPARE(Pomocnik::Prvek<QLabel>(&o, "lb")->text(),
                     QLocale(QLocale::Czech, QLocale::Czechia).toString(QDate(2025, 2, 3), QLocale::ShortFormat));
            QCOMPARE(THelpForm::CestaIndexu(), m_i->Data() + QStringLiteral("/Help/index.htm"));

            okno.Stav().ZvolenaSkupina = QStringLiteral("D");
            Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger();
            QCOMPARE(Vyhodnotit(okno), QStringLiteral("Byl vytvořen protokol - přístupen je z menu Výsledky -> Protokol z..."));
            QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        }
        QCOMPARE(m_i->Pribylo(pred), (QStringList{QStringLiteral("domov/.local/share/semaforix/Vysledky.DB"),
                                              QStringLiteral("domov/.local/share/semaforix/Vysledky.MB"),
                                              QStringLiteral("domov/.local/share/semaforix/config.ini")}));
        // The next start reads the learner's settings from their directory.
        THlavniFormular znovu;
        QCOMPARE(znovu.Stav().ZvolenaSkupina, QStringLiteral("D"));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
    }

    void adresarUzivateleNelzeVytvorit()
    {
        QFile soubor(m_i->Cesta(QStringLiteral("soubor")));
        QVERIFY(soubor.open(QIODevice::WriteOnly));
        soubor.close();
        const QString nelze = m_i->Cesta(QStringLiteral("soubor/semaforix"));
        m_i->Pouzit(nelze);
        const QStringList pred = m_i->Soubory();

        THlavniFormular okno;
        Prohlizet(okno);
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger();
        QCOMPARE(Vyhodnotit(okno), QStringLiteral("Protokol nebyl vytvořen - výsledek nelze zapsat do souboru výsledků"));
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 2);
        for (const Dialogy::Zobrazeni &z : zpravy) {
            QCOMPARE(z.druh, Dialogy::Druh::Chyba);
            QVERIFY2(z.text.contains(QStringLiteral("nelze vytvořit")) && z.text.contains(QDir::toNativeSeparators(nelze)),
                     qPrintable(z.text));
        }
        QVERIFY(zpravy[1].text.startsWith(QStringLiteral("Tabulka Vysledky")));
        // Browsing goes on, the close finds no table to clean, and nothing was written anywhere.
        Prohlizet(okno);
        okno.close();
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        QCOMPARE(m_i->Soubory(), pred);
    }
};

QTEST_MAIN(TestInstalace)
#include "tst_instalace.moc"
