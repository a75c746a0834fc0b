#pragma once

#include "okna/mrizka.h"
#include "practice/vysledky.h"

// The list of stored practice or examination results of the active profile: delete one or all of
// them, or open the detail of one, from which its wrong answers can be replayed.
class TProtocol : public TSeznamZaznamu {
    Q_OBJECT
public:
    // Lists the profile's examination results, or its practice ones.
    TProtocol(const QString &profil, bool zkouseni, QWidget *rodic = nullptr);

signals:
    // The detail asks for a replay of a stored result; the list closes once it is asked.
    void PrehratOtazky(const Oprava &oprava);

private:
    void FormCreate();
    void OtevritDetail() override;

    QString m_profil;
    bool m_zkouseni;
};
