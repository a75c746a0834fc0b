// The points-test window from the start message to the review: the sheet and its layout, the
// countdown, the evaluation with its message and protocol, the review marks and closing, and the
// test opened from the main window.
#include "odpovedi.h"
#include "popisky.h"

#include "data/hodiny.h"
#include "kresby/znamky.h"
#include "test/protokoltestu.h"
#include "test/test.h"
#include "test/tokeny.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTableWidget>

using Dialogy::Druh;
using Pomocnik::Prvek;
using Pomocnik::Text;

namespace {

const QString StartovniZprava = QStringLiteral(
    "Informace: Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně dlouhá pro vyřešení testu.\n"
    "V případě, že budete hotovi dřív, stiskněte tlačítko \"Vyhodnotit test\"!");

QCheckBox *Pole(const QWidget *okno, int pozice, QChar pismeno)
{
    const QString jmeno = pozice == 1 && pismeno == u'D' ? QStringLiteral("cd1D") : QStringLiteral("cb%1%2").arg(pozice).arg(pismeno);
    return Prvek<QCheckBox>(okno, qPrintable(jmeno));
}

// Where the window's style puts the group box's caption and, inside its frame, its contents.
QRect Oblast(const QGroupBox *gb, QStyle::SubControl cast)
{
    QStyleOptionGroupBox volby;
    volby.initFrom(gb);
    volby.text = gb->title();
    volby.textAlignment = gb->alignment();
    volby.lineWidth = 1;
    volby.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return gb->style()->subControlRect(QStyle::CC_GroupBox, &volby, cast, gb);
}

// The bank number shown in a position's review caption.
int SkutecneCislo(const QWidget *okno, int pozice)
{
    Prvek<QTableWidget>(okno, "Tabulka")->setCurrentCell((pozice - 1) / 7, (pozice - 1) % 7);
    return Prvek<QGroupBox>(okno, "SpatnaOtazka")->title().section(u':', 1).trimmed().toInt();
}

// Ticks the right letters ("A", or "AC" for question 3) at every position but the given ones.
void OdpovedetSpravne(const QWidget *okno, const std::function<bool(int)> &krome)
{
    for (int p = 1; p <= 25; ++p) {
        if (krome(p))
            continue;
        Pole(okno, p, u'A')->click();
        if (Text(okno, qPrintable(QStringLiteral("st%1O").arg(p))) == QStringLiteral("Otázka 3?"))
            Pole(okno, p, u'C')->click();
    }
}

// The protocol of the test; an empty one unless exactly one was stored.
ZaznamProtokolu JedinyProtokol()
{
    Tabulka t(ProtokolTestu::JmenoTabulky);
    t.Otevrit(true);
    if (t.PocetZaznamu() != 1)
        return {};
    t.PrejitNa(0);
    return ProtokolTestu::Precist(t);
}

} // namespace

class TestTestNaBody : public QObject {
    Q_OBJECT

    QTemporaryDir m_fixture;
    std::unique_ptr<Pomocnik::Adresar> m_dir;
    Konfigurace m_nastaveni;

private slots:
    void initTestCase() { QCOMPARE(Pomocnik::ZapsatBanku(Pomocnik::OtazkyTestu(), m_fixture.path()), QString()); }

    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>(m_fixture.path());
        Dialogy::Test::Zapnout();
        Hodiny::Zastavit(QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)));
        m_nastaveni = Konfigurace{};
        m_nastaveni.AktivniProfil = QStringLiteral("Jana");
        m_nastaveni.VytvaretProtokol = {false, false, true};
    }

    void cleanup() { Hodiny::Pustit(); }

    // The start message, the status bar, and every page of the sheet: each position's texts stacked
    // without gaps with their boxes beside them, its picture inside its frame clear of the caption,
    // nothing cut off, the buttons below the pages and the status bar at the bottom.
    void listyARozvrzeni()
    {
        TTestForm okno(m_nastaveni);
        QVERIFY(okno.Pripraven());
        QCOMPARE(Pomocnik::Zpravy(), QStringList{StartovniZprava});
        QCOMPARE(okno.windowTitle(), QStringLiteral("Test z předpisů o provozu na pozemních komunikacích"));
        QCOMPARE(Pomocnik::Texty(&okno, "PanelStavu0 PanelStavu1 PanelStavu2 PanelStavu3 btnVyhodnotit btnZrusit"),
                 QStringLiteral("Uživatel: Jana | Skupina: B | Minimální potřeba bodů: 56 | Čas do konce: 30:00 | "
                                "&Vyhodnotit test | &Ukončit test"));
        auto *timer = Prvek<QTimer>(&okno, "Timer1");
        QVERIFY(timer->isActive() && timer->interval() == 1000);
        auto *vyhodnotit = Prvek<QPushButton>(&okno, "btnVyhodnotit");
        const auto *pVyhodnoceni = okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni"));
        QVERIFY(!pVyhodnoceni || !pVyhodnoceni->isVisibleTo(&okno));
        for (const auto &[pozice, titulek] : {std::pair{1, "1. otázka (3 body)"}, std::pair{11, "11. otázka (2 body)"},
                                              std::pair{15, "15. otázka (1 bod)"}, std::pair{23, "23. otázka (4 body)"}})
            QCOMPARE(Prvek<QGroupBox>(&okno, qPrintable(QStringLiteral("gb%1").arg(pozice)))->title(), QString::fromUtf8(titulek));
        QVERIFY(!okno.findChild<QCheckBox *>(QStringLiteral("cb1D")));
        QCOMPARE(okno.findChildren<QCheckBox *>().size(), 100);
        for (int p = 1; p <= 25; ++p)
            QCOMPARE(okno.findChild<QLabel *>(QStringLiteral("img%1").arg(p)) != nullptr, (p >= 17 && p <= 21) || p >= 23);

        okno.show();
        auto *pcTest = Prvek<QTabWidget>(&okno, "pcTest");
        const QRect stavovy = Prvek<QStatusBar>(&okno, "StavRadek")->geometry();
        QCOMPARE(stavovy.bottom(), okno.height() - 1);
        QVERIFY(pcTest->geometry().bottom() < vyhodnotit->y() && vyhodnotit->geometry().bottom() < stavovy.top());
        QCOMPARE(pcTest->count(), 7);
        const QList<int> prvni{1, 5, 9, 13, 17, 21, 24, 26};
        for (int list = 1; list <= 7; ++list) {
            pcTest->setCurrentIndex(list - 1);
            QCOMPARE(pcTest->tabText(list - 1), QStringLiteral("List%1").arg(list));
            auto *stranka = Prvek<QWidget>(&okno, qPrintable(QStringLiteral("List%1").arg(list)));
            int spodek = 0;
            for (int p = prvni[list - 1]; p < prvni[list]; ++p) {
                auto *gb = Prvek<QGroupBox>(&okno, qPrintable(QStringLiteral("gb%1").arg(p)));
                QCOMPARE(gb->parentWidget(), stranka);
                QVERIFY2(gb->y() >= spodek, qPrintable(QStringLiteral("gb%1 over the one above").arg(p)));
                spodek = gb->geometry().bottom() + 1;
                auto st = [&](const QString &s) { return Prvek<QLabel>(gb, qPrintable(QStringLiteral("st%1").arg(p) + s)); };
                QVERIFY(st(QStringLiteral("O"))->height() >= 16);
                int top = st(QStringLiteral("O"))->geometry().bottom() + 1;
                for (QChar c : QStringLiteral("ABCD")) {
                    QCOMPARE(st(c)->y(), top);
                    QCOMPARE(Pole(&okno, p, c)->y(), top + 1);
                    QCOMPARE(st(c)->height() % 16, 0);
                    top = st(c)->geometry().bottom() + 1;
                }
                QVERIFY(top + 6 <= gb->height());
                if (auto *img = gb->findChild<QLabel *>(QStringLiteral("img%1").arg(p))) {
                    QVERIFY(img->isVisibleTo(gb) && !img->pixmap().isNull());
                    QVERIFY2(Oblast(gb, QStyle::SC_GroupBoxContents).contains(img->geometry()),
                             qPrintable(QStringLiteral("img%1 outside its frame").arg(p)));
                    QVERIFY(!img->geometry().intersects(Oblast(gb, QStyle::SC_GroupBoxLabel)));
                    QVERIFY(st(QStringLiteral("O"))->geometry().right() < img->x());
                }
            }
            QVERIFY2(spodek <= stranka->height(), qPrintable(QStringLiteral("List%1 cut off").arg(list)));
        }
        // The long question of position 1 takes several lines, the three-answer question no fourth box.
        QVERIFY(Prvek<QLabel>(&okno, "st1O")->height() >= 48);
        QVERIFY(!Pole(&okno, 2, u'D')->isVisibleTo(&okno));

        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:59"));
    }

    // By the mouse: a click on an answer's text ticks its box and unticks it again; several boxes of
    // one position may be ticked, and a click on one gives the pages the focus. From the keyboard: a
    // box ticked with Space keeps the focus, so that Tab goes on from it; Z, as a click, enlarges the
    // picture of the position the keyboard is at, else the page's first one; in the review Z enlarges
    // the picture shown, and Enter closes the window.
    void mysKlavesniceAObrazky()
    {
        TTestForm okno(m_nastaveni);
        okno.show();
        auto *pcTest = Prvek<QTabWidget>(&okno, "pcTest");
        pcTest->setCurrentIndex(1);
        Pomocnik::Kliknout(&okno, "st5B");
        QVERIFY(Pole(&okno, 5, u'B')->isChecked());
        Pomocnik::Kliknout(&okno, "st5B");
        QVERIFY(!Pole(&okno, 5, u'B')->isChecked());
        pcTest->setCurrentIndex(0);
        QApplication::setActiveWindow(&okno);
        QTest::mouseClick(Pole(&okno, 1, u'D'), Qt::LeftButton);
        QTest::mouseClick(Pole(&okno, 1, u'A'), Qt::LeftButton);
        QVERIFY(Pole(&okno, 1, u'A')->isChecked() && Pole(&okno, 1, u'D')->isChecked());
        QCOMPARE(okno.focusWidget(), pcTest->tabBar()); // the page control's focus proxy

        const auto klavesa = [&okno](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            okno.activateWindow(); // the offscreen platform gives no window the focus back after a dialog
            QVERIFY(QTest::qWaitForWindowActive(&okno));
            QTest::keyClick(okno.focusWidget(), k, m);
        };
        const auto obrazek = [&okno](int p) { return Prvek<TObrazekOtazky>(&okno, qPrintable(QStringLiteral("img%1").arg(p)))->Obrazek(); };
        pcTest->setCurrentIndex(4); // List5: positions 17 to 20, each with a sign
        pcTest->tabBar()->setFocus();
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek(17));
        Pole(&okno, 18, u'A')->setFocus();
        klavesa(Qt::Key_Space);
        QVERIFY(Pole(&okno, 18, u'A')->isChecked() && Pole(&okno, 18, u'A')->hasFocus());
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek(18));
        klavesa(Qt::Key_Tab);
        QVERIFY(Pole(&okno, 18, u'B')->hasFocus());
        klavesa(Qt::Key_Return); // no default button: Enter does not end the test by mistake
        Prvek<QPushButton>(&okno, "btnVyhodnotit")->setFocus();
        klavesa(Qt::Key_Return);
        QVERIFY(!okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni")));
        QCOMPARE(Pomocnik::Zvetseny([&] { Pomocnik::Kliknout(&okno, "img19"); }), obrazek(19));
        QVERIFY(obrazek(17) != obrazek(18) && obrazek(18) != obrazek(19));

        klavesa(Qt::Key_V, Qt::AltModifier); // pressed as a click, a moment later
        QTRY_VERIFY(okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni")));
        QVERIFY(Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        const QString obrazek23 = obrazek(23);
        SkutecneCislo(&okno, 23);
        Prvek<QTableWidget>(&okno, "Tabulka")->setFocus();
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek23);
        klavesa(Qt::Key_Return);
        QVERIFY(!okno.isVisible());
    }

    // Wrong at 4 (a letter too many), 12 (none) and 15 (another letter) after 12 minutes 5 seconds.
    void vyhodnoceniAPrehled()
    {
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        OdpovedetSpravne(&okno, [](int p) { return p == 12 || p == 15; });
        Pole(&okno, 4, u'B')->click();
        Pole(&okno, 15, u'B')->click();
        for (int i = 0; i < 725; ++i)
            okno.Timer1Timer();
        Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();

        QCOMPARE(Pomocnik::Zpravy(),
                 QStringList{QStringLiteral("Informace: Test byl úspěšně vyřešen!\r\n"
                                            " - Dosáhli jste 59 bodů z 65 možných, minimem pro složení testu bylo 56 bodů\r\n"
                                            " - Počet špatných odpovědí byl: 3, jejich čísla jsou 4, 12, 15\r\n"
                                            "Více se dozvíte z protokolu po stisku klávesy OK")});
        QVERIFY(!Prvek<QTimer>(&okno, "Timer1")->isActive());
        QVERIFY(!Prvek<QWidget>(&okno, "pcTest")->isVisibleTo(&okno));
        QVERIFY(!Prvek<QStatusBar>(&okno, "StavRadek")->isVisibleTo(&okno));
        QVERIFY(!Prvek<QPushButton>(&okno, "btnVyhodnotit")->isEnabled());
        QVERIFY(Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích"));
        QCOMPARE(Pomocnik::Texty(&okno, "lbProfil lbSkupina lbMinPocBod lbCas lbOdpovedi lbDosBod lbUspech lbProtokol"),
                 QStringLiteral("Řešitel testu: Jana | Skupina: B | Minimální potřeba počtu bodů: 56 | Celková doba trvání testu: "
                                "12 minut, 5 sekund | Počet správných/špatných odpovědí: 22/3 | Celkový počet dosažených bodů: 59 | "
                                "Test byl úspěšně složen! | Byl vytvořen protokol z testu - přístupný je z hlavního menu"));

        auto *tabulka = Prvek<QTableWidget>(&okno, "Tabulka");
        QCOMPARE(std::make_pair(tabulka->rowCount(), tabulka->columnCount()), std::make_pair(4, 7));
        QCOMPARE(tabulka->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(tabulka->item(3, 3)->text(), QStringLiteral("25"));
        QVERIFY(!tabulka->item(3, 4));
        auto *spatna = Prvek<QGroupBox>(&okno, "SpatnaOtazka");
        QCOMPARE(spatna->title(), QStringLiteral(" 1. otázka (3 body); Skutečné číslo otázky: 1 "));

        // The extra letter: yes at the right one, no at the extra one.
        auto znamka = [&](QChar c) { return Prvek<QLabel>(&okno, qPrintable(QStringLiteral("img") + c)); };
        auto jeZnamka = [&](QChar c, Znamky::Druh druh) {
            QLabel *img = znamka(c);
            QImage soubor(Znamky::Cesta(druh).replace(u'\\', u'/'));
            return img->isVisibleTo(&okno) && img->pixmap().toImage().convertToFormat(QImage::Format_RGB32)
                                                  == soubor.convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(SkutecneCislo(&okno, 4), 4);
        QCOMPARE(spatna->title(), QStringLiteral(" 4. otázka (3 body); Skutečné číslo otázky: 4 "));
        QVERIFY(jeZnamka(u'A', Znamky::Druh::Spravne) && jeZnamka(u'B', Znamky::Druh::Spatne));
        QCOMPARE(znamka(u'A')->accessibleName(), QStringLiteral("Správně označená otázka"));
        QVERIFY(!znamka(u'C')->isVisibleTo(&okno) && !znamka(u'D')->isVisibleTo(&okno));
        QCOMPARE(Pomocnik::Texty(&okno, "Otazka B"), QStringLiteral("Otázka 4? | Odpověď b"));

        // Unanswered: the mistake mark at the right letter only.
        SkutecneCislo(&okno, 12);
        QVERIFY(jeZnamka(u'A', Znamky::Druh::Opomenuta));
        QVERIFY(!znamka(u'B')->isVisibleTo(&okno) && !znamka(u'C')->isVisibleTo(&okno) && !znamka(u'D')->isVisibleTo(&okno));
        QCOMPARE(SkutecneCislo(&okno, 3), 3);
        QVERIFY(jeZnamka(u'A', Znamky::Druh::Spravne) && jeZnamka(u'C', Znamky::Druh::Spravne));

        // An empty cell, or the position already shown, changes nothing.
        const QString titulek = spatna->title();
        tabulka->setCurrentCell(3, 5);
        QCOMPARE(spatna->title(), titulek);
        QVERIFY(SkutecneCislo(&okno, 15) > 0);
        QVERIFY(spatna->title().startsWith(QStringLiteral(" 15. otázka (1 bod); Skutečné číslo otázky: ")));

        // Pictures beside the signs and the crossroads, clear of the texts, which give way to them;
        // none elsewhere.
        auto *obrazek = Prvek<QLabel>(&okno, "Obrazek");
        auto *otazka = Prvek<QLabel>(&okno, "Otazka");
        auto *a = Prvek<QLabel>(&okno, "A");
        const int znacka = SkutecneCislo(&okno, 18);
        QVERIFY(znacka >= 621 && znacka <= 625);
        QVERIFY(obrazek->isVisibleTo(&okno) && obrazek->pixmap().size() == QSize(96, 96));
        QVERIFY(otazka->geometry().right() < obrazek->x() && a->geometry().right() < obrazek->x());
        SkutecneCislo(&okno, 24);
        QVERIFY(obrazek->isVisibleTo(&okno) && obrazek->pixmap().size() == QSize(300, 175));
        QVERIFY(otazka->geometry().right() < obrazek->x() && a->geometry().right() < obrazek->x());
        const int vedleKrizovatky = a->width();
        SkutecneCislo(&okno, 22);
        QVERIFY(!obrazek->isVisibleTo(&okno));
        QVERIFY(a->width() > vedleKrizovatky + 250);

        // The record of the test.
        const ZaznamProtokolu z = JedinyProtokol();
        QCOMPARE(std::make_tuple(z.Profil, z.DatumACas, z.DelkaTestu, z.Spravne, z.PocetBodu, z.Verdikt),
                 std::make_tuple(QStringLiteral("Jana"), QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)), QStringLiteral("12:05"),
                                 22, 59, QStringLiteral("Prošel")));
        const QStringList odpovedi = Tokeny::Rozdelit(z.Odpoved, 25), cisla = Tokeny::Rozdelit(z.SkutCis, 25);
        QCOMPARE(z.Odpoved.count(u' '), 24);
        QCOMPARE(std::make_tuple(odpovedi[3], odpovedi[11], odpovedi[14], Tokeny::Rozdelit(z.SpravnaOdpoved, 25)[2]),
                 std::make_tuple(QStringLiteral("AB"), QString(), QStringLiteral("B"), QStringLiteral("AC")));
        QCOMPARE(cisla.mid(0, 10).join(u' '), QStringLiteral("1 2 3 4 5 6 7 8 9 10"));
        for (int p = 1; p <= 25; ++p)
            QCOMPARE(cisla[p - 1].toInt(), SkutecneCislo(&okno, p));

        // Evaluated, the window closes without a question.
        QVERIFY(okno.close());
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void casVyprsel()
    {
        m_nastaveni.VytvaretProtokol = {true, true, false};
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        OdpovedetSpravne(&okno, [](int p) { return p == 25; });
        for (int i = 0; i < 1799; ++i)
            okno.Timer1Timer();
        QVERIFY(Prvek<QWidget>(&okno, "pcTest")->isVisibleTo(&okno));
        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 00:00"));
        QVERIFY(!Prvek<QTimer>(&okno, "Timer1")->isActive());
        QVERIFY(Dialogy::Test::Zobrazene().value(0).text.startsWith(
            QStringLiteral("Čas vymezený pro test uplynul! - Test byl úspěšně vyřešen!\r\n"
                           " - Dosáhli jste 61 bodů z 65 možných, minimem pro složení testu bylo 56 bodů\r\n")));
        QCOMPARE(Pomocnik::Texty(&okno, "lbCas lbProtokol"),
                 QStringLiteral("Celková doba trvání testu: 30 minut | Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"));
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly.DB")));
    }

    void neuspechHnedPoStartu()
    {
        m_nastaveni.ZvolenaSkupina = QStringLiteral("D");
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();
        QVERIFY(Dialogy::Test::Zobrazene().value(0).text.startsWith(QStringLiteral("Test nebyl úspěšně vyřešen!\r\n - Dosáhli jste 0 bodů")));
        QCOMPARE(Pomocnik::Texty(&okno, "lbCas lbOdpovedi lbUspech"),
                 QStringLiteral("Celková doba trvání testu: 0 sekund | Počet správných/špatných odpovědí: 0/25 | "
                                "Test nebyl úspěšně složen!"));
        QCOMPARE(Prvek<QLabel>(&okno, "lbUspech")->palette().color(QPalette::WindowText), QColor(Qt::red));
        const ZaznamProtokolu z = JedinyProtokol();
        QCOMPARE(std::make_tuple(z.Verdikt, z.DelkaTestu, z.Odpoved),
                 std::make_tuple(QStringLiteral("Neprošel"), QStringLiteral("00:00"), QString(24, u' ')));
    }

    // No keeps the test running with every tick; Yes ends it without a record.
    void zavreniBehemTestu()
    {
        TTestForm okno(m_nastaveni);
        okno.show();
        Dialogy::Test::Zobrazene();
        for (int i = 0; i < 5; ++i)
            okno.Timer1Timer();
        Dialogy::Test::Odpovedet(false);
        Prvek<QPushButton>(&okno, "btnZrusit")->click();
        QVERIFY(okno.isVisible());
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Otázka: Opravdu chcete ukončit tento test?")});
        QVERIFY(Prvek<QTimer>(&okno, "Timer1")->isActive());
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:55"));
        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:54"));
        Dialogy::Test::Odpovedet(false);
        QTest::keyClick(&okno, Qt::Key_Escape);
        QVERIFY(okno.isVisible());

        Dialogy::Test::Odpovedet(true);
        QVERIFY(okno.close());
        QVERIFY(!okno.isVisible());
        QVERIFY(!Prvek<QTimer>(&okno, "Timer1")->isActive());
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly.DB")));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 2);
    }

    void protokolNelzeZapsat()
    {
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Protokoly.DB"), "poskozeno"));
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();
        const QStringList zpravy = Pomocnik::Zpravy();
        QCOMPARE(zpravy.size(), 2);
        QVERIFY2(zpravy[0].startsWith(QStringLiteral("Informace: ")) && zpravy[1].startsWith(QStringLiteral("Chyba: Tabulka Protokoly")),
                 qPrintable(zpravy.join(u'\n')));
        QVERIFY(Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        QCOMPARE(Text(&okno, "lbProtokol"), QStringLiteral("Protokol z testu se nepodařilo zapsat"));
        QCOMPARE(Pomocnik::Obsah(QStringLiteral("Protokoly.DB")), QByteArray("poskozeno"));
    }

    // A picture that cannot be read is reported before the start message; its text takes the room.
    void obrazekNelzeNacist()
    {
        QVERIFY(QFile::remove(QStringLiteral("obrazky/722.jpg")));
        TTestForm okno(m_nastaveni);
        QVERIFY(okno.Pripraven());
        const QStringList zpravy = Pomocnik::Zpravy();
        QCOMPARE(zpravy.size(), 2);
        QVERIFY2(zpravy[0].startsWith(QStringLiteral("Chyba: ")) && zpravy[0].contains(QStringLiteral("obrazky/722.jpg")),
                 qPrintable(zpravy[0]));
        QCOMPARE(zpravy[1], StartovniZprava);
        int bezObrazku = 0;
        for (int p = 23; p <= 25; ++p) {
            auto *img = Prvek<QLabel>(&okno, qPrintable(QStringLiteral("img%1").arg(p)));
            if (!img->isVisibleTo(img->parentWidget())) {
                ++bezObrazku;
                QCOMPARE(Prvek<QLabel>(&okno, qPrintable(QStringLiteral("st%1O").arg(p)))->width(),
                         Prvek<QLabel>(&okno, "st22O")->width()); // as wide as a question without a picture
            }
        }
        QCOMPARE(bezObrazku, 1);
    }

    void skupinaBezTestu()
    {
        m_nastaveni.ZvolenaSkupina = QStringLiteral("X");
        TTestForm okno(m_nastaveni);
        QVERIFY(!okno.Pripraven());
        QCOMPARE(Pomocnik::KromeJedneZpravy(Druh::Chyba, QStringLiteral("„X“")), QString());
        QVERIFY(!Prvek<QTimer>(&okno, "Timer1")->isActive());
    }

    // From the main window, which lends it the bank while it is open: every position of an evaluated
    // test goes into the learner's memory at the moment of the evaluation (right, wrong, or left
    // unanswered); an abandoned test leaves nothing; a bank that cannot be opened again afterwards
    // is reported, and a group without a test opens no window and keeps the bank.
    void zHlavnihoOkna()
    {
        THlavniFormular hlavni;
        QVERIFY(hlavni.Banka().Otevrena());
        bool bankaZavrena = false;
        QVERIFY(Pomocnik::Otevrit<TTestForm>([&] { Pomocnik::Akce(&hlavni, "M1Test")->trigger(); }, [&](TTestForm *test) {
            bankaZavrena = !hlavni.Banka().Otevrena();
            OdpovedetSpravne(test, [](int p) { return p != 1; });
            Pole(test, 2, u'B')->click();
            Prvek<QPushButton>(test, "btnVyhodnotit")->click();
            test->close();
        }));
        QVERIFY(bankaZavrena && hlavni.Banka().Otevrena());
        QVERIFY(hlavni.findChildren<TTestForm *>().isEmpty());
        const std::vector<Odpovedi::Odpoved> odpovedi = Pomocnik::UlozeneOdpovedi();
        QCOMPARE(odpovedi.size(), size_t(25));
        // Positions 1 to 10 hold questions 1 to 10 in number order.
        QCOMPARE(std::make_tuple(odpovedi[0].otazka, odpovedi[0].vysledek, odpovedi[1].otazka, odpovedi[1].vysledek),
                 std::make_tuple(1, Odpovedi::Vysledek::Spravne, 2, Odpovedi::Vysledek::Spatne));
        for (size_t i = 0; i < odpovedi.size(); ++i) {
            QCOMPARE(odpovedi[i].zdroj, Odpovedi::Zdroj::Test);
            QCOMPARE(QDateTime(odpovedi[i].datum, odpovedi[i].cas), Hodiny::Ted());
            if (i >= 2)
                QCOMPARE(odpovedi[i].vysledek, Odpovedi::Vysledek::Nezodpovezeno);
        }

        Dialogy::Test::Zobrazene();
        QVERIFY(Pomocnik::Otevrit<TTestForm>([&] { Pomocnik::Akce(&hlavni, "M1Test")->trigger(); }, [](TTestForm *test) {
            QVERIFY(QFile::rename(QStringLiteral("otazky.DB"), QStringLiteral("jinam.DB")));
            Dialogy::Test::Odpovedet(true);
            test->close();
        }));
        QCOMPARE(Pomocnik::UlozeneOdpovedi().size(), size_t(25));
        const QStringList zpravy = Pomocnik::Zpravy();
        QCOMPARE(zpravy.size(), 3); // the start, the question before ending, the bank not opened again
        QVERIFY(zpravy[1].startsWith(QStringLiteral("Otázka: ")) && zpravy[2].startsWith(QStringLiteral("Chyba: ")));
        QVERIFY(!hlavni.Banka().Otevrena());
        QVERIFY(QFile::rename(QStringLiteral("jinam.DB"), QStringLiteral("otazky.DB")));

        hlavni.Stav().Nastaveni().ZvolenaSkupina = QStringLiteral("Q");
        hlavni.Banka().Otevrit();
        QVERIFY(!Pomocnik::Otevrit<TTestForm>([&] { Pomocnik::Akce(&hlavni, "M1Test")->trigger(); }));
        QCOMPARE(Pomocnik::KromeJedneZpravy(Druh::Chyba, QStringLiteral("„Q“")), QString());
        QVERIFY(hlavni.Banka().Otevrena());
    }
};

QTEST_MAIN(TestTestNaBody)
#include "tst_testnabody.moc"
