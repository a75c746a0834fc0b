#pragma once

#include "uceni/udajeprehledu.h"

#include <QDate>
#include <QList>

class BankaOtazek;
class PametProfilu;
struct Konfigurace;

// What the knowledge overview shows, computed from a profile's memory alone (its answers are kept
// in memory, so nothing here reads the table again) and handed to its window as plain data.
namespace PrehledZnalosti {

// Every category, the qualifying questions of the group in each, in the bank's order.
QList<ZnalostKategorie> ZnalostPodleKategorii(const BankaOtazek &banka, const QString &skupina,
                                              const PametProfilu &pamet, const QDate &dnes);

inline constexpr int NejviceDni = 90;

// Answers per day and week up to dnes (Prubeh). Answers dated outside the period (a clock that went
// back) are left out.
Prubeh PrubehUceni(const PametProfilu &pamet, const QDate &dnes);

KOpakovani OtazkyKOpakovani(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                            const QDate &dnes);

// Everything the overview opens with, for the settings' profile, group and categories; denZkousky
// is the profile's stored exam day (none: today).
UdajePrehledu Udaje(const BankaOtazek &banka, const Konfigurace &nastaveni, const PametProfilu &pamet,
                    const QDate &dnes, const QDate &denZkousky);

// The readiness estimate for the group on an exam day, as the overview shows it.
Pripravenost PripravenostNaDen(const BankaOtazek &banka, const QString &skupina, const PametProfilu &pamet,
                               const QDate &den);

} // namespace PrehledZnalosti
