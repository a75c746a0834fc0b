#pragma once

#include <QtGlobal>

// The random choice of questions: a 32-bit linear congruential generator. Each draw of a number
// in 0 .. n-1 advances seed := seed * 134775813 + 1 (mod 2^32) and yields floor(seed * n / 2^32).
class Nahoda {
public:
    explicit Nahoda(quint32 seed) : m_seed(seed) {}
    // Seeded from the UTC time of day in milliseconds, as read from the program's clock.
    static Nahoda ZCasu();

    int Dalsi(int n);
    quint32 Seed() const { return m_seed; }

private:
    quint32 m_seed;
};
