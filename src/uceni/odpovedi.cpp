#include "uceni/odpovedi.h"

#include "data/kategorie.h"
#include "data/profily.h"
#include "data/zaznamtabulky.h"

namespace Odpovedi {

namespace {

bool ZnamyVysledek(qint64 kod) { return kod >= 1 && kod <= static_cast<int>(Vysledek::Nezodpovezeno); }
bool ZnamyZdroj(qint64 kod) { return kod >= 1 && kod <= static_cast<int>(Zdroj::Zkouska); }

void Otevrit(Tabulka &t) { ZaznamTabulky::OtevritOverenou(t, PoleTabulky(), QStringLiteral("odpovědí")); }

} // namespace

const QList<DefinicePole> &PoleTabulky()
{
    static const QList<DefinicePole> pole{{QStringLiteral("Profil"), TypPole::Retezec, ZaznamTabulky::DelkaProfilu},
                                          {QStringLiteral("Otazka"), TypPole::Cele, 0},
                                          {QStringLiteral("DatumACas"), TypPole::Cele, 0},
                                          {QStringLiteral("Vysledek"), TypPole::Cele, 0},
                                          {QStringLiteral("Zdroj"), TypPole::Cele, 0}};
    return pole;
}

// Every field, Profil first: the index orders by it, then by the order the answers were given
// (data/tabulka.h).
QStringList RejstrikTabulky()
{
    QStringList rejstrik;
    for (const DefinicePole &p : PoleTabulky())
        rejstrik << p.jmeno;
    return rejstrik;
}

qint64 KodCasu(const QDate &datum, const QTime &cas)
{
    const qint64 den = datum.year() * 10000LL + datum.month() * 100 + datum.day();
    const qint64 chvile = cas.hour() * 10000000LL + cas.minute() * 100000LL + cas.second() * 1000LL + cas.msec();
    return den * 1000000000LL + chvile;
}

bool CasZKodu(qint64 kod, QDate &datum, QTime &cas)
{
    if (kod <= 0)
        return false;
    const qint64 den = kod / 1000000000LL, chvile = kod % 1000000000LL;
    const auto cislo = [](qint64 n) { return static_cast<int>(n); };
    datum = QDate(cislo(den / 10000), cislo(den / 100 % 100), cislo(den % 100));
    cas = QTime(cislo(chvile / 10000000), cislo(chvile / 100000 % 100), cislo(chvile / 1000 % 100), cislo(chvile % 1000));
    return datum.isValid() && cas.isValid();
}

void Zapsat(const QString &profil, const Odpoved &odpoved) { Zapsat(profil, QList<Odpoved>{odpoved}); }

void Zapsat(const QString &profil, const QList<Odpoved> &odpovedi, const std::function<void(const Odpoved &)> &ulozena)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Tabulka::Zalozit(JmenoTabulky, PoleTabulky(), {RejstrikTabulky()});
    Tabulka t(JmenoTabulky);
    Otevrit(t);
    t.ZajistitRejstrik(RejstrikTabulky());
    for (const Odpoved &odpoved : odpovedi) {
        t.Vlozit();
        t.Nastavit(Pole::Profil, profil);
        t.Nastavit(Pole::Otazka, odpoved.otazka);
        t.Nastavit(Pole::DatumACas, KodCasu(odpoved.datum, odpoved.cas));
        t.Nastavit(Pole::Vysledek, static_cast<int>(odpoved.vysledek));
        t.Nastavit(Pole::Zdroj, static_cast<int>(odpoved.zdroj));
        t.Ulozit();
        if (ulozena)
            ulozena(odpoved);
    }
}

void Precist(const QString &profil, const std::function<void(const Odpoved &)> &odpoved, int *preskoceno)
{
    if (preskoceno)
        *preskoceno = 0;
    if (!Tabulka::Existuje(JmenoTabulky))
        return;
    Tabulka t(JmenoTabulky);
    Otevrit(t);
    t.NastavitFiltr(FiltrProfilu(profil));
    t.NastavitFiltrovani(true);
    t.ProjitPohled({Pole::Otazka, Pole::DatumACas, Pole::Vysledek, Pole::Zdroj}, [&](const RadekPohledu &radek) {
        Odpoved o;
        const qint64 otazka = radek.Cele(0), vysledek = radek.Cele(2), zdroj = radek.Cele(3);
        if (otazka < 1 || otazka > Kategorie::NejvyssiCislo || !ZnamyVysledek(vysledek) || !ZnamyZdroj(zdroj)
            || !CasZKodu(radek.Cele(1), o.datum, o.cas)) {
            if (preskoceno)
                ++*preskoceno;
            return;
        }
        o.otazka = static_cast<int>(otazka);
        o.vysledek = static_cast<Vysledek>(vysledek);
        o.zdroj = static_cast<Zdroj>(zdroj);
        odpoved(o);
    });
}

} // namespace Odpovedi
