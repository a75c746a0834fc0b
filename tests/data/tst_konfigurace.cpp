// config.ini as the program reads and saves it, the clean-up of forgotten profiles' records, and
// that a file which cannot be read or written is reported and never damaged.
#include "adresar.h"
#include "tabulky.h"

#include "data/konfigurace.h"
#include "data/profily.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using Pomocnik::Obsah;
using Pomocnik::Zapsat;

namespace {

// The settings in one line: categories, protocols, status bar / number order / order by memory,
// group, the count and names of the profiles, the active profile.
QString Popis(const Konfigurace &k)
{
    const auto bity = [](const auto &pole) {
        QString s;
        for (bool b : pole)
            s += b ? u'1' : u'0';
        return s;
    };
    return QStringLiteral("%1 %2 %3 %4 %5:%6 %7")
        .arg(bity(k.PovoleneKategorie), bity(k.VytvaretProtokol),
             bity(std::array<bool, 3>{k.StavovyRadek, k.PostupnyVyber, k.VyberPodlePameti}), k.ZvolenaSkupina)
        .arg(k.Profily.size())
        .arg(k.Profily.join(u'|'), k.AktivniProfil);
}

const QString Vychozi = Popis(Konfigurace{});
const QString BezKlicu = QStringLiteral("1111111 111 110  1: "); // a file whose every key is missing

const QByteArray VychoziSoubor = "[Kategorie otazek]\r\nPravidla provozu=1\r\nRidicke opravneni=1\r\nSilnicni zakon=1\r\n"
                                 "Zdravoveda=1\r\nPodminky provozu=1\r\nZnacky=1\r\nKrizovatky=1\r\n\r\n"
                                 "[Skupina]\r\nSkupina=B\r\n\r\n"
                                 "[Protokoly]\r\nProcvicovani=0\r\nZkouseni=0\r\nTest=0\r\n\r\n"
                                 "[Konfigurace]\r\nStavovy radek=1\r\nPostupny vyber otazek=1\r\nVyber podle pameti=0\r\n\r\n"
                                 "[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n\r\n";

} // namespace

class TestKonfigurace : public QObject {
    Q_OBJECT

    // Vysledky and Protokoly with records of every name below, made once and copied for each case.
    QTemporaryDir m_vzor;
    const QStringList m_jmenaVTabulkach{QStringLiteral("Default"), QStringLiteral("Jan"), QStringLiteral("jan"),
                                        QStringLiteral("Eva"), QStringLiteral("x' OR '1'='1")};
    std::unique_ptr<Pomocnik::Adresar> m_dir;
    QString m_cesta;

    Konfigurace Nacist()
    {
        Konfigurace k;
        QString chyba;
        if (!NacistKonfiguraci(m_cesta, k, &chyba))
            qWarning("%s", qPrintable(chyba));
        return k;
    }

    bool Ulozit(const Konfigurace &k, QString *chyba = nullptr)
    {
        QString text;
        const bool ulozeno = UlozitKonfiguraci(m_cesta, k, &text);
        if (chyba)
            *chyba = text;
        else if (!ulozeno)
            qWarning("%s", qPrintable(text));
        return ulozeno;
    }

    // A save refused with a message holding every part given: config.ini still holds stary, with
    // nothing beside it.
    void Odmitnuto(const Konfigurace &k, const QStringList &casti, const QByteArray &stary)
    {
        QString chyba;
        QVERIFY(!Ulozit(k, &chyba));
        for (const QString &cast : casti)
            QVERIFY2(chyba.contains(cast), qPrintable(chyba));
        QCOMPARE(Obsah(m_cesta), stary);
        QCOMPARE(Pomocnik::Soubory(m_dir->Cesta()), QStringList{QStringLiteral("config.ini")});
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(m_vzor.path());
        for (const QString &jmeno : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")})
            Pomocnik::TabulkaProfilu(jmeno, m_jmenaVTabulkach);
    }

    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        m_cesta = m_dir->Soubor(QStringLiteral("config.ini"));
    }

    void uklidPriZavreni_data()
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
        const QByteArray dva = "[Profily]\r\nPocet=2\r\n1=Default\r\n2=Jan\r\nAktivni=Jan\r\n";
        const QStringList nic, eva{QStringLiteral("Eva")}, jan{QStringLiteral("Jan")};

        // Damaged, foreign or missing files: every record stays.
        QTest::newRow("náhodné bajty") << nahodne << nic << nic << false << nic;
        QTest::newRow("jen [Skupina]") << QByteArray("[Skupina]\r\nSkupina=D\r\n") << nic << nic << false << nic;
        QTest::newRow("prázdný") << QByteArray() << nic << nic << false << nic;
        QTest::newRow("100 profilů") << stoProfilu << nic << nic << false << nic;
        QTest::newRow("bez souboru") << QByteArray("-") << nic << nic << false << nic;
        // A save of such a run stores its own list, yet names it never knew still keep their records.
        QTest::newRow("bez souboru, uloženo") << QByteArray("-") << nic << nic << true << nic;
        QTest::newRow("náhodné bajty, uloženo") << nahodne << nic << nic << true << nic;
        // What the clean-up is for.
        QTest::newRow("vytvořený, neuložený") << dva << eva << nic << false << eva;
        QTest::newRow("vytvořený a uložený") << dva << eva << nic << true << nic;
        QTest::newRow("odebraný, neuložený") << dva << nic << jan << false << nic;
        QTest::newRow("odebraný a uložený") << dva << nic << jan << true << jan;
        // Exact names: "jan" is not "Jan", and a quote in a name is only a character of it.
        QTest::newRow("jiná velikost písmen") << dva << QStringList{QStringLiteral("jan")} << nic << false
                                              << QStringList{QStringLiteral("jan")};
        QTest::newRow("uvozovka ve jméně") << dva << QStringList{QStringLiteral("x' OR '1'='1")} << nic << false
                                           << QStringList{QStringLiteral("x' OR '1'='1")};
    }

    // A whole run as the main window goes through it: the start reads config.ini, the settings dialog
    // creates and removes profiles, perhaps a save, then the close deletes what the run knows is gone.
    void uklidPriZavreni()
    {
        QFETCH(QByteArray, soubor);
        QFETCH(QStringList, vytvorene);
        QFETCH(QStringList, odebrane);
        QFETCH(bool, ulozit);
        QFETCH(QStringList, smazane);
        m_dir = std::make_unique<Pomocnik::Adresar>(m_vzor.path());
        m_cesta = m_dir->Soubor(QStringLiteral("config.ini"));
        const QMap<QString, QByteArray> pred = Pomocnik::Snimek();
        if (soubor != "-")
            QVERIFY(Zapsat(m_cesta, soubor));

        Konfigurace k;
        QString chyba;
        QVERIFY2(NacistKonfiguraci(m_cesta, k, &chyba), qPrintable(chyba));
        QStringList ulozene = k.Profily;
        const QStringList znama = k.Profily + vytvorene;
        k.Profily += vytvorene;
        for (const QString &jmeno : odebrane)
            k.Profily.removeAll(jmeno);
        if (ulozit) {
            QVERIFY(Ulozit(k));
            ulozene = k.Profily;
        }

        QCOMPARE(ProfilyKeSmazani(znama, ulozene), smazane);
        for (const QString &jmeno : ProfilyKeSmazani(znama, ulozene))
            for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")})
                SmazatZaznamyProfilu(tabulka, jmeno);

        QStringList zbyle = m_jmenaVTabulkach, texty;
        for (const QString &jmeno : smazane)
            zbyle.removeAll(jmeno);
        for (const QString &jmeno : zbyle)
            texty << QStringLiteral("výsledek ") + jmeno;
        for (const QString &tabulka : {QStringLiteral("Vysledky"), QStringLiteral("Protokoly")}) {
            if (smazane.isEmpty())
                for (const char *pripona : {".DB", ".MB"})
                    QCOMPARE(Obsah(tabulka + QLatin1String(pripona)), pred.value(tabulka + QLatin1String(pripona)));
            Tabulka t(tabulka);
            t.Otevrit(true);
            QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Profil")), zbyle);
            QCOMPARE(Pomocnik::HodnotyPole(t, QStringLiteral("Text")), texty);
        }
    }

    // No file: the defaults, whatever the settings held; saved, the whole file of a new program.
    void bezSouboruVychoziAUlozeniCelehoSouboru()
    {
        Konfigurace k;
        k.ZvolenaSkupina = QStringLiteral("C");
        k.Profily = {QStringLiteral("x")};
        QString chyba;
        QVERIFY(NacistKonfiguraci(m_cesta, k, &chyba));
        QCOMPARE(Popis(k), QStringLiteral("1111111 000 110 B 1:Default Default"));
        QVERIFY(Ulozit(k));
        QCOMPARE(Obsah(m_cesta), VychoziSoubor);
        QCOMPARE(Popis(Nacist()), Vychozi);
    }

    // What a file reads as: missing keys, counts without names or out of range, the order of
    // questions from an older program's file (its two keys) and from ours (the third).
    void cteni_data()
    {
        QTest::addColumn<QByteArray>("soubor");
        QTest::addColumn<QString>("precteno");
        const QByteArray profil = "[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n";
        QTest::newRow("prázdný") << QByteArray() << BezKlicu;
        QTest::newRow("jen skupina") << QByteArray("[Skupina]\r\nSkupina=D\r\n") << QStringLiteral("1111111 111 110 D 1: ");
        QTest::newRow("chybí skupina") << "[Protokoly]\r\nTest=0\r\n" + profil
                                       << QStringLiteral("1111111 110 110  1:Default Default");
        // The missing names read as empty ones, the second of them one profile with the first.
        QTest::newRow("počet bez jmen") << QByteArray("[Profily]\r\nPocet=3\r\n1=Jana\r\n4=navic\r\n")
                                        << QStringLiteral("1111111 111 110  2:Jana| ");
        QByteArray ctyricet;
        QStringList jmena;
        for (int i = 1; i <= 40; ++i) {
            ctyricet += QByteArray::number(i) + "=P" + QByteArray::number(i) + "\r\n";
            jmena << QStringLiteral("P%1").arg(i);
        }
        for (const auto &[pocet, jmen] : std::initializer_list<std::pair<const char *, int>>{
                 {"31", 30}, {"1000", 30}, {"0", 1}, {"-5", 1}, {"dva", 1}})
            QTest::newRow(pocet) << "[Profily]\r\nPocet=" + QByteArray(pocet) + "\r\n" + ctyricet
                                 << QStringLiteral("1111111 111 110  %1:%2 ").arg(jmen).arg(jmena.mid(0, jmen).join(u'|'));
        const auto poradi = [&profil](const char *radky) { return "[Konfigurace]\r\n" + QByteArray(radky) + profil; };
        QTest::newRow("starší, náhodně") << poradi("Postupny vyber otazek=0\r\n") << QStringLiteral("1111111 111 100  1:Default Default");
        QTest::newRow("starší, postupně") << poradi("Stavovy radek=0\r\n") << QStringLiteral("1111111 111 010  1:Default Default");
        QTest::newRow("podle paměti") << poradi("Postupny vyber otazek=0\r\nVyber podle pameti=1\r\n")
                                      << QStringLiteral("1111111 111 101  1:Default Default");
        QTest::newRow("postupně uloženo později") << poradi("Postupny vyber otazek=1\r\nVyber podle pameti=1\r\n")
                                                  << QStringLiteral("1111111 111 110  1:Default Default");
        QTest::newRow("nečíslo") << poradi("Postupny vyber otazek=0\r\nVyber podle pameti=ano\r\n")
                                 << QStringLiteral("1111111 111 100  1:Default Default");
    }

    void cteni()
    {
        QFETCH(QByteArray, soubor);
        QFETCH(QString, precteno);
        QVERIFY(Zapsat(m_cesta, soubor));
        QCOMPARE(Popis(Nacist()), precteno);
    }

    void tricetProfilu()
    {
        // The old file holds more names than the new list: the stale ones must go.
        QVERIFY(Zapsat(m_cesta, "[Profily]\r\nPocet=2\r\n1=a\r\n2=b\r\n31=zbytek\r\nJiny=x\r\n"));
        Konfigurace k;
        k.Profily.clear();
        QByteArray profily = "[Profily]\r\nPocet=30\r\n";
        for (int i = 1; i <= MaxProfilu; ++i) {
            k.Profily.append(QStringLiteral("Profil %1").arg(i));
            profily += QByteArray::number(i) + "=Profil " + QByteArray::number(i) + "\r\n";
        }
        k.AktivniProfil = QStringLiteral("Profil 17");
        QVERIFY(Ulozit(k));
        QVERIFY(Obsah(m_cesta).endsWith(profily + "Aktivni=Profil 17\r\n\r\n"));
        QCOMPARE(Popis(Nacist()), Popis(k));

        k.Profily.append(QStringLiteral("Profil 31"));
        Odmitnuto(k, {QStringLiteral("31")}, Obsah(m_cesta));
    }

    void priznakyVelikostPismenAHex()
    {
        QVERIFY(Zapsat(m_cesta, "[KATEGORIE OTAZEK]\r\npravidla PROVOZU=0x0\r\nRidicke opravneni=0x10\r\nSilnicni zakon=ne\r\n"
                                "Zdravoveda=0\r\nPodminky provozu=-1\r\nZnacky=0.0\r\nKrizovatky=0X0\r\n"
                                "[protokoly]\r\nPROCVICOVANI=0\r\nzkouseni=\r\nTest=0x1F\r\n"
                                "[konfigurace]\r\nSTAVOVY RADEK=0\r\npostupny VYBER otazek=00\r\nvyber podle PAMETI=0x1\r\n"
                                "[SKUPINA]\r\nskupina=A1\r\n"
                                "[profily]\r\npocet=0x2\r\n1=Jana\r\n2=Petr\r\naktivni=Petr\r\n"));
        // Values that are no integer ("ne", "0.0", empty) count as missing, which means on.
        const Konfigurace k = Nacist();
        QCOMPARE(Popis(k), QStringLiteral("0110110 011 001 A1 2:Jana|Petr Petr"));

        // A save overwrites the keys where they stand, in their own spelling, without adding twins;
        // order by memory writes number order off, for a program that knows only the older two.
        QVERIFY(Ulozit(k));
        QCOMPARE(Obsah(m_cesta), QByteArray("[KATEGORIE OTAZEK]\r\npravidla PROVOZU=0\r\nRidicke opravneni=1\r\nSilnicni zakon=1\r\n"
                                            "Zdravoveda=0\r\nPodminky provozu=1\r\nZnacky=1\r\nKrizovatky=0\r\n\r\n"
                                            "[protokoly]\r\nPROCVICOVANI=0\r\nzkouseni=1\r\nTest=1\r\n\r\n"
                                            "[konfigurace]\r\nSTAVOVY RADEK=0\r\npostupny VYBER otazek=0\r\nvyber podle PAMETI=1\r\n\r\n"
                                            "[SKUPINA]\r\nskupina=A1\r\n\r\n"
                                            "[Profily]\r\nPocet=2\r\n1=Jana\r\n2=Petr\r\nAktivni=Petr\r\n\r\n"));
        QCOMPARE(Popis(Nacist()), Popis(k));
    }

    void ceskaJmenaBajtPoBajtu()
    {
        Konfigurace k;
        k.Profily = {QStringLiteral("Default"), QStringLiteral("Šárka Žluťoučká")};
        k.AktivniProfil = QStringLiteral("Šárka Žluťoučká");
        QVERIFY(Ulozit(k));
        const QByteArray jmeno = "\x8a\xe1rka \x8elu\x9dou\xe8k\xe1";
        const QByteArray ulozeno = Obsah(m_cesta);
        QVERIFY(ulozeno.endsWith("[Profily]\r\nPocet=2\r\n1=Default\r\n2=" + jmeno + "\r\nAktivni=" + jmeno + "\r\n\r\n"));
        const Konfigurace zpet = Nacist();
        QCOMPARE(Popis(zpet), Popis(k));
        QVERIFY(Ulozit(zpet));
        QCOMPARE(Obsah(m_cesta), ulozeno);
    }

    void nezname_sekce_preziji()
    {
        QVERIFY(Zapsat(m_cesta, "Uvod=zahozen\r\n; komentar na zacatku\r\n"
                                "[Profily]\r\nPocet=1\r\n1=Default\r\nBarva=modra\r\nAktivni=Default\r\n\r\n"
                                "[Okno]\r\n  Sirka = 640  \r\n; komentar uvnitr\r\n\r\n\r\nVyska=480\r\n"
                                "[Skupina]\r\nPismo=Arial \x8e\r\nSkupina=AM\r\n"
                                "[Posledni]\r\n"));
        Konfigurace k = Nacist();
        QCOMPARE(k.ZvolenaSkupina, QStringLiteral("AM"));
        k.ZvolenaSkupina = QStringLiteral("T");
        k.PovoleneKategorie[5] = false;
        QVERIFY(Ulozit(k));
        // Known sections missing from the old file follow the unknown ones in the order of a new file.
        QCOMPARE(Obsah(m_cesta),
                 QByteArray("[Okno]\r\nSirka=640\r\nVyska=480\r\n\r\n"
                            "[Skupina]\r\nPismo=Arial \x8e\r\nSkupina=T\r\n\r\n"
                            "[Posledni]\r\n\r\n"
                            "[Kategorie otazek]\r\nPravidla provozu=1\r\nRidicke opravneni=1\r\nSilnicni zakon=1\r\n"
                            "Zdravoveda=1\r\nPodminky provozu=1\r\nZnacky=0\r\nKrizovatky=1\r\n\r\n"
                            "[Protokoly]\r\nProcvicovani=1\r\nZkouseni=1\r\nTest=1\r\n\r\n"
                            "[Konfigurace]\r\nStavovy radek=1\r\nPostupny vyber otazek=1\r\nVyber podle pameti=0\r\n\r\n"
                            "[Profily]\r\nPocet=1\r\n1=Default\r\nAktivni=Default\r\n\r\n"));
    }

    // A name, active profile or group that would not read back the same is refused with the reason,
    // naming it, and the old file stays as it was with nothing beside it.
    void ulozeniJenTohoCoSeNacteStejne_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QString>("duvod");
        QTest::newRow("mezery okolo") << QStringLiteral(" Jan ") << QStringLiteral("mezerou");
        QTest::newRow("tabulator") << QStringLiteral("Jan\t") << QStringLiteral("tabulátorem");
        QTest::newRow("dlouhe") << QString(2048, u'J') << QStringLiteral("2047");
        QTest::newRow("zalomeni") << QStringLiteral("Jan\n") << QStringLiteral("zalomení");
        QTest::newRow("zalomeni a sekce") << QStringLiteral("Jana\r\n[Skupina]") << QStringLiteral("zalomení");
        QTest::newRow("mimo 1250") << QStringLiteral("Jan ☺") << QStringLiteral("Windows-1250");
        QTest::newRow("recky") << QStringLiteral("Ελένη") << QStringLiteral("Windows-1250");
    }

    void ulozeniJenTohoCoSeNacteStejne()
    {
        QFETCH(QString, jmeno);
        QFETCH(QString, duvod);
        QVERIFY(!ProfilNelzeUlozit(QStringLiteral("Jan")));
        QVERIFY(!ProfilNelzeUlozit(QString(2047, u'Ř')));
        const std::optional<QString> proc = ProfilNelzeUlozit(jmeno);
        QVERIFY(proc);
        QVERIFY2(proc->contains(QStringLiteral("Profil „") + jmeno.left(60)) && proc->contains(duvod), qPrintable(*proc));

        const QByteArray stary = "; rucne psany\r\n[Skupina]\r\nSkupina=C\r\n";
        QVERIFY(Zapsat(m_cesta, stary));
        Konfigurace k;
        k.Profily = {QStringLiteral("Default"), jmeno};
        QString chyba;
        QVERIFY(!Ulozit(k, &chyba));
        QCOMPARE(chyba, *proc);
        k.Profily = {QStringLiteral("Default")};
        k.AktivniProfil = jmeno;
        Odmitnuto(k, {jmeno.left(60)}, stary);
        k.AktivniProfil = QStringLiteral("Default");
        k.ZvolenaSkupina = jmeno;
        Odmitnuto(k, {QStringLiteral("Skupinu")}, stary);
    }

    void necitelnySoubor()
    {
        // A directory in place of the file exists but cannot be read.
        QVERIFY(QDir(m_dir->Cesta()).mkdir(QStringLiteral("config.ini")));
        Konfigurace k;
        k.ZvolenaSkupina = QStringLiteral("C");
        QString chyba;
        QVERIFY(!NacistKonfiguraci(m_cesta, k, &chyba));
        QVERIFY(chyba.contains(QDir::toNativeSeparators(m_cesta)));
        QCOMPARE(k.ZvolenaSkupina, QStringLiteral("C"));
        QVERIFY(!Ulozit(k, &chyba));
        QVERIFY(!chyba.isEmpty());
        QVERIFY(QFileInfo(m_cesta).isDir());
    }

    void adresarJenProCteni()
    {
        QVERIFY(Zapsat(m_cesta, VychoziSoubor));
        QFile adresar(m_dir->Cesta());
        const auto prava = adresar.permissions();
        QVERIFY(adresar.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto vratit = qScopeGuard([&] { adresar.setPermissions(prava); });
        if (Zapsat(m_dir->Soubor(QStringLiteral("zkouska")), "x"))
            QSKIP("this user may write into a read-only directory");
        Konfigurace k;
        k.ZvolenaSkupina = QStringLiteral("D");
        Odmitnuto(k, {QDir::toNativeSeparators(m_cesta)}, VychoziSoubor);
    }

    // Independent of the user's rights (the test may run as root): a file-size limit makes the
    // writing itself fail half-way, after the old file was read.
    void selhaniZapisuNechaStarySoubor()
    {
        const QByteArray stary = "[Skupina]\r\nSkupina=C\r\n";
        QVERIFY(Zapsat(m_cesta, stary));
        rlimit puvodni{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &puvodni), 0);
        rlimit maly = puvodni;
        maly.rlim_cur = 64;
        const auto puvodniSignal = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &maly), 0);
        QString chyba;
        const bool ulozeno = Ulozit(Konfigurace{}, &chyba);
        setrlimit(RLIMIT_FSIZE, &puvodni);
        std::signal(SIGXFSZ, puvodniSignal);

        QVERIFY(!ulozeno && !chyba.isEmpty());
        QCOMPARE(Obsah(m_cesta), stary);
        QCOMPARE(Pomocnik::Soubory(m_dir->Cesta()), QStringList{QStringLiteral("config.ini")});
    }

    void prilisVelkySouborSeNectANeprepise()
    {
        // Exactly the limit is still read.
        QByteArray obsah = "[Skupina]\r\nSkupina=C\r\n[Vypln]\r\n";
        obsah += QByteArray(MaxVelikostKonfigurace - obsah.size(), 'x');
        QVERIFY(Zapsat(m_cesta, obsah));
        QVERIFY(!KonfiguraceJePrilisVelka(m_cesta));
        QCOMPARE(Nacist().ZvolenaSkupina, QStringLiteral("C"));

        obsah += 'x';
        QVERIFY(Zapsat(m_cesta, obsah));
        QVERIFY(KonfiguraceJePrilisVelka(m_cesta));
        Konfigurace k;
        QString chyba;
        QVERIFY(!NacistKonfiguraci(m_cesta, k, &chyba));
        QVERIFY2(chyba.contains(QDir::toNativeSeparators(m_cesta)), qPrintable(chyba));
        QCOMPARE(Popis(k), Vychozi);
        Odmitnuto(k, {QDir::toNativeSeparators(m_cesta), QStringLiteral("odstraňte"), QStringLiteral("přejmenujte")}, obsah);
        QVERIFY(!KonfiguraceJePrilisVelka(m_dir->Soubor(QStringLiteral("neni.ini"))));
        QVERIFY(!KonfiguraceJePrilisVelka(m_dir->Cesta()));
    }
};

QTEST_GUILESS_MAIN(TestKonfigurace)
#include "tst_konfigurace.moc"
