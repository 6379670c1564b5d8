#include "IniFile.h"

#include "TextFile.h"

#include <QFileInfo>

namespace {

// "[name]" -> name; empty when the line is not a section header.
bool sectionName(const QString &line, QString &name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.lastIndexOf(QLatin1Char(']'));
    if (close <= 0)
        return false;
    name = t.mid(1, close - 1).trimmed();
    return true;
}

bool keyOf(const QString &line, QString &key)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = t.left(eq).trimmed();
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// A value must stay on one line of the file.
QString oneLine(const QString &value)
{
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return v;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    if (QFileInfo(path).isFile())
        m_existed = TextFile::readLines(path, m_lines);
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i)
        if (sectionName(m_lines.at(i), name) && sameName(name, section))
            return i;
    return -1;
}

int IniFile::sectionEnd(int sectionLine) const
{
    QString name;
    int i = sectionLine + 1;
    while (i < m_lines.size() && !sectionName(m_lines.at(i), name))
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    const int end = sectionEnd(sectionLine);
    QString k;
    for (int i = sectionLine + 1; i < end; ++i)
        if (keyOf(m_lines.at(i), k) && sameName(k, key))
            return i;
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    if (s < 0)
        return def;
    const int k = findKey(s, key);
    if (k < 0)
        return def;
    const QString &line = m_lines.at(k);
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
}

int IniFile::readInt(const QString &section, const QString &key, int def) const
{
    const QString v = readString(section, key, QString());
    bool ok = false;
    const int n = v.toInt(&ok, 10);
    return ok ? n : def;
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(section) >= 0;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QStringList IniFile::sections() const
{
    QStringList out;
    QString name;
    for (const QString &l : m_lines)
        if (sectionName(l, name))
            out.append(name);
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const int s = findSection(section);
    if (s < 0)
        return out;
    const int end = sectionEnd(s);
    QString k;
    for (int i = s + 1; i < end; ++i)
        if (keyOf(m_lines.at(i), k))
            out.append(k);
    return out;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString v = oneLine(value);
    int s = findSection(section);
    if (s < 0) {
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(key + QLatin1Char('=') + v);
        m_dirty = true;
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        const QString &old = m_lines.at(k);
        const QString oldKey = old.left(old.indexOf(QLatin1Char('='))).trimmed();
        const QString line = oldKey + QLatin1Char('=') + v;
        if (line != old) {
            m_lines[k] = line;
            m_dirty = true;
        }
        return;
    }
    // New key: after the last non-empty line of the section.
    int at = sectionEnd(s);
    while (at > s + 1 && m_lines.at(at - 1).trimmed().isEmpty())
        --at;
    m_lines.insert(at, key + QLatin1Char('=') + v);
    m_dirty = true;
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    const int s = findSection(section);
    if (s < 0)
        return;
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines.removeAt(k);
        m_dirty = true;
    }
}

void IniFile::removeSection(const QString &section)
{
    const int s = findSection(section);
    if (s < 0)
        return;
    const int end = sectionEnd(s);
    for (int i = end - 1; i >= s; --i)
        m_lines.removeAt(i);
    m_dirty = true;
}

bool IniFile::save(QString *error)
{
    if (!m_dirty)
        return true;
    if (!TextFile::writeLines(m_path, m_lines, error))
        return false;
    m_dirty = false;
    m_existed = true;
    return true;
}
