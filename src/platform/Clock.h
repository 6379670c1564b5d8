#pragma once
// "Now" for the whole program. Tests install a SettableClock.
#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }

    static const Clock &current();
    // Installs a clock (nullptr restores the real one). Not owned.
    static void install(const Clock *clock);
    static QDateTime currentTime() { return current().now(); }
};

class SettableClock : public Clock
{
public:
    explicit SettableClock(const QDateTime &t = QDateTime(QDate(2001, 3, 9), QTime(14, 5, 7)))
        : m_now(t) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advanceSeconds(int s) { m_now = m_now.addSecs(s); }
private:
    QDateTime m_now;
};
