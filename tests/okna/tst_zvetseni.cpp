// A question's picture looked at closely: three times larger, over its owner, closed by Escape
// or a click; a missing large picture is reported and opens nothing; the question panel opens it.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/zvetseni.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

class TestZvetseni : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QWidget m_vlastnik;

    // Opens the picture over the owner and runs `kontrola` on the window shown; whether one was shown.
    bool Ukazat(const QString &obrazek, const std::function<void(TZvetseni *)> &kontrola)
    {
        bool ukazano = false;
        QTimer::singleShot(0, this, [&] {
            if (auto *okno = qobject_cast<TZvetseni *>(QApplication::activeModalWidget())) {
                ukazano = true;
                kontrola(okno);
                if (okno->isVisible())
                    okno->reject(); // a failed check must not leave the test blocked
            }
        });
        // A child of the window, as the picture in the question panel is.
        TZvetseni::Ukazat(obrazek, m_vlastnik.findChild<QWidget *>());
        return ukazano && !QApplication::activeModalWidget();
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
                auto *img = Pomocnik::Prvek<QLabel>(okno, "imgObrazek");
                QCOMPARE(img->pixmap().size(), maly * 3);
                QVERIFY(okno->rect().contains(img->geometry()));
                // Centred over the owner's window, up to the width of a window frame.
                const QPoint posun = okno->frameGeometry().center() - m_vlastnik.frameGeometry().center();
                QVERIFY2(qAbs(posun.x()) <= 3 && qAbs(posun.y()) <= 3, qPrintable(obrazek));
                QTest::keyClick(okno, Qt::Key_Escape);
                QVERIFY(!okno->isVisible());
            }));
        }
        QVERIFY(Ukazat(QStringLiteral("obrazky/621.jpg"), [](TZvetseni *okno) {
            QTest::mouseClick(Pomocnik::Prvek<QLabel>(okno, "imgObrazek"), Qt::LeftButton);
            QVERIFY(!okno->isVisible());
        }));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }

    // A picture never shown before: one shown once stays decoded for the rest of the run.
    void chybejiciObrazek()
    {
        QVERIFY(QFile::remove(QStringLiteral("obrazky/velke/622.jpg")));
        QVERIFY(!Ukazat(QStringLiteral("obrazky/622.jpg"), [](TZvetseni *) {}));
        const auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Chyba);
        QVERIFY2(zobrazene[0].text.contains(QStringLiteral("obrazky/velke/622.jpg")), qPrintable(zobrazene[0].text));
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
        auto *obrazek = Pomocnik::Prvek<TObrazekOtazky>(&okno, "imgObrazek");

        Pomocnik::Prvek<QAction>(&okno, "M1Prohlizet")->trigger();
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), QString()); // question 1 has none
        QTest::keyClicks(okno.focusWidget(), QStringLiteral("621"));
        klavesa(Qt::Key_Return);
        QVERIFY(obrazek->Obrazek().endsWith(QStringLiteral("621.jpg")));
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek->Obrazek()); // from the number field too
        QCOMPARE(Pomocnik::Prvek<QLineEdit>(&okno, "eCisloO")->text(), QStringLiteral("621"));
        QCOMPARE(Pomocnik::Zvetseny([&] { QTest::mouseClick(obrazek, Qt::LeftButton); }), obrazek->Obrazek());
        Pomocnik::Prvek<QAction>(&okno, "M2KonecRezimu")->trigger();

        okno.ZacitOpravu({DruhBehu::Procvicovani, {721, 621}, QStringLiteral("B"), QStringLiteral("67")});
        QVERIFY(obrazek->Obrazek().endsWith(QStringLiteral("721.jpg")));
        QCOMPARE(Pomocnik::Zvetseny([&] { QTest::mouseClick(obrazek, Qt::LeftButton); }), obrazek->Obrazek());
        QTest::mouseClick(obrazek, Qt::RightButton); // nothing selected: nothing to confirm
        auto *verdikt = Pomocnik::Prvek<QWidget>(&okno, "pSpravne");
        QVERIFY(!verdikt->isVisibleTo(&okno) && okno.Stav().Beh.CekaNaOdpoved());
        QCOMPARE(Pomocnik::Zvetseny([&] { klavesa(Qt::Key_Z); }), obrazek->Obrazek());
        klavesa(Qt::Key_A);
        QTest::mouseClick(obrazek, Qt::RightButton);
        QVERIFY(verdikt->isVisibleTo(&okno));
        QCOMPARE(Pomocnik::Prvek<QLabel>(&okno, "lbSpravne")->text(), QStringLiteral("Správně"));
        QVERIFY(Dialogy::Test::Zobrazene().isEmpty());
    }
};

QTEST_MAIN(TestZvetseni)
#include "tst_zvetseni.moc"
