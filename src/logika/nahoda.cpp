#include "logika/nahoda.h"

#include "data/hodiny.h"

Nahoda Nahoda::ZCasu() { return Nahoda(static_cast<quint32>(Hodiny::MilisekundyDne())); }

int Nahoda::Dalsi(int n)
{
    m_seed = m_seed * 134775813u + 1u;
    return static_cast<int>((static_cast<quint64>(m_seed) * static_cast<quint64>(n)) >> 32);
}
