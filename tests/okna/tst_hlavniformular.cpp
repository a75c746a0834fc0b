// The main window from start to close: configuration, menus, status bar, the question on unsaved
// settings and the clean-up of results of profiles that are not stored.
#include "pomocnik.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"

#include <QStatusBar>
#include <QStatusTipEvent>

using Pomocnik::Akce;
using Pomocnik::ProfilyTabulky;
using Pomocnik::Prvek;
using Pomocnik::TabulkaProfilu;
using Pomocnik::Text;

class TestHlavniFormular : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    void ZapsatKonfiguraci(const QByteArray &obsah) { QVERIFY(Pomocnik::Zapsat(m_dir->Soubor(QStringLiteral("config.ini")), obsah)); }

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
    }

    // What the start shows of config.ini, or of its absence: the status bar's profile and group, the
    // group and order in the menu, practice offered only with a category on; idle, the status bar
    // shown unless switched off, the menus of no mode.
    void start_data()
    {
        QTest::addColumn<QByteArray>("soubor");
        QTest::addColumn<QStringList>("profily");
        QTest::addColumn<QString>("zobrazeno");
        QTest::newRow("bez souboru") << QByteArray() << QStringList{QStringLiteral("Default")}
                                     << QStringLiteral("Default, Skupina: B, Zvolená skupina: B, nabízí, řádek, postupně, 000");
        QTest::newRow("soubor") << QByteArray("[Kategorie otazek]\r\nPravidla provozu=0\r\nRidicke opravneni=0\r\nSilnicni zakon=0\r\n"
                                              "Zdravoveda=0\r\nPodminky provozu=0\r\nZnacky=0\r\nKrizovatky=0\r\n"
                                              "[Skupina]\r\nSkupina=C\r\n[Konfigurace]\r\nStavovy radek=0\r\nPostupny vyber otazek=0\r\n"
                                              "[Profily]\r\nPocet=2\r\n1=Default\r\n2=\x8a\xe1rka\r\nAktivni=\x8a\xe1rka\r\n")
                                << QStringList{QStringLiteral("Default"), QStringLiteral("Šárka")}
                                << QStringLiteral("Šárka, Skupina: C, Zvolená skupina: C, nenabízí, bez řádku, náhodně, 111");
    }

    void start()
    {
        QFETCH(QByteArray, soubor);
        QFETCH(QStringList, profily);
        QFETCH(QString, zobrazeno);
        if (!soubor.isEmpty())
            ZapsatKonfiguraci(soubor);
        THlavniFormular okno;
        const Konfigurace &s = okno.Stav().Nastaveni();
        const bool procvicovat = Akce(&okno, "M1Procvicovat")->isEnabled(), radek = Akce(&okno, "M1StavovyRadek")->isChecked();
        QCOMPARE(procvicovat, Akce(&okno, "M1Zkouset")->isEnabled());
        QCOMPARE(radek, Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno));
        QCOMPARE(Akce(&okno, "M1NahodnyVyber")->isChecked(), !Akce(&okno, "M1PostupnyVyber")->isChecked());
        QString protokoly;
        for (bool p : s.VytvaretProtokol) // keys missing from a file: on
            protokoly += p ? u'1' : u'0';
        QCOMPARE(QStringList({Text(&okno, "PanelStavu1"), Text(&okno, "PanelStavu2"), Akce(&okno, "M1Skupina")->text(),
                              procvicovat ? QStringLiteral("nabízí") : QStringLiteral("nenabízí"),
                              radek ? QStringLiteral("řádek") : QStringLiteral("bez řádku"),
                              Akce(&okno, "M1PostupnyVyber")->isChecked() ? QStringLiteral("postupně") : QStringLiteral("náhodně"),
                              protokoly})
                     .join(QStringLiteral(", ")),
                 zobrazeno);
        QCOMPARE(okno.Stav().UlozenaNastaveni().Profily, profily);
        QCOMPARE(s.Profily, profily);
        QVERIFY(!Prvek<TPanelOtazky>(&okno, "pOtazky")->isVisibleTo(&okno) && !Prvek<TPanelPomoc>(&okno, "pPomoc")->isVisibleTo(&okno));
        QVERIFY(Prvek<QLabel>(&okno, "imgPozadi")->isVisibleTo(&okno));
        for (const char *jmeno : Pomocnik::Menu1)
            QVERIFY(Akce(&okno, jmeno)->isVisible());
        for (const char *jmeno : Pomocnik::Menu2)
            QVERIFY(!Akce(&okno, jmeno)->isVisible());
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // The status bar's panels side by side without overlap, the last one to the window's right edge;
    // a profile name too long for its panel cut with "…", whole in the tooltip.
    void stavovyRadekADlouheJmeno()
    {
        THlavniFormular okno;
        auto *radek = Prvek<QStatusBar>(&okno, "StavovyRadek1");
        const QRect klient = Prvek(&okno, "Klient")->rect();
        QCOMPARE(std::make_tuple(radek->x(), radek->width(), radek->geometry().bottom()),
                 std::make_tuple(0, klient.width(), klient.bottom()));
        QList<QLabel *> panely;
        for (const char *jmeno : {"PanelStavu0", "PanelStavu1", "PanelStavu2", "PanelStavu3"})
            panely << Prvek<QLabel>(radek, jmeno);
        QCOMPARE(panely[0]->x(), 0);
        QCOMPARE(panely[3]->geometry().right(), 631);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(radek->rect().contains(panely[i]->geometry()));
            QVERIFY(i == 0 || panely[i]->x() > panely[i - 1]->geometry().right());
        }

        for (const char *jmeno : {"Default", "Jiří O'Neil", "Maximilian Wolfgang Novakovsky"}) {
            const QString profil = QString::fromUtf8(jmeno);
            okno.Stav().Nastaveni().AktivniProfil = profil;
            okno.ZobrazitNastaveni();
            const QString text = panely[1]->text();
            QVERIFY2(text == profil || (profil.size() > 20 && text.endsWith(u'…') && profil.startsWith(text.chopped(1))),
                     qPrintable(text));
            QVERIFY(panely[1]->fontMetrics().horizontalAdvance(text) < panely[1]->contentsRect().width());
            QCOMPARE(panely[1]->toolTip(), profil);
            QCOMPARE(panely[1]->accessibleDescription(), profil);
        }
    }

    void stavovyRadekAVyberSeUlozi()
    {
        {
            THlavniFormular okno;
            Akce(&okno, "M1StavovyRadek")->trigger();
            QVERIFY(!Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno) && !Akce(&okno, "M1StavovyRadek")->isChecked());
            Akce(&okno, "M1StavovyRadek")->trigger();
            QVERIFY(Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno) && Akce(&okno, "M1StavovyRadek")->isChecked());
            Akce(&okno, "M1StavovyRadek")->trigger();
            Akce(&okno, "M1NahodnyVyber")->trigger();
            Akce(&okno, "M1NahodnyVyber")->trigger(); // a second click keeps the choice
            QVERIFY(Akce(&okno, "M1NahodnyVyber")->isChecked() && !Akce(&okno, "M1PostupnyVyber")->isChecked());
            okno.Stav().Nastaveni().Profily << QStringLiteral("Škola");
            Akce(&okno, "M1UlozitNastaveni")->trigger();
            QCOMPARE(okno.Stav().UlozenaNastaveni().Profily.size(), 2);
            QVERIFY(Dialogy::Test::Zobrazene().isEmpty()); // no message follows a save
        }
        THlavniFormular znovu;
        QVERIFY(!Prvek<QStatusBar>(&znovu, "StavovyRadek1")->isVisibleTo(&znovu));
        QVERIFY(Akce(&znovu, "M1NahodnyVyber")->isChecked());
        QCOMPARE(znovu.Stav().Nastaveni().Profily, (QStringList{QStringLiteral("Default"), QStringLiteral("Škola")}));
    }

    void neulozitelneJmenoSeOdmitne()
    {
        THlavniFormular okno;
        okno.Stav().Nastaveni().Profily << QStringLiteral("Ελένη");
        Akce(&okno, "M1UlozitNastaveni")->trigger();
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("Ελένη")), QString());
        QCOMPARE(okno.Stav().UlozenaNastaveni().Profily, QStringList{QStringLiteral("Default")});
        QVERIFY(!QFile::exists(m_dir->Soubor(QStringLiteral("config.ini"))));
    }

    void napovedaVeStavovemRadku()
    {
        THlavniFormular okno;
        QStatusTipEvent tip(Akce(&okno, "M1Test")->statusTip());
        QCoreApplication::sendEvent(&okno, &tip);
        QCOMPARE(Text(&okno, "PanelStavu0"), QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích"));
        QStatusTipEvent prazdny{QString()};
        QCoreApplication::sendEvent(&okno, &prazdny);
        QCOMPARE(Text(&okno, "PanelStavu0"), QStringLiteral("     Semaforix"));
    }

    void zavreniBehemRezimuSePta()
    {
        THlavniFormular okno;
        okno.show();
        QVERIFY(okno.close());
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());

        okno.show();
        okno.PrepnoutRezim(Rezim::Prohlizeni, true);
        Dialogy::Test::Odpovedet(false);
        QVERIFY(!okno.close());
        QVERIFY(okno.isVisible() && Prvek<TPanelOtazky>(&okno, "pOtazky")->isVisible());
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Otázka: Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?")});
        Dialogy::Test::Odpovedet(true);
        QVERIFY(okno.close());
    }

    // Records of profiles that were created and never saved, or whose removal was saved, go at
    // close; a name the run never knew keeps its records.
    void vysledkyZapomenutychProfiluSeVymazou()
    {
        const QStringList profily{QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Cizí"),
                                  QStringLiteral("Jan"), QStringLiteral("Default"), QStringLiteral("Petr")};
        // Every table of a learner's records: results, protocols, answers and the exam day.
        const QStringList tabulky{QStringLiteral("Vysledky"), QStringLiteral("Protokoly"), QStringLiteral("Odpovedi"),
                                  QStringLiteral("TerminyZkousek")};
        for (const QString &tabulka : tabulky)
            TabulkaProfilu(tabulka, profily);
        ZapsatKonfiguraci("[Profily]\r\nPocet=3\r\n1=Default\r\n2=Jan's\r\n3=Petr\r\nAktivni=Default\r\n");
        // A run of the program, what the learner did in it, and the profiles of the records in every
        // table after its close.
        const auto beh = [&tabulky](const std::function<void(THlavniFormular &)> &zmena, const QStringList &zbyva) {
            {
                THlavniFormular okno;
                zmena(okno);
                if (okno.Stav().NeulozeneZmeny())
                    Dialogy::Test::Odpovedet(false); // not saved: the clean-up takes what was never stored
                okno.close();
            }
            for (const QString &tabulka : tabulky)
                QCOMPARE(ProfilyTabulky(tabulka), zbyva);
        };
        beh(
            [](THlavniFormular &okno) {
                okno.Stav().Nastaveni().Profily = {QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Jan")};
                okno.Stav().ZnameProfily() << QStringLiteral("Jan"); // created in the settings and never saved
                Akce(&okno, "M1UlozitNastaveni")->trigger(); // Petr's removal saved
                okno.Stav().Nastaveni().Profily.removeLast();
            },
            {QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Cizí"), QStringLiteral("Jan"), QStringLiteral("Default")});
        // A profile created in the next run and never saved goes at that run's close.
        const QStringList potom{QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Jan"), QStringLiteral("Default")};
        beh([](THlavniFormular &okno) { okno.Stav().ZnameProfily() << QStringLiteral("Cizí"); }, potom);
        // A run whose list of saved profiles is empty deletes nothing, whatever it created.
        beh(
            [](THlavniFormular &okno) {
                Konfigurace bezProfilu = okno.Stav().Nastaveni();
                bezProfilu.Profily.clear();
                okno.Stav().Zacit(bezProfilu);
                okno.Stav().ZnameProfily() << QStringLiteral("Jan");
            },
            potom);
    }

    // Closing with a profile created and not saved asks: Storno stays with every record, Ano saves
    // and keeps the profile's answers, results, protocols, mock exams and exam day. In the next run a save that
    // fails keeps the program open, and Ne lets the settings go with the records of the profile
    // created then; a name no run knew keeps its records all along.
    void zavreniSNeulozenymNastavenim()
    {
        const QStringList tabulky{QStringLiteral("Vysledky"), QStringLiteral("Protokoly"), QStringLiteral("Zkousky"),
                                  QStringLiteral("Odpovedi"), QStringLiteral("TerminyZkousek")};
        const QStringList vsichni{QStringLiteral("Default"), QStringLiteral("Jan"), QStringLiteral("Petr"), QStringLiteral("Cizí")};
        for (const QString &tabulka : tabulky)
            TabulkaProfilu(tabulka, vsichni);
        const auto zbyva = [&tabulky](const QStringList &profily) {
            for (const QString &tabulka : tabulky)
                QCOMPARE(ProfilyTabulky(tabulka), profily);
        };
        const QString otazka = QStringLiteral("Otázka: Nastavení nejsou uložena. Uložit je před ukončením?");
        const auto vytvorit = [](THlavniFormular &okno, const QString &profil) {
            okno.Stav().Nastaveni().Profily << profil;
            okno.Stav().ZnameProfily() << profil;
        };
        {
            THlavniFormular okno;
            okno.show();
            vytvorit(okno, QStringLiteral("Jan"));
            okno.Stav().Nastaveni().AktivniProfil = QStringLiteral("Jan");
            Dialogy::Test::Odpovedet(QVariant());
            QVERIFY(!okno.close());
            QVERIFY(okno.isVisible());
            zbyva(vsichni);
            Dialogy::Test::Odpovedet(true);
            QVERIFY(okno.close());
            QCOMPARE(Pomocnik::Zpravy(), QStringList(2, otazka));
        }
        zbyva(vsichni);
        {
            THlavniFormular okno;
            QCOMPARE(okno.Stav().AktivniProfil(), QStringLiteral("Jan"));
            vytvorit(okno, QStringLiteral("Petr"));
            vytvorit(okno, QStringLiteral("Ελένη"));
            okno.show();
            Dialogy::Test::Odpovedet(true);
            QVERIFY(!okno.close());
            const QStringList zpravy = Pomocnik::Zpravy();
            QVERIFY2(zpravy.size() == 2 && zpravy[0] == otazka && zpravy[1].startsWith(QStringLiteral("Chyba: ")),
                     qPrintable(zpravy.join(u'\n')));
            Dialogy::Test::Odpovedet(false);
            QVERIFY(okno.close());
            QCOMPARE(Pomocnik::Zpravy(), QStringList{otazka});
        }
        zbyva({QStringLiteral("Default"), QStringLiteral("Jan"), QStringLiteral("Cizí")});
        QVERIFY(THlavniFormular().close()); // nothing changed, nothing asked
        QCOMPARE(Pomocnik::Zpravy(), QStringList());
    }

    // A config.ini the learner never touched on purpose must not cost anybody their results.
    void poskozenaKonfiguraceNicNesmaze_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QByteArray nahodne;
        for (int i = 0; i < 4096; ++i)
            nahodne += static_cast<char>((i * 7919 + 13) % 256);
        QByteArray sto = "[Profily]\r\nPocet=100\r\n";
        for (int i = 1; i <= 100; ++i)
            sto += QByteArray::number(i) + "=P" + QByteArray::number(i) + "\r\n";
        QTest::newRow("náhodné bajty") << nahodne;
        QTest::newRow("jen skupina") << QByteArray("[Skupina]\r\nSkupina=D\r\n");
        QTest::newRow("sto profilů") << sto;
        QTest::newRow("bez souboru") << QByteArray();
        QTest::newRow("prázdný seznam") << QByteArray("[Profily]\r\nPocet=0\r\n");
    }

    void poskozenaKonfiguraceNicNesmaze()
    {
        QFETCH(QByteArray, obsah);
        const QStringList profily{QStringLiteral("Default"), QStringLiteral("Jan"), QStringLiteral("P31"),
                                  QStringLiteral("P100"), QString()};
        TabulkaProfilu(QStringLiteral("Vysledky"), profily);
        TabulkaProfilu(QStringLiteral("Protokoly"), profily);
        if (!obsah.isEmpty())
            ZapsatKonfiguraci(obsah);
        const auto obsahy = [] {
            QList<QByteArray> vse;
            for (const QString &soubor : Pomocnik::Soubory())
                vse << Pomocnik::Obsah(soubor);
            return vse;
        };
        const QList<QByteArray> predtim = obsahy();
        QVERIFY(THlavniFormular().close());
        QVERIFY(obsahy() == predtim);
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // A file far larger than any config.ini of the program is reported, read as the defaults and
    // never overwritten.
    void prilisVelkaKonfigurace()
    {
        QByteArray velky = "[Skupina]\r\nSkupina=D\r\n[Profily]\r\nPocet=1\r\n1=Jan\r\nAktivni=Jan\r\n";
        while (velky.size() <= MaxVelikostKonfigurace)
            velky += "; poznámka\r\n";
        ZapsatKonfiguraci(velky);
        THlavniFormular okno;
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("config.ini")), QString());
        QCOMPARE(okno.Stav().Nastaveni().ZvolenaSkupina, QStringLiteral("B"));
        QCOMPARE(okno.Stav().AktivniProfil(), QStringLiteral("Default"));
        QVERIFY(Akce(&okno, "M1Procvicovat")->isEnabled());
        Akce(&okno, "M1UlozitNastaveni")->trigger();
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("config.ini")), QString());
        QCOMPARE(Pomocnik::Obsah(m_dir->Soubor(QStringLiteral("config.ini"))), velky);
    }

    void chybejiciTabulkyVysledku()
    {
        THlavniFormular okno;
        Akce(&okno, "smProc")->trigger();
        Akce(&okno, "smZkou")->trigger();
        Akce(&okno, "M1VysledekTestu")->trigger();
        QCOMPARE(Pomocnik::Zpravy(), (QStringList{QStringLiteral("Informace: Protokol procvičování zatím nebyl vytvořen!"),
                                                   QStringLiteral("Informace: Protokol zkoušení zatím nebyl vytvořen!"),
                                                   QStringLiteral("Informace: Dosud nebyly vytvořeny žádné protokoly z testu!")}));
        QVERIFY(okno.findChildren<QDialog *>().isEmpty()); // no list opened
        okno.close(); // no table exists: the clean-up skips both
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Vysledky")));
    }

    void startBezBankyOtazek()
    {
        QFile::remove(m_dir->Soubor(QStringLiteral("otazky.DB")));
        ZapsatKonfiguraci("[Skupina]\r\nSkupina=D\r\n");
        THlavniFormular okno;
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("otazky.DB")), QString());
        QCOMPARE(okno.Stav().Nastaveni().ZvolenaSkupina, QStringLiteral("B")); // later start-up steps were skipped
        QVERIFY(!QFile::exists(m_dir->Soubor(QStringLiteral("otazky.DB"))));
    }
};

QTEST_MAIN(TestHlavniFormular)
#include "tst_hlavniformular.moc"
