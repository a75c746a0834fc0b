#include "obrazky/krizovatky.h"
#include "obrazky/krizovatky_scena.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject Json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// Pixels whose colour lies near `barva`, so tests can ask whether something of that colour
// was drawn without depending on where exactly it lies.
int PocetBodu(const QImage &obr, QColor barva)
{
    int pocet = 0;
    for (int y = 0; y < obr.height(); ++y)
        for (int x = 0; x < obr.width(); ++x) {
            const QColor c = obr.pixelColor(x, y);
            if (qAbs(c.red() - barva.red()) + qAbs(c.green() - barva.green()) +
                    qAbs(c.blue() - barva.blue()) <
                40)
                ++pocet;
        }
    return pocet;
}

QJsonObject Auto(const QString &barva, bool moje = false)
{
    return Json(u"{\"vozidla\": [{\"druh\": \"osobni\", \"barva\": \"%1\", \"rameno\": \"jih\", "
                "\"smer\": \"rovne\", \"moje\": %2}]}"_s.arg(barva, moje ? u"true"_s : u"false"_s)
                    .toUtf8());
}

} // namespace

class TestKrizovatky : public QObject
{
    Q_OBJECT

private slots:
    void scenyBankyProjdouAKresliSe_data();
    void scenyBankyProjdouAKresliSe();
    void chybnaScenaJmenujeChybu_data();
    void chybnaScenaJmenujeChybu();
    void smeryVedouDoSpravnychRamen();
    void barvaVozidlaJeVidet_data();
    void barvaVozidlaJeVidet();
    void semaforSvitiSvymSvetlem_data();
    void semaforSvitiSvymSvetlem();
    void vlastniVozidloJeOznacene();
};

void TestKrizovatky::scenyBankyProjdouAKresliSe_data()
{
    QTest::addColumn<QJsonObject>("scena");
    QFile soubor(QStringLiteral(SEMAFORIX_ZDROJ "/data/otazky/7-krizovatky.json"));
    QVERIFY2(soubor.open(QIODevice::ReadOnly), qPrintable(soubor.fileName()));
    const QJsonArray otazky = QJsonDocument::fromJson(soubor.readAll()).array();
    QCOMPARE(otazky.size(), 37);
    for (const QJsonValue &v : otazky) {
        const QJsonObject o = v.toObject();
        QVERIFY(o.value(u"krizovatka"_s).isObject());
        QTest::newRow(qPrintable(QString::number(o.value(u"cislo"_s).toInt())))
            << o.value(u"krizovatka"_s).toObject();
    }
}

void TestKrizovatky::scenyBankyProjdouAKresliSe()
{
    QFETCH(QJsonObject, scena);
    QCOMPARE(Krizovatky::Zkontrolovat(scena), QString());
    const QImage obr = Krizovatky::Nakreslit(scena);
    QCOMPARE(obr.size(), QSize(Krizovatky::Sirka, Krizovatky::Vyska));
    QCOMPARE(obr.format(), QImage::Format_RGB32);
    QSet<QRgb> barvy;
    for (int y = 0; y < obr.height(); y += 3)
        for (int x = 0; x < obr.width(); x += 3)
            barvy.insert(obr.pixel(x, y));
    // Grass, road, markings, vehicles and arrows give far more than a handful of colours.
    QVERIFY2(barvy.size() > 20, qPrintable(QString::number(barvy.size())));
}

void TestKrizovatky::chybnaScenaJmenujeChybu_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("jmenuje");
    const auto vozidlo = [](const char *udaje) {
        return QByteArray(R"({"vozidla": [{"druh": "osobni", "barva": "modra", "rameno": "jih", )"
                          R"("smer": "rovne", )") +
               udaje + "}]}";
    };
    QTest::newRow("druh") << QByteArray(R"({"vozidla": [{"druh": "traktor", "barva": "modra", )"
                                        R"("rameno": "jih", "smer": "rovne"}]})")
                          << u"traktor"_s;
    QTest::newRow("barva") << QByteArray(R"({"vozidla": [{"druh": "osobni", "barva": "ruzova", )"
                                         R"("rameno": "jih", "smer": "rovne"}]})")
                           << u"ruzova"_s;
    QTest::newRow("rameno vozidla")
        << QByteArray(R"({"vozidla": [{"druh": "osobni", "barva": "modra", )"
                      R"("rameno": "severozapad", "smer": "rovne"}]})")
        << u"severozapad"_s;
    QTest::newRow("rameno, které tu není")
        << QByteArray(R"({"ramena": ["jih", "zapad", "vychod"], "vozidla": [{"druh": "osobni", )"
                      R"("barva": "modra", "rameno": "sever", "smer": "rovne"}]})")
        << u"sever"_s;
    QTest::newRow("rameno značky") << QByteArray(R"({"znacky": [{"rameno": "nahore", "kod": "P4"}], )")
                                          + vozidlo("\"poradi\": 0").mid(1)
                                   << u"nahore"_s;
    QTest::newRow("značka") << QByteArray(R"({"znacky": [{"rameno": "jih", "kod": "X99"}], )")
                                   + vozidlo("\"poradi\": 0").mid(1)
                            << u"X99"_s;
    QTest::newRow("stav semaforu")
        << QByteArray(R"({"semafory": [{"rameno": "jih", "stav": "modra"}], )")
               + vozidlo("\"poradi\": 0").mid(1)
        << u"modra"_s;
    QTest::newRow("směrovka") << vozidlo("\"smerovka\": \"nahoru\"") << u"nahoru"_s;
    QTest::newRow("chybí druh") << QByteArray(R"({"vozidla": [{"barva": "modra", "rameno": "jih", )"
                                              R"("smer": "rovne"}]})")
                                << u"„druh“"_s;
    QTest::newRow("chybí barva") << QByteArray(R"({"vozidla": [{"druh": "autobus", )"
                                               R"("rameno": "jih", "smer": "rovne"}]})")
                                 << u"„barva“"_s;
    QTest::newRow("neznámý údaj") << vozidlo("\"barvicka\": \"modra\"") << u"barvicka"_s;
    QTest::newRow("tramvaj bez kolejí")
        << QByteArray(R"({"vozidla": [{"druh": "tramvaj", "rameno": "jih", "smer": "rovne"}]})")
        << u"Tramvaj"_s;
    QTest::newRow("dvě stejná vozidla")
        << QByteArray(R"({"vozidla": [{"druh": "osobni", "barva": "modra", "rameno": "jih", )"
                      R"("smer": "rovne"}, {"druh": "osobni", "barva": "modra", )"
                      R"("rameno": "sever", "smer": "rovne"}]})")
        << u"rozlišit"_s;
    QTest::newRow("bez vozidel") << QByteArray(R"({"typ": "okruzni"})") << u"vozidla"_s;
}

void TestKrizovatky::chybnaScenaJmenujeChybu()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, jmenuje);
    const QJsonObject scena = Json(json);
    QVERIFY2(!scena.isEmpty(), json.constData());
    const QString zprava = Krizovatky::Zkontrolovat(scena);
    QVERIFY2(zprava.contains(jmenuje), qPrintable(zprava));
}

void TestKrizovatky::smeryVedouDoSpravnychRamen()
{
    using Krizovatky::Rameno;
    using Krizovatky::Smer;
    // Right-hand traffic: coming up from the south, right is east and left is west.
    QCOMPARE(Krizovatky::Cil(Rameno::Jih, Smer::Vpravo), Rameno::Vychod);
    QCOMPARE(Krizovatky::Cil(Rameno::Jih, Smer::Vlevo), Rameno::Zapad);
    QCOMPARE(Krizovatky::Cil(Rameno::Jih, Smer::Rovne), Rameno::Sever);
    QCOMPARE(Krizovatky::Cil(Rameno::Zapad, Smer::Vpravo), Rameno::Jih);
    QCOMPARE(Krizovatky::Cil(Rameno::Sever, Smer::Vlevo), Rameno::Vychod);
    QCOMPARE(Krizovatky::Cil(Rameno::Vychod, Smer::Vpravo), Rameno::Sever);
}

void TestKrizovatky::barvaVozidlaJeVidet_data()
{
    QTest::addColumn<QString>("barva");
    QTest::addColumn<QColor>("rgb");
    QTest::addColumn<QString>("jina");
    QTest::newRow("červená") << u"cervena"_s << QColor(0xd7, 0x1e, 0x1e) << u"modra"_s;
    QTest::newRow("modrá") << u"modra"_s << QColor(0x1d, 0x4e, 0xd8) << u"cervena"_s;
    QTest::newRow("zelená") << u"zelena"_s << QColor(0x1c, 0x9a, 0x2e) << u"zluta"_s;
    QTest::newRow("žlutá") << u"zluta"_s << QColor(0xf5, 0xd0, 0x00) << u"zelena"_s;
    QTest::newRow("bílá") << u"bila"_s << QColor(0xf8, 0xf8, 0xf8) << u"cerna"_s;
    QTest::newRow("šedá") << u"seda"_s << QColor(0x9a, 0x9a, 0x9a) << u"hneda"_s;
}

void TestKrizovatky::barvaVozidlaJeVidet()
{
    QFETCH(QString, barva);
    QFETCH(QColor, rgb);
    QFETCH(QString, jina);
    const int s = PocetBodu(Krizovatky::Nakreslit(Auto(barva)), rgb);
    const int bez = PocetBodu(Krizovatky::Nakreslit(Auto(jina)), rgb);
    QVERIFY2(s > bez + 60, qPrintable(u"%1 / %2"_s.arg(s).arg(bez)));
}

void TestKrizovatky::semaforSvitiSvymSvetlem_data()
{
    QTest::addColumn<QString>("stav");
    QTest::addColumn<bool>("cervena");
    QTest::addColumn<bool>("zelena");
    QTest::newRow("červená") << u"cervena"_s << true << false;
    QTest::newRow("zelená") << u"zelena"_s << false << true;
    QTest::newRow("vypnuto") << u"vypnuto"_s << false << false;
}

void TestKrizovatky::semaforSvitiSvymSvetlem()
{
    QFETCH(QString, stav);
    QFETCH(bool, cervena);
    QFETCH(bool, zelena);
    const QJsonObject scena =
        Json(u"{\"semafory\": [{\"rameno\": \"sever\", \"stav\": \"%1\"}], \"vozidla\": "
             "[{\"druh\": \"osobni\", \"barva\": \"cerna\", \"rameno\": \"jih\", \"smer\": "
             "\"rovne\"}]}"_s.arg(stav)
                 .toUtf8());
    QCOMPARE(Krizovatky::Zkontrolovat(scena), QString());
    const QImage obr = Krizovatky::Nakreslit(scena);
    QCOMPARE(PocetBodu(obr, QColor(0xff, 0x2a, 0x1a)) > 10, cervena);
    QCOMPARE(PocetBodu(obr, QColor(0x22, 0xe0, 0x5a)) > 10, zelena);
}

void TestKrizovatky::vlastniVozidloJeOznacene()
{
    const QImage moje = Krizovatky::Nakreslit(Auto(u"modra"_s, true));
    const QImage cizi = Krizovatky::Nakreslit(Auto(u"modra"_s, false));
    // The label "VY" is black text on white beside the road, where otherwise only grass is.
    QVERIFY(PocetBodu(moje, Qt::white) > PocetBodu(cizi, Qt::white) + 100);
}

QTEST_MAIN(TestKrizovatky)
#include "tst_krizovatky.moc"
