#include "platform/InstanceLock.h"

QString InstanceLock::lockFilePath(const QString &programFolder)
{
    return programFolder + QStringLiteral(".ulvendo.lock");
}

InstanceLock::State InstanceLock::acquire(const QString &programFolder)
{
    release();
    m_lock = std::make_unique<QLockFile>(lockFilePath(programFolder));
    // A lock is stale only when its program is gone: a long run must never
    // lose its lock to a second start because of its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_state = Acquired;
        return m_state;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        if (m_lock->getLockInfo(&pid, &host, &app))
            m_holderPid = pid;
        m_state = HeldByOther;
    } else {
        m_state = Unavailable;
    }
    m_lock.reset();
    return m_state;
}

void InstanceLock::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
    m_state = Unavailable;
    m_holderPid = 0;
}
