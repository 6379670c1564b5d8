#include "Random.h"

#include "Clock.h"

quint32 Random::next()
{
    static constexpr quint64 kMultiplier = (quint64(346) << 32) + 20021u;
    m_state = m_state * kMultiplier + 1u;
    return quint32(m_state >> 32) & 0x7FFFFFFFu;
}

int Random::index(int n)
{
    if (n <= 0)
        return 0;
    return int(next() % quint32(n));
}

Random &Random::global()
{
    static Random r;
    return r;
}

void Random::seedFromClock()
{
    global().seed(quint32(Clock::currentTime().toSecsSinceEpoch()));
}
