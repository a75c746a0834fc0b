#pragma once

// Answers of a profile as tests script them: a question, a moment and an outcome.
#include "uceni/pamet.h"

#include <QDateTime>
#include <QList>

namespace Pomocnik {

struct Krok {
    int otazka;
    QDateTime kdy;
    Odpovedi::Vysledek vysledek = Odpovedi::Vysledek::Spravne;
    Odpovedi::Zdroj zdroj = Odpovedi::Zdroj::Procvicovani;
};

inline QDateTime Kdy(int rok, int mesic, int den, int hodina = 10, int minuta = 0)
{
    return QDateTime(QDate(rok, mesic, den), QTime(hodina, minuta));
}

inline Odpovedi::Odpoved Odpoved(const Krok &k)
{
    return {k.kdy.date(), k.kdy.time(), k.otazka, k.vysledek, k.zdroj};
}

// The answers added to the memory alone, in the order given.
inline void Prehrat(PametProfilu &pamet, const QList<Krok> &kroky)
{
    for (const Krok &k : kroky)
        pamet.Pridat(Odpoved(k));
}

// Every stored answer of the profile, in the order given.
inline std::vector<Odpovedi::Odpoved> UlozeneOdpovedi(const QString &profil = QStringLiteral("Default"))
{
    std::vector<Odpovedi::Odpoved> odpovedi;
    Odpovedi::Precist(profil, [&odpovedi](const Odpovedi::Odpoved &o) { odpovedi.push_back(o); });
    return odpovedi;
}

} // namespace Pomocnik
