#include "practice/beh.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "logika/nahoda.h"
#include "practice/seznamcisel.h"
#include "practice/vysledky.h"

#include <QDateTime>

#include <algorithm>

PoradiOtazek PoradiZNastaveni(const Konfigurace &nastaveni)
{
    if (nastaveni.VyberPodlePameti)
        return PoradiOtazek::PodlePameti;
    return nastaveni.PostupnyVyber ? PoradiOtazek::PodleCisla : PoradiOtazek::Nahodne;
}

namespace {

bool KategorieZapnuta(const std::array<bool, Kategorie::Pocet> &kategorie, int k)
{
    return k >= 1 && k <= Kategorie::Pocet && kategorie[static_cast<size_t>(k - 1)];
}

// The rule of choosing: an enabled category, a record in the bank and the group letters.
bool OtazkaVyhovuje(const BankaOtazek &banka, const std::array<bool, Kategorie::Pocet> &kategorie,
                    const QString &skupina, int cislo)
{
    return KategorieZapnuta(kategorie, Kategorie::KategorieOtazky(cislo)) && banka.OtazkaExistuje(cislo)
           && Skupiny::OtazkaProSkupinuPriVyberu(banka.SkupinaOtazky(cislo), skupina);
}

} // namespace

QList<int> BehOtazek::VyhovujiciOtazky(const BankaOtazek &banka, const Konfigurace &nastaveni)
{
    QList<int> cisla;
    for (int c = 1; c <= Kategorie::NejvyssiCislo; ++c)
        if (OtazkaVyhovuje(banka, nastaveni.PovoleneKategorie, nastaveni.ZvolenaSkupina, c))
            cisla << c;
    return cisla;
}

int BehOtazek::PocetOtazek(const BankaOtazek &banka, const Konfigurace &nastaveni)
{
    int q = 0;
    for (int k = 1; k <= Kategorie::Pocet; ++k)
        if (KategorieZapnuta(nastaveni.PovoleneKategorie, k))
            q += banka.PocetVKategorii(k, nastaveni.ZvolenaSkupina);
    return q;
}

int BehOtazek::Procenta(int a, int b)
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

void BehOtazek::NovyBeh(QList<int> seznam, bool opakovat, bool opravaChyb)
{
    m_seznam = std::move(seznam);
    m_duvody.clear();
    m_zbyva = static_cast<int>(m_seznam.size());
    m_opakovat = opakovat;
    m_opravaChyb = opravaChyb;
    m_spatne.clear();
    m_napovedy.clear();
    m_uspesnost = 0;
    m_spravne.clear();
    m_oznacene = {};
    m_ceka = false;
}

void BehOtazek::Nastavit(const Konfigurace &nastaveni, DruhBehu druh, PoradiOtazek poradi)
{
    m_druh = druh;
    m_poradi = poradi;
    m_kategorie = nastaveni.PovoleneKategorie;
    m_skupina = nastaveni.ZvolenaSkupina;
    m_cisliceKategorii = Kategorie::Cislice(m_kategorie);
    m_prvni = 0;
}

void BehOtazek::Zacit(const BankaOtazek &banka, const Konfigurace &nastaveni, DruhBehu druh, PoradiOtazek poradi,
                      int pocet, int zacatek)
{
    Nastavit(nastaveni, druh, poradi);
    if (poradi == PoradiOtazek::PodleCisla)
        m_prvni = NajitPrvniOtazku(banka, zacatek);
    NovyBeh(QList<int>(std::max(0, pocet), 0), false, false);
}

void BehOtazek::ZacitPodlePameti(const Konfigurace &nastaveni, DruhBehu druh, const QList<int> &otazky,
                                 const QStringList &duvody)
{
    Nastavit(nastaveni, druh, PoradiOtazek::PodlePameti);
    NovyBeh(otazky, false, false);
    m_duvody = duvody;
}

// Before the first question the position is -1, which has no reason either.
QString BehOtazek::Duvod() const { return m_duvody.value(CelkemOtazek() - m_zbyva - 1); }

// The start position counts through the qualifying questions of the enabled categories in
// ascending number; a position beyond them leaves the walk nothing to find.
int BehOtazek::NajitPrvniOtazku(const BankaOtazek &banka, int zacatek) const
{
    int s = zacatek;
    for (int k = 1; k <= Kategorie::Pocet && s >= 1; ++k) {
        if (!KategorieZapnuta(m_kategorie, k))
            continue;
        const QList<int> cisla = banka.CislaKategorie(k, m_skupina);
        if (s <= cisla.size())
            return cisla[s - 1];
        s -= static_cast<int>(cisla.size());
    }
    return Kategorie::NejvyssiCislo + 1;
}

void BehOtazek::ZacitOpravu(const Oprava &oprava)
{
    m_druh = oprava.druh;
    m_skupina = oprava.skupina;
    m_cisliceKategorii = oprava.kategorie;
    NovyBeh(oprava.otazky, true, oprava.opravaChyb);
}

bool BehOtazek::Vyhovuje(const BankaOtazek &banka, int cislo) const
{
    return OtazkaVyhovuje(banka, m_kategorie, m_skupina, cislo);
}

std::optional<int> BehOtazek::VybratPodleCisla(const BankaOtazek &banka) const
{
    int x = CelkemOtazek() == m_zbyva ? m_prvni - 1 : m_aktualni;
    do
        ++x;
    while (x <= Kategorie::NejvyssiCislo && !Vyhovuje(banka, x));
    if (x > Kategorie::NejvyssiCislo)
        return std::nullopt;
    return x;
}

std::optional<int> BehOtazek::VybratNahodne(const BankaOtazek &banka) const
{
    // The questions already chosen in this run.
    std::array<bool, Kategorie::NejvyssiCislo + 1> vybrana{};
    for (int c : m_seznam)
        if (c >= 1 && c <= Kategorie::NejvyssiCislo)
            vybrana[static_cast<size_t>(c)] = true;
    // Drawing would never end without a candidate left.
    bool zbyvaKandidat = false;
    for (int c = 1; c <= Kategorie::NejvyssiCislo && !zbyvaKandidat; ++c)
        zbyvaKandidat = !vybrana[static_cast<size_t>(c)] && Vyhovuje(banka, c);
    if (!zbyvaKandidat)
        return std::nullopt;
    Nahoda nahoda = Nahoda::ZCasu();
    int x = 0;
    do {
        do
            x = 1 + nahoda.Dalsi(Kategorie::NejvyssiCislo);
        while (vybrana[static_cast<size_t>(x)]);
    } while (!Vyhovuje(banka, x));
    return x;
}

std::optional<int> BehOtazek::DalsiOtazka(const BankaOtazek &banka)
{
    const int p = CelkemOtazek() - m_zbyva;
    if (m_zbyva <= 0 || p < 0)
        return std::nullopt;
    std::optional<int> x;
    if (m_opakovat || m_poradi == PoradiOtazek::PodlePameti)
        x = m_seznam[p];
    else if (m_poradi == PoradiOtazek::PodleCisla)
        x = VybratPodleCisla(banka);
    else
        x = VybratNahodne(banka);
    if (!x)
        return std::nullopt;
    m_seznam[p] = *x;
    m_aktualni = *x;
    m_spravne = banka.SpravneOdpovedi(*x);
    m_oznacene = {};
    m_ceka = true;
    --m_zbyva;
    return x;
}

bool BehOtazek::Oznacit(int odpoved)
{
    if (!m_ceka || odpoved < 0 || odpoved > 3)
        return false;
    bool &o = m_oznacene[static_cast<size_t>(odpoved)];
    o = !o;
    return true;
}

bool BehOtazek::NecoOznaceno() const
{
    return std::any_of(m_oznacene.begin(), m_oznacene.end(), [](bool b) { return b; });
}

PosouzenaOdpoved::Zdroj BehOtazek::Zdroj() const
{
    using Z = PosouzenaOdpoved::Zdroj;
    return m_opravaChyb ? Z::Oprava : m_druh == DruhBehu::Zkouseni ? Z::Zkouseni : Z::Procvicovani;
}

void BehOtazek::Oznamit(PosouzenaOdpoved::Vysledek vysledek) const
{
    if (m_posluchac)
        m_posluchac({m_aktualni, vysledek, Zdroj()});
}

Hodnoceni BehOtazek::Potvrdit()
{
    Hodnoceni h;
    h.spravne = true;
    for (int i = 0; i < 4; ++i) {
        const bool spravna = m_spravne.contains(QChar(u'A' + i));
        const bool oznacena = m_oznacene[static_cast<size_t>(i)];
        Znacka &z = h.znacky[static_cast<size_t>(i)];
        z = spravna && !oznacena ? Znacka::Opomenuta : !spravna && oznacena ? Znacka::Spatna : Znacka::BezeZmeny;
        if (z != Znacka::BezeZmeny)
            h.spravne = false;
    }
    m_ceka = false;
    if (!h.spravne)
        m_spatne.append(m_aktualni);
    const int n = CelkemOtazek() - m_zbyva;
    m_uspesnost = Procenta(n - PocetSpatnych() - PocetNapoved(), n - PocetNapoved());
    Oznamit(h.spravne ? PosouzenaOdpoved::Vysledek::Spravne : PosouzenaOdpoved::Vysledek::Spatne);
    return h;
}

bool BehOtazek::Napoveda()
{
    if (!m_ceka || m_druh == DruhBehu::Zkouseni)
        return false;
    for (int i = 0; i < 4; ++i)
        m_oznacene[static_cast<size_t>(i)] = m_spravne.contains(QChar(u'A' + i));
    m_ceka = false;
    m_napovedy.append(m_aktualni);
    Oznamit(PosouzenaOdpoved::Vysledek::SNapovedou);
    return true;
}

void BehOtazek::Opakovat()
{
    QList<int> seznam = m_spatne;
    if (m_druh == DruhBehu::Procvicovani)
        seznam += m_napovedy;
    NovyBeh(std::move(seznam), true, true);
}

void BehOtazek::Ukoncit() { NovyBeh({}, false, false); }

ZaznamVysledku BehOtazek::Vysledek(const QString &profil, const QDateTime &kdy) const
{
    ZaznamVysledku v;
    v.TypTestu = Vysledky::TextTypu(m_druh);
    v.Profil = profil;
    v.Datum = kdy.date();
    v.Cas = kdy.time();
    v.Skupina = m_skupina;
    v.Kategorie = m_cisliceKategorii;
    v.PocetOtazek = CelkemOtazek();
    v.Spatne = PocetSpatnych();
    v.SpatneCisla = SeznamCisel::Text(m_spatne);
    v.SNapovedou = PocetNapoved();
    v.SNapovedouCisla = SeznamCisel::Text(m_napovedy);
    v.Uspesnost = m_uspesnost;
    return v;
}
