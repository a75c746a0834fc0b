#include "test/zkouska.h"

#include <algorithm>

ZkouskaNanecisto::ZkouskaNanecisto(const QString &profil, const QString &skupina, const PolozkyZkousky &polozky,
                                   const QDateTime &zacatek)
    : m_profil(profil), m_skupina(skupina), m_polozky(polozky), m_zacatek(zacatek)
{
}

const PolozkaZkousky &ZkouskaNanecisto::Polozka(int pozice) const
{
    return m_polozky[static_cast<size_t>(std::clamp(pozice, 1, PlanZkousky::PocetPozic) - 1)];
}

bool ZkouskaNanecisto::PrejitNa(int pozice)
{
    if (pozice < 1 || pozice > PlanZkousky::PocetPozic)
        return false;
    m_aktualni = pozice;
    return true;
}

bool ZkouskaNanecisto::Zvolit(int pozice, int zobrazena)
{
    if (m_ukoncena || pozice < 1 || pozice > PlanZkousky::PocetPozic)
        return false;
    PolozkaZkousky &p = m_polozky[static_cast<size_t>(pozice - 1)];
    const QChar pismeno = p.PismenoZobrazene(zobrazena);
    if (pismeno.isNull())
        return false;
    p.Odpoved = pismeno;
    return true;
}

int ZkouskaNanecisto::PocetNezodpovezenych() const
{
    return static_cast<int>(
        std::count_if(m_polozky.begin(), m_polozky.end(), [](const PolozkaZkousky &p) { return !p.Zodpovezena(); }));
}

int ZkouskaNanecisto::ZbyvaSekund(const QDateTime &ted) const
{
    if (m_ukoncena)
        return m_zbyvaNaKonci;
    const qint64 uplynulo = std::max<qint64>(m_zacatek.msecsTo(ted), 0) / 1000;
    return static_cast<int>(std::max<qint64>(PlanZkousky::CasSekund - uplynulo, 0));
}

bool ZkouskaNanecisto::Tik(const QDateTime &ted)
{
    if (m_ukoncena || ZbyvaSekund(ted) > 0)
        return false;
    Ukoncit(ted);
    return true;
}

void ZkouskaNanecisto::Ukoncit(const QDateTime &ted)
{
    if (m_ukoncena)
        return;
    m_zbyvaNaKonci = ZbyvaSekund(ted);
    m_ukoncena = true;
}

int ZkouskaNanecisto::PocetBodu() const { return VysledekZkousky::PocetBodu(m_polozky); }

namespace VysledekZkousky {

int PocetBodu(const PolozkyZkousky &polozky)
{
    int body = 0;
    for (const PolozkaZkousky &p : polozky)
        body += p.Ziskano();
    return body;
}

int PocetSpravnych(const PolozkyZkousky &polozky)
{
    return static_cast<int>(std::count_if(polozky.begin(), polozky.end(), [](const PolozkaZkousky &p) { return p.Spravne(); }));
}

std::array<int, Okruhy::Pocet> BodyPodleOkruhu(const PolozkyZkousky &polozky)
{
    std::array<int, Okruhy::Pocet> body{};
    for (const PolozkaZkousky &p : polozky)
        body[static_cast<size_t>(Okruhy::Index(p.okruh))] += p.Ziskano();
    return body;
}

std::array<int, Okruhy::Pocet> MaxBodyPodleOkruhu()
{
    std::array<int, Okruhy::Pocet> body{};
    for (const PlanZkousky::Radek &r : PlanZkousky::Radky)
        body[static_cast<size_t>(Okruhy::Index(r.okruh))] = r.pocet * r.body;
    return body;
}

} // namespace VysledekZkousky
