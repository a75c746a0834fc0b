// The help pages and the pictures of the windows they show: every link and every picture
// resolves, every page is reached from the contents, and the tool writes every picture.
#include "pomocnik.h"

#include "snimky/snimky.h"

#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Zdroj = QStringLiteral(SEMAFORIX_ZDROJ "/data/Help");

QStringList Hodnoty(const QString &html, const QString &atribut)
{
    QStringList hodnoty;
    const QRegularExpression vyraz(QStringLiteral("\\b%1\\s*=\\s*\"([^\"]*)\"").arg(atribut),
                                   QRegularExpression::CaseInsensitiveOption);
    for (auto it = vyraz.globalMatch(html); it.hasNext();)
        hodnoty.append(it.next().captured(1));
    return hodnoty;
}

bool Vnejsi(const QString &odkaz)
{
    return odkaz.startsWith(QStringLiteral("http://")) || odkaz.startsWith(QStringLiteral("https://"))
           || odkaz.startsWith(QStringLiteral("mailto:"));
}

} // namespace

class TestNapoveda : public QObject {
    Q_OBJECT

    QHash<QString, QString> m_stranky; // file name -> text

private slots:
    void initTestCase()
    {
        for (const QString &jmeno : QDir(Zdroj).entryList({QStringLiteral("*.htm")}, QDir::Files))
            m_stranky.insert(jmeno, QString::fromUtf8(Pomocnik::Obsah(QDir(Zdroj).filePath(jmeno))));
        QVERIFY(m_stranky.contains(QStringLiteral("index.htm")));
        QVERIFY(m_stranky.size() >= 11);
    }

    // Every page: HTML 4.01 in UTF-8 with a title and the style; each link reaches a page and its
    // anchor, each picture is a picture the tool takes, and every picture is shown somewhere.
    void strankyOdkazyAObrazky()
    {
        const QStringList snimky = Snimky::Jmena();
        QSet<QString> pouzite;
        for (auto it = m_stranky.cbegin(); it != m_stranky.cend(); ++it) {
            const QString &html = it.value();
            QVERIFY2(html.startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01")), qPrintable(it.key()));
            // Without the declaration the Czech letters would be read as Latin-1.
            QVERIFY2(html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive), qPrintable(it.key()));
            QVERIFY2(!html.contains(QChar::ReplacementCharacter), qPrintable(it.key()));
            QVERIFY2(QRegularExpression(QStringLiteral("<title>[^<]+</title>")).match(html).hasMatch(), qPrintable(it.key()));
            QVERIFY2(Hodnoty(html, QStringLiteral("href")).contains(QStringLiteral("styl.css")), qPrintable(it.key()));
            for (const QString &odkaz : Hodnoty(html, QStringLiteral("href"))) {
                if (Vnejsi(odkaz))
                    continue;
                const QString soubor = odkaz.section(u'#', 0, 0);
                const QString kotva = odkaz.section(u'#', 1);
                const QString cil = soubor.isEmpty() ? it.key() : soubor;
                const QString text = m_stranky.value(cil);
                QVERIFY2(QFileInfo::exists(QDir(Zdroj).filePath(cil))
                             && (kotva.isEmpty() || Hodnoty(text, QStringLiteral("name")).contains(kotva)
                                 || Hodnoty(text, QStringLiteral("id")).contains(kotva)),
                         qPrintable(it.key() + QStringLiteral(": ") + odkaz));
            }
            for (const QString &obrazek : Hodnoty(html, QStringLiteral("src"))) {
                QVERIFY2(obrazek.startsWith(QStringLiteral("obrazky/")) && snimky.contains(obrazek.mid(8)),
                         qPrintable(it.key() + QStringLiteral(": ") + obrazek));
                pouzite.insert(obrazek.mid(8));
            }
        }
        // No picture is taken for nothing.
        for (const QString &s : snimky)
            QVERIFY2(pouzite.contains(s), qPrintable(s));
        QCOMPARE(QSet<QString>(snimky.begin(), snimky.end()).size(), snimky.size());
    }

    // The pages' own words as Czech writes them: quotes „…“ (a straight one only in a message quoted in
    // italics as the program shows it), "ve" before a word that begins with v or f, and a title that
    // names the help once.
    void ceskyText()
    {
        const QRegularExpression znacka(QStringLiteral("<[^>]*>"));
        const QRegularExpression citace(QStringLiteral("<i>.*?</i>"), QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpression predlozka(QStringLiteral("\\bv [vVfF]"));
        for (auto it = m_stranky.cbegin(); it != m_stranky.cend(); ++it) {
            const QString text = QString(it.value()).remove(znacka);
            QVERIFY2(!QString(it.value()).remove(citace).remove(znacka).contains(u'"'), qPrintable(it.key()));
            const auto v = predlozka.match(text);
            QVERIFY2(!v.hasMatch(), qPrintable(it.key() + QStringLiteral(": ") + v.captured()));
            const QString titulek = QRegularExpression(QStringLiteral("<title>([^<]*)</title>")).match(it.value()).captured(1);
            QVERIFY2(titulek.count(QStringLiteral("nápověda programu Semaforix"), Qt::CaseInsensitive) == 1, qPrintable(titulek));
        }
    }

    void vsechnyStrankyDosazitelneZObsahu()
    {
        QSet<QString> navstivene{QStringLiteral("index.htm")};
        QStringList fronta{QStringLiteral("index.htm")};
        while (!fronta.isEmpty()) {
            const QString stranka = fronta.takeFirst();
            for (const QString &odkaz : Hodnoty(m_stranky.value(stranka), QStringLiteral("href"))) {
                const QString soubor = odkaz.section(u'#', 0, 0);
                if (!Vnejsi(odkaz) && soubor.endsWith(QStringLiteral(".htm")) && !navstivene.contains(soubor)) {
                    navstivene.insert(soubor);
                    fronta.append(soubor);
                }
            }
        }
        for (auto it = m_stranky.cbegin(); it != m_stranky.cend(); ++it)
            QVERIFY2(navstivene.contains(it.key()), qPrintable(it.key()));
    }

    void nastrojZapiseVsechnySnimky()
    {
        QTemporaryDir program;
        QCOMPARE(Pomocnik::ZapsatBanku(Pomocnik::OtazkyTestu(), program.path()), QString());
        const QString cil = program.filePath(QStringLiteral("Help/obrazky"));
        const QString puvodni = QDir::currentPath();
        const int sirka = Snimky::SirkaNapovedy();
        QVERIFY(sirka > 600 && sirka < 700);
        const QStringList problemy = Snimky::Zapsat(program.path(), cil);
        QVERIFY2(problemy.isEmpty(), qPrintable(problemy.join(u'\n')));
        QCOMPARE(QDir::currentPath(), puvodni);
        for (const QString &jmeno : Snimky::Jmena()) {
            const QImage obrazek(QDir(cil).filePath(jmeno));
            QVERIFY2(!obrazek.isNull(), qPrintable(jmeno));
            QVERIFY2(obrazek.width() >= 200 && obrazek.height() >= 60, qPrintable(jmeno));
            QVERIFY2(obrazek.width() <= sirka, qPrintable(jmeno)); // whole in the help window
            // Not one colour: the window was drawn.
            QSet<QRgb> barvy;
            for (int y = 0; y < obrazek.height(); y += 7)
                for (int x = 0; x < obrazek.width(); x += 7)
                    barvy.insert(obrazek.pixel(x, y));
            QVERIFY2(barvy.size() >= 8, qPrintable(jmeno));
        }
        // The program's own directory stays as it was: no settings, no results.
        QVERIFY(!QFileInfo::exists(program.filePath(QStringLiteral("config.ini"))));
    }
};

QTEST_MAIN(TestNapoveda)
#include "tst_napoveda.moc"
