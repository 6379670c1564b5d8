#include "platform/InstanceLock.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
// A lock file says which program holds it. One that says nothing readable
// (a program killed between creating and filling it, a damaged disk) is
// taken as stale once it is this old; a younger one may be a start that is
// filling it right now.
constexpr qint64 kUnreadableStaleMs = 10000;
}

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
    bool locked = m_lock->tryLock(0);
    qint64 pid = 0;
    QString host, app;
    if (!locked && m_lock->error() == QLockFile::LockFailedError
        && !m_lock->getLockInfo(&pid, &host, &app)) {
        const QString path = lockFilePath(programFolder);
        const QDateTime changed = QFileInfo(path).lastModified();
        if (qAbs(changed.msecsTo(QDateTime::currentDateTime())) > kUnreadableStaleMs
            && QFile::remove(path))
            locked = m_lock->tryLock(0);
    }
    if (locked) {
        m_state = Acquired;
        return m_state;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
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
