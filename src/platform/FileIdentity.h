#pragma once
// What tells one version of a file from another without reading it: device,
// inode, size, and the modification and change times to the nanosecond. A
// file rewritten by rename gets a new inode; one written in place gets new
// times (and usually a new size). Caches of parsed files keep the identity
// they parsed and parse again when it differs.
#include <QString>
#include <QtGlobal>

struct FileIdentity
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    // The identity of the file at `path` now (exists false when there is no
    // regular file there).
    static FileIdentity of(const QString &path);
    // The identity of an open file.
    static FileIdentity ofDescriptor(int fd);

    bool operator==(const FileIdentity &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size
               && modifiedNs == o.modifiedNs && changedNs == o.changedNs;
    }
    bool operator!=(const FileIdentity &o) const { return !(*this == o); }
};
