#include "uceni/fsrs.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace Fsrs {

namespace {

const double Rozpad = W[20];
const double Faktor = std::pow(CilovaVybavitelnost, -1.0 / Rozpad) - 1;

int Cislo(Znamka znamka) { return static_cast<int>(znamka); }

// D0(G) = w4 − e^(w5·(G−1)) + 1, before it is held within 1 .. 10: the pull of every later answer
// towards D0(4) uses it as it is.
double PocatecniObtiznost(Znamka znamka) { return W[4] - std::exp(W[5] * (Cislo(znamka) - 1)) + 1; }

// What every answer's formulas share, worked out once: a memory is read answer by answer, hundreds
// of thousands of them, and each call into the maths library costs.
const double CilObtiznosti = W[7] * PocatecniObtiznost(Znamka::Snadno);
const double RustPriOpakovani = std::exp(W[8]);
const double NejvyssiPoZapomenuti = 1 / std::exp(W[17] * W[18]);
// e^(w17·(G−3+w18)) of a same-day answer, by grade 1..4.
const std::array<double, 4> RustTehozDne{std::exp(W[17] * (1 - 3 + W[18])), std::exp(W[17] * (2 - 3 + W[18])),
                                          std::exp(W[17] * (3 - 3 + W[18])), std::exp(W[17] * (4 - 3 + W[18]))};

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void VycistitHorniPoloviny() { _mm256_zeroupper(); }
#endif

double Omezit(double obtiznost) { return std::clamp(obtiznost, 1.0, 10.0); }

// ΔD = −w6·(G−3), damped by (10−D)/9 so that D nears 10 ever more slowly, then pulled by w7
// towards D0(4).
double DalsiObtiznost(double obtiznost, Znamka znamka)
{
    const double zmena = -W[6] * (Cislo(znamka) - 3);
    const double tlumena = obtiznost + zmena * (10 - obtiznost) / 9;
    return Omezit(CilObtiznosti + (1 - W[7]) * tlumena);
}

} // namespace

double Vybavitelnost(double dny, double stabilita)
{
    return std::pow(1 + Faktor * std::max(dny, 0.0) / std::max(stabilita, NejmensiStabilita), -Rozpad);
}

Stav PrvniOdpoved(Znamka znamka)
{
    return {std::max(W[static_cast<size_t>(Cislo(znamka) - 1)], NejmensiStabilita),
            Omezit(PocatecniObtiznost(znamka))};
}

Stav DalsiOdpoved(const Stav &stav, Znamka znamka, int dny, double *vybavitelnost)
{
    const double s = std::max(stav.stabilita, NejmensiStabilita), d = Omezit(stav.obtiznost);
    const int g = Cislo(znamka);
    double nova;
    if (dny <= 0) {
        // Same day: S·e^(w17·(G−3+w18))·S^(−w19), never lowered by a right answer.
        double narust = RustTehozDne[static_cast<size_t>(g - 1)] * std::pow(s, -W[19]);
        if (g >= 3)
            narust = std::max(narust, 1.0);
        nova = s * narust;
    } else {
        const double r = Vybavitelnost(dny, s);
        if (vybavitelnost)
            *vybavitelnost = r;
        if (znamka == Znamka::Znovu) {
            nova = std::min(W[11] * std::pow(d, -W[12]) * (std::pow(s + 1, W[13]) - 1) * std::exp(W[14] * (1 - r)),
                            s * NejvyssiPoZapomenuti);
        } else {
            const double bonus = znamka == Znamka::Tezko ? W[15] : znamka == Znamka::Snadno ? W[16] : 1.0;
            nova = s * (1 + RustPriOpakovani * (11 - d) * std::pow(s, -W[9]) * (std::exp(W[10] * (1 - r)) - 1) * bonus);
        }
    }
    return {std::max(nova, NejmensiStabilita), DalsiObtiznost(d, znamka)};
}

int DnuDoOpakovani(double stabilita)
{
    if (!(stabilita < NejdelsiInterval - 1)) // also a stability that is not a number
        return NejdelsiInterval;
    return static_cast<int>(std::floor(std::max(stabilita, 0.0))) + 1;
}

void PripravitProcesor()
{
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx"))
        VycistitHorniPoloviny();
#endif
}

} // namespace Fsrs
