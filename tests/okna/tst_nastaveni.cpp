// The settings dialog: what it shows, the profiles it creates and removes, and what OK, Storno and
// the close button leave in the program's settings and the main window.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/setup.h"
#include "logika/stav.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using Dialogy::Druh;

class TestNastaveni : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;

    static StavProgramu Stav()
    {
        StavProgramu s;
        s.PovoleneKategorie = {true, false, true, true, true, true, false};
        s.VytvaretProtokol = {true, false, true};
        s.ZvolenaSkupina = QStringLiteral("C");
        s.Profily = {QStringLiteral("Default"), QStringLiteral("Škola"), QStringLiteral("Adam")};
        s.AktivniProfil = QStringLiteral("Škola");
        return s;
    }

    static QComboBox *Combo(TNastaveni &d) { return Pomocnik::Prvek<QComboBox>(&d, "comboProfil"); }
    static QStringList Polozky(TNastaveni &d)
    {
        QStringList p;
        for (int i = 0; i < Combo(d)->count(); ++i)
            p << Combo(d)->itemText(i);
        return p;
    }
    static void Klik(TNastaveni &d, const char *jmeno) { Pomocnik::Prvek<QPushButton>(&d, jmeno)->click(); }
    static void Vytvorit(TNastaveni &d, const QVariant &odpoved)
    {
        Dialogy::Test::Odpovedet(odpoved);
        Klik(d, "btnVytvoritU");
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
    }

    void ovladaceVPoradiVytvoreni()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        const QStringList ocekavane{
            QStringLiteral("lbHvezda"), QStringLiteral("gbSkupina"), QStringLiteral("rbAM"), QStringLiteral("rbA1"),
            QStringLiteral("rbA"), QStringLiteral("rbB1"), QStringLiteral("rbB"), QStringLiteral("rbC"),
            QStringLiteral("rbD"), QStringLiteral("rbT"), QStringLiteral("gbZK"), QStringLiteral("cbPravidla"),
            QStringLiteral("cbOpravneni"), QStringLiteral("cbZakonDoprava"), QStringLiteral("cbZdravoveda"),
            QStringLiteral("cbPodminky"), QStringLiteral("cbZnacky"), QStringLiteral("cbKrizovatky"),
            QStringLiteral("stPozn"), QStringLiteral("gbProtokol"), QStringLiteral("cbProcvicovani"),
            QStringLiteral("cbZkouseni"), QStringLiteral("cbTest"), QStringLiteral("btnOK"), QStringLiteral("btnStormo"),
            QStringLiteral("gbProfil"), QStringLiteral("comboProfil"), QStringLiteral("btnVytvoritU"),
            QStringLiteral("btnVymazatU")};
        QStringList nalezene;
        for (QWidget *w : d.findChildren<QWidget *>())
            if (ocekavane.contains(w->objectName()))
                nalezene << w->objectName();
        QCOMPARE(nalezene, ocekavane);
        QCOMPARE(d.windowTitle(), QStringLiteral("Nastavení programu Semaforix"));
        QCOMPARE(Pomocnik::Prvek<QRadioButton>(&d, "rbC")->text(), QStringLiteral("C (C1, C+E, C1+E) *"));
        QCOMPARE(Pomocnik::Prvek<QCheckBox>(&d, "cbZakonDoprava")->text(),
                 QStringLiteral("Silniční zákon, silniční doprava a pojištění odpovědnosti"));
        QCOMPARE(Pomocnik::Prvek<QGroupBox>(&d, "gbProtokol")->title(), QStringLiteral("Vytvářet protokol u:"));
        QCOMPARE(Pomocnik::Prvek<QPushButton>(&d, "btnStormo")->text(), QStringLiteral("Storno"));
        // The group box at the top right of the category box, the protocol box below both.
        const QRect zk = Pomocnik::Prvek<QWidget>(&d, "gbZK")->geometry();
        const QRect skupina = Pomocnik::Prvek<QWidget>(&d, "gbSkupina")->geometry();
        const QRect protokol = Pomocnik::Prvek<QWidget>(&d, "gbProtokol")->geometry();
        QVERIFY(skupina.left() > zk.right() && protokol.top() > zk.bottom() && protokol.top() > skupina.bottom());
        QVERIFY(Pomocnik::Prvek<QWidget>(&d, "gbProfil")->geometry().top() > protokol.bottom());
    }

    void otevreniUkazeNastaveni()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        const char *kategorie[] = {"cbPravidla", "cbOpravneni", "cbZakonDoprava", "cbZdravoveda", "cbPodminky", "cbZnacky", "cbKrizovatky"};
        for (int k = 0; k < 7; ++k)
            QCOMPARE(Pomocnik::Prvek<QCheckBox>(&d, kategorie[k])->isChecked(), s.PovoleneKategorie[k]);
        QVERIFY(Pomocnik::Prvek<QCheckBox>(&d, "cbProcvicovani")->isChecked());
        QVERIFY(!Pomocnik::Prvek<QCheckBox>(&d, "cbZkouseni")->isChecked());
        QVERIFY(Pomocnik::Prvek<QCheckBox>(&d, "cbTest")->isChecked());
        QVERIFY(Pomocnik::Prvek<QRadioButton>(&d, "rbC")->isChecked());
        QVERIFY(!Pomocnik::Prvek<QRadioButton>(&d, "rbB")->isChecked());
        QCOMPARE(Combo(d)->currentText(), QStringLiteral("Škola"));
        QCOMPARE(Polozky(d), (QStringList{QStringLiteral("Adam"), QStringLiteral("Default"), QStringLiteral("Škola")}));
    }

    void okUlozi()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        Pomocnik::Prvek<QRadioButton>(&d, "rbT")->click();
        Pomocnik::Prvek<QCheckBox>(&d, "cbPravidla")->click();
        Pomocnik::Prvek<QCheckBox>(&d, "cbZkouseni")->click();
        Vytvorit(d, QStringLiteral("Čeněk"));
        QCOMPARE(Combo(d)->currentText(), QStringLiteral("Čeněk"));
        Klik(d, "btnOK");
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(s.ZvolenaSkupina, QStringLiteral("T"));
        QCOMPARE(s.PovoleneKategorie, (std::array<bool, 7>{false, false, true, true, true, true, false}));
        QCOMPARE(s.VytvaretProtokol, (std::array<bool, 3>{true, true, true}));
        QCOMPARE(s.Profily, (QStringList{QStringLiteral("Adam"), QStringLiteral("Čeněk"), QStringLiteral("Default"),
                                         QStringLiteral("Škola")}));
        QCOMPARE(s.AktivniProfil, QStringLiteral("Čeněk"));
        QVERIFY(s.ZnameProfily.contains(QStringLiteral("Čeněk")));
        QVERIFY(Dialogy::Test::Zobrazene().size() == 1); // the input box only
    }

    void stornoAZaviraciTlacitkoZapomenou()
    {
        for (bool storno : {true, false}) {
            StavProgramu s = Stav();
            const StavProgramu puvodni = s;
            TNastaveni d(s);
            d.show();
            Vytvorit(d, QStringLiteral("Jedna"));
            Vytvorit(d, QStringLiteral("Dva"));
            Klik(d, "btnVymazatU"); // "Dva" goes again
            Pomocnik::Prvek<QRadioButton>(&d, "rbA")->click();
            Pomocnik::Prvek<QCheckBox>(&d, "cbTest")->click();
            if (storno)
                Klik(d, "btnStormo");
            else
                d.close();
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(s.Profily, puvodni.Profily);
            QCOMPARE(s.ZnameProfily, puvodni.ZnameProfily);
            QCOMPARE(s.AktivniProfil, puvodni.AktivniProfil);
            QCOMPARE(s.ZvolenaSkupina, puvodni.ZvolenaSkupina);
            QCOMPARE(s.VytvaretProtokol, puvodni.VytvaretProtokol);
        }
    }

    void odmitnutiPriVytvareni()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        Vytvorit(d, QStringLiteral("Profil"));
        Dialogy::Test::Zobrazene();
        Vytvorit(d, QStringLiteral("Profil"));
        Vytvorit(d, QStringLiteral("PROFIL"));
        Vytvorit(d, QStringLiteral("šKOLA"));
        Vytvorit(d, QString());
        Vytvorit(d, QStringLiteral("Jan\nNovák"));
        Vytvorit(d, QVariant()); // cancelled: nothing more
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 11);
        const QString jiz = QStringLiteral("Tento profil je již vytvořen!");
        QCOMPARE(z[1].druh, Druh::Informace);
        QCOMPARE(z[1].text, jiz);
        QCOMPARE(z[3].text, jiz);
        QCOMPARE(z[5].text, jiz);
        QCOMPARE(z[7].druh, Druh::Chyba);
        QCOMPARE(z[7].text, QStringLiteral("Tento profil nelze vytvořit!"));
        QCOMPARE(z[9].druh, Druh::Chyba);
        QVERIFY(z[9].text.contains(QStringLiteral("zalomení řádku")));
        QCOMPARE(z[10].druh, Druh::Vstup);
        QCOMPARE(z[10].text, QStringLiteral("Nový profil:"));
        // After every refusal the dialog is as before: the name created first is still the choice.
        QCOMPARE(Combo(d)->currentText(), QStringLiteral("Profil"));
        QCOMPARE(Polozky(d).size(), 4);
    }

    void nejvyseTricetProfilu()
    {
        StavProgramu s = Stav();
        s.Profily = {QStringLiteral("Default")};
        for (int i = 2; i <= 29; ++i)
            s.Profily << QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0'));
        TNastaveni d(s);
        Vytvorit(d, QStringLiteral("Třicátý"));
        Vytvorit(d, QStringLiteral("Další"));
        Vytvorit(d, QStringLiteral("p05"));
        const QList<Dialogy::Zobrazeni> z = Dialogy::Test::Zobrazene();
        QCOMPARE(z.size(), 5);
        QCOMPARE(z[2].druh, Druh::Chyba);
        QCOMPARE(z[2].text, QStringLiteral("Nový profil nemohl být vytvořen!\nLze vytvořit pouze 30 profilů."));
        QCOMPARE(z[4].druh, Druh::Informace);
        Klik(d, "btnOK");
        QCOMPARE(s.Profily.size(), 30);
        QVERIFY(s.Profily.contains(QStringLiteral("Třicátý")));
    }

    void vstupPrijmeNejvyseTricetZnaku()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        const QString dlouhe = QStringLiteral("Řidičská škola Novák a synové, Praha");
        Vytvorit(d, dlouhe);
        Klik(d, "btnOK");
        QCOMPARE(s.AktivniProfil, dlouhe.left(30));
        QVERIFY(s.Profily.contains(dlouhe.left(30)));
    }

    void vymazani()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        // The base profile in any letter case is refused.
        Combo(d)->setEditText(QStringLiteral("dEFAULT"));
        Klik(d, "btnVymazatU");
        QCOMPARE(Dialogy::Test::Zobrazene().value(0).text, QStringLiteral("Nelze odstranit základní profil!"));
        QCOMPARE(Polozky(d).size(), 3);
        // A typed name that is not in the list: nothing removed, the base profile chosen.
        Combo(d)->setEditText(QStringLiteral("Nikdo"));
        Klik(d, "btnVymazatU");
        QCOMPARE(Polozky(d).size(), 3);
        QCOMPARE(Combo(d)->currentText(), QStringLiteral("Default"));
        // The active profile removed (typed in other case), then OK: the base profile is active.
        Combo(d)->setEditText(QStringLiteral("ŠKOLA"));
        Klik(d, "btnVymazatU");
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
        QCOMPARE(Polozky(d), (QStringList{QStringLiteral("Adam"), QStringLiteral("Default")}));
        Klik(d, "btnOK");
        QCOMPARE(s.AktivniProfil, QStringLiteral("Default"));
        QCOMPARE(s.Profily, (QStringList{QStringLiteral("Adam"), QStringLiteral("Default")}));
    }

    void napsaneJmenoAVybranyProfil()
    {
        StavProgramu s = Stav();
        {
            // A typed name that is not in the list: the profile chosen last becomes active.
            TNastaveni d(s);
            Combo(d)->setEditText(QStringLiteral("Neznámý"));
            Klik(d, "btnOK");
            QCOMPARE(s.AktivniProfil, QStringLiteral("Škola"));
        }
        {
            // Chosen from the list, then typed over: still the chosen one.
            TNastaveni d(s);
            const int adam = Combo(d)->findText(QStringLiteral("Adam"));
            Combo(d)->setCurrentIndex(adam);
            emit Combo(d)->activated(adam);
            Combo(d)->setEditText(QStringLiteral("Ad"));
            Klik(d, "btnOK");
            QCOMPARE(s.AktivniProfil, QStringLiteral("Adam"));
        }
        {
            // A name of the list typed in other case: the list's spelling becomes active.
            TNastaveni d(s);
            Combo(d)->setEditText(QStringLiteral("default"));
            Klik(d, "btnOK");
            QCOMPARE(s.AktivniProfil, QStringLiteral("Default"));
        }
    }

    void enterAEscapeVraceji()
    {
        StavProgramu s = Stav();
        TNastaveni d(s);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        for (Qt::Key klavesa : {Qt::Key_Return, Qt::Key_Escape}) {
            Combo(d)->setEditText(QStringLiteral("Něco jiného"));
            QTest::keyClick(Combo(d), klavesa);
            QCOMPARE(Combo(d)->currentText(), QStringLiteral("Škola"));
            QCOMPARE(Combo(d)->lineEdit()->selectedText(), QStringLiteral("Škola"));
            // Neither key confirms nor closes the dialog.
            QVERIFY(d.isVisible());
            QCOMPARE(Polozky(d).size(), 3);
        }
        QCOMPARE(s.AktivniProfil, QStringLiteral("Škola"));
    }

    void prazdnaSkupina()
    {
        StavProgramu s = Stav();
        s.ZvolenaSkupina.clear();
        TNastaveni d(s);
        for (QRadioButton *rb : d.findChildren<QRadioButton *>())
            QVERIFY(!rb->isChecked());
        Klik(d, "btnOK");
        QCOMPARE(s.ZvolenaSkupina, QString());
    }

    void hlavniOknoNasleduje()
    {
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
        THlavniFormular okno;
        okno.show();
        bool videno = false;
        QPoint centr;
        QTimer::singleShot(0, this, [&] {
            auto *d = okno.findChild<TNastaveni *>();
            if (!d)
                return;
            videno = d->isVisible();
            // Centred over the main window (the frame is not known before the dialog is shown).
            centr = d->frameGeometry().center() - okno.frameGeometry().center();
            Vytvorit(*d, QStringLiteral("Škola"));
            Pomocnik::Prvek<QRadioButton>(d, "rbC")->click();
            Pomocnik::Prvek<QCheckBox>(d, "cbKrizovatky")->click();
            Klik(*d, "btnOK");
        });
        Pomocnik::Prvek<QAction>(&okno, "M1Nastaveni")->trigger();
        QVERIFY(videno);
        QVERIFY(qAbs(centr.x()) <= 3 && qAbs(centr.y()) <= 3);
        QVERIFY(!okno.findChild<TNastaveni *>()); // destroyed when closed
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu1")->text(), QStringLiteral("Škola"));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu2")->text(), QStringLiteral("Skupina: C"));
        QCOMPARE(Pomocnik::Prvek<QAction>(&okno, "M1Skupina")->text(), QStringLiteral("Zvolená skupina: C"));
        QCOMPARE(okno.Stav().PovoleneKategorie[6], false);
        QVERIFY(Pomocnik::Prvek<QAction>(&okno, "M1Procvicovat")->isEnabled());

        // Every category off: practice and examination are no longer offered.
        QTimer::singleShot(0, this, [&] {
            auto *d = okno.findChild<TNastaveni *>();
            if (!d)
                return;
            for (QCheckBox *cb : Pomocnik::Prvek<QWidget>(d, "gbZK")->findChildren<QCheckBox *>())
                cb->setChecked(false);
            Klik(*d, "btnOK");
        });
        Pomocnik::Prvek<QAction>(&okno, "M1Nastaveni")->trigger();
        QVERIFY(!Pomocnik::Prvek<QAction>(&okno, "M1Procvicovat")->isEnabled());
        QVERIFY(!Pomocnik::Prvek<QAction>(&okno, "M1Zkouset")->isEnabled());
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "PanelStavu1")->text(), QStringLiteral("Škola"));
    }
};

QTEST_MAIN(TestNastaveni)
#include "tst_nastaveni.moc"
