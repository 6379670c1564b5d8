#include "records/RecordText.h"

#include "platform/TextFile.h"

bool AppendRecordLines(const QString &path, const QStringList &lines, QString *error)
{
    return TextFile::appendLines(path, lines, error);
}
