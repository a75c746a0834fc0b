#include "uceni/odhad.h"

#include "test/plan.h"
#include "test/sestaveni.h"
#include "uceni/pamet.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace Odhad {

namespace {

// SplitMix64: small, fast and well mixed; the estimate's own source, apart from the clock-seeded
// generator of the test window.
class Generator {
public:
    explicit Generator(quint64 seme) : m_stav(seme) {}
    // 0 .. n−1 from the upper 32 bits.
    int Cislo(int n)
    {
        return static_cast<int>(((Dalsi() >> 32) * static_cast<quint64>(n)) >> 32);
    }

private:
    quint64 Dalsi()
    {
        quint64 z = (m_stav += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    quint64 m_stav;
};

} // namespace

std::array<double, Kategorie::Pocet> PodilPrvnichOdpovedi(const PametProfilu &pamet)
{
    std::array<bool, Kategorie::NejvyssiCislo + 1> videna{};
    std::array<int, Kategorie::Pocet> prvni{}, spravne{};
    for (const Odpovedi::Odpoved &o : pamet.Odpovedi()) {
        if (std::exchange(videna[static_cast<size_t>(o.otazka)], true))
            continue;
        const size_t k = static_cast<size_t>(Kategorie::KategorieOtazky(o.otazka) - 1);
        ++prvni[k];
        spravne[k] += o.vysledek == Odpovedi::Vysledek::Spravne;
    }
    std::array<double, Kategorie::Pocet> podil{};
    for (size_t k = 0; k < podil.size(); ++k)
        podil[k] = (spravne[k] + 0.5 * VahaVyhlazeni) / (prvni[k] + VahaVyhlazeni);
    return podil;
}

Sance SanceOtazek(const PametProfilu &pamet, const QDate &den)
{
    const std::array<double, Kategorie::Pocet> podil = PodilPrvnichOdpovedi(pamet);
    Sance sance{};
    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n) {
        const double vychozi = podil[static_cast<size_t>(Kategorie::KategorieOtazky(n) - 1)];
        const StavOtazky s = pamet.Stav(n, den);
        double &p = sance[static_cast<size_t>(n)];
        p = !s.zodpovezena ? vychozi : s.posledniChybna ? std::min(s.vybavitelnost, vychozi) : s.vybavitelnost;
        p = std::clamp(p, 0.0, 1.0);
    }
    return sance;
}

OdhadUspechu OdhadnoutUspech(const SestavovaniTestu &sestavovani, const Sance &sance, int minimum, int testu,
                             quint64 seme)
{
    OdhadUspechu odhad;
    odhad.testu = std::max(testu, 1);
    odhad.minimum = minimum;
    // The points a test may lose and still pass; below 0 no test passes.
    const int dovoleno = PlanTestu::MaxBodu - minimum;
    std::array<int, PlanTestu::PocetPozic> body{};
    for (int p = 1; p <= PlanTestu::PocetPozic; ++p)
        body[static_cast<size_t>(p - 1)] = PlanTestu::BodyPozice(p);

    Generator generator(seme);
    const ZdrojNahody zdroj = [&generator](int n) { return generator.Cislo(n); };
    // ztrata[j]: the chance that the questions so far lost exactly j points; losing more fails.
    std::vector<double> ztrata(static_cast<size_t>(std::max(dovoleno, 0)) + 1);
    double prosle = 0, ziskane = 0;
    for (int t = 0; t < odhad.testu; ++t) {
        const SestavovaniTestu::Cisla cisla = sestavovani.Vylosovat(zdroj);
        std::fill(ztrata.begin(), ztrata.end(), 0.0);
        ztrata[0] = 1;
        for (size_t i = 0; i < cisla.size(); ++i) {
            const double p = sance[static_cast<size_t>(cisla[i])], q = 1 - p;
            const int b = body[i];
            ziskane += p * b;
            odhad.ztraceneBody[static_cast<size_t>(Kategorie::KategorieOtazky(cisla[i]) - 1)] += q * b;
            for (size_t j = ztrata.size(); j-- > 0;)
                ztrata[j] = ztrata[j] * p + (j >= static_cast<size_t>(b) ? ztrata[j - static_cast<size_t>(b)] * q : 0.0);
        }
        if (dovoleno >= 0)
            for (double z : ztrata)
                prosle += z;
    }
    odhad.pravdepodobnost = std::clamp(prosle / odhad.testu, 0.0, 1.0);
    odhad.ocekavaneBody = ziskane / odhad.testu;
    double nejvice = 1e-9; // below this a category loses nothing worth naming
    for (size_t k = 0; k < odhad.ztraceneBody.size(); ++k) {
        odhad.ztraceneBody[k] /= odhad.testu;
        if (odhad.ztraceneBody[k] > nejvice) {
            nejvice = odhad.ztraceneBody[k];
            odhad.nejviceZtraci = static_cast<int>(k) + 1;
        }
    }
    return odhad;
}

std::optional<OdhadUspechu> OdhadZPameti(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                                         const QDate &den, QString *proc)
{
    QString duvod;
    const SestavovaniTestu sestavovani(banka, skupina);
    if (pamet.Odpovedi().empty())
        duvod = QStringLiteral("Odhad potřebuje nejdříve vaše odpovědi. Procvičujte nebo se zkoušejte "
                               "a odhad se zde objeví.");
    else
        duvod = sestavovani.ProcNelze();
    if (proc)
        *proc = duvod;
    if (!duvod.isEmpty())
        return std::nullopt;
    return OdhadnoutUspech(sestavovani, SanceOtazek(pamet, den), PlanTestu::MinPocetBodu(skupina).value_or(0));
}

QString TextPravdepodobnosti(double pravdepodobnost)
{
    const double procenta = std::nearbyint(std::clamp(pravdepodobnost, 0.0, 1.0) * 100);
    if (procenta >= 100 && pravdepodobnost < 1)
        return QStringLiteral("více než 99 %");
    if (procenta <= 0 && pravdepodobnost > 0)
        return QStringLiteral("méně než 1 %");
    return QStringLiteral("%1 %").arg(static_cast<int>(procenta));
}

} // namespace Odhad
