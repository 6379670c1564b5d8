#include "drill/RemainingEntries.h"

RemainingEntries::RemainingEntries(int n) : m_left(qMax(0, n))
{
    m_tree.resize(m_left + 1);
    // Every entry is there: node i covers lowbit(i) entries.
    for (int i = 1; i <= m_left; ++i)
        m_tree[i] = i & -i;
    m_topStep = 1;
    while (m_topStep * 2 <= m_left)
        m_topStep *= 2;
}

int RemainingEntries::take(int k)
{
    if (k < 0 || k >= m_left)
        return -1;
    // Descend to the last position whose prefix holds at most k entries;
    // the entry after it is the k-th remaining one.
    const int n = int(m_tree.size()) - 1;
    int pos = 0;
    int rest = k;
    for (int step = m_topStep; step > 0; step /= 2) {
        const int next = pos + step;
        if (next <= n && m_tree[next] <= rest) {
            pos = next;
            rest -= m_tree[next];
        }
    }
    for (int i = pos + 1; i <= n; i += i & -i)
        --m_tree[i];
    --m_left;
    return pos;
}
