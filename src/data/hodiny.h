#pragma once

#include <QDateTime>

// The program's clock. Tests fix it, so that record stamps and random seeds are repeatable.
namespace Hodiny {

QDateTime Ted();              // local date and time
int MilisekundyDne();         // UTC time of day in milliseconds
void Zastavit(const QDateTime &cas); // tests: the clock reads this moment from now on
void Pustit();                // back to the system clock

} // namespace Hodiny
