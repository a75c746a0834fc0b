// The frames of a scene in motion as they are painted: the vehicles where the motion has them,
// the signals as the motion sets them, the large size drawn as large, the still picture at the end.
#include "obrazy.h"
#include "zdroje.h"

#include "kresby/krizovatky.h"
#include "kresby/krizovatky_snimky.h"

#include <QJsonObject>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Krizovatky;

namespace {

Jizda Pohyb(int cislo)
{
    for (const QJsonObject &o : Pomocnik::OtazkyKrizovatek())
        if (o[u"cislo"_s].toInt() == cislo)
            if (std::optional<Jizda> j = Jizda::ZPopisu(QString::fromUtf8(QJsonDocument(o[u"krizovatka"_s].toObject()).toJson())))
                return *j;
    qFatal("no scene of question %d", cislo);
}

// The centre of the pixels of about that colour, and how many there are.
std::pair<QPointF, int> Teziste(const QImage &obr, QColor barva)
{
    QPointF soucet;
    int pocet = 0;
    for (int y = 0; y < obr.height(); ++y)
        for (int x = 0; x < obr.width(); ++x)
            if (Pomocnik::Blizko(obr.pixelColor(x, y), barva)) {
                soucet += QPointF(x, y);
                ++pocet;
            }
    return {pocet ? soucet / pocet : QPointF(), pocet};
}

} // namespace

class TestSnimky : public QObject {
    Q_OBJECT

private slots:
    void tramvajProjede()
    {
        // 737: the tram drives from the east arm out to the west, then the others follow.
        const SnimkyKrizovatky male(Pohyb(737));
        const int konec = male.PocetSnimku() - 1;
        QCOMPARE(male.Snimek(konec), Nakreslit(male.Pohyb().Zadani()));
        const QColor cervena(0xc2, 0x1c, 0x22); // the tram's own red
        const auto [zacatek, naZacatku] = Teziste(male.Snimek(0), cervena);
        const auto [pozdeji, pozdejiPocet] = Teziste(male.Snimek(male.Pohyb().Kroky()[1].zacatek), cervena);
        QVERIFY2(zacatek.x() > Sirka / 2.0 && pozdeji.x() < zacatek.x() - 30 && qAbs(naZacatku - pozdejiPocet) < naZacatku / 4,
                 qPrintable(u"%1 (%2) → %3 (%4)"_s.arg(zacatek.x()).arg(naZacatku).arg(pozdeji.x()).arg(pozdejiPocet)));

        // The large frame is drawn at its size, and shows what the small one does.
        const SnimkyKrizovatky velke(male.Pohyb(), 3);
        const int stred = konec / 2;
        const QImage velky = velke.Snimek(stred);
        QCOMPARE(velky.size(), QSize(3 * Sirka, 3 * Vyska));
        const QImage zmenseny = velky.scaled(Sirka, Vyska, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage maly = male.Snimek(stred);
        qint64 rozdil = 0;
        for (int y = 0; y < Vyska; ++y)
            for (int x = 0; x < Sirka; ++x) {
                const QColor a = zmenseny.pixelColor(x, y), b = maly.pixelColor(x, y);
                rozdil += qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
            }
        QVERIFY2(rozdil < 8LL * Sirka * Vyska, qPrintable(QString::number(double(rozdil) / (Sirka * Vyska))));
    }

    void semaforZezelena()
    {
        // 730: the south arm's signal is red at first and green once its car sets off.
        const SnimkyKrizovatky snimky(Pohyb(730));
        const QRect jih(Sirka / 2 + 20, Vyska / 2 + 20, Sirka / 2 - 20, Vyska / 2 - 20);
        const auto pocet = [&](int snimek, const QString &barva) {
            return Pomocnik::Pocet(snimky.Snimek(snimek).copy(jih), [&barva](QColor c) { return Pomocnik::Pojmenovana(c, barva); });
        };
        const int odjezd = snimky.Pohyb().Kroky()[1].zacatek;
        QVERIFY(pocet(0, u"cervena"_s) > pocet(odjezd, u"cervena"_s) + 10);
        QVERIFY(pocet(odjezd, u"zelena"_s) > pocet(0, u"zelena"_s) + 10);
    }
};

QTEST_MAIN(TestSnimky)
#include "tst_snimky.moc"
