#include "FuzzSupport.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace Fuzz {

void fail(const char *file, int line, const char *what, const QString &detail)
{
    std::fprintf(stderr, "\nFUZZ CHECK FAILED at %s:%d: %s\n  %s\n", file, line, what,
                 detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

int Input::byte()
{
    if (atEnd())
        return 0;
    return uchar(m_bytes.at(m_pos++));
}

QByteArray Input::piece()
{
    if (atEnd())
        return QByteArray();
    qsizetype end = m_bytes.indexOf('\0', m_pos);
    if (end < 0)
        end = m_bytes.size();
    const QByteArray out = m_bytes.mid(m_pos, end - m_pos);
    m_pos = end + 1;
    return out;
}

QByteArray Input::rest()
{
    const QByteArray out = m_bytes.mid(m_pos);
    m_pos = m_bytes.size();
    return out;
}

Scratch &Scratch::instance()
{
    static Scratch s;
    return s;
}

Scratch::Scratch()
{
    // TMPDIR (a memory file system when scripts/fuzz sets it) or /tmp.
    QByteArray base = qgetenv("TMPDIR");
    if (base.isEmpty())
        base = "/tmp";
    QByteArray tmpl = base + "/ulvendo-fuzz-XXXXXX";
    if (!mkdtemp(tmpl.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    m_root = QString::fromLocal8Bit(tmpl);
    m_prog = m_root + QStringLiteral("/prog/");
    m_cwd = m_root + QStringLiteral("/cwd");
    QDir().mkpath(m_prog);
    QDir().mkpath(m_cwd);
    if (!QDir::setCurrent(m_cwd))
        std::abort();
}

void Scratch::remove()
{
    QDir(m_root).removeRecursively();
}

QString Scratch::reset()
{
    for (const QString &folder : {m_prog, m_cwd}) {
        QDir d(folder);
        for (const QFileInfo &fi :
             d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            if (fi.isDir() && !fi.isSymLink())
                QDir(fi.filePath()).removeRecursively();
            else
                QFile::remove(fi.filePath());
        }
    }
    return m_prog;
}

QStringList Scratch::outsideWrites() const
{
    QStringList out;
    const QDir root(m_root);
    for (const QString &name :
         root.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (name != QLatin1String("prog") && name != QLatin1String("cwd"))
            out << name;
    }
    for (const QString &name : filesBelow(m_cwd))
        out << QStringLiteral("cwd/") + name;
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        std::abort();
    }
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QStringList filesBelow(const QString &folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QString base = QDir(folder).absolutePath() + QLatin1Char('/');
    while (it.hasNext())
        out << it.next().mid(base.size());
    out.sort();
    return out;
}

bool fitsOnDisk(const QString &entry)
{
    return QFile::encodeName(entry).size() <= 255;
}

bool hasRawByte(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF)
            return true;
    return false;
}

bool sameLines(const QStringList &a, const QStringList &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (!TextFile::sameText(a.at(i), b.at(i)))
            return false;
    return true;
}

QString shown(const QString &text)
{
    QString s = text.left(200);
    QString out;
    for (QChar c : s) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (text.size() > 200)
        out += QStringLiteral("…(%1 chars)").arg(text.size());
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QVector<IniValue> iniValues(const QString &path)
{
    const IniFile ini(path);
    QVector<IniValue> out;
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section))
            out.append({section, key, ini.readString(section, key)});
    return out;
}

bool sameIniName(const QString &a, const QString &b)
{
    return TextFile::fold(a.trimmed()).compare(TextFile::fold(b.trimmed()), Qt::CaseInsensitive) == 0;
}

void checkIniKept(const QVector<IniValue> &before, const QString &path,
                  const std::function<bool(const QString &, const QString &)> &changed)
{
    const IniFile ini(path);
    for (const IniValue &v : before) {
        if (changed(v.section, v.key))
            continue;
        const QString now = ini.readString(v.section, v.key);
        FUZZ_CHECK(now == v.value, QStringLiteral("%1: [%2] %3 was %4, now %5")
                                       .arg(path, shown(v.section), shown(v.key), shown(v.value),
                                            shown(now)));
    }
}

} // namespace Fuzz
