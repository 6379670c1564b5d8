#pragma once
// The program's one pseudo-random generator: a 64-bit state; seeding sets the
// low 32 bits to the seed and the high 32 bits to 0; each draw sets
// state = state * (346 * 2^32 + 20021) + 1 (mod 2^64) and returns the high
// 32 bits of the new state with the top bit cleared.
#include <QtGlobal>

class Random
{
public:
    void seed(quint32 seed) { m_state = seed; }
    quint32 next();
    // A random index below n; 0 when n is 0 (or negative).
    int index(int n);
    quint64 state() const { return m_state; }

    // The generator shared by the whole run.
    static Random &global();
    // Seeds the shared generator with the clock's time in whole seconds.
    static void seedFromClock();

private:
    quint64 m_state = 0;
};
