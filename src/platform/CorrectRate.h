#pragma once
// The correct rate of C correct answers out of A asked: C/A written with 15
// significant digits, read back, times 100 written the same way, then the
// first digit after the point decides rounding. Whole percent as text.
// Counts are 64-bit here so that sums of stored counts fit.
#include <QString>

#include <climits>

QString CorrectRate(qint64 correct, qint64 asked);
int CorrectRateValue(qint64 correct, qint64 asked);

// One more of a stored count: it stops at the largest int instead of
// wrapping round to a negative number.
inline void AddOneToCount(int &count)
{
    if (count < INT_MAX)
        ++count;
}
