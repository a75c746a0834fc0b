#include "data/banka.h"

namespace {
const QString JmenoBanky = QStringLiteral("otazky");
const QString PoleCislo = QStringLiteral("Číslo");
const QString PoleSkupina = QStringLiteral("Skupina");
} // namespace

QString PismenaSkupiny(const QString &skupina)
{
    if (skupina.startsWith(u'T'))
        return QStringLiteral("ABCD");
    return skupina.left(1);
}

bool OtazkaProSkupinu(const QString &skupinaOtazky, const QString &skupina)
{
    return skupinaOtazky.contains(PismenaSkupiny(skupina));
}

BankaOtazek::BankaOtazek() : m_zobrazeni(JmenoBanky), m_existence(JmenoBanky)
{
    m_zobrazeni.NastavitPredikat([this](const Zaznam &z) {
        const int cislo = z.Cislo(PoleCislo);
        if (Rezim == RezimFiltru::Cislo)
            return cislo == AktualniOtazka;
        return cislo > DolniMez && cislo <= HorniMez && OtazkaProSkupinu(z.Text(PoleSkupina), ZvolenaSkupina);
    });
    m_existence.NastavitPredikat([this](const Zaznam &z) { return z.Cislo(PoleCislo) == HledaneCislo; });
}

void BankaOtazek::Otevrit() { m_zobrazeni.Otevrit(true); }

void BankaOtazek::Zavrit() { m_zobrazeni.Zavrit(); }

void BankaOtazek::ZnovuOtevrit()
{
    m_zobrazeni.NastavitFiltrovani(false);
    m_zobrazeni.Zavrit();
    m_zobrazeni.Otevrit(true);
}

bool BankaOtazek::OtazkaExistuje(int n)
{
    m_existence.Zavrit();
    m_existence.Otevrit(true);
    HledaneCislo = n;
    m_existence.NastavitFiltrovani(false);
    m_existence.NastavitFiltrovani(true);
    const int pocet = m_existence.PocetZaznamu();
    m_existence.NastavitFiltrovani(false);
    m_existence.Zavrit();
    return pocet != 0;
}
