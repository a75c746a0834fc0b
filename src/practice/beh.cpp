#include "practice/beh.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "logika/nahoda.h"
#include "practice/seznamcisel.h"

namespace Beh {

namespace {

bool KategorieZapnuta(const StavProgramu &stav, int k)
{
    return k >= 1 && k <= Kategorie::Pocet && stav.PovoleneKategorie[static_cast<size_t>(k - 1)];
}

// Index of the slot of the question being chosen: CelkemOtazek - Zbyva.
int Pozice(const StavProgramu &stav) { return stav.CelkemOtazek - stav.Zbyva; }

} // namespace

int PocetOtazek(const BankaOtazek &banka, const StavProgramu &stav)
{
    int q = 0;
    for (int k = 1; k <= Kategorie::Pocet; ++k)
        if (KategorieZapnuta(stav, k))
            q += banka.PocetVKategorii(k, stav.ZvolenaSkupina);
    return q;
}

void PripravitSeznam(StavProgramu &stav)
{
    stav.SeznamOtazek = QList<int>(std::max(0, stav.Zbyva), 0);
    stav.CelkemOtazek = stav.Zbyva;
}

bool NajitPrvniOtazku(const BankaOtazek &banka, StavProgramu &stav)
{
    int s = stav.ZacitOtazkou;
    if (s < 1)
        return false;
    for (int k = 1; k <= Kategorie::Pocet; ++k) {
        if (!KategorieZapnuta(stav, k))
            continue;
        const QList<int> cisla = banka.CislaKategorie(k, stav.ZvolenaSkupina);
        if (s > cisla.size()) {
            s -= static_cast<int>(cisla.size());
            continue;
        }
        stav.AktualniOtazka = cisla[s - 1];
        return true;
    }
    return false;
}

bool OtazkaVyhovuje(const BankaOtazek &banka, const StavProgramu &stav, int cislo)
{
    return KategorieZapnuta(stav, Kategorie::KategorieOtazky(cislo)) && banka.OtazkaExistuje(cislo)
           && Skupiny::OtazkaProSkupinuPriVyberu(banka.SkupinaOtazky(cislo), stav.ZvolenaSkupina);
}

std::optional<int> DalsiOtazka(const BankaOtazek &banka, StavProgramu &stav)
{
    const int p = Pozice(stav);
    if (stav.Zbyva <= 0 || p < 0 || p >= stav.SeznamOtazek.size())
        return std::nullopt;

    int x = stav.AktualniOtazka;
    if (stav.OpakovatSeznam) {
        x = stav.SeznamOtazek[p];
    } else if (stav.PostupnyVyber) {
        do
            ++x;
        while (x <= Kategorie::NejvyssiCislo && !OtazkaVyhovuje(banka, stav, x));
        if (x > Kategorie::NejvyssiCislo)
            return std::nullopt;
    } else {
        // The questions already chosen in this run, the slot being filled included.
        std::array<bool, Kategorie::NejvyssiCislo + 1> vybrana{};
        for (int i = 0; i <= p; ++i)
            if (const int c = stav.SeznamOtazek[i]; c >= 1 && c <= Kategorie::NejvyssiCislo)
                vybrana[static_cast<size_t>(c)] = true;
        // Drawing would never end without a candidate left.
        bool zbyvaKandidat = false;
        for (int c = 1; c <= Kategorie::NejvyssiCislo && !zbyvaKandidat; ++c)
            zbyvaKandidat = !vybrana[static_cast<size_t>(c)] && OtazkaVyhovuje(banka, stav, c);
        if (!zbyvaKandidat)
            return std::nullopt;
        Nahoda nahoda = Nahoda::ZCasu();
        do {
            do
                x = 1 + nahoda.Dalsi(Kategorie::NejvyssiCislo);
            while (vybrana[static_cast<size_t>(x)]);
        } while (!OtazkaVyhovuje(banka, stav, x));
    }
    stav.SeznamOtazek[p] = x;
    stav.AktualniOtazka = x;
    --stav.Zbyva;
    return x;
}

int Procenta(int a, int b)
{
    if (b <= 0)
        return 0;
    // Exact in integers: the quotient, then the remainder decides, a tie towards the even quotient.
    const qint64 citatel = 100LL * a;
    qint64 q = citatel / b;
    const qint64 r2 = 2 * (citatel % b);
    if (r2 > b || (r2 == b && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

Hodnoceni VyhodnotitOdpoved(StavProgramu &stav, const std::array<bool, 4> &vybrane)
{
    Hodnoceni h;
    h.spravne = true;
    for (int i = 0; i < 4; ++i) {
        const bool spravna = stav.SpravnePismena.contains(QChar(u'A' + i));
        const bool vybrana = vybrane[static_cast<size_t>(i)];
        Znacka &z = h.znacky[static_cast<size_t>(i)];
        if (spravna && !vybrana)
            z = Znacka::Opomenuta;
        else if (!spravna && vybrana)
            z = Znacka::Spatna;
        else
            z = Znacka::BezeZmeny;
        if (z != Znacka::BezeZmeny)
            h.spravne = false;
    }
    stav.CekaNaOdpoved = false;
    if (!h.spravne) {
        ++stav.PocetSpatnych;
        stav.SpatneOtazky.append(stav.AktualniOtazka);
    }
    const int n = stav.CelkemOtazek - stav.Zbyva;
    stav.UspesnostBehu = Procenta(n - stav.PocetSpatnych - stav.PocetNapoved, n - stav.PocetNapoved);
    return h;
}

bool Napoveda(StavProgramu &stav)
{
    if (!stav.CekaNaOdpoved)
        return false;
    ++stav.PocetNapoved;
    stav.CekaNaOdpoved = false;
    stav.OtazkySNapovedou.append(stav.AktualniOtazka);
    return true;
}

void PripravitOpakovani(StavProgramu &stav, bool procvicovani)
{
    stav.SeznamOtazek = stav.SpatneOtazky;
    if (procvicovani && stav.PocetNapoved > 0)
        stav.SeznamOtazek += stav.OtazkySNapovedou;
    stav.SpatneOtazky.clear();
    stav.OtazkySNapovedou.clear();
    stav.CelkemOtazek = stav.Zbyva = static_cast<int>(stav.SeznamOtazek.size());
    stav.PocetSpatnych = stav.PocetNapoved = stav.UspesnostBehu = 0;
}

Zaznam RozhodnoutOZaznamu(const StavProgramu &stav, bool zkouseni)
{
    if (!stav.VytvaretProtokol[zkouseni ? 1 : 0])
        return Zaznam::Vypnuto;
    return stav.OpakovatSeznam ? Zaznam::ZeptatSe : Zaznam::Zapsat;
}

QString TypTestu(bool zkouseni) { return zkouseni ? QStringLiteral("Zkoušení") : QStringLiteral("Procvičování"); }

Vysledek VysledekBehu(const StavProgramu &stav, bool zkouseni, const QDateTime &kdy)
{
    Vysledek v;
    v.TypTestu = TypTestu(zkouseni);
    v.Profil = stav.AktivniProfil;
    v.Datum = kdy.date();
    v.Cas = kdy.time();
    v.Skupina = stav.ZvolenaSkupina;
    v.Kategorie = stav.OpravaZVysledku ? stav.KategorieOpravy : Kategorie::Cislice(stav.PovoleneKategorie);
    v.PocetOtazek = stav.CelkemOtazek;
    v.Spatne = stav.PocetSpatnych;
    v.SpatneCisla = SeznamCisel::Text(stav.SpatneOtazky);
    v.SNapovedou = stav.PocetNapoved;
    v.SNapovedouCisla = SeznamCisel::Text(stav.OtazkySNapovedou);
    v.Uspesnost = stav.UspesnostBehu;
    return v;
}

} // namespace Beh
