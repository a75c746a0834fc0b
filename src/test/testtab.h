#pragma once

#include "okna/mrizka.h"

// The list of stored points-test protocols of the active profile: delete one or all of them, or
// open the printable protocol of one.
class TSeznamTestu : public TSeznamZaznamu {
    Q_OBJECT
public:
    explicit TSeznamTestu(const QString &profil, QWidget *rodic = nullptr);

private:
    void FormCreate();
    void OtevritDetail() override;

    QString m_profil;
};
