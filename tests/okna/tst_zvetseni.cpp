// A question's picture looked at closely: three times larger, over its owner, closed by Escape
// or a click; a missing large picture is reported and opens nothing; the question panel opens it.
#include "pomocnik.h"

#include <QLineEdit>

using Pomocnik::Prvek;

class TestZvetseni : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_vlastnik;

    // Opens the picture over a child of the owner, as the question panel's picture is one, and runs
    // kontrola on the window shown; whether one was shown.
    bool Ukazat(const QString &obrazek, const std::function<void(TZvetseni *)> &kontrola = {})
    {
        return Pomocnik::Otevrit<TZvetseni>([&] { TZvetseni::Ukazat(obrazek, m_vlastnik.findChild<QWidget *>()); }, kontrola);
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(621), Pomocnik::Otazka(622), Pomocnik::Otazka(721)}, m_dir.path()), QString());
        QVERIFY(QDir::setCurrent(m_dir.path()));
        Dialogy::Test::Zapnout();
        new QWidget(&m_vlastnik);
        m_vlastnik.setGeometry(100, 80, 900, 700);
        m_vlastnik.show();
    }

    void trikratVetsiNadVlastnikem()
    {
        for (const QString &obrazek : {QStringLiteral("obrazky\\621.jpg"), QStringLiteral("obrazky/721.jpg")}) {
            const QSize maly = QImage(QString(obrazek).replace(u'\\', u'/')).size();
            QVERIFY(Ukazat(obrazek, [&](TZvetseni *okno) {
                auto *img = Prvek<QLabel>(okno, "imgObrazek");
                QCOMPARE(img->pixmap().size(), maly * 3);
                QVERIFY(okno->rect().contains(img->geometry()));
                QVERIFY2(Pomocnik::Vycentrovano(okno, &m_vlastnik), qPrintable(obrazek)); // over the owner's window
                QTest::keyClick(okno, Qt::Key_Escape);
                QVERIFY(!okno->isVisible());
            }));
        }
        QVERIFY(Ukazat(QStringLiteral("obrazky/621.jpg"), [](TZvetseni *okno) {
            Pomocnik::Kliknout(okno, "imgObrazek");
            QVERIFY(!okno->isVisible());
        }));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // A picture never shown before: one shown once stays decoded for the rest of the run.
    void chybejiciObrazek()
    {
        QVERIFY(QFile::remove(QStringLiteral("obrazky/velke/622.jpg")));
        QVERIFY(!Ukazat(QStringLiteral("obrazky/622.jpg")));
        QCOMPARE(Pomocnik::KromeJedneZpravy(Dialogy::Druh::Chyba, QStringLiteral("obrazky/velke/622.jpg")), QString());
    }

    // The question panel offers its picture in every mode: a left click or Z opens it; in a run the
    // click answers nothing and the right button on the picture still confirms.
    void vOtazce()
    {
        Pomocnik::Program program(Pomocnik::Otazky({1, 621, 721}));
        THlavniFormular &okno = *program.okno;
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        const auto klavesa = [&okno](Qt::Key k) {
            okno.activateWindow(); // the offscreen platform gives no window the focus back after a dialog
            QVERIFY(QTest::qWaitForWindowActive(&okno));
            QTest::keyClick(okno.focusWidget() ? okno.focusWidget() : &okno, k);
        };
        auto *obrazek = Prvek<TObrazekOtazky>(&okno, "imgObrazek");

        Prvek<QAction>(&okno, "M1Prohlizet")->trigger();
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), QString()); // question 1 has none
        QTest::keyClicks(okno.focusWidget(), QStringLiteral("621"));
        klavesa(Qt::Key_Return);
        QVERIFY(obrazek->Obrazek().endsWith(QStringLiteral("621.jpg")));
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek->Obrazek()); // from the number field too
        QCOMPARE(Prvek<QLineEdit>(&okno, "eCisloO")->text(), QStringLiteral("621"));
        QCOMPARE(Pomocnik::Zvetseny([&] { QTest::mouseClick(obrazek, Qt::LeftButton); }), obrazek->Obrazek());
        Prvek<QAction>(&okno, "M2KonecRezimu")->trigger();

        okno.ZacitOpravu({DruhBehu::Procvicovani, {721, 621}, QStringLiteral("B"), QStringLiteral("67")});
        QVERIFY(obrazek->Obrazek().endsWith(QStringLiteral("721.jpg")));
        QCOMPARE(Pomocnik::Zvetseny([&] { QTest::mouseClick(obrazek, Qt::LeftButton); }), obrazek->Obrazek());
        QTest::mouseClick(obrazek, Qt::RightButton); // nothing selected: nothing to confirm
        auto *verdikt = Prvek<QWidget>(&okno, "pSpravne");
        QVERIFY(!verdikt->isVisibleTo(&okno) && okno.Stav().Beh().CekaNaOdpoved());
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek->Obrazek());
        klavesa(Qt::Key_A);
        QTest::mouseClick(obrazek, Qt::RightButton);
        QVERIFY(verdikt->isVisibleTo(&okno));
        QCOMPARE(Prvek<QLabel>(&okno, "lbSpravne")->text(), QStringLiteral("Správně"));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }
};

QTEST_MAIN(TestZvetseni)
#include "tst_zvetseni.moc"
