#include "drill/CollectionFile.h"

#include "drill/Collection.h"
#include "reference/MakerChecks.h"

#include "platform/FileIdentity.h"
#include "platform/TextFile.h"

#include <QHash>
#include <QStringList>

#include <cstring>

namespace {

// The collection in use and the one a review looks back on are kept.
constexpr int kKept = 2;

struct Kept
{
    QString path;
    FileIdentity identity;
    std::shared_ptr<const CollectionFile> file;
};

QList<Kept> &kept()
{
    static QList<Kept> k;
    return k;
}

} // namespace

std::shared_ptr<const CollectionFile> CollectionFile::read(const QString &path, QString *error)
{
    // The identity is taken before reading: a change made while reading
    // leaves a newer identity on disk, so the next use reads again.
    const FileIdentity identity = FileIdentity::of(path);
    QList<Kept> &k = kept();
    for (int i = 0; i < k.size(); ++i) {
        if (k.at(i).path == path) {
            if (identity.exists && k.at(i).identity == identity) {
                k.move(i, 0);
                return k.first().file;
            }
            k.removeAt(i);
            break;
        }
    }
    std::shared_ptr<CollectionFile> file(new CollectionFile);
    if (!TextFile::readBytes(path, file->m_bytes, error))
        return nullptr;
    file->index();
    if (identity.exists) {
        k.prepend({path, identity, file});
        while (k.size() > kKept)
            k.removeLast();
    }
    return file;
}

void CollectionFile::forgetAll()
{
    kept().clear();
}

// The file's encoding is decided once for the whole file, as the text layer
// decides it. Lines end at LF (a CR before it is not part of the line); a
// last line without a line end counts, and no empty line follows a final
// line end. A "#" byte is "#" in the text whatever surrounds it: neither
// CP932 nor UTF-8 uses a byte below 0x40 inside a character of more bytes.
void CollectionFile::index()
{
    const TextFile::Encoding found = TextFile::detect(m_bytes);
    m_encoding = found == TextFile::Encoding::Cp932 ? found : TextFile::Encoding::Utf8;
    const char *d = m_bytes.constData();
    const int n = int(m_bytes.size());
    for (int start = found == TextFile::Encoding::Utf8Bom ? 3 : 0; start < n;) {
        m_lineStart.append(start);
        const char *nl = static_cast<const char *>(std::memchr(d + start, '\n', size_t(n - start)));
        const int end = nl ? int(nl - d) : n;
        if (std::memchr(d + start, '#', size_t(end - start)))
            m_questionLines.append(lineCount() - 1);
        start = end + 1;
    }
    // Only a line of more bytes than the shortest limit needs decoding to
    // be measured.
    for (int i = 0; i < lineCount() && m_lineProblem.isEmpty(); ++i) {
        const int next = i + 1 < lineCount() ? m_lineStart.at(i + 1) : n;
        if (next - m_lineStart.at(i) > Maker::KeywordLimit)
            m_lineProblem = CollectionLineProblemAt(line(i), i, m_encoding);
    }
}

QString CollectionFile::line(int i) const
{
    if (i < 0 || i >= lineCount())
        return QString();
    const int start = m_lineStart.at(i);
    int end = i + 1 < lineCount() ? m_lineStart.at(i + 1) : int(m_bytes.size());
    if (end > start && m_bytes.at(end - 1) == '\n')
        --end;
    if (end > start && m_bytes.at(end - 1) == '\r')
        --end;
    return TextFile::decode(m_bytes.mid(start, end - start), m_encoding);
}
