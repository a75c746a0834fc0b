// The sign catalogue: every sign the questions show exists and draws a recognisable picture.
#include "obrazy.h"
#include "zdroje.h"

#include "kresby/znacky.h"

#include <QJsonObject>
#include <QSet>
#include <QtTest>

namespace {

using Pomocnik::Pojmenovana;

const QString Cervena = QStringLiteral("cervena"), Modra = QStringLiteral("modra"), Zluta = QStringLiteral("zluta"),
              Cerna = QStringLiteral("cerna"), Bila = QStringLiteral("bila");

// The colour that identifies a sign's family in the decree: red rims of warning and
// prohibitory signs, blue of mandatory and information signs, black of white boards, the dark
// grey road under markings.
QString BarvaRodiny(const QString &kod)
{
    static const QSet<QString> konce{QStringLiteral("B20b"), QStringLiteral("B21b"), QStringLiteral("B26")};
    if (kod == u"P2" || kod == u"P3")
        return Zluta;
    if (kod == u"P8")
        return Modra;
    if (konce.contains(kod))
        return Cerna;
    if (kod.startsWith(u"IZ4") || kod.startsWith(u"IS") || kod.startsWith(u'E') || kod.startsWith(u'S'))
        return Cerna;
    if (kod.startsWith(u'C') || kod.startsWith(u'I'))
        return Modra;
    if (kod.startsWith(u'V'))
        return QStringLiteral("tmavaSeda");
    return Cervena;
}

// Colour at a point given in the sign's 100 × 100 units.
QColor Bod(const QImage &obrazek, qreal x, qreal y)
{
    return obrazek.pixelColor(int(x * obrazek.width() / 100), int(y * obrazek.height() / 100));
}

// Share of pixels in which two pictures differ noticeably.
double PodilRozdilnych(const QImage &a, const QImage &b)
{
    qint64 rozdilnych = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor c = a.pixelColor(x, y), d = b.pixelColor(x, y);
            if (qAbs(c.red() - d.red()) > 60 || qAbs(c.green() - d.green()) > 60 || qAbs(c.blue() - d.blue()) > 60)
                ++rozdilnych;
        }
    }
    return double(rozdilnych) / (a.width() * a.height());
}

} // namespace

class TestZnacky : public QObject {
    Q_OBJECT

private slots:

    // Every question of the bank shows a sign of the catalogue, each a different one; the catalogue
    // names each sign once.
    void otazkyAKatalog()
    {
        const QJsonArray otazky = Pomocnik::ZdrojBanky("6-znacky.json");
        QCOMPARE(otazky.size(), 100);
        QSet<QString> videne;
        for (const QJsonValue &hodnota : otazky) {
            const QJsonObject otazka = hodnota.toObject();
            const QString kod = otazka.value(u"znacka").toString();
            const QByteArray kde = QByteArray::number(otazka.value(u"cislo").toInt()) + ' ' + kod.toUtf8();
            QVERIFY2(Znacky::Existuje(kod), kde.constData());
            QVERIFY2(!videne.contains(kod), ("značka se opakuje: " + kde).constData());
            videne.insert(kod);
        }
        const QStringList kody = Znacky::Kody();
        QVERIFY(kody.size() >= 100);
        QCOMPARE(QSet<QString>(kody.cbegin(), kody.cend()).size(), kody.size());
        for (const QString &kod : kody)
            QVERIFY2(Znacky::Existuje(kod), qPrintable(kod));
    }

    void znackaSeVykresli_data()
    {
        QTest::addColumn<QString>("kod");
        for (const QString &kod : Znacky::Kody())
            QTest::newRow(qPrintable(kod)) << kod;
    }

    void znackaSeVykresli()
    {
        QFETCH(QString, kod);
        const QImage obrazek = Znacky::Nakreslit(kod);
        QVERIFY(!obrazek.isNull());
        QCOMPARE(obrazek.size(), QSize(Znacky::VelikostObrazku, Znacky::VelikostObrazku));
        QCOMPARE(obrazek.format(), QImage::Format_RGB32);
        // Even the sparest additional panel covers several percent of the square; enough pixels, not
        // just antialiased edges, show the colour of the sign's family.
        const int barevnych =
            Pomocnik::Pocet(obrazek, [](QColor c) { return c.red() < 230 || c.green() < 230 || c.blue() < 230; });
        QVERIFY2(barevnych > 0.05 * obrazek.width() * obrazek.height(), "téměř prázdný obrázek");
        QVERIFY2(Pomocnik::Pocet(obrazek, [&kod](QColor c) { return Pojmenovana(c, BarvaRodiny(kod)); }) >= 40,
                 "chybí barva rodiny značek");
    }

    void znackySeNepodobajiJednaDruhe()
    {
        // Catches a sign described by a copy of another one's lines.
        const QStringList kody = Znacky::Kody();
        QList<QImage> obrazky;
        for (const QString &kod : kody)
            obrazky << Znacky::Nakreslit(kod);
        for (int i = 0; i < obrazky.size(); ++i) {
            for (int j = i + 1; j < obrazky.size(); ++j)
                QVERIFY2(obrazky.at(i) != obrazky.at(j), qPrintable(kody.at(i) + QStringLiteral(" = ") + kody.at(j)));
        }
    }

    void ramecekOdpovidaRodine_data()
    {
        // Points (in sign units) that must have a colour because of the frame alone,
        // whatever symbol the sign carries.
        QTest::addColumn<QStringList>("kody");
        QTest::addColumn<QList<QPointF>>("body");
        QTest::addColumn<QString>("barva");
        const auto radek = [](const char *nazev, const char *kody, const QList<QPointF> &body, const QString &barva) {
            QTest::newRow(nazev) << QString::fromLatin1(kody).split(u' ') << body << barva;
        };
        const char *vystrazne = "A1a A3 A11 A22 A30 P1", *dejPrednost = "P4 P5", *zakazove = "B1 B4 B20a B28 P7",
                   *prikazove = "C1 C2a C6a C10a";
        radek("trojúhelník: červený lem", vystrazne, {{50, 15}, {12, 85}, {88, 85}, {50, 85}}, Cervena);
        radek("trojúhelník: bílé rohy nahoře", vystrazne, {{12, 20}, {88, 20}, {2, 2}}, Bila);
        radek("obrácený trojúhelník: lem", dejPrednost, {{12, 15}, {88, 15}, {50, 84}}, Cervena);
        radek("obrácený trojúhelník: rohy dole", dejPrednost, {{12, 80}, {88, 80}}, Bila);
        radek("zákazový kruh: červený prstenec", zakazove, {{50, 8}, {50, 92}, {8, 50}, {92, 50}}, Cervena);
        radek("zákazový kruh: bílé rohy", zakazove, {{4, 4}, {96, 96}}, Bila);
        radek("příkazový kruh: modrý", prikazove, {{8, 50}, {92, 50}, {22, 22}, {78, 78}}, Modra);
        radek("příkazový kruh: bílé rohy", prikazove, {{4, 4}, {96, 4}}, Bila);
        radek("informativní čtverec", "IP2 IP6 IP11a P8 IZ1a", {{12, 50}, {88, 50}, {50, 88}}, Modra);
        radek("osmiúhelník STOP", "P6", {{50, 12}, {12, 50}, {24, 24}}, Cervena);
        radek("hlavní pozemní komunikace: žlutý střed", "P2", {{50, 50}, {40, 40}}, Zluta);
        radek("hlavní pozemní komunikace: bílý okraj", "P2", {{50, 12}, {2, 2}}, Bila);
    }

    void ramecekOdpovidaRodine()
    {
        QFETCH(QStringList, kody);
        QFETCH(QList<QPointF>, body);
        QFETCH(QString, barva);
        for (const QString &kod : kody) {
            const QImage obrazek = Znacky::Nakreslit(kod);
            for (const QPointF &bod : body) {
                const QByteArray kde =
                    kod.toUtf8() + " [" + QByteArray::number(bod.x()) + ", " + QByteArray::number(bod.y()) + "]";
                QVERIFY2(Pojmenovana(Bod(obrazek, bod.x(), bod.y()), barva), kde.constData());
            }
        }
    }

    void levaAPravaVariantaJsouZrcadlove()
    {
        // The bend, the direction of travel, straight on and to the side: right and left variants.
        for (const auto &[vpravo, vlevo] : {std::pair{"A1a", "A1b"}, {"C2b", "C2c"}, {"C2d", "C2e"}}) {
            const QImage p = Znacky::Nakreslit(QString::fromLatin1(vpravo)), l = Znacky::Nakreslit(QString::fromLatin1(vlevo));
            // Rasterisation may shift an edge by a pixel; the symbols themselves must match.
            QVERIFY2(PodilRozdilnych(p.mirrored(true, false), l) < 0.03 && PodilRozdilnych(p, l) > 0.03, vpravo);
        }
    }

    void velikostLzeZvolit()
    {
        const QImage velky = Znacky::Nakreslit(QStringLiteral("B20a"), 300);
        QCOMPARE(velky.size(), QSize(300, 300));
        // Scaled, not cropped: the red ring still runs close to every edge, the corners stay white.
        for (const QPoint bod : {QPoint(150, 20), QPoint(150, 280), QPoint(20, 150), QPoint(280, 150)})
            QVERIFY(Pojmenovana(velky.pixelColor(bod), Cervena));
        QCOMPARE(velky.pixelColor(2, 2), QColor(Qt::white));
    }

    void neznamyKodNedaObrazek()
    {
        for (const QString &kod : {QStringLiteral("X99"), QStringLiteral("a1a"), QStringLiteral("B 20a"), QString()}) {
            QVERIFY2(!Znacky::Existuje(kod), qPrintable(kod));
            QVERIFY2(Znacky::Nakreslit(kod).isNull(), qPrintable(kod));
        }
        QVERIFY(Znacky::Nakreslit(QStringLiteral("A1a"), 0).isNull());
    }

    void tabulkaTvaruKrizovatkyMaHlavniSilnou()
    {
        using Znacky::Strana;
        // Dark pixels across one arm of the plate, halfway between the centre and its end, inside
        // the board's rim.
        const auto sirka = [](const QImage &obr, Strana s) {
            int tmavych = 0;
            for (int i = 18; i < 78; ++i) {
                const int k = s == Strana::Dole || s == Strana::Vpravo ? 66 : 30;
                const QPoint b = s == Strana::Dole || s == Strana::Nahore ? QPoint(i, k) : QPoint(k, i);
                tmavych += qGray(obr.pixel(b)) < 100;
            }
            return tmavych;
        };
        const QList<Strana> vsechny = {Strana::Dole, Strana::Vlevo, Strana::Nahore, Strana::Vpravo};
        // Under "Hlavní pozemní komunikace" the driver comes up the main road: the bottom arm is
        // thick, and so is the arm it turns into.
        const QImage e2b = Znacky::Nakreslit(QStringLiteral("E2b"));
        QVERIFY(sirka(e2b, Strana::Dole) > 1.6 * sirka(e2b, Strana::Nahore));
        QVERIFY(sirka(e2b, Strana::Vlevo) > 1.6 * sirka(e2b, Strana::Vpravo));
        // Drawn for a side road of a T-junction: the bottom thin, no arm on the right.
        const QImage t = Znacky::TvarKrizovatky({Strana::Dole, Strana::Vlevo, Strana::Nahore}, {Strana::Vlevo, Strana::Nahore});
        QVERIFY(sirka(t, Strana::Nahore) > 1.6 * sirka(t, Strana::Dole));
        QCOMPARE(sirka(t, Strana::Vpravo), 0);
        // Thin arms too are some 7 % of the plate, so they stay two pixels wide in a scene.
        QVERIFY(sirka(t, Strana::Dole) >= 6);
        QCOMPARE(Znacky::TvarKrizovatky(vsechny, {Strana::Dole, Strana::Vlevo}), e2b);
    }
};

QTEST_MAIN(TestZnacky)
#include "tst_znacky.moc"
