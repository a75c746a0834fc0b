#include "data/profily.h"

#include "data/filtrvyraz.h"
#include "data/tabulka.h"
#include "data/zaznamtabulky.h"

#include <algorithm>

namespace {

QString Prilis(const QString &co, const QString &jmeno)
{
    return QStringLiteral("%1 „%2“ v souboru s nastavením má %3 znaků, jméno profilu jich může mít nejvýše %4.")
        .arg(co, jmeno)
        .arg(jmeno.size())
        .arg(ZaznamTabulky::DelkaProfilu);
}

} // namespace

bool StejnyProfil(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString FiltrProfilu(const QString &profil) { return QStringLiteral("Profil = ") + LiteralFiltru(profil); }

QStringList PouzitelnaJmena(const QStringList &jmena, const QString &vychozi, QStringList *vyhrady)
{
    QStringList pouzitelna;
    for (const QString &jmeno : jmena) {
        const auto stejne = std::find_if(pouzitelna.cbegin(), pouzitelna.cend(),
                                         [&jmeno](const QString &j) { return StejnyProfil(j, jmeno); });
        if (jmeno.size() > ZaznamTabulky::DelkaProfilu)
            vyhrady->append(Prilis(QStringLiteral("Profil"), jmeno)
                            + QStringLiteral(" Program ho nepoužije jako samostatný profil."));
        else if (stejne != pouzitelna.cend())
            vyhrady->append((jmeno.isEmpty() ? QStringLiteral("Prázdné jméno profilu je v souboru s nastavením podruhé.")
                                             : QStringLiteral("Profil „%1“ je v souboru s nastavením podruhé (jako „%2“; "
                                                              "velikost písmen se nerozlišuje).")
                                                   .arg(jmeno, *stejne))
                            + QStringLiteral(" Program ho nepoužije jako samostatný profil."));
        else
            pouzitelna.append(jmeno);
    }
    return pouzitelna.isEmpty() ? QStringList{vychozi} : pouzitelna;
}

QString PouzitelnyAktivni(const QString &aktivni, const QString &vychozi, QStringList *vyhrady)
{
    if (aktivni.size() <= ZaznamTabulky::DelkaProfilu)
        return aktivni;
    vyhrady->append(Prilis(QStringLiteral("Aktivní profil"), aktivni)
                    + QStringLiteral(" Program místo něj použije profil „%1“.").arg(vychozi));
    return vychozi;
}

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
    t.NastavitFiltr(FiltrProfilu(profil));
    t.NastavitFiltrovani(true);
    t.SmazatPohled();
    t.Zavrit();
}
