// The release history text: its entries, headings, hyphen lines and item layout.
#include "info/historietext.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The text split into its entries, each a list of lines.
QList<QStringList> Zaznamy(const QString &text)
{
    QList<QStringList> zaznamy;
    for (const QString &blok : text.split(QStringLiteral("\n\n\n")))
        zaznamy.append(blok.split(u'\n'));
    return zaznamy;
}

QList<int> Cisla(const QString &text)
{
    QList<int> cisla;
    static const QRegularExpression cislo(QStringLiteral("\\b\\d+\\b"));
    for (auto it = cislo.globalMatch(text); it.hasNext();)
        cisla.append(it.next().captured().toInt());
    return cisla;
}

} // namespace

class TestHistorie : public QObject {
    Q_OBJECT

private slots:
    void patZaznamuOdNejnovejsiho()
    {
        const QList<QStringList> zaznamy = Zaznamy(HistorieOprav::Text());
        QCOMPARE(zaznamy.size(), 6);
        const QStringList nadpisy{QStringLiteral("7.12.2026 - Upgrade"), QStringLiteral("19.8.2003 - Upgrade"),
                                  QStringLiteral("31.7.2003 - Upgrade"), QStringLiteral("29.7.2003 - Oprava"),
                                  QStringLiteral("2.4.2003 - Oprava"), QStringLiteral("31.3.2003")};
        for (int i = 0; i < 6; ++i) {
            const QStringList &z = zaznamy[i];
            QVERIFY2(z.size() >= 3, qPrintable(z.join(u'|')));
            QCOMPARE(z[0], nadpisy[i]);
            QCOMPARE(z[1], QString(z[0].size(), u'-'));
            // No empty line inside an entry: exactly two separate the entries.
            for (const QString &radek : z)
                QVERIFY2(!radek.trimmed().isEmpty(), qPrintable(z[0]));
        }
        QCOMPARE(zaznamy[1][2], QStringLiteral("Upgradován program Semaforix - číslo verze je 1.18."));
        QVERIFY(zaznamy[4].join(u' ').contains(QStringLiteral("1.02")));
        QVERIFY(zaznamy[5].join(u' ').contains(QStringLiteral("1.01")));
    }

    void opravyDatabazeUvadejiCislaOtazek()
    {
        const QStringList z = Zaznamy(HistorieOprav::Text())[3];
        // The items in their order, each with its continuation lines joined.
        QStringList polozky;
        for (const QString &radek : z.mid(2)) {
            if (radek.startsWith(QStringLiteral(" - ")))
                polozky.append(radek.mid(3));
            else if (radek.startsWith(QStringLiteral("   ")) && !polozky.isEmpty())
                polozky.last() += u' ' + radek.trimmed();
        }
        QCOMPARE(polozky.size(), 4);
        QCOMPARE(Cisla(polozky[0]), (QList<int>{75, 88, 114, 137, 145, 146, 262, 266, 392, 446, 477}));
        QCOMPARE(Cisla(polozky[1]), (QList<int>{502, 523, 544, 545, 547, 550, 552, 553, 554, 555, 558, 559, 560,
                                                561, 563, 565, 566, 568, 569, 570, 573, 575, 577, 579}));
        QCOMPARE(Cisla(polozky[2]), (QList<int>{181, 274, 355, 388}));
        QCOMPARE(Cisla(polozky[3]), (QList<int>{148, 448, 449}));
    }

    void polozkySOdsazenymPokracovanim()
    {
        const QList<HistorieOprav::Zaznam> zaznamy{
            {QStringLiteral("1.1.2000"), QStringLiteral("Oprava"), {QStringLiteral("Úvod.")},
             {QStringLiteral("jedna dva tri ctyri pet sest"), QStringLiteral("kratka")}},
            {QStringLiteral("2.2.2000"), QString(), {QStringLiteral("Konec.")}, {}}};
        QCOMPARE(HistorieOprav::Sestavit(zaznamy, 15),
                 QStringLiteral("1.1.2000 - Oprava\n-----------------\nÚvod.\n"
                                " - jedna dva\n   tri ctyri\n   pet sest\n - kratka\n\n\n"
                                "2.2.2000\n--------\nKonec."));
        for (const QString &radek : HistorieOprav::Text().split(u'\n'))
            QVERIFY2(radek.size() <= HistorieOprav::SirkaRadku, qPrintable(radek));
    }

    void zalomeni()
    {
        QCOMPARE(HistorieOprav::Zalomit(QStringLiteral("aa bb cc"), 5), (QStringList{QStringLiteral("aa bb"), QStringLiteral("cc")}));
        // A word longer than the line stands alone, uncut.
        QCOMPARE(HistorieOprav::Zalomit(QStringLiteral("a dlouheslovo b"), 4),
                 (QStringList{QStringLiteral("a"), QStringLiteral("dlouheslovo"), QStringLiteral("b")}));
        QCOMPARE(HistorieOprav::Zalomit(QStringLiteral("  "), 4), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestHistorie)
#include "tst_historie.moc"
