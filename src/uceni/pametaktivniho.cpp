#include "uceni/pametaktivniho.h"

#include "uceni/pamet.h"

PametAktivnihoProfilu::PametAktivnihoProfilu() = default;
PametAktivnihoProfilu::~PametAktivnihoProfilu() = default;

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
