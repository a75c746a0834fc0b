// The program as a package installs it: the bank, pictures, marks and help from the data
// directory, the learner's settings and results in their own directory, and a program that goes
// on when that directory cannot be made.
#include "instalace.h"
#include "pomocnik.h"

#include "data/hodiny.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "kresby/znamky.h"
#include "okna/vzhled.h"
#include "practice/vysledky.h"


class TestInstalace : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Instalace> m_i;

    // Browses to a question with a picture and marks an answer, both read from the data directory:
    // whether both showed.
    static bool Prohlizet(THlavniFormular &okno)
    {
        okno.PrepnoutRezim(Rezim::Prohlizeni, true);
        okno.ZobrazitOtazku(621);
        const bool obrazek = Pomocnik::Prvek<QLabel>(&okno, "imgObrazek")->isVisibleTo(&okno);
        const bool znacka =
            Vzhled::NacistObrazek(Pomocnik::Prvek<QLabel>(&okno, "imgA"), Znamky::Cesta(Znamky::Druh::Spravne), &okno);
        okno.PrepnoutRezim(Rezim::Prohlizeni, false);
        return obrazek && znacka;
    }

    // Stores the record of a run as its evaluation does; the store's error text when it cannot.
    static QString Zapsat(THlavniFormular &okno)
    {
        try {
            Vysledky::Zapsat(okno.Stav().Beh().Vysledek(okno.Stav().AktivniProfil(), Hodiny::Ted()));
        } catch (const ChybaTabulky &e) {
            return e.Text();
        }
        return {};
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
            QVERIFY(Prohlizet(okno));
            TAbout o;
            QCOMPARE(Pomocnik::Text(&o, "lb"),
                     QLocale(QLocale::Czech, QLocale::Czechia).toString(QDate(2025, 2, 3), QLocale::ShortFormat));
            QCOMPARE(THelpForm::CestaIndexu(), m_i->Data() + QStringLiteral("/Help/index.htm"));

            okno.Stav().Nastaveni().ZvolenaSkupina = QStringLiteral("D");
            Pomocnik::Akce(&okno, "M1UlozitNastaveni")->trigger();
            QCOMPARE(Zapsat(okno), QString());
            QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        }
        QCOMPARE(m_i->Pribylo(pred), (QStringList{QStringLiteral("domov/.local/share/semaforix/Vysledky.DB"),
                                              QStringLiteral("domov/.local/share/semaforix/Vysledky.MB"),
                                              QStringLiteral("domov/.local/share/semaforix/config.ini")}));
        // The next start reads the learner's settings from their directory.
        THlavniFormular znovu;
        QCOMPARE(znovu.Stav().Nastaveni().ZvolenaSkupina, QStringLiteral("D"));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
    }

    void adresarUzivateleNelzeVytvorit()
    {
        QVERIFY(Pomocnik::Zapsat(m_i->Cesta(QStringLiteral("soubor")), {}));
        const QString nelze = m_i->Cesta(QStringLiteral("soubor/semaforix"));
        m_i->Pouzit(nelze);
        const QStringList pred = m_i->Soubory();

        THlavniFormular okno;
        QVERIFY(Prohlizet(okno));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        Pomocnik::Akce(&okno, "M1UlozitNastaveni")->trigger();
        const QString chybaZapisu = Zapsat(okno);
        const QStringList zpravy = Pomocnik::Zpravy();
        QCOMPARE(zpravy.size(), 1);
        for (const QString &text : {zpravy[0], QStringLiteral("Chyba: ") + chybaZapisu})
            QVERIFY2(text.startsWith(QStringLiteral("Chyba: ")) && text.contains(QStringLiteral("nelze vytvořit"))
                         && text.contains(QDir::toNativeSeparators(nelze)),
                     qPrintable(text));
        QVERIFY(chybaZapisu.startsWith(QStringLiteral("Tabulka Vysledky")));
        // Browsing goes on, the close finds no table to clean, and nothing was written anywhere.
        QVERIFY(Prohlizet(okno));
        okno.close();
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 0);
        QCOMPARE(m_i->Soubory(), pred);
    }
};

QTEST_MAIN(TestInstalace)
#include "tst_instalace.moc"
