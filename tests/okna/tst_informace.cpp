// The About window, the help window and the release history, opened from the main window.
#include "popisky.h"

#include "info/Historie.h"
#include "info/historietext.h"
#include "info/napovedaHTML.h"
#include "info/oaplikaci.h"

#include <QDesktopServices>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>

using Pomocnik::Akce;
using Pomocnik::Otevrit;
using Pomocnik::Prvek;
using Pomocnik::Text;
using Pomocnik::Vycentrovano;

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

    std::unique_ptr<Pomocnik::Program> m_program;
    Prohlizec m_prohlizec;

    THlavniFormular &O() { return *m_program->okno; }
    QString Soubor(const char *jmeno) { return m_program->adresar.Soubor(QString::fromLatin1(jmeno)); }

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
        m_program = std::make_unique<Pomocnik::Program>(QList<Banka::OtazkaZdroje>{Pomocnik::Otazka(1)});
        m_prohlizec.adresy.clear();
    }

    void cleanup() { m_program.reset(); }

    // About from the idle menu, centred, closed by OK; from a mode's menu, closed by Escape, the
    // mode going on afterwards.
    void oProgramu()
    {
        QVERIFY(Otevrit<TAbout>([this] { Akce(&O(), "M1OProgramu")->trigger(); }, [this](TAbout *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("O programu"));
            QVERIFY(Vycentrovano(o, &O()));
            QCOMPARE(Pomocnik::Texty(o, "lbNazev lbVerze lbUprava btnOK"),
                     QStringLiteral("Semaforix | verze produktu: 1.18 | poslední úprava: 19.8.2003 | &OK"));
            QVERIFY(Prvek<QLabel>(o, "lbNazev")->font().bold());
            QVERIFY(!Prvek<QLabel>(o, "Image1")->pixmap().isNull());
            Pomocnik::Kliknout(o, "btnOK");
            QVERIFY(!o->isVisible());
        }));
        O().PrepnoutRezim(Rezim::Prohlizeni, true);
        QVERIFY(Akce(&O(), "M2oProgramu")->isVisible());
        QVERIFY(Otevrit<TAbout>([this] { Akce(&O(), "M2oProgramu")->trigger(); }, [this](TAbout *o) {
            QVERIFY(Vycentrovano(o, &O()));
            QTest::keyClick(o, Qt::Key_Escape);
            QVERIFY(!o->isVisible());
        }));
        QCOMPARE(O().AktivniRezim(), Rezim::Prohlizeni);
    }

    // The bank's date is its memo file's, right of its caption on the same line.
    void datumDatabazeZeSouboru()
    {
        QFile mb(QStringLiteral("otazky.MB"));
        QVERIFY(mb.open(QIODevice::ReadWrite));
        for (const QDate &den : {QDate(2024, 3, 5), QDate(2026, 11, 20)}) {
            QVERIFY(mb.setFileTime(QDateTime(den, QTime(10, 0)), QFileDevice::FileModificationTime));
            TAbout o;
            QCOMPARE(Text(&o, "lb"), QLocale(QLocale::Czech, QLocale::Czechia).toString(den, QLocale::ShortFormat));
            QVERIFY(Text(&o, "lb").contains(QString::number(den.day()) + u'.'));
            QVERIFY(Prvek(&o, "lb")->x() > Prvek(&o, "lbDatab")->geometry().right() && Prvek(&o, "lb")->y() == Prvek(&o, "lbDatab")->y());
        }
    }

    void odkazNaWeb()
    {
        TAbout o;
        QLabel *lbInet = Prvek<QLabel>(&o, "lbInet");
        QCOMPARE(lbInet->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(lbInet->font().bold());
        // Red while the mouse is over it, blue again when it leaves.
        for (const auto &[udalost, barva] : {std::pair{QEvent::Enter, QColor(Qt::red)}, std::pair{QEvent::Leave, QColor(Qt::blue)}}) {
            QEvent e(udalost);
            QApplication::sendEvent(lbInet, &e);
            QCOMPARE(lbInet->palette().color(QPalette::WindowText), barva);
        }

        // A browser starts: nothing else is shown.
        Dialogy::Test::Odpovedet(true);
        QTest::mouseClick(lbInet, Qt::LeftButton);
        QCOMPARE(Pomocnik::Zpravy(), QStringList{QStringLiteral("Adresa: ") + lbInet->text()});
        QVERIFY(QUrl(lbInet->text()).isValid() && QUrl(lbInet->text()).scheme() == QStringLiteral("https"));
        // No browser, from the keyboard: the address stands on a line of its own in an information box.
        Dialogy::Test::Odpovedet(false);
        QTest::keyClick(lbInet, Qt::Key_Return);
        const QStringList zpravy = Pomocnik::Zpravy();
        QCOMPARE(zpravy.size(), 2);
        QVERIFY(zpravy[1].startsWith(QStringLiteral("Informace: Internetový prohlížeč se nepodařilo spustit.")));
        QVERIFY(zpravy[1].split(u'\n').contains(lbInet->text()));
    }

    void textOProgramu()
    {
        TAbout o;
        auto *mText = Prvek<QPlainTextEdit>(&o, "mText");
        QVERIFY(mText->isReadOnly());
        const QStringList radky = mText->toPlainText().split(u'\n');
        const qsizetype nadpis = radky.indexOf(QStringLiteral("Hlavní výhody tohoto programu:"));
        QVERIFY(nadpis >= 2 && radky[nadpis - 1].isEmpty() && !radky[0].isEmpty() && radky.size() > nadpis + 1);
        // The list, then the licence after a blank line, the last paragraph.
        const qsizetype konec = radky.indexOf(QString(), nadpis);
        QVERIFY(konec > nadpis + 1 && konec == radky.size() - 2);
        for (qsizetype i = nadpis + 1; i < konec; ++i)
            QVERIFY2(radky[i].startsWith(QStringLiteral("- ")), qPrintable(radky[i]));
        QVERIFY2(radky.last().contains(QStringLiteral("GNU General Public License, verze 3 nebo"))
                     && !radky.join(u' ').contains(QStringLiteral("úřední databáz")),
                 qPrintable(radky.last()));
        // The sentence on the questions names the laws they follow, and no review that did not happen.
        const QString atestace = Text(&o, "stAtestace");
        QVERIFY(atestace.contains(QStringLiteral("361/2000 Sb.")) && !atestace.contains(QStringLiteral("polic"), Qt::CaseInsensitive));
        QVERIFY(Prvek<QLabel>(&o, "stAtestace")->font().bold());
    }

    // The help from the program's directory, larger than the main window and centred over it: links
    // of the pages followed inside it, backwards and forwards, web addresses handed to the desktop.
    void napovedaZAdresareProgramu()
    {
        QVERIFY(Pomocnik::Zapsat(Soubor("Help/index.htm"),
                                 QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                                                "</head><body><p>Úvodní stránka</p><a href=\"druha.htm\">dál</a> "
                                                "<a href=\"https://example.org/\">web</a></body></html>")
                                     .toUtf8()));
        QVERIFY(Pomocnik::Zapsat(Soubor("Help/druha.htm"), "<html><body><p>Druhá stránka</p></body></html>"));
        QVERIFY(Otevrit<THelpForm>([this] { Akce(&O(), "M1Napoveda")->trigger(); }, [this](THelpForm *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("Nápověda programu Semaforix"));
            QVERIFY(o->width() > O().width() && o->height() > O().height() && o->minimumSize() != o->maximumSize());
            QVERIFY(Vycentrovano(o, &O()));
            auto *wbHelp = Prvek<QTextBrowser>(o, "wbHelp");
            QCOMPARE(wbHelp->source(), QUrl::fromLocalFile(Soubor("Help/index.htm")));
            QCOMPARE(wbHelp->geometry(), o->rect());
            const auto stranka = [wbHelp] { return wbHelp->toPlainText().section(u'\n', 0, 0); };
            QCOMPARE(stranka(), QStringLiteral("Úvodní stránka"));
            wbHelp->setFocus();
            for (const auto &[klavesa, modifikator, potom] :
                 {std::tuple{Qt::Key_Tab, Qt::NoModifier, "Úvodní stránka"}, std::tuple{Qt::Key_Return, Qt::NoModifier, "Druhá stránka"},
                  std::tuple{Qt::Key_Left, Qt::AltModifier, "Úvodní stránka"}, std::tuple{Qt::Key_Right, Qt::AltModifier, "Druhá stránka"},
                  std::tuple{Qt::Key_Left, Qt::AltModifier, "Úvodní stránka"}, std::tuple{Qt::Key_Tab, Qt::NoModifier, "Úvodní stránka"},
                  std::tuple{Qt::Key_Tab, Qt::NoModifier, "Úvodní stránka"}, std::tuple{Qt::Key_Return, Qt::NoModifier, "Úvodní stránka"}}) {
                QTest::keyClick(wbHelp, klavesa, modifikator);
                QCOMPARE(stranka(), QString::fromUtf8(potom));
            }
            QCOMPARE(m_prohlizec.adresy, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
        }));
    }

    // Without its pages, or on a link to a page that is gone, the help says so and names the file.
    void chybejiciNapoveda()
    {
        THelpForm bez;
        const QString text = Prvek<QTextBrowser>(&bez, "wbHelp")->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Nápověda není k dispozici")) && text.contains(QDir::toNativeSeparators(THelpForm::CestaIndexu())));

        QVERIFY(Pomocnik::Zapsat(Soubor("Help/index.htm"), "<html><body>Obsah</body></html>"));
        THelpForm o;
        auto *wbHelp = Prvek<QTextBrowser>(&o, "wbHelp");
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Obsah")));
        wbHelp->setSource(QUrl::fromLocalFile(Soubor("Help/neni.htm")));
        QVERIFY(wbHelp->toPlainText().contains(QStringLiteral("Nápověda není k dispozici")) && wbHelp->toPlainText().contains(QStringLiteral("neni.htm")));
    }

    void historie()
    {
        QVERIFY(Otevrit<TOpravyAktualizace>([this] { Akce(&O(), "M1Seznam")->trigger(); }, [this](TOpravyAktualizace *o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("Historie oprav a aktualizací"));
            QCOMPARE(o->minimumSize(), o->maximumSize());
            QVERIFY(Vycentrovano(o, &O()));
            auto *mHistorie = Prvek<QPlainTextEdit>(o, "mHistorie");
            QVERIFY(mHistorie->isReadOnly() && QFontInfo(mHistorie->font()).fixedPitch());
            QCOMPARE(mHistorie->toPlainText(), HistorieOprav::Text());
            QCOMPARE(mHistorie->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            // Every line fits without a horizontal scroll bar.
            for (const QString &radek : HistorieOprav::Text().split(u'\n'))
                QVERIFY2(QFontMetrics(mHistorie->font()).horizontalAdvance(radek) < mHistorie->viewport()->width(), qPrintable(radek));
            QTest::keyClick(o, Qt::Key_Escape);
            QVERIFY(!o->isVisible());
        }));
    }
};

QTEST_MAIN(TestInformace)
#include "tst_informace.moc"
