#pragma once
// The entries 0 .. n - 1 of a list that have not been drawn yet, for drawing
// without replacement: take(k) gives the k-th remaining entry in list order
// and removes it, exactly as taking entry k of a list and deleting it would,
// but in O(log n) instead of moving the rest of the list (a binary indexed
// tree of the entries still there).
#include <QVector>

class RemainingEntries
{
public:
    explicit RemainingEntries(int n);

    int size() const { return m_left; }
    // Index (in the original list) of the k-th remaining entry, removed from
    // the set. k must lie in 0 .. size() - 1; anything else gives -1 and
    // removes nothing.
    int take(int k);

private:
    QVector<int> m_tree; // m_tree[i]: entries left in (i - lowbit(i), i], 1-based
    int m_left = 0;
    int m_topStep = 0;   // highest power of two not above n
};
