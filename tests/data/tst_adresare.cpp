// Where the program reads its data and keeps the learner's files: decided once at start, asked by
// the table store and the bank. A learner's directory that cannot be made is tst_instalace's.
#include "adresar.h"
#include "instalace.h"
#include "malabanka.h"
#include "tabulky.h"

#include "data/adresare.h"
#include "data/banka.h"
#include "data/tabulka.h"

#include <QTest>

using Pomocnik::Zapsat;

class TestAdresare : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Adresare::Nastavit({}); }

    void rozhodnuti()
    {
        Pomocnik::Instalace i;
        const QString domov = i.Uzivatel();

        const auto rozhodnuti = [&](bool lzeZapisovat) {
            const Adresare::Rozmisteni r = Adresare::Rozhodnout(i.Program(), lzeZapisovat, domov);
            return std::make_tuple(r.data, r.uzivatel, r.prenosne, r.moduly);
        };
        // No bank anywhere: the program's directory, where the start reports the missing bank.
        QCOMPARE(rozhodnuti(true), std::make_tuple(i.Program(), i.Program(), true, i.Program()));

        // Installed: the bank under share/semaforix, the modules in the package's own directory under
        // lib. The executable's directory gets nothing even when this user may write there (root may).
        QVERIFY(Zapsat(i.Data() + QStringLiteral("/otazky.DB"), {}));
        const QString moduly = QDir::cleanPath(i.Program() + u'/' + Adresare::InstalovaneModuly);
        QVERIFY(moduly.startsWith(i.Cesta(QStringLiteral("usr/lib/"))) && moduly.endsWith(QStringLiteral("/semaforix")));
        QCOMPARE(rozhodnuti(true), std::make_tuple(i.Data(), domov, false, moduly));

        // A program folder with its own bank works in itself, even beside an installed copy...
        QVERIFY(Zapsat(i.Program() + QStringLiteral("/otazky.DB"), {}));
        QCOMPARE(rozhodnuti(true), std::make_tuple(i.Program(), i.Program(), true, i.Program()));
        // ...and on a read-only medium reads its own data and modules and keeps the learner's files
        // at home.
        QCOMPARE(rozhodnuti(false), std::make_tuple(i.Program(), domov, false, i.Program()));
    }

    void zkouskaZapisu()
    {
        QTemporaryDir d;
        QVERIFY(Adresare::LzeVytvoritSoubor(d.path()));
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(!Adresare::LzeVytvoritSoubor(d.filePath(QStringLiteral("neni"))));
        QVERIFY(Zapsat(d.filePath(QStringLiteral("soubor")), {}));
        QVERIFY(!Adresare::LzeVytvoritSoubor(d.filePath(QStringLiteral("soubor"))));

        // A refusal no permission overrides, root's neither: a directory under a regular file.
        QVERIFY(!Adresare::LzeVytvoritSoubor(d.filePath(QStringLiteral("soubor/adresar"))));
        QCOMPARE(QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{QStringLiteral("soubor")});
    }

    void tabulkyUzivateleABankaZDat()
    {
        Pomocnik::Instalace i;
        QDir::setCurrent(i.Data());
        Pomocnik::ZapsatMalouBanku({Pomocnik::Zaznam(1), Pomocnik::Zaznam(2)});
        QDir::setCurrent(i.Jinde());
        i.Pouzit();
        QCOMPARE(Adresare::Zdroj(QStringLiteral("grafika\\yes.jpg")), i.Data() + QStringLiteral("/grafika/yes.jpg"));
        QCOMPARE(Adresare::Uzivatele(QStringLiteral("config.ini")), i.Uzivatel() + QStringLiteral("/config.ini"));
        QCOMPARE(Adresare::Zdroj(i.Cesta(QStringLiteral("x.jpg"))), i.Cesta(QStringLiteral("x.jpg")));
        QCOMPARE(Adresare::Modul(QStringLiteral("prehled.so")),
                 QDir::cleanPath(i.Program() + u'/' + Adresare::InstalovaneModuly + QStringLiteral("/prehled.so")));
        // Undecided, a module is still named by its full path, never searched for by the loader.
        Adresare::Nastavit({});
        QCOMPARE(Adresare::Modul(QStringLiteral("prehled.so")), QDir(i.Jinde()).filePath(QStringLiteral("prehled.so")));
        i.Pouzit();

        BankaOtazek banka;
        banka.Otevrit();
        QVERIFY(banka.OtazkaExistuje(2));

        // Any table by its name is the learner's; their directory comes with the first one.
        const QStringList pred = i.Soubory();
        QVERIFY(!Tabulka::Existuje(QStringLiteral("Odpovedi")));
        Pomocnik::TabulkaProfilu(QStringLiteral("Odpovedi"), {QStringLiteral("Eva")});
        QVERIFY(Tabulka::Existuje(QStringLiteral("Odpovedi")));
        QCOMPARE(i.Pribylo(pred), (QStringList{QStringLiteral("domov/.local/share/semaforix/Odpovedi.DB"),
                                                QStringLiteral("domov/.local/share/semaforix/Odpovedi.MB")}));
    }
};

QTEST_GUILESS_MAIN(TestAdresare)
#include "tst_adresare.moc"
