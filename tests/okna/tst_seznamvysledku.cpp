// The results list of practice and examination runs and the detail of one result: which records
// are shown and deleted, what the detail shows, and the replay of a stored result's wrong answers.
#include "pomocnik.h"
#include "zaznamy.h"

#include "practice/podrobnosti.h"
#include "practice/protokol.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using Dialogy::Druh;
using Pomocnik::Vysledek;

class TestSeznamVysledku : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Program> m_program;
    THlavniFormular *m_okno = nullptr;

    // Default: practice 10, 11 and examination 12; Škola: practice 13, examination 14.
    static void ZapsatDvaProfily()
    {
        const QString proc = QStringLiteral("Procvičování"), zkou = QStringLiteral("Zkoušení");
        Pomocnik::ZapsatVysledky({Vysledek(proc, QStringLiteral("Default"), 10), Vysledek(proc, QStringLiteral("Škola"), 13),
                                  Vysledek(zkou, QStringLiteral("Default"), 12), Vysledek(proc, QStringLiteral("Default"), 11),
                                  Vysledek(zkou, QStringLiteral("Škola"), 14)});
    }

    static QStringList Sloupec(QTableView *grid, int sloupec)
    {
        QStringList hodnoty;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            hodnoty << grid->model()->index(r, sloupec).data().toString();
        return hodnoty;
    }

    static QStringList PoctyVTabulce()
    {
        Tabulka t(QStringLiteral("Vysledky"));
        t.Otevrit();
        QStringList p;
        for (int i = 0; i < t.PocetZaznamu(); ++i) {
            t.PrejitNa(i);
            p << t.Text(QStringLiteral("PocetOtazek"));
        }
        return p;
    }

    static QTableView *Grid(QWidget *okno) { return Pomocnik::Prvek<QTableView>(okno, "DBGrid1"); }
    // The enabled state of the three action buttons.
    static QList<bool> Tlacitka(QWidget *okno)
    {
        return {Pomocnik::Prvek<QPushButton>(okno, "btnPodrobnosti")->isEnabled(),
                Pomocnik::Prvek<QPushButton>(okno, "btnVymazat")->isEnabled(),
                Pomocnik::Prvek<QPushButton>(okno, "btnVymazatVse")->isEnabled()};
    }
    inline static const QList<bool> Povoleno{true, true, true}, Zakazano{false, false, false};

    // Opens the detail of the list's current row and hands it to the check while it is shown; the
    // detail is closed afterwards unless the check closed it.
    void Podrobnosti(TProtocol &seznam, const std::function<void(TDetail &)> &kontrola)
    {
        bool videno = false;
        QTimer::singleShot(0, this, [&] {
            auto *detail = seznam.findChild<TDetail *>();
            if (!detail)
                return;
            videno = true;
            kontrola(*detail);
            if (detail->isVisible())
                detail->reject();
        });
        Pomocnik::Prvek<QPushButton>(&seznam, "btnPodrobnosti")->click();
        QVERIFY(videno);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<Pomocnik::Program>(Pomocnik::Otazky({3, 7, 9, 15, 421}));
        m_okno = m_program->okno.get();
    }

    void cleanup() { m_program.reset(); }

    void bezSouboruJenZprava()
    {
        Pomocnik::Prvek<QAction>(m_okno, "smProc")->trigger();
        Pomocnik::Prvek<QAction>(m_okno, "smZkou")->trigger();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].druh, Druh::Informace);
        QCOMPARE(z[0].text, QStringLiteral("Protokol procvičování zatím nebyl vytvořen!"));
        QCOMPARE(z[1].text, QStringLiteral("Protokol zkoušení zatím nebyl vytvořen!"));
        QVERIFY(!m_okno->findChild<TProtocol *>());
    }

    void poskozenySouborOznami()
    {
        for (const char *soubor : {"Vysledky.DB", "Vysledky.MB"}) {
            QFile f(QString::fromLatin1(soubor));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("to neni tabulka");
        }
        Pomocnik::Prvek<QAction>(m_okno, "smProc")->trigger();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 1);
        QCOMPARE(z[0].druh, Druh::Chyba);
        QVERIFY(z[0].text.startsWith(QStringLiteral("Tabulka Vysledky")));
        QVERIFY(!m_okno->findChild<TProtocol *>());
    }

    void menuOtevreSeznam()
    {
        ZapsatDvaProfily();
        for (const char *polozka : {"smProc", "smZkou"}) {
            QStringList radky;
            QString titulek;
            QTimer::singleShot(0, this, [&] {
                auto *seznam = m_okno->findChild<TProtocol *>();
                if (!seznam)
                    return;
                titulek = seznam->windowTitle();
                radky = Sloupec(Grid(seznam), 3);
                Pomocnik::Prvek<QPushButton>(seznam, "btnOK")->click();
            });
            Pomocnik::Prvek<QAction>(m_okno, polozka)->trigger();
            if (qstrcmp(polozka, "smProc") == 0) {
                QCOMPARE(titulek, QStringLiteral("Seznam výsledků procvičování,   Uživatel: Default"));
                QCOMPARE(radky, (QStringList{QStringLiteral("10"), QStringLiteral("11")}));
            } else {
                QCOMPARE(titulek, QStringLiteral("Seznam výsledků zkoušení,   Uživatel: Default"));
                QCOMPARE(radky, QStringList{QStringLiteral("12")});
            }
        }
        QVERIFY(!m_okno->findChild<TProtocol *>());
    }

    void sloupceMrizky()
    {
        ZaznamVysledku v = Vysledek();
        v.Uspesnost = 85;
        Pomocnik::ZapsatVysledky({v});
        TProtocol seznam(m_okno->Stav());
        QTableView *grid = Grid(&seznam);
        const QStringList nadpisy{QStringLiteral("Datum vystavení"), QStringLiteral("Čas"), QStringLiteral("Skupina"),
                                  QStringLiteral("Počet otázek"), QStringLiteral("Špatné odpovědi"),
                                  QStringLiteral("Použití nápovědy"), QStringLiteral("Úspěšnost")};
        const QList<int> sirky{90, 50, 51, 73, 91, 92, 62};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(grid->model()->headerData(i, Qt::Horizontal).toString(), nadpisy[i]);
            QCOMPARE(grid->columnWidth(i), sirky[i]);
            QVERIFY(!grid->isColumnHidden(i));
        }
        for (int i = 7; i < grid->model()->columnCount(); ++i)
            QVERIFY(grid->isColumnHidden(i));
        QCOMPARE(grid->horizontalHeader()->defaultAlignment(), Qt::AlignCenter);
        QCOMPARE(Sloupec(grid, 0), QStringList{QStringLiteral("14.3.2026")});
        QCOMPARE(Sloupec(grid, 1), QStringList{QStringLiteral("9:26:53")});
        QCOMPARE(Sloupec(grid, 6), QStringList{QStringLiteral("85%")});
        QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void jenProfilADruh()
    {
        ZapsatDvaProfily();
        m_okno->Stav().AktivniProfil = QStringLiteral("Škola");
        {
            TProtocol seznam(m_okno->Stav());
            QCOMPARE(Sloupec(Grid(&seznam), 3), QStringList{QStringLiteral("13")});
            QCOMPARE(Tlacitka(&seznam), Povoleno);
        }
        m_okno->Stav().SeznamZkouseni = true;
        TProtocol seznam(m_okno->Stav());
        QCOMPARE(Sloupec(Grid(&seznam), 3), QStringList{QStringLiteral("14")});
        // Another profile's name differing only in letter case is another profile.
        m_okno->Stav().AktivniProfil = QStringLiteral("ŠKOLA");
        TProtocol jiny(m_okno->Stav());
        QCOMPARE(Grid(&jiny)->model()->rowCount(), 0);
        QCOMPARE(Tlacitka(&jiny), Zakazano);
    }

    void smazaniJednoho()
    {
        ZapsatDvaProfily();
        TProtocol seznam(m_okno->Stav());
        Grid(&seznam)->selectRow(1);
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazat")->click();
        QCOMPARE(Sloupec(Grid(&seznam), 3), QStringList{QStringLiteral("10")});
        QCOMPARE(Tlacitka(&seznam), Povoleno);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazat")->click();
        QCOMPARE(Grid(&seznam)->model()->rowCount(), 0);
        QCOMPARE(Tlacitka(&seznam), Zakazano);
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty()); // no question before deleting one
        QCOMPARE(PoctyVTabulce(), (QStringList{QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("14")}));
    }

    void smazaniVsech()
    {
        ZapsatDvaProfily();
        TProtocol seznam(m_okno->Stav());
        Dialogy::Test::Odpovedet(false);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazatVse")->click();
        QCOMPARE(Grid(&seznam)->model()->rowCount(), 2);
        QCOMPARE(Tlacitka(&seznam), Povoleno);
        // From the second row on: still every record of the list goes, and none other.
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        Dialogy::Test::Odpovedet(true);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazatVse")->click();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].druh, Druh::Otazka);
        QCOMPARE(z[0].text, QStringLiteral("Opravdu chcete smazat všechny záznamy?"));
        QCOMPARE(Grid(&seznam)->model()->rowCount(), 0);
        QCOMPARE(Tlacitka(&seznam), Zakazano);
        QCOMPARE(PoctyVTabulce(), (QStringList{QStringLiteral("13"), QStringLiteral("12"), QStringLiteral("14")}));
    }

    void podrobnostiProcvicovani()
    {
        ZaznamVysledku v = Pomocnik::VysledekSChybami();
        v.Kategorie = QStringLiteral("1234567");
        ZaznamVysledku jedna = v;
        jedna.Kategorie = QStringLiteral("4");
        Pomocnik::ZapsatVysledky({v, jedna});
        TProtocol seznam(m_okno->Stav());
        int vyskaVse = 0, okVse = 0, bevelVse = 0;
        Podrobnosti(seznam, [&](TDetail &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Procvičování - 14.3.2026, 9:26:53"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbProfil")->text(), QStringLiteral("Uživatel: Default"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbSkupina")->text(), QStringLiteral("Skupina: C"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbKategorie")->text(), QStringLiteral("Kategorie, z nichž se skládal test:"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "stKategorie")->text().split(u'\n').size(), 7);
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "stKategorie")->height(), 91);
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbPocet")->text(), QStringLiteral("Počet otázek: 20"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbSpravne")->text(), QStringLiteral("Správných odpovědí: 16"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbSpatnych")->text(), QStringLiteral("Špatných odpovědí: 3"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbSNapovedou")->text(), QStringLiteral("Použití nápovědy: 1"));
            QVERIFY(Pomocnik::Prvek<QLabel>(&d, "lbSNapovedou")->isEnabled());
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "lbUspesnost")->text(), QStringLiteral("Úspěšnost: 80%"));
            auto *ok = Pomocnik::Prvek<QPushButton>(&d, "btnOK");
            auto *oprava = Pomocnik::Prvek<QPushButton>(&d, "btnPrezkouset");
            QVERIFY(oprava->isVisible());
            QCOMPARE(oprava->text(), QStringLiteral("&Procvičit nesprávně zodpovězené"));
            // Side by side, 18 pixels apart, the pair centred in the window.
            QCOMPARE(oprava->y(), ok->y());
            QCOMPARE(oprava->x() - (ok->geometry().right() + 1), 18);
            QVERIFY(qAbs(ok->x() - (d.width() - oprava->geometry().right() - 1)) <= 1);
            Pomocnik::Prvek<QPushButton>(&d, "btnZ1")->click();
            Pomocnik::Prvek<QPushButton>(&d, "btnZ2")->click();
            vyskaVse = d.height();
            okVse = ok->y();
            bevelVse = Pomocnik::Prvek<QWidget>(&d, "Bevel2")->y();
            Pomocnik::Prvek<QPushButton>(&d, "btnOK")->click();
        });
        QCOMPARE(seznam.result(), 0); // OK in the detail leaves the list open
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].druh, Druh::Informace);
        QCOMPARE(z[0].text, QStringLiteral("Špatně zodpovězené otázky: 3, 7, 15"));
        QCOMPARE(z[1].text, QStringLiteral("Otázky, u nichž byla použita nápověda: 9"));

        // One category: one line, nothing moves; seven grow the window by 78 pixels.
        Grid(&seznam)->setCurrentIndex(Grid(&seznam)->model()->index(1, 0));
        Podrobnosti(seznam, [&](TDetail &d) {
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "stKategorie")->text(), QStringLiteral("První pomoc - Zdravověda"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(&d, "stKategorie")->height(), 13);
            QCOMPARE(vyskaVse - d.height(), 78);
            QCOMPARE(okVse - Pomocnik::Prvek<QPushButton>(&d, "btnOK")->y(), 78);
            QCOMPARE(Pomocnik::Prvek<QWidget>(&d, "Bevel2")->y(), bevelVse - 78);
        });
    }

    void podrobnostiBezChyb()
    {
        Pomocnik::ZapsatVysledky({Vysledek(QStringLiteral("Zkoušení"))});
        m_okno->Stav().SeznamZkouseni = true;
        TProtocol seznam(m_okno->Stav());
        Podrobnosti(seznam, [&](TDetail &d) {
            QVERIFY(!Pomocnik::Prvek<QPushButton>(&d, "btnZ1")->isEnabled());
            QVERIFY(!Pomocnik::Prvek<QPushButton>(&d, "btnZ2")->isEnabled());
            QVERIFY(!Pomocnik::Prvek<QPushButton>(&d, "btnPrezkouset")->isVisible());
            QVERIFY(!Pomocnik::Prvek<QLabel>(&d, "lbSNapovedou")->isEnabled());
            auto *ok = Pomocnik::Prvek<QPushButton>(&d, "btnOK");
            QVERIFY(qAbs(ok->x() - (d.width() - ok->geometry().right() - 1)) <= 1); // alone, centred
        });
    }

    void podrobnostiZkouseni()
    {
        ZaznamVysledku v = Vysledek(QStringLiteral("Zkoušení"));
        v.Spatne = 1;
        v.SpatneCisla = QStringLiteral("421");
        Pomocnik::ZapsatVysledky({v});
        m_okno->Stav().SeznamZkouseni = true;
        TProtocol seznam(m_okno->Stav());
        QList<Oprava> zadosti;
        connect(&seznam, &TProtocol::PrehratOtazky, this, [&](const Oprava &o) { zadosti << o; });
        Podrobnosti(seznam, [&](TDetail &d) {
            QVERIFY(d.windowTitle().startsWith(QStringLiteral("Zkoušení - ")));
            QVERIFY(!Pomocnik::Prvek<QLabel>(&d, "lbSNapovedou")->isEnabled());
            auto *oprava = Pomocnik::Prvek<QPushButton>(&d, "btnPrezkouset");
            QCOMPARE(oprava->text(), QStringLiteral("&Prozkoušet nesprávně zodpovězené"));
            QCOMPARE(oprava->width(), 193);
            QVERIFY(oprava->isVisible());
            QVERIFY(Pomocnik::Prvek<QPushButton>(&d, "btnZ1")->isEnabled());
            QVERIFY(!Pomocnik::Prvek<QPushButton>(&d, "btnZ2")->isEnabled());
            oprava->click();
        });
        // The replay is asked for once, and the list makes way for it.
        QVERIFY(!seznam.isVisible());
        QCOMPARE(seznam.result(), int(QDialog::Accepted));
        QCOMPARE(zadosti.size(), 1);
        QCOMPARE(std::make_tuple(zadosti[0].druh, zadosti[0].otazky, zadosti[0].skupina),
                 std::make_tuple(DruhBehu::Zkouseni, QList<int>{421}, QStringLiteral("B")));
    }

    // The stored practice run in group C replayed by a user of group B: both windows close, the run
    // is on screen with the first of its four questions in group C, and ending it gives the user's
    // own group back; the category switches are not touched.
    void opravaZUlozenehoVysledku()
    {
        Pomocnik::ZapsatVysledky({Pomocnik::VysledekSChybami()});
        m_okno->show();
        Pomocnik::PriDialogu([](QWidget *seznam) {
            Pomocnik::PriDialogu([](QWidget *d) { Pomocnik::Prvek<QPushButton>(d, "btnPrezkouset")->click(); });
            Pomocnik::Prvek<QPushButton>(seznam, "btnPodrobnosti")->click();
        });
        Pomocnik::Prvek<QAction>(m_okno, "smProc")->trigger();
        QVERIFY(!m_okno->findChild<TProtocol *>() && !m_okno->findChild<TDetail *>());
        StavProgramu &s = m_okno->Stav();
        QCOMPARE(s.AktivniRezim, Rezim::Procvicovani);
        auto text = [this](const char *jmeno) { return Pomocnik::Prvek<QLabel>(m_okno, jmeno)->text(); };
        QCOMPARE(std::make_tuple(text("lbCisloOtazky"), text("lbCelkemOtazek"), text("lbZbyvaOtazek"), text("lbSkupina")),
                 std::make_tuple(QStringLiteral("Otázka číslo 3"), QStringLiteral("Celkem otázek: 4"), QStringLiteral("Zbývá: 4"),
                                 QStringLiteral("Skupina: C")));

        Dialogy::Test::Odpovedet(true);
        Pomocnik::Prvek<QAction>(m_okno, "M2KonecRezimu")->trigger();
        QCOMPARE(s.AktivniRezim, Rezim::Zadny);
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("B"));
        QCOMPARE(s.PovoleneKategorie, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    }
};

QTEST_MAIN(TestSeznamVysledku)
#include "tst_seznamvysledku.moc"
