#include "data/hodiny.h"

#include <optional>

namespace {
std::optional<QDateTime> g_pevnyCas;
}

namespace Hodiny {

QDateTime Ted() { return g_pevnyCas ? *g_pevnyCas : QDateTime::currentDateTime(); }

int MilisekundyDne()
{
    const QTime t = (g_pevnyCas ? *g_pevnyCas : QDateTime::currentDateTime()).toUTC().time();
    return ((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec();
}

void Zastavit(const QDateTime &cas) { g_pevnyCas = cas; }
void Pustit() { g_pevnyCas.reset(); }

} // namespace Hodiny
