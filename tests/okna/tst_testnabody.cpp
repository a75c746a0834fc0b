// The points-test window from the start message to the review: the sheet and its layout, the
// countdown, the evaluation with its message and protocol, the review marks and closing.
#include "odpovedi.h"
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "data/hodiny.h"
#include "kresby/znamky.h"
#include "test/test.h"
#include "test/tokeny.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

void KopirovatAdresar(const QString &z, const QString &kam)
{
    QDir(kam).mkpath(QStringLiteral("."));
    for (const QFileInfo &f : QDir(z).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (f.isDir())
            KopirovatAdresar(f.filePath(), QDir(kam).filePath(f.fileName()));
        else
            QFile::copy(f.filePath(), QDir(kam).filePath(f.fileName()));
    }
}

const QString StartovniZprava = QStringLiteral(
    "Po stisknutí tlačítka OK začne plynout doba 30 minut, která je dostatečně dlouhá pro vyřešení testu.\n"
    "V případě, že budete hotovi dřív, stiskněte tlačítko \"Vyhodnotit test\"!");

} // namespace

class TestTestNaBody : public QObject {
    Q_OBJECT

    QTemporaryDir m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;
    Konfigurace m_nastaveni;

    static QString Text(const QWidget *okno, const char *jmeno) { return Pomocnik::Prvek<QLabel>(okno, jmeno)->text(); }

    static QCheckBox *Pole(const QWidget *okno, int pozice, QChar pismeno)
    {
        const QString jmeno = pozice == 1 && pismeno == u'D' ? QStringLiteral("cd1D") : QStringLiteral("cb%1%2").arg(pozice).arg(pismeno);
        QCheckBox *cb = okno->findChild<QCheckBox *>(jmeno);
        if (!cb)
            qFatal("no check box %s", qPrintable(jmeno));
        return cb;
    }

    // Where the window's style puts the group box's caption and, inside its frame, its contents.
    static QRect Oblast(const QGroupBox *gb, QStyle::SubControl cast)
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
    static int SkutecneCislo(const QWidget *okno, int pozice)
    {
        auto *tabulka = Pomocnik::Prvek<QTableWidget>(okno, "Tabulka");
        tabulka->setCurrentCell((pozice - 1) / 7, (pozice - 1) % 7);
        const QString titulek = Pomocnik::Prvek<QGroupBox>(okno, "SpatnaOtazka")->title();
        return titulek.section(u':', 1).trimmed().toInt();
    }

    // Ticks the right letters ("A", or "AC" for question 3) at every position but the given ones.
    static void OdpovedetSpravne(const QWidget *okno, const std::function<bool(int)> &krome)
    {
        for (int p = 1; p <= 25; ++p) {
            if (krome(p))
                continue;
            const QString text = Pomocnik::Prvek<QLabel>(okno, qPrintable(QStringLiteral("st%1O").arg(p)))->text();
            Pole(okno, p, u'A')->click();
            if (text == QStringLiteral("Otázka 3?"))
                Pole(okno, p, u'C')->click();
        }
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(Pomocnik::ZapsatBanku(Pomocnik::OtazkyTestu(), m_fixture.path()), QString());
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        KopirovatAdresar(m_fixture.path(), m_dir->path());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        Dialogy::Test::Zapnout();
        Hodiny::Zastavit(QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)));
        m_nastaveni = Konfigurace{};
        m_nastaveni.AktivniProfil = QStringLiteral("Jana");
        m_nastaveni.ZvolenaSkupina = QStringLiteral("B");
        m_nastaveni.VytvaretProtokol = {false, false, true};
    }

    void cleanup() { Hodiny::Pustit(); }

    void listyARozvrzeni()
    {
        TTestForm okno(m_nastaveni);
        QVERIFY(okno.Pripraven());
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Informace);
        QCOMPARE(zobrazene[0].text, StartovniZprava);
        QCOMPARE(okno.windowTitle(), QStringLiteral("Test z předpisů o provozu na pozemních komunikacích"));
        // The long first question makes the first page taller than the pages: all grows with it.
        QCOMPARE(okno.width(), 772);
        QVERIFY(okno.height() > 546);
        const int navic = okno.height() - 546;
        QCOMPARE(Pomocnik::Prvek<QWidget>(&okno, "pcTest")->height(), 497 + navic);
        QCOMPARE(Pomocnik::Prvek<QStatusBar>(&okno, "StavRadek")->geometry().bottom(), okno.height() - 1);
        QVERIFY(Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->y() >= 497 + navic);
        QCOMPARE(Text(&okno, "PanelStavu0"), QStringLiteral("Uživatel: Jana"));
        QCOMPARE(Text(&okno, "PanelStavu1"), QStringLiteral("Skupina: B"));
        QCOMPARE(Text(&okno, "PanelStavu2"), QStringLiteral("Minimální potřeba bodů: 56"));
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 30:00"));
        auto *timer = Pomocnik::Prvek<QTimer>(&okno, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->text(), QStringLiteral("&Vyhodnotit test"));
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&okno, "btnZrusit")->text(), QStringLiteral("&Ukončit test"));
        const auto *pVyhodnoceni = okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni"));
        QVERIFY(!pVyhodnoceni || !pVyhodnoceni->isVisibleTo(&okno));

        QCOMPARE(Pomocnik::Prvek<QGroupBox>(&okno, "gb1")->title(), QStringLiteral("1. otázka (3 body)"));
        QCOMPARE(Pomocnik::Prvek<QGroupBox>(&okno, "gb11")->title(), QStringLiteral("11. otázka (2 body)"));
        QCOMPARE(Pomocnik::Prvek<QGroupBox>(&okno, "gb15")->title(), QStringLiteral("15. otázka (1 bod)"));
        QCOMPARE(Pomocnik::Prvek<QGroupBox>(&okno, "gb23")->title(), QStringLiteral("23. otázka (4 body)"));
        QVERIFY(!okno.findChild<QCheckBox *>(QStringLiteral("cb1D")));
        QCOMPARE(okno.findChildren<QCheckBox *>().size(), 100);
        for (int p = 1; p <= 25; ++p)
            QCOMPARE(okno.findChild<QLabel *>(QStringLiteral("img%1").arg(p)) != nullptr, (p >= 17 && p <= 21) || p >= 23);

        okno.show();
        auto *pcTest = Pomocnik::Prvek<QTabWidget>(&okno, "pcTest");
        QCOMPARE(pcTest->count(), 7);
        const QList<int> prvni{1, 5, 9, 13, 17, 21, 24, 26};
        for (int list = 1; list <= 7; ++list) {
            pcTest->setCurrentIndex(list - 1);
            QCOMPARE(pcTest->tabText(list - 1), QStringLiteral("List%1").arg(list));
            auto *stranka = Pomocnik::Prvek<QWidget>(&okno, qPrintable(QStringLiteral("List%1").arg(list)));
            int spodek = 0;
            for (int p = prvni[list - 1]; p < prvni[list]; ++p) {
                auto *gb = Pomocnik::Prvek<QGroupBox>(&okno, qPrintable(QStringLiteral("gb%1").arg(p)));
                QCOMPARE(gb->parentWidget(), stranka);
                QVERIFY2(gb->y() >= spodek, qPrintable(QStringLiteral("gb%1 over the one above").arg(p)));
                spodek = gb->geometry().bottom() + 1;
                // Texts stacked without gaps, boxes beside their texts, all inside the group box.
                auto st = [&](const QString &s) { return Pomocnik::Prvek<QLabel>(gb, qPrintable(QStringLiteral("st%1").arg(p) + s)); };
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
                    // The picture inside the frame as the style draws it, clear of its caption.
                    QVERIFY2(Oblast(gb, QStyle::SC_GroupBoxContents).contains(img->geometry()),
                             qPrintable(QStringLiteral("img%1 outside its frame").arg(p)));
                    QVERIFY(!img->geometry().intersects(Oblast(gb, QStyle::SC_GroupBoxLabel)));
                    QVERIFY(st(QStringLiteral("O"))->geometry().right() < img->x());
                }
            }
            QVERIFY2(spodek <= stranka->height(), qPrintable(QStringLiteral("List%1 cut off").arg(list)));
        }
        // The long question of position 1 takes several lines, the three-answer question no fourth box.
        QVERIFY(Pomocnik::Prvek<QLabel>(&okno, "st1O")->height() >= 48);
        QVERIFY(!Pole(&okno, 2, u'D')->isVisibleTo(&okno));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "st1O")->palette().color(QPalette::WindowText), QColor(Qt::blue));

        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:59"));
    }

    void klepnutiNaTextOdpovedi()
    {
        TTestForm okno(m_nastaveni);
        okno.show();
        auto *pcTest = Pomocnik::Prvek<QTabWidget>(&okno, "pcTest");
        pcTest->setCurrentIndex(1);
        QTest::mouseClick(Pomocnik::Prvek<QLabel>(&okno, "st5B"), Qt::LeftButton);
        QVERIFY(Pole(&okno, 5, u'B')->isChecked());
        QTest::mouseClick(Pomocnik::Prvek<QLabel>(&okno, "st5B"), Qt::LeftButton);
        QVERIFY(!Pole(&okno, 5, u'B')->isChecked());
        // Several boxes of one position may be ticked; a click on one gives the pages the focus.
        pcTest->setCurrentIndex(0);
        QApplication::setActiveWindow(&okno);
        QTest::mouseClick(Pole(&okno, 1, u'D'), Qt::LeftButton);
        QTest::mouseClick(Pole(&okno, 1, u'A'), Qt::LeftButton);
        QVERIFY(Pole(&okno, 1, u'A')->isChecked() && Pole(&okno, 1, u'D')->isChecked());
        QCOMPARE(okno.focusWidget(), pcTest->tabBar()); // the page control's focus proxy
    }

    // From the keyboard: a box ticked with Space keeps the focus, so that Tab goes on from it; Z, as a
    // click, enlarges the picture of the position the keyboard is at, else the page's first one; in
    // the review Z enlarges the picture shown, and Enter closes the window.
    void klavesniceAObrazky()
    {
        TTestForm okno(m_nastaveni);
        okno.show();
        const auto klavesa = [&okno](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            okno.activateWindow(); // the offscreen platform gives no window the focus back after a dialog
            QVERIFY(QTest::qWaitForWindowActive(&okno));
            QTest::keyClick(okno.focusWidget(), k, m);
        };
        const auto obrazek = [&okno](int p) {
            return Pomocnik::Prvek<TObrazekOtazky>(&okno, qPrintable(QStringLiteral("img%1").arg(p)))->Obrazek();
        };
        auto *pcTest = Pomocnik::Prvek<QTabWidget>(&okno, "pcTest");
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
        Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->setFocus();
        klavesa(Qt::Key_Return);
        QVERIFY(!okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni")));
        QCOMPARE(Pomocnik::Zvetseny([&] { QTest::mouseClick(Pomocnik::Prvek<QLabel>(&okno, "img19"), Qt::LeftButton); }), obrazek(19));
        QVERIFY(obrazek(17) != obrazek(18) && obrazek(18) != obrazek(19));

        klavesa(Qt::Key_V, Qt::AltModifier); // pressed as a click, a moment later
        QTRY_VERIFY(okno.findChild<QWidget *>(QStringLiteral("pVyhodnoceni")));
        QVERIFY(Pomocnik::Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        const QString obrazek23 = obrazek(23);
        SkutecneCislo(&okno, 23);
        Pomocnik::Prvek<QTableWidget>(&okno, "Tabulka")->setFocus();
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
        Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();

        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].text.split(QStringLiteral("\r\n")),
                 (QStringList{QStringLiteral("Test byl úspěšně vyřešen!"),
                              QStringLiteral(" - Dosáhli jste 59 bodů z 65 možných, minimem pro složení testu bylo 56 bodů"),
                              QStringLiteral(" - Počet špatných odpovědí byl: 3, jejich čísla jsou 4, 12, 15"),
                              QStringLiteral("Více se dozvíte z protokolu po stisku klávesy OK")}));
        QVERIFY(!Pomocnik::Prvek<QTimer>(&okno, "Timer1")->isActive());
        QVERIFY(!Pomocnik::Prvek<QWidget>(&okno, "pcTest")->isVisibleTo(&okno));
        QVERIFY(!Pomocnik::Prvek<QStatusBar>(&okno, "StavRadek")->isVisibleTo(&okno));
        QVERIFY(!Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->isEnabled());
        QVERIFY(Pomocnik::Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        QCOMPARE(okno.windowTitle(), QStringLiteral("Vyhodnocení testu z předpisů o provozu na pozemních komunikacích"));
        QCOMPARE(Text(&okno, "lbProfil"), QStringLiteral("Řešitel testu: Jana"));
        QCOMPARE(Text(&okno, "lbSkupina"), QStringLiteral("Skupina: B"));
        QCOMPARE(Text(&okno, "lbMinPocBod"), QStringLiteral("Minimální potřeba počtu bodů: 56"));
        QCOMPARE(Text(&okno, "lbCas"), QStringLiteral("Celková doba trvání testu: 12 minut, 5 sekund"));
        QCOMPARE(Text(&okno, "lbOdpovedi"), QStringLiteral("Počet správných/špatných odpovědí: 22/3"));
        QCOMPARE(Text(&okno, "lbDosBod"), QStringLiteral("Celkový počet dosažených bodů: 59"));
        QCOMPARE(Text(&okno, "lbUspech"), QStringLiteral("Test byl úspěšně složen!"));
        QCOMPARE(Text(&okno, "lbProtokol"), QStringLiteral("Byl vytvořen protokol z testu - přístupný je z hlavního menu"));

        auto *tabulka = Pomocnik::Prvek<QTableWidget>(&okno, "Tabulka");
        QCOMPARE(tabulka->rowCount(), 4);
        QCOMPARE(tabulka->columnCount(), 7);
        QCOMPARE(tabulka->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(tabulka->item(3, 3)->text(), QStringLiteral("25"));
        QVERIFY(!tabulka->item(3, 4));
        auto *spatna = Pomocnik::Prvek<QGroupBox>(&okno, "SpatnaOtazka");
        QCOMPARE(spatna->title(), QStringLiteral(" 1. otázka (3 body); Skutečné číslo otázky: 1 "));

        // The extra letter: yes at the right one, no at the extra one.
        auto znamka = [&](QChar c) { return Pomocnik::Prvek<QLabel>(&okno, qPrintable(QStringLiteral("img") + c)); };
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
        QCOMPARE(Text(&okno, "Otazka"), QStringLiteral("Otázka 4?"));
        QCOMPARE(Text(&okno, "B"), QStringLiteral("Odpověď b"));

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
        QCOMPARE(SkutecneCislo(&okno, 15) > 0, true);
        QVERIFY(spatna->title().startsWith(QStringLiteral(" 15. otázka (1 bod); Skutečné číslo otázky: ")));

        // Pictures beside the signs and the crossroads, none elsewhere.
        auto *obrazek = Pomocnik::Prvek<QLabel>(&okno, "Obrazek");
        const int znacka = SkutecneCislo(&okno, 18);
        QVERIFY(znacka >= 621 && znacka <= 625);
        QVERIFY(obrazek->isVisibleTo(&okno) && obrazek->geometry() == QRect(636, obrazek->y(), 96, 96));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "Otazka")->width(), 721 - 96);
        SkutecneCislo(&okno, 24);
        QVERIFY(obrazek->isVisibleTo(&okno) && obrazek->geometry() == QRect(432, obrazek->y(), 300, 175));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "A")->width(), 681 - 300);
        SkutecneCislo(&okno, 22);
        QVERIFY(!obrazek->isVisibleTo(&okno));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "A")->width(), 681);

        // The record of the test.
        Tabulka t(QStringLiteral("Protokoly"));
        t.Otevrit();
        QCOMPARE(t.PocetZaznamu(), 1);
        t.PrejitNa(0);
        QCOMPARE(t.Text(QStringLiteral("Profil")), QStringLiteral("Jana"));
        QCOMPARE(t.DatumCas(QStringLiteral("DatumACas")), QDateTime(QDate(2026, 12, 7), QTime(10, 15, 30)));
        QCOMPARE(t.Text(QStringLiteral("DelkaTestu")), QStringLiteral("12:05"));
        QCOMPARE(t.Cislo(QStringLiteral("Spravne")), 22);
        QCOMPARE(t.Cislo(QStringLiteral("PocetBodu")), 59);
        QCOMPARE(t.Text(QStringLiteral("Verdikt")), QStringLiteral("Prošel"));
        const QStringList odpovedi = Tokeny::Rozdelit(t.Text(QStringLiteral("Odpoved")), 25);
        const QStringList spravne = Tokeny::Rozdelit(t.Text(QStringLiteral("SpravnaOdpoved")), 25);
        const QStringList cisla = Tokeny::Rozdelit(t.Text(QStringLiteral("SkutCis")), 25);
        QCOMPARE(t.Text(QStringLiteral("Odpoved")).count(u' '), 24);
        QCOMPARE(odpovedi[3], QStringLiteral("AB"));
        QCOMPARE(odpovedi[11], QString());
        QCOMPARE(odpovedi[14], QStringLiteral("B"));
        QCOMPARE(spravne[2], QStringLiteral("AC"));
        QCOMPARE(cisla.mid(0, 10), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                                QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8"),
                                                QStringLiteral("9"), QStringLiteral("10")}));
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
        QVERIFY(Pomocnik::Prvek<QWidget>(&okno, "pcTest")->isVisibleTo(&okno));
        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 00:00"));
        QVERIFY(!Pomocnik::Prvek<QTimer>(&okno, "Timer1")->isActive());
        const QStringList radky = Dialogy::Test::Zobrazene().value(0).text.split(QStringLiteral("\r\n"));
        QCOMPARE(radky.value(0), QStringLiteral("Čas vymezený pro test uplynul! - Test byl úspěšně vyřešen!"));
        QCOMPARE(radky.value(1), QStringLiteral(" - Dosáhli jste 61 bodů z 65 možných, minimem pro složení testu bylo 56 bodů"));
        QCOMPARE(radky.value(3), QStringLiteral("Více se dozvíte z protokolu po stisku klávesy OK"));
        QCOMPARE(Text(&okno, "lbCas"), QStringLiteral("Celková doba trvání testu: 30 minut"));
        QCOMPARE(Text(&okno, "lbProtokol"), QStringLiteral("Nebyl vytvořen protokol - chcete-li ho vytvářet, změňte nastavení!"));
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly.DB")));
    }

    void neuspechHnedPoStartu()
    {
        m_nastaveni.ZvolenaSkupina = QStringLiteral("D");
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();
        QVERIFY(Dialogy::Test::Zobrazene().value(0).text.startsWith(QStringLiteral("Test nebyl úspěšně vyřešen!\r\n - Dosáhli jste 0 bodů")));
        QCOMPARE(Text(&okno, "lbCas"), QStringLiteral("Celková doba trvání testu: 0 sekund"));
        QCOMPARE(Text(&okno, "lbOdpovedi"), QStringLiteral("Počet správných/špatných odpovědí: 0/25"));
        QCOMPARE(Text(&okno, "lbUspech"), QStringLiteral("Test nebyl úspěšně složen!"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "lbUspech")->palette().color(QPalette::WindowText), QColor(Qt::red));
        Tabulka t(QStringLiteral("Protokoly"));
        t.Otevrit();
        t.PrejitNa(0);
        QCOMPARE(t.Text(QStringLiteral("Verdikt")), QStringLiteral("Neprošel"));
        QCOMPARE(t.Text(QStringLiteral("DelkaTestu")), QStringLiteral("00:00"));
        QVERIFY(t.Text(QStringLiteral("Odpoved")) == QString(24, u' '));
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
        Pomocnik::Prvek<QPushButton>(&okno, "btnZrusit")->click();
        QVERIFY(okno.isVisible());
        auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Otazka);
        QCOMPARE(zobrazene[0].text, QStringLiteral("Opravdu chcete ukončit tento test?"));
        QVERIFY(Pomocnik::Prvek<QTimer>(&okno, "Timer1")->isActive());
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:55"));
        okno.Timer1Timer();
        QCOMPARE(Text(&okno, "PanelStavu3"), QStringLiteral("Čas do konce: 29:54"));
        Dialogy::Test::Odpovedet(false);
        QTest::keyClick(&okno, Qt::Key_Escape);
        QVERIFY(okno.isVisible());

        Dialogy::Test::Odpovedet(true);
        QVERIFY(okno.close());
        QVERIFY(!okno.isVisible());
        QVERIFY(!Pomocnik::Prvek<QTimer>(&okno, "Timer1")->isActive());
        QVERIFY(!QFile::exists(QStringLiteral("Protokoly.DB")));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 2);
    }

    void protokolNelzeZapsat()
    {
        {
            QFile f(QStringLiteral("Protokoly.DB"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("poskozeno");
        }
        TTestForm okno(m_nastaveni);
        Dialogy::Test::Zobrazene();
        Pomocnik::Prvek<QPushButton>(&okno, "btnVyhodnotit")->click();
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 2);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Informace);
        QCOMPARE(zobrazene[1].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zobrazene[1].text.contains(QStringLiteral("Protokoly")), qPrintable(zobrazene[1].text));
        QVERIFY(Pomocnik::Prvek<QWidget>(&okno, "pVyhodnoceni")->isVisibleTo(&okno));
        QCOMPARE(Text(&okno, "lbProtokol"), QStringLiteral("Protokol z testu se nepodařilo zapsat"));
        QFile f(QStringLiteral("Protokoly.DB"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("poskozeno"));
    }

    void obrazekNelzeNacist()
    {
        QVERIFY(QFile::remove(QStringLiteral("obrazky/722.jpg")));
        TTestForm okno(m_nastaveni);
        QVERIFY(okno.Pripraven());
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 2);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zobrazene[0].text.contains(QStringLiteral("obrazky/722.jpg")), qPrintable(zobrazene[0].text));
        QCOMPARE(zobrazene[1].text, StartovniZprava);
        int bezObrazku = 0;
        for (int p = 23; p <= 25; ++p) {
            auto *img = Pomocnik::Prvek<QLabel>(&okno, qPrintable(QStringLiteral("img%1").arg(p)));
            if (!img->isVisibleTo(img->parentWidget())) {
                ++bezObrazku;
                auto *st = Pomocnik::Prvek<QLabel>(&okno, qPrintable(QStringLiteral("st%1O").arg(p)));
                QCOMPARE(st->width(), 734); // the text takes the room of the missing picture
            }
        }
        QCOMPARE(bezObrazku, 1);
    }

    void skupinaBezTestu()
    {
        m_nastaveni.ZvolenaSkupina = QStringLiteral("X");
        TTestForm okno(m_nastaveni);
        QVERIFY(!okno.Pripraven());
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Chyba);
        QVERIFY(zobrazene[0].text.contains(QStringLiteral("„X“")));
        QVERIFY(!Pomocnik::Prvek<QTimer>(&okno, "Timer1")->isActive());
    }

    // Every position of a test evaluated from the main window goes into the learner's memory, at the
    // moment of the evaluation: right, wrong, or left unanswered. An abandoned test leaves nothing.
    void odpovediDoPameti()
    {
        THlavniFormular hlavni;
        QTimer::singleShot(0, this, [this] {
            if (auto *test = qobject_cast<TTestForm *>(QApplication::activeModalWidget())) {
                OdpovedetSpravne(test, [](int p) { return p != 1; });
                Pole(test, 2, u'B')->click();
                Pomocnik::Prvek<QPushButton>(test, "btnVyhodnotit")->click();
                test->close();
            }
        });
        Pomocnik::Prvek<QAction>(&hlavni, "M1Test")->trigger();
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

        QTimer::singleShot(0, this, [] {
            if (auto *test = qobject_cast<TTestForm *>(QApplication::activeModalWidget())) {
                Dialogy::Test::Odpovedet(true);
                test->close();
            }
        });
        Pomocnik::Prvek<QAction>(&hlavni, "M1Test")->trigger();
        QCOMPARE(Pomocnik::UlozeneOdpovedi().size(), size_t(25));
    }

    // The main window lends the bank to the test window while it is open.
    void zHlavnihoOkna()
    {
        THlavniFormular hlavni;
        QVERIFY(hlavni.Banka().Otevrena());
        bool bankaZavrena = false, otevreno = false;
        QTimer::singleShot(0, this, [&] {
            auto *test = qobject_cast<TTestForm *>(QApplication::activeModalWidget());
            otevreno = test != nullptr;
            bankaZavrena = !hlavni.Banka().Otevrena();
            if (test) {
                Dialogy::Test::Odpovedet(true);
                test->close();
            }
        });
        Pomocnik::Prvek<QAction>(&hlavni, "M1Test")->trigger();
        QVERIFY(otevreno && bankaZavrena);
        QVERIFY(hlavni.Banka().Otevrena());
        QVERIFY(hlavni.findChildren<TTestForm *>().isEmpty());
        QVERIFY(Dialogy::Test::Zobrazene().value(1).druh == Dialogy::Druh::Otazka); // after the start message

        // A bank that cannot be opened again is reported.
        QTimer::singleShot(0, this, [&] {
            if (auto *test = qobject_cast<TTestForm *>(QApplication::activeModalWidget())) {
                QVERIFY(QFile::rename(QStringLiteral("otazky.DB"), QStringLiteral("jinam.DB")));
                Dialogy::Test::Odpovedet(true);
                test->close();
            }
        });
        Pomocnik::Prvek<QAction>(&hlavni, "M1Test")->trigger();
        QCOMPARE(Dialogy::Test::Zobrazene().value(2).druh, Dialogy::Druh::Chyba);
        QVERIFY(!hlavni.Banka().Otevrena());
        QVERIFY(QFile::rename(QStringLiteral("jinam.DB"), QStringLiteral("otazky.DB")));

        // A group without a test: the error, no window, the bank back.
        hlavni.Stav().ZvolenaSkupina = QStringLiteral("Q");
        hlavni.Banka().Otevrit();
        Dialogy::Test::Zobrazene();
        Pomocnik::Prvek<QAction>(&hlavni, "M1Test")->trigger();
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Chyba);
        QVERIFY(hlavni.Banka().Otevrena());
    }
};

QTEST_MAIN(TestTestNaBody)
#include "tst_testnabody.moc"
