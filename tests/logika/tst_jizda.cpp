// The motion of every crossroad scene of the bank, frame by frame, on its geometry alone: no two
// bodies overlap, no body leaves the carriageway, the groups set off in order once the ones before
// have cleared the crossroads, trams keep to their rails, indicators blink; and what a window
// shows beside it: the caption, the lights, the still picture at the end.
#include "zdroje.h"

#include "logika/jizda.h"

#include <QJsonObject>
#include <QLineF>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace Krizovatky;
namespace G = Krizovatky::Geometrie;

namespace {

// The outline's corners and a point every unit along its sides.
QList<QPointF> Okraj(const Obrys &o)
{
    QList<QPointF> body;
    for (size_t k = 0; k < o.size(); ++k) {
        const QLineF strana(o[k], o[(k + 1) % o.size()]);
        for (double d = 0; d < strana.length(); d += 1.0)
            body << strana.pointAt(d / strana.length());
    }
    return body;
}

QList<Obrys> Obrysy(const Scena &s, const Snimek &sn, qsizetype i)
{
    QList<Obrys> obrysy;
    for (const Poloha &c : sn.vozidla[i].clanky)
        obrysy << ObrysClanku(s.vozidla[i].druh, c);
    return obrysy;
}

// Inside the crossroads' square or the roundabout's ring, where courses meet.
bool NaKrizovatce(const Scena &s, const QList<Obrys> &obrysy)
{
    for (const Obrys &o : obrysy)
        for (const QPointF &b : Okraj(o)) {
            const QPointF d = b - G::Stred;
            if (s.okruzni ? std::hypot(d.x(), d.y()) < G::OkruhVnejsi
                          : std::abs(d.x()) < G::Okraj && std::abs(d.y()) < G::Okraj)
                return true;
        }
    return false;
}

bool VObraze(const QList<Obrys> &obrysy)
{
    for (const Obrys &o : obrysy)
        for (const QPointF &b : o)
            if (QRectF(0, 0, Sirka, Vyska).contains(b))
                return true;
    return false;
}

double OdKoleje(const Scena &s, QPointF b)
{
    double nejmene = 1e9;
    for (const auto &[x, y] : s.koleje)
        for (const Cesta &kolej : {G::Spojeni(x, y), G::Spojeni(y, x)}) {
            const QList<QPointF> body = kolej.Body(0.5);
            for (qsizetype k = 1; k < body.size(); ++k) {
                const QPointF d = body[k] - body[k - 1];
                const double t = std::clamp(QPointF::dotProduct(b - body[k - 1], d) / QPointF::dotProduct(d, d), 0.0, 1.0);
                nejmene = std::min(nejmene, QLineF(b, body[k - 1] + d * t).length());
            }
        }
    return nejmene;
}

Jizda ZOtazky(int cislo)
{
    for (const QJsonObject &o : Pomocnik::OtazkyKrizovatek())
        if (o[u"cislo"_s].toInt() == cislo) {
            std::optional<Jizda> j = Jizda::ZPopisu(QString::fromUtf8(QJsonDocument(o[u"krizovatka"_s].toObject()).toJson()));
            if (j)
                return *j;
        }
    qFatal("no scene of question %d", cislo);
}

} // namespace

class TestJizda : public QObject {
    Q_OBJECT

private slots:
    void scenyBanky_data()
    {
        QTest::addColumn<QJsonObject>("scena");
        for (const QJsonObject &o : Pomocnik::OtazkyKrizovatek())
            QTest::newRow(qPrintable(QString::number(o[u"cislo"_s].toInt()))) << o[u"krizovatka"_s].toObject();
    }

    void scenyBanky()
    {
        QFETCH(QJsonObject, scena);
        QString chyba;
        const std::optional<Jizda> j = Jizda::ZPopisu(QString::fromUtf8(QJsonDocument(scena).toJson()), &chyba);
        QVERIFY2(j, qPrintable(chyba));
        const Scena &s = j->Zadani();
        const Reseni &r = j->Poradi();
        QVERIFY2(j->Delka() >= 4.0 && j->Delka() <= 8.0, qPrintable(QString::number(j->Delka())));
        QVERIFY(j->SnimekCislo(j->PocetSnimku() - 1).stojici);

        const qsizetype n = s.vozidla.size();
        const Snimek prvni = j->SnimekCislo(0);
        QList<int> vyjel(n, -1), pryc(n, -1);
        QList<int> sviti(n, 0), zhasnuto(n, 0);
        for (int f = 0; f < j->PocetSnimku() - 1; ++f) {
            const Snimek sn = j->SnimekCislo(f);
            QVERIFY(!sn.stojici);
            QList<QList<Obrys>> obrysy;
            for (qsizetype i = 0; i < n; ++i)
                obrysy << Obrysy(s, sn, i);
            for (qsizetype i = 0; i < n; ++i) {
                const QString kdo = u"snímek %1, %2: "_s.arg(f).arg(JmenoVozidla(s, i));
                for (qsizetype k = i + 1; k < n; ++k)
                    for (const Obrys &a : std::as_const(obrysy[i]))
                        for (const Obrys &b : std::as_const(obrysy[k]))
                            QVERIFY2(!Prekryvaji(a, b), qPrintable(kdo + u"naráží do vozidla "_s + JmenoVozidla(s, k)));
                for (const Obrys &o : std::as_const(obrysy[i]))
                    for (const QPointF &b : Okraj(o))
                        QVERIFY2(G::NaVozovce(s, b), qPrintable(kdo + u"mimo vozovku u (%1, %2)"_s.arg(b.x()).arg(b.y())));
                if (s.vozidla[i].druh == Druh::Tramvaj && VObraze(obrysy[i]))
                    for (const Poloha &c : sn.vozidla[i].clanky)
                        QVERIFY2(OdKoleje(s, c.stred) < 1.0, qPrintable(kdo + u"mimo koleje"_s));
                if (vyjel[i] < 0 && sn.vozidla[i].clanky[0].stred != prvni.vozidla[i].clanky[0].stred)
                    vyjel[i] = f;
                if (pryc[i] < 0 && !VObraze(obrysy[i]))
                    pryc[i] = f;
                if (pryc[i] < 0)
                    ++(sn.vozidla[i].smerovka == Smerovka::Zadna ? zhasnuto[i] : sviti[i]);
            }
            // While a group sets off, every vehicle of the groups before it is off the crossroads.
            for (qsizetype i = 0; i < n; ++i)
                if (vyjel[i] == f)
                    for (qsizetype k = 0; k < n; ++k)
                        if (r.Skupina(k) < r.Skupina(i))
                            QVERIFY2(vyjel[k] >= 0 && vyjel[k] < f && !NaKrizovatce(s, obrysy[k]),
                                     qPrintable(u"snímek %1: %2 vyjíždí, než %3 uvolnilo křižovatku"_s.arg(f).arg(
                                         JmenoVozidla(s, i), JmenoVozidla(s, k))));
        }
        for (qsizetype i = 0; i < n; ++i) {
            QVERIFY2(pryc[i] > 0, qPrintable(JmenoVozidla(s, i) + u" neodjelo z obrázku"_s));
            QVERIFY(vyjel[i] >= j->Kroky()[r.Skupina(i)].zacatek);
            // The indicator the law asks for blinks: lit in some frames, dark in others.
            const bool ukazuje = PredepsanaSmerovka(s, s.vozidla[i], true) != Smerovka::Zadna;
            QVERIFY2(!ukazuje || (sviti[i] > 10 && zhasnuto[i] > 10),
                     qPrintable(u"%1: směrovka svítí %2×, nesvítí %3×"_s.arg(JmenoVozidla(s, i)).arg(sviti[i]).arg(zhasnuto[i])));
            QVERIFY(ukazuje || sviti[i] == 0);
        }
    }

    // The caption names the step under way; the red light turns green before its car sets off;
    // the driver leaving a roundabout indicates right, though the still picture shows nothing.
    void coOkoloVidi()
    {
        const Jizda tramvaj = ZOtazky(737);
        QCOMPARE(tramvaj.Kroky().size(), 3);
        QCOMPARE(tramvaj.Popisek(0), u"1. tramvaj – jede po hlavní pozemní komunikaci"_s);
        QCOMPARE(tramvaj.Popisek(tramvaj.Kroky()[2].zacatek),
                 u"3. zelené auto – přijíždí po vedlejší a dává přednost vozidlům na hlavní"_s);
        QCOMPARE(tramvaj.Popisek(tramvaj.Kroky()[2].zacatek - 1), tramvaj.Kroky()[1].popisek);

        const Jizda semafory = ZOtazky(730); // the red car on the south arm waits for its green
        bool jelo = false;
        for (int f = 0; f < semafory.PocetSnimku() - 1; ++f) {
            const Snimek sn = semafory.SnimekCislo(f);
            const bool jede = sn.vozidla[0].clanky[0].stred != semafory.SnimekCislo(0).vozidla[0].clanky[0].stred;
            QVERIFY2(!jede || sn.semafory[0] == Svetlo::Zelena, qPrintable(QString::number(f)));
            jelo = jelo || jede;
        }
        QVERIFY(jelo);
        QCOMPARE(semafory.SnimekCislo(semafory.PocetSnimku() - 1).semafory[0], Svetlo::Cervena);

        const Jizda objezd = ZOtazky(756);
        QCOMPARE(objezd.Zadani().vozidla[0].smerovka, Smerovka::Zadna);
        QCOMPARE(objezd.SnimekCislo(1).vozidla[0].smerovka, Smerovka::Vpravo);
    }

    void nelzePrehrat()
    {
        QString chyba;
        QVERIFY(!Jizda::ZPopisu(u"{\"vozidla\": 3"_s, &chyba));
        QVERIFY2(chyba.contains(u"JSON"_s), qPrintable(chyba));
        QVERIFY(!Jizda::ZPopisu(u"{\"vozidla\": [{\"druh\": \"traktor\"}]}"_s, &chyba));
        QVERIFY2(chyba.contains(u"traktor"_s), qPrintable(chyba));
        const QString ctyri = uR"({"vozidla": [{"druh": "osobni", "barva": "cervena", "rameno": "jih", "smer": "rovne"},
            {"druh": "osobni", "barva": "modra", "rameno": "zapad", "smer": "rovne"},
            {"druh": "osobni", "barva": "zelena", "rameno": "sever", "smer": "rovne"},
            {"druh": "osobni", "barva": "zluta", "rameno": "vychod", "smer": "rovne"}]})"_s;
        QVERIFY(!Jizda::ZPopisu(ctyri, &chyba));
        QVERIFY2(chyba.contains(u"nelze"_s), qPrintable(chyba));
    }
};

QTEST_MAIN(TestJizda)
#include "tst_jizda.moc"
