// The results list of practice and examination runs and the detail of one result: which records
// are shown and deleted, what the detail shows, and the replay of a stored result's wrong answers
// asked for (the replay itself is tst_opravazvysledku's).
#include "popisky.h"
#include "zaznamy.h"

#include "practice/podrobnosti.h"
#include "practice/protokol.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

using Pomocnik::Prvek;
using Pomocnik::Sloupec;
using Pomocnik::Text;
using Pomocnik::Vysledek;

namespace {

// Default: practice 10, 11 and 15 and examination 12; Škola: practice 13, examination 14.
void ZapsatDvaProfily()
{
    const QString proc = QStringLiteral("Procvičování"), zkou = QStringLiteral("Zkoušení");
    Pomocnik::ZapsatVysledky({Vysledek(proc, QStringLiteral("Default"), 10), Vysledek(proc, QStringLiteral("Škola"), 13),
                              Vysledek(zkou, QStringLiteral("Default"), 12), Vysledek(proc, QStringLiteral("Default"), 11),
                              Vysledek(zkou, QStringLiteral("Škola"), 14), Vysledek(proc, QStringLiteral("Default"), 15)});
}

QTableView *Grid(QWidget *okno) { return Prvek<QTableView>(okno, "DBGrid1"); }

QStringList PoctyVTabulce()
{
    QStringList p;
    for (const ZaznamVysledku &z : Pomocnik::UlozeneVysledky())
        p << QString::number(z.PocetOtazek);
    return p;
}

// Which of the list's action buttons are enabled.
QString Tlacitka(QWidget *okno) { return Pomocnik::Povolene(okno, "btnPodrobnosti btnVymazat btnVymazatVse"); }

// The detail of the list's current row while it is shown; closed afterwards unless the check did.
bool Podrobnosti(TProtocol &seznam, const std::function<void(TDetail *)> &kontrola)
{
    return Pomocnik::Otevrit<TDetail>([&seznam] { Prvek<QPushButton>(&seznam, "btnPodrobnosti")->click(); }, kontrola);
}

// The pair of buttons side by side without overlapping, the pair centred in the window.
bool VedleSebeUprostred(QWidget *okno, QWidget *levy, QWidget *pravy)
{
    return levy->y() == pravy->y() && levy->geometry().right() < pravy->x()
           && qAbs(levy->x() - (okno->width() - pravy->geometry().right() - 1)) <= 1;
}

} // namespace

class TestSeznamVysledku : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Program> m_program;
    THlavniFormular *m_okno = nullptr;

private slots:
    void init()
    {
        m_program = std::make_unique<Pomocnik::Program>(Pomocnik::Otazky({3, 7, 9, 15, 421}));
        m_okno = m_program->okno.get();
    }

    void cleanup() { m_program.reset(); }

    void poskozenySouborOznami()
    {
        for (const char *soubor : {"Vysledky.DB", "Vysledky.MB"})
            QVERIFY(Pomocnik::Zapsat(QString::fromLatin1(soubor), "to neni tabulka"));
        QVERIFY(!Pomocnik::Otevrit<TProtocol>([this] { Pomocnik::Akce(m_okno, "smProc")->trigger(); }));
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("Tabulka Vysledky")), QString());
    }

    // From the menu, each list of the active profile's runs of its kind in their order, its columns
    // as the user reads them; another profile's, or one differing only in letter case, are not shown.
    void menuASloupce()
    {
        ZapsatDvaProfily();
        for (const auto &[polozka, titulek, pocty] :
             {std::tuple{"smProc", "Seznam výsledků procvičování,   Uživatel: Default", QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("15")}},
              std::tuple{"smZkou", "Seznam výsledků zkoušení,   Uživatel: Default", QStringList{QStringLiteral("12")}}}) {
            QVERIFY(Pomocnik::Otevrit<TProtocol>([this, polozka] { Pomocnik::Akce(m_okno, polozka)->trigger(); }, [&](TProtocol *seznam) {
                QCOMPARE(seznam->windowTitle(), QString::fromUtf8(titulek));
                QCOMPARE(Sloupec(seznam, 3), pocty);
                QCOMPARE(Tlacitka(seznam), QStringLiteral("111"));
                Prvek<QPushButton>(seznam, "btnOK")->click();
            }));
        }
        QVERIFY(!m_okno->findChild<TProtocol *>());

        TProtocol seznam(QStringLiteral("Škola"), false);
        QCOMPARE(Sloupec(&seznam, 3), QStringList{QStringLiteral("13")});
        QTableView *grid = Grid(&seznam);
        const QStringList nadpisy{QStringLiteral("Datum vystavení"), QStringLiteral("Čas"), QStringLiteral("Skupina"),
                                  QStringLiteral("Počet otázek"), QStringLiteral("Špatné odpovědi"),
                                  QStringLiteral("Použití nápovědy"), QStringLiteral("Úspěšnost")};
        for (int i = 0; i < grid->model()->columnCount(); ++i) {
            QCOMPARE(grid->isColumnHidden(i), i >= 7);
            if (i < 7)
                QCOMPARE(grid->model()->headerData(i, Qt::Horizontal).toString(), nadpisy[i]);
        }
        QCOMPARE(grid->horizontalHeader()->defaultAlignment(), Qt::AlignCenter);
        QCOMPARE(QStringList({Sloupec(&seznam, 0).value(0), Sloupec(&seznam, 1).value(0), Sloupec(&seznam, 6).value(0)}),
                 QStringList({QStringLiteral("14.3.2026"), QStringLiteral("9:26:53"), QStringLiteral("100%")}));
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(Sloupec(std::make_unique<TProtocol>(QStringLiteral("Škola"), true).get(), 3), QStringList{QStringLiteral("14")});
        TProtocol jiny(QStringLiteral("ŠKOLA"), false);
        QCOMPARE(Grid(&jiny)->model()->rowCount(), 0);
        QCOMPARE(Tlacitka(&jiny), QStringLiteral("000"));
    }

    // The current record deleted without a question; all of the list's records only after Yes, also
    // from its second row on, and none of another list or profile.
    void mazani()
    {
        ZapsatDvaProfily();
        TProtocol seznam(QStringLiteral("Default"), false);
        Grid(&seznam)->selectRow(1);
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        Prvek<QPushButton>(&seznam, "btnVymazat")->click();
        QCOMPARE(Sloupec(&seznam, 3), (QStringList{QStringLiteral("10"), QStringLiteral("15")}));
        QCOMPARE(Tlacitka(&seznam), QStringLiteral("111"));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
        Dialogy::Test::Odpovedet(false);
        Prvek<QPushButton>(&seznam, "btnVymazatVse")->click();
        QCOMPARE(Grid(&seznam)->model()->rowCount(), 2);
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        Dialogy::Test::Odpovedet(true);
        Prvek<QPushButton>(&seznam, "btnVymazatVse")->click();
        QCOMPARE(Pomocnik::Zpravy(), QStringList(2, QStringLiteral("Otázka: Opravdu chcete smazat všechny záznamy?")));
        QCOMPARE(Grid(&seznam)->model()->rowCount(), 0);
        QCOMPARE(Tlacitka(&seznam), QStringLiteral("000"));
        QCOMPARE(PoctyVTabulce(), (QStringList{QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("14")}));
    }

    // A practice result: its figures, its wrong and hinted numbers told by the two buttons, the
    // replay button beside OK; seven categories grow the window by their lines, all below moving
    // down together. OK in the detail leaves the list open.
    void podrobnostiProcvicovani()
    {
        ZaznamVysledku v = Pomocnik::VysledekSChybami();
        v.Kategorie = QStringLiteral("1234567");
        ZaznamVysledku jedna = v;
        jedna.Kategorie = QStringLiteral("4");
        Pomocnik::ZapsatVysledky({v, jedna});
        TProtocol seznam(QStringLiteral("Default"), false);
        QList<int> vse; // the category lines' height, the window's height, OK's and the bevel's top
        const auto mery = [](TDetail *d) {
            return QList<int>{Prvek(d, "stKategorie")->height(), d->height(), Prvek(d, "btnOK")->y(), Prvek(d, "Bevel2")->y()};
        };
        QVERIFY(Podrobnosti(seznam, [&](TDetail *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Procvičování - 14.3.2026, 9:26:53"));
            QCOMPARE(Pomocnik::Texty(d, "lbProfil lbSkupina lbKategorie lbPocet lbSpravne lbSpatnych lbSNapovedou lbUspesnost btnPrezkouset"),
                     QStringLiteral("Uživatel: Default | Skupina: C | Kategorie, z nichž se skládal test: | Počet otázek: 20 | "
                                    "Správných odpovědí: 16 | Špatných odpovědí: 3 | Použití nápovědy: 1 | Úspěšnost: 80% | "
                                    "&Procvičit nesprávně zodpovězené"));
            QCOMPARE(Text(d, "stKategorie").split(u'\n').size(), 7);
            QVERIFY(Prvek(d, "lbSNapovedou")->isEnabled());
            auto *oprava = Prvek<QPushButton>(d, "btnPrezkouset");
            QVERIFY(oprava->isVisible());
            QVERIFY(VedleSebeUprostred(d, Prvek(d, "btnOK"), oprava));
            Prvek<QPushButton>(d, "btnZ1")->click();
            Prvek<QPushButton>(d, "btnZ2")->click();
            vse = mery(d);
            Prvek<QPushButton>(d, "btnOK")->click();
        }));
        QCOMPARE(seznam.result(), 0);
        QCOMPARE(Pomocnik::Zpravy(), (QStringList{QStringLiteral("Informace: Špatně zodpovězené otázky: 3, 7, 15"),
                                                  QStringLiteral("Informace: Otázky, u nichž byla použita nápověda: 9")}));

        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        QVERIFY(Podrobnosti(seznam, [&](TDetail *d) {
            QCOMPARE(Text(d, "stKategorie"), QStringLiteral("První pomoc - Zdravověda"));
            const QList<int> jedna = mery(d);
            QVERIFY(vse[0] > 6 * jedna[0]);
            for (int i = 1; i < 4; ++i)
                QCOMPARE(vse[i] - jedna[i], vse[0] - jedna[0]);
        }));
    }

    // Examination results: without mistakes nothing to tell or replay, OK alone in the middle; with
    // a wrong answer its replay asked for once in the stored group, the list making way for it.
    void podrobnostiZkouseni()
    {
        ZaznamVysledku chyba = Vysledek(QStringLiteral("Zkoušení"));
        chyba.Spatne = 1;
        chyba.SpatneCisla = QStringLiteral("421");
        Pomocnik::ZapsatVysledky({Vysledek(QStringLiteral("Zkoušení")), chyba});
        TProtocol seznam(QStringLiteral("Default"), true);
        QVERIFY(Podrobnosti(seznam, [](TDetail *d) {
            QVERIFY(d->windowTitle().startsWith(QStringLiteral("Zkoušení - ")));
            QVERIFY(!Prvek(d, "btnZ1")->isEnabled() && !Prvek(d, "btnZ2")->isEnabled());
            QVERIFY(!Prvek(d, "btnPrezkouset")->isVisible() && !Prvek(d, "lbSNapovedou")->isEnabled());
            auto *ok = Prvek(d, "btnOK");
            QVERIFY(qAbs(ok->x() - (d->width() - ok->geometry().right() - 1)) <= 1);
        }));

        QList<Oprava> zadosti;
        connect(&seznam, &TProtocol::PrehratOtazky, this, [&](const Oprava &o) { zadosti << o; });
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        QVERIFY(Podrobnosti(seznam, [](TDetail *d) {
            auto *oprava = Prvek<QPushButton>(d, "btnPrezkouset");
            QCOMPARE(oprava->text(), QStringLiteral("&Prozkoušet nesprávně zodpovězené"));
            QVERIFY(oprava->isVisible() && oprava->fontMetrics().horizontalAdvance(oprava->text()) < oprava->width());
            QVERIFY(VedleSebeUprostred(d, Prvek(d, "btnOK"), oprava));
            QVERIFY(Prvek(d, "btnZ1")->isEnabled() && !Prvek(d, "btnZ2")->isEnabled());
            oprava->click();
        }));
        QVERIFY(!seznam.isVisible());
        QCOMPARE(seznam.result(), int(QDialog::Accepted));
        QCOMPARE(zadosti.size(), 1);
        QCOMPARE(std::make_tuple(zadosti[0].druh, zadosti[0].otazky, zadosti[0].skupina),
                 std::make_tuple(DruhBehu::Zkouseni, QList<int>{421}, QStringLiteral("B")));
    }
};

QTEST_MAIN(TestSeznamVysledku)
#include "tst_seznamvysledku.moc"
