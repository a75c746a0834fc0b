#pragma once

// Shared by the window tests: a small question bank built by the bank builder.
#include "banka/stavitel.h"
#include "data/kategorie.h"
#include "data/tabulka.h"
#include "obrazky/znacky.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

namespace Pomocnik {

inline Banka::OtazkaZdroje Otazka(int cislo)
{
    Banka::OtazkaZdroje q;
    q.soubor = QStringLiteral("test.json");
    q.cislo = cislo;
    q.otazka = QStringLiteral("Otázka %1?").arg(cislo);
    q.a = QStringLiteral("Odpověď a");
    q.b = QStringLiteral("Odpověď b");
    q.c = QStringLiteral("Odpověď c");
    q.d = QStringLiteral("Odpověď d");
    q.spravne = QStringLiteral("A");
    q.skupina = QStringLiteral("ABCD");
    q.poznamka = QStringLiteral("Poznámka %1.").arg(cislo);
    return q;
}

inline QJsonObject PrvniScena()
{
    QFile f(QStringLiteral(SEMAFORIX_ZDROJ "/data/otazky/7-krizovatky.json"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QJsonArray pole = QJsonDocument::fromJson(f.readAll()).array();
    return pole.isEmpty() ? QJsonObject() : pole.first().toObject().value(QStringLiteral("krizovatka")).toObject();
}

// Writes the bank of the given questions, with their pictures and the answer marks, into dir.
inline QString ZapsatBanku(QList<Banka::OtazkaZdroje> otazky, const QString &dir)
{
    for (Banka::OtazkaZdroje &q : otazky) {
        if (Kategorie::KategorieOtazky(q.cislo) == 6 && !q.maZnacku) {
            q.maZnacku = true;
            q.znacka = Znacky::Kody().value(0);
        } else if (Kategorie::KategorieOtazky(q.cislo) == 7 && !q.maKrizovatku) {
            q.maKrizovatku = true;
            q.krizovatka = PrvniScena();
        }
    }
    return Banka::Zapsat(otazky, dir);
}

// The values of one field over the table's whole view, in its order.
inline QStringList HodnotyPole(Tabulka &t, const QString &pole)
{
    QStringList hodnoty;
    for (int i = 0; i < t.PocetZaznamu(); ++i) {
        t.PrejitNa(i);
        hodnoty << t.Text(pole);
    }
    return hodnoty;
}

} // namespace Pomocnik
