#pragma once
// The correct rate of C correct answers out of A asked: C/A written with 15
// significant digits, read back, times 100 written the same way, then the
// first digit after the point decides rounding. Whole percent as text.
#include <QString>

QString CorrectRate(int correct, int asked);
int CorrectRateValue(int correct, int asked);
