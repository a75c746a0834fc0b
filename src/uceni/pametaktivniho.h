#pragma once

#include "uceni/odpovedi.h"

#include <QList>
#include <QString>

#include <memory>

class PametProfilu;

// The memory of the active profile as the program keeps it for its whole run: read from the table
// when it is first needed (a run in the learning order, the knowledge overview), never at start and
// never per question, then kept up to date answer by answer. Until it is read, an answer is only
// appended to the table. The memory of a profile that is no longer active is dropped.
class PametAktivnihoProfilu {
public:
    PametAktivnihoProfilu();
    ~PametAktivnihoProfilu();
    PametAktivnihoProfilu(const PametAktivnihoProfilu &) = delete;
    PametAktivnihoProfilu &operator=(const PametAktivnihoProfilu &) = delete;

    // The profile's memory, read now unless it is held already; another profile's is dropped first.
    // Throws ChybaTabulky when the table cannot be read: nothing is held then.
    const PametProfilu &Nacist(const QString &profil);
    // The memory held, or nothing before it was read.
    const PametProfilu *Nactena() const { return m_pamet.get(); }
    // The active profile is now this one: another profile's memory is dropped.
    void ZmenitProfil(const QString &profil);

    // Stores the profile's answers in the order given through one opening of the table, and the
    // memory takes each once it is stored when it holds this profile's. The first that cannot be
    // stored ends it and is thrown (ChybaTabulky); those before it stay stored: a table that is
    // locked or full would refuse the others all the same, each after its own wait.
    void Zaznamenat(const QString &profil, const QList<Odpovedi::Odpoved> &odpovedi);

private:
    std::unique_ptr<PametProfilu> m_pamet;
};
