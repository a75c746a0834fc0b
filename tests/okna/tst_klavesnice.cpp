// Every dialog without a mouse: Tab visits its controls from the top left to the bottom right and
// comes back round, and Escape closes it.
#include "pomocnik.h"
#include "zaznamy.h"

#include "app/setup.h"
#include "info/Historie.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"
#include "practice/dotaz.h"
#include "practice/podrobnosti.h"
#include "practice/protokol.h"
#include "practice/vyhodnoceni.h"
#include "test/test.h"
#include "test/testdetail.h"
#include "test/testtab.h"

#include <QTest>

class TestKlavesnice : public QObject {
    Q_OBJECT

    // The names of the controls Tab visits, from the one focused when the dialog shows round to it.
    static QStringList Projit(QDialog &d)
    {
        d.show();
        d.activateWindow();
        if (!QTest::qWaitForWindowActive(&d))
            return {QStringLiteral("(not active)")};
        QStringList jmena;
        QWidget *prvni = d.focusWidget();
        for (QWidget *w = prvni; w && jmena.size() <= 40;) {
            jmena << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = d.focusWidget();
            if (w == prvni)
                break;
        }
        return jmena;
    }

    // The Tab order, then Escape from the first control, which closes the window: the controls'
    // names in the order Tab visits them, and "open" when Escape left the window open.
    static QString Zkontrolovat(const std::unique_ptr<QDialog> &d)
    {
        QString poradi = Projit(*d).join(u' ');
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        if (d->isVisible())
            poradi += QStringLiteral(" open");
        return poradi;
    }

private slots:
    void tabulatorAEscape()
    {
        Pomocnik::Program program(Pomocnik::OtazkyTestu());
        Konfigurace nastaveni;
        QStringList zname = nastaveni.Profily;
        Pomocnik::ZapsatVysledky({Pomocnik::VysledekSChybami()});
        Pomocnik::ZapsatProtokoly({Pomocnik::Protokol()});

        const auto vysledek = Pomocnik::VysledekSChybami();
        QCOMPARE(Zkontrolovat(std::make_unique<TDotazPZ>(DruhBehu::Procvicovani, 25, PoradiOtazek::PodleCisla)),
                 QStringLiteral("sbPocet sbOtazka btnPotvrdit"));
        QCOMPARE(Zkontrolovat(std::make_unique<TNastaveni>(nastaveni, zname)),
                 QStringLiteral("cbPravidla cbOpravneni cbZakonDoprava cbZdravoveda cbPodminky cbZnacky cbKrizovatky rbB "
                                "cbProcvicovani cbZkouseni cbTest comboProfil btnVytvoritU btnVymazatU btnOK btnStormo"));
        QCOMPARE(Zkontrolovat(std::make_unique<TResult>(vysledek, DruhBehu::Procvicovani, TResult::Protokol::Zapsan)),
                 QStringLiteral("btnOK btnPrezkouset"));
        QCOMPARE(Zkontrolovat(std::make_unique<TProtocol>(nastaveni.AktivniProfil, false)),
                 QStringLiteral("DBGrid1 btnPodrobnosti btnVymazat btnVymazatVse btnOK"));
        // The default button first.
        QCOMPARE(Zkontrolovat(std::make_unique<TDetail>(vysledek, false)), QStringLiteral("btnOK btnPrezkouset btnZ1 btnZ2"));
        QCOMPARE(Zkontrolovat(std::make_unique<TSeznamTestu>(nastaveni.AktivniProfil)),
                 QStringLiteral("DBGrid1 btnOK btnDetail btnVymaz btnVymazVse"));
        QCOMPARE(Zkontrolovat(std::make_unique<TTestDetailForm>(Pomocnik::Protokol())), QStringLiteral("mProtokol btnOK btnTisk btnUloz"));
        QCOMPARE(Zkontrolovat(std::make_unique<TAbout>()), QStringLiteral("btnOK lbInet mText"));
        QCOMPARE(Zkontrolovat(std::make_unique<TOpravyAktualizace>()), QStringLiteral("mHistorie"));
        QCOMPARE(Zkontrolovat(std::make_unique<THelpForm>()), QStringLiteral("wbHelp"));
        {
            // The sheet's first page: its boxes position by position; a question of three answers has
            // no fourth. Escape asks before the test ends.
            auto d = std::make_unique<TTestForm>(nastaveni);
            QStringList poradi{QStringLiteral("qt_tabwidget_tabbar")};
            for (int p = 1; p <= 4; ++p)
                for (QChar c : QStringLiteral("ABCD"))
                    if (auto *cb = Pomocnik::Prvek(d.get(), qPrintable(p == 1 && c == u'D' ? QStringLiteral("cd1D")
                                                                                          : QStringLiteral("cb%1%2").arg(p).arg(c)));
                        cb->isVisibleTo(d.get()))
                        poradi << cb->objectName();
            poradi << QStringLiteral("btnVyhodnotit") << QStringLiteral("btnZrusit");
            Dialogy::Test::Odpovedet(true);
            QCOMPARE(Zkontrolovat(std::move(d)), poradi.join(u' '));
        }
        QCOMPARE(Dialogy::Test::Nezodpovezene(), 0);
    }
};

QTEST_MAIN(TestKlavesnice)
#include "tst_klavesnice.moc"
