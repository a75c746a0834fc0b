// The question view, the mode switch and browse mode of the main window.
#include "popisky.h"

#include "app/panelotazky.h"
#include "app/panelpomoc.h"
#include "app/panelprohlizeni.h"
#include "app/spintlacitko.h"
#include "data/adresare.h"
#include "okna/rozvrzeni.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

namespace {

const QString Vyrazena = QStringLiteral("Otázka vyřazena v srpnu 2001 či po novele zákona 247/00 Sb. v lednu 2002");

// A text of whole words that wraps into exactly `radku` lines at the width.
QString TextNaRadky(const QFont &pismo, int sirka, int radku)
{
    QString text;
    while (Rozvrzeni::PocetRadku(pismo, text + QStringLiteral(" slovo"), sirka) <= radku)
        text += QStringLiteral(" slovo");
    return text.trimmed();
}

} // namespace

class TestProhlizeni : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Program> m_program;
    QString m_triRadky;

    THlavniFormular &O() { return *m_program->okno; }
    template <typename T = QWidget>
    T *W(const char *jmeno) { return Pomocnik::Prvek<T>(&O(), jmeno); }
    QAction *A(const char *jmeno) { return Pomocnik::Prvek<QAction>(&O(), jmeno); }
    int Cislo() { return W<TPanelOtazky>("pOtazky")->Cislo(); }

    bool Viditelny(QWidget *w) { return w->isVisibleTo(&O()); }

    void Napsat(const QString &text, int klavesa = Qt::Key_Return)
    {
        W<QLineEdit>("eCisloO")->setText(text);
        QTest::keyClick(W<QLineEdit>("eCisloO"), static_cast<Qt::Key>(klavesa));
    }

private slots:
    void initTestCase()
    {
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(16);
        QCOMPARE(QFontMetrics(arial).lineSpacing(), Rozvrzeni::VyskaRadku);
        m_triRadky = TextNaRadky(arial, 580, 3);
    }

    void init()
    {
        QList<Banka::OtazkaZdroje> otazky = Pomocnik::Otazky({1, 2, 7, 8, 620, 621, 721, 756, 757});
        otazky[0].spravne = QStringLiteral("AC");
        otazky[1].a = m_triRadky;
        otazky[1].d.clear();
        otazky[1].poznamka.clear();
        m_program = std::make_unique<Pomocnik::Program>(otazky);
        O().show();
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void cleanup()
    {
        Adresare::Nastavit({});
        QCOMPARE(Dialogy::Test::Nezodpovezene(), 0);
        Dialogy::Test::Odpovedet(true);
        m_program.reset();
    }

    void vstupDoProhlizeni()
    {
        W<QLineEdit>("eCisloO")->setText(QStringLiteral("55"));
        QVERIFY(QTest::qWaitForWindowActive(&O()));
        A("M1Prohlizet")->trigger();
        QCOMPARE(W<QLineEdit>("eCisloO")->text(), QStringLiteral("1"));
        // The focus in the number field, its 1 replaced by what is typed.
        QCOMPARE(QApplication::focusWidget(), W<QLineEdit>("eCisloO"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(W<QLabel>("lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 7"));
        Napsat(QStringLiteral("1"));
        QCOMPARE(Pomocnik::Texty(&O(), "lbCisloOtazky stOtazka stPoznamka"),
                 QStringLiteral("Otázka číslo 1 | Otázka 1? | Poznámka 1."));
        QVERIFY(Viditelny(W<QLabel>("stPoznamka")) && Viditelny(W<TPanelProhlizeni>("pProhlizeni")));
        QVERIFY(Viditelny(W<QLabel>("imgA")) && !Viditelny(W<QLabel>("imgB")));
        QVERIFY(Viditelny(W<QLabel>("imgC")) && !Viditelny(W<QLabel>("imgD")));
        QVERIFY(!W<QLabel>("imgA")->pixmap().isNull());
        QVERIFY(A("M1Prohlizet")->isChecked());
        QVERIFY(!Viditelny(W<QStatusBar>("StavovyRadek1")) && !Viditelny(W<QLabel>("imgPozadi")));
        for (const char *jmeno : Pomocnik::Menu1)
            QVERIFY(!A(jmeno)->isVisible());
        QVERIFY(A("M2KonecRezimu")->isVisible() && A("M2oProgramu")->isVisible());
        QVERIFY(!A("M2OznacSpravne")->isVisible());
        // The question above the information panel, the two filling the window between them.
        const QRect otazky = W("pOtazky")->geometry(), pomoc = W("pPomoc")->geometry();
        QVERIFY(otazky.bottom() < pomoc.top() && otazky.united(pomoc) == W("Klient")->rect());

        // Ending browse asks nothing and restores the idle screen with its status bar.
        A("M2KonecRezimu")->trigger();
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
        QVERIFY(!Viditelny(W<TPanelOtazky>("pOtazky")) && Viditelny(W<QStatusBar>("StavovyRadek1")) && Viditelny(W<QLabel>("imgPozadi")));
        QVERIFY(!A("M1Prohlizet")->isChecked());
        for (const char *jmeno : Pomocnik::Menu1)
            QVERIFY(A(jmeno)->isVisible());

        // Without its check mark the status bar stays hidden after a mode.
        A("M1StavovyRadek")->trigger();
        A("M1Prohlizet")->trigger();
        A("M2KonecRezimu")->trigger();
        QVERIFY(!Viditelny(W<QStatusBar>("StavovyRadek1")));
    }

    // What the user sees of a question's texts: stacked top down without gaps, a wrapped answer as
    // high as its lines, each letter and mark on its answer's first line, an empty answer taking no
    // room and showing no letter; a sign or a crossroad beside the texts, which give way to it, all
    // but the note, which is never narrowed.
    void rozvrzeniTextu()
    {
        A("M1Prohlizet")->trigger();
        O().ZobrazitOtazku(2);
        auto *stOtazka = W<QLabel>("stOtazka"), *stA = W<QLabel>("stA"), *stB = W<QLabel>("stB"), *stD = W<QLabel>("stD");
        auto *poznamka = W<QLabel>("stPoznamka"), *obrazek = W<QLabel>("imgObrazek");
        QCOMPARE(stA->height(), 3 * stOtazka->height());
        QCOMPARE(Pomocnik::Prekryvy(W("pOtazky")), QStringList()); // no text over a letter or a mark
        QVERIFY(stA->y() > stOtazka->geometry().bottom());
        QCOMPARE(stB->y(), stA->geometry().bottom() + 1);
        QCOMPARE(std::make_pair(W<QLabel>("lbB")->y(), W<QLabel>("imgB")->y()), std::make_pair(stB->y(), stB->y()));
        QCOMPARE(stD->height(), 0);
        QVERIFY(!Viditelny(W<QLabel>("lbD")) && Viditelny(W<QLabel>("lbC")));
        QCOMPARE(poznamka->height(), 0);
        QVERIFY(poznamka->y() > stD->y());
        QVERIFY(!Viditelny(obrazek));

        O().ZobrazitOtazku(620);
        QVERIFY(!Viditelny(obrazek));
        const int otazka = stOtazka->width(), odpoved = stA->width(), sirkaPoznamky = poznamka->width();
        for (const auto &[cislo, velikost] : {std::pair{621, QSize(96, 96)}, std::pair{721, QSize(300, 175)}}) {
            O().ZobrazitOtazku(cislo);
            QVERIFY(Viditelny(obrazek) && obrazek->size() == velikost);
            QVERIFY(W("pOtazky")->rect().contains(obrazek->geometry()));
            for (QLabel *text : {stOtazka, stA, stD})
                QVERIFY2(text->geometry().right() < obrazek->x()
                             && text->width() == (text == stOtazka ? otazka : odpoved) - velikost.width(),
                         qPrintable(text->objectName()));
            QVERIFY(poznamka->width() == sirkaPoznamky && poznamka->y() > obrazek->geometry().bottom());
        }
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void vyrazenaOtazkaANavrat()
    {
        A("M1Prohlizet")->trigger();
        O().ZobrazitOtazku(621);
        O().ZobrazitOtazku(5);
        QCOMPARE(W<TPanelOtazky>("pOtazky")->Titulek(), Vyrazena);
        QCOMPARE(W<QLabel>("lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 5"));
        QVERIFY(Viditelny(W<QLabel>("lbCisloOtazky")));
        QVERIFY(!Viditelny(W<QLabel>("stOtazka")) && !Viditelny(W<QLabel>("imgObrazek")));
        for (const char *jmeno : {"stA", "stB", "stC", "stD", "lbA", "lbB", "lbC", "lbD", "imgA", "imgB", "imgC", "imgD"})
            QVERIFY2(!Viditelny(W<QLabel>(jmeno)), jmeno);
        QVERIFY(W<QLabel>("stPoznamka")->text().isEmpty());
        auto *titulek = W<TPanelOtazky>("pOtazky")->findChild<QLabel *>(QStringLiteral("Titulek"));
        QVERIFY(Viditelny(titulek));
        QCOMPARE(titulek->alignment(), Qt::AlignCenter);

        O().ZobrazitOtazku(7);
        QVERIFY(W<TPanelOtazky>("pOtazky")->Titulek().isEmpty());
        QVERIFY(Viditelny(W<QLabel>("stOtazka")) && Viditelny(W<QLabel>("stD")) && Viditelny(W<QLabel>("imgA")));
        QCOMPARE(W<QLabel>("stPoznamka")->text(), QStringLiteral("Poznámka 7."));
    }

    // The number field's arrows and keys: each step puts a text in the field (none: as it is) and uses
    // a control; then the field's text and the question shown, a number the bank lacks with the notice
    // of a retired question. The arrows stop at 1 and 757 and do not skip retired numbers.
    void sipkyAEnter()
    {
        A("M1Prohlizet")->trigger();
        auto *sb1 = W<TSpinTlacitko>("sb1");
        const std::function<void()> nahoru = [sb1] { sb1->Nahoru()->click(); }, dolu = [sb1] { sb1->Dolu()->click(); };
        const std::function<void()> enter = [this] { QTest::keyClick(W("eCisloO"), Qt::Key_Return); };
        const std::function<void()> enterBloku = [this] { QTest::keyClick(W("eCisloO"), Qt::Key_Enter); };
        const QList<int> vBance{1, 2, 7, 8, 620, 621, 721, 756, 757};
        struct Krok {
            const char *text;
            std::function<void()> akce;
            const char *pole;
            int cislo;
        };
        for (const Krok &k : std::initializer_list<Krok>{{nullptr, dolu, "1", 1},        {nullptr, nahoru, "2", 2},
                                                         {"0", enter, "1", 1},            {"900", enter, "757", 757},
                                                         {nullptr, nahoru, "757", 757},   {nullptr, dolu, "756", 756},
                                                         {"007", enterBloku, "007", 7},   {"0", nahoru, "1", 1},
                                                         {"900", dolu, "899", 899},       {"10", dolu, "9", 9},
                                                         {nullptr, dolu, "8", 8}}) {
            if (k.text)
                W<QLineEdit>("eCisloO")->setText(QString::fromLatin1(k.text));
            k.akce();
            QCOMPARE(std::make_pair(W<QLineEdit>("eCisloO")->text(), Cislo()), std::make_pair(QString::fromLatin1(k.pole), k.cislo));
            QCOMPARE(W<QLabel>("lbCisloOtazky")->text(), QStringLiteral("Otázka číslo %1").arg(k.cislo));
            QCOMPARE(W<TPanelOtazky>("pOtazky")->Titulek(), vBance.contains(k.cislo) ? QString() : Vyrazena);
        }
        sb1->setFocus();
        for (const auto &[klavesa, cislo] : {std::pair{Qt::Key_Up, 9}, std::pair{Qt::Key_Space, 10}, std::pair{Qt::Key_Down, 9},
                                             std::pair{Qt::Key_Space, 8}}) {
            QTest::keyClick(sb1, klavesa);
            QCOMPARE(Cislo(), cislo);
        }
        QVERIFY(sb1->Nahoru()->autoRepeat() && sb1->Dolu()->autoRepeat()); // held down, the arrows go on
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // A text that is no number, whether Enter or an arrow meets it: the message, the text kept for
    // correcting, the question unchanged.
    void neplatnyText()
    {
        A("M1Prohlizet")->trigger();
        O().ZobrazitOtazku(7);
        for (const QString &text : {QStringLiteral("12a"), QStringLiteral("-3"), QStringLiteral(" 3"), QString(), QStringLiteral("99999999999")})
            for (auto akce : {0, 1, 2}) {
                W<QLineEdit>("eCisloO")->setText(text);
                if (akce == 0)
                    QTest::keyClick(W<QLineEdit>("eCisloO"), Qt::Key_Return);
                else
                    (akce == 1 ? W<TSpinTlacitko>("sb1")->Nahoru() : W<TSpinTlacitko>("sb1")->Dolu())->click();
                QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Chyba: \"%1\" není platná integer hodnota!").arg(text)});
                QCOMPARE(W<QLineEdit>("eCisloO")->text(), text);
                QCOMPARE(Cislo(), 7);
                QVERIFY(W<QLineEdit>("eCisloO")->hasFocus() || !QApplication::focusWindow());
            }
    }

private:
    // What the user sees of the information panel in a mode, at the program's own font: every label,
    // picture and line inside the panel and clear of every other, a text by 3 px more at its end (a
    // letter's ink reaches past its advance), the counters with their widest texts; the lines the
    // mode hides; the profile readable.
    void PomocJakoVRezimu(const char *skryteJmena)
    {
        const QStringList skryte = QString::fromLatin1(skryteJmena).split(u' ', Qt::SkipEmptyParts);
        auto *pomoc = W<TPanelPomoc>("pPomoc");
        QCOMPARE(QFontInfo(W<QLabel>("lbNic")->font()).family(), QStringLiteral("Liberation Sans"));
        QStringList pocitadla;
        for (const char *jmeno : {"lbCelkemOtazek", "lbZbyvaOtazek", "lbUspesnost"})
            pocitadla << W<QLabel>(jmeno)->text();
        pomoc->NastavitCelkem(757);
        pomoc->NastavitZbyva(757);
        pomoc->NastavitUspesnost(100);
        QList<QWidget *> videt;
        for (QFrame *w : pomoc->findChildren<QFrame *>())
            if (Viditelny(w))
                videt << w;
        // The five lines of practice with the reason touch without sharing a pixel; others keep one apart.
        const int svisle = Viditelny(W("lbDuvod")) && Viditelny(W("lbNapoveda")) ? 0 : 1;
        for (QWidget *w : std::as_const(videt)) {
            QVERIFY2(pomoc->contentsRect().contains(w->geometry()), qPrintable(w->objectName()));
            const auto *l = qobject_cast<QLabel *>(w);
            const int pravy = l && !l->text().isEmpty() ? 3 : 0;
            for (QWidget *jiny : std::as_const(videt))
                QVERIFY2(w == jiny || !w->geometry().adjusted(0, -svisle, pravy, svisle).intersects(jiny->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" / ") + jiny->objectName()));
        }
        pomoc->NastavitCelkem(pocitadla[0].section(u' ', -1).toInt());
        pomoc->NastavitZbyva(pocitadla[1].section(u' ', -1).toInt());
        pomoc->NastavitUspesnost(pocitadla[2].section(u' ', -1).chopped(1).toInt());

        for (const char *jmeno : {"lbJakNaTo", "lbSkupina", "lbNapoveda", "lbCelkemOtazek", "lbZbyvaOtazek", "lbUspesnost", "Cara1"})
            QCOMPARE(Viditelny(W(jmeno)), !skryte.contains(QString::fromLatin1(jmeno)));
        QCOMPARE(W<QLabel>("lbNic")->isEnabled(), !skryte.contains(QStringLiteral("Cara1"))); // greyed while browsing
        QVERIFY(W<QLabel>("lbAno")->isEnabled());

        // The whole name, or as much of it as fits, cut with "…"; whole in the tooltip.
        auto *uzivatel = W<QLabel>("lbUzivatel");
        const QString profil = O().Stav().AktivniProfil();
        const QString predpona = QStringLiteral("Aktivní profil uživatele: ");
        QVERIFY(uzivatel->text().startsWith(predpona));
        const QString jmeno = uzivatel->text().mid(predpona.size());
        QVERIFY2(jmeno == profil || (jmeno.endsWith(u'…') && jmeno.size() >= 11 && profil.startsWith(jmeno.chopped(1))),
                 qPrintable(jmeno));
        QCOMPARE(uzivatel->toolTip(), profil);
        QCOMPARE(uzivatel->accessibleDescription(), profil);
    }

private slots:
    void infoPanelPodleRezimu_data()
    {
        QTest::addColumn<QString>("profil");
        for (const char *profil : {"Default", "Jiří O'Neil", "Maximilian Wolfgang Novakovsky"})
            QTest::newRow(profil) << QString::fromUtf8(profil);
    }

    void infoPanelPodleRezimu()
    {
        QFETCH(QString, profil);
        O().Stav().Nastaveni().AktivniProfil = profil;
        A("M1Prohlizet")->trigger();
        PomocJakoVRezimu("lbJakNaTo lbSkupina lbNapoveda lbCelkemOtazek lbZbyvaOtazek lbUspesnost Cara1");
        // The profile line stands centred under the end-of-mode line, with the whole name.
        QCOMPARE(Pomocnik::Texty(&O(), "lbKonecRezimu lbUzivatel"),
                 QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\" | Aktivní profil uživatele: ") + profil);
        const QRect konec = W<QLabel>("lbKonecRezimu")->geometry(), uzivatel = W<QLabel>("lbUzivatel")->geometry();
        QVERIFY(qAbs(konec.center().x() - uzivatel.center().x()) <= 1);
        A("M2KonecRezimu")->trigger();

        O().ZacitOpravu({DruhBehu::Procvicovani, {7, 8}, QStringLiteral("B"), QStringLiteral("1")});
        PomocJakoVRezimu("");
        // The learning order's reason takes a line of its own, and gives it back.
        auto *pomoc = W<TPanelPomoc>("pPomoc");
        pomoc->NastavitDuvod(QStringLiteral("K opakování (jistota 100 %)"));
        QVERIFY(Viditelny(W("lbDuvod")));
        PomocJakoVRezimu("");
        pomoc->NastavitDuvod({});
        QVERIFY(!Viditelny(W("lbDuvod")));
        PomocJakoVRezimu("");
        QCOMPARE(W<QLabel>("lbSkupina")->text(), QStringLiteral("Skupina: B"));
        QVERIFY(A("M2OznacSpravne")->isVisible() && A("M1Procvicovat")->isChecked());
        QVERIFY(!A("M1Prohlizet")->isChecked() && !A("M1Zkouset")->isChecked());
        QVERIFY(!Viditelny(W<TPanelProhlizeni>("pProhlizeni")) && !Viditelny(W<QLabel>("stPoznamka")));
        QCOMPARE(W<QLabel>("lbUspesnost")->text(), QStringLiteral("Úspěšnost: 0%"));

        // Ending practice asks; No leaves the run untouched, Yes ends it.
        Dialogy::Test::Odpovedet(false);
        A("M2KonecRezimu")->trigger();
        QVERIFY(Viditelny(W<TPanelOtazky>("pOtazky")) && A("M1Procvicovat")->isChecked());
        QCOMPARE(W<QLabel>("lbCisloOtazky")->text(), QStringLiteral("Otázka číslo 7"));
        Dialogy::Test::Odpovedet(true);
        A("M2KonecRezimu")->trigger();
        QCOMPARE(Pomocnik::Zpravy(), QStringList(2, QStringLiteral("Otázka: Opravdu chcete skončit, i když úlohy nejsou dokončeny?")));
        QVERIFY(!Viditelny(W<TPanelOtazky>("pOtazky")) && !A("M1Procvicovat")->isChecked());
        QCOMPARE(O().AktivniRezim(), Rezim::Zadny);

        // An examination replay under another group: no hint, and the user's own group back at its end.
        O().ZacitOpravu({DruhBehu::Zkouseni, {7}, QStringLiteral("C"), QStringLiteral("1")});
        PomocJakoVRezimu("lbNapoveda");
        W<TPanelPomoc>("pPomoc")->NastavitDuvod(QStringLiteral("Naposledy chybně"));
        PomocJakoVRezimu("lbNapoveda");
        QCOMPARE(W<QLabel>("lbSkupina")->text(), QStringLiteral("Skupina: C"));
        QVERIFY(!A("M2OznacSpravne")->isVisible() && A("M1Zkouset")->isChecked());
        QCOMPARE(W<QLabel>("lbKonecRezimu")->text(), QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));
        Dialogy::Test::Odpovedet(true);
        A("M2KonecRezimu")->trigger();
        QCOMPARE(O().Stav().Nastaveni().ZvolenaSkupina, QStringLiteral("B"));
        QVERIFY(!A("M1Zkouset")->isChecked());
    }

    // Every note of the project's bank has the room its lines take in the italics it is drawn in, its
    // last line's descenders too.
    void poznamkyBankyCele()
    {
        Adresare::Nastavit({QStringLiteral(SEMAFORIX_PROGRAM), m_program->adresar.Cesta()});
        THlavniFormular okno;
        okno.PrepnoutRezim(Rezim::Prohlizeni, true);
        auto *poznamka = Pomocnik::Prvek<QLabel>(&okno, "stPoznamka");
        QVERIFY(poznamka->font().italic());
        int poznamek = 0;
        for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n) {
            okno.ZobrazitOtazku(n);
            if (poznamka->text().isEmpty())
                continue;
            ++poznamek;
            QVERIFY2(poznamka->heightForWidth(poznamka->width()) <= poznamka->height(), qPrintable(QString::number(n)));
        }
        QVERIFY(poznamek > 700);
    }

    void obrazekKteryNelzeNacist()
    {
        QFile::remove(m_program->adresar.Soubor(QStringLiteral("obrazky/621.jpg")));
        A("M1Prohlizet")->trigger();
        O().ZobrazitOtazku(7);
        const int plna = W<QLabel>("stOtazka")->width();
        O().ZobrazitOtazku(621);
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("obrazky/621.jpg")), QString());
        QVERIFY(!Viditelny(W<QLabel>("imgObrazek")));
        QCOMPARE(W<QLabel>("stOtazka")->width(), plna); // the text keeps the room of the missing picture
        O().ZobrazitOtazku(7); // the view stays usable
        QCOMPARE(W<QLabel>("stOtazka")->text(), QStringLiteral("Otázka 7?"));
    }
};

QTEST_MAIN(TestProhlizeni)
#include "tst_prohlizeni.moc"
