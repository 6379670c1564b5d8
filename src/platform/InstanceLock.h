#pragma once
// One running instance per program folder. The lock is a file in the
// program folder held for the whole run; a lock left behind by a program
// that is no longer running (killed, crashed) is taken over.
#include <QLockFile>
#include <QString>

#include <memory>

class InstanceLock
{
public:
    enum State {
        Acquired,    // this run holds the folder
        HeldByOther, // another running program holds it
        Unavailable  // no lock can be made here (read-only folder and the like)
    };

    // The lock file of a program folder (which ends with "/").
    static QString lockFilePath(const QString &programFolder);

    // Tries once, without waiting. A stale lock is removed first.
    State acquire(const QString &programFolder);
    State state() const { return m_state; }
    // Process id of the program that holds the folder (0 when unknown).
    qint64 holderPid() const { return m_holderPid; }
    // Gives the folder up (also done when the object goes away).
    void release();

private:
    std::unique_ptr<QLockFile> m_lock;
    State m_state = Unavailable;
    qint64 m_holderPid = 0;
};
