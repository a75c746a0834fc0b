#include "uceni/pamet.h"

#include <algorithm>
#include <limits>

int OvereniVybavitelnosti::Odpovedi() const
{
    int n = 0;
    for (const Kos &k : kose)
        n += k.odpovedi;
    return n;
}

PametProfilu::PametProfilu(const QString &profil) : m_profil(profil) {}

void PametProfilu::Nacist()
{
    PametProfilu nacteno(m_profil);
    Fsrs::PripravitProcesor();
    Odpovedi::Precist(m_profil, [&nacteno](const Odpovedi::Odpoved &o) { nacteno.Pridat(o); }, &nacteno.m_preskoceno);
    *this = std::move(nacteno);
}

void PametProfilu::Zaznamenat(int otazka, Odpovedi::Vysledek vysledek, Odpovedi::Zdroj zdroj, const QDateTime &kdy)
{
    Zaznamenat({{kdy.date(), kdy.time(), otazka, vysledek, zdroj}});
}

void PametProfilu::Zaznamenat(const QList<Odpovedi::Odpoved> &odpovedi)
{
    Odpovedi::Zapsat(m_profil, odpovedi, [this](const Odpovedi::Odpoved &o) { Pridat(o); });
}

void PametProfilu::Pridat(const Odpovedi::Odpoved &odpoved)
{
    if (odpoved.otazka < 1 || odpoved.otazka > Kategorie::NejvyssiCislo || !odpoved.datum.isValid())
        return;
    Otazka &q = m_otazky[static_cast<size_t>(odpoved.otazka)];
    const Fsrs::Znamka znamka = odpoved.vysledek == Odpovedi::Vysledek::Spravne ? Fsrs::Znamka::Dobre
                                                                                : Fsrs::Znamka::Znovu;
    if (q.posledni < 0) {
        q.model = Fsrs::PrvniOdpoved(znamka);
    } else {
        const Odpovedi::Odpoved &predchozi = m_odpovedi[static_cast<size_t>(q.posledni)];
        // Whole calendar days; an answer stamped before the one before counts as the same day.
        const int dny = static_cast<int>(std::clamp<qint64>(predchozi.datum.daysTo(odpoved.datum), 0,
                                                            std::numeric_limits<int>::max()));
        double r = 1;
        q.model = Fsrs::DalsiOdpoved(q.model, znamka, dny, &r);
        if (dny >= 1 && predchozi.vysledek == Odpovedi::Vysledek::Spravne) {
            OvereniVybavitelnosti::Kos &kos = m_overeni.kose[static_cast<size_t>(
                std::clamp(static_cast<int>(r * OvereniVybavitelnosti::PocetKosu), 0, OvereniVybavitelnosti::PocetKosu - 1))];
            ++kos.odpovedi;
            kos.spravne += odpoved.vysledek == Odpovedi::Vysledek::Spravne;
            kos.vybavitelnost += r;
        }
    }
    q.posledni = static_cast<int>(m_odpovedi.size());
    m_odpovedi.push_back(odpoved);
}

StavOtazky PametProfilu::Stav(int otazka, const QDate &den) const
{
    StavOtazky s;
    if (otazka < 1 || otazka > Kategorie::NejvyssiCislo)
        return s;
    const Otazka &q = m_otazky[static_cast<size_t>(otazka)];
    if (q.posledni < 0)
        return s;
    const Odpovedi::Odpoved &posledni = m_odpovedi[static_cast<size_t>(q.posledni)];
    s.zodpovezena = true;
    s.stabilita = q.model.stabilita;
    s.obtiznost = q.model.obtiznost;
    s.vybavitelnost = Fsrs::Vybavitelnost(static_cast<double>(posledni.datum.daysTo(den)), s.stabilita);
    s.opakovat = posledni.datum.addDays(Fsrs::DnuDoOpakovani(s.stabilita));
    s.splatna = den >= s.opakovat;
    s.posledniChybna = posledni.vysledek != Odpovedi::Vysledek::Spravne;
    s.posledniDatum = posledni.datum;
    s.posledniCas = posledni.cas;
    s.poradiPosledni = q.posledni;
    return s;
}
