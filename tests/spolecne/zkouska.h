#pragma once

// Mock exams as the tests take them: drawn from a fixture bank with a seed, answered position by
// position by the letters shown.
#include "data/banka.h"
#include "logika/nahoda.h"
#include "test/zkouska.h"

namespace Pomocnik {

inline const QDateTime ZacatekZkousky(QDate(2026, 5, 4), QTime(9, 0));

inline PolozkyZkousky Vylosovane(const BankaOtazek &banka, quint32 seme, const QString &skupina = QStringLiteral("B"))
{
    Nahoda nahoda(seme);
    return *VylosujZkousku(banka, skupina, [&nahoda](int n) { return nahoda.Dalsi(n); });
}

// A mock exam of Jana in group B, started at ZacatekZkousky.
inline ZkouskaNanecisto Zkouska(const BankaOtazek &banka, quint32 seme = 7)
{
    return {QStringLiteral("Jana"), QStringLiteral("B"), Vylosovane(banka, seme), ZacatekZkousky};
}

// The index a), b) or c) at which the position shows the bank's letter, read from its shown order.
inline int Zobrazeno(const PolozkaZkousky &p, QChar pismeno) { return static_cast<int>(p.Poradi.indexOf(pismeno)); }

// Chooses the right answer at each position listed in spravne, a wrong one at each in spatne.
inline void Odpovedet(ZkouskaNanecisto &z, const QList<int> &spravne, const QList<int> &spatne = {})
{
    for (int p : spravne)
        z.Zvolit(p, Zobrazeno(z.Polozka(p), z.Polozka(p).Spravna));
    for (int p : spatne)
        z.Zvolit(p, (Zobrazeno(z.Polozka(p), z.Polozka(p).Spravna) + 1) % 3);
}

inline QList<int> Pozice(int od, int po)
{
    QList<int> pozice;
    for (int p = od; p <= po; ++p)
        pozice << p;
    return pozice;
}

} // namespace Pomocnik
