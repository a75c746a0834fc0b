// The list of points-test protocols and the protocol window: which records are listed and
// deleted, the protocol text, printing it and saving it as a text file.
#include "pomocnik.h"
#include "zaznamy.h"

#include "test/protokoltext.h"
#include "test/testdetail.h"
#include "test/testtab.h"
#include "test/tokeny.h"

#include <QAction>
#include <QFontInfo>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using Dialogy::Druh;

class TestSeznamTestu : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    // A test of the profile with the points given: 12 answered wrongly, 25 not at all.
    static ZaznamProtokolu Protokol(const QString &profil, int body)
    {
        ZaznamProtokolu p = Pomocnik::Protokol(profil);
        p.PocetBodu = body;
        QStringList odpoved, spravna, cisla;
        for (int i = 1; i <= 25; ++i) {
            spravna << QStringLiteral("A");
            odpoved << QStringLiteral("A");
            cisla << QString::number(i * 30);
        }
        odpoved[11] = QStringLiteral("BC");
        odpoved[24] = QString();
        p.Odpoved = Tokeny::Spojit(odpoved);
        p.SpravnaOdpoved = Tokeny::Spojit(spravna);
        p.SkutCis = Tokeny::Spojit(cisla);
        p.Spravne = 23;
        return p;
    }

    static QStringList Body(QTableView *grid)
    {
        QStringList b;
        for (int r = 0; r < grid->model()->rowCount(); ++r)
            b << grid->model()->index(r, 2).data().toString();
        return b;
    }

    static QStringList ProfilyVTabulce()
    {
        Tabulka t(QStringLiteral("Protokoly"));
        t.Otevrit();
        return Pomocnik::HodnotyPole(t, QStringLiteral("Profil"));
    }

    static QList<bool> Tlacitka(QWidget *okno)
    {
        return {Pomocnik::Prvek<QPushButton>(okno, "btnDetail")->isEnabled(),
                Pomocnik::Prvek<QPushButton>(okno, "btnVymaz")->isEnabled(),
                Pomocnik::Prvek<QPushButton>(okno, "btnVymazVse")->isEnabled()};
    }
    inline static const QList<bool> Povoleno{true, true, true}, Zakazano{false, false, false};

    static StavProgramu Profil(const QString &jmeno)
    {
        StavProgramu s;
        s.AktivniProfil = jmeno;
        return s;
    }

    static QPlainTextEdit *Text(QWidget *okno) { return Pomocnik::Prvek<QPlainTextEdit>(okno, "mProtokol"); }

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
    }

    void menu()
    {
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
        THlavniFormular okno;
        Pomocnik::Prvek<QAction>(&okno, "M1VysledekTestu")->trigger();
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));

        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50)});
        QString titulek;
        QTimer::singleShot(0, this, [&] {
            auto *seznam = okno.findChild<TSeznamTestu *>();
            if (!seznam)
                return;
            titulek = seznam->windowTitle();
            Pomocnik::Prvek<QPushButton>(seznam, "btnOK")->click();
        });
        Pomocnik::Prvek<QAction>(&okno, "M1VysledekTestu")->trigger();
        QCOMPARE(titulek, QStringLiteral("Seznam testů,   Uživatel: Default"));
        QVERIFY(!okno.findChild<TSeznamTestu *>());
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());

        // A memo file that is not one of ours: the store's message, no window.
        {
            QFile f(QStringLiteral("Protokoly.MB"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("to neni tabulka");
        }
        Pomocnik::Prvek<QAction>(&okno, "M1VysledekTestu")->trigger();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 1);
        QCOMPARE(z[0].druh, Druh::Chyba);
        QVERIFY(z[0].text.startsWith(QStringLiteral("Tabulka Protokoly")));
    }

    void jenAktivniProfil()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("O'Brien"), 50), Protokol(QStringLiteral("Default"), 51),
                                   Protokol(QStringLiteral("O'Brien"), 52), Protokol(QStringLiteral("o'brien"), 53)});
        const StavProgramu s = Profil(QStringLiteral("O'Brien"));
        TSeznamTestu seznam(s);
        QCOMPARE(seznam.windowTitle(), QStringLiteral("Seznam testů,   Uživatel: O'Brien"));
        QTableView *grid = Pomocnik::Prvek<QTableView>(&seznam, "DBGrid1");
        QCOMPARE(Body(grid), (QStringList{QStringLiteral("50"), QStringLiteral("52")}));
        const QStringList nadpisy{QStringLiteral("Datum a čas"), QStringLiteral("Skupina"), QStringLiteral("Počet bodů"),
                                  QStringLiteral("Verdikt")};
        const QList<int> sirky{118, 80, 90, 80};
        QCOMPARE(grid->model()->columnCount(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(grid->model()->headerData(i, Qt::Horizontal).toString(), nadpisy[i]);
            QCOMPARE(grid->columnWidth(i), sirky[i]);
        }
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("14.3.2026 10:05:07"));
        QCOMPARE(grid->model()->index(0, 3).data().toString(), QStringLiteral("Prošel"));
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(Tlacitka(&seznam), Povoleno);
        const QStringList ocekavane{QStringLiteral("btnOK"), QStringLiteral("btnDetail"), QStringLiteral("btnVymaz"),
                                    QStringLiteral("btnVymazVse"), QStringLiteral("DBGrid1")};
        QStringList poradi;
        for (QWidget *w : seznam.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (ocekavane.contains(w->objectName()))
                poradi << w->objectName();
        QCOMPARE(poradi, ocekavane);
    }

    void prazdnySeznam()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50)});
        const StavProgramu s = Profil(QStringLiteral("Jiný"));
        TSeznamTestu seznam(s);
        QCOMPARE(Tlacitka(&seznam), Zakazano);
    }

    void mazani()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50), Protokol(QStringLiteral("Škola"), 51),
                                   Protokol(QStringLiteral("Default"), 52), Protokol(QStringLiteral("Default"), 53)});
        const StavProgramu s = Profil(QStringLiteral("Default"));
        TSeznamTestu seznam(s);
        QTableView *grid = Pomocnik::Prvek<QTableView>(&seznam, "DBGrid1");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymaz")->click();
        QCOMPARE(Body(grid), (QStringList{QStringLiteral("50"), QStringLiteral("53")}));
        QCOMPARE(grid->currentIndex().row(), 1); // the next record is current
        Dialogy::Test::Odpovedet(false);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazVse")->click();
        QCOMPARE(Body(grid).size(), 2);
        Dialogy::Test::Odpovedet(true);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymazVse")->click();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].druh, Druh::Otazka);
        QCOMPARE(z[1].text, QStringLiteral("Opravdu chcete smazat všechny záznamy?"));
        QCOMPARE(Body(grid), QStringList());
        QCOMPARE(Tlacitka(&seznam), Zakazano);
        QCOMPARE(ProfilyVTabulce(), QStringList{QStringLiteral("Škola")});
    }

    void posledniZaznamVypneTlacitka()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50), Protokol(QStringLiteral("Škola"), 51)});
        const StavProgramu s = Profil(QStringLiteral("Default"));
        TSeznamTestu seznam(s);
        Pomocnik::Prvek<QPushButton>(&seznam, "btnVymaz")->click();
        QCOMPARE(Tlacitka(&seznam), Zakazano);
        QCOMPARE(ProfilyVTabulce(), QStringList{QStringLiteral("Škola")});
    }

    void oknoProtokolu()
    {
        ZaznamProtokolu p = Protokol(QStringLiteral("Šárka"), 57);
        p.Skupina = QStringLiteral("C");
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 40), p});
        const StavProgramu s = Profil(QStringLiteral("Šárka"));
        TSeznamTestu seznam(s);
        QString titulek, text;
        int kurzor = -1;
        bool jenCteni = false, pevnaSirka = false;
        QTimer::singleShot(0, this, [&] {
            auto *okno = seznam.findChild<TTestDetailForm *>();
            if (!okno)
                return;
            titulek = okno->windowTitle();
            text = Text(okno)->toPlainText();
            kurzor = Text(okno)->textCursor().position();
            jenCteni = Text(okno)->isReadOnly();
            pevnaSirka = QFontInfo(Text(okno)->font()).fixedPitch();
            Pomocnik::Prvek<QPushButton>(okno, "btnOK")->click();
        });
        Pomocnik::Prvek<QPushButton>(&seznam, "btnDetail")->click();
        QCOMPARE(titulek, QStringLiteral("Test z 14.3.2026 10:05:07; Uživatel: Šárka"));
        const QStringList radky = text.split(u'\n');
        QCOMPARE(radky.size(), 40);
        QCOMPARE(radky[0], QStringLiteral(" Uživatel : Šárka"));
        QCOMPARE(radky[2], QStringLiteral("  Skupina : C"));
        QCOMPARE(radky[4], QStringLiteral("  Minimální potřeba počtu bodů : 43"));
        QCOMPARE(radky[5], QStringLiteral("  Datum a čas testu : 14.3.2026 10:05:07"));
        QCOMPARE(radky[6], QStringLiteral("  Délka testu : 12:05"));
        QCOMPARE(radky[11], QStringLiteral("       1        30          A        A        3"));
        QCOMPARE(radky[22], QStringLiteral("   x  12       360         BC        A        0"));
        QCOMPARE(radky[35], QStringLiteral("   x  25       750                   A        0"));
        QCOMPARE(radky[37], QStringLiteral("     Prošel"));
        QCOMPARE(radky[39], QStringLiteral("           Celkem :        23                57"));
        QCOMPARE(kurzor, 0);
        QVERIFY(jenCteni);
        QVERIFY(pevnaSirka);
    }

    void ulozeni()
    {
        ZaznamProtokolu p = Protokol(QStringLiteral("Šárka"), 57);
        p.Verdikt = QStringLiteral("Neprošel");
        TTestDetailForm okno(p);
        const QByteArray ocekavane = ProtokolText::ObsahSouboru(ProtokolText::Radky(p));
        QVERIFY(ocekavane.startsWith(" U\x9eivatel : \x8a\xe1rka\r\n\r\n  Skupina"));
        QCOMPARE(ocekavane.count("\r\n"), 40);
        QVERIFY(!ocekavane.contains("\n\n"));

        const QString cesta = m_dir->Soubor(QStringLiteral("protokol"));
        for (const QString &zvolene : {cesta, cesta + QStringLiteral(".txt")}) {
            QFile::remove(cesta + QStringLiteral(".txt"));
            Dialogy::Test::Odpovedet(zvolene);
            Pomocnik::Prvek<QPushButton>(&okno, "btnUloz")->click();
            QFile f(cesta + QStringLiteral(".txt"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), ocekavane);
            QVERIFY(!QFile::exists(cesta + QStringLiteral(".txt.txt")));
            QVERIFY(!QFile::exists(cesta));
        }
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[0].druh, Druh::UlozitSoubor);

        // Cancelled: nothing written.
        QFile::remove(cesta + QStringLiteral(".txt"));
        Dialogy::Test::Odpovedet(QVariant());
        Pomocnik::Prvek<QPushButton>(&okno, "btnUloz")->click();
        QVERIFY(!QFile::exists(cesta + QStringLiteral(".txt")));
        QCOMPARE(Dialogy::Test::Zobrazene().size(), 1);
    }

    void nepovedeneUlozeni()
    {
        TTestDetailForm okno(ZaznamProtokolu{});
        // A directory that does not exist.
        Dialogy::Test::Odpovedet(m_dir->Soubor(QStringLiteral("neni/protokol")));
        Pomocnik::Prvek<QPushButton>(&okno, "btnUloz")->click();
        QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].druh, Druh::Chyba);
        QVERIFY(z[1].text.startsWith(QStringLiteral("Protokol nelze uložit do souboru")));

        // A directory in the way of the file: an error box, and nothing else is left behind.
        QVERIFY(QDir(m_dir->Cesta()).mkdir(QStringLiteral("slozka.txt")));
        Dialogy::Test::Odpovedet(m_dir->Soubor(QStringLiteral("slozka")));
        Pomocnik::Prvek<QPushButton>(&okno, "btnUloz")->click();
        z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].druh, Druh::Chyba);
        QCOMPARE(QDir(m_dir->Cesta()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void tisk()
    {
        TTestDetailForm okno(Pomocnik::Protokol());
        // Cancelled: nothing printed.
        Dialogy::Test::Odpovedet(false);
        Pomocnik::Prvek<QPushButton>(&okno, "btnTisk")->click();
        const QString pdf = m_dir->Soubor(QStringLiteral("tisk.pdf"));
        QVERIFY(!QFile::exists(pdf));
        Dialogy::Test::Odpovedet(pdf);
        Pomocnik::Prvek<QPushButton>(&okno, "btnTisk")->click();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].druh, Druh::Tisk);
        // The dialog proposes the whole caption as the file's name.
        QCOMPARE(z[1].text, QStringLiteral("Test z 14.3.2026 10_05_07; Uživatel_ Default"));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray obsah = f.readAll();
        QVERIFY(obsah.startsWith("%PDF"));
        // The document is titled with the window's caption.
        const QString titulek = QStringLiteral("Test z 14.3.2026 10:05:07; Uživatel: Default");
        QByteArray utf16("\xfe\xff");
        for (QChar c : titulek)
            utf16 += char(c.unicode() >> 8), utf16 += char(c.unicode() & 0xff);
        QVERIFY(obsah.contains(utf16) || obsah.contains(utf16.toHex()) || obsah.contains(utf16.toHex().toUpper()));
        // The fixed-pitch font the columns need is embedded.
        QVERIFY(obsah.contains("LiberationMono"));
    }
};

QTEST_MAIN(TestSeznamTestu)
#include "tst_seznamtestu.moc"
