// The crossroad scenes drawn from their descriptions: every scene of the bank checked, drawn whole
// and readable; a faulty description named; what each part of a description changes in the picture.
#include "obrazy.h"
#include "zdroje.h"

#include "kresby/krizovatky.h"
#include "kresby/krizovatky_silnice.h"
#include "kresby/krizovatky_vozidla.h"

#include <QLineF>
#include <QPainter>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Road surface is grey in every part (asphalt, kerb, markings, rails); grass, the island and
// the white of an empty picture are not, or are too light.
bool JeVozovka(QColor c)
{
    const int rozpeti = std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
    return rozpeti < 16 && c.red() < 0xfc;
}

// The same colour, give or take the smoothing of edges.
bool Blizko(QColor a, QColor b) { return Pomocnik::Blizko(a, b, 60); }

QColor Bod(const QImage &obr, QPointF bod)
{
    return obr.pixelColor(qBound(0, int(bod.x()), obr.width() - 1), qBound(0, int(bod.y()), obr.height() - 1));
}

// Centres of the pixels that lie inside the polygon and at least `odstup` from its edges.
QList<QPointF> Uvnitr(const QPolygonF &tvar, double odstup)
{
    QList<QPointF> body;
    const QRect ramec = tvar.boundingRect().toAlignedRect();
    for (int y = ramec.top(); y <= ramec.bottom(); ++y)
        for (int x = ramec.left(); x <= ramec.right(); ++x) {
            const QPointF b(x + 0.5, y + 0.5);
            if (!tvar.containsPoint(b, Qt::OddEvenFill))
                continue;
            bool daleko = true;
            for (qsizetype i = 0; i < tvar.size() && daleko; ++i) {
                const QLineF hrana(tvar[i], tvar[(i + 1) % tvar.size()]);
                const QPointF d = hrana.p2() - hrana.p1();
                const double t = std::clamp(QPointF::dotProduct(b - hrana.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
                daleko = QLineF(b, hrana.p1() + d * t).length() >= odstup;
            }
            if (daleko)
                body << b;
        }
    return body;
}

// Points along a path, one every `krok` pixels.
QList<QPointF> Podel(const QPainterPath &cesta, double krok)
{
    QList<QPointF> body;
    const double delka = cesta.length();
    for (double d = 0; d <= delka; d += krok)
        body << cesta.pointAtPercent(cesta.percentAtLength(d));
    return body;
}

// A well-formed scene: one blue car coming from the south, going straight on.
QJsonObject Zaklad()
{
    return QJsonDocument::fromJson(R"({"vozidla": [{"druh": "osobni", "barva": "modra", )"
                                   R"("rameno": "jih", "smer": "rovne"}]})")
        .object();
}

// The scene with one value of its first vehicle set, or removed when undefined.
QJsonObject Vozidlo(QJsonObject scena, const QString &klic, const QJsonValue &hodnota)
{
    QJsonArray vozidla = scena.value(u"vozidla"_s).toArray();
    QJsonObject v = vozidla.first().toObject();
    if (hodnota.isUndefined())
        v.remove(klic);
    else
        v.insert(klic, hodnota);
    vozidla.replace(0, v);
    scena.insert(u"vozidla"_s, vozidla);
    return scena;
}

QJsonObject Udaj(QJsonObject scena, const QString &klic, const QJsonValue &hodnota)
{
    scena.insert(klic, hodnota);
    return scena;
}

QJsonObject Auto(const QString &barva, bool moje = false)
{
    return Vozidlo(Vozidlo(Zaklad(), u"barva"_s, barva), u"moje"_s, moje);
}

// The roads of a scene alone, as they lie under the vehicles and arrows.
QImage Silnice(const Krizovatky::Scena &s)
{
    QImage silnice(Krizovatky::Sirka, Krizovatky::Vyska, QImage::Format_RGB32);
    silnice.fill(Qt::white);
    QPainter p(&silnice);
    p.setRenderHint(QPainter::Antialiasing);
    Krizovatky::KreslitSilnice(p, s);
    return silnice;
}

} // namespace

class TestKrizovatky : public QObject {
    Q_OBJECT

private slots:
    // Every scene of the question bank, one row each named by the question's number: it passes the
    // check and is drawn in many colours; its roads are whole with grass beside them, its vehicles
    // stand on the road, and its arrows run on the road and show, heads whole.
    void scenyBanky_data()
    {
        QTest::addColumn<QJsonObject>("scena");
        const QJsonArray otazky = Pomocnik::ZdrojBanky("7-krizovatky.json");
        QCOMPARE(otazky.size(), 37);
        for (const QJsonValue &v : otazky) {
            QVERIFY(v[u"krizovatka"_s].isObject());
            QTest::newRow(qPrintable(QString::number(v[u"cislo"_s].toInt()))) << v[u"krizovatka"_s].toObject();
        }
    }

    void scenyBanky()
    {
        using namespace Krizovatky;
        namespace G = Geometrie;
        QFETCH(QJsonObject, scena);
        QCOMPARE(Zkontrolovat(scena), QString());
        const std::optional<Scena> s = Nacist(scena, nullptr);
        QVERIFY(s);
        const QImage obr = Nakreslit(scena);
        QCOMPARE(obr.size(), QSize(Krizovatky::Sirka, Krizovatky::Vyska));
        QCOMPARE(obr.format(), QImage::Format_RGB32);
        QSet<QRgb> barvy;
        for (int y = 0; y < obr.height(); y += 3)
            for (int x = 0; x < obr.width(); x += 3)
                barvy.insert(obr.pixel(x, y));
        // Grass, road, markings, vehicles and arrows give far more than a handful of colours.
        QVERIFY2(barvy.size() > 20, qPrintable(QString::number(barvy.size())));

        // The points of the picture that lie off the road, as the first few of them and their count.
        const QImage silnice = Silnice(*s);
        const auto mimo = [&silnice](const QList<QPointF> &body) {
            QStringList chyby;
            for (const QPointF &b : body)
                if (QRectF(0, 0, Sirka, Vyska).contains(b) && !JeVozovka(Bod(silnice, b)))
                    chyby << u"(%1, %2)"_s.arg(int(b.x())).arg(int(b.y()));
            return chyby.isEmpty() ? QString() : u"%1 bodů: %2"_s.arg(chyby.size()).arg(chyby.mid(0, 6).join(u", "_s));
        };
        // Both carriageways of every arm from the picture's edge to the centre, and the middle:
        // the square of a crossroads or the ring round a roundabout's island.
        QList<QPointF> vozovka;
        for (Rameno r : s->ramena)
            for (double podel = 0; podel < 200; podel += 1.0)
                for (double napric = -G::Okraj + 2.0; napric <= G::Okraj - 2.0; napric += 2.0)
                    if (!s->okruzni || podel > G::OkruhVnejsi)
                        vozovka << G::Bod(r, podel, napric);
        for (int y = 0; y < Vyska; ++y)
            for (int x = 0; x < Sirka; ++x) {
                const QPointF b(x + 0.5, y + 0.5);
                const double odStredu = QLineF(b, G::Stred).length();
                const QPointF d = b - G::Stred;
                if (s->okruzni ? odStredu > G::OkruhOstruvek + 2.0 && odStredu < G::OkruhVnejsi - 2.0
                               : qAbs(d.x()) < G::Okraj - 2.0 && qAbs(d.y()) < G::Okraj - 2.0)
                    vozovka << b;
            }
        QString chyba = mimo(vozovka);
        QVERIFY2(chyba.isEmpty(), qPrintable(u"vozovka má barvu trávy: "_s + chyba));
        // And grass beyond the kerbs: between the arms, and where an arm is missing.
        for (Rameno r : {Rameno::Sever, Rameno::Vychod, Rameno::Jih, Rameno::Zapad}) {
            QVERIFY(!JeVozovka(Bod(silnice, G::Bod(r, 60, G::Okraj + 20))));
            if (!s->maRameno(r))
                QVERIFY(!JeVozovka(Bod(silnice, G::Bod(r, 60, 0))));
        }

        for (qsizetype i = 0; i < s->vozidla.size(); ++i) {
            // The whole body, less a pixel's rim for the kerb's antialiasing.
            const Krizovatky::Vozidlo &v = s->vozidla[i];
            const Poloha kde = Umisteni(*s, v);
            const QSizeF z = Rozmer(v.druh);
            const QPointF podel = kde.smer * (z.height() / 2 - 1.0);
            const QPointF napric = QPointF(-kde.smer.y(), kde.smer.x()) * (z.width() / 2 - 1.0);
            const QPolygonF telo(
                {kde.stred - podel - napric, kde.stred - podel + napric, kde.stred + podel + napric, kde.stred + podel - napric});
            chyba = mimo(Uvnitr(telo, 0.0));
            QVERIFY2(chyba.isEmpty(), qPrintable(u"vozidlo č. %1 stojí mimo vozovku: %2"_s.arg(i + 1).arg(chyba)));
        }
        for (const Sipka &sipka : Sipky(*s)) {
            // Shaft and head, with the shaft's width to either side of its course.
            QList<QPointF> body = Uvnitr(sipka.hrot, 0.0);
            const QPainterPath &t = sipka.trasa;
            for (double d = 0; d <= t.length(); d += 1.0) {
                const double kde = t.percentAtLength(d);
                // Qt measures the angle anticlockwise with y up; the picture's y runs down.
                const double uhel = t.angleAtPercent(kde) * M_PI / 180.0;
                const QPointF n(std::sin(uhel), std::cos(uhel));
                body << t.pointAtPercent(kde) << t.pointAtPercent(kde) + n * 2.2 << t.pointAtPercent(kde) - n * 2.2;
            }
            chyba = mimo(body);
            QVERIFY2(chyba.isEmpty(),
                     qPrintable(u"šipka vozidla č. %1 vede mimo vozovku: %2"_s.arg(sipka.vozidlo + 1).arg(chyba)));
            // Every pixel well inside the head shows the arrow's colour: nothing lies over it.
            const QList<QPointF> hrot = Uvnitr(sipka.hrot, 1.3);
            QVERIFY(hrot.size() >= 4);
            for (const QPointF &b : hrot)
                QVERIFY2(
                    Blizko(Bod(obr, b), sipka.barva),
                    qPrintable(u"hrot šipky vozidla č. %1 je zakrytý u (%2, %3)"_s.arg(sipka.vozidlo + 1).arg(b.x()).arg(b.y())));
            // The shaft may pass under another course where they cross, but most of it shows. Its
            // last pixels lie under its own head's outline.
            QList<QPointF> drik = Podel(sipka.trasa, 1.0);
            drik.resize(drik.size() - 4);
            const qsizetype videt =
                std::count_if(drik.cbegin(), drik.cend(), [&](QPointF b) { return Blizko(Bod(obr, b), sipka.barva); });
            QVERIFY2(videt >= 0.7 * drik.size(),
                     qPrintable(
                         u"šipky vozidla č. %1 je vidět jen %2 z %3 bodů"_s.arg(sipka.vozidlo + 1).arg(videt).arg(drik.size())));
        }
    }

    void chybnaScenaJmenujeChybu_data()
    {
        QTest::addColumn<QJsonObject>("scena");
        QTest::addColumn<QString>("jmenuje");
        const QJsonObject z = Zaklad();
        const auto pole = [](const char *json) { return QJsonDocument::fromJson(json).array(); };
        QTest::newRow("druh") << Vozidlo(z, u"druh"_s, u"traktor"_s) << u"traktor"_s;
        QTest::newRow("barva") << Vozidlo(z, u"barva"_s, u"ruzova"_s) << u"ruzova"_s;
        QTest::newRow("rameno vozidla") << Vozidlo(z, u"rameno"_s, u"severozapad"_s) << u"severozapad"_s;
        QTest::newRow("rameno, které tu není")
            << Udaj(Vozidlo(z, u"rameno"_s, u"sever"_s), u"ramena"_s, pole(R"(["jih", "zapad", "vychod"])")) << u"sever"_s;
        QTest::newRow("rameno značky") << Udaj(z, u"znacky"_s, pole(R"([{"rameno": "nahore", "kod": "P4"}])")) << u"nahore"_s;
        QTest::newRow("tabulka tvaru bez hlavní silnice")
            << Udaj(z, u"znacky"_s, pole(R"([{"rameno": "jih", "kod": "E2b"}])")) << u"hlavni"_s;
        QTest::newRow("značka") << Udaj(z, u"znacky"_s, pole(R"([{"rameno": "jih", "kod": "X99"}])")) << u"X99"_s;
        QTest::newRow("stav semaforu") << Udaj(z, u"semafory"_s, pole(R"([{"rameno": "jih", "stav": "modra"}])")) << u"modra"_s;
        QTest::newRow("směrovka") << Vozidlo(z, u"smerovka"_s, u"nahoru"_s) << u"nahoru"_s;
        QTest::newRow("chybí druh") << Vozidlo(z, u"druh"_s, QJsonValue::Undefined) << u"„druh“"_s;
        QTest::newRow("chybí barva") << Vozidlo(Vozidlo(z, u"druh"_s, u"autobus"_s), u"barva"_s, QJsonValue::Undefined)
                                     << u"„barva“"_s;
        QTest::newRow("neznámý údaj") << Vozidlo(z, u"barvicka"_s, u"modra"_s) << u"barvicka"_s;
        QTest::newRow("tramvaj bez kolejí") << Vozidlo(Vozidlo(z, u"druh"_s, u"tramvaj"_s), u"barva"_s, QJsonValue::Undefined)
                                            << u"koleje"_s;
        QJsonArray dve = z.value(u"vozidla"_s).toArray();
        dve.append(Vozidlo(z, u"rameno"_s, u"sever"_s).value(u"vozidla"_s).toArray().first());
        QTest::newRow("dvě stejná vozidla") << Udaj(z, u"vozidla"_s, dve) << u"rozlišit"_s;
        dve.replace(1, Vozidlo(Vozidlo(z, u"rameno"_s, u"sever"_s), u"barva"_s, u"zluta"_s).value(u"vozidla"_s).toArray().first());
        const QJsonObject dvaRuzna = Udaj(z, u"vozidla"_s, dve);
        QTest::newRow("bez vozidel") << Udaj(z, u"vozidla"_s, QJsonArray()) << u"vozidla"_s;
        QTest::newRow("policista na objezdu")
            << Udaj(Udaj(z, u"typ"_s, u"okruzni"_s), u"policista"_s, QJsonObject{{u"celem"_s, u"jih"_s}}) << u"objezd"_s;
        QTest::newRow("řešení bez důvodu") << Udaj(z, u"reseni"_s, pole(R"([{"vozidla": [1], "duvod": " "}])")) << u"důvod"_s;
        QTest::newRow("řešení s cizím vozidlem")
            << Udaj(z, u"reseni"_s, pole(R"([{"vozidla": [1, 2], "duvod": "x"}])")) << u"č. 2"_s;
        QTest::newRow("řešení bez vozidla scény")
            << Udaj(dvaRuzna, u"reseni"_s, pole(R"([{"vozidla": [2], "duvod": "x"}])")) << u"každé vozidlo"_s;
    }

    void chybnaScenaJmenujeChybu()
    {
        QFETCH(QJsonObject, scena);
        QFETCH(QString, jmenuje);
        const QString zprava = Krizovatky::Zkontrolovat(scena);
        QVERIFY2(zprava.contains(jmenuje), qPrintable(zprava));
    }

    // What a part of the description shows: the picture with it has many more pixels of the colour
    // a user would name than the picture without it (vice), or about as many (0: nothing lit).
    void castJeVidet_data()
    {
        QTest::addColumn<QJsonObject>("se");
        QTest::addColumn<QJsonObject>("bez");
        QTest::addColumn<QString>("barva");
        QTest::addColumn<int>("vice");
        for (const auto &[barva, jina] : {std::pair{u"cervena"_s, u"modra"_s}, {u"modra"_s, u"cervena"_s}, {u"zelena"_s, u"zluta"_s},
                                          {u"zluta"_s, u"zelena"_s}, {u"bila"_s, u"cerna"_s}, {u"seda"_s, u"hneda"_s}})
            QTest::newRow(qPrintable(u"auto "_s + barva)) << Auto(barva) << Auto(jina) << barva << 60;
        // The label "VY" is black text on white beside the road, where otherwise only grass is.
        QTest::newRow("vlastní vozidlo") << Auto(u"modra"_s, true) << Auto(u"modra"_s) << u"bila"_s << 100;
        const QJsonObject sanitka = Vozidlo(Vozidlo(Zaklad(), u"druh"_s, u"sanitka"_s), u"barva"_s, QJsonValue::Undefined);
        QTest::newRow("maják") << Vozidlo(sanitka, u"majak"_s, true) << sanitka << u"modra"_s << 40;
        const auto semafor = [](const QString &stav) {
            return Udaj(Zaklad(), u"semafory"_s, QJsonArray{QJsonObject{{u"rameno"_s, u"sever"_s}, {u"stav"_s, stav}}});
        };
        const QJsonObject vypnuto = semafor(u"vypnuto"_s);
        QTest::newRow("červená svítí") << semafor(u"cervena"_s) << vypnuto << u"cervena"_s << 10;
        QTest::newRow("při červené zelená ne") << semafor(u"cervena"_s) << vypnuto << u"zelena"_s << 0;
        QTest::newRow("zelená svítí") << semafor(u"zelena"_s) << vypnuto << u"zelena"_s << 10;
        QTest::newRow("při zelené červená ne") << semafor(u"zelena"_s) << vypnuto << u"cervena"_s << 0;
        QTest::newRow("vypnutý: červená ne") << vypnuto << Zaklad() << u"cervena"_s << 0;
        QTest::newRow("vypnutý: zelená ne") << vypnuto << Zaklad() << u"zelena"_s << 0;
        // The officer's white cap and sleeves in the middle of the crossroads.
        QTest::newRow("policista") << Udaj(Zaklad(), u"policista"_s, QJsonObject{{u"celem"_s, u"jih"_s}}) << Zaklad() << u"bila"_s
                                   << 15;
    }

    void castJeVidet()
    {
        QFETCH(QJsonObject, se);
        QFETCH(QJsonObject, bez);
        QFETCH(QString, barva);
        QFETCH(int, vice);
        QCOMPARE(Krizovatky::Zkontrolovat(se), QString());
        const int s = Pomocnik::Pocet(Krizovatky::Nakreslit(se), [&barva](QColor c) { return Pomocnik::Pojmenovana(c, barva); });
        const int b = Pomocnik::Pocet(Krizovatky::Nakreslit(bez), [&barva](QColor c) { return Pomocnik::Pojmenovana(c, barva); });
        QVERIFY2(vice ? s > b + vice : qAbs(s - b) <= 10, qPrintable(u"%1 / %2"_s.arg(s).arg(b)));
    }

    void kazdyDruhMaSvouPodobu()
    {
        // Every kind is drawn, and no two kinds look alike.
        const QStringList druhy = {u"osobni"_s, u"nakladni"_s, u"autobus"_s, u"motocykl"_s,
                                   u"kolo"_s,   u"sanitka"_s,  u"hasici"_s,  u"policie"_s};
        QList<QImage> obrazy;
        for (const QString &druh : druhy) {
            QJsonObject scena = Vozidlo(Zaklad(), u"druh"_s, druh);
            if (druh == u"sanitka"_s || druh == u"hasici"_s || druh == u"policie"_s)
                scena = Vozidlo(scena, u"barva"_s, QJsonValue::Undefined);
            QCOMPARE(Krizovatky::Zkontrolovat(scena), QString());
            obrazy << Krizovatky::Nakreslit(scena);
        }
        for (qsizetype i = 0; i < obrazy.size(); ++i)
            for (qsizetype j = i + 1; j < obrazy.size(); ++j)
                QVERIFY2(obrazy[i] != obrazy[j], qPrintable(druhy[i] + u" ~ "_s + druhy[j]));
    }

    // A priority sign stands at the right of the southern approach, the lower right quarter, and
    // must read as itself at the size the program shows the scene: at least 24 pixels across, with a
    // crossbar (P 1) that stays dark across two pixels.
    void znackaURameneDostVelka()
    {
        const QJsonObject se =
            Udaj(Zaklad(), u"znacky"_s, QJsonDocument::fromJson(R"([{"rameno": "jih", "kod": "P1"}])").array());
        const QImage a = Krizovatky::Nakreslit(Zaklad());
        const QImage b = Krizovatky::Nakreslit(se);
        QRect kde;
        int tu = 0, jinde = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) {
                    const bool vpravoDole = x > Krizovatky::Sirka / 2 + 20 && y > Krizovatky::Vyska / 2;
                    ++(vpravoDole ? tu : jinde);
                    kde |= vpravoDole ? QRect(x, y, 1, 1) : QRect();
                }
        QVERIFY2(kde.width() >= 24 && kde.height() >= 20 && jinde < tu / 4,
                 qPrintable(u"%1 × %2, %3 bodů, jinde %4"_s.arg(kde.width()).arg(kde.height()).arg(tu).arg(jinde)));
        // Down the sign's middle column the crossbar is a run of dark pixels below the bar's top.
        int nejdelsi = 0;
        for (int x = kde.center().x() - 6; x <= kde.center().x() + 6; ++x) {
            if (qAbs(x - kde.center().x()) < 3)
                continue; // the main road's wide bar
            int beh = 0;
            for (int y = kde.top(); y <= kde.bottom(); ++y) {
                // Black, not the red of the border.
                const QColor c = b.pixelColor(x, y);
                beh = std::max({c.red(), c.green(), c.blue()}) < 110 ? beh + 1 : 0;
                nejdelsi = std::max(nejdelsi, beh);
            }
        }
        QVERIFY2(nejdelsi >= 2, qPrintable(QString::number(nejdelsi)));
    }

    void trasyDrziPravouStranu()
    {
        using namespace Krizovatky;
        namespace G = Geometrie;
        // Right-hand traffic: coming up from the south, right is east and left is west.
        using C = std::tuple<Rameno, Smer, Rameno>;
        for (const auto &[z, smer, cil] :
             {C{Rameno::Jih, Smer::Vpravo, Rameno::Vychod}, C{Rameno::Jih, Smer::Vlevo, Rameno::Zapad},
              C{Rameno::Jih, Smer::Rovne, Rameno::Sever}, C{Rameno::Zapad, Smer::Vpravo, Rameno::Jih},
              C{Rameno::Sever, Smer::Vlevo, Rameno::Vychod}, C{Rameno::Vychod, Smer::Vpravo, Rameno::Sever}})
            QCOMPARE(Cil(z, smer), cil);
        Scena krizovatka;
        krizovatka.ramena = {Rameno::Sever, Rameno::Vychod, Rameno::Jih, Rameno::Zapad};
        // From the south a left turn ends in the west arm's leaving lane, north of its axis; a
        // right turn in the east arm's, south of it.
        const QPointF vlevo = NaCestu(G::Trasa(krizovatka, Rameno::Jih, Smer::Vlevo)).pointAtPercent(1.0);
        QVERIFY(vlevo.x() < G::Stred.x() - G::Okraj && vlevo.y() < G::Stred.y());
        const QPointF vpravo = NaCestu(G::Trasa(krizovatka, Rameno::Jih, Smer::Vpravo)).pointAtPercent(1.0);
        QVERIFY(vpravo.x() > G::Stred.x() + G::Okraj && vpravo.y() > G::Stred.y());
        // On a roundabout even a left turn goes anticlockwise, round by the east and north.
        Scena objezd = krizovatka;
        objezd.okruzni = true;
        const QPainterPath kolem = NaCestu(G::Trasa(objezd, Rameno::Jih, Smer::Vlevo));
        QVERIFY(kolem.pointAtPercent(0.3).x() > G::Stred.x());
        QVERIFY(kolem.pointAtPercent(0.6).y() < G::Stred.y());
        QVERIFY(kolem.pointAtPercent(1.0).x() < G::Stred.x() - G::OkruhVnejsi);
    }
};

QTEST_MAIN(TestKrizovatky)
#include "tst_krizovatky.moc"
