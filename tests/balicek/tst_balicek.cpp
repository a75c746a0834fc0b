// The Debian package as a user installs it: its files, its desktop entry and metainfo as the
// desktop's validators and lintian judge them, and the program started from the unpacked package.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Vysledek {
    int kod = -1;
    QString vystup; // standard output and error together
};

Vysledek Spustit(const QString &program, const QStringList &argumenty,
                 const QProcessEnvironment &prostredi = QProcessEnvironment::systemEnvironment(),
                 const QString &adresar = {})
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setProcessEnvironment(prostredi);
    p.setWorkingDirectory(adresar);
    p.start(program, argumenty);
    if (!p.waitForFinished(240000))
        return {-1, QStringLiteral("%1 did not finish: %2").arg(program, p.errorString())};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// The dynamic symbols of an ELF file as nm lists them (--defined-only or --undefined-only): name
// without its version, and its type letter.
QHash<QString, QChar> Symboly(const QString &soubor, const QString &ktere)
{
    QHash<QString, QChar> symboly;
    const Vysledek v = Spustit(QStringLiteral("nm"), {QStringLiteral("-D"), ktere, soubor});
    for (const QString &radek : v.vystup.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList sloupce = radek.split(u' ', Qt::SkipEmptyParts);
        if (sloupce.size() >= 2 && sloupce[sloupce.size() - 2].size() == 1)
            symboly.insert(sloupce.last().section(u'@', 0, 0), sloupce[sloupce.size() - 2][0]);
    }
    return symboly;
}

QStringList Soubory(const QString &koren)
{
    QStringList soubory;
    QDirIterator i(koren, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (i.hasNext())
        soubory << QDir(koren).relativeFilePath(i.next());
    soubory.sort();
    return soubory;
}

} // namespace

class TestBalicek : public QObject {
    Q_OBJECT

    const QString m_deb = QStringLiteral(SEMAFORIX_DEB);
    QTemporaryDir m_koren;
    QString m_id;

    QString V(const QString &cesta) const { return m_koren.filePath(cesta); }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(m_deb), qPrintable(m_deb));
        const Vysledek x = Spustit(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), m_deb, m_koren.path()});
        QVERIFY2(x.kod == 0, qPrintable(x.vystup));
        const QStringList polozky = QDir(V(QStringLiteral("usr/share/applications"))).entryList({QStringLiteral("*.desktop")});
        QCOMPARE(polozky.size(), 1);
        m_id = polozky[0].chopped(8);
    }

    void souboryBalicku()
    {
        const QStringList soubory = Soubory(m_koren.path());
        QStringList potreba;
        for (const QString &s : QStringLiteral("otazky.DB otazky.MB grafika/yes.jpg grafika/no.jpg grafika/mistake.jpg obrazky/621.jpg "
                                               "obrazky/757.jpg Help/index.htm Help/obrazky/procvicovani.png")
                                    .split(u' '))
            potreba << QStringLiteral("usr/share/semaforix/") + s;
        potreba << QStringLiteral("usr/bin/semaforix") << QStringLiteral("usr/" SEMAFORIX_MODULY "/prehled.so")
                << QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(m_id) << QStringLiteral("usr/share/man/man1/semaforix.1.gz")
                << QStringLiteral("usr/share/doc/semaforix/copyright") << QStringLiteral("usr/share/doc/semaforix/changelog.gz");
        for (int v : {48, 128, 256}) {
            const QString ikona = QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(v).arg(m_id);
            potreba << ikona;
            QCOMPARE(QImageReader(V(ikona), "png").size(), QSize(v, v));
        }
        for (const QString &s : potreba)
            QVERIFY2(soubory.contains(s), qPrintable(s));
        // Nothing of a learner's: no settings or tables a `make run` may have left in the build.
        const QRegularExpression uzivatele(QStringLiteral("(^|/)(config\\.ini|(?!otazky\\.)[^/]+\\.(DB|MB))$"));
        for (const QString &s : soubory)
            QVERIFY2(!uzivatele.match(s).hasMatch(), qPrintable(s));

        // Libraries computed from the executable and the module, and no build tool among the
        // dependencies.
        const Vysledek z = Spustit(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_deb, QStringLiteral("Depends")});
        QVERIFY2(z.kod == 0, qPrintable(z.vystup));
        for (const char *knihovna : {"libqt6widgets6", "libqt6charts6", "libsqlite3-0", "fonts-liberation2"})
            QVERIFY2(z.vystup.contains(QLatin1String(knihovna)), qPrintable(z.vystup));
        QVERIFY2(!z.vystup.contains(QRegularExpression(QStringLiteral("-dev\\b|\\bcmake\\b|\\bg\\+\\+|\\bgcc\\b|\\bmake\\b"))),
                 qPrintable(z.vystup));
    }

    // Qt Charts (and the OpenGL libraries it brings) only in the overview's module, loaded when the
    // overview opens: the executable starts without it. The module holds the overview's window alone:
    // no symbol defined in both but weak or unique ones (inline functions, templates), and it takes
    // nothing from the executable, whatever it needs being in its own libraries.
    void modulPrehledu()
    {
        const QString program = V(QStringLiteral("usr/bin/semaforix"));
        const QString modul = V(QStringLiteral("usr/" SEMAFORIX_MODULY "/prehled.so"));
        Vysledek v = Spustit(QStringLiteral("ldd"), {program});
        QVERIFY2(v.kod == 0 && v.vystup.contains(QLatin1String("libQt6Widgets")), qPrintable(v.vystup));
        QVERIFY2(!v.vystup.contains(QLatin1String("Charts")) && !v.vystup.contains(QLatin1String("libQt6OpenGL")),
                 qPrintable(v.vystup));
        v = Spustit(QStringLiteral("readelf"), {QStringLiteral("-d"), modul});
        QVERIFY2(v.vystup.contains(QLatin1String("[libQt6Charts.so.6]")), qPrintable(v.vystup));

        const QHash<QString, QChar> programu = Symboly(program, QStringLiteral("--defined-only"));
        const QHash<QString, QChar> modulu = Symboly(modul, QStringLiteral("--defined-only"));
        QVERIFY(!programu.contains(QStringLiteral("_ZN8Adresare5ZdrojERK7QString"))); // the program exports nothing of its own
        QVERIFY(modulu.contains(QStringLiteral("semaforix_prehled")));
        const QString vahy = QStringLiteral("WwVvu");
        const QStringList odLinkeru{QStringLiteral("_edata"), QStringLiteral("_end"), QStringLiteral("__bss_start")};
        for (auto i = modulu.cbegin(); i != modulu.cend(); ++i)
            QVERIFY2(!programu.contains(i.key()) || odLinkeru.contains(i.key())
                         || (vahy.contains(i.value()) && vahy.contains(programu[i.key()])),
                     qPrintable(i.key()));

        QHash<QString, QChar> dostupne;
        v = Spustit(QStringLiteral("ldd"), {modul});
        for (const QString &radek : v.vystup.split(u'\n')) {
            const QString knihovna = radek.section(QStringLiteral(" => "), 1).section(u' ', 0, 0);
            if (knihovna.startsWith(u'/'))
                dostupne.insert(Symboly(knihovna, QStringLiteral("--defined-only")));
        }
        const QHash<QString, QChar> potrebne = Symboly(modul, QStringLiteral("--undefined-only"));
        for (auto i = potrebne.cbegin(); i != potrebne.cend(); ++i)
            QVERIFY2(i.value() != u'U' || dostupne.contains(i.key()), qPrintable(i.key()));
    }

    void validatory()
    {
        const QString polozka = V(QStringLiteral("usr/share/applications/%1.desktop").arg(m_id));
        Vysledek v = Spustit(QStringLiteral("desktop-file-validate"), {polozka});
        QVERIFY2(v.kod == 0 && v.vystup.trimmed().isEmpty(), qPrintable(v.vystup));
        QFile f(polozka);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        for (const QString &radek : {QStringLiteral("Exec=semaforix"), QStringLiteral("Icon=") + m_id,
                                     QStringLiteral("Categories=Education;")})
            QVERIFY2(text.contains(radek), qPrintable(radek));

        // The screenshots' addresses are not fetched: there is no network here.
        v = Spustit(QStringLiteral("appstreamcli"),
                    {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--pedantic"),
                     V(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(m_id))});
        QVERIFY2(v.kod == 0, qPrintable(v.vystup));

        v = Spustit(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_deb});
        QVERIFY2(v.kod == 0, qPrintable(v.vystup));
    }

    // The program from the unpacked package, with a new user's home: it reads the packaged bank,
    // saves the settings in the user's data directory, writing nothing beside itself, and opens the
    // overview from the packaged module.
    void spusteniZBalicku()
    {
        const QString spoustec = V(QStringLiteral("usr/bin/semaforix-spoustec"));
        QVERIFY(QFile::copy(QStringLiteral(SEMAFORIX_SPOUSTEC), spoustec));
        QTemporaryDir domov;
        const QStringList pred = Soubory(m_koren.path());

        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.insert(QStringLiteral("HOME"), domov.path());
        prostredi.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        prostredi.remove(QStringLiteral("XDG_DATA_HOME"));
        const Vysledek v = Spustit(spoustec, {}, prostredi, domov.path());
        QVERIFY2(v.kod == 0, qPrintable(v.vystup));

        const QString uzivatel = domov.filePath(QStringLiteral(".local/share/semaforix"));
        for (const QString &radek : {QStringLiteral("data=") + V(QStringLiteral("usr/share/semaforix")),
                                     QStringLiteral("uzivatel=") + uzivatel, QStringLiteral("desktop=") + m_id,
                                     QStringLiteral("prehled=Přehled znalostí – Default")})
            QVERIFY2(v.vystup.split(u'\n').contains(radek), qPrintable(radek + QStringLiteral(" in:\n") + v.vystup));
        QCOMPARE(Soubory(domov.path()), QStringList{QStringLiteral(".local/share/semaforix/config.ini")});
        QCOMPARE(Soubory(m_koren.path()), pred);
    }
};

QTEST_GUILESS_MAIN(TestBalicek)
#include "tst_balicek.moc"
