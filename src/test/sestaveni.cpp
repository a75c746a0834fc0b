#include "test/sestaveni.h"

#include "data/banka.h"
#include "data/kategorie.h"

#include <algorithm>

namespace {

// A row draws uniformly from the first number of its first category to the last number of its
// last one and redraws what falls between them (positions 15 and 16: 501 to 580).
int Losovat(const PlanTestu::Radek &radek, const ZdrojNahody &nahoda)
{
    const int od = Kategorie::Prvni(radek.kategorie[0]);
    const int pocet = Kategorie::Posledni(radek.kategorie[1]) - od + 1;
    int n = 0;
    do
        n = od + nahoda(pocet);
    while (!PlanTestu::CisloVRadku(radek, n));
    return n;
}

QString NazvyKategorii(const PlanTestu::Radek &radek)
{
    if (radek.kategorie[0] == radek.kategorie[1])
        return QStringLiteral("„%1“").arg(Kategorie::Nazev(radek.kategorie[0]));
    return QStringLiteral("„%1“ a „%2“").arg(Kategorie::Nazev(radek.kategorie[0]), Kategorie::Nazev(radek.kategorie[1]));
}

} // namespace

QString ProcNelzeSestavit(const BankaOtazek &banka, const QString &skupina)
{
    if (std::find(Skupiny::Vsechny.begin(), Skupiny::Vsechny.end(), skupina) == Skupiny::Vsechny.end())
        return QStringLiteral("Test na body nelze sestavit: skupina „%1“ není žádná ze skupin AM, A1, A, B1, B, C, D a T. "
                              "Zvolte skupinu v nastavení.")
            .arg(skupina);
    for (const PlanTestu::Radek &radek : PlanTestu::Radky) {
        int pocet = banka.PocetVKategorii(radek.kategorie[0], skupina);
        if (radek.kategorie[1] != radek.kategorie[0])
            pocet += banka.PocetVKategorii(radek.kategorie[1], skupina);
        if (pocet < radek.PocetPozic())
            return QStringLiteral("Test na body nelze sestavit pro skupinu %1: otázky %2. až %3. se losují z kategorie %4, "
                                  "která má pro tuto skupinu v databázi otázek jen %5 otázek, potřeba je %6.")
                .arg(skupina)
                .arg(radek.prvni)
                .arg(radek.posledni)
                .arg(NazvyKategorii(radek))
                .arg(pocet)
                .arg(radek.PocetPozic());
    }
    return {};
}

SestavovaniTestu::SestavovaniTestu(const BankaOtazek &banka, const QString &skupina)
    : m_procNelze(ProcNelzeSestavit(banka, skupina))
{
    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n)
        m_pripustna[static_cast<size_t>(n)] =
            banka.OtazkaExistuje(n) && Skupiny::OtazkaProSkupinu(banka.SkupinaOtazky(n), skupina);
}

SestavovaniTestu::Cisla SestavovaniTestu::Vylosovat(const ZdrojNahody &nahoda) const
{
    Cisla cisla{};
    for (int p = 1; p <= PlanTestu::PocetPozic; ++p) {
        const PlanTestu::Radek &radek = PlanTestu::RadekPozice(p);
        const auto konec = cisla.begin() + (p - 1);
        int n = 0;
        do
            n = Losovat(radek, nahoda);
        while (std::find(cisla.begin(), konec, n) != konec || !m_pripustna[static_cast<size_t>(n)]);
        *konec = n;
    }
    // Positions 1 to 10 by number; the rest keep the order of drawing.
    std::sort(cisla.begin(), cisla.begin() + 10);
    return cisla;
}

std::optional<PolozkyTestu> VylosujTest(const BankaOtazek &banka, const QString &skupina, const ZdrojNahody &nahoda,
                                        QString *chyba)
{
    const SestavovaniTestu sestavovani(banka, skupina);
    if (!sestavovani.ProcNelze().isEmpty()) {
        if (chyba)
            *chyba = sestavovani.ProcNelze();
        return std::nullopt;
    }
    const SestavovaniTestu::Cisla cisla = sestavovani.Vylosovat(nahoda);
    PolozkyTestu polozky;
    for (int p = 1; p <= PlanTestu::PocetPozic; ++p) {
        PolozkaTestu &q = polozky[static_cast<size_t>(p - 1)];
        const int n = cisla[static_cast<size_t>(p - 1)];
        q.pozice = p;
        q.SkutCis = n;
        q.Body = PlanTestu::BodyPozice(p);
        q.SpravnaOdpoved = banka.SpravneOdpovedi(n);
    }
    return polozky;
}
