#include "test/sestaveni.h"

#include "data/banka.h"
#include "data/kategorie.h"

#include <algorithm>
#include <utility>

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

std::optional<PolozkyTestu> VylosujTest(const BankaOtazek &banka, const QString &skupina, const ZdrojNahody &nahoda,
                                        QString *chyba)
{
    if (const QString proc = ProcNelzeSestavit(banka, skupina); !proc.isEmpty()) {
        if (chyba)
            *chyba = proc;
        return std::nullopt;
    }
    PolozkyTestu polozky;
    for (int p = 1; p <= PlanTestu::PocetPozic; ++p) {
        const PlanTestu::Radek &radek = PlanTestu::RadekPozice(p);
        int n = 0;
        for (;;) {
            n = Losovat(radek, nahoda);
            const auto konec = polozky.begin() + (p - 1);
            if (std::any_of(polozky.begin(), konec, [n](const PolozkaTestu &q) { return q.SkutCis == n; }))
                continue;
            if (!banka.OtazkaExistuje(n) || !Skupiny::OtazkaProSkupinu(banka.SkupinaOtazky(n), skupina))
                continue;
            break;
        }
        PolozkaTestu &q = polozky[static_cast<size_t>(p - 1)];
        q.pozice = p;
        q.SkutCis = n;
        q.Body = PlanTestu::BodyPozice(p);
        q.SpravnaOdpoved = banka.SpravneOdpovedi(n);
    }

    // Positions 1 to 10 by number, the correct letters moving with their numbers; the rest keep
    // the order of drawing.
    bool vymena = true;
    while (vymena) {
        vymena = false;
        for (size_t i = 0; i + 1 < 10; ++i) {
            if (polozky[i + 1].SkutCis < polozky[i].SkutCis) {
                std::swap(polozky[i].SkutCis, polozky[i + 1].SkutCis);
                std::swap(polozky[i].SpravnaOdpoved, polozky[i + 1].SpravnaOdpoved);
                vymena = true;
            }
        }
    }
    return polozky;
}
