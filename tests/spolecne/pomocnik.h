#pragma once

// Shared by the window and tool tests: a small question bank built by the bank builder, and
// controls found by their names.
#include "banka/stavitel.h"
#include "data/kategorie.h"
#include "obrazky/znacky.h"
#include "tabulky.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QObject>

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

// The control of that name inside the window; a missing one ends the test program at once with
// its name, so that a renamed control is reported, not dereferenced.
template <typename T = QWidget>
T *Prvek(const QObject *okno, const char *jmeno)
{
    T *p = okno->findChild<T *>(QString::fromLatin1(jmeno));
    if (!p)
        qFatal("no control named %s", jmeno);
    return p;
}

// The items of the idle menu bar and of the menu bar of a running mode.
inline const char *const Menu1[] = {"Program1", "Konfigurace1", "Start1", "Vysledky1", "Informace1"};
inline const char *const Menu2[] = {"M2KonecRezimu", "M2OznacSpravne", "M2oProgramu"};

} // namespace Pomocnik
