#include "records/RecordFile.h"

#include "platform/FileIdentity.h"
#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using TextFile::Encoding;

namespace {

constexpr qsizetype kSector = 512;
constexpr int kKeptFiles = 8;

bool hasHighBytes(const char *d, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (uchar(d[i]) >= 0x80)
            return true;
    return false;
}

// Whether a text reads back from CP932 exactly (what an own file needs to
// be written as CP932).
bool fitsCp932(const QString &text)
{
    bool ok = false;
    const QByteArray b = TextFile::encode(text, Encoding::Cp932, &ok);
    return ok && TextFile::decode(b, Encoding::Cp932) == text;
}

} // namespace

// One version of a record file as it is on disk.
struct RecordFile::State
{
    FileIdentity identity;
    bool readable = true;  // false: the file is there but could not be read
    quint64 version = 0;   // counts the changes made through RecordFile
    QByteArray bytes;
    Encoding encoding = Encoding::Cp932;
    QByteArray eol = QByteArrayLiteral("\r\n");
    // True when IniFile would write every line of the file back with the
    // bytes it has: a CP932 file, or a UTF-8 one with its mark, whose lines
    // all end with the same line end (the last one too) and all read back
    // from their text exactly. Only such a file is changed in part; any
    // other is written by IniFile.
    bool partWritable = true;
    // A line that keeps the file in its encoding when IniFile writes it: for
    // CP932 one whose bytes cannot be UTF-8 (so the file cannot read as
    // UTF-8), for UTF-8 one that CP932 cannot hold (so the file stays
    // UTF-8). -1 when there is none.
    int witness = -1;
    QVector<int> lineStart;          // byte where each line starts
    QVector<int> headers;            // line of each section header, in order
    QVector<size_t> headerHash;      // hash of each header's name key
    QMultiHash<size_t, int> byName;  // name key hash -> header number

    int lineCount() const { return int(lineStart.size()); }
    // Byte after the line, its line end included.
    int nextStart(int line) const
    {
        return line + 1 < lineCount() ? lineStart.at(line + 1) : int(bytes.size());
    }
    QByteArray lineBytes(int line) const
    {
        const int start = lineStart.at(line);
        int end = nextStart(line);
        if (end > start && bytes.at(end - 1) == '\n')
            --end;
        if (end > start && bytes.at(end - 1) == '\r')
            --end;
        return bytes.mid(start, end - start);
    }
    Encoding lineEncoding() const
    {
        return encoding == Encoding::Cp932 ? Encoding::Cp932 : Encoding::Utf8;
    }
    QString lineText(int line) const { return TextFile::decode(lineBytes(line), lineEncoding()); }
    bool keepsEncoding(const QByteArray &line) const
    {
        if (!hasHighBytes(line.constData(), line.size()))
            return false;
        if (encoding == Encoding::Cp932)
            return TextFile::detect(line) == Encoding::Cp932;
        return !fitsCp932(TextFile::decode(line, Encoding::Utf8));
    }
    // The bytes IniFile gives new or changed lines: each line in the file's
    // encoding followed by its line end. False when a line would not read
    // back as the same text (IniFile then writes the file otherwise).
    bool encodeLines(const QStringList &lines, QByteArray &out) const
    {
        out.clear();
        for (const QString &line : lines) {
            bool ok = false;
            const QByteArray b = TextFile::encode(line, lineEncoding(), &ok);
            if (!ok || line.contains(QLatin1Char('\n'))
                || (encoding == Encoding::Cp932 && !fitsCp932(line))
                || TextFile::decode(b, lineEncoding()) != line)
                return false;
            out += b;
            out += eol;
        }
        return true;
    }
    // True when IniFile would write these bytes in this same encoding.
    bool staysInEncoding()
    {
        if (encoding == Encoding::Cp932)
            return witness >= 0 ? !bytes.startsWith("\xEF\xBB\xBF")
                                : TextFile::detect(bytes) == Encoding::Cp932;
        for (int i = 0; witness < 0 && i < lineCount(); ++i)
            if (keepsEncoding(lineBytes(i)))
                witness = i;
        return witness >= 0;
    }
    QStringList lines(int first, int end) const
    {
        QStringList out;
        for (int i = first; i < end; ++i)
            out.append(lineText(i));
        return out;
    }
    int sectionEnd(int header) const
    {
        return header + 1 < headers.size() ? headers.at(header + 1) : lineCount();
    }

    // The section IniFile finds for `name`: the first header with the very
    // name, else the first plain one equal to it without its end spaces.
    // Header number and match level (2, 1; -1 and 0 when none).
    QPair<int, int> findSection(const QString &name) const
    {
        int exact = -1, loose = -1;
        const QString keys[2] = {IniFile::nameKey(name), IniFile::nameKey(name.trimmed())};
        for (int k = 0; k < 2; ++k) {
            if (k == 1 && keys[1] == keys[0])
                break;
            const auto range = byName.equal_range(qHash(keys[k]));
            for (auto it = range.first; it != range.second; ++it) {
                const int h = it.value();
                const int m = IniFile::sectionMatch(lineText(headers.at(h)), name);
                if (m == 2 && (exact < 0 || h < exact))
                    exact = h;
                else if (m == 1 && (loose < 0 || h < loose))
                    loose = h;
            }
        }
        if (exact >= 0)
            return {exact, 2};
        return loose >= 0 ? qMakePair(loose, 1) : qMakePair(-1, 0);
    }

    void rebuildNames()
    {
        byName.clear();
        byName.reserve(headerHash.size());
        for (int h = 0; h < headerHash.size(); ++h)
            byName.insert(headerHash.at(h), h);
    }

    // Lines, headers and the file's form. Only lines holding a "[" byte can
    // be headers, so only those are decoded.
    void parse()
    {
        lineStart.clear();
        headers.clear();
        headerHash.clear();
        witness = -1;
        encoding = TextFile::detect(bytes);
        const bool lfOnly = bytes.contains('\n') && !bytes.contains("\r\n");
        eol = lfOnly ? QByteArrayLiteral("\n") : QByteArrayLiteral("\r\n");
        // A UTF-8 file without a mark would be written with one.
        partWritable = encoding != Encoding::Utf8;
        const char *d = bytes.constData();
        const int n = int(bytes.size());
        int start = encoding == Encoding::Utf8Bom ? 3 : 0;
        while (start < n) {
            const int line = lineCount();
            lineStart.append(start);
            const char *nl = static_cast<const char *>(std::memchr(d + start, '\n', size_t(n - start)));
            const int end = nl ? int(nl - d) : n;
            const int stop = end > start && d[end - 1] == '\r' ? end - 1 : end;
            if (!nl || (!lfOnly && stop == end))
                partWritable = false;
            if (partWritable && hasHighBytes(d + start, stop - start)) {
                const QByteArray b = bytes.mid(start, stop - start);
                if (TextFile::encode(TextFile::decode(b, lineEncoding()), lineEncoding()) != b)
                    partWritable = false;
                else if (witness < 0 && keepsEncoding(b))
                    witness = line;
            }
            if (std::memchr(d + start, '[', size_t(stop - start))) {
                QString key;
                const QString text = TextFile::decode(bytes.mid(start, stop - start), lineEncoding());
                if (IniFile::sectionKey(text, &key)) {
                    headers.append(line);
                    headerHash.append(qHash(key));
                }
            }
            start = nl ? end + 1 : n;
        }
        rebuildNames();
    }

    // Replaces `count` lines from `first` by `newLines`, whose bytes (each
    // line with its line end) are `newBytes`, keeping the tables in step.
    void splice(int first, int count, const QStringList &newLines, const QByteArray &newBytes)
    {
        const int from = first < lineCount() ? lineStart.at(first) : int(bytes.size());
        const int to = count > 0 ? nextStart(first + count - 1) : from;
        const int byteDelta = int(newBytes.size()) - (to - from);
        const int lineDelta = int(newLines.size()) - count;
        if (byteDelta == 0)
            std::memcpy(bytes.data() + from, newBytes.constData(), size_t(newBytes.size()));
        else
            bytes.replace(from, to - from, newBytes);

        QVector<int> starts;
        int newWitness = -1;
        for (qsizetype at = 0; at < newBytes.size();) {
            const qsizetype nl = newBytes.indexOf('\n', at);
            const qsizetype next = nl < 0 ? newBytes.size() : nl + 1;
            if (newWitness < 0 && keepsEncoding(newBytes.mid(at, next - at - qsizetype(eol.size()))))
                newWitness = first + int(starts.size());
            starts.append(from + int(at));
            at = next;
        }
        if (lineDelta != 0) {
            lineStart.remove(first, count);
            lineStart.insert(first, starts.size(), 0);
        }
        std::copy(starts.cbegin(), starts.cend(), lineStart.begin() + first);
        if (byteDelta != 0)
            for (int i = first + int(newLines.size()); i < lineStart.size(); ++i)
                lineStart[i] += byteDelta;
        if (witness >= first + count)
            witness += lineDelta;
        else if (witness >= first)
            witness = newWitness;

        QVector<int> newHeaders;
        QVector<size_t> newHashes;
        for (int i = 0; i < newLines.size(); ++i) {
            QString key;
            if (IniFile::sectionKey(newLines.at(i), &key)) {
                newHeaders.append(first + i);
                newHashes.append(qHash(key));
            }
        }
        const int h0 = int(std::lower_bound(headers.cbegin(), headers.cend(), first) - headers.cbegin());
        const int h1 = int(std::lower_bound(headers.cbegin(), headers.cend(), first + count) - headers.cbegin());
        const QVector<size_t> oldHashes = headerHash.mid(h0, h1 - h0);
        if (lineDelta != 0 || newHashes != oldHashes || newHeaders != headers.mid(h0, h1 - h0)) {
            // The headers of the replaced lines give way to those of the new
            // lines; the ones after move with their lines.
            const bool lastSections = h1 == headers.size();
            headers.remove(h0, h1 - h0);
            headerHash.remove(h0, h1 - h0);
            for (int i = h0; i < headers.size(); ++i)
                headers[i] += lineDelta;
            for (int i = 0; i < newHeaders.size(); ++i) {
                headers.insert(h0 + i, newHeaders.at(i));
                headerHash.insert(h0 + i, newHashes.at(i));
            }
            if (newHashes == oldHashes) {
                // The same sections: their numbers, and so the index, stay.
            } else if (lastSections && newHashes.mid(0, oldHashes.size()) == oldHashes) {
                for (int i = int(oldHashes.size()); i < newHashes.size(); ++i)
                    byName.insert(newHashes.at(i), h0 + i);
            } else {
                rebuildNames();
            }
        }
        ++version;
    }
};

namespace {

struct Cache
{
    QHash<QString, std::shared_ptr<RecordFile::State>> files;
    QStringList recent; // most recent last
};

Cache &cache()
{
    static Cache c;
    return c;
}

void remember(const QString &path, const std::shared_ptr<RecordFile::State> &state)
{
    Cache &c = cache();
    c.recent.removeOne(path);
    c.recent.append(path);
    c.files.insert(path, state);
    while (c.recent.size() > kKeptFiles)
        c.files.remove(c.recent.takeFirst());
}

void forget(const QString &path)
{
    cache().files.remove(path);
    cache().recent.removeOne(path);
}

// The file as it is now: the state kept for it while its identity has not
// changed, else the file read and parsed again.
std::shared_ptr<RecordFile::State> stateOf(const QString &path)
{
    const FileIdentity now = FileIdentity::of(path);
    const auto kept = cache().files.value(path);
    if (kept && now.exists && kept->identity == now) {
        remember(path, kept);
        return kept;
    }
    auto state = std::make_shared<RecordFile::State>();
    if (now.exists) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            state->identity = FileIdentity::ofDescriptor(f.handle());
            state->bytes = f.readAll();
            state->readable = f.error() == QFileDevice::NoError;
        } else {
            state->readable = false;
        }
        if (!state->readable)
            state->bytes.clear();
    }
    state->parse();
    if (state->identity.exists && state->readable)
        remember(path, state);
    else
        forget(path);
    return state;
}

enum class InPlace { Written, Changed, Failed };

// Writes `replacement` over the bytes at `offset`, which must still hold
// `original` in the very version `expected` of the file, and flushes it.
InPlace writeInPlace(const QString &path, const FileIdentity &expected, int offset,
                     const QByteArray &original, const QByteArray &replacement,
                     FileIdentity *after)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return InPlace::Failed;
    InPlace result = InPlace::Failed;
    QByteArray onDisk(original.size(), '\0');
    if (FileIdentity::ofDescriptor(fd) != expected
        || ::pread(fd, onDisk.data(), size_t(onDisk.size()), offset) != onDisk.size()
        || onDisk != original) {
        result = InPlace::Changed;
    } else if (::pwrite(fd, replacement.constData(), size_t(replacement.size()), offset)
                   == replacement.size()
               && ::fdatasync(fd) == 0) {
        *after = FileIdentity::ofDescriptor(fd);
        result = InPlace::Written;
    }
    ::close(fd);
    return result;
}

} // namespace

RecordFile::RecordFile(const QString &path)
    : m_path(path), m_state(stateOf(path)), m_version(m_state->version)
{
}

RecordFile::~RecordFile() = default;

void RecordFile::forgetAll()
{
    cache().files.clear();
    cache().recent.clear();
}

RecordFile::Place RecordFile::locate(const QString &section) const
{
    const QPair<int, int> inFile = m_state->findSection(section);
    if (inFile.second == 2)
        return {inFile.first, false};
    // Sections added by this object come after the file's: an exact name
    // among them goes before a loose one in the file.
    int added = 0;
    if (m_appended)
        for (const QString &line : m_appended->lines())
            added = qMax(added, IniFile::sectionMatch(line, section));
    if (added == 2 || (added == 1 && inFile.second == 0))
        return {-1, true};
    return {inFile.first, inFile.first < 0};
}

IniFile &RecordFile::openSection(int header)
{
    auto it = m_sections.find(header);
    if (it == m_sections.end())
        it = m_sections
                 .emplace(header, IniFile(m_path, m_state->lines(m_state->headers.at(header),
                                                                 m_state->sectionEnd(header))))
                 .first;
    return it->second;
}

IniFile &RecordFile::appended()
{
    if (!m_appended)
        m_appended = std::make_unique<IniFile>(m_path, QStringList());
    return *m_appended;
}

QString RecordFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Place p = locate(section);
    if (p.appended)
        return m_appended ? m_appended->readString(section, key, def) : def;
    const auto it = m_sections.find(p.header);
    if (it != m_sections.end())
        return it->second.readString(section, key, def);
    return IniFile(m_path, m_state->lines(m_state->headers.at(p.header), m_state->sectionEnd(p.header)))
        .readString(section, key, def);
}

int RecordFile::readInt(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int n = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? n : def;
}

void RecordFile::writeString(const QString &section, const QString &key, const QString &value)
{
    m_edits.append({section, key, value});
    const Place p = locate(section);
    if (p.appended)
        appended().writeString(section, key, value);
    else
        openSection(p.header).writeString(section, key, value);
}

bool RecordFile::saveThroughIniFile(QString *error)
{
    IniFile ini(m_path);
    for (const Edit &e : m_edits)
        ini.writeString(e.section, e.key, e.value);
    forget(m_path);
    if (!ini.save(error))
        return false;
    m_lastWrite = Write::Normalised;
    return true;
}

bool RecordFile::save(QString *error)
{
    return saveAttempt(error, 0);
}

bool RecordFile::replay(QString *error, int attempt)
{
    if (attempt >= 2)
        return saveThroughIniFile(error);
    RecordFile fresh(m_path);
    for (const Edit &e : m_edits)
        fresh.writeString(e.section, e.key, e.value);
    const bool ok = fresh.saveAttempt(error, attempt + 1);
    m_lastWrite = fresh.m_lastWrite;
    return ok;
}

bool RecordFile::saveAttempt(QString *error, int attempt)
{
    m_lastWrite = Write::Nothing;
    bool dirty = m_appended && m_appended->isDirty();
    for (const auto &s : m_sections)
        dirty = dirty || s.second.isDirty();
    if (!dirty)
        return true;

    State &st = *m_state;
    if (!st.readable || !st.partWritable)
        return saveThroughIniFile(error);
    // Changed since it was read (by another program, or through another
    // RecordFile): the edits are made again on what is there now.
    if (st.version != m_version || FileIdentity::of(m_path) != st.identity) {
        forget(m_path);
        return replay(error, attempt);
    }

    // The changed sections' new lines, and the sections added at the end.
    struct Change
    {
        int first, count;
        QStringList lines;
        QByteArray bytes;
    };
    QVector<Change> changes;
    for (const auto &s : m_sections) {
        if (!s.second.isDirty())
            continue;
        const int first = st.headers.at(s.first);
        changes.append({first, st.sectionEnd(s.first) - first, s.second.lines(), QByteArray()});
    }
    if (m_appended && m_appended->isDirty())
        changes.append({st.lineCount(), 0, m_appended->lines(), QByteArray()});
    for (Change &c : changes)
        if (!st.encodeLines(c.lines, c.bytes))
            return saveThroughIniFile(error);

    // In place when every change keeps its length and all of them lie in
    // one sector of the file.
    qsizetype firstDiff = -1, lastDiff = -1;
    bool sameLength = st.identity.exists;
    bool witnessKept = st.witness >= 0;
    for (const Change &c : changes) {
        const int from = c.first < st.lineCount() ? st.lineStart.at(c.first) : int(st.bytes.size());
        const int to = c.count > 0 ? st.nextStart(c.first + c.count - 1) : from;
        if (st.witness >= c.first && st.witness < c.first + c.count)
            witnessKept = false;
        if (c.bytes.size() != to - from) {
            sameLength = false;
            continue;
        }
        for (qsizetype i = 0; i < c.bytes.size(); ++i) {
            if (c.bytes.at(i) != st.bytes.at(from + i)) {
                if (firstDiff < 0)
                    firstDiff = from + i;
                lastDiff = from + i;
            }
        }
    }
    if (sameLength && firstDiff < 0)
        return true; // the very same bytes
    const bool inPlace = sameLength && firstDiff / kSector == lastDiff / kSector;
    const QByteArray before = inPlace ? st.bytes.mid(firstDiff, lastDiff - firstDiff + 1) : QByteArray();

    // The kept state becomes the new version; should the write fail it is
    // forgotten, so that the next use reads the file as it is.
    auto apply = [&changes](State &s) {
        for (int i = int(changes.size()) - 1; i >= 0; --i)
            s.splice(changes.at(i).first, changes.at(i).count, changes.at(i).lines, changes.at(i).bytes);
    };
    if (witnessKept) {
        apply(st);
    } else {
        // Without a line that keeps the file in its encoding IniFile might
        // write it in another: the new version is tried first.
        State trial = st;
        apply(trial);
        if (!trial.staysInEncoding())
            return saveThroughIniFile(error);
        st = std::move(trial);
    }
    m_version = st.version;

    bool written = false;
    if (inPlace) {
        FileIdentity after;
        switch (writeInPlace(m_path, st.identity, int(firstDiff), before,
                             st.bytes.mid(firstDiff, lastDiff - firstDiff + 1), &after)) {
        case InPlace::Written:
            st.identity = after;
            m_lastWrite = Write::InPlace;
            written = true;
            break;
        case InPlace::Changed:
            forget(m_path);
            return replay(error, attempt);
        case InPlace::Failed:
            break; // the whole file is written instead
        }
    }
    if (!written) {
        if (!TextFile::writeBytes(m_path, st.bytes, error)) {
            forget(m_path);
            return false;
        }
        st.identity = FileIdentity::of(m_path);
        m_lastWrite = Write::WholeFile;
    }
    m_sections.clear();
    m_appended.reset();
    m_edits.clear();
    if (st.identity.exists)
        remember(m_path, m_state);
    else
        forget(m_path);
    return true;
}
