#include "practice/vysledky.h"

#include <QFile>

namespace Vysledky {

QList<DefinicePole> PoleTabulky()
{
    return {{TypTestu, TypPole::Retezec, 15},   {Profil, TypPole::Retezec, 30},    {Datum, TypPole::Datum, 0},
            {Cas, TypPole::Cas, 0},             {Skupina, TypPole::Retezec, 2},    {Kategorie, TypPole::Retezec, 7},
            {PocetOtazek, TypPole::Cele, 0},    {Spatne, TypPole::Cele, 0},        {SpatneCisla, TypPole::Memo, 0},
            {SNapovedou, TypPole::Cele, 0},     {SNapovedouCisla, TypPole::Memo, 0}, {Uspesnost, TypPole::Cele, 0}};
}

namespace {

const QString Db = JmenoTabulky + QStringLiteral(".DB");
const QString Mb = JmenoTabulky + QStringLiteral(".MB");
// The table is built whole under this name and only then moved into place.
const QString Nova = JmenoTabulky + QStringLiteral("-nova");
const QString NovaDb = Nova + QStringLiteral(".DB");
const QString NovaMb = Nova + QStringLiteral(".MB");

ChybaTabulky Chyba(const QString &text) { return ChybaTabulky(QStringLiteral("Tabulka %1: %2").arg(JmenoTabulky, text)); }

void Presunout(const QString &z, const QString &kam)
{
    // QFile::rename never replaces an existing file.
    QFile soubor(z);
    if (!soubor.rename(kam))
        throw Chyba(QStringLiteral("soubor %1 nelze přejmenovat na %2: %3").arg(z, kam, soubor.errorString()));
}

// Creates the table so that a crash at any moment leaves either no table, or the whole empty
// table, or a state the next call completes: never a half-made pair under the table's own name.
void Zalozit()
{
    if (QFile::exists(Mb)) {
        // Only the records file is missing: a creation stopped between its two moves is finished.
        if (QFile::exists(NovaDb) && !QFile::exists(NovaMb)) {
            Presunout(NovaDb, Db);
            return;
        }
        throw Chyba(QStringLiteral("soubor %1 existuje bez souboru %2").arg(Mb, Db));
    }
    // A creation stopped earlier never reached the table's name and never held a record.
    for (const QString &zbytek : {NovaDb, NovaMb, NovaDb + QStringLiteral("-journal"), NovaMb + QStringLiteral("-journal")})
        if (QFile::exists(zbytek) && !QFile::remove(zbytek))
            throw Chyba(QStringLiteral("soubor %1 nelze odstranit").arg(zbytek));
    Tabulka::Vytvorit(Nova, PoleTabulky());
    Presunout(NovaMb, Mb);
    Presunout(NovaDb, Db);
}

} // namespace

void ZapsatVysledek(const Beh::Vysledek &v)
{
    if (!Tabulka::Existuje(JmenoTabulky))
        Zalozit();
    Tabulka t(JmenoTabulky);
    t.Otevrit();
    t.Vlozit();
    t.Nastavit(TypTestu, v.TypTestu);
    t.Nastavit(Profil, v.Profil);
    t.Nastavit(Datum, v.Datum);
    t.Nastavit(Cas, v.Cas);
    t.Nastavit(Skupina, v.Skupina);
    t.Nastavit(Kategorie, v.Kategorie);
    t.Nastavit(PocetOtazek, v.PocetOtazek);
    t.Nastavit(Spatne, v.Spatne);
    t.Nastavit(SpatneCisla, v.SpatneCisla);
    t.Nastavit(SNapovedou, v.SNapovedou);
    t.Nastavit(SNapovedouCisla, v.SNapovedouCisla);
    t.Nastavit(Uspesnost, v.Uspesnost);
    t.Ulozit();
}

} // namespace Vysledky
