// The INI document of config.ini: what it reads, what it writes back, names without regard to
// letter case, Windows-1250 both ways, and text it refuses to write.
#include "data/ini.h"

#include <QTest>

class TestIni : public QObject {
    Q_OBJECT

private slots:
    void prepisOdstraniSumANormalizujeRadky()
    {
        // LF and lone CR line ends, a preamble, comments, blank lines, tabs, a repeated section and a
        // line without "=": the output is clean CR LF with every section closed by an empty line.
        const QByteArray vstup = "uvod=pred prvni sekci\n"
                                 "; komentar\n"
                                 "  [ Prvni ]  \n"
                                 "\n"
                                 "\t klic \t=\t hodnota s mezerou \t\r\n"
                                 "  ;odsazeny komentar\r"
                                 "bez rovnitka\n"
                                 "prazdny=\n"
                                 "[Druha]\n"
                                 "a = b = c\n"
                                 "[prvni]\n"
                                 "pozdni=1\n"
                                 "[Prazdna]";
        const QByteArray ocekavano = "[Prvni]\r\nklic=hodnota s mezerou\r\nbez rovnitka\r\nprazdny=\r\npozdni=1\r\n\r\n"
                                     "[Druha]\r\na=b = c\r\n\r\n"
                                     "[Prazdna]\r\n\r\n";
        const IniDokument ini = IniDokument::Nacist(vstup);
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>(ocekavano));
        QCOMPARE(ini.ReadString(QStringLiteral("Druha"), QStringLiteral("a"), QString()), QStringLiteral("b = c"));
        // A line without "=" is carried over but is no key.
        QCOMPARE(ini.ReadString(QStringLiteral("Prvni"), QStringLiteral("bez rovnitka"), QStringLiteral("x")),
                 QStringLiteral("x"));
        QCOMPARE(ini.ReadString(QStringLiteral("Prvni"), QStringLiteral("prazdny"), QStringLiteral("x")), QString());

        QCOMPARE(IniDokument().Zapsat(), std::optional<QByteArray>(QByteArray()));
    }

    void nazvyBezOhleduNaVelikostAPoradi()
    {
        IniDokument ini = IniDokument::Nacist("[Okno]\r\nSirka=10\r\nVyska=20\r\n[Dalsi]\r\nx=1\r\nx=2\r\n");
        QCOMPARE(ini.ReadInteger(QStringLiteral("OKNO"), QStringLiteral("sIRKA"), 0), 10);
        // The first of two equal keys is the one read and written.
        QCOMPARE(ini.ReadInteger(QStringLiteral("dalsi"), QStringLiteral("X"), 0), 1);

        // Existing keys keep their place and spelling; new keys and sections are appended.
        ini.WriteString(QStringLiteral("okno"), QStringLiteral("SIRKA"), QStringLiteral("11"));
        ini.WriteString(QStringLiteral("OKNO"), QStringLiteral("Hloubka"), QStringLiteral("3"));
        ini.WriteInteger(QStringLiteral("Nova"), QStringLiteral("n"), -7);
        ini.WriteString(QStringLiteral("DALSI"), QStringLiteral("x"), QStringLiteral("9"));
        const QByteArray ocekavano = "[Okno]\r\nSirka=11\r\nVyska=20\r\nHloubka=3\r\n\r\n"
                                     "[Dalsi]\r\nx=9\r\nx=2\r\n\r\n"
                                     "[Nova]\r\nn=-7\r\n\r\n";
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>(ocekavano));
    }

    // Decimal with a sign, or hexadecimal after "0x", within an int; anything else counts as missing.
    void ReadInteger()
    {
        const auto cteni = [](const QByteArray &hodnota) {
            return IniDokument::Nacist("[S]\r\nk= " + hodnota + " \r\n").ReadInteger(QStringLiteral("S"), QStringLiteral("k"), -999);
        };
        for (const auto &[hodnota, cislo] : std::initializer_list<std::pair<const char *, int>>{
                 {"0", 0}, {"42", 42}, {"-3", -3}, {"+5", 5}, {"0x1F", 31}, {"0Xff", 255}, {"0x0", 0},
                 {"2147483647", 2147483647}, {"-2147483648", int(-2147483647 - 1)}})
            QCOMPARE(cteni(hodnota), cislo);
        for (const char *hodnota : {"2147483648", "99999999999999999999999", "", "ano", "1.0", "12abc", "0x", "1F", "0x0x1", "1 2", "-"})
            QVERIFY2(cteni(hodnota) == -999, hodnota);
    }

    void ReadStringVychoziADelka()
    {
        const QByteArray dlouha(3000, 'a');
        const IniDokument ini = IniDokument::Nacist("[S]\r\ndlouha=" + dlouha + "\r\n");
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("dlouha"), QString()),
                 QString(IniDokument::MaxDelkaTextu, u'a'));
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("jina"), QStringLiteral("v")), QStringLiteral("v"));
        QCOMPARE(ini.ReadString(QStringLiteral("T"), QStringLiteral("dlouha"), QStringLiteral("v")), QStringLiteral("v"));
        // Only reading is cut; the stored value is written back whole.
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>("[S]\r\ndlouha=" + dlouha + "\r\n\r\n"));
    }

    void EraseSection()
    {
        IniDokument ini = IniDokument::Nacist("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[C]\r\nz=3\r\n");
        ini.EraseSection(QStringLiteral("b"));
        QCOMPARE(ini.ReadString(QStringLiteral("B"), QStringLiteral("y"), QStringLiteral("pryc")), QStringLiteral("pryc"));
        // Written again, the section comes back empty and last.
        ini.WriteString(QStringLiteral("B"), QStringLiteral("w"), QStringLiteral("4"));
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>("[A]\r\nx=1\r\n\r\n[C]\r\nz=3\r\n\r\n[B]\r\nw=4\r\n\r\n"));
        ini.EraseSection(QStringLiteral("neni"));
        ini.EraseSection(QStringLiteral("A"));
        ini.EraseSection(QStringLiteral("C"));
        ini.EraseSection(QStringLiteral("B"));
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>(QByteArray()));
    }

    void windows1250TamAZpet()
    {
        // Every byte above 0x7F, including those Windows-1250 leaves undefined, survives a load and
        // a save unchanged.
        QByteArray horni;
        for (int b = 0x80; b <= 0xFF; ++b)
            horni.append(char(b));
        const QByteArray soubor = "[S]\r\nk=" + horni + "\r\njmeno=\x8a\xe1rka \x8elu\x9dou\xe8k\xe1\r\n\r\n";
        IniDokument ini = IniDokument::Nacist(soubor);
        QCOMPARE(ini.ReadString(QStringLiteral("S"), QStringLiteral("jmeno"), QString()),
                 QStringLiteral("Šárka Žluťoučká"));
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>(soubor));

        ini.WriteString(QStringLiteral("S"), QStringLiteral("jmeno"), QStringLiteral("Řehoř € ß"));
        QVERIFY(ini.Zapsat()->contains("jmeno=\xd8" "eho\xf8 \x80 \xdf\r\n"));
    }

    void nezapsatelnyText()
    {
        // The document refuses to be written rather than put a substitute character on disk.
        IniDokument ini;
        ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("日本"));
        QVERIFY(!ini.Zapsat());
        ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("a\r\n[Vlozena]"));
        QVERIFY(!ini.Zapsat());
        ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("a"));
        QVERIFY(ini.Zapsat());
    }

    void hodnotaSeNacteStejne_data()
    {
        QTest::addColumn<QString>("hodnota");
        QTest::addColumn<int>("prekazka");
        using P = IniDokument::Prekazka;
        QTest::newRow("jmeno") << QStringLiteral("Jan Novák") << int(P::Zadna);
        QTest::newRow("prazdna") << QString() << int(P::Zadna);
        QTest::newRow("mezera uvnitr a rovnitko") << QStringLiteral("a = b ; [c]") << int(P::Zadna);
        QTest::newRow("zacina strednikem a zavorkou") << QStringLiteral(";[x") << int(P::Zadna);
        QTest::newRow("pevna mezera na konci") << QStringLiteral("Jan\u00a0") << int(P::Zadna);
        QTest::newRow("nejdelsi") << QString(IniDokument::MaxDelkaTextu, u'ž') << int(P::Zadna);
        QTest::newRow("mezery okolo") << QStringLiteral(" Jan ") << int(P::Mezery);
        QTest::newRow("mezera na konci") << QStringLiteral("Jan ") << int(P::Mezery);
        QTest::newRow("tabulator na zacatku") << QStringLiteral("\tJan") << int(P::Mezery);
        QTest::newRow("jen mezera") << QStringLiteral(" ") << int(P::Mezery);
        QTest::newRow("o znak delsi") << QString(IniDokument::MaxDelkaTextu + 1, u'a') << int(P::Delka);
        QTest::newRow("LF") << QStringLiteral("a\nb") << int(P::Zalomeni);
        QTest::newRow("CR") << QStringLiteral("a\r") << int(P::Zalomeni);
        QTest::newRow("mimo 1250") << QStringLiteral("Łukasz ☺") << int(P::Kodovani);
        // The encoder passes a lone surrogate without an error; only reading the file back shows it.
        QTest::newRow("osamely surrogate") << QStringLiteral("a") + QChar(0xD800) << int(P::Jina);
    }

    void hodnotaSeNacteStejne()
    {
        QFETCH(QString, hodnota);
        QFETCH(int, prekazka);
        QCOMPARE(int(IniDokument::ProcNelzeZapsat(hodnota)), prekazka);
        QCOMPARE(IniDokument::LzeZapsat(hodnota), prekazka == int(IniDokument::Prekazka::Zadna));
        // What the rule lets through does read back the same from a written file.
        if (IniDokument::LzeZapsat(hodnota)) {
            IniDokument ini;
            ini.WriteString(QStringLiteral("Profily"), QStringLiteral("1"), hodnota);
            const IniDokument zpet = IniDokument::Nacist(*ini.Zapsat());
            QCOMPARE(zpet.ReadString(QStringLiteral("Profily"), QStringLiteral("1"), QStringLiteral("chybí")), hodnota);
        }
    }

    void ceskaPismenaBezOhleduNaVelikost()
    {
        IniDokument ini = IniDokument::Nacist("[\xd8" "ep\xedk]\r\n\x8e" "lut\xfd=1\r\n");
        QCOMPARE(ini.ReadInteger(QStringLiteral("řEPÍK"), QStringLiteral("žLUTÝ"), 0), 1);
        ini.WriteString(QStringLiteral("ŘEPÍK"), QStringLiteral("ŽLUTÝ"), QStringLiteral("2"));
        ini.WriteString(QStringLiteral("řepík"), QStringLiteral("Černý"), QStringLiteral("3"));
        QCOMPARE(ini.Zapsat(), std::optional<QByteArray>("[\xd8" "ep\xedk]\r\n\x8e" "lut\xfd=2\r\n\xc8" "ern\xfd=3\r\n\r\n"));
        // Other letters stay apart: "e" and "é" are two names.
        QCOMPARE(ini.ReadInteger(QStringLiteral("repik"), QStringLiteral("zluty"), -1), -1);
        QCOMPARE(ini.ReadInteger(QStringLiteral("ŘEPÍK"), QStringLiteral("ČERNÉ"), -1), -1);
    }

    void dvacetTisicSekci()
    {
        // A file of very many sections, repeated ones among them, is read whole with every setting
        // found where it stands, and saved in its own order.
        constexpr int Pocet = 20000;
        QByteArray soubor;
        for (int i = 0; i < Pocet; ++i)
            soubor += "[Sekce " + QByteArray::number(i) + "]\r\nk=" + QByteArray::number(i) + "\r\n";
        soubor += "[SEKCE 7]\r\npozde=ano\r\n[Skupina]\r\nSkupina=C\r\n";
        IniDokument ini = IniDokument::Nacist(soubor);
        for (int i = 0; i < Pocet; i += 997)
            QCOMPARE(ini.ReadInteger(QStringLiteral("sekce %1").arg(i), QStringLiteral("K"), -1), i);
        QCOMPARE(ini.ReadInteger(QStringLiteral("Sekce 19999"), QStringLiteral("k"), -1), 19999);
        QCOMPARE(ini.ReadString(QStringLiteral("Sekce 7"), QStringLiteral("pozde"), QString()), QStringLiteral("ano"));
        QCOMPARE(ini.ReadString(QStringLiteral("skupina"), QStringLiteral("skupina"), QString()), QStringLiteral("C"));

        ini.EraseSection(QStringLiteral("Sekce 0"));
        ini.WriteString(QStringLiteral("Sekce 19999"), QStringLiteral("nova"), QStringLiteral("1"));
        QCOMPARE(ini.ReadInteger(QStringLiteral("Sekce 1"), QStringLiteral("k"), -1), 1);
        const QByteArray zapsano = *ini.Zapsat();
        QVERIFY(zapsano.startsWith("[Sekce 1]\r\nk=1\r\n\r\n[Sekce 2]\r\nk=2\r\n\r\n"));
        QVERIFY(zapsano.contains("[Sekce 7]\r\nk=7\r\npozde=ano\r\n\r\n[Sekce 8]"));
        QVERIFY(zapsano.endsWith("[Sekce 19999]\r\nk=19999\r\nnova=1\r\n\r\n[Skupina]\r\nSkupina=C\r\n\r\n"));
        QCOMPARE(zapsano.count("\r\n\r\n"), Pocet);
    }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
