// The knowledge overview as the program opens it, its window linked in: a new learner's empty
// overview, then a scripted history whose charts carry the numbers of their tables, the exam day kept
// per profile, the due questions handed over for practice, and the picture saved.
#include "odpovedi.h"
#include "popisky.h"

#include "data/banka.h"
#include "data/hodiny.h"
#include "data/konfigurace.h"
#include "okna/dialogy.h"
#include "uceni/modulprehledu.h"
#include "uceni/prehled.h"
#include "uceni/terminzkousky.h"

#include <QAreaSeries>
#include <QBarSet>
#include <QChartView>
#include <QDateEdit>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using Pomocnik::Kdy;
using Pomocnik::Prvek;
using Pomocnik::Text;
using V = Odpovedi::Vysledek;

namespace {

const QDate Dnes(2026, 5, 4);

// The bar sets of a chart, by name.
QList<QBarSet *> Sady(const QObject *okno, const char *graf)
{
    const auto serie = Prvek<QChartView>(okno, graf)->chart()->series();
    return static_cast<QAbstractBarSeries *>(serie.constFirst())->barSets();
}

} // namespace

class TestPrehled : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;
    BankaOtazek m_banka;
    Konfigurace m_nastaveni;

    // Opens the overview over the memory as the program does, runs kontrola in it and closes it if
    // kontrola left it open: the due questions handed over, or nothing when no overview opened.
    std::optional<QList<int>> Otevrit(const PametProfilu &pamet, const std::function<void(TPrehled *)> &kontrola = {})
    {
        QList<int> procvicit;
        if (!Pomocnik::Otevrit<TPrehled>([&] { procvicit = ModulPrehledu::Otevrit(m_banka, m_nastaveni, pamet, nullptr); },
                                         kontrola))
            return std::nullopt;
        return procvicit;
    }

    // The exam day the overview shows when it opens.
    std::optional<QDate> DenPriOtevreni(const PametProfilu &pamet)
    {
        QDate den;
        if (!Otevrit(pamet, [&den](TPrehled *okno) { den = Prvek<QDateEdit>(okno, "eDenZkousky")->date(); }))
            return std::nullopt;
        return den;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
        Hodiny::Zastavit(QDateTime(Dnes, QTime(10, 0)));
        // Just enough questions of every category for a points test.
        QCOMPARE(Pomocnik::ZapsatBanku(Pomocnik::Otazky({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 421, 422, 423, 424, 476, 477, 501,
                                                          621, 622, 623, 624, 625, 721, 722, 723}),
                                         m_dir->Cesta()),
                 QString());
        m_banka.Otevrit();
        m_nastaveni.AktivniProfil = QStringLiteral("Jana");
        ModulPrehledu::PouzitTovarnu([](const PrehledZnalosti::UdajePrehledu &udaje, PrehledZnalosti::ObsluhaPrehledu &obsluha,
                                        QWidget *rodic) -> QDialog * { return new TPrehled(udaje, obsluha, rodic); });
    }

    void cleanup()
    {
        m_banka.Zavrit();
        Hodiny::Pustit();
    }

    // Before the first answer: everything never answered, no progress, no estimate and no number.
    void novyUzivatel()
    {
        const PametProfilu pamet(QStringLiteral("Jana"));
        const auto procvicit = Otevrit(pamet, [](TPrehled *okno) {
            QCOMPARE(okno->windowTitle(), QStringLiteral("Přehled znalostí – Jana"));
            QVERIFY(Text(okno, "lbOdhad").startsWith(QStringLiteral("Odhad potřebuje nejdříve vaše odpovědi.")));
            QVERIFY(!Text(okno, "lbOdhad").contains(u'%'));
            QVERIFY(Prvek<QChartView>(okno, "grfZtraty")->isHidden());
            QCOMPARE(Text(okno, "lbPrubeh"), QStringLiteral("Pokrok se ukáže po vašich prvních odpovědích."));
            QVERIFY(!Prvek<QPushButton>(okno, "btnProcvicit")->isEnabled());
            auto *tabulka = Prvek<QTableWidget>(okno, "tblKategorie");
            QCOMPARE(tabulka->item(7, 1)->text(), QStringLiteral("26"));
            QCOMPARE(tabulka->item(7, 4)->text(), QStringLiteral("26"));
            okno->accept();
        });
        QCOMPARE(procvicit, QList<int>());
        // Today, never chosen, is nothing to keep.
        QVERIFY(!Tabulka::Existuje(TerminZkousky::JmenoTabulky));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void historie()
    {
        PametProfilu pamet(QStringLiteral("Jana"));
        Pomocnik::Prehrat(pamet, {{1, Kdy(2026, 4, 20)},
                                  {2, Kdy(2026, 4, 27), V::Spatne},
                                  {421, Kdy(2026, 5, 3)},
                                  {621, Kdy(2026, 5, 3), V::SNapovedou},
                                  {3, Kdy(2026, 5, 4)},
                                  {722, Kdy(2026, 5, 4), V::Spatne}});
        const auto procvicit = Otevrit(pamet, [this](TPrehled *okno) {
            // The stacked bars carry the table's numbers, category 1 at the top.
            auto *tabulka = Prvek<QTableWidget>(okno, "tblKategorie");
            const QList<QBarSet *> sady = Sady(okno, "grfKategorie");
            QCOMPARE(sady.size(), 3);
            for (int k = 0; k < Kategorie::Pocet; ++k)
                for (int s = 0; s < 3; ++s)
                    QCOMPARE(QString::number(sady[s]->at(Kategorie::Pocet - 1 - k)), tabulka->item(k, s + 1)->text());
            QCOMPARE(tabulka->item(6, 0)->text(), Kategorie::Nazev(7));
            // 1 forgotten since, 2 wrong
            QCOMPARE(std::make_pair(tabulka->item(0, 2)->text(), tabulka->item(0, 3)->text()),
                     std::make_pair(QStringLiteral("2"), QStringLiteral("1")));

            // Fifteen days from the first answer, in three weeks, the latest first.
            const auto grf = Prvek<QChartView>(okno, "grfPrubeh")->chart()->series();
            QCOMPARE(static_cast<QAreaSeries *>(grf[0])->upperSeries()->count(), 15);
            QCOMPARE(static_cast<QLineSeries *>(grf[1])->count(), 3);
            QCOMPARE(Text(okno, "lbPrubeh"), QStringLiteral("Od 20. 4. 2026 do 4. 5. 2026: 6 odpovědí, z toho správných 50 %."));
            auto *tydny = Prvek<QTableWidget>(okno, "tblPrubeh");
            QCOMPARE(tydny->rowCount(), 3);
            QCOMPARE(tydny->item(0, 0)->text() + u'/' + tydny->item(0, 1)->text() + u'/' + tydny->item(0, 2)->text(),
                     QStringLiteral("4. 5. 2026 – 4. 5. 2026/2/50 %"));
            QCOMPARE(tydny->item(1, 3)->text(), QStringLiteral("po 1, út 0, st 0, čt 0, pá 0, so 0, ne 2"));

            QCOMPARE(Pomocnik::Texty(okno, "lbKOpakovani lbCislaKOpakovani"),
                     QStringLiteral("Dnes k opakování: 4 otázky | Čísla otázek: 2, 621, 722, 1"));

            // The estimate with its chart and text; a later exam day lets the recall decay.
            const QString dnes = Text(okno, "lbOdhad");
            QVERIFY2(dnes.startsWith(QStringLiteral("Odhad pravděpodobnosti, že byste složil(a) test na body: "))
                         && dnes.endsWith(u'%'),
                     qPrintable(dnes));
            QVERIFY(Text(okno, "lbBody").startsWith(QStringLiteral("Očekávaný počet bodů: ")));
            QVERIFY(Text(okno, "lbZtraty").contains(QStringLiteral("Křižovatky ")));
            QVERIFY(Prvek<QChartView>(okno, "grfZtraty")->isVisible());
            auto *den = Prvek<QDateEdit>(okno, "eDenZkousky");
            QCOMPARE(den->date(), Dnes);
            den->setDate(Dnes.addDays(-3));
            QCOMPARE(den->date(), Dnes); // no earlier day than today
            const double ztratyDnes = Sady(okno, "grfZtraty")[0]->sum();
            const QString bodyDnes = Text(okno, "lbBody");
            den->setDate(Dnes.addDays(200));
            QVERIFY(Text(okno, "lbBody") != bodyDnes);
            QVERIFY(Sady(okno, "grfZtraty")[0]->sum() > ztratyDnes);

            // The picture of the sections, written whole as PNG; a file that cannot be written is reported.
            Dialogy::Test::Odpovedet(m_dir->Soubor(QStringLiteral("prehled")));
            Prvek<QPushButton>(okno, "btnUlozitObrazek")->click();
            const QImage obrazek(m_dir->Soubor(QStringLiteral("prehled.png")));
            QCOMPARE(obrazek.size(), Prvek<QWidget>(okno, "pPrehled")->size());
            Dialogy::Test::Odpovedet(m_dir->Soubor(QStringLiteral("neni/prehled.PNG")));
            Prvek<QPushButton>(okno, "btnUlozitObrazek")->click();
            const auto zpravy = Dialogy::Test::Zobrazene();
            QCOMPARE(zpravy.size(), 3);
            QVERIFY(zpravy[2].text.startsWith(QStringLiteral("Obrázek nelze uložit do souboru „%1“: ")
                                                  .arg(m_dir->Soubor(QStringLiteral("neni/prehled.PNG")))));

            // The due questions go out as the window closes, in the learning order.
            Prvek<QPushButton>(okno, "btnProcvicit")->click();
            QVERIFY(!okno->isVisible());
        });
        QCOMPARE(procvicit, (QList<int>{2, 621, 722, 1}));
        // The day chosen is the profile's, shown again next time; another profile has its own.
        QCOMPARE(TerminZkousky::Precist(QStringLiteral("Jana"), Dnes), Dnes.addDays(200));
        QVERIFY(Otevrit(pamet, [](TPrehled *znovu) {
            QCOMPARE(Prvek<QDateEdit>(znovu, "eDenZkousky")->date(), Dnes.addDays(200));
            Prvek<QDateEdit>(znovu, "eDenZkousky")->setDate(Dnes.addDays(30));
            znovu->reject(); // Escape keeps it too
        }));
        QCOMPARE(TerminZkousky::Precist(QStringLiteral("Jana"), Dnes), Dnes.addDays(30));
        m_nastaveni.AktivniProfil = QStringLiteral("Petr");
        QCOMPARE(DenPriOtevreni(PametProfilu(QStringLiteral("Petr"))), Dnes);
    }

    // A stored day beyond any the learner could choose: said when the window opens, which shows
    // today and stores nothing until the learner chooses a day.
    void neplatnyDenZkousky()
    {
        TerminZkousky::Zapsat(QStringLiteral("Jana"), QDate(9999, 12, 31));
        const QByteArray ulozeno = Pomocnik::Obsah(QStringLiteral("TerminyZkousek.DB"));
        const PametProfilu pamet(QStringLiteral("Jana"));
        QCOMPARE(DenPriOtevreni(pamet), Dnes);
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].druh, Dialogy::Druh::Informace);
        QVERIFY2(zpravy[0].text.contains(QStringLiteral("„9999-12-31“ není platný den, a proto nebyl použit")),
                 qPrintable(zpravy[0].text));
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("TerminyZkousek.DB")), ulozeno);
        QVERIFY(Otevrit(pamet, [](TPrehled *znovu) {
            Prvek<QDateEdit>(znovu, "eDenZkousky")->setDate(Dnes.addDays(5));
            znovu->accept();
        }));
        QCOMPARE(TerminZkousky::Precist(QStringLiteral("Jana"), Dnes), Dnes.addDays(5));
    }

    // A table of the exam days that is not ours: said when the window opens, which goes on with
    // today, and again when the day cannot be stored; the file stays as it was.
    void ciziTabulkaTerminu()
    {
        Tabulka::Vytvorit(TerminZkousky::JmenoTabulky, {{QStringLiteral("Profil"), TypPole::Retezec, 30}});
        const PametProfilu pamet(QStringLiteral("Jana"));
        QVERIFY(Otevrit(pamet, [](TPrehled *okno) {
            QCOMPARE(Prvek<QDateEdit>(okno, "eDenZkousky")->date(), Dnes);
            Prvek<QDateEdit>(okno, "eDenZkousky")->setDate(Dnes.addDays(10));
            okno->accept();
        }));
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 2);
        for (const Dialogy::Zobrazeni &z : zpravy) {
            QCOMPARE(z.druh, Dialogy::Druh::Chyba);
            QVERIFY2(z.text.contains(QStringLiteral("nejsou pole termínů zkoušky")), qPrintable(z.text));
        }
    }
};

QTEST_MAIN(TestPrehled)
#include "tst_prehled.moc"
