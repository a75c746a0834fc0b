#include "uceni/pametaktivniho.h"

#include "uceni/pamet.h"

PametAktivnihoProfilu::PametAktivnihoProfilu() = default;
PametAktivnihoProfilu::~PametAktivnihoProfilu() = default;
PametAktivnihoProfilu::PametAktivnihoProfilu(const PametAktivnihoProfilu &jina)
    : m_pamet(jina.m_pamet ? std::make_unique<PametProfilu>(*jina.m_pamet) : nullptr)
{
}

PametAktivnihoProfilu &PametAktivnihoProfilu::operator=(const PametAktivnihoProfilu &jina)
{
    if (this != &jina)
        m_pamet = jina.m_pamet ? std::make_unique<PametProfilu>(*jina.m_pamet) : nullptr;
    return *this;
}

PametAktivnihoProfilu::PametAktivnihoProfilu(PametAktivnihoProfilu &&) noexcept = default;
PametAktivnihoProfilu &PametAktivnihoProfilu::operator=(PametAktivnihoProfilu &&) noexcept = default;

const PametProfilu &PametAktivnihoProfilu::Nacist(const QString &profil)
{
    if (m_pamet && m_pamet->Profil() == profil)
        return *m_pamet;
    m_pamet.reset();
    auto pamet = std::make_unique<PametProfilu>(profil);
    pamet->Nacist();
    m_pamet = std::move(pamet);
    return *m_pamet;
}

void PametAktivnihoProfilu::ZmenitProfil(const QString &profil)
{
    if (m_pamet && m_pamet->Profil() != profil)
        m_pamet.reset();
}

void PametAktivnihoProfilu::Zaznamenat(const QString &profil, const QList<Odpovedi::Odpoved> &odpovedi)
{
    ZmenitProfil(profil);
    if (m_pamet)
        m_pamet->Zaznamenat(odpovedi);
    else
        Odpovedi::Zapsat(profil, odpovedi);
}

void PametAktivnihoProfilu::Zaznamenat(const QString &profil, int otazka, Odpovedi::Vysledek vysledek,
                                       Odpovedi::Zdroj zdroj, const QDateTime &kdy)
{
    Zaznamenat(profil, {{kdy.date(), kdy.time(), otazka, vysledek, zdroj}});
}

void PametAktivnihoProfilu::Zaznamenat(const QString &profil, const PosouzenaOdpoved &odpoved, const QDateTime &kdy)
{
    using V = PosouzenaOdpoved::Vysledek;
    using Z = PosouzenaOdpoved::Zdroj;
    const Odpovedi::Vysledek vysledek = odpoved.vysledek == V::Spravne  ? Odpovedi::Vysledek::Spravne
                                        : odpoved.vysledek == V::Spatne ? Odpovedi::Vysledek::Spatne
                                                                        : Odpovedi::Vysledek::SNapovedou;
    const Odpovedi::Zdroj zdroj = odpoved.zdroj == Z::Procvicovani ? Odpovedi::Zdroj::Procvicovani
                                  : odpoved.zdroj == Z::Zkouseni   ? Odpovedi::Zdroj::Zkouseni
                                                                   : Odpovedi::Zdroj::Oprava;
    Zaznamenat(profil, odpoved.cislo, vysledek, zdroj, kdy);
}

void PametAktivnihoProfilu::ZaznamenatTest(const QString &profil, const PolozkyTestu &polozky, const QDateTime &kdy)
{
    QList<Odpovedi::Odpoved> odpovedi;
    for (const PolozkaTestu &p : polozky) {
        const Odpovedi::Vysledek vysledek = !p.Chybne             ? Odpovedi::Vysledek::Spravne
                                            : p.Odpoved.isEmpty() ? Odpovedi::Vysledek::Nezodpovezeno
                                                                  : Odpovedi::Vysledek::Spatne;
        odpovedi.append({kdy.date(), kdy.time(), p.SkutCis, vysledek, Odpovedi::Zdroj::Test});
    }
    Zaznamenat(profil, odpovedi);
}
