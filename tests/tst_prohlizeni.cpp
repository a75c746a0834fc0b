// The question view, the mode switch and browse mode of the main window.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "app/rozvrzeni.h"
#include "app/spintlacitko.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
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

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<THlavniFormular> m_okno;
    QString m_triRadky;

    THlavniFormular &O() { return *m_okno; }

    bool Viditelny(QWidget *w) { return w->isVisibleTo(m_okno.get()); }

    void Napsat(const QString &text, int klavesa = Qt::Key_Return)
    {
        O().eCisloO->setText(text);
        QTest::keyClick(O().eCisloO, static_cast<Qt::Key>(klavesa));
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
        m_dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_dir->path());
        Dialogy::Test::Zapnout();
        QList<Banka::OtazkaZdroje> otazky;
        for (int n : {1, 2, 7, 8, 620, 621, 721, 756, 757})
            otazky << Pomocnik::Otazka(n);
        otazky[0].spravne = QStringLiteral("AC");
        otazky[1].a = m_triRadky;
        otazky[1].d.clear();
        otazky[1].poznamka.clear();
        QCOMPARE(Pomocnik::ZapsatBanku(otazky, m_dir->path()), QString());
        m_okno = std::make_unique<THlavniFormular>(m_dir->path());
        m_okno->show();
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void cleanup()
    {
        QCOMPARE(Dialogy::Test::Nezodpovezene(), 0);
        Dialogy::Test::Odpovedet(true);
        m_okno.reset();
    }

    void vstupDoProhlizeni()
    {
        O().eCisloO->setText(QStringLiteral("55"));
        O().M1Prohlizet->trigger();
        QCOMPARE(O().eCisloO->text(), QStringLiteral("1"));
        QCOMPARE(O().lbCisloOtazky->text(), QStringLiteral("Otázka číslo 1"));
        QCOMPARE(O().stOtazka->text(), QStringLiteral("Otázka 1?"));
        QCOMPARE(O().stPoznamka->text(), QStringLiteral("Poznámka 1."));
        QVERIFY(Viditelny(O().stPoznamka) && Viditelny(O().pProhlizeni));
        QCOMPARE(O().Stav().SpravnePismena, QStringLiteral("AC"));
        QVERIFY(Viditelny(O().imgOdpovedi[0]) && !Viditelny(O().imgOdpovedi[1]));
        QVERIFY(Viditelny(O().imgOdpovedi[2]) && !Viditelny(O().imgOdpovedi[3]));
        QVERIFY(!O().imgOdpovedi[0]->pixmap().isNull());
        QVERIFY(O().M1Prohlizet->isChecked());
        QVERIFY(!Viditelny(O().StavovyRadek1) && !Viditelny(O().imgPozadi));
        for (QAction *a : std::as_const(O().Menu1))
            QVERIFY(!a->isVisible());
        QVERIFY(O().M2KonecRezimu->isVisible() && O().M2oProgramu->isVisible());
        QVERIFY(!O().M2OznacSpravne->isVisible());
        QCOMPARE(O().pOtazky->geometry(), QRect(0, 0, 632, 316));
        QCOMPARE(O().pPomoc->geometry(), QRect(0, 316, 632, 70));

        // Ending browse asks nothing and restores the idle screen with its status bar.
        O().M2KonecRezimu->trigger();
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
        QVERIFY(!Viditelny(O().pOtazky) && Viditelny(O().StavovyRadek1) && Viditelny(O().imgPozadi));
        QVERIFY(!O().M1Prohlizet->isChecked());
        for (QAction *a : std::as_const(O().Menu1))
            QVERIFY(a->isVisible());

        // Without its check mark the status bar stays hidden after a mode.
        O().M1StavovyRadek->trigger();
        O().M1Prohlizet->trigger();
        O().M2KonecRezimu->trigger();
        QVERIFY(!Viditelny(O().StavovyRadek1));
    }

    void rozvrzeniTextu()
    {
        O().M1Prohlizet->trigger();
        O().ZobrazitOtazku(2);
        auto *stA = O().stOdpovedi[0], *stB = O().stOdpovedi[1], *stD = O().stOdpovedi[3];
        QCOMPARE(O().stOtazka->geometry(), QRect(8, 24, 617, 18));
        QCOMPARE(stA->geometry(), QRect(45, 24 + 18 + 10, 580, 54));
        QCOMPARE(stB->y(), stA->y() + 54);
        QCOMPARE(O().lbOdpovedi[1]->y(), stB->y());
        QCOMPARE(O().imgOdpovedi[1]->y(), stB->y());
        QCOMPARE(stD->height(), 0); // an empty answer takes no room and shows no letter
        QVERIFY(!Viditelny(O().lbOdpovedi[3]) && Viditelny(O().lbOdpovedi[2]));
        QCOMPARE(O().stPoznamka->height(), 0);
        QCOMPARE(O().stPoznamka->y(), stD->y() + 10);
        QVERIFY(!Viditelny(O().imgObrazek));

        O().ZobrazitOtazku(620);
        QCOMPARE(O().stOtazka->width(), 617);
        QCOMPARE(O().stOdpovedi[0]->width(), 580);
        QVERIFY(!Viditelny(O().imgObrazek));

        O().ZobrazitOtazku(621);
        QVERIFY(Viditelny(O().imgObrazek));
        QCOMPARE(O().imgObrazek->geometry(), QRect(530, 8, 96, 96));
        QCOMPARE(O().stOtazka->width(), 617 - 96);
        QCOMPARE(O().stOdpovedi[3]->width(), 580 - 96);
        QCOMPARE(O().stPoznamka->width(), 597);

        O().ZobrazitOtazku(721);
        QCOMPARE(O().imgObrazek->geometry(), QRect(326, 8, 300, 175));
        QCOMPARE(O().stOtazka->width(), 617 - 300);
        QCOMPARE(O().stOdpovedi[0]->width(), 580 - 300);
        QCOMPARE(O().stPoznamka->width(), 597);
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void vyrazenaOtazkaANavrat()
    {
        O().M1Prohlizet->trigger();
        O().ZobrazitOtazku(621);
        O().ZobrazitOtazku(5);
        QCOMPARE(O().pOtazky->Titulek(), Vyrazena);
        QCOMPARE(O().lbCisloOtazky->text(), QStringLiteral("Otázka číslo 5"));
        QVERIFY(Viditelny(O().lbCisloOtazky));
        QVERIFY(!Viditelny(O().stOtazka) && !Viditelny(O().imgObrazek));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!Viditelny(O().stOdpovedi[i]) && !Viditelny(O().lbOdpovedi[i]) && !Viditelny(O().imgOdpovedi[i]));
        QVERIFY(O().stPoznamka->text().isEmpty());
        auto *titulek = O().pOtazky->findChild<QLabel *>(QStringLiteral("Titulek"));
        QVERIFY(Viditelny(titulek));
        QCOMPARE(titulek->alignment(), Qt::AlignCenter);

        O().ZobrazitOtazku(7);
        QVERIFY(O().pOtazky->Titulek().isEmpty());
        QVERIFY(Viditelny(O().stOtazka) && Viditelny(O().stOdpovedi[3]) && Viditelny(O().imgOdpovedi[0]));
        QCOMPARE(O().stPoznamka->text(), QStringLiteral("Poznámka 7."));
    }

    void sipkyAEnter()
    {
        O().M1Prohlizet->trigger();
        O().sb1->Dolu()->click(); // at 1 down does nothing
        QCOMPARE(O().eCisloO->text(), QStringLiteral("1"));
        O().sb1->Nahoru()->click();
        QCOMPARE(O().eCisloO->text(), QStringLiteral("2"));
        QCOMPARE(O().Stav().AktualniOtazka, 2);

        Napsat(QStringLiteral("0"));
        QCOMPARE(O().eCisloO->text(), QStringLiteral("1"));
        QCOMPARE(O().Stav().AktualniOtazka, 1);
        Napsat(QStringLiteral("900"));
        QCOMPARE(O().eCisloO->text(), QStringLiteral("757"));
        QCOMPARE(O().Stav().AktualniOtazka, 757);
        O().sb1->Nahoru()->click(); // at 757 up does nothing
        QCOMPARE(O().eCisloO->text(), QStringLiteral("757"));
        O().sb1->Dolu()->click();
        QCOMPARE(O().Stav().AktualniOtazka, 756);
        Napsat(QStringLiteral("007"), Qt::Key_Enter);
        QCOMPARE(O().eCisloO->text(), QStringLiteral("007"));
        QCOMPARE(O().lbCisloOtazky->text(), QStringLiteral("Otázka číslo 7"));

        O().eCisloO->setText(QStringLiteral("0"));
        O().sb1->Nahoru()->click();
        QCOMPARE(O().Stav().AktualniOtazka, 1);
        O().eCisloO->setText(QStringLiteral("900"));
        O().sb1->Dolu()->click();
        QCOMPARE(O().eCisloO->text(), QStringLiteral("899"));
        QCOMPARE(O().lbCisloOtazky->text(), QStringLiteral("Otázka číslo 899"));
        QCOMPARE(O().pOtazky->Titulek(), Vyrazena);

        // Retired numbers are not skipped: 9 is retired here, 8 exists.
        O().eCisloO->setText(QStringLiteral("10"));
        O().sb1->Dolu()->click();
        QCOMPARE(O().pOtazky->Titulek(), Vyrazena);
        O().sb1->Dolu()->click();
        QCOMPARE(O().lbCisloOtazky->text(), QStringLiteral("Otázka číslo 8"));
        QVERIFY(O().pOtazky->Titulek().isEmpty());

        // The spin button's keys.
        O().sb1->setFocus();
        QTest::keyClick(O().sb1, Qt::Key_Up);
        QCOMPARE(O().Stav().AktualniOtazka, 9);
        QTest::keyClick(O().sb1, Qt::Key_Space);
        QCOMPARE(O().Stav().AktualniOtazka, 10);
        QTest::keyClick(O().sb1, Qt::Key_Down);
        QTest::keyClick(O().sb1, Qt::Key_Space);
        QCOMPARE(O().Stav().AktualniOtazka, 8);
        QCOMPARE(O().sb1->Nahoru()->autoRepeatDelay(), 400);
        QCOMPARE(O().sb1->Nahoru()->autoRepeatInterval(), 100);
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    void neplatnyText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("zprava");
        QTest::newRow("písmeno") << QStringLiteral("12a") << QStringLiteral("\"12a\" není platná integer hodnota!");
        QTest::newRow("mínus") << QStringLiteral("-3") << QStringLiteral("\"-3\" není platná integer hodnota!");
        QTest::newRow("mezera") << QStringLiteral(" 3") << QStringLiteral("\" 3\" není platná integer hodnota!");
        QTest::newRow("prázdný") << QString() << QStringLiteral("\"\" není platná integer hodnota!");
        QTest::newRow("dlouhý") << QStringLiteral("99999999999") << QStringLiteral("\"99999999999\" není platná integer hodnota!");
    }

    void neplatnyText()
    {
        QFETCH(QString, text);
        QFETCH(QString, zprava);
        O().M1Prohlizet->trigger();
        O().ZobrazitOtazku(7);
        for (auto akce : {0, 1, 2}) {
            O().eCisloO->setText(text);
            if (akce == 0)
                QTest::keyClick(O().eCisloO, Qt::Key_Return);
            else
                (akce == 1 ? O().sb1->Nahoru() : O().sb1->Dolu())->click();
            const auto zpravy = Dialogy::Test::Zobrazene();
            QCOMPARE(zpravy.size(), 1);
            QCOMPARE(zpravy[0].druh, Dialogy::Druh::Chyba);
            QCOMPARE(zpravy[0].text, zprava);
            QCOMPARE(O().eCisloO->text(), text);
            QCOMPARE(O().Stav().AktualniOtazka, 7);
            QVERIFY(O().eCisloO->hasFocus() || !QApplication::focusWindow());
        }
    }

    void infoPanelPodleRezimu()
    {
        O().M1Prohlizet->trigger();
        QCOMPARE(O().lbKonecRezimu->pos(), QPoint(284, 17));
        QCOMPARE(O().lbKonecRezimu->text(), QStringLiteral("Pro ukončení režimu prohlížení stiskněte \"Konec režimu\""));
        QCOMPARE(O().lbUzivatel->text(), QStringLiteral("Aktivní profil uživatele: Default"));
        QCOMPARE(O().lbUzivatel->y(), 40);
        QCOMPARE(O().lbUzivatel->x(), 284 + (O().lbKonecRezimu->width() - O().lbUzivatel->width()) / 2);
        for (QWidget *w : {static_cast<QWidget *>(O().lbSkupina), static_cast<QWidget *>(O().lbJakNaTo),
                           static_cast<QWidget *>(O().lbNapoveda), static_cast<QWidget *>(O().lbCelkemOtazek),
                           static_cast<QWidget *>(O().lbZbyvaOtazek), static_cast<QWidget *>(O().lbUspesnost),
                           static_cast<QWidget *>(O().Cara1), static_cast<QWidget *>(O().Cara2)})
            QVERIFY(!Viditelny(w));
        QVERIFY(!O().lbNe->isEnabled() && !O().lbNic->isEnabled() && O().lbAno->isEnabled());
        O().M2KonecRezimu->trigger();

        O().PrepnoutRezim(QStringLiteral("Procvicovani"), true);
        QCOMPARE(O().lbKonecRezimu->pos(), QPoint(212, 19));
        QCOMPARE(O().lbUzivatel->pos(), QPoint(212, 52));
        QCOMPARE(O().lbSkupina->pos(), QPoint(384, 52));
        QCOMPARE(O().lbJakNaTo->pos(), QPoint(212, 4));
        QCOMPARE(O().lbSkupina->text(), QStringLiteral("Skupina: B"));
        QVERIFY(Viditelny(O().lbNapoveda) && Viditelny(O().lbUspesnost) && Viditelny(O().Cara1));
        QVERIFY(O().lbNe->isEnabled() && O().lbNic->isEnabled());
        QVERIFY(O().M2OznacSpravne->isVisible() && O().M1Procvicovat->isChecked());
        QVERIFY(!Viditelny(O().pProhlizeni) && !Viditelny(O().stPoznamka));
        QVERIFY(O().Stav().CekaNaOdpoved);
        QCOMPARE(O().lbUspesnost->text(), QStringLiteral("Úspěšnost: 0%"));

        // Ending practice asks; No leaves the run untouched, Yes ends it.
        Dialogy::Test::Odpovedet(false);
        O().M2KonecRezimu->trigger();
        QVERIFY(Viditelny(O().pOtazky) && O().M1Procvicovat->isChecked());
        Dialogy::Test::Odpovedet(true);
        O().M2KonecRezimu->trigger();
        auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 2);
        QCOMPARE(zpravy[0].text, QStringLiteral("Opravdu chcete skončit, i když úlohy nejsou dokončeny?"));
        QVERIFY(!Viditelny(O().pOtazky) && !O().M1Procvicovat->isChecked());

        O().PrepnoutRezim(QStringLiteral("Zkouseni"), true);
        QCOMPARE(O().lbKonecRezimu->pos(), QPoint(212, 28));
        QCOMPARE(O().lbUzivatel->pos(), QPoint(212, 48));
        QCOMPARE(O().lbSkupina->pos(), QPoint(384, 48));
        QCOMPARE(O().lbJakNaTo->pos(), QPoint(212, 8));
        QVERIFY(!Viditelny(O().lbNapoveda) && !O().M2OznacSpravne->isVisible());
        QCOMPARE(O().lbKonecRezimu->text(), QStringLiteral("Pro ukončení režimu zkoušení stiskněte \"Konec režimu\""));

        // A replay under a stored result's group gives the user's own group back at its end.
        O().Stav().OpravaZVysledku = true;
        O().Stav().PuvodniSkupina = QStringLiteral("A1");
        O().Stav().ZvolenaSkupina = QStringLiteral("C");
        Dialogy::Test::Odpovedet(true);
        O().M2KonecRezimu->trigger();
        QCOMPARE(O().Stav().ZvolenaSkupina, QStringLiteral("A1"));
        QVERIFY(!O().Stav().OpravaZVysledku);
        QCOMPARE(O().lbKonecRezimu->pos(), QPoint(212, 19));
        QCOMPARE(O().lbJakNaTo->pos(), QPoint(212, 4));
        QVERIFY(O().Stav().SeznamOtazek.isEmpty());
    }

    void obrazekKteryNelzeNacist()
    {
        QFile::remove(m_dir->filePath(QStringLiteral("obrazky/621.jpg")));
        O().M1Prohlizet->trigger();
        O().ZobrazitOtazku(621);
        const auto zpravy = Dialogy::Test::Zobrazene();
        QCOMPARE(zpravy.size(), 1);
        QVERIFY2(zpravy[0].text.contains(QStringLiteral("obrazky/621.jpg")), qPrintable(zpravy[0].text));
        QVERIFY(!Viditelny(O().imgObrazek));
        QCOMPARE(O().stOtazka->width(), 617);
        O().ZobrazitOtazku(7); // the view stays usable
        QCOMPARE(O().stOtazka->text(), QStringLiteral("Otázka 7?"));
    }
};

QTEST_MAIN(TestProhlizeni)
#include "tst_prohlizeni.moc"
