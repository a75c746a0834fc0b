#include "data/banka.h"

#include "data/adresare.h"

namespace Skupiny {

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

bool OtazkaProSkupinuPriVyberu(const QString &skupinaOtazky, const QString &skupina)
{
    const QString pismena = PismenaSkupiny(skupina);
    if (pismena.size() > 1)
        return skupinaOtazky == pismena;
    return skupinaOtazky.contains(pismena);
}

} // namespace Skupiny

namespace ObrazkyOtazek {

QString VelkaVerze(const QString &obrazek)
{
    QString cesta = obrazek;
    cesta.replace(u'\\', u'/');
    const qsizetype lomitko = cesta.lastIndexOf(u'/');
    return cesta.left(lomitko + 1) + QStringLiteral("velke/") + cesta.mid(lomitko + 1);
}

} // namespace ObrazkyOtazek

// The fields in the order of Pole: the one list of their names.
QList<DefinicePole> BankaOtazek::PoleTabulky()
{
    static const QList<DefinicePole> pole{
        {QStringLiteral("Číslo"), TypPole::Cele, 0},
        {QStringLiteral("OTÁZKA"), TypPole::Memo, 0},
        {QStringLiteral("A"), TypPole::Memo, 0},
        {QStringLiteral("B"), TypPole::Memo, 0},
        {QStringLiteral("C"), TypPole::Memo, 0},
        {QStringLiteral("D"), TypPole::Memo, 0},
        {QStringLiteral("SPRÁVNĚ"), TypPole::Retezec, 4},
        {QStringLiteral("Skupina"), TypPole::Retezec, 4},
        {QStringLiteral("OBRÁZEK"), TypPole::Retezec, 64},
        {QStringLiteral("POZNÁMKA"), TypPole::Memo, 0},
        {QStringLiteral("OKRUH"), TypPole::Retezec, 4},
        {QStringLiteral("ODPOVĚDÍ"), TypPole::Cele, 0},
        {QStringLiteral("KŘIŽOVATKA"), TypPole::Memo, 0},
    };
    Q_ASSERT(pole.size() == PocetPoli);
    return pole;
}

QString BankaOtazek::JmenoPole(Pole pole) { return PoleTabulky()[pole].jmeno; }

BankaOtazek::BankaOtazek() : m_tabulka(JmenoTabulky) {}

void BankaOtazek::Otevrit()
{
    // The bank is read from the data directory, whichever it is, not from the learner's.
    if (!m_tabulka.Otevreno())
        m_tabulka.NastavitJmeno(Adresare::Zdroj(JmenoTabulky));
    m_tabulka.Otevrit(true);
    m_index.fill(Polozka{});
    try {
        // The topic and the count of answers are read by name: a bank built before they existed
        // has neither and is read all the same.
        QStringList pole{JmenoPole(Cislo), JmenoPole(Spravne), JmenoPole(Skupina)};
        bool noveSloupce = false;
        m_sceny = false;
        for (const DefinicePole &p : m_tabulka.Pole()) {
            noveSloupce = noveSloupce || p.jmeno == JmenoPole(Okruh);
            m_sceny = m_sceny || p.jmeno == JmenoPole(Krizovatka);
        }
        if (noveSloupce)
            pole << JmenoPole(Okruh) << JmenoPole(Odpovedi);
        // Read field by field as the rows pass, at every start: no list of rows in between.
        int pozice = 0;
        m_tabulka.ProjitPohled(pole, [&](const RadekPohledu &radek) {
            const qint64 n = radek.Cele(0);
            if (n >= 1 && n <= Kategorie::NejvyssiCislo) {
                Polozka &p = m_index[static_cast<size_t>(n)];
                p = Polozka{pozice, radek.Text(1), radek.Text(2), std::nullopt, 0};
                if (noveSloupce) {
                    p.okruh = Okruhy::ZKodu(radek.Text(3));
                    p.odpovedi = static_cast<int>(radek.Cele(4));
                }
            }
            ++pozice;
        });
    } catch (...) {
        Zavrit();
        throw;
    }
}

void BankaOtazek::Zavrit()
{
    m_tabulka.Zavrit();
    m_index.fill(Polozka{});
}

const BankaOtazek::Polozka *BankaOtazek::Najit(int n) const
{
    if (n < 1 || n > Kategorie::NejvyssiCislo || m_index[static_cast<size_t>(n)].pozice < 0)
        return nullptr;
    return &m_index[static_cast<size_t>(n)];
}

bool BankaOtazek::OtazkaExistuje(int n) const { return Najit(n) != nullptr; }

OtazkaBanky BankaOtazek::Nacist(int n)
{
    const Polozka *p = Najit(n);
    if (!p)
        throw ChybaTabulky(QStringLiteral("Tabulka otazky: otázka %1 neexistuje").arg(n));
    m_tabulka.PrejitNa(p->pozice);
    OtazkaBanky o;
    o.cislo = n;
    o.otazka = m_tabulka.Text(Otazka);
    for (int i = 0; i < 4; ++i)
        o.odpovedi[static_cast<size_t>(i)] = m_tabulka.Text(A + i);
    o.spravne = p->spravne;
    o.skupina = p->skupina;
    o.obrazek = m_tabulka.Text(Obrazek);
    o.poznamka = m_tabulka.Text(Poznamka);
    o.okruh = p->okruh;
    if (m_sceny)
        o.krizovatka = m_tabulka.Text(Krizovatka);
    return o;
}

QString BankaOtazek::SpravneOdpovedi(int n) const
{
    const Polozka *p = Najit(n);
    return p ? p->spravne : QString();
}

QString BankaOtazek::SkupinaOtazky(int n) const
{
    const Polozka *p = Najit(n);
    return p ? p->skupina : QString();
}

std::optional<Okruhy::Okruh> BankaOtazek::OkruhOtazky(int n) const
{
    const Polozka *p = Najit(n);
    return p ? p->okruh : std::nullopt;
}

int BankaOtazek::PocetOdpovedi(int n) const
{
    const Polozka *p = Najit(n);
    return p ? p->odpovedi : 0;
}

QList<int> BankaOtazek::CislaKategorie(int k, const QString &skupina) const
{
    QList<int> cisla;
    for (int n = Kategorie::Prvni(k); n <= Kategorie::Posledni(k); ++n)
        if (const Polozka *p = Najit(n); p && Skupiny::OtazkaProSkupinu(p->skupina, skupina))
            cisla << n;
    return cisla;
}

int BankaOtazek::PocetVKategorii(int k, const QString &skupina) const
{
    return static_cast<int>(CislaKategorie(k, skupina).size());
}
