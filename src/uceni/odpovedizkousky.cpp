#include "uceni/odpovedizkousky.h"

QList<Odpovedi::Odpoved> OdpovediZkousky(const PolozkyZkousky &polozky, const QDateTime &kdy)
{
    QList<Odpovedi::Odpoved> odpovedi;
    for (const PolozkaZkousky &p : polozky) {
        const Odpovedi::Vysledek vysledek = p.Spravne()        ? Odpovedi::Vysledek::Spravne
                                            : p.Zodpovezena() ? Odpovedi::Vysledek::Spatne
                                                              : Odpovedi::Vysledek::Nezodpovezeno;
        odpovedi.append({kdy.date(), kdy.time(), p.SkutCis, vysledek, Odpovedi::Zdroj::Zkouska});
    }
    return odpovedi;
}
