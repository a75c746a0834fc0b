#include "uceni/odhadzkousky.h"

#include "data/banka.h"
#include "test/planzkousky.h"
#include "test/sestavenizkousky.h"
#include "uceni/fsrs.h"
#include "uceni/pamet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace OdhadZkousky {

namespace {

constexpr int NejvicePozicOkruhu()
{
    int k = 0;
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky)
        k = std::max(k, r.pocet);
    return k;
}
constexpr int K = NejvicePozicOkruhu();
// The points an exam may lose and still pass.
constexpr int Dovoleno = PlanZkousky::MaxBodu - PlanZkousky::MinPocetBodu;

size_t IndexOkruhu(Okruhy::Okruh o) { return static_cast<size_t>(Okruhy::Index(o)); }

// What the memory says of one question of the pools on the day: when the last answer was right, the
// model's F·t/S (its recall (1 + F·t/S)^(−w) read back), so that the learner's forgetting turns it
// with one exp and one log; otherwise nothing, and the topic's share stands for it.
struct Pamatovana {
    int cislo;
    Okruhy::Okruh okruh;
    std::optional<double> cas;
};

double CasZVybavitelnosti(double r) { return std::pow(std::clamp(r, 1e-9, 1.0), -1 / Fsrs::W[20]) - 1; }

double VybavitelnostZCasu(double cas, const Zapominani &zapominani)
{
    return std::clamp(std::exp(-Fsrs::W[20] * zapominani.strmost * std::log1p(zapominani.tempo * cas)), 0.0, 1.0);
}

std::vector<Pamatovana> Pamatovane(const SestavovaniZkousky &sestavovani, const PametProfilu &pamet, const QDate &den,
                                   int *zodpovezeno = nullptr)
{
    std::vector<Pamatovana> otazky;
    int n = 0;
    for (Okruhy::Okruh o : Okruhy::Vsechny)
        for (int cislo : sestavovani.Zasoba(o)) {
            const StavOtazky s = pamet.Stav(cislo, den);
            n += s.zodpovezena;
            otazky.push_back({cislo, o, s.zodpovezena && !s.posledniChybna ? std::optional(CasZVybavitelnosti(s.vybavitelnost))
                                                                            : std::nullopt});
        }
    if (zodpovezeno)
        *zodpovezeno = n;
    return otazky;
}

Odhad::Sance Sance(const std::vector<Pamatovana> &otazky, const std::array<double, Okruhy::Pocet> &podily,
                   const Zapominani &zapominani)
{
    Odhad::Sance sance{};
    for (const Pamatovana &q : otazky) {
        const double podil = podily[IndexOkruhu(q.okruh)];
        const double r = q.cas ? VybavitelnostZCasu(*q.cas, zapominani) : 0.0;
        sance[static_cast<size_t>(q.cislo)] = std::clamp(r + (1 - r) * podil, 0.0, 1.0);
    }
    return sance;
}

// The chance of r right answers, r = 0..k, among k questions drawn uniformly without repetition from
// the pool: the sum over every k-subset of the products of its chances, divided by their number.
// e[j][r] sums over the subsets of j of the questions so far with r right; divided at the end by the
// sum of e[k], which is the number of subsets.
std::array<double, K + 1> PocetSpravnych(const std::vector<int> &zasoba, const Odhad::Sance &sance, int k)
{
    std::array<std::array<double, K + 1>, K + 1> e{};
    e[0][0] = 1;
    int videno = 0;
    for (int n : zasoba) {
        const double p = sance[static_cast<size_t>(n)], q = 1 - p;
        videno = std::min(videno + 1, k);
        for (int j = videno; j >= 1; --j) {
            std::array<double, K + 1> &ej = e[static_cast<size_t>(j)];
            const std::array<double, K + 1> &pred = e[static_cast<size_t>(j - 1)];
            ej[0] += pred[0] * q;
            for (int r = 1; r <= j; ++r)
                ej[static_cast<size_t>(r)] += pred[static_cast<size_t>(r)] * q + pred[static_cast<size_t>(r - 1)] * p;
        }
    }
    std::array<double, K + 1> rozlozeni = e[static_cast<size_t>(k)];
    double soucet = 0;
    for (double x : rozlozeni)
        soucet += x;
    for (double &x : rozlozeni)
        x = soucet > 0 ? x / soucet : 0;
    return rozlozeni;
}

struct Zkouska {
    double prosla = 0, ocekavaneBody = 0;
    std::array<double, Okruhy::Pocet> ztraceneBody{};
};

Zkouska Spocitat(const SestavovaniZkousky &sestavovani, const Odhad::Sance &sance)
{
    Zkouska z;
    // ztrata[j]: the chance that the topics so far lost exactly j points; losing more fails.
    std::array<double, Dovoleno + 1> ztrata{};
    ztrata[0] = 1;
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky) {
        const std::vector<int> &zasoba = sestavovani.Zasoba(r.okruh);
        double prumer = 0;
        for (int n : zasoba)
            prumer += sance[static_cast<size_t>(n)];
        prumer /= std::max<double>(static_cast<double>(zasoba.size()), 1);
        z.ocekavaneBody += prumer * r.pocet * r.body;
        z.ztraceneBody[IndexOkruhu(r.okruh)] = (1 - prumer) * r.pocet * r.body;

        const std::array<double, K + 1> spravnych = PocetSpravnych(zasoba, sance, r.pocet);
        std::array<double, Dovoleno + 1> nova{};
        for (int j = 0; j <= Dovoleno; ++j)
            for (int s = 0; s <= r.pocet; ++s)
                if (const int ztraceno = j + (r.pocet - s) * r.body; ztraceno <= Dovoleno)
                    nova[static_cast<size_t>(ztraceno)] += ztrata[static_cast<size_t>(j)] * spravnych[static_cast<size_t>(s)];
        ztrata = nova;
    }
    for (double x : ztrata)
        z.prosla += x;
    z.prosla = std::clamp(z.prosla, 0.0, 1.0);
    return z;
}

double Beta(std::mt19937_64 &g, double a, double b)
{
    const double x = std::gamma_distribution<double>(a)(g), y = std::gamma_distribution<double>(b)(g);
    return x + y > 0 ? x / (x + y) : 0.5;
}

} // namespace

int PrvniOdpovedi::Spravne() const
{
    int n = 0;
    for (int x : spravne)
        n += x;
    return n;
}

int PrvniOdpovedi::Vsechny() const
{
    int n = 0;
    for (int x : vsechny)
        n += x;
    return n;
}

PrvniOdpovedi SecistPrvniOdpovedi(const BankaOtazek &banka, const PametProfilu &pamet)
{
    PrvniOdpovedi prvni;
    std::vector<bool> videna(Kategorie::NejvyssiCislo + 1);
    for (const Odpovedi::Odpoved &o : pamet.Odpovedi()) {
        if (videna[static_cast<size_t>(o.otazka)])
            continue;
        videna[static_cast<size_t>(o.otazka)] = true;
        if (const auto okruh = banka.OkruhOtazky(o.otazka)) {
            ++prvni.vsechny[IndexOkruhu(*okruh)];
            prvni.spravne[IndexOkruhu(*okruh)] += o.vysledek == Odpovedi::Vysledek::Spravne;
        }
    }
    return prvni;
}

double Podil(const PrvniOdpovedi &prvni)
{
    return (prvni.Spravne() + VychoziPodil * VahaVyhlazeni) / (prvni.Vsechny() + VahaVyhlazeni);
}

std::array<double, Okruhy::Pocet> Podily(const PrvniOdpovedi &prvni)
{
    const double celkem = Podil(prvni);
    std::array<double, Okruhy::Pocet> podily{};
    for (size_t t = 0; t < podily.size(); ++t)
        podily[t] = (prvni.spravne[t] + VahaOkruhu * celkem) / (prvni.vsechny[t] + VahaOkruhu);
    return podily;
}

double Vybavitelnost(double r, const Zapominani &zapominani)
{
    return VybavitelnostZCasu(CasZVybavitelnosti(r), zapominani);
}

namespace {

Zapominani BodMrizky(int i)
{
    using R = RozlozeniZapominani;
    return {std::exp(R::OdTempa + (i / R::BoduStrmosti) * R::KrokTempa),
            std::exp(R::OdStrmosti + (i % R::BoduStrmosti) * R::KrokStrmosti)};
}

} // namespace

Zapominani RozlozeniZapominani::Odhad() const
{
    double tempo = 0, strmost = 0;
    for (size_t i = 0; i < vaha.size(); ++i) {
        const Zapominani z = BodMrizky(static_cast<int>(i));
        tempo += vaha[i] * std::log(z.tempo);
        strmost += vaha[i] * std::log(z.strmost);
    }
    return {std::exp(tempo), std::exp(strmost)};
}

Zapominani RozlozeniZapominani::Vzorek(double u) const
{
    double soucet = 0;
    for (size_t i = 0; i < vaha.size(); ++i) {
        soucet += vaha[i];
        if (u <= soucet)
            return BodMrizky(static_cast<int>(i));
    }
    return BodMrizky(static_cast<int>(vaha.size()) - 1);
}

RozlozeniZapominani ZapominaniZOvereni(const OvereniVybavitelnosti &overeni, double podil)
{
    using R = RozlozeniZapominani;
    // Per bin the model's time over stability, read back from its mean recall, and the logarithm of
    // the stretched time for every pace of the grid: the grid's points then cost one exp each.
    const double w = Fsrs::W[20];
    std::vector<const OvereniVybavitelnosti::Kos *> kose;
    std::vector<std::array<double, R::BoduTempa>> natazeni;
    for (const OvereniVybavitelnosti::Kos &k : overeni.kose) {
        if (k.odpovedi == 0)
            continue;
        const double cas = CasZVybavitelnosti(k.vybavitelnost / k.odpovedi);
        kose.push_back(&k);
        natazeni.emplace_back();
        for (int i = 0; i < R::BoduTempa; ++i)
            natazeni.back()[static_cast<size_t>(i)] = std::log1p(std::exp(R::OdTempa + i * R::KrokTempa) * cas);
    }
    RozlozeniZapominani rozlozeni;
    std::array<double, R::BoduTempa * R::BoduStrmosti> logaritmus{};
    double nejvyssi = -std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < logaritmus.size(); ++i) {
        const int t = static_cast<int>(i) / R::BoduStrmosti;
        const double lnTempo = R::OdTempa + t * R::KrokTempa,
                     lnStrmost = R::OdStrmosti + (static_cast<int>(i) % R::BoduStrmosti) * R::KrokStrmosti;
        const double a = lnTempo / RozptylTempa, b = lnStrmost / RozptylStrmosti, mocnina = -w * std::exp(lnStrmost);
        double l = -0.5 * (a * a + b * b);
        for (size_t j = 0; j < kose.size(); ++j) {
            const double r = std::exp(mocnina * natazeni[j][static_cast<size_t>(t)]);
            const double p = std::clamp(r + (1 - r) * podil, 1e-6, 1 - 1e-6);
            l += kose[j]->spravne * std::log(p) + (kose[j]->odpovedi - kose[j]->spravne) * std::log1p(-p);
        }
        logaritmus[i] = l;
        nejvyssi = std::max(nejvyssi, l);
    }
    double soucet = 0;
    for (size_t i = 0; i < logaritmus.size(); ++i)
        soucet += rozlozeni.vaha[i] = std::exp(logaritmus[i] - nejvyssi);
    for (double &v : rozlozeni.vaha)
        v /= soucet;
    return rozlozeni;
}

Odhad::Sance SanceOtazek(const SestavovaniZkousky &sestavovani, const PametProfilu &pamet, const QDate &den,
                         const std::array<double, Okruhy::Pocet> &podily, const Zapominani &zapominani)
{
    return Sance(Pamatovane(sestavovani, pamet, den), podily, zapominani);
}

double PravdepodobnostUspechu(const SestavovaniZkousky &sestavovani, const Odhad::Sance &sance)
{
    return Spocitat(sestavovani, sance).prosla;
}

bool Hruby(int zodpovezeno, int otazek)
{
    return zodpovezeno < NejmeneOtazek || static_cast<qint64>(zodpovezeno) * DilOtazek < otazek;
}

std::optional<Vysledek> ZPameti(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                                const QDate &den, QString *proc, bool vzdyRozsah)
{
    QString duvod;
    const SestavovaniZkousky sestavovani(banka, skupina);
    if (pamet.Odpovedi().empty())
        duvod = QStringLiteral("Odhad pro dnešní zkoušku potřebuje nejdříve vaše odpovědi. Procvičujte nebo se "
                               "zkoušejte a odhad se zde objeví.");
    else
        duvod = sestavovani.ProcNelze();
    if (proc)
        *proc = duvod;
    if (!duvod.isEmpty())
        return std::nullopt;

    Vysledek v;
    const std::vector<Pamatovana> otazky = Pamatovane(sestavovani, pamet, den, &v.zodpovezeno);
    v.otazek = sestavovani.VelikostZasoby();
    v.hruby = Hruby(v.zodpovezeno, v.otazek);
    const PrvniOdpovedi prvni = SecistPrvniOdpovedi(banka, pamet);
    const RozlozeniZapominani zapominani = ZapominaniZOvereni(pamet.Overeni(), Podil(prvni));
    v.zapominani = zapominani.Odhad();
    const Zkouska z = Spocitat(sestavovani, Sance(otazky, Podily(prvni), v.zapominani));
    v.pravdepodobnost = z.prosla;
    v.ocekavaneBody = z.ocekavaneBody;
    v.ztraceneBody = z.ztraceneBody;
    double nejvice = 1e-9; // below this a topic loses nothing worth naming
    for (Okruhy::Okruh o : Okruhy::Vsechny)
        if (z.ztraceneBody[IndexOkruhu(o)] > nejvice) {
            nejvice = z.ztraceneBody[IndexOkruhu(o)];
            v.nejviceZtraci = o;
        }

    v.dolni = v.horni = v.pravdepodobnost;
    if (!v.hruby && !vzdyRozsah)
        return v;
    // The range: shares drawn from Beta distributions of the first answers, counted RozptylPodilu
    // times fewer, the learner's share over all topics first, then each topic's leaning towards it;
    // and the forgetting drawn from its weights.
    std::mt19937_64 g(VychoziSeme);
    const double spravne = prvni.Spravne(), spatne = prvni.Vsechny() - prvni.Spravne();
    std::vector<double> vzorky;
    for (int i = 0; i < PocetVzorku; ++i) {
        const double celkem = Beta(g, (spravne + VychoziPodil * VahaVyhlazeni) / RozptylPodilu,
                                   (spatne + (1 - VychoziPodil) * VahaVyhlazeni) / RozptylPodilu);
        std::array<double, Okruhy::Pocet> podily{};
        for (size_t t = 0; t < podily.size(); ++t)
            podily[t] = Beta(g, (prvni.spravne[t] + VahaOkruhu * celkem) / RozptylPodilu,
                             (prvni.vsechny[t] - prvni.spravne[t] + VahaOkruhu * (1 - celkem)) / RozptylPodilu);
        const Zapominani z = zapominani.Vzorek(std::uniform_real_distribution<double>()(g));
        vzorky.push_back(Spocitat(sestavovani, Sance(otazky, podily, z)).prosla);
    }
    std::sort(vzorky.begin(), vzorky.end());
    const auto kvantil = [&vzorky](double q) {
        const double x = q * static_cast<double>(vzorky.size() - 1);
        const size_t i = static_cast<size_t>(x);
        const double zbytek = x - static_cast<double>(i);
        return i + 1 < vzorky.size() ? vzorky[i] * (1 - zbytek) + vzorky[i + 1] * zbytek : vzorky[i];
    };
    v.dolni = std::min(kvantil((1 - Pokryti) / 2), v.pravdepodobnost);
    v.horni = std::max(kvantil((1 + Pokryti) / 2), v.pravdepodobnost);
    return v;
}

QString TextOdhadu(const Vysledek &odhad)
{
    if (!odhad.hruby)
        return Odhad::TextPravdepodobnosti(odhad.pravdepodobnost);
    // Whole percents that hold the range: the lower bound rounded down, the upper up.
    const int od = static_cast<int>(std::floor(std::clamp(odhad.dolni, 0.0, 1.0) * 100));
    const int po = static_cast<int>(std::ceil(std::clamp(odhad.horni, 0.0, 1.0) * 100));
    return QStringLiteral("%1 až %2 %").arg(od).arg(std::max(po, od));
}

QString VetaHrubehoOdhadu(const Vysledek &odhad)
{
    if (!odhad.hruby)
        return {};
    return QStringLiteral("Odhad je zatím hrubý: zodpověděli jste %1 z %2 otázek.").arg(odhad.zodpovezeno).arg(odhad.otazek);
}

} // namespace OdhadZkousky
