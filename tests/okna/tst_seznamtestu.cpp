// The list of points-test protocols and the protocol window: which records are listed and
// deleted, the protocol text, printing it and saving it as a text file.
#include "popisky.h"
#include "zaznamy.h"

#include "test/protokoltext.h"
#include "test/testdetail.h"
#include "test/testtab.h"
#include "test/tokeny.h"

#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

using Dialogy::Druh;
using Pomocnik::Prvek;

class TestSeznamTestu : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    // A test of the profile with the points given: 12 answered wrongly, 25 not at all.
    static ZaznamProtokolu Protokol(const QString &profil, int body)
    {
        ZaznamProtokolu p = Pomocnik::Protokol(profil);
        p.PocetBodu = body;
        QStringList odpoved(25, QStringLiteral("A")), cisla;
        for (int i = 1; i <= 25; ++i)
            cisla << QString::number(i * 30);
        p.SpravnaOdpoved = Tokeny::Spojit(odpoved);
        odpoved[11] = QStringLiteral("BC");
        odpoved[24] = QString();
        p.Odpoved = Tokeny::Spojit(odpoved);
        p.SkutCis = Tokeny::Spojit(cisla);
        p.Spravne = 23;
        return p;
    }

    static QStringList ProfilyVTabulce() { return Pomocnik::ProfilyTabulky(QStringLiteral("Protokoly")); }

    // Which of the list's action buttons are enabled.
    static QString Tlacitka(QWidget *okno) { return Pomocnik::Povolene(okno, "btnDetail btnVymaz btnVymazVse"); }

    static QPlainTextEdit *Text(QWidget *okno) { return Prvek<QPlainTextEdit>(okno, "mProtokol"); }

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
        Prvek<QAction>(&okno, "M1VysledekTestu")->trigger();
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Dosud nebyly vytvořeny žádné protokoly z testu!"));

        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50)});
        const auto otevrit = [&okno] { Pomocnik::Akce(&okno, "M1VysledekTestu")->trigger(); };
        QVERIFY(Pomocnik::Otevrit<TSeznamTestu>(otevrit, [](TSeznamTestu *seznam) {
            QCOMPARE(seznam->windowTitle(), QStringLiteral("Seznam testů,   Uživatel: Default"));
            Prvek<QPushButton>(seznam, "btnOK")->click();
        }));
        QVERIFY(!okno.findChild<TSeznamTestu *>());
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());

        // A memo file that is not one of ours: the store's message, no window.
        QVERIFY(Pomocnik::Zapsat(QStringLiteral("Protokoly.MB"), "to neni tabulka"));
        QVERIFY(!Pomocnik::Otevrit<TSeznamTestu>(otevrit));
        QCOMPARE(Pomocnik::KromeJedneZpravy(Druh::Chyba, QStringLiteral("Tabulka Protokoly")), QString());
    }

    void jenAktivniProfil()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("O'Brien"), 50), Protokol(QStringLiteral("Default"), 51),
                                   Protokol(QStringLiteral("O'Brien"), 52), Protokol(QStringLiteral("o'brien"), 53)});
        const QString s = QStringLiteral("O'Brien");
        TSeznamTestu seznam(s);
        QCOMPARE(seznam.windowTitle(), QStringLiteral("Seznam testů,   Uživatel: O'Brien"));
        QTableView *grid = Prvek<QTableView>(&seznam, "DBGrid1");
        QCOMPARE(Pomocnik::Sloupec(&seznam, 2), (QStringList{QStringLiteral("50"), QStringLiteral("52")}));
        QStringList sloupce;
        for (int i = 0; i < grid->model()->columnCount(); ++i)
            sloupce << grid->model()->headerData(i, Qt::Horizontal).toString() + QStringLiteral(": ")
                           + grid->model()->index(0, i).data().toString();
        QCOMPARE(sloupce, (QStringList{QStringLiteral("Datum a čas: 14.3.2026 10:05:07"), QStringLiteral("Skupina: B"),
                                       QStringLiteral("Počet bodů: 50"), QStringLiteral("Verdikt: Prošel")}));
        QCOMPARE(grid->currentIndex().row(), 0);
        QCOMPARE(Tlacitka(&seznam), QStringLiteral("111"));
        const QString jiny = QStringLiteral("Jiný");
        QCOMPARE(Tlacitka(std::make_unique<TSeznamTestu>(jiny).get()), QStringLiteral("000"));
    }

    void mazani()
    {
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 50), Protokol(QStringLiteral("Škola"), 51),
                                   Protokol(QStringLiteral("Default"), 52), Protokol(QStringLiteral("Default"), 53)});
        const QString s = QStringLiteral("Default"), skola = QStringLiteral("Škola");
        TSeznamTestu seznam(s);
        QTableView *grid = Prvek<QTableView>(&seznam, "DBGrid1");
        grid->setCurrentIndex(grid->model()->index(1, 0));
        Prvek<QPushButton>(&seznam, "btnVymaz")->click();
        QCOMPARE(Pomocnik::Sloupec(&seznam, 2), (QStringList{QStringLiteral("50"), QStringLiteral("53")}));
        QCOMPARE(grid->currentIndex().row(), 1); // the next record is current
        Dialogy::Test::Odpovedet(false);
        Prvek<QPushButton>(&seznam, "btnVymazVse")->click();
        QCOMPARE(Pomocnik::Sloupec(&seznam, 2).size(), 2);
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Otázka: Opravdu chcete smazat všechny záznamy?")});
        Prvek<QPushButton>(&seznam, "btnVymaz")->click();
        QCOMPARE(Tlacitka(&seznam), QStringLiteral("111"));
        Prvek<QPushButton>(&seznam, "btnVymaz")->click(); // the last record: nothing left to act on
        QCOMPARE(Pomocnik::Sloupec(&seznam, 2), QStringList());
        QCOMPARE(Tlacitka(&seznam), QStringLiteral("000"));
        QCOMPARE(ProfilyVTabulce(), QStringList{QStringLiteral("Škola")});
        Dialogy::Test::Odpovedet(true);
        TSeznamTestu seznamSkoly(skola);
        Prvek<QPushButton>(&seznamSkoly, "btnVymazVse")->click();
        QCOMPARE(Pomocnik::Sloupec(&seznamSkoly, 2), QStringList());
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Protokoly")) || ProfilyVTabulce().isEmpty());
    }

    void oknoProtokolu()
    {
        ZaznamProtokolu p = Protokol(QStringLiteral("Šárka"), 57);
        p.Skupina = QStringLiteral("C");
        Pomocnik::ZapsatProtokoly({Protokol(QStringLiteral("Default"), 40), p});
        const QString s = QStringLiteral("Šárka");
        TSeznamTestu seznam(s);
        QVERIFY(Pomocnik::Otevrit<TTestDetailForm>([&seznam] { Prvek<QPushButton>(&seznam, "btnDetail")->click(); },
                                                   [&p](TTestDetailForm *okno) {
            QCOMPARE(okno->windowTitle(), QStringLiteral("Test z 14.3.2026 10:05:07; Uživatel: Šárka"));
            QCOMPARE(Text(okno)->toPlainText(), ProtokolText::Radky(p).join(u'\n'));
            QCOMPARE(Text(okno)->toPlainText().section(u'\n', 22, 22), QStringLiteral("   x  12       360         BC        A        0"));
            QCOMPARE(Text(okno)->textCursor().position(), 0);
            QVERIFY(Text(okno)->isReadOnly() && QFontInfo(Text(okno)->font()).fixedPitch());
            Prvek<QPushButton>(okno, "btnOK")->click();
        }));
    }

    // Saved as a text file: ".txt" added once; cancelled, nothing written; into a directory that does
    // not exist or over a directory, an error box and nothing left behind.
    void ulozeni()
    {
        ZaznamProtokolu p = Protokol(QStringLiteral("Šárka"), 57);
        p.Verdikt = QStringLiteral("Neprošel");
        TTestDetailForm okno(p);
        const QString cesta = m_dir->Soubor(QStringLiteral("protokol"));
        for (const QString &zvolene : {cesta, cesta + QStringLiteral(".txt")}) {
            QFile::remove(cesta + QStringLiteral(".txt"));
            Dialogy::Test::Odpovedet(zvolene);
            Prvek<QPushButton>(&okno, "btnUloz")->click();
            QCOMPARE(Pomocnik::Obsah(cesta + QStringLiteral(".txt")), ProtokolText::ObsahSouboru(ProtokolText::Radky(p)));
            QVERIFY(!QFile::exists(cesta + QStringLiteral(".txt.txt")) && !QFile::exists(cesta));
        }
        QVERIFY(QFile::remove(cesta + QStringLiteral(".txt")));
        Dialogy::Test::Odpovedet(QVariant());
        Prvek<QPushButton>(&okno, "btnUloz")->click();
        QCOMPARE(Pomocnik::Zpravy(), QStringList(3, QStringLiteral("Uložit: ")));

        QVERIFY(QDir(m_dir->Cesta()).mkdir(QStringLiteral("slozka.txt")));
        for (const char *kam : {"neni/protokol", "slozka"}) {
            Dialogy::Test::Odpovedet(m_dir->Soubor(QString::fromLatin1(kam)));
            Prvek<QPushButton>(&okno, "btnUloz")->click();
            const QStringList zpravy = Pomocnik::Zpravy();
            QVERIFY2(zpravy.size() == 2 && zpravy[1].startsWith(QStringLiteral("Chyba: Protokol nelze uložit do souboru")),
                     qPrintable(zpravy.join(u'\n')));
        }
        QCOMPARE(Pomocnik::Soubory(m_dir->Cesta()), QStringList());
    }

    void tisk()
    {
        TTestDetailForm okno(Pomocnik::Protokol());
        // Cancelled: nothing printed.
        Dialogy::Test::Odpovedet(false);
        Prvek<QPushButton>(&okno, "btnTisk")->click();
        const QString pdf = m_dir->Soubor(QStringLiteral("tisk.pdf"));
        QVERIFY(!QFile::exists(pdf));
        Dialogy::Test::Odpovedet(pdf);
        Prvek<QPushButton>(&okno, "btnTisk")->click();
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 2);
        QCOMPARE(z[1].druh, Druh::Tisk);
        // The dialog proposes the whole caption as the file's name.
        QCOMPARE(z[1].text, QStringLiteral("Test z 14.3.2026 10_05_07; Uživatel_ Default"));
        const QByteArray obsah = Pomocnik::Obsah(pdf);
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
