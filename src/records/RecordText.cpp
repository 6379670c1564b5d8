#include "records/RecordText.h"

#include "platform/TextFile.h"

#include <QFileInfo>

bool AppendRecordLines(const QString &path, const QStringList &lines, QString *error)
{
    QStringList toWrite = lines;
    const QFileInfo info(path);
    if (info.isFile() && info.size() > 0) {
        QByteArray bytes;
        if (TextFile::readBytes(path, bytes) && !bytes.isEmpty() && !bytes.endsWith('\n'))
            toWrite.prepend(QString());
    }
    return TextFile::appendLines(path, toWrite, error);
}
