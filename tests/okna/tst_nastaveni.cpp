// The settings dialog: what it shows, the profiles it creates and removes, and what OK, Storno and
// the close button leave in the program's settings and the main window. The rules of the profile
// list are tst_profily's.
#include "popisky.h"

#include "app/setup.h"
#include "data/konfigurace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using Pomocnik::Prvek;

namespace {

// What the dialog works on: the settings, and the names this run knows.
struct Nastaveni : Konfigurace {
    QStringList ZnameProfily{QStringLiteral("Default")};
};

Nastaveni Stav()
{
    Nastaveni s;
    s.PovoleneKategorie = {true, false, true, true, true, true, false};
    s.VytvaretProtokol = {true, false, true};
    s.ZvolenaSkupina = QStringLiteral("C");
    s.Profily = {QStringLiteral("Default"), QStringLiteral("Škola"), QStringLiteral("Adam")};
    s.AktivniProfil = QStringLiteral("Škola");
    return s;
}

QComboBox *Combo(QWidget *d) { return Prvek<QComboBox>(d, "comboProfil"); }

QStringList Polozky(QWidget *d)
{
    QStringList p;
    for (int i = 0; i < Combo(d)->count(); ++i)
        p << Combo(d)->itemText(i);
    return p;
}

void Klik(QWidget *d, const char *jmeno) { Prvek<QPushButton>(d, jmeno)->click(); }

void Vytvorit(QWidget *d, const QVariant &odpoved)
{
    Dialogy::Test::Odpovedet(odpoved);
    Klik(d, "btnVytvoritU");
}

} // namespace

class TestNastaveni : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
    }

    // The dialog shows the settings, its boxes where the user looks for them; OK stores what was
    // changed, the profile created last becoming active.
    void otevreniAOk()
    {
        Nastaveni s = Stav();
        TNastaveni d(s, s.ZnameProfily);
        QCOMPARE(d.windowTitle(), QStringLiteral("Nastavení programu Semaforix"));
        QCOMPARE(Pomocnik::Texty(&d, "rbC cbZakonDoprava btnStormo"),
                 QStringLiteral("C (C1, C+E, C1+E) * | Silniční zákon, silniční doprava a pojištění odpovědnosti | Storno"));
        QCOMPARE(Prvek<QGroupBox>(&d, "gbProtokol")->title(), QStringLiteral("Vytvářet protokol u:"));
        // The group box at the top right of the category box, the protocol box below both.
        const QRect zk = Prvek(&d, "gbZK")->geometry(), skupina = Prvek(&d, "gbSkupina")->geometry();
        const QRect protokol = Prvek(&d, "gbProtokol")->geometry();
        QVERIFY(skupina.left() > zk.right() && protokol.top() > zk.bottom() && protokol.top() > skupina.bottom());
        QVERIFY(Prvek(&d, "gbProfil")->geometry().top() > protokol.bottom());

        const char *kategorie[] = {"cbPravidla", "cbOpravneni", "cbZakonDoprava", "cbZdravoveda", "cbPodminky", "cbZnacky", "cbKrizovatky"};
        for (int k = 0; k < 7; ++k)
            QCOMPARE(Prvek<QCheckBox>(&d, kategorie[k])->isChecked(), s.PovoleneKategorie[k]);
        QCOMPARE(QList<bool>({Prvek<QCheckBox>(&d, "cbProcvicovani")->isChecked(), Prvek<QCheckBox>(&d, "cbZkouseni")->isChecked(),
                              Prvek<QCheckBox>(&d, "cbTest")->isChecked()}),
                 QList<bool>({true, false, true}));
        QVERIFY(Prvek<QRadioButton>(&d, "rbC")->isChecked() && !Prvek<QRadioButton>(&d, "rbB")->isChecked());
        QCOMPARE(Combo(&d)->currentText(), QStringLiteral("Škola"));
        QCOMPARE(Polozky(&d), (QStringList{QStringLiteral("Adam"), QStringLiteral("Default"), QStringLiteral("Škola")}));

        Prvek<QRadioButton>(&d, "rbT")->click();
        Prvek<QCheckBox>(&d, "cbPravidla")->click();
        Prvek<QCheckBox>(&d, "cbZkouseni")->click();
        Vytvorit(&d, QStringLiteral("Čeněk"));
        QCOMPARE(Combo(&d)->currentText(), QStringLiteral("Čeněk"));
        Klik(&d, "btnOK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("T"));
        QCOMPARE(s.PovoleneKategorie, (std::array<bool, 7>{false, false, true, true, true, true, false}));
        QCOMPARE(s.VytvaretProtokol, (std::array<bool, 3>{true, true, true}));
        QCOMPARE(s.Profily, (QStringList{QStringLiteral("Adam"), QStringLiteral("Čeněk"), QStringLiteral("Default"), QStringLiteral("Škola")}));
        QCOMPARE(s.AktivniProfil, QStringLiteral("Čeněk"));
        QVERIFY(s.ZnameProfily.contains(QStringLiteral("Čeněk")));
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Vstup: Nový profil:")});
    }

    void stornoAZaviraciTlacitkoZapomenou()
    {
        for (bool storno : {true, false}) {
            Nastaveni s = Stav();
            const Nastaveni puvodni = s;
            TNastaveni d(s, s.ZnameProfily);
            d.show();
            Vytvorit(&d, QStringLiteral("Jedna"));
            Vytvorit(&d, QStringLiteral("Dva"));
            Klik(&d, "btnVymazatU"); // "Dva" goes again
            Prvek<QRadioButton>(&d, "rbA")->click();
            Prvek<QCheckBox>(&d, "cbTest")->click();
            if (storno)
                Klik(&d, "btnStormo");
            else
                d.close();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(std::make_tuple(s.Profily, s.ZnameProfily, s.AktivniProfil, s.ZvolenaSkupina, s.VytvaretProtokol),
                     std::make_tuple(puvodni.Profily, puvodni.ZnameProfily, puvodni.AktivniProfil, puvodni.ZvolenaSkupina,
                                     puvodni.VytvaretProtokol));
        }
    }

    // Each refusal of the list told in its own kind of box, the dialog as before it; a cancelled
    // input box does nothing; the input box takes 30 characters; the thirtieth profile is the last.
    void vytvareniProfilu()
    {
        Nastaveni s = Stav();
        s.Profily = {QStringLiteral("Default")};
        for (int i = 2; i <= 28; ++i)
            s.Profily << QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0'));
        s.AktivniProfil = QStringLiteral("P07");
        TNastaveni d(s, s.ZnameProfily);
        for (const QVariant &odpoved : {QVariant(QStringLiteral("p05")), QVariant(QString()), QVariant(QStringLiteral("Jan\nNovák")),
                                        QVariant()})
            Vytvorit(&d, odpoved);
        QCOMPARE(Combo(&d)->currentText(), QStringLiteral("P07"));
        QCOMPARE(Polozky(&d).size(), 28);
        const QString dlouhe = QStringLiteral("Řidičská škola Novák a synové, Praha");
        for (const QString &jmeno : {QStringLiteral("Třicátý"), dlouhe, QStringLiteral("Další")})
            Vytvorit(&d, jmeno);
        const QString vstup = QStringLiteral("Vstup: Nový profil:");
        QCOMPARE(Pomocnik::Zpravy(), (QStringList{vstup, QStringLiteral("Informace: Tento profil je již vytvořen!"),
                                                  vstup, QStringLiteral("Chyba: Tento profil nelze vytvořit!"),
                                                  vstup, QStringLiteral("Chyba: ") + *ProfilNelzeUlozit(QStringLiteral("Jan\nNovák")),
                                                  vstup, vstup, vstup, vstup,
                                                  QStringLiteral("Chyba: Nový profil nemohl být vytvořen!\nLze vytvořit pouze 30 profilů.")}));
        Klik(&d, "btnOK");
        QCOMPARE(s.Profily.size(), 30);
        QVERIFY(s.Profily.contains(QStringLiteral("Třicátý")));
        QCOMPARE(s.AktivniProfil, dlouhe.left(30));
        QVERIFY(s.ZnameProfily.contains(dlouhe.left(30)));
    }

    void vymazani()
    {
        Nastaveni s = Stav();
        TNastaveni d(s, s.ZnameProfily);
        // The base profile in any letter case is refused.
        Combo(&d)->setEditText(QStringLiteral("dEFAULT"));
        Klik(&d, "btnVymazatU");
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Chyba: Nelze odstranit základní profil!")});
        QCOMPARE(Polozky(&d).size(), 3);
        // A typed name that is not in the list: nothing removed, the base profile chosen.
        Combo(&d)->setEditText(QStringLiteral("Nikdo"));
        Klik(&d, "btnVymazatU");
        QCOMPARE(Polozky(&d).size(), 3);
        QCOMPARE(Combo(&d)->currentText(), QStringLiteral("Default"));
        // The active profile removed (typed in other case), then OK: the base profile is active.
        Combo(&d)->setEditText(QStringLiteral("ŠKOLA"));
        Klik(&d, "btnVymazatU");
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
        QCOMPARE(Polozky(&d), (QStringList{QStringLiteral("Adam"), QStringLiteral("Default")}));
        Klik(&d, "btnOK");
        QCOMPARE(s.AktivniProfil, QStringLiteral("Default"));
        QCOMPARE(s.Profily, (QStringList{QStringLiteral("Adam"), QStringLiteral("Default")}));
    }

    // Which profile OK makes active after typing: a name not in the list keeps the one chosen last,
    // a name typed over a chosen one keeps that, a listed name in other case is the list's spelling.
    // Enter and Escape in the name only put the chosen profile back.
    void napsaneJmenoAVybranyProfil()
    {
        Nastaveni s = Stav();
        const auto ok = [&s](const std::function<void(QWidget *)> &pred) {
            TNastaveni d(s, s.ZnameProfily);
            pred(&d);
            Klik(&d, "btnOK");
            return s.AktivniProfil;
        };
        QCOMPARE(ok([](QWidget *d) { Combo(d)->setEditText(QStringLiteral("Neznámý")); }), QStringLiteral("Škola"));
        QCOMPARE(ok([](QWidget *d) {
                     const int adam = Combo(d)->findText(QStringLiteral("Adam"));
                     Combo(d)->setCurrentIndex(adam);
                     emit Combo(d)->activated(adam);
                     Combo(d)->setEditText(QStringLiteral("Ad"));
                 }),
                 QStringLiteral("Adam"));
        QCOMPARE(ok([](QWidget *d) { Combo(d)->setEditText(QStringLiteral("default")); }), QStringLiteral("Default"));

        TNastaveni d(s, s.ZnameProfily);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        for (Qt::Key klavesa : {Qt::Key_Return, Qt::Key_Escape}) {
            Combo(&d)->setEditText(QStringLiteral("Něco jiného"));
            QTest::keyClick(Combo(&d), klavesa);
            QCOMPARE(Combo(&d)->currentText(), QStringLiteral("Default"));
            QCOMPARE(Combo(&d)->lineEdit()->selectedText(), QStringLiteral("Default"));
            QVERIFY(d.isVisible()); // neither key confirms nor closes the dialog
            QCOMPARE(Polozky(&d).size(), 3);
        }
    }

    void prazdnaSkupina()
    {
        Nastaveni s = Stav();
        s.ZvolenaSkupina.clear();
        TNastaveni d(s, s.ZnameProfily);
        for (QRadioButton *rb : d.findChildren<QRadioButton *>())
            QVERIFY(!rb->isChecked());
        Klik(&d, "btnOK");
        QCOMPARE(s.ZvolenaSkupina, QString());
    }

    // From the main window: centred over it, destroyed when closed, the status bar and menu following
    // the settings; with every category off practice and examination are no longer offered.
    void hlavniOknoNasleduje()
    {
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
        THlavniFormular okno;
        okno.show();
        const auto nastavit = [&okno](const std::function<void(TNastaveni *)> &kontrola) {
            return Pomocnik::Otevrit<TNastaveni>([&okno] { Pomocnik::Akce(&okno, "M1Nastaveni")->trigger(); }, kontrola);
        };
        bool vycentrovano = false;
        QVERIFY(nastavit([&](TNastaveni *d) {
            vycentrovano = Pomocnik::Vycentrovano(d, &okno);
            Vytvorit(d, QStringLiteral("Škola"));
            Prvek<QRadioButton>(d, "rbC")->click();
            Prvek<QCheckBox>(d, "cbKrizovatky")->click();
            Klik(d, "btnOK");
        }));
        QVERIFY(vycentrovano);
        QVERIFY(!okno.findChild<TNastaveni *>());
        QCOMPARE(Pomocnik::Texty(&okno, "PanelStavu1 PanelStavu2 M1Skupina"), QStringLiteral("Škola | Skupina: C | Zvolená skupina: C"));
        QVERIFY(!okno.Stav().Nastaveni().PovoleneKategorie[6] && Pomocnik::Akce(&okno, "M1Procvicovat")->isEnabled());

        QVERIFY(nastavit([](TNastaveni *d) {
            for (QCheckBox *cb : Prvek(d, "gbZK")->findChildren<QCheckBox *>())
                cb->setChecked(false);
            Klik(d, "btnOK");
        }));
        QVERIFY(!Pomocnik::Akce(&okno, "M1Procvicovat")->isEnabled() && !Pomocnik::Akce(&okno, "M1Zkouset")->isEnabled());
        QCOMPARE(Pomocnik::Text(&okno, "PanelStavu1"), QStringLiteral("Škola"));
    }
};

QTEST_MAIN(TestNastaveni)
#include "tst_nastaveni.moc"
