#pragma once

// The bank on which the mock exam is measured: the program's own when it gives group B a whole exam;
// otherwise (a bank whose questions carry no topics yet) a stand-in written beside the learner's
// files: every question of the program's bank with its groups, right letters and count of answers,
// its topic that of its category, and every fourth rule of the road counted as safe driving.
#include "malabanka.h"

#include "data/adresare.h"
#include "data/banka.h"
#include "test/sestavenizkousky.h"

#include <QDir>
#include <QTemporaryDir>

namespace BenchZkouska {

inline const QString Skupina = QStringLiteral("B");

// The bank to measure on, and in *popis what it is, for the printed figures. The stand-in is opened
// into nahradni from the directory adresar; the directories are as before afterwards.
inline const BankaOtazek &Banka(const BankaOtazek &programu, BankaOtazek &nahradni, const QString &adresar, QString *popis)
{
    if (SestavovaniZkousky(programu, Skupina).ProcNelze().isEmpty()) {
        *popis = QStringLiteral("the program's bank");
        return programu;
    }
    QList<OtazkaBanky> otazky;
    for (int n = 1; n <= Kategorie::NejvyssiCislo; ++n) {
        if (!programu.OtazkaExistuje(n))
            continue;
        OtazkaBanky o = Pomocnik::Zaznam(n, programu.SkupinaOtazky(n), programu.SpravneOdpovedi(n));
        if (programu.PocetOdpovedi(n) == 4)
            o.odpovedi[3] = QStringLiteral("Odpověď d");
        o.okruh = Kategorie::KategorieOtazky(n) == 1 && n % 4 == 0 ? Okruhy::Okruh::ZBJ : Pomocnik::OkruhKategorie(n);
        otazky << o;
    }
    const Adresare::Rozmisteni puvodni = Adresare::Aktualni();
    Adresare::Nastavit({adresar, adresar, false});
    Pomocnik::ZapsatMalouBanku(otazky);
    nahradni.Otevrit();
    Adresare::Nastavit(puvodni);
    *popis = QStringLiteral("a stand-in of the program's %1 questions with topics (the program's bank gives group %2 "
                            "no mock exam yet)")
                 .arg(otazky.size())
                 .arg(Skupina);
    return nahradni;
}

// Run in the program directory: its bank opened, the learner's files in a temporary directory, and
// the bank to measure on chosen as above. Throws ChybaTabulky when a bank cannot be read or written.
class Banky {
public:
    Banky()
    {
        Adresare::Nastavit({QDir::currentPath(), m_adresar.path(), false});
        m_programu.Otevrit();
        m_zkousky = &Banka(m_programu, m_nahradni, m_adresar.path(), &m_popis);
    }
    const BankaOtazek &Zkousky() const { return *m_zkousky; }
    const QString &Popis() const { return m_popis; }

private:
    QTemporaryDir m_adresar;
    BankaOtazek m_programu, m_nahradni;
    QString m_popis;
    const BankaOtazek *m_zkousky = nullptr;
};

} // namespace BenchZkouska
