#include "platform/FileIdentity.h"

#include <QFile>

#include <sys/stat.h>

namespace {
FileIdentity fromStat(const struct stat &st)
{
    FileIdentity id;
    if (!S_ISREG(st.st_mode))
        return id;
    id.exists = true;
    id.device = quint64(st.st_dev);
    id.inode = quint64(st.st_ino);
    id.size = qint64(st.st_size);
    id.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    id.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
    return id;
}
} // namespace

FileIdentity FileIdentity::of(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileIdentity();
    return fromStat(st);
}

FileIdentity FileIdentity::ofDescriptor(int fd)
{
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return FileIdentity();
    return fromStat(st);
}
