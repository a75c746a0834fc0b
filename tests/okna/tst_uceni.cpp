// The memory of answers in the running program: practice in the learning order, which asks first
// what the learner got wrong; the knowledge overview from the menu, its module loaded as the program
// loads it, with its due questions practised; a table that cannot take answers, told once per run
// while the run goes on.
#include "odpovedi.h"
#include "odpovidani.h"
#include "zaznamy.h"

#include "data/adresare.h"
#include "data/hodiny.h"
#include "uceni/modulprehledu.h"

#include <QPushButton>

using Pomocnik::Prvek;
using V = Odpovedi::Vysledek;
using Z = Odpovedi::Zdroj;

namespace {

const QDateTime Ted(QDate(2026, 5, 4), QTime(10, 0));

// Questions 1 to 12 of the first category, each answered right by a).
QList<Banka::OtazkaZdroje> Otazky() { return Pomocnik::Otazky({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}); }

const QByteArray PodlePameti = "[Konfigurace]\r\nPostupny vyber otazek=0\r\nVyber podle pameti=1\r\n"
                               "[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n";

QList<std::tuple<int, V, Z>> Souhrn(const std::vector<Odpovedi::Odpoved> &odpovedi, size_t od = 0)
{
    QList<std::tuple<int, V, Z>> souhrn;
    for (size_t i = od; i < odpovedi.size(); ++i)
        souhrn << std::make_tuple(odpovedi[i].otazka, odpovedi[i].vysledek, odpovedi[i].zdroj);
    return souhrn;
}

} // namespace

class TestUceni : public QObject {
    Q_OBJECT

private slots:
    void init() { Hodiny::Zastavit(Ted); }
    void cleanup()
    {
        Hodiny::Pustit();
        Adresare::Nastavit({});
    }

    // Chosen in config.ini: the first run asks the new questions in number order, the second the
    // wrong and hinted ones first; every answer is in Odpovedi the moment it is judged.
    void behyPodlePameti()
    {
        Pomocnik::Program program(Otazky(), PodlePameti);
        THlavniFormular &okno = *program.okno;
        okno.show();
        const Pomocnik::Odpovidani beh{okno};
        auto *polozka = Prvek<QAction>(&okno, "M1VyberPodlePameti");
        QCOMPARE(std::make_pair(polozka->text(), polozka->statusTip()),
                 std::make_pair(QStringLiteral("Výběr podle &paměti (opakování)"),
                                QStringLiteral("Nejdříve otázky, které zapomínáte nebo jste ještě neviděli")));
        QVERIFY(polozka->isChecked() && !Prvek<QAction>(&okno, "M1PostupnyVyber")->isChecked()
                && !Prvek<QAction>(&okno, "M1NahodnyVyber")->isChecked());
        QVERIFY(!okno.Stav().NactenaPamet()); // not read at start

        // The set-up dialog says what a run of the count shown holds, as the count moves; the panel
        // names why each question comes.
        bool zacatekPovolen = true;
        QStringList slozeni;
        const auto dotaz = [&](QWidget *d) {
            zacatekPovolen = Prvek<QWidget>(d, "sbOtazka")->isEnabled();
            slozeni << Pomocnik::Text(d, "lbPodlePameti");
            Prvek<QScrollBar>(d, "sbPocet")->setValue(4);
            slozeni << Pomocnik::Text(d, "lbPodlePameti");
        };
        QStringList duvody;
        const auto duvod = [&okno, &duvody](int n) {
            auto *lbDuvod = Prvek<QLabel>(&okno, "lbDuvod");
            duvody << (lbDuvod->isVisibleTo(&okno) ? QString::number(n) + u' ' + lbDuvod->text() : QString());
        };
        beh.Spustit("M1Procvicovat", 10, 1, dotaz);
        QVERIFY(!zacatekPovolen);
        QCOMPARE(slozeni, (QStringList{QStringLiteral("Podle paměti: 0 k opakování, 12 nových"),
                                       QStringLiteral("Podle paměti: 0 k opakování, 4 nové")}));
        const auto prvni = [&duvod](int n) {
            duvod(n);
            return n == 3 || n == 8 ? QStringLiteral("B") : n == 5 ? QString() : QStringLiteral("A");
        };
        QCOMPARE(beh.Projit(10, prvni), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        QCOMPARE(duvody.size(), 10);
        QCOMPARE(duvody.first(), QStringLiteral("1 Nová otázka"));
        QCOMPARE(duvody.last(), QStringLiteral("10 Nová otázka"));
        // Stored as judged, before the run ends.
        QCOMPARE(Pomocnik::UlozeneOdpovedi().size(), size_t(10));
        beh.Vyhodnotit();
        QCOMPARE(okno.AktivniRezim(), Rezim::Zadny);
        const std::vector<Odpovedi::Odpoved> ulozene = Pomocnik::UlozeneOdpovedi();
        QList<std::tuple<int, V, Z>> ocekavane;
        for (int n = 1; n <= 10; ++n)
            ocekavane << std::make_tuple(n, n == 3 || n == 8 ? V::Spatne : n == 5 ? V::SNapovedou : V::Spravne, Z::Procvicovani);
        QCOMPARE(Souhrn(ulozene), ocekavane);
        QCOMPARE(QDateTime(ulozene[0].datum, ulozene[0].cas), Ted);
        QCOMPARE(okno.Stav().NactenaPamet()->Odpovedi().size(), size_t(10)); // kept up to date

        // A day later an examination: the wrong and hinted first, then the new, then the rest. Its
        // mistake goes unexplained.
        Hodiny::Zastavit(Ted.addDays(1));
        slozeni.clear();
        duvody.clear();
        beh.Spustit("M1Zkouset", 6, 1, dotaz);
        QCOMPARE(slozeni, (QStringList{QStringLiteral("Podle paměti: 3 k opakování, 2 nové, 7 známých"),
                                       QStringLiteral("Podle paměti: 3 k opakování, 1 nová")}));
        const auto druhy = [&duvod](int n) {
            duvod(n);
            return n == 1 ? QStringLiteral("B") : QStringLiteral("A");
        };
        QCOMPARE(beh.Projit(6, druhy), (QList<int>{3, 5, 8, 11, 12, 1}));
        QVERIFY(!Prvek<QLabel>(&okno, "stPoznamka")->isVisibleTo(&okno));
        QCOMPARE(duvody, (QStringList{QStringLiteral("3 Naposledy chybně"), QStringLiteral("5 Naposledy chybně"),
                                      QStringLiteral("8 Naposledy chybně"), QStringLiteral("11 Nová otázka"),
                                      QStringLiteral("12 Nová otázka"), QStringLiteral("1 Opakování")}));
        beh.Vyhodnotit();
        QCOMPARE(Souhrn(Pomocnik::UlozeneOdpovedi(), 10),
                 (QList<std::tuple<int, V, Z>>{{3, V::Spravne, Z::Zkouseni}, {5, V::Spravne, Z::Zkouseni},
                                               {8, V::Spravne, Z::Zkouseni}, {11, V::Spravne, Z::Zkouseni},
                                               {12, V::Spravne, Z::Zkouseni}, {1, V::Spatne, Z::Zkouseni}}));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // The overview of the active profile from the menu, its memory read then; its due questions
    // become a practice run of exactly those, whose answers count as practice and whose record is
    // written as any practice run's. A module that is no library is told, with the loader's reason,
    // and the program goes on; the build's module then opens.
    void prehledAOpakovani()
    {
        Pomocnik::Program program(Otazky());
        THlavniFormular &okno = *program.okno;
        okno.show();
        okno.Stav().Nastaveni().VytvaretProtokol = {true, true, false};
        for (const Pomocnik::Krok &k : {Pomocnik::Krok{4, Ted.addDays(-40)}, {1, Ted.addDays(-10)},
                                        {2, Ted.addDays(-3), V::Spatne}, {7, Ted.addDays(-1), V::SNapovedou}, {9, Ted}})
            Odpovedi::Zapsat(QStringLiteral("Default"), Pomocnik::Odpoved(k));

        // No module, then a file that is no library.
        QFile poskozeny(program.adresar.Soubor(ModulPrehledu::Soubor));
        Adresare::Nastavit({{}, {}, false, program.adresar.Cesta()});
        for (const bool soubor : {false, true}) {
            QVERIFY(!soubor || (poskozeny.open(QIODevice::WriteOnly) && poskozeny.write("nejde o knihovnu") > 0));
            poskozeny.close();
            Prvek<QAction>(&okno, "M1PrehledZnalosti")->trigger();
            const auto zpravy = Dialogy::Test::Zobrazene();
            QCOMPARE(zpravy.size(), 1);
            QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
            const QStringList radky = zpravy[0].text.split(u'\n');
            QCOMPARE(radky[0], QStringLiteral("Přehled znalostí nelze otevřít: jeho modul „%1“ se nepodařilo načíst.")
                                   .arg(poskozeny.fileName()));
            QCOMPARE(radky.size(), 2);
            if (soubor) // the loader's own words about that very file
                QVERIFY2(radky[1].contains(poskozeny.fileName() + u':'), qPrintable(radky[1]));
            else
                QCOMPARE(radky[1], QStringLiteral("Soubor neexistuje."));
            QCOMPARE(okno.AktivniRezim(), Rezim::Zadny);
        }
        Adresare::Nastavit({{}, {}, false, QStringLiteral(SEMAFORIX_PROGRAM)});

        QString titulek, kOpakovani;
        bool vystredeno = false;
        okno.move(300, 350); // away from the screen's centre, where the overview would stand anyway
        Pomocnik::PriDialogu([&](QWidget *d) {
            titulek = d->windowTitle();
            kOpakovani = Prvek<QLabel>(d, "lbCislaKOpakovani")->text();
            vystredeno = Pomocnik::Vycentrovano(d, &okno);
            Prvek<QPushButton>(d, "btnProcvicit")->click();
        });
        Prvek<QAction>(&okno, "M1PrehledZnalosti")->trigger();
        QCOMPARE(titulek, QStringLiteral("Přehled znalostí – Default"));
        QVERIFY(vystredeno);
        // Wrong and hinted, the oldest first, then the forgotten, the least remembered first.
        QCOMPARE(kOpakovani, QStringLiteral("Čísla otázek: 2, 7, 4, 1"));
        QVERIFY(!okno.findChild<QDialog *>(QStringLiteral("Prehled")));

        QCOMPARE(okno.AktivniRezim(), Rezim::Procvicovani);
        const Pomocnik::Odpovidani beh{okno};
        QCOMPARE(beh.Projit(4, [](int) { return QStringLiteral("A"); }), (QList<int>{2, 7, 4, 1}));
        beh.Vyhodnotit();
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty()); // no question about a record of a replay
        const QList<ZaznamVysledku> z = Pomocnik::UlozeneVysledky();
        QCOMPARE(z.size(), 1);
        QCOMPARE(std::make_tuple(z[0].PocetOtazek, z[0].Skupina, z[0].Kategorie),
                 std::make_tuple(4, QStringLiteral("B"), QStringLiteral("1234567")));
        QCOMPARE(Souhrn(Pomocnik::UlozeneOdpovedi(), 5),
                 (QList<std::tuple<int, V, Z>>{{2, V::Spravne, Z::Procvicovani}, {7, V::Spravne, Z::Procvicovani},
                                               {4, V::Spravne, Z::Procvicovani}, {1, V::Spravne, Z::Procvicovani}}));
        QCOMPARE(okno.Stav().NactenaPamet()->Odpovedi().size(), size_t(9));
    }

    // A file in the table's place that is no table: each run tells it once and goes on to its
    // evaluation; the learning order and the overview, which must read it, say so and open nothing.
    // The file stays as it was.
    void tabulkaNejdeZapsat()
    {
        Pomocnik::Program program(Otazky());
        THlavniFormular &okno = *program.okno;
        okno.show();
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Odpovedi.DB"), "nejde o tabulku"));
        const Pomocnik::Odpovidani beh{okno};
        for (int pocet : {3, 2}) {
            beh.Spustit("M1Procvicovat", pocet);
            beh.Projit(pocet, [](int) { return QStringLiteral("A"); });
            beh.Vyhodnotit();
            QCOMPARE(okno.AktivniRezim(), Rezim::Zadny);
            QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("Tabulka Odpovedi")), QString());
        }

        Prvek<QAction>(&okno, "M1VyberPodlePameti")->trigger();
        Prvek<QAction>(&okno, "M1Procvicovat")->trigger();
        Prvek<QAction>(&okno, "M1PrehledZnalosti")->trigger();
        const QStringList zpravy = Pomocnik::Zpravy();
        QVERIFY2(zpravy.size() == 2 && zpravy[0].startsWith(QStringLiteral("Chyba: Tabulka Odpovedi"))
                     && zpravy[1].startsWith(QStringLiteral("Chyba: Tabulka Odpovedi")),
                 qPrintable(zpravy.join(u'\n')));
        QCOMPARE(okno.AktivniRezim(), Rezim::Zadny);
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Odpovedi.DB")), QByteArray("nejde o tabulku"));
    }
};

QTEST_MAIN(TestUceni)
#include "tst_uceni.moc"
