#pragma once

#include "practice/beh.h"
#include "test/sestaveni.h"
#include "uceni/odpovedi.h"

#include <QString>

#include <memory>

class PametProfilu;
class QDateTime;

// The memory of the active profile as the program keeps it for its whole run: read from the table
// when it is first needed (a run in the learning order, the knowledge overview), never at start and
// never per question, then kept up to date answer by answer. Until it is read, an answer is only
// appended to the table. The memory of a profile that is no longer active is dropped.
class PametAktivnihoProfilu {
public:
    PametAktivnihoProfilu();
    ~PametAktivnihoProfilu();
    // A copy of the program state holds a memory of its own.
    PametAktivnihoProfilu(const PametAktivnihoProfilu &jina);
    PametAktivnihoProfilu &operator=(const PametAktivnihoProfilu &jina);
    PametAktivnihoProfilu(PametAktivnihoProfilu &&) noexcept;
    PametAktivnihoProfilu &operator=(PametAktivnihoProfilu &&) noexcept;

    // The profile's memory, read now unless it is held already; another profile's is dropped first.
    // Throws ChybaTabulky when the table cannot be read: nothing is held then.
    const PametProfilu &Nacist(const QString &profil);
    // The memory held, or nothing before it was read.
    const PametProfilu *Nactena() const { return m_pamet.get(); }
    // The active profile is now this one: another profile's memory is dropped.
    void ZmenitProfil(const QString &profil);

    // Stores one answer of the profile, and the memory takes it when it holds this profile's.
    // Throws ChybaTabulky when it cannot be stored; the memory then stays as it was.
    void Zaznamenat(const QString &profil, int otazka, Odpovedi::Vysledek vysledek, Odpovedi::Zdroj zdroj,
                    const QDateTime &kdy);
    // A judged answer of a practice or examination run.
    void Zaznamenat(const QString &profil, const PosouzenaOdpoved &odpoved, const QDateTime &kdy);
    // Every position of an evaluated points test, in position order: right, wrong, or left
    // unanswered (wrong with no box ticked), stored through one opening of the table. The first
    // position that cannot be stored ends it and is thrown; those before it stay stored: a table
    // that is locked or full would refuse the others all the same, each after its own wait.
    void ZaznamenatTest(const QString &profil, const PolozkyTestu &polozky, const QDateTime &kdy);

    // Answers of the profile in the order given (a mock exam's: uceni/odpovedizkousky.h), stored through
    // one opening of the table, as ZaznamenatTest stores them.
    void Zaznamenat(const QString &profil, const QList<Odpovedi::Odpoved> &odpovedi);

private:
    std::unique_ptr<PametProfilu> m_pamet;
};
