// The printable protocol of a points test: its columns, marks and totals, and the saved file.
#include "test/protokoltext.h"
#include "test/tokeny.h"

#include <QTest>

class TestProtokolText : public QObject {
    Q_OBJECT

    // A test with every position answered rightly except position 7 (unanswered) and 12 (wrong).
    static ZaznamProtokolu Vzor()
    {
        QStringList odpoved, spravna, cisla;
        for (int p = 1; p <= 25; ++p) {
            spravna << (p % 2 ? QStringLiteral("AB") : QStringLiteral("C"));
            odpoved << spravna.last();
            cisla << QString::number(p * 29);
        }
        odpoved[6] = QString();
        odpoved[11] = QStringLiteral("D");
        return {QStringLiteral("Šárka"), QDateTime(QDate(2026, 3, 14), QTime(10, 5, 7)), QStringLiteral("C"),
                QStringLiteral("12:05"), 23, 60, 43, QStringLiteral("Prošel"),
                QStringLiteral("3 3 3 3 3 3 3 3 3 3 2 2 2 2 1 1 2 2 2 2 2 3 4 4 4"), Tokeny::Spojit(odpoved),
                Tokeny::Spojit(spravna), Tokeny::Spojit(cisla)};
    }

private slots:
    // Lines of questions and the total in their columns; a token longer than its column is not cut,
    // and the points still take the place of the closing "0".
    void radkyJakoVzor()
    {
        QCOMPARE(ProtokolText::RadekOtazky(1, QStringLiteral("57"), QStringLiteral("AB"), QStringLiteral("AB"), QStringLiteral("3")),
                 QStringLiteral("       1        57         AB       AB        3"));
        QCOMPARE(ProtokolText::RadekOtazky(12, QStringLiteral("130"), QStringLiteral("A"), QStringLiteral("BC"), QStringLiteral("2")),
                 QStringLiteral("   x  12       130          A       BC        0"));
        QCOMPARE(ProtokolText::RadekOtazky(25, QStringLiteral("740"), QString(), QStringLiteral("D"), QStringLiteral("4")),
                 QStringLiteral("   x  25       740                   D        0"));
        QCOMPARE(ProtokolText::RadekCelkem(21, 57), QStringLiteral("           Celkem :        21                57"));
        QCOMPARE(ProtokolText::RadekOtazky(3, QStringLiteral("12345678901"), QStringLiteral("ABCD"), QStringLiteral("ABCD"),
                                           QStringLiteral("3")),
                 QStringLiteral("       312345678901       ABCD     ABCD        3"));
    }

    void celyProtokol()
    {
        const QStringList r = ProtokolText::Radky(Vzor());
        QCOMPARE(r.size(), 40);
        const QString cara = QStringLiteral("  ---------------------------------------------");
        const QStringList hlavicka{
            QStringLiteral(" Uživatel : Šárka"),
            QString(),
            QStringLiteral("  Skupina : C"),
            QStringLiteral("  Maximální dosažitelný počet bodů: : 65"),
            QStringLiteral("  Minimální potřeba počtu bodů : 43"),
            QStringLiteral("  Datum a čas testu : 14.3.2026 10:05:07"),
            QStringLiteral("  Délka testu : 12:05"),
            QString(),
            QStringLiteral("  Otázka  Skutečné    Odpověď  Správná  Získané"),
            QStringLiteral("   číslo     číslo  uživatele  odpověď     body"),
            cara};
        QCOMPARE(r.mid(0, 11), hlavicka);
        QCOMPARE(r.mid(36), (QStringList{cara, QStringLiteral("     Prošel"), cara,
                                         QStringLiteral("           Celkem :        23                60")}));
        for (int i = 8; i <= 35; ++i)
            QCOMPARE(r[i].size(), ProtokolText::SirkaRadku);

        QCOMPARE(r[11], QStringLiteral("       1        29         AB       AB        3"));
        QCOMPARE(r[17], QStringLiteral("   x   7       203                  AB        0")); // unanswered
        QCOMPARE(r[22], QStringLiteral("   x  12       348          D        C        0")); // wrong
        QCOMPARE(r[35], QStringLiteral("      25       725         AB       AB        4"));
        // The marks and the points of the positions: two mistakes and 60 points here, none and 65
        // with every answer right.
        const auto soucty = [](const QStringList &radky) {
            int body = 0, chyby = 0;
            for (int i = 11; i <= 35; ++i) {
                body += radky[i].right(1).toInt();
                chyby += radky[i].contains(u'x');
            }
            return std::make_pair(chyby, body);
        };
        QCOMPARE(soucty(r), std::make_pair(2, 60));
        ZaznamProtokolu vse = Vzor();
        vse.Odpoved = vse.SpravnaOdpoved;
        QCOMPARE(soucty(ProtokolText::Radky(vse)), std::make_pair(0, 65));
    }

    void titulekAJmenaSouboru()
    {
        using P = std::pair<const char *, const char *>;
        for (const auto &[zvoleno, soubor] : {P{"/tmp/protokol", "/tmp/protokol.txt"}, P{"/tmp/protokol.txt", "/tmp/protokol.txt"},
                                              P{"/tmp/PROTOKOL.TxT", "/tmp/PROTOKOL.TxT"}, P{"/tmp/a.txt.bak", "/tmp/a.txt.bak.txt"},
                                              P{"/tmp/txt", "/tmp/txt.txt"}})
            QCOMPARE(ProtokolText::JmenoSouboru(QString::fromLatin1(zvoleno)), QString::fromLatin1(soubor));
        QCOMPARE(ProtokolText::Titulek(Vzor()), QStringLiteral("Test z 14.3.2026 10:05:07; Uživatel: Šárka"));
        // The print's name is the whole caption, dots and all; what a file name cannot hold becomes "_".
        QCOMPARE(ProtokolText::JmenoTisku(ProtokolText::Titulek(Vzor())),
                 QStringLiteral("Test z 14.3.2026 10_05_07; Uživatel_ Šárka"));
        QCOMPARE(ProtokolText::JmenoTisku(QStringLiteral("a/b\\c<d>e\"f|g?h*i\tj\x7fk")), QStringLiteral("a_b_c_d_e_f_g_h_i_j_k"));
    }

    void souborVeWindows1250SCrLf()
    {
        const QByteArray b = ProtokolText::ObsahSouboru({QStringLiteral("Úspěšnost Šárka"), QString(), QStringLiteral("x")});
        QCOMPARE(b, QByteArray("\xdasp\xec\x9anost \x8a\xe1rka\r\n\r\nx\r\n"));
        // A character the code page lacks becomes "?", a surrogate pair one "?" too.
        QCOMPARE(ProtokolText::ObsahSouboru({QStringLiteral("a漢b😀c")}), QByteArray("a?b?c\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestProtokolText)
#include "tst_protokoltext.moc"
