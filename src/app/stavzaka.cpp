#include "app/stavzaka.h"

#include "data/hodiny.h"
#include "data/profily.h"

#include <QDateTime>

namespace {

const QString NeulozenaOdpoved = QStringLiteral("\n\nOdpověď se nepodařilo uložit, takže ji výběr podle paměti ani přehled "
                                                "znalostí nezapočítají. Můžete pokračovat; další chyby ukládání odpovědí "
                                                "program do konce této řady otázek nehlásí.");
const QString NeulozenyTest = QStringLiteral("\n\nOdpovědi z testu se nepodařilo uložit, takže je výběr podle paměti ani "
                                             "přehled znalostí nezapočítají.");

Odpovedi::Vysledek VysledekBehu(PosouzenaOdpoved::Vysledek vysledek)
{
    switch (vysledek) {
    case PosouzenaOdpoved::Vysledek::Spravne: return Odpovedi::Vysledek::Spravne;
    case PosouzenaOdpoved::Vysledek::Spatne: return Odpovedi::Vysledek::Spatne;
    case PosouzenaOdpoved::Vysledek::SNapovedou: break;
    }
    return Odpovedi::Vysledek::SNapovedou;
}

Odpovedi::Zdroj ZdrojBehu(PosouzenaOdpoved::Zdroj zdroj)
{
    switch (zdroj) {
    case PosouzenaOdpoved::Zdroj::Procvicovani: return Odpovedi::Zdroj::Procvicovani;
    case PosouzenaOdpoved::Zdroj::Zkouseni: return Odpovedi::Zdroj::Zkouseni;
    case PosouzenaOdpoved::Zdroj::Oprava: break;
    }
    return Odpovedi::Zdroj::Oprava;
}

} // namespace

StavZaka::StavZaka() : m_znameProfily(m_nastaveni.Profily)
{
    m_beh.NastavitPosluchace([this](const PosouzenaOdpoved &odpoved) { ZaznamenatOdpoved(odpoved); });
}

void StavZaka::Zacit(const Konfigurace &nastaveni)
{
    m_nastaveni = m_ulozena = nastaveni;
    m_znameProfily = nastaveni.Profily;
}

// An empty stored list would take every known profile; the program never stores one.
QStringList StavZaka::ProfilyKeSmazani() const
{
    if (m_ulozena.Profily.isEmpty())
        return {};
    return ::ProfilyKeSmazani(m_znameProfily, m_ulozena.Profily);
}

void StavZaka::ZmenenProfil() { m_pamet.ZmenitProfil(AktivniProfil()); }

const PametProfilu &StavZaka::Pamet() { return m_pamet.Nacist(AktivniProfil()); }

void StavZaka::Ulozit(const QList<Odpovedi::Odpoved> &odpovedi, const QString &dusledek)
{
    try {
        m_pamet.Zaznamenat(AktivniProfil(), odpovedi);
    } catch (const ChybaTabulky &e) {
        if (m_chybaHlasena)
            return;
        m_chybaHlasena = true;
        if (m_hlaseni)
            m_hlaseni(e.Text() + dusledek);
    }
}

void StavZaka::ZaznamenatOdpoved(const PosouzenaOdpoved &odpoved)
{
    const QDateTime kdy = Hodiny::Ted();
    Ulozit({{kdy.date(), kdy.time(), odpoved.cislo, VysledekBehu(odpoved.vysledek), ZdrojBehu(odpoved.zdroj)}},
           NeulozenaOdpoved);
}

void StavZaka::ZaznamenatTest(const PolozkyTestu &polozky, const QDateTime &kdy)
{
    QList<Odpovedi::Odpoved> odpovedi;
    for (const PolozkaTestu &p : polozky) {
        const Odpovedi::Vysledek vysledek = !p.Chybne             ? Odpovedi::Vysledek::Spravne
                                            : p.Odpoved.isEmpty() ? Odpovedi::Vysledek::Nezodpovezeno
                                                                  : Odpovedi::Vysledek::Spatne;
        odpovedi.append({kdy.date(), kdy.time(), p.SkutCis, vysledek, Odpovedi::Zdroj::Test});
    }
    ZacitSerii();
    Ulozit(odpovedi, NeulozenyTest);
}
