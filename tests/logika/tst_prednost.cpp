// The order of passing: every crossroad question of the bank against the order its scene gives,
// each wrong answer marked instead caught, and the rules no question of the bank shows yet.
#include "zdroje.h"

#include "logika/krizovatky_odpovedi.h"
#include "logika/prednost.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QJsonObject Json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

// The order in words, or why there is none.
QString Poradi(const QJsonObject &json)
{
    QString chyba;
    const std::optional<Krizovatky::Scena> s = Krizovatky::Nacist(json, &chyba);
    if (!s)
        return chyba;
    const Krizovatky::Reseni r = Krizovatky::Vyresit(*s);
    return r.Rozhodnuto() ? Krizovatky::PopisPoradi(*s, r) : r.chyba;
}

} // namespace

class TestPrednost : public QObject {
    Q_OBJECT

private slots:
    void otazkyBanky_data()
    {
        QTest::addColumn<QJsonObject>("otazka");
        const QList<QJsonObject> otazky = Pomocnik::OtazkyKrizovatek();
        QCOMPARE(otazky.size(), 37);
        for (const QJsonObject &o : otazky)
            QTest::newRow(qPrintable(QString::number(o[u"cislo"_s].toInt()))) << o;
    }

    // The marked answers say what the order says; marking any other answer alone is caught.
    void otazkyBanky()
    {
        QFETCH(QJsonObject, otazka);
        QString chyba;
        const std::optional<Krizovatky::Scena> s = Krizovatky::Nacist(otazka[u"krizovatka"_s].toObject(), &chyba);
        QVERIFY2(s, qPrintable(chyba));
        const Krizovatky::Reseni r = Krizovatky::Vyresit(*s);
        QVERIFY2(r.Rozhodnuto(), qPrintable(r.chyba));
        const std::array<QString, 4> odpovedi{otazka[u"a"_s].toString(), otazka[u"b"_s].toString(),
                                              otazka[u"c"_s].toString(), otazka[u"d"_s].toString()};
        const QString spravne = otazka[u"spravne"_s].toString(), text = otazka[u"otazka"_s].toString();
        const QString vada = Krizovatky::OveritOdpovedi(*s, r, text, odpovedi, spravne);
        QStringList vyznacene;
        for (QChar p : spravne)
            vyznacene << odpovedi[size_t(p.unicode() - u'A')];
        qInfo("%d | %s | %s | %s", otazka[u"cislo"_s].toInt(), qPrintable(Krizovatky::PopisPoradi(*s, r)),
              qPrintable(vyznacene.join(u" / "_s)), vada.isEmpty() ? "souhlasí" : qPrintable(vada));
        QVERIFY2(vada.isEmpty(), qPrintable(vada));
        for (int i = 0; i < 4; ++i) {
            const QString jina(QChar(u'A' + i));
            if (!odpovedi[size_t(i)].isEmpty() && !spravne.contains(jina))
                QVERIFY2(!Krizovatky::OveritOdpovedi(*s, r, text, odpovedi, jina).isEmpty(),
                         qPrintable(u"odpověď %1) prošla jako správná"_s.arg(jina)));
        }
    }

    // Rules beyond the bank's scenes, each scene with the order it must give (or the start of
    // the reason it gives none).
    void pravidla_data()
    {
        QTest::addColumn<QJsonObject>("scena");
        QTest::addColumn<QString>("poradi");
        const char *ctyri = R"({"vozidla": [
            {"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne"},
            {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "rovne"},
            {"druh": "osobni", "barva": "zelena", "rameno": "sever", "smer": "rovne"},
            {"druh": "osobni", "barva": "zluta", "rameno": "vychod", "smer": "rovne"}])";
        QTest::newRow("všichni mají někoho zprava") << Json((QByteArray(ctyri) + "}").constData())
                                                  << u"Pořadí nelze podle pravidel rozhodnout: červené auto, modré auto, "
                                                     u"zelené auto, žluté auto čekají jeden na druhého."_s;
        QTest::newRow("pořadí dané scénou")
            << Json((QByteArray(ctyri) + R"(, "reseni": [{"vozidla": [1], "duvod": "dohodnou se"},
                                           {"vozidla": [3, 2, 4], "duvod": "pak ostatní"}]})").constData())
            << u"červené auto → modré auto + zelené auto + žluté auto"_s;
        QTest::newRow("dané pořadí proti pravidlům")
            << Json(R"({"vozidla": [{"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne"},
                                   {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "rovne"}],
                       "reseni": [{"vozidla": [2], "duvod": "x"}, {"vozidla": [1], "duvod": "y"}]})")
            << u"Scéna uvádí pořadí modré auto → červené auto, pravidla dávají červené auto → modré auto."_s;
        // Facing north, arms sideways: west and east go, north and south stop; the left turn from
        // the west gives way to the east.
        QTest::newRow("policista")
            << Json(R"({"policista": {"celem": "sever"}, "vozidla": [
                {"druh": "osobni", "barva": "cervena", "rameno": "sever", "smer": "rovne"},
                {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "vlevo"},
                {"druh": "osobni", "barva": "zelena", "rameno": "vychod", "smer": "rovne"}]})")
            << u"zelené auto → modré auto → červené auto"_s;
        // His right arm forward: the driver at his left side goes, the one he faces only to the right.
        QTest::newRow("policista s předpaženou pravicí")
            << Json(R"({"policista": {"celem": "sever", "predpazeni": true}, "vozidla": [
                {"druh": "osobni", "barva": "cervena", "rameno": "sever", "smer": "vpravo"},
                {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "rovne"},
                {"druh": "osobni", "barva": "zelena", "rameno": "vychod", "smer": "rovne"}]})")
            << u"červené auto + modré auto → zelené auto"_s;
        // Red and yellow goes green next, red waits for it, yellow has just ended its green.
        QTest::newRow("fáze semaforů")
            << Json(R"({"semafory": [{"rameno": "jih", "stav": "zluta"}, {"rameno": "zapad", "stav": "cervena"},
                                    {"rameno": "sever", "stav": "cervena_zluta"}], "vozidla": [
                {"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne"},
                {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "rovne"},
                {"druh": "osobni", "barva": "zelena", "rameno": "sever", "smer": "rovne"}]})")
            << u"zelené auto → modré auto → červené auto"_s;
        // On a main road that bends, following it to the left gives way to its other arm.
        QTest::newRow("lomená hlavní")
            << Json(R"({"hlavni": ["jih", "zapad"], "znacky": [{"rameno": "sever", "kod": "P4"},
                       {"rameno": "vychod", "kod": "P4"}], "vozidla": [
                {"druh": "osobni", "barva": "modra", "rameno": "jih", "smer": "vlevo"},
                {"druh": "osobni", "barva": "cervena", "rameno": "zapad", "smer": "rovne"},
                {"druh": "osobni", "barva": "zelena", "rameno": "vychod", "smer": "vlevo"}]})")
            << u"červené auto → modré auto → zelené auto"_s;
        QTest::newRow("fronta")
            << Json(R"({"vozidla": [{"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne", "poradi": 1},
                                   {"druh": "osobni", "barva": "modra", "rameno": "jih", "smer": "vlevo"}]})")
            << u"modré auto → červené auto"_s;
        QTest::newRow("dva vjíždějí na objezd")
            << Json(R"({"typ": "okruzni", "vozidla": [{"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "vlevo"},
                                   {"druh": "osobni", "barva": "modra", "rameno": "vychod", "smer": "vlevo"}]})")
            << u"Pořadí nelze podle pravidel rozhodnout: červené auto a modré auto si kříží cestu"_s;
        // Blue lights first; the cyclist follows the car in front of him, and the red car gives
        // way to both from its right.
        QTest::newRow("maják a fronta")
            << Json(R"({"vozidla": [{"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne"},
                                   {"druh": "policie", "rameno": "zapad", "smer": "rovne", "majak": true},
                                   {"druh": "osobni", "barva": "zelena", "rameno": "vychod", "smer": "vlevo"},
                                   {"druh": "kolo", "barva": "modra", "rameno": "vychod", "smer": "rovne", "poradi": 1}]})")
            << u"policejní automobil → zelené auto → cyklista → červené auto"_s;
    }

    void pravidla()
    {
        QFETCH(QJsonObject, scena);
        QFETCH(QString, poradi);
        const QString dava = Poradi(scena);
        QVERIFY2(dava.startsWith(poradi), qPrintable(dava));
    }

    // What the caption says of each vehicle, by the rule that put it where it is.
    void duvody()
    {
        QString chyba;
        const std::optional<Krizovatky::Scena> s = Krizovatky::Nacist(
            Json(R"({"hlavni": ["zapad", "vychod"], "znacky": [{"rameno": "jih", "kod": "P6"}], "koleje": [["zapad", "vychod"]],
                     "vozidla": [{"druh": "tramvaj", "rameno": "vychod", "smer": "rovne"},
                                 {"druh": "nakladni", "barva": "oranzova", "rameno": "zapad", "smer": "vlevo", "moje": true},
                                 {"druh": "motocykl", "barva": "cervena", "rameno": "jih", "smer": "rovne"}]})"),
            &chyba);
        QVERIFY2(s, qPrintable(chyba));
        const Krizovatky::Reseni r = Krizovatky::Vyresit(*s);
        QCOMPARE(Krizovatky::PopisPoradi(*s, r), u"tramvaj → vaše vozidlo → červený motocykl"_s);
        QCOMPARE(Krizovatky::TextDuvodu(*s, r, 0), u"jede po hlavní pozemní komunikaci"_s);
        QCOMPARE(Krizovatky::TextDuvodu(*s, r, 1), u"odbočuje vlevo a dává přednost protijedoucím"_s);
        QCOMPARE(Krizovatky::TextDuvodu(*s, r, 2), u"zastaví u značky Stůj a dává přednost vozidlům na hlavní"_s);
        QCOMPARE(Krizovatky::JmenoVozidla(*s, 2), u"červený motocykl"_s);
        // A name of feminine gender takes its pronoun.
        const std::optional<Krizovatky::Scena> sanitka = Krizovatky::Nacist(
            Json(R"({"vozidla": [{"druh": "sanitka", "rameno": "jih", "smer": "rovne", "majak": true}]})"), &chyba);
        QVERIFY2(sanitka, qPrintable(chyba));
        QCOMPARE(Krizovatky::TextDuvodu(*sanitka, Krizovatky::Vyresit(*sanitka), 0),
                 u"jede se zvláštním výstražným světlem, ostatní jí dávají přednost"_s);
    }
};

QTEST_MAIN(TestPrednost)
#include "tst_prednost.moc"
