// The About window, the help window and the release history, opened from the main window.
#include "pomocnik.h"

#include "app/dialogy.h"
#include "app/hlavniformular.h"
#include "info/Historie.h"
#include "info/historietext.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

// Receives the addresses handed to the desktop instead of a web browser.
class Prohlizec : public QObject {
    Q_OBJECT
public:
    QList<QUrl> adresy;
public slots:
    void otevrit(const QUrl &adresa) { adresy.append(adresa); }
};

class TestInformace : public QObject {
    Q_OBJECT

    std::unique_ptr<Pomocnik::Adresar> m_dir;
    Prohlizec m_prohlizec;

    // Triggers the menu item and runs `kontrola` on the modal window it opens; returns whether
    // a window of type T was open. The check must close it.
    template <typename T>
    bool Otevrit(QAction *polozka, const std::function<void(T *)> &kontrola)
    {
        bool otevreno = false;
        QTimer::singleShot(0, this, [&] {
            auto *okno = qobject_cast<T *>(QApplication::activeModalWidget());
            otevreno = okno != nullptr;
            if (okno) {
                kontrola(okno);
                if (okno->isVisible())
                    okno->reject(); // a failed check must not leave the test blocked
            }
        });
        polozka->trigger();
        return otevreno && !QApplication::activeModalWidget();
    }

    // Centred over its owner, up to the width of a window frame.
    static bool Vycentrovano(const QWidget *okno, const QWidget *vlastnik)
    {
        const QPoint rozdil = okno->frameGeometry().center() - vlastnik->frameGeometry().center();
        return qAbs(rozdil.x()) <= 3 && qAbs(rozdil.y()) <= 3;
    }

    void ZapsatSoubor(const QString &cesta, const QByteArray &obsah)
    {
        QDir().mkpath(QFileInfo(cesta).path());
        QFile f(cesta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(obsah);
    }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_prohlizec, "otevrit");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_prohlizec, "otevrit");
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void init()
    {
        m_dir = std::make_unique<Pomocnik::Adresar>();
        Dialogy::Test::Zapnout();
        m_prohlizec.adresy.clear();
        QCOMPARE(Pomocnik::ZapsatBanku({Pomocnik::Otazka(1)}, m_dir->Cesta()), QString());
    }

    void oProgramuZavreOKiEscape()
    {
        THlavniFormular okno;
        QAction *polozka = Pomocnik::Prvek<QAction>(&okno, "M1OProgramu");
        QVERIFY(Otevrit<TAbout>(polozka, [&](TAbout *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("O programu"));
            QVERIFY(Vycentrovano(o, &okno));
            QCOMPARE(Pomocnik::Prvek<QLabel>(o, "lbNazev")->text(), QStringLiteral("Semaforix"));
            QVERIFY(Pomocnik::Prvek<QLabel>(o, "lbNazev")->font().bold());
            QCOMPARE(Pomocnik::Prvek<QLabel>(o, "lbVerze")->text(), QStringLiteral("verze produktu: 1.18"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(o, "lbUprava")->text(), QStringLiteral("poslední úprava: 19.8.2003"));
            QCOMPARE(Pomocnik::Prvek<QLabel>(o, "Image1")->pixmap().size(), QSize(32, 32));
            QPushButton *ok = Pomocnik::Prvek<QPushButton>(o, "btnOK");
            QCOMPARE(ok->text(), QStringLiteral("&OK"));
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!o->isVisible());
        }));
        QVERIFY(Otevrit<TAbout>(polozka, [](TAbout *o) {
            QTest::keyClick(o, Qt::Key_Escape);
            QVERIFY(!o->isVisible());
        }));
    }

    void oProgramuBehemRezimu()
    {
        THlavniFormular okno;
        okno.PrepnoutRezim(Rezim::Prohlizeni, true);
        QAction *polozka = Pomocnik::Prvek<QAction>(&okno, "M2oProgramu");
        QVERIFY(polozka->isVisible());
        QVERIFY(Otevrit<TAbout>(polozka, [&](TAbout *o) {
            QVERIFY(Vycentrovano(o, &okno));
            o->accept();
        }));
        // The mode goes on afterwards.
        QCOMPARE(okno.Stav().AktivniRezim, Rezim::Prohlizeni);
    }

    void datumDatabazeZeSouboru()
    {
        const QLocale cesky(QLocale::Czech, QLocale::Czechia);
        QFile mb(QStringLiteral("otazky.MB"));
        QVERIFY(mb.open(QIODevice::ReadWrite));
        QVERIFY(mb.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(10, 0)), QFileDevice::FileModificationTime));
        {
            TAbout o;
            QCOMPARE(Pomocnik::Prvek<QLabel>(&o, "lb")->text(), cesky.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
        }
        // A newer bank: the window shows its date.
        QVERIFY(mb.setFileTime(QDateTime(QDate(2026, 11, 20), QTime(8, 30)), QFileDevice::FileModificationTime));
        mb.close();
        TAbout o;
        QCOMPARE(Pomocnik::Prvek<QLabel>(&o, "lb")->text(), cesky.toString(QDate(2026, 11, 20), QLocale::ShortFormat));
        QVERIFY(Pomocnik::Prvek<QLabel>(&o, "lb")->text().contains(QStringLiteral("20.")));
        // Right of its caption, on the same line.
        QLabel *lbDatab = Pomocnik::Prvek<QLabel>(&o, "lbDatab");
        QVERIFY(Pomocnik::Prvek<QLabel>(&o, "lb")->x() > lbDatab->geometry().right());
        QCOMPARE(Pomocnik::Prvek<QLabel>(&o, "lb")->y(), lbDatab->y());
    }

    void odkazNaWeb()
    {
        TAbout o;
        QLabel *lbInet = Pomocnik::Prvek<QLabel>(&o, "lbInet");
        QCOMPARE(lbInet->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(lbInet->font().bold());
        QCOMPARE(lbInet->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QEvent vstup(QEvent::Enter);
        QApplication::sendEvent(lbInet, &vstup);
        QCOMPARE(lbInet->palette().color(QPalette::WindowText), QColor(Qt::red));
        QEvent odchod(QEvent::Leave);
        QApplication::sendEvent(lbInet, &odchod);
        QCOMPARE(lbInet->palette().color(QPalette::WindowText), QColor(Qt::blue));

        // A browser starts: nothing else is shown.
        Dialogy::Test::Odpovedet(true);
        QTest::mouseClick(lbInet, Qt::LeftButton);
        auto zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 1);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Adresa);
        QCOMPARE(zobrazene[0].text, lbInet->text());
        QVERIFY(QUrl(lbInet->text()).isValid() && QUrl(lbInet->text()).scheme() == QStringLiteral("https"));
        // No browser, from the keyboard: the address stands on a line of its own in an information box.
        Dialogy::Test::Odpovedet(false);
        QTest::keyClick(lbInet, Qt::Key_Return);
        zobrazene = Dialogy::Test::Zobrazene();
        QCOMPARE(zobrazene.size(), 2);
        QCOMPARE(zobrazene[0].druh, Dialogy::Druh::Adresa);
        QCOMPARE(zobrazene[1].druh, Dialogy::Druh::Informace);
        QVERIFY(zobrazene[1].text.startsWith(QStringLiteral("Internetový prohlížeč se nepodařilo spustit.")));
        QVERIFY(zobrazene[1].text.split(u'\n').contains(lbInet->text()));
    }

    void textOProgramu()
    {
        TAbout o;
        auto *mText = Pomocnik::Prvek<QPlainTextEdit>(&o, "mText");
        QVERIFY(mText->isReadOnly());
        QCOMPARE(mText->palette().color(QPalette::Base), QColor(Qt::yellow));
        const QStringList radky = mText->toPlainText().split(u'\n');
        const qsizetype nadpis = radky.indexOf(QStringLiteral("Hlavní výhody tohoto programu:"));
        QVERIFY(nadpis >= 2);
        QVERIFY(radky[nadpis - 1].isEmpty() && !radky[0].isEmpty());
        QVERIFY(radky.size() > nadpis + 1);
        for (qsizetype i = nadpis + 1; i < radky.size(); ++i)
            QVERIFY2(radky[i].startsWith(QStringLiteral("- ")), qPrintable(radky[i]));
        // The sentence on the questions names the laws they follow, and no review that did not happen.
        const QString atestace = Pomocnik::Prvek<QLabel>(&o, "stAtestace")->text();
        QVERIFY(atestace.contains(QStringLiteral("361/2000 Sb.")));
        QVERIFY(!atestace.contains(QStringLiteral("polic"), Qt::CaseInsensitive));
        QVERIFY(Pomocnik::Prvek<QLabel>(&o, "stAtestace")->font().bold());
    }

    void napovedaZAdresareProgramu()
    {
        ZapsatSoubor(m_dir->Soubor(QStringLiteral("Help/index.htm")),
                     QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                                    "</head><body><p>Úvodní stránka</p><a href=\"druha.htm\">dál</a> "
                                    "<a href=\"https://example.org/\">web</a></body></html>").toUtf8());
        ZapsatSoubor(m_dir->Soubor(QStringLiteral("Help/druha.htm")),
                     QByteArrayLiteral("<html><body><p>Druhá stránka</p></body></html>"));
        THlavniFormular okno;
        QVERIFY(Otevrit<THelpForm>(Pomocnik::Prvek<QAction>(&okno, "M1Napoveda"), [&](THelpForm *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("Nápověda programu Semaforix"));
            QCOMPARE(o->size(), QSize(700, 550));
            QVERIFY(o->minimumSize() != o->maximumSize());
            // Larger than the main window: it overhangs equally on both sides.
            QVERIFY(Vycentrovano(o, &okno));
            auto *wbHelp = Pomocnik::Prvek<QTextBrowser>(o, "wbHelp");
            QCOMPARE(wbHelp->source(), QUrl::fromLocalFile(m_dir->Soubor(QStringLiteral("Help/index.htm"))));
            QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Úvodní stránka")));
            QCOMPARE(wbHelp->geometry(), o->rect());

            // Links of the pages are followed inside the window, web addresses outside it.
            wbHelp->setFocus();
            QTest::keyClick(wbHelp, Qt::Key_Tab);
            QTest::keyClick(wbHelp, Qt::Key_Return);
            QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Druhá stránka")));
            QTest::keyClick(wbHelp, Qt::Key_Left, Qt::AltModifier);
            QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Úvodní stránka")));
            QTest::keyClick(wbHelp, Qt::Key_Right, Qt::AltModifier);
            QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Druhá stránka")));
            QTest::keyClick(wbHelp, Qt::Key_Left, Qt::AltModifier);
            QTest::keyClick(wbHelp, Qt::Key_Tab);
            QTest::keyClick(wbHelp, Qt::Key_Tab);
            QTest::keyClick(wbHelp, Qt::Key_Return);
            QCOMPARE(m_prohlizec.adresy, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
            QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Úvodní stránka")));
            o->reject();
        }));
    }

    void chybejiciNapoveda()
    {
        THelpForm o;
        auto *wbHelp = Pomocnik::Prvek<QTextBrowser>(&o, "wbHelp");
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Nápověda není k dispozici")));
        QVERIFY(wbHelp->toPlainText().contains(QDir::toNativeSeparators(THelpForm::CestaIndexu())));
    }

    void odkazNaChybejiciStranku()
    {
        // A link to a page that is gone shows the notice, not an empty window.
        ZapsatSoubor(m_dir->Soubor(QStringLiteral("Help/index.htm")), QByteArrayLiteral("<html><body>Obsah</body></html>"));
        THelpForm o;
        auto *wbHelp = Pomocnik::Prvek<QTextBrowser>(&o, "wbHelp");
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Obsah")));
        wbHelp->setSource(QUrl::fromLocalFile(m_dir->Soubor(QStringLiteral("Help/neni.htm"))));
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Nápověda není k dispozici")));
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("neni.htm")));
    }

    void historie()
    {
        THlavniFormular okno;
        QVERIFY(Otevrit<TOpravyAktualizace>(Pomocnik::Prvek<QAction>(&okno, "M1Seznam"), [&](TOpravyAktualizace *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("Historie oprav a aktualizací"));
            QCOMPARE(o->minimumSize(), o->maximumSize());
            QVERIFY(Vycentrovano(o, &okno));
            auto *mHistorie = Pomocnik::Prvek<QPlainTextEdit>(o, "mHistorie");
            QVERIFY(mHistorie->isReadOnly());
            QCOMPARE(mHistorie->toPlainText(), HistorieOprav::Text());
            QVERIFY(QFontInfo(mHistorie->font()).fixedPitch());
            QCOMPARE(mHistorie->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            // Every line fits without a horizontal scroll bar.
            const QFontMetrics metrika(mHistorie->font());
            for (const QString &radek : HistorieOprav::Text().split(u'\n'))
                QVERIFY2(metrika.horizontalAdvance(radek) < mHistorie->viewport()->width(), qPrintable(radek));
            QTest::keyClick(o, Qt::Key_Escape);
        }));
    }
};

QTEST_MAIN(TestInformace)
#include "tst_informace.moc"
