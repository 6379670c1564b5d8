#include "Version.h"

QString ProgramVersion()
{
    return QStringLiteral(ULVENDO_VERSION);
}
