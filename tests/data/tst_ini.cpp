#include "data/ini.h"

#include <QTest>

class TestIni : public QObject
{
    Q_OBJECT

private slots:
    void prepisOdstraniSumANormalizujeRadky();
    void nazvyBezOhleduNaVelikostAPoradi();
    void ReadInteger_data();
    void ReadInteger();
    void ReadStringVychoziADelka();
    void EraseSection();
    void windows1250TamAZpet();
    void nezapsatelnyText();
};

void TestIni::prepisOdstraniSumANormalizujeRadky()
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
    const QByteArray ocekavano = "[Prvni]\r\n"
                                 "klic=hodnota s mezerou\r\n"
                                 "bez rovnitka\r\n"
                                 "prazdny=\r\n"
                                 "pozdni=1\r\n"
                                 "\r\n"
                                 "[Druha]\r\n"
                                 "a=b = c\r\n"
                                 "\r\n"
                                 "[Prazdna]\r\n"
                                 "\r\n";
    const IniDokument ini = IniDokument::Nacist(vstup);
    QCOMPARE(ini.Zapsat(), std::optional<QByteArray>(ocekavano));
    QCOMPARE(ini.ReadString(QStringLiteral("Druha"), QStringLiteral("a"), QString()), QStringLiteral("b = c"));
    // A line without "=" is carried over but is no key.
    QCOMPARE(ini.ReadString(QStringLiteral("Prvni"), QStringLiteral("bez rovnitka"), QStringLiteral("x")),
             QStringLiteral("x"));
    QCOMPARE(ini.ReadString(QStringLiteral("Prvni"), QStringLiteral("prazdny"), QStringLiteral("x")), QString());

    QCOMPARE(IniDokument().Zapsat(), std::optional<QByteArray>(QByteArray()));
}

void TestIni::nazvyBezOhleduNaVelikostAPoradi()
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

void TestIni::ReadInteger_data()
{
    QTest::addColumn<QByteArray>("hodnota");
    QTest::addColumn<int>("ocekavano");
    const int chybi = -999;
    QTest::newRow("nula") << QByteArray("0") << 0;
    QTest::newRow("desitkove") << QByteArray("42") << 42;
    QTest::newRow("zaporne") << QByteArray("-3") << -3;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("hex") << QByteArray("0x1F") << 31;
    QTest::newRow("hex velke X") << QByteArray("0Xff") << 255;
    QTest::newRow("hex nula") << QByteArray("0x0") << 0;
    QTest::newRow("nejvetsi") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("nejmensi") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("pretece") << QByteArray("2147483648") << chybi;
    QTest::newRow("dlouhe") << QByteArray("99999999999999999999999") << chybi;
    QTest::newRow("prazdne") << QByteArray("") << chybi;
    QTest::newRow("slovo") << QByteArray("ano") << chybi;
    QTest::newRow("desetinne") << QByteArray("1.0") << chybi;
    QTest::newRow("cislo s textem") << QByteArray("12abc") << chybi;
    QTest::newRow("hex bez cislic") << QByteArray("0x") << chybi;
    QTest::newRow("hex cislice bez 0x") << QByteArray("1F") << chybi;
    QTest::newRow("dva prefixy") << QByteArray("0x0x1") << chybi;
    QTest::newRow("mezera uvnitr") << QByteArray("1 2") << chybi;
    QTest::newRow("jen znamenko") << QByteArray("-") << chybi;
}

void TestIni::ReadInteger()
{
    QFETCH(QByteArray, hodnota);
    QFETCH(int, ocekavano);
    const IniDokument ini = IniDokument::Nacist("[S]\r\nk= " + hodnota + " \r\n");
    QCOMPARE(ini.ReadInteger(QStringLiteral("S"), QStringLiteral("k"), -999), ocekavano);
}

void TestIni::ReadStringVychoziADelka()
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

void TestIni::EraseSection()
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

void TestIni::windows1250TamAZpet()
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

void TestIni::nezapsatelnyText()
{
    QVERIFY(IniDokument::LzeZapsat(QStringLiteral("Šárka Žluťoučká")));
    QVERIFY(IniDokument::LzeZapsat(QString()));
    QVERIFY(!IniDokument::LzeZapsat(QStringLiteral("日本")));
    QVERIFY(!IniDokument::LzeZapsat(QStringLiteral("Petr ☺")));
    QVERIFY(!IniDokument::LzeZapsat(QStringLiteral("dva\nradky")));
    QVERIFY(!IniDokument::LzeZapsat(QStringLiteral("dva\rradky")));

    // The document refuses to be written rather than put a substitute character on disk.
    IniDokument ini;
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("日本"));
    QVERIFY(!ini.Zapsat());
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("a\r\n[Vlozena]"));
    QVERIFY(!ini.Zapsat());
    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("a"));
    QVERIFY(ini.Zapsat());
}

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
