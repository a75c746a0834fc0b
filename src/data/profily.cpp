#include "data/profily.h"

#include "data/filtrvyraz.h"
#include "data/tabulka.h"

QStringList ProfilyKeSmazani(const QStringList &znamaJmena, const QStringList &ulozeneProfily)
{
    QStringList smazat;
    for (const QString &jmeno : znamaJmena)
        if (!ulozeneProfily.contains(jmeno, Qt::CaseSensitive) && !smazat.contains(jmeno, Qt::CaseSensitive))
            smazat.append(jmeno);
    return smazat;
}

void SmazatZaznamyProfilu(const QString &tabulka, const QString &profil)
{
    if (!Tabulka::Existuje(tabulka))
        return;
    Tabulka t(tabulka);
    t.Otevrit();
    t.NastavitFiltrovani(false);
    t.NastavitFiltr(QStringLiteral("Profil = ") + LiteralFiltru(profil));
    t.NastavitFiltrovani(true);
    t.SmazatPohled();
    t.Zavrit();
}
