#include "data/konfigurace.h"
#include "data/profily.h"
#include "data/tabulka.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray precti(const QString &cesta)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nelze otevrit>");
    return f.readAll();
}

bool zapis(const QString &cesta, const QByteArray &obsah)
{
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(obsah) == obsah.size();
}

Konfigurace nacti(const QString &cesta)
{
    Konfigurace k;
    QString chyba;
    if (!NacistKonfiguraci(cesta, k, &chyba))
        qWarning("%s", qPrintable(chyba));
    return k;
}

// What a file whose every key is missing reads as.
Konfigurace bezKlicu()
{
    Konfigurace k;
    k.ZvolenaSkupina.clear();
    k.VytvaretProtokol = {true, true, true};
    k.Profily = QStringList{QString()};
    k.AktivniProfil.clear();
    return k;
}

bool stejne(const Konfigurace &a, const Konfigurace &b)
{
    return a.PovoleneKategorie == b.PovoleneKategorie && a.ZvolenaSkupina == b.ZvolenaSkupina
        && a.VytvaretProtokol == b.VytvaretProtokol && a.StavovyRadek == b.StavovyRadek
        && a.PostupnyVyber == b.PostupnyVyber && a.VyberPodlePameti == b.VyberPodlePameti && a.Profily == b.Profily
        && a.AktivniProfil == b.AktivniProfil;
}

const QByteArray VychoziSoubor = "[Kategorie otazek]\r\n"
                                 "Pravidla provozu=1\r\n"
                                 "Ridicke opravneni=1\r\n"
                                 "Silnicni zakon=1\r\n"
                                 "Zdravoveda=1\r\n"
                                 "Podminky provozu=1\r\n"
                                 "Znacky=1\r\n"
                                 "Krizovatky=1\r\n"
                                 "\r\n"
                                 "[Skupina]\r\n"
                                 "Skupina=B\r\n"
                                 "\r\n"
                                 "[Protokoly]\r\n"
                                 "Procvicovani=0\r\n"
                                 "Zkouseni=0\r\n"
                                 "Test=0\r\n"
                                 "\r\n"
                                 "[Konfigurace]\r\n"
                                 "Stavovy radek=1\r\n"
                                 "Postupny vyber otazek=1\r\n"
                                 "Vyber podle pameti=0\r\n"
                                 "\r\n"
                                 "[Profily]\r\n"
                                 "Pocet=1\r\n"
                                 "1=Default\r\n"
                                 "Aktivni=Default\r\n"
                                 "\r\n";

} // namespace

class TestKonfigurace : public QObject
{
    Q_OBJECT

    // Vysledky and Protokoly with records of every name below, made once and copied for each case.
    QTemporaryDir m_vzor;
    const QStringList m_jmenaVTabulkach{QStringLiteral("Default"), QStringLiteral("Jan"), QStringLiteral("jan"),
                                        QStringLiteral("Eva"), QStringLiteral("x' OR '1'='1")};

private slots:
    void initTestCase();
    void uklidPriZavreni_data();
    void uklidPriZavreni();
    void bezSouboruVychoziAUlozeniCelehoSouboru();
    void jenSkupina();
    void chybiSkupina();
    void pocetBezJmen();
    void pocetMimoRozsah_data();
    void pocetMimoRozsah();
    void tricetProfilu();
    void priznakyVelikostPismenAHex();
    void poradiOtazek_data();
    void poradiOtazek();
    void ceskaJmenaBajtPoBajtu();
    void nezname_sekce_preziji();
    void nezapsatelnyTextOdmitnut_data();
    void nezapsatelnyTextOdmitnut();
    void necitelnySoubor();
    void adresarJenProCteni();
    void selhaniZapisuNechaStarySoubor();
    void prilisVelkySouborSeNectANeprepise();
    void ulozeniJenTohoCoSeNacteStejne_data();
    void ulozeniJenTohoCoSeNacteStejne();
};

void TestKonfigurace::initTestCase()
{
    QVERIFY(m_vzor.isValid());
    QDir::setCurrent(m_vzor.path());
    for (const QString &jmeno : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")}) {
        Tabulka::Vytvorit(jmeno, {{QStringLiteral("Profil"), TypPole::Retezec, 30},
                                  {QStringLiteral("Text"), TypPole::Memo, 0}});
        Tabulka t(jmeno);
        t.Otevrit();
        for (const QString &profil : m_jmenaVTabulkach) {
            t.Vlozit();
            t.Nastavit(QStringLiteral("Profil"), profil);
            t.Nastavit(QStringLiteral("Text"), QStringLiteral("výsledek ") + profil);
            t.Ulozit();
        }
    }
}

void TestKonfigurace::uklidPriZavreni_data()
{
    QTest::addColumn<QByteArray>("soubor"); // "-" for none
    QTest::addColumn<QStringList>("vytvorene");
    QTest::addColumn<QStringList>("odebrane");
    QTest::addColumn<bool>("ulozit");
    QTest::addColumn<QStringList>("smazane");

    QByteArray nahodne(4096, Qt::Uninitialized);
    QRandomGenerator generator(19);
    for (char &b : nahodne)
        b = char(generator.bounded(256));
    QByteArray stoProfilu = "[Profily]\r\nPocet=100\r\n1=Default\r\n";
    for (int i = 2; i < 100; ++i)
        stoProfilu += QByteArray::number(i) + "=P" + QByteArray::number(i) + "\r\n";
    stoProfilu += "100=Jan\r\n101=Eva\r\nAktivni=Jan\r\n";
    const QByteArray dvaProfily = "[Profily]\r\nPocet=2\r\n1=Default\r\n2=Jan\r\nAktivni=Jan\r\n";

    // Damaged, foreign or missing files: every record stays.
    QTest::newRow("náhodné bajty") << nahodne << QStringList() << QStringList() << false << QStringList();
    QTest::newRow("jen [Skupina]") << QByteArray("[Skupina]\r\nSkupina=D\r\n") << QStringList() << QStringList()
                                   << false << QStringList();
    QTest::newRow("prázdný") << QByteArray() << QStringList() << QStringList() << false << QStringList();
    QTest::newRow("100 profilů") << stoProfilu << QStringList() << QStringList() << false << QStringList();
    QTest::newRow("bez souboru") << QByteArray("-") << QStringList() << QStringList() << false << QStringList();
    // A save of such a run stores its own list, yet names it never knew still keep their records.
    QTest::newRow("bez souboru, uloženo") << QByteArray("-") << QStringList() << QStringList() << true << QStringList();
    QTest::newRow("náhodné bajty, uloženo") << nahodne << QStringList() << QStringList() << true << QStringList();

    // What the clean-up is for.
    QTest::newRow("vytvořený, neuložený") << dvaProfily << QStringList{QStringLiteral("Eva")} << QStringList() << false
                                          << QStringList{QStringLiteral("Eva")};
    QTest::newRow("vytvořený a uložený") << dvaProfily << QStringList{QStringLiteral("Eva")} << QStringList() << true
                                         << QStringList();
    QTest::newRow("odebraný, neuložený") << dvaProfily << QStringList() << QStringList{QStringLiteral("Jan")} << false
                                         << QStringList();
    QTest::newRow("odebraný a uložený") << dvaProfily << QStringList() << QStringList{QStringLiteral("Jan")} << true
                                        << QStringList{QStringLiteral("Jan")};
    // Exact names: "jan" is not "Jan", and a quote in a name is only a character of it.
    QTest::newRow("jiná velikost písmen") << dvaProfily << QStringList{QStringLiteral("jan")} << QStringList() << false
                                          << QStringList{QStringLiteral("jan")};
    QTest::newRow("uvozovka ve jméně") << dvaProfily << QStringList{QStringLiteral("x' OR '1'='1")} << QStringList()
                                       << false << QStringList{QStringLiteral("x' OR '1'='1")};
}

// A whole run as the main window goes through it: the start reads config.ini, the settings dialog
// creates and removes profiles, perhaps a save, then the close deletes what the run knows is gone.
void TestKonfigurace::uklidPriZavreni()
{
    QFETCH(QByteArray, soubor);
    QFETCH(QStringList, vytvorene);
    QFETCH(QStringList, odebrane);
    QFETCH(bool, ulozit);
    QFETCH(QStringList, smazane);

    QTemporaryDir adr;
    QDir::setCurrent(adr.path());
    QMap<QString, QByteArray> pred;
    for (const char *nazev : {"Vysledky.DB", "Vysledky.MB", "Protokoly.DB", "Protokoly.MB"}) {
        const QString jmeno = QString::fromLatin1(nazev);
        QVERIFY(QFile::copy(QDir(m_vzor.path()).filePath(jmeno), jmeno));
        pred.insert(jmeno, precti(jmeno));
    }
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    if (soubor != "-")
        QVERIFY(zapis(cesta, soubor));

    Konfigurace k;
    QString chyba;
    QVERIFY2(NacistKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    QStringList ulozene = k.Profily;
    QStringList znama = k.Profily;
    znama += vytvorene;
    k.Profily += vytvorene;
    for (const QString &jmeno : odebrane)
        k.Profily.removeAll(jmeno);
    if (ulozit) {
        QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
        ulozene = k.Profily;
    }

    QCOMPARE(ProfilyKeSmazani(znama, ulozene), smazane);
    for (const QString &jmeno : ProfilyKeSmazani(znama, ulozene))
        for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")})
            SmazatZaznamyProfilu(tabulka, jmeno);

    QStringList zbyle = m_jmenaVTabulkach;
    for (const QString &jmeno : smazane)
        zbyle.removeAll(jmeno);
    for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")}) {
        if (smazane.isEmpty()) {
            QCOMPARE(precti(tabulka + QStringLiteral(".DB")), pred.value(tabulka + QStringLiteral(".DB")));
            QCOMPARE(precti(tabulka + QStringLiteral(".MB")), pred.value(tabulka + QStringLiteral(".MB")));
        }
        Tabulka t(tabulka);
        t.Otevrit(true);
        QStringList profily;
        for (const QVariantList &radek : t.HodnotyPohledu({QStringLiteral("Profil")}))
            profily << radek.first().toString();
        QCOMPARE(profily, zbyle);
        for (int i = 0; i < t.PocetZaznamu(); ++i) {
            t.PrejitNa(i);
            QCOMPARE(t.Text(QStringLiteral("Text")), QStringLiteral("výsledek ") + zbyle[i]);
        }
    }
    QDir::setCurrent(m_vzor.path());
}

void TestKonfigurace::bezSouboruVychoziAUlozeniCelehoSouboru()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    Konfigurace k;
    k.ZvolenaSkupina = QStringLiteral("C");
    k.Profily = {QStringLiteral("x")};
    QString chyba;
    QVERIFY(NacistKonfiguraci(cesta, k, &chyba));
    QVERIFY(stejne(k, Konfigurace{}));
    QVERIFY(!k.VytvaretProtokol[0] && !k.VytvaretProtokol[1] && !k.VytvaretProtokol[2]);

    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    QCOMPARE(precti(cesta), VychoziSoubor);
    QVERIFY(stejne(nacti(cesta), Konfigurace{}));
}

void TestKonfigurace::jenSkupina()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "[Skupina]\r\nSkupina=D\r\n"));
    Konfigurace ocekavano = bezKlicu();
    ocekavano.ZvolenaSkupina = QStringLiteral("D");
    QVERIFY(stejne(nacti(cesta), ocekavano));
}

void TestKonfigurace::chybiSkupina()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "[Protokoly]\r\nTest=0\r\n[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n"));
    const Konfigurace k = nacti(cesta);
    QCOMPARE(k.ZvolenaSkupina, QString());
    QCOMPARE(k.VytvaretProtokol, (std::array<bool, 3>{true, true, false}));
    QCOMPARE(k.Profily, QStringList{QStringLiteral("Default")});

    // An empty file exists, so every key takes its own default.
    QVERIFY(zapis(cesta, QByteArray()));
    QVERIFY(stejne(nacti(cesta), bezKlicu()));
}

void TestKonfigurace::pocetBezJmen()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "[Profily]\r\nPocet=3\r\n1=Jana\r\n4=navic\r\n"));
    QCOMPARE(nacti(cesta).Profily, (QStringList{QStringLiteral("Jana"), QString(), QString()}));
}

void TestKonfigurace::pocetMimoRozsah_data()
{
    QTest::addColumn<QByteArray>("pocet");
    QTest::addColumn<int>("jmen");
    QTest::newRow("31") << QByteArray("31") << 30;
    QTest::newRow("1000") << QByteArray("1000") << 30;
    QTest::newRow("0") << QByteArray("0") << 1;
    QTest::newRow("-5") << QByteArray("-5") << 1;
    QTest::newRow("necislo") << QByteArray("dva") << 1;
}

void TestKonfigurace::pocetMimoRozsah()
{
    QFETCH(QByteArray, pocet);
    QFETCH(int, jmen);
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QByteArray obsah = "[Profily]\r\nPocet=" + pocet + "\r\n";
    for (int i = 1; i <= 40; ++i)
        obsah += QByteArray::number(i) + "=P" + QByteArray::number(i) + "\r\n";
    QVERIFY(zapis(cesta, obsah));
    const QStringList profily = nacti(cesta).Profily;
    QCOMPARE(profily.size(), jmen);
    QCOMPARE(profily.first(), QStringLiteral("P1"));
    QCOMPARE(profily.last(), QStringLiteral("P%1").arg(jmen));
}

void TestKonfigurace::tricetProfilu()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    // The old file holds more names than the new list: the stale ones must go.
    QVERIFY(zapis(cesta, "[Profily]\r\nPocet=2\r\n1=a\r\n2=b\r\n31=zbytek\r\nJiny=x\r\n"));
    Konfigurace k;
    k.Profily.clear();
    for (int i = 1; i <= MaxProfilu; ++i)
        k.Profily.append(QStringLiteral("Profil %1").arg(i));
    k.AktivniProfil = QStringLiteral("Profil 17");
    QString chyba;
    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));

    QByteArray profily = "[Profily]\r\nPocet=30\r\n";
    for (int i = 1; i <= MaxProfilu; ++i)
        profily += QByteArray::number(i) + "=Profil " + QByteArray::number(i) + "\r\n";
    profily += "Aktivni=Profil 17\r\n\r\n";
    QVERIFY(precti(cesta).endsWith(profily));
    QVERIFY(stejne(nacti(cesta), k));

    k.Profily.append(QStringLiteral("Profil 31"));
    const QByteArray pred = precti(cesta);
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QVERIFY(chyba.contains(QStringLiteral("31")));
    QCOMPARE(precti(cesta), pred);
}

void TestKonfigurace::priznakyVelikostPismenAHex()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "[KATEGORIE OTAZEK]\r\n"
                         "pravidla PROVOZU=0x0\r\n"
                         "Ridicke opravneni=0x10\r\n"
                         "Silnicni zakon=ne\r\n"
                         "Zdravoveda=0\r\n"
                         "Podminky provozu=-1\r\n"
                         "Znacky=0.0\r\n"
                         "Krizovatky=0X0\r\n"
                         "[protokoly]\r\nPROCVICOVANI=0\r\nzkouseni=\r\nTest=0x1F\r\n"
                         "[konfigurace]\r\nSTAVOVY RADEK=0\r\npostupny VYBER otazek=00\r\nvyber podle PAMETI=0x1\r\n"
                         "[SKUPINA]\r\nskupina=A1\r\n"
                         "[profily]\r\npocet=0x2\r\n1=Jana\r\n2=Petr\r\naktivni=Petr\r\n"));
    const Konfigurace k = nacti(cesta);
    // Values that are no integer ("ne", "0.0", empty) count as missing, which means on.
    QCOMPARE(k.PovoleneKategorie, (std::array<bool, 7>{false, true, true, false, true, true, false}));
    QCOMPARE(k.VytvaretProtokol, (std::array<bool, 3>{false, true, true}));
    QVERIFY(!k.StavovyRadek);
    QVERIFY(!k.PostupnyVyber);
    QVERIFY(k.VyberPodlePameti);
    QCOMPARE(k.ZvolenaSkupina, QStringLiteral("A1"));
    QCOMPARE(k.Profily, (QStringList{QStringLiteral("Jana"), QStringLiteral("Petr")}));
    QCOMPARE(k.AktivniProfil, QStringLiteral("Petr"));

    // A save overwrites the keys where they stand, in their own spelling, without adding twins.
    QString chyba;
    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    QCOMPARE(precti(cesta), QByteArray("[KATEGORIE OTAZEK]\r\n"
                                       "pravidla PROVOZU=0\r\n"
                                       "Ridicke opravneni=1\r\n"
                                       "Silnicni zakon=1\r\n"
                                       "Zdravoveda=0\r\n"
                                       "Podminky provozu=1\r\n"
                                       "Znacky=1\r\n"
                                       "Krizovatky=0\r\n"
                                       "\r\n"
                                       "[protokoly]\r\nPROCVICOVANI=0\r\nzkouseni=1\r\nTest=1\r\n\r\n"
                                       "[konfigurace]\r\nSTAVOVY RADEK=0\r\npostupny VYBER otazek=0\r\n"
                                       "vyber podle PAMETI=1\r\n\r\n"
                                       "[SKUPINA]\r\nskupina=A1\r\n\r\n"
                                       "[Profily]\r\nPocet=2\r\n1=Jana\r\n2=Petr\r\nAktivni=Petr\r\n\r\n"));
}

// The order by memory beside the two older keys: a file of an older program keeps its order, and a
// save writes number order's own flag, so that such a program still finds a valid order.
void TestKonfigurace::poradiOtazek_data()
{
    QTest::addColumn<QByteArray>("radky");
    QTest::addColumn<bool>("postupne");
    QTest::addColumn<bool>("podlePameti");
    QTest::newRow("starší soubor, náhodně") << QByteArray("Postupny vyber otazek=0\r\n") << false << false;
    QTest::newRow("starší soubor, postupně") << QByteArray("Stavovy radek=1\r\n") << true << false;
    QTest::newRow("podle paměti") << QByteArray("Postupny vyber otazek=0\r\nVyber podle pameti=1\r\n") << false << true;
    QTest::newRow("postupně uloženo později") << QByteArray("Postupny vyber otazek=1\r\nVyber podle pameti=1\r\n")
                                               << true << false;
    QTest::newRow("nečíslo") << QByteArray("Postupny vyber otazek=0\r\nVyber podle pameti=ano\r\n") << false << false;
}

void TestKonfigurace::poradiOtazek()
{
    QFETCH(QByteArray, radky);
    QFETCH(bool, postupne);
    QFETCH(bool, podlePameti);
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "[Konfigurace]\r\n" + radky));
    Konfigurace k = nacti(cesta);
    QCOMPARE(std::make_pair(k.PostupnyVyber, k.VyberPodlePameti), std::make_pair(postupne, podlePameti));

    k.PostupnyVyber = false;
    k.VyberPodlePameti = true;
    QString chyba;
    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    QVERIFY(precti(cesta).contains("Postupny vyber otazek=0\r\n"));
    QVERIFY(precti(cesta).contains("Vyber podle pameti=1\r\n"));
    QVERIFY(stejne(nacti(cesta), k));
}

void TestKonfigurace::ceskaJmenaBajtPoBajtu()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    Konfigurace k;
    k.Profily = {QStringLiteral("Default"), QStringLiteral("Šárka Žluťoučká")};
    k.AktivniProfil = QStringLiteral("Šárka Žluťoučká");
    QString chyba;
    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    const QByteArray jmeno = "\x8a\xe1rka \x8elu\x9dou\xe8k\xe1";
    const QByteArray ulozeno = precti(cesta);
    QVERIFY(ulozeno.endsWith("[Profily]\r\nPocet=2\r\n1=Default\r\n2=" + jmeno + "\r\nAktivni=" + jmeno + "\r\n\r\n"));

    const Konfigurace zpet = nacti(cesta);
    QVERIFY(stejne(zpet, k));
    QVERIFY2(UlozitKonfiguraci(cesta, zpet, &chyba), qPrintable(chyba));
    QCOMPARE(precti(cesta), ulozeno);
}

void TestKonfigurace::nezname_sekce_preziji()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, "Uvod=zahozen\r\n"
                         "; komentar na zacatku\r\n"
                         "[Profily]\r\n"
                         "Pocet=1\r\n"
                         "1=Default\r\n"
                         "Barva=modra\r\n"
                         "Aktivni=Default\r\n"
                         "\r\n"
                         "[Okno]\r\n"
                         "  Sirka = 640  \r\n"
                         "; komentar uvnitr\r\n"
                         "\r\n"
                         "\r\n"
                         "Vyska=480\r\n"
                         "[Skupina]\r\n"
                         "Pismo=Arial \x8e\r\n"
                         "Skupina=AM\r\n"
                         "[Posledni]\r\n"));
    Konfigurace k = nacti(cesta);
    QCOMPARE(k.ZvolenaSkupina, QStringLiteral("AM"));
    k.ZvolenaSkupina = QStringLiteral("T");
    k.PovoleneKategorie[5] = false;
    QString chyba;
    QVERIFY2(UlozitKonfiguraci(cesta, k, &chyba), qPrintable(chyba));
    // Known sections missing from the old file follow the unknown ones in the order of a new file.
    QCOMPARE(precti(cesta), QByteArray("[Okno]\r\n"
                                       "Sirka=640\r\n"
                                       "Vyska=480\r\n"
                                       "\r\n"
                                       "[Skupina]\r\n"
                                       "Pismo=Arial \x8e\r\n"
                                       "Skupina=T\r\n"
                                       "\r\n"
                                       "[Posledni]\r\n"
                                       "\r\n"
                                       "[Kategorie otazek]\r\n"
                                       "Pravidla provozu=1\r\n"
                                       "Ridicke opravneni=1\r\n"
                                       "Silnicni zakon=1\r\n"
                                       "Zdravoveda=1\r\n"
                                       "Podminky provozu=1\r\n"
                                       "Znacky=0\r\n"
                                       "Krizovatky=1\r\n"
                                       "\r\n"
                                       "[Protokoly]\r\n"
                                       "Procvicovani=1\r\n"
                                       "Zkouseni=1\r\n"
                                       "Test=1\r\n"
                                       "\r\n"
                                       "[Konfigurace]\r\n"
                                       "Stavovy radek=1\r\n"
                                       "Postupny vyber otazek=1\r\n"
                                       "Vyber podle pameti=0\r\n"
                                       "\r\n"
                                       "[Profily]\r\n"
                                       "Pocet=1\r\n"
                                       "1=Default\r\n"
                                       "Aktivni=Default\r\n"
                                       "\r\n"));
}

void TestKonfigurace::nezapsatelnyTextOdmitnut_data()
{
    QTest::addColumn<int>("pole");
    QTest::addColumn<QString>("text");
    QTest::newRow("profil mimo 1250") << 0 << QStringLiteral("日本");
    QTest::newRow("profil se zalomenim") << 0 << QStringLiteral("Jana\r\n[Skupina]");
    QTest::newRow("aktivni profil") << 1 << QStringLiteral("Ελένη");
    QTest::newRow("skupina") << 2 << QStringLiteral("B☺");
}

void TestKonfigurace::nezapsatelnyTextOdmitnut()
{
    QFETCH(int, pole);
    QFETCH(QString, text);
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    const QByteArray stary = "; rucne psany\r\n[Skupina]\r\nSkupina=C\r\n";
    QVERIFY(zapis(cesta, stary));
    Konfigurace k;
    if (pole == 0)
        k.Profily.append(text);
    else if (pole == 1)
        k.AktivniProfil = text;
    else
        k.ZvolenaSkupina = text;
    QString chyba;
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QVERIFY2(chyba.contains(text), qPrintable(chyba));
    QCOMPARE(precti(cesta), stary);
    QCOMPARE(QDir(adr.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
}

void TestKonfigurace::necitelnySoubor()
{
    QTemporaryDir adr;
    // A directory in place of the file exists but cannot be read.
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(QDir(adr.path()).mkdir(QStringLiteral("config.ini")));
    Konfigurace k;
    k.ZvolenaSkupina = QStringLiteral("C");
    QString chyba;
    QVERIFY(!NacistKonfiguraci(cesta, k, &chyba));
    QVERIFY(chyba.contains(QDir::toNativeSeparators(cesta)));
    QCOMPARE(k.ZvolenaSkupina, QStringLiteral("C"));

    chyba.clear();
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QVERIFY(!chyba.isEmpty());
    QVERIFY(QFileInfo(cesta).isDir());
}

void TestKonfigurace::adresarJenProCteni()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, VychoziSoubor));
    QFile adresar(adr.path());
    const auto prava = adresar.permissions();
    QVERIFY(adresar.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool presto = zapis(adr.filePath(QStringLiteral("zkouska")), "x");
    if (presto) {
        adresar.setPermissions(prava);
        QSKIP("this user may write into a read-only directory");
    }
    Konfigurace k;
    k.ZvolenaSkupina = QStringLiteral("D");
    QString chyba;
    const bool ulozeno = UlozitKonfiguraci(cesta, k, &chyba);
    adresar.setPermissions(prava);
    QVERIFY(!ulozeno);
    QVERIFY2(chyba.contains(QDir::toNativeSeparators(cesta)), qPrintable(chyba));
    QCOMPARE(precti(cesta), VychoziSoubor);
}

// Independent of the user's rights (the test may run as root): a file-size limit makes the
// writing itself fail half-way, after the old file was read.
void TestKonfigurace::selhaniZapisuNechaStarySoubor()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    const QByteArray stary = "[Skupina]\r\nSkupina=C\r\n";
    QVERIFY(zapis(cesta, stary));

    rlimit puvodni{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &puvodni), 0);
    rlimit maly = puvodni;
    maly.rlim_cur = 64;
    const auto puvodniSignal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &maly), 0);
    Konfigurace k;
    QString chyba;
    const bool ulozeno = UlozitKonfiguraci(cesta, k, &chyba);
    setrlimit(RLIMIT_FSIZE, &puvodni);
    std::signal(SIGXFSZ, puvodniSignal);

    QVERIFY(!ulozeno);
    QVERIFY(!chyba.isEmpty());
    QCOMPARE(precti(cesta), stary);
    QCOMPARE(QDir(adr.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
}

void TestKonfigurace::prilisVelkySouborSeNectANeprepise()
{
    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    // Exactly the limit is still read.
    QByteArray obsah = "[Skupina]\r\nSkupina=C\r\n[Vypln]\r\n";
    obsah += QByteArray(MaxVelikostKonfigurace - obsah.size(), 'x');
    QVERIFY(zapis(cesta, obsah));
    QVERIFY(!KonfiguraceJePrilisVelka(cesta));
    QCOMPARE(nacti(cesta).ZvolenaSkupina, QStringLiteral("C"));

    obsah += 'x';
    QVERIFY(zapis(cesta, obsah));
    QVERIFY(KonfiguraceJePrilisVelka(cesta));
    Konfigurace k;
    QString chyba;
    QVERIFY(!NacistKonfiguraci(cesta, k, &chyba));
    QVERIFY2(chyba.contains(QDir::toNativeSeparators(cesta)), qPrintable(chyba));
    QVERIFY(stejne(k, Konfigurace{}));

    chyba.clear();
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QVERIFY2(chyba.contains(QDir::toNativeSeparators(cesta)) && chyba.contains(QStringLiteral("odstraňte"))
                 && chyba.contains(QStringLiteral("přejmenujte")),
             qPrintable(chyba));
    QCOMPARE(precti(cesta), obsah);
    QCOMPARE(QDir(adr.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});

    QVERIFY(!KonfiguraceJePrilisVelka(adr.filePath(QStringLiteral("neni.ini"))));
    QVERIFY(!KonfiguraceJePrilisVelka(adr.path()));
}

void TestKonfigurace::ulozeniJenTohoCoSeNacteStejne_data()
{
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QString>("duvod");
    QTest::newRow("mezery okolo") << QStringLiteral(" Jan ") << QStringLiteral("mezerou");
    QTest::newRow("tabulator") << QStringLiteral("Jan\t") << QStringLiteral("tabulátorem");
    QTest::newRow("dlouhe") << QString(2048, u'J') << QStringLiteral("2047");
    QTest::newRow("zalomeni") << QStringLiteral("Jan\n") << QStringLiteral("zalomení");
    QTest::newRow("mimo 1250") << QStringLiteral("Jan ☺") << QStringLiteral("Windows-1250");
}

void TestKonfigurace::ulozeniJenTohoCoSeNacteStejne()
{
    QFETCH(QString, jmeno);
    QFETCH(QString, duvod);
    QVERIFY(!ProfilNelzeUlozit(QStringLiteral("Jan")));
    QVERIFY(!ProfilNelzeUlozit(QString(2047, u'Ř')));
    const std::optional<QString> proc = ProfilNelzeUlozit(jmeno);
    QVERIFY(proc);
    QVERIFY2(proc->contains(QStringLiteral("Profil „") + jmeno.left(60)) && proc->contains(duvod), qPrintable(*proc));

    QTemporaryDir adr;
    const QString cesta = adr.filePath(QStringLiteral("config.ini"));
    QVERIFY(zapis(cesta, VychoziSoubor));
    Konfigurace k;
    k.Profily = {QStringLiteral("Default"), jmeno};
    QString chyba;
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QCOMPARE(chyba, *proc);
    QCOMPARE(precti(cesta), VychoziSoubor);

    // The active profile and the group follow the same rule.
    k.Profily = {QStringLiteral("Default")};
    k.AktivniProfil = jmeno;
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    k.AktivniProfil = QStringLiteral("Default");
    k.ZvolenaSkupina = QStringLiteral(" B");
    QVERIFY(!UlozitKonfiguraci(cesta, k, &chyba));
    QVERIFY2(chyba.contains(QStringLiteral("Skupinu")), qPrintable(chyba));
    QCOMPARE(precti(cesta), VychoziSoubor);
}

QTEST_GUILESS_MAIN(TestKonfigurace)
#include "tst_konfigurace.moc"
