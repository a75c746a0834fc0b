// A stored practice result replayed from the results list to its end: both windows make way for the
// run, which asks exactly the stored wrong and hinted questions in the stored group; its record
// carries the stored categories, and the user's own group comes back with the category switches
// untouched.
#include "odpovidani.h"
#include "popisky.h"
#include "zaznamy.h"

#include "practice/podrobnosti.h"
#include "practice/protokol.h"

#include <QPushButton>

using Pomocnik::Prvek;
using Pomocnik::Text;

class TestOpravaZVysledku : public QObject {
    Q_OBJECT

private slots:
    void opravaDoKonce()
    {
        QList<Banka::OtazkaZdroje> otazky = Pomocnik::Otazky({3, 7, 9, 15});
        for (Banka::OtazkaZdroje &q : otazky)
            q.skupina = QStringLiteral("CD"); // not a question of group B
        Pomocnik::Program program(otazky);
        THlavniFormular &okno = *program.okno;
        okno.show();
        Pomocnik::ZapsatVysledky({Pomocnik::VysledekSChybami()});
        Konfigurace &s = okno.Stav().Nastaveni();
        s.VytvaretProtokol = {true, true, false};
        const auto kategorie = s.PovoleneKategorie;

        // The list, its detail, and the detail's replay button.
        Pomocnik::PriDialogu([](QWidget *seznam) {
            Pomocnik::PriDialogu([](QWidget *d) { Prvek<QPushButton>(d, "btnPrezkouset")->click(); });
            Prvek<QPushButton>(seznam, "btnPodrobnosti")->click();
        });
        Pomocnik::Akce(&okno, "smProc")->trigger();
        QVERIFY(!okno.findChild<TProtocol *>() && !okno.findChild<TDetail *>());
        QCOMPARE(okno.AktivniRezim(), Rezim::Procvicovani);
        QCOMPARE(Pomocnik::Texty(&okno, "lbCelkemOtazek lbZbyvaOtazek"), QStringLiteral("Celkem otázek: 4 | Zbývá: 4"));

        // Right on 3 and 15, wrong on 7 and 9, each in the stored group.
        const Pomocnik::Odpovidani beh{okno};
        QStringList skupiny;
        QCOMPARE(beh.Projit(4, [&](int cislo) {
                     skupiny << Text(&okno, "lbSkupina");
                     return cislo == 3 || cislo == 15 ? QStringLiteral("A") : QStringLiteral("B");
                 }),
                 (QList<int>{3, 7, 15, 9}));
        QCOMPARE(skupiny, QStringList(4, QStringLiteral("Skupina: C")));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("B")); // the replay never wrote the learner's group

        Dialogy::Test::Odpovedet(true); // a record of the replay too
        QString skupinaVyhodnoceni;
        Pomocnik::PriDialogu([&](QWidget *d) {
            skupinaVyhodnoceni = Text(d, "lbSkupina");
            Pomocnik::Kliknout(d, "btnOK");
        });
        beh.Pravym();
        QCOMPARE(skupinaVyhodnoceni, QStringLiteral("Skupina: C"));
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Otázka: Chcete vytvořit protokol i z této opravy?")});

        const QList<ZaznamVysledku> z = Pomocnik::UlozeneVysledky();
        QCOMPARE(z.size(), 2);
        QCOMPARE(std::make_tuple(z[1].Kategorie, z[1].Skupina, z[1].PocetOtazek, z[1].SpatneCisla),
                 std::make_tuple(QStringLiteral("26"), QStringLiteral("C"), 4, QStringLiteral("7, 9")));
        QCOMPARE(std::make_tuple(s.ZvolenaSkupina, okno.AktivniRezim(), s.PovoleneKategorie),
                 std::make_tuple(QStringLiteral("B"), Rezim::Zadny, kategorie));
    }
};

QTEST_MAIN(TestOpravaZVysledku)
#include "tst_opravazvysledku.moc"
