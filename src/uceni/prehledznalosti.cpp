#include "uceni/prehledznalosti.h"

#include "data/banka.h"
#include "data/kategorie.h"
#include "data/konfigurace.h"
#include "practice/beh.h"
#include "test/plan.h"
#include "uceni/odhad.h"
#include "uceni/pamet.h"
#include "uceni/poradiuceni.h"
#include "uceni/terminzkousky.h"

#include <algorithm>

namespace PrehledZnalosti {

namespace {

// The learning order's first two kinds: the learner has not shown they know the question.
bool Opakovat(const StavOtazky &s) { return s.zodpovezena && (s.posledniChybna || s.splatna); }

const std::array<QString, Kategorie::Pocet> KratkeNazvy{
    QStringLiteral("Pravidla provozu"), QStringLiteral("Řidičské oprávnění"), QStringLiteral("Silniční zákon"),
    QStringLiteral("Zdravověda"),       QStringLiteral("Podmínky provozu"),  QStringLiteral("Dopravní značky"),
    QStringLiteral("Křižovatky")};

} // namespace

QList<ZnalostKategorie> ZnalostPodleKategorii(const BankaOtazek &banka, const QString &skupina,
                                              const PametProfilu &pamet, const QDate &dnes)
{
    QList<ZnalostKategorie> znalost;
    for (int k = 1; k <= Kategorie::Pocet; ++k) {
        ZnalostKategorie z{Kategorie::Nazev(k), KratkeNazvy[static_cast<size_t>(k - 1)]};
        for (int n : banka.CislaKategorie(k, skupina)) {
            const StavOtazky s = pamet.Stav(n, dnes);
            ++(!s.zodpovezena ? z.nikdy : Opakovat(s) ? z.uciSe : z.umi);
        }
        znalost.append(z);
    }
    return znalost;
}

Prubeh PrubehUceni(const PametProfilu &pamet, const QDate &dnes)
{
    Prubeh prubeh;
    const std::vector<Odpovedi::Odpoved> &odpovedi = pamet.Odpovedi();
    if (odpovedi.empty())
        return prubeh;
    QDate prvni = odpovedi.front().datum;
    for (const Odpovedi::Odpoved &o : odpovedi)
        prvni = std::min(prvni, o.datum);
    const QDate od = std::clamp(prvni, dnes.addDays(1 - NejviceDni), dnes);
    for (QDate d = od; d <= dnes; d = d.addDays(1))
        prubeh.dny.append({d});
    for (const Odpovedi::Odpoved &o : odpovedi) {
        const qint64 i = od.daysTo(o.datum);
        if (i < 0 || i >= prubeh.dny.size())
            continue;
        Den &d = prubeh.dny[i];
        ++d.odpovedi;
        d.spravne += o.vysledek == Odpovedi::Vysledek::Spravne;
    }
    for (const Den &d : std::as_const(prubeh.dny)) {
        if (prubeh.tydny.isEmpty() || d.datum.dayOfWeek() == Qt::Monday)
            prubeh.tydny.append({d.datum, d.datum});
        Tyden &t = prubeh.tydny.last();
        t.doDne = d.datum;
        t.odpovedi += d.odpovedi;
        t.spravne += d.spravne;
        prubeh.odpovedi += d.odpovedi;
        prubeh.spravne += d.spravne;
    }
    for (Tyden &t : prubeh.tydny)
        t.procent = BehOtazek::Procenta(t.spravne, t.odpovedi);
    prubeh.procent = BehOtazek::Procenta(prubeh.spravne, prubeh.odpovedi);
    return prubeh;
}

KOpakovani OtazkyKOpakovani(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                            const QDate &dnes)
{
    KOpakovani k;
    for (int n : PoradiUceni(BehOtazek::VyhovujiciOtazky(banka, nastaveni), pamet, dnes)) {
        const StavOtazky s = pamet.Stav(n, dnes);
        if (!Opakovat(s))
            break; // the learning order puts them all first
        k.otazky.append(n);
        ++(s.posledniChybna ? k.chybne : k.zapominane);
    }
    return k;
}

UdajePrehledu Udaje(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                    const QDate &dnes, const QDate &denZkousky)
{
    return {nastaveni.AktivniProfil,
            dnes,
            ZnalostPodleKategorii(banka, nastaveni.ZvolenaSkupina, pamet, dnes),
            PrubehUceni(pamet, dnes),
            OtazkyKOpakovani(banka, nastaveni, pamet, dnes),
            denZkousky,
            dnes.addYears(TerminZkousky::NejviceLet),
            Odhad::PocetTestu};
}

Pripravenost PripravenostNaDen(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                               const QDate &den)
{
    Pripravenost p;
    const std::optional<Odhad::OdhadUspechu> odhad = Odhad::OdhadZPameti(banka, skupina, pamet, den, &p.proc);
    if (!odhad)
        return p;
    p.pravdepodobnost = Odhad::TextPravdepodobnosti(odhad->pravdepodobnost);
    p.ocekavaneBody = odhad->ocekavaneBody;
    p.maxBodu = PlanTestu::MaxBodu;
    p.minimum = odhad->minimum;
    p.ztraceneBody = QList<double>(odhad->ztraceneBody.begin(), odhad->ztraceneBody.end());
    p.nejviceZtraci = odhad->nejviceZtraci;
    return p;
}

} // namespace PrehledZnalosti
