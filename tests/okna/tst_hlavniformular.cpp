// The main window from start to close: configuration, menus, status bar and the clean-up of
// results of profiles that are not stored.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "data/tabulka.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

class TestHlavniFormular : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    void ZapsatKonfiguraci(const QByteArray &obsah)
    {
        QFile f(m_dir->Soubor(QStringLiteral("config.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(obsah);
    }

    static void ZalozitVysledky(const QString &jmeno, const QStringList &profily)
    {
        Tabulka::Vytvorit(jmeno, {{QStringLiteral("Profil"), TypPole::Retezec, 30},
                                  {QStringLiteral("Body"), TypPole::Cele, 0}});
        Tabulka t(jmeno);
        t.Otevrit();
        int i = 0;
        for (const QString &p : profily) {
            t.Vlozit();
            t.Nastavit(QStringLiteral("Profil"), p);
            t.Nastavit(QStringLiteral("Body"), ++i);
            t.Ulozit();
        }
    }

    static QStringList ProfilyTabulky(const QString &jmeno)
    {
        Tabulka t(jmeno);
        t.Otevrit();
        return Pomocnik::HodnotyPole(t, QStringLiteral("Profil"));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
    }

    void vychoziNastaveniBezKonfigurace()
    {
        THlavniFormular okno;
        QCOMPARE(okno.Stav().ZvolenaSkupina, QStringLiteral("B"));
        QCOMPARE(okno.Stav().AktivniProfil, QStringLiteral("Default"));
        QCOMPARE(okno.Stav().Profily, QStringList{QStringLiteral("Default")});
        QCOMPARE(okno.Stav().UlozeneProfily, QStringList{QStringLiteral("Default")});
        QCOMPARE(okno.Stav().VytvaretProtokol, (std::array<bool, 3>{false, false, false}));
        QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1Procvicovat")->isEnabled() && Pomocnik::Prvek<QAction>(&okno, "M1Zkouset")->isEnabled());
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu1")->text(), QStringLiteral("Default"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu2")->text(), QStringLiteral("Skupina: B"));
        QCOMPARE(Pomocnik::Prvek<QAction>(&okno, "M1Skupina")->text(), QStringLiteral("Zvolená skupina: B"));
        QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1PostupnyVyber")->isChecked() && !Pomocnik::Prvek<QAction>(&okno, "M1NahodnyVyber")->isChecked());
        QVERIFY(Pomocnik::Prvek<QWidget>(&okno, "Klient")->size() == QSize(632, 386));
        QVERIFY(!Pomocnik::Prvek<TPanelOtazky>(&okno, "pOtazky")->isVisibleTo(&okno) && !Pomocnik::Prvek<TPanelPomoc>(&okno, "pPomoc")->isVisibleTo(&okno));
        QVERIFY(Pomocnik::Prvek<QLabel>(&okno, "imgPozadi")->isVisibleTo(&okno) && Pomocnik::Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno));
        for (const char *jmeno : Pomocnik::Menu1)
            QVERIFY(Pomocnik::Prvek<QAction>(&okno, jmeno)->isVisible());
        for (const char *jmeno : Pomocnik::Menu2)
            QVERIFY(!Pomocnik::Prvek<QAction>(&okno, jmeno)->isVisible());
        QCOMPARE(okno.findChild<QLabel *>(QStringLiteral("lbNic"))->pos(), QPoint(60, 48));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void konfiguraceSeCteASeZobrazi()
    {
        ZapsatKonfiguraci("[Kategorie otazek]\r\nPravidla provozu=0\r\nRidicke opravneni=0\r\nSilnicni zakon=0\r\n"
                          "Zdravoveda=0\r\nPodminky provozu=0\r\nZnacky=0\r\nKrizovatky=0\r\n"
                          "[Skupina]\r\nSkupina=C\r\n[Konfigurace]\r\nStavovy radek=0\r\nPostupny vyber otazek=0\r\n"
                          "[Profily]\r\nPocet=2\r\n1=Default\r\n2=\x8a\xe1rka\r\nAktivni=\x8a\xe1rka\r\n");
        THlavniFormular okno;
        QVERIFY(!Pomocnik::Prvek<QAction>(&okno, "M1Procvicovat")->isEnabled() && !Pomocnik::Prvek<QAction>(&okno, "M1Zkouset")->isEnabled());
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu1")->text(), QStringLiteral("Šárka"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu2")->text(), QStringLiteral("Skupina: C"));
        QCOMPARE(Pomocnik::Prvek<QAction>(&okno, "M1Skupina")->text(), QStringLiteral("Zvolená skupina: C"));
        QVERIFY(!Pomocnik::Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno) && !Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->isChecked());
        QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1NahodnyVyber")->isChecked() && !Pomocnik::Prvek<QAction>(&okno, "M1PostupnyVyber")->isChecked());
        QCOMPARE(okno.Stav().VytvaretProtokol, (std::array<bool, 3>{true, true, true})); // keys missing: on
        QCOMPARE(okno.Stav().UlozeneProfily, (QStringList{QStringLiteral("Default"), QStringLiteral("Šárka")}));
    }

    // The status bar's panels side by side without overlap, the last one to the window's right edge;
    // a profile name too long for its panel cut with "…", whole in the tooltip.
    void stavovyRadekADlouheJmeno()
    {
        THlavniFormular okno;
        auto *radek = Pomocnik::Prvek<QStatusBar>(&okno, "StavovyRadek1");
        QCOMPARE(radek->geometry(), QRect(0, 386 - radek->height(), 632, radek->height()));
        QList<QLabel *> panely;
        for (const char *jmeno : {"PanelStavu0", "PanelStavu1", "PanelStavu2", "PanelStavu3"})
            panely << Pomocnik::Prvek<QLabel>(radek, jmeno);
        QCOMPARE(panely[0]->x(), 0);
        QCOMPARE(panely[3]->geometry().right(), 631);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(radek->rect().contains(panely[i]->geometry()));
            QVERIFY(i == 0 || panely[i]->x() > panely[i - 1]->geometry().right());
        }
        QCOMPARE(panely[1]->width(), 75 - 2); // the widths as designed, less the room between panels

        for (const char *jmeno : {"Default", "Jiří O'Neil", "Maximilian Wolfgang Novakovsky"}) {
            const QString profil = QString::fromUtf8(jmeno);
            okno.Stav().AktivniProfil = profil;
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
            Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->trigger();
            QVERIFY(!Pomocnik::Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno) && !Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->isChecked());
            Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->trigger();
            QVERIFY(Pomocnik::Prvek<QStatusBar>(&okno, "StavovyRadek1")->isVisibleTo(&okno) && Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->isChecked());
            Pomocnik::Prvek<QAction>(&okno, "M1StavovyRadek")->trigger();
            Pomocnik::Prvek<QAction>(&okno, "M1NahodnyVyber")->trigger();
            Pomocnik::Prvek<QAction>(&okno, "M1NahodnyVyber")->trigger(); // a second click keeps the choice
            QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1NahodnyVyber")->isChecked() && !Pomocnik::Prvek<QAction>(&okno, "M1PostupnyVyber")->isChecked());
            okno.Stav().Profily << QStringLiteral("Škola");
            Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger();
            QCOMPARE(okno.Stav().UlozeneProfily.size(), 2);
            QVERIFY(Dialogy::Test::Zobrazene().isEmpty()); // no message follows a save
        }
        THlavniFormular znovu;
        QVERIFY(!Pomocnik::Prvek<QStatusBar>(&znovu, "StavovyRadek1")->isVisibleTo(&znovu));
        QVERIFY(Pomocnik::Prvek<QAction>(&znovu, "M1NahodnyVyber")->isChecked());
        QCOMPARE(znovu.Stav().Profily, (QStringList{QStringLiteral("Default"), QStringLiteral("Škola")}));
    }

    void neulozitelneJmenoSeOdmitne()
    {
        THlavniFormular okno;
        okno.Stav().Profily << QStringLiteral("Ελένη");
        Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger();
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
        QCOMPARE(okno.Stav().UlozeneProfily, QStringList{QStringLiteral("Default")});
        QVERIFY(!QFile::exists(m_dir->Soubor(QStringLiteral("config.ini"))));
    }

    void napovedaVeStavovemRadku()
    {
        THlavniFormular okno;
        QStatusTipEvent tip(Pomocnik::Prvek<QAction>(&okno, "M1Test")->statusTip());
        QCoreApplication::sendEvent(&okno, &tip);
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu0")->text(), QStringLiteral("Vytvoří test z předpisů o provozu na pozemních komunikacích"));
        QStatusTipEvent prazdny{QString()};
        QCoreApplication::sendEvent(&okno, &prazdny);
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu0")->text(), QStringLiteral("     Semaforix"));
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
        QVERIFY(okno.isVisible() && Pomocnik::Prvek<TPanelOtazky>(&okno, "pOtazky")->isVisible());
        auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].text, QStringLiteral("Opravdu chcete vypnout program, i když spuštěný režim je stále aktivní?"));
        Dialogy::Test::Odpovedet(true);
        QVERIFY(okno.close());
    }

    static QByteArray Obsah(const QString &soubor)
    {
        QFile f(soubor);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
            ZalozitVysledky(tabulka, profily);
        ZapsatKonfiguraci("[Profily]\r\nPocet=3\r\n1=Default\r\n2=Jan's\r\n3=Petr\r\nAktivni=Default\r\n");
        {
            THlavniFormular okno;
            okno.Stav().Profily = {QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Jan")};
            okno.Stav().ZnameProfily << QStringLiteral("Jan"); // created in the settings and never saved
            Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger(); // Petr's removal saved
            okno.Stav().Profily.removeLast();
            okno.close();
        }
        const QStringList zbyva{QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Cizí"),
                                QStringLiteral("Jan"), QStringLiteral("Default")};
        for (const QString &tabulka : tabulky)
            QCOMPARE(ProfilyTabulky(tabulka), zbyva);

        // A profile created in the next run and never saved goes at that run's close.
        {
            THlavniFormular okno;
            okno.Stav().ZnameProfily << QStringLiteral("Cizí");
            okno.close();
        }
        const QStringList potom{QStringLiteral("Default"), QStringLiteral("Jan's"), QStringLiteral("Jan"),
                                QStringLiteral("Default")};
        for (const QString &tabulka : tabulky)
            QCOMPARE(ProfilyTabulky(tabulka), potom);
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
        ZalozitVysledky(QStringLiteral("Vysledky"), profily);
        ZalozitVysledky(QStringLiteral("Protokoly"), profily);
        if (!obsah.isEmpty())
            ZapsatKonfiguraci(obsah);
        QStringList soubory;
        for (const char *s : {"Vysledky.DB", "Vysledky.MB", "Protokoly.DB", "Protokoly.MB"})
            soubory << m_dir->Soubor(QString::fromLatin1(s));
        QList<QByteArray> predtim;
        for (const QString &s : std::as_const(soubory))
            predtim << Obsah(s);
        {
            THlavniFormular okno;
            QVERIFY(okno.close());
        }
        for (int i = 0; i < soubory.size(); ++i)
            QVERIFY2(Obsah(soubory[i]) == predtim[i], qPrintable(soubory[i]));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void prazdnyUlozenySeznamNicNesmaze()
    {
        ZalozitVysledky(QStringLiteral("Vysledky"), {QStringLiteral("Default"), QStringLiteral("Jan")});
        {
            THlavniFormular okno;
            okno.Stav().ZnameProfily << QStringLiteral("Jan");
            okno.Stav().UlozeneProfily.clear();
            okno.close();
        }
        QCOMPARE(ProfilyTabulky(QStringLiteral("Vysledky")), (QStringList{QStringLiteral("Default"), QStringLiteral("Jan")}));
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
        auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zpravy[0].text.contains(QStringLiteral("config.ini")), qPrintable(zpravy[0].text));
        QCOMPARE(okno.Stav().ZvolenaSkupina, QStringLiteral("B"));
        QCOMPARE(okno.Stav().AktivniProfil, QStringLiteral("Default"));
        QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1Procvicovat")->isEnabled());
        Pomocnik::Prvek<QAction>(&okno, "M1UlozitNastaveni")->trigger();
        zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QVERIFY2(zpravy[0].text.contains(QStringLiteral("config.ini")), qPrintable(zpravy[0].text));
        QCOMPARE(Obsah(m_dir->Soubor(QStringLiteral("config.ini"))), velky);
    }

    void chybejiciTabulkyVysledku()
    {
        THlavniFormular okno;
        Pomocnik::Prvek<QAction>(&okno, "smProc")->trigger();
        Pomocnik::Prvek<QAction>(&okno, "smZkou")->trigger();
        Pomocnik::Prvek<QAction>(&okno, "M1VysledekTestu")->trigger();
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 3);
        QCOMPARE(zpravy[0].text, QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
        QCOMPARE(zpravy[1].text, QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!"));
        QCOMPARE(zpravy[2].text, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));
        for (const auto &z : zpravy)
            QCOMPARE(z.druh, Dialogy::Druh::Informace);
        okno.close(); // no table exists: the clean-up skips both
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Vysledky")));
    }

    void startBezBankyOtazek()
    {
        QFile::remove(m_dir->Soubor(QStringLiteral("otazky.DB")));
        ZapsatKonfiguraci("[Skupina]\r\nSkupina=D\r\n");
        THlavniFormular okno;
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zpravy[0].text.contains(QStringLiteral("otazky.DB")), qPrintable(zpravy[0].text));
        QCOMPARE(okno.Stav().ZvolenaSkupina, QStringLiteral("B")); // later start-up steps were skipped
        QVERIFY(!QFile::exists(m_dir->Soubor(QStringLiteral("otazky.DB"))));
    }
};

QTEST_MAIN(TestHlavniFormular)
#include "tst_hlavniformular.moc"
