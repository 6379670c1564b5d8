#include "IniFile.h"

#include <QFileInfo>
#include <QMap>

namespace {

// --- the quoted form ---------------------------------------------------------

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '"': out += QLatin1String("\\\""); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        default: out += c;
        }
    }
    return out + QLatin1Char('"');
}

// The text inside a quoted form; false when `q` is not one.
bool unquoted(const QString &q, QString &text)
{
    if (q.size() < 2 || q.front() != QLatin1Char('"') || q.back() != QLatin1Char('"'))
        return false;
    text.clear();
    for (qsizetype i = 1; i < q.size() - 1; ++i) {
        QChar c = q.at(i);
        if (c == QLatin1Char('"'))
            return false;
        if (c == QLatin1Char('\\')) {
            if (++i >= q.size() - 1)
                return false;
            switch (q.at(i).unicode()) {
            case '\\': c = QLatin1Char('\\'); break;
            case '"': c = QLatin1Char('"'); break;
            case 'r': c = QLatin1Char('\r'); break;
            case 'n': c = QLatin1Char('\n'); break;
            default: return false;
            }
        }
        text += c;
    }
    return true;
}

bool plainUnfit(const QString &text)
{
    return (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()))
           || text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

bool needsQuotes(const QString &text);

// True when `text` is the quoted form of a text that needs it (so a reader
// takes it as quoted).
bool isQuotedForm(const QString &text, QString *inner = nullptr)
{
    QString t;
    if (!unquoted(text, t) || !needsQuotes(t))
        return false;
    if (inner)
        *inner = t;
    return true;
}

// Values and section names.
bool needsQuotes(const QString &text)
{
    return plainUnfit(text)
           // a lead byte that did not decode would pair with the "]" after a name
           || (!text.isEmpty() && TextFile::isKeptLeadByte(text.back())) || isQuotedForm(text);
}

bool keyNeedsQuotes(const QString &key)
{
    return plainUnfit(key) || key.contains(QLatin1Char('='))
           || key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';'))
           || key.startsWith(QLatin1Char('"'));
}

QString asWritten(const QString &text) { return needsQuotes(text) ? quoted(text) : text; }
QString keyAsWritten(const QString &key) { return keyNeedsQuotes(key) ? quoted(key) : key; }

// A name as read: exact when quoted, trimmed when plain.
struct Name
{
    QString text;
    bool exact = false;
};

QString readValue(const QString &raw)
{
    const QString t = raw.trimmed();
    QString inner;
    return isQuotedForm(t, &inner) ? inner : t;
}

// "[name]" -> name.
bool sectionName(const QString &line, Name &name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
    if (close <= 0)
        return false;
    const QString raw = t.mid(1, close - 1).trimmed();
    name.exact = isQuotedForm(raw, &name.text);
    if (!name.exact)
        name.text = raw;
    return true;
}

// "key=value" -> key and the position of the value in the line.
bool keyOf(const QString &line, Name &key, qsizetype *valueAt = nullptr)
{
    qsizetype start = 0;
    while (start < line.size() && line.at(start).isSpace())
        ++start;
    if (start == line.size() || line.at(start) == QLatin1Char(';'))
        return false;
    if (line.at(start) == QLatin1Char('"')) {
        // A quoted key ends at the first quote that is not escaped.
        qsizetype i = start + 1;
        while (i < line.size() && line.at(i) != QLatin1Char('"'))
            i += line.at(i) == QLatin1Char('\\') ? 2 : 1;
        qsizetype eq = i + 1;
        while (eq < line.size() && line.at(eq).isSpace())
            ++eq;
        QString inner;
        if (i < line.size() && eq < line.size() && line.at(eq) == QLatin1Char('=')
            && unquoted(line.mid(start, i + 1 - start), inner) && keyNeedsQuotes(inner)) {
            key.text = inner;
            key.exact = true;
            if (valueAt)
                *valueAt = eq + 1;
            return true;
        }
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='), start);
    if (eq < 0)
        return false;
    key.text = line.mid(start, eq - start).trimmed();
    key.exact = false;
    if (valueAt)
        *valueAt = eq + 1;
    return true;
}

bool equalNames(const QString &a, const QString &b)
{
    // Letter case and folding change no lengths.
    return a.size() == b.size()
           && (a.compare(b, Qt::CaseInsensitive) == 0
               || TextFile::fold(a).compare(TextFile::fold(b), Qt::CaseInsensitive) == 0);
}

// 2: the very name; 1: a plain name equal to the wanted one without its end
// spaces; 0: another name.
int matchOf(const Name &name, const QString &wanted)
{
    if (equalNames(name.text, wanted))
        return 2;
    return !name.exact && equalNames(name.text, wanted.trimmed()) ? 1 : 0;
}

} // namespace

IniFile::IniFile(const QString &path, TextFile::Policy policy) : m_path(path), m_policy(policy)
{
    if (QFileInfo(path).isFile())
        m_existed = TextFile::read(path, m_text);
}

IniFile::IniFile(const QString &path, const QStringList &lines)
    : m_path(path), m_policy(TextFile::Policy::Own), m_existed(true)
{
    m_text.lines = lines;
}

int IniFile::sectionMatch(const QString &line, const QString &wanted)
{
    Name name;
    return sectionName(line, name) ? matchOf(name, wanted) : 0;
}

bool IniFile::sectionKey(const QString &line, QString *key)
{
    Name name;
    if (!sectionName(line, name))
        return false;
    if (key)
        *key = nameKey(name.text);
    return true;
}

// Equal names (equalNames) are equal after folding and ignoring case.
QString IniFile::nameKey(const QString &name)
{
    return TextFile::fold(name).toCaseFolded();
}

int IniFile::findSection(const QString &section) const
{
    Name name;
    int loose = -1;
    for (int i = 0; i < m_text.lines.size(); ++i) {
        if (!sectionName(m_text.lines.at(i), name))
            continue;
        const int m = matchOf(name, section);
        if (m == 2)
            return i;
        if (m == 1 && loose < 0)
            loose = i;
    }
    return loose;
}

int IniFile::sectionEnd(int sectionLine) const
{
    Name name;
    int i = sectionLine + 1;
    while (i < m_text.lines.size() && !sectionName(m_text.lines.at(i), name))
        ++i;
    return i;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    const int end = sectionEnd(sectionLine);
    Name k;
    int loose = -1;
    for (int i = sectionLine + 1; i < end; ++i) {
        if (!keyOf(m_text.lines.at(i), k))
            continue;
        const int m = matchOf(k, key);
        if (m == 2)
            return i;
        if (m == 1 && loose < 0)
            loose = i;
    }
    return loose;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    if (s < 0)
        return def;
    const int k = findKey(s, key);
    if (k < 0)
        return def;
    const QString &line = m_text.lines.at(k);
    Name name;
    qsizetype at = 0;
    keyOf(line, name, &at);
    return readValue(line.mid(at));
}

int IniFile::readInt(const QString &section, const QString &key, int def) const
{
    const QString v = readString(section, key, QString());
    bool ok = false;
    const int n = v.toInt(&ok, 10);
    return ok ? n : def;
}

int IniFile::readCount(const QString &section, const QString &key, int maximum) const
{
    // Every counted entry is a key of its own beside the count.
    const int held = int(keys(section).size()) - (hasKey(section, key) ? 1 : 0);
    return qBound(0, readInt(section, key, 0), qMin(maximum, held));
}

int IniFile::appendNumbered(const QString &section, const QString &countKey, const QString &value)
{
    const int count = readCount(section, countKey);
    QMap<int, QString> numbered;
    for (const QString &key : keys(section)) {
        bool ok = false;
        const int n = key.toInt(&ok, 10);
        if (ok && n > 0 && key == QString::number(n))
            numbered.insert(n, readString(section, key));
    }
    // The usual case, and a list emptied by a reset ("1=" ... with a count
    // of 0): entries 1 to the count are there and the next one holds nothing.
    bool whole = numbered.value(count + 1).isEmpty();
    for (int i = 1; i <= count && whole; ++i)
        whole = numbered.contains(i);
    if (whole) {
        writeInt(section, countKey, count + 1);
        writeString(section, QString::number(count + 1), value);
        return count + 1;
    }
    QStringList entries;
    for (auto it = numbered.cbegin(); it != numbered.cend(); ++it) {
        removeKey(section, QString::number(it.key()));
        if (!it.value().isEmpty() && it.value() != value)
            entries.append(it.value());
    }
    entries.append(value);
    for (int i = 0; i < entries.size(); ++i)
        writeString(section, QString::number(i + 1), entries.at(i));
    writeInt(section, countKey, int(entries.size()));
    return int(entries.size());
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
    Name name;
    for (const QString &l : m_text.lines)
        if (sectionName(l, name))
            out.append(name.text);
    return out;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    const int s = findSection(section);
    if (s < 0)
        return out;
    const int end = sectionEnd(s);
    Name k;
    for (int i = s + 1; i < end; ++i)
        if (keyOf(m_text.lines.at(i), k))
            out.append(k.text);
    return out;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString v = asWritten(value);
    QStringList &lines = m_text.lines;
    int s = findSection(section);
    if (s < 0) {
        lines.append(QLatin1Char('[') + asWritten(section) + QLatin1Char(']'));
        lines.append(keyAsWritten(key) + QLatin1Char('=') + v);
        m_dirty = true;
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        // The key keeps its spelling; only the value changes.
        const QString &old = lines.at(k);
        Name name;
        qsizetype at = 0;
        keyOf(old, name, &at);
        const QString line = old.left(at - 1).trimmed() + QLatin1Char('=') + v;
        if (line != old) {
            lines[k] = line;
            m_dirty = true;
        }
        return;
    }
    // New key: after the last non-empty line of the section.
    int at = sectionEnd(s);
    while (at > s + 1 && lines.at(at - 1).trimmed().isEmpty())
        --at;
    lines.insert(at, keyAsWritten(key) + QLatin1Char('=') + v);
    m_dirty = true;
}

void IniFile::removeKey(const QString &section, const QString &key)
{
    const int s = findSection(section);
    if (s < 0)
        return;
    const int k = findKey(s, key);
    if (k >= 0) {
        m_text.lines.removeAt(k);
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
        m_text.lines.removeAt(i);
    m_dirty = true;
}

bool IniFile::save(QString *error)
{
    if (!m_dirty)
        return true;
    if (!TextFile::write(m_path, m_text, m_policy, error))
        return false;
    m_dirty = false;
    m_existed = true;
    return true;
}
