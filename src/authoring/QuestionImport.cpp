#include "authoring/QuestionImport.h"

#include "platform/TextFile.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace Import {

namespace {

constexpr int kDetectRows = 50;

bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// Reads rows of text with one separator. A field that starts with a quote
// is quoted when a closing quote ends it (before the separator, the line end
// or the end of the text); any other quote is text, so a sentence that
// starts with one keeps it and a stray quote swallows no rows after it.
class RowReader
{
public:
    RowReader(const QString &text, QChar sep)
        : m_text(text), m_sep(sep), m_lastQuote(text.lastIndexOf(QLatin1Char('"')))
    {
    }

    // Reads one row from `pos` (which it moves past the row's line end) and
    // counts the lines it passes.
    Row read(qsizetype &pos, int &line) const
    {
        Row row;
        row.line = line;
        for (;;) {
            QString field;
            if (!readQuoted(pos, line, field)) {
                qsizetype end = pos;
                while (end < m_text.size() && m_text.at(end) != m_sep && !isLineEnd(m_text.at(end)))
                    ++end;
                field = m_text.mid(pos, end - pos);
                pos = end;
            }
            row.fields << field;
            if (pos >= m_text.size())
                break;
            if (m_text.at(pos) == m_sep) {
                ++pos;
                continue;
            }
            if (m_text.at(pos) == QLatin1Char('\r') && pos + 1 < m_text.size()
                && m_text.at(pos + 1) == QLatin1Char('\n'))
                ++pos;
            ++pos;
            ++line;
            break;
        }
        return row;
    }

private:
    bool endsField(qsizetype at) const
    {
        return at >= m_text.size() || m_text.at(at) == m_sep || isLineEnd(m_text.at(at));
    }

    // A quoted field at `pos`: true with `pos` and `line` moved past it;
    // false, with nothing moved, when there is none.
    bool readQuoted(qsizetype &pos, int &line, QString &field) const
    {
        const QChar quote = QLatin1Char('"');
        if (pos >= m_text.size() || m_text.at(pos) != quote || pos >= m_lastQuote)
            return false;
        QString value;
        qsizetype at = pos + 1;
        for (;;) {
            const qsizetype close = m_text.indexOf(quote, at);
            if (close < 0)
                return false;
            value += QStringView(m_text).mid(at, close - at);
            at = close + 1;
            if (at < m_text.size() && m_text.at(at) == quote) {   // a doubled quote
                value += quote;
                ++at;
                continue;
            }
            if (!endsField(at))
                return false;
            break;
        }
        for (qsizetype k = pos; k < at; ++k)
            if (m_text.at(k) == QLatin1Char('\n')
                || (m_text.at(k) == QLatin1Char('\r') && (k + 1 >= at || m_text.at(k + 1) != QLatin1Char('\n'))))
                ++line;
        pos = at;
        field = value;
        return true;
    }

    const QString &m_text;
    const QChar m_sep;
    const qsizetype m_lastQuote;
};

bool isBlank(const Row &row)
{
    return row.fields.size() == 1 && row.fields.first().trimmed().isEmpty();
}

QVector<Row> readRows(const QString &text, qsizetype pos, int line, QChar sep, int limit = -1)
{
    QVector<Row> rows;
    const RowReader reader(text, sep);
    while (pos < text.size() && (limit < 0 || rows.size() < limit)) {
        Row row = reader.read(pos, line);
        if (!isBlank(row))
            rows.push_back(std::move(row));
    }
    return rows;
}

QChar separatorNamed(const QString &value)
{
    static const QHash<QString, QChar> names{
        {QStringLiteral("tab"), QLatin1Char('\t')},       {QStringLiteral("comma"), QLatin1Char(',')},
        {QStringLiteral("semicolon"), QLatin1Char(';')},  {QStringLiteral("pipe"), QLatin1Char('|')},
        {QStringLiteral("space"), QLatin1Char(' ')},      {QStringLiteral("colon"), QLatin1Char(':')},
    };
    const QString v = value.trimmed();
    if (v.size() == 1)
        return v.at(0);
    return names.value(v.toLower(), QChar());
}

// The "#key:value" lines at the top of the file.
struct Directives
{
    QChar separator;
    int html = -1;
    bool hasColumns = false;
    QString columns;
    QVector<QPair<int, QString>> columnOf;   // "name column:N"
    int lines = 0;
    qsizetype end = 0;                       // where the rows begin
};

bool isDirectiveKey(const QString &key)
{
    static const QStringList known{QStringLiteral("separator"), QStringLiteral("html"),
                                   QStringLiteral("columns"),   QStringLiteral("notetype"),
                                   QStringLiteral("deck"),      QStringLiteral("tags"),
                                   QStringLiteral("guid")};
    return known.contains(key) || key.endsWith(QLatin1String(" column"));
}

Directives readDirectives(const QString &text)
{
    Directives d;
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos) == QLatin1Char('#')) {
        qsizetype end = pos;
        while (end < text.size() && !isLineEnd(text.at(end)))
            ++end;
        const QString line = text.mid(pos + 1, end - pos - 1);
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString key = line.left(colon).trimmed().toLower();
        if (colon <= 0 || !isDirectiveKey(key))
            break;
        const QString value = line.mid(colon + 1);
        if (key == QLatin1String("separator")) {
            d.separator = separatorNamed(value);
        } else if (key == QLatin1String("html")) {
            const QString v = value.trimmed().toLower();
            if (v == QLatin1String("true"))
                d.html = 1;
            else if (v == QLatin1String("false"))
                d.html = 0;
        } else if (key == QLatin1String("columns")) {
            d.hasColumns = true;
            d.columns = value;
        } else if (key.endsWith(QLatin1String(" column"))) {
            bool ok = false;
            const int n = value.trimmed().toInt(&ok);
            if (ok && n >= 1 && n <= 1000)
                d.columnOf.push_back({n - 1, key.chopped(7)});
        }
        ++d.lines;
        pos = end;
        if (pos < text.size() && text.at(pos) == QLatin1Char('\r'))
            ++pos;
        if (pos < text.size() && text.at(pos) == QLatin1Char('\n'))
            ++pos;
    }
    d.end = pos;
    return d;
}

QChar detectSeparator(const QString &text, qsizetype pos, int line)
{
    QChar best = Separators().first();
    int bestScore = 0;
    for (const QChar sep : Separators()) {
        QHash<int, int> counts;
        for (const Row &row : readRows(text, pos, line, sep, kDetectRows))
            ++counts[int(row.fields.size())];
        int score = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.key() > 1 && it.value() > score)
                score = it.value();
        if (score > bestScore) {
            bestScore = score;
            best = sep;
        }
    }
    return best;
}

bool fieldLooksLikeHtml(const QString &field)
{
    static const QRegularExpression markup(QStringLiteral(
        "<\\s*/?\\s*[A-Za-z][^<>]*>|&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z]+);"));
    return (field.contains(QLatin1Char('<')) || field.contains(QLatin1Char('&')))
           && markup.match(field).hasMatch();
}

Table parse(const QString &text, QChar forced)
{
    // A byte-order mark left at the start belongs to no field.
    const QString body = text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    Table t;
    const Directives d = readDirectives(body);
    t.directiveLines = d.lines;
    t.htmlDeclared = d.html;
    const int firstLine = d.lines + 1;
    if (!forced.isNull()) {
        t.separator = forced;
        t.separatorDeclared = false;
    } else if (!d.separator.isNull()) {
        t.separator = d.separator;
        t.separatorDeclared = true;
    } else {
        t.separator = detectSeparator(body, d.end, firstLine);
    }
    t.rows = readRows(body, d.end, firstLine, t.separator);

    for (const Row &row : t.rows) {
        t.columnCount = qMax(t.columnCount, int(row.fields.size()));
        if (!t.looksLikeHtml)
            for (const QString &f : row.fields)
                if (fieldLooksLikeHtml(f)) {
                    t.looksLikeHtml = true;
                    break;
                }
    }

    if (d.hasColumns) {
        qsizetype pos = 0;
        int line = 0;
        t.columnNames = RowReader(d.columns, t.separator).read(pos, line).fields;
        for (QString &name : t.columnNames)
            name = name.trimmed();
    }
    for (const auto &[column, name] : d.columnOf) {
        while (t.columnNames.size() <= column)
            t.columnNames << QString();
        if (t.columnNames.at(column).isEmpty())
            t.columnNames[column] = name;
    }
    t.columnCount = qMax(t.columnCount, int(t.columnNames.size()));

    if (!d.hasColumns && !t.rows.isEmpty()) {
        bool english = false, japanese = false;
        for (const QString &f : t.rows.first().fields) {
            const int role = KnownColumn(f);
            english = english || role == English;
            japanese = japanese || role == Japanese;
        }
        t.firstRowNamesColumns = english && japanese;
    }
    return t;
}

// --- cleaning ---------------------------------------------------------------

const QChar kBreak = QLatin1Char('\n');

// Tags out; a tag that starts or ends a line in a page becomes a line break.
QString stripTags(const QString &s)
{
    static const QStringList breaking{
        QStringLiteral("br"), QStringLiteral("p"),  QStringLiteral("div"), QStringLiteral("li"),
        QStringLiteral("tr"), QStringLiteral("ul"), QStringLiteral("ol"),  QStringLiteral("h1"),
        QStringLiteral("h2"), QStringLiteral("h3"), QStringLiteral("h4"),  QStringLiteral("h5"),
        QStringLiteral("h6"), QStringLiteral("blockquote"), QStringLiteral("table")};
    QString out;
    out.reserve(s.size());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s.at(i);
        const QChar next = i + 1 < n ? s.at(i + 1) : QChar();
        if (c != QLatin1Char('<') || !(next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!'))) {
            out += c;
            continue;
        }
        if (s.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = s.indexOf(QLatin1String("-->"), i + 4);
            if (end < 0) {
                out += c;
                continue;
            }
            i = end + 2;
            continue;
        }
        const qsizetype end = s.indexOf(QLatin1Char('>'), i + 1);
        if (end < 0) {
            out += c;
            continue;
        }
        qsizetype k = i + 1;
        while (k < end && (s.at(k) == QLatin1Char('/') || s.at(k).isSpace()))
            ++k;
        qsizetype nameEnd = k;
        while (nameEnd < end && s.at(nameEnd).isLetterOrNumber())
            ++nameEnd;
        if (breaking.contains(s.mid(k, nameEnd - k).toLower()))
            out += kBreak;
        i = end;
    }
    return out;
}

QString decodeEntities(const QString &s)
{
    static const QHash<QString, char32_t> named{
        {QStringLiteral("amp"), U'&'},     {QStringLiteral("lt"), U'<'},
        {QStringLiteral("gt"), U'>'},      {QStringLiteral("quot"), U'"'},
        {QStringLiteral("apos"), U'\''},   {QStringLiteral("nbsp"), 0xA0},
        {QStringLiteral("ensp"), U' '},    {QStringLiteral("emsp"), U' '},
        {QStringLiteral("thinsp"), U' '},  {QStringLiteral("ndash"), 0x2013},
        {QStringLiteral("mdash"), 0x2014}, {QStringLiteral("hellip"), 0x2026},
        {QStringLiteral("lsquo"), 0x2018}, {QStringLiteral("rsquo"), 0x2019},
        {QStringLiteral("ldquo"), 0x201C}, {QStringLiteral("rdquo"), 0x201D},
        {QStringLiteral("laquo"), 0xAB},   {QStringLiteral("raquo"), 0xBB},
        {QStringLiteral("middot"), 0xB7},  {QStringLiteral("times"), 0xD7},
        {QStringLiteral("divide"), 0xF7},  {QStringLiteral("deg"), 0xB0},
        {QStringLiteral("yen"), 0xA5},     {QStringLiteral("copy"), 0xA9},
        {QStringLiteral("reg"), 0xAE},     {QStringLiteral("eacute"), 0xE9},
        {QStringLiteral("egrave"), 0xE8},  {QStringLiteral("agrave"), 0xE0},
        {QStringLiteral("ccedil"), 0xE7},  {QStringLiteral("uuml"), 0xFC},
        {QStringLiteral("ouml"), 0xF6},    {QStringLiteral("auml"), 0xE4},
    };
    QString out;
    out.reserve(s.size());
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s.at(i);
        const qsizetype semi = c == QLatin1Char('&') ? s.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (semi < 0 || semi - i > 10) {
            out += c;
            continue;
        }
        const QString name = s.mid(i + 1, semi - i - 1);
        char32_t code = 0;
        if (name.startsWith(QLatin1Char('#'))) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
            const uint v = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            if (ok && v > 0 && v <= 0x10FFFF && !(v >= 0xD800 && v <= 0xDFFF))
                code = v;
        } else {
            code = named.value(name, 0);
        }
        if (code == 0) {
            out += c;
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i = semi;
    }
    return out;
}

bool isBreakChar(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
           || c == QChar::ParagraphSeparator;
}

bool isBlankChar(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0xA0)
           || c.unicode() < 0x20 || c.unicode() == 0x7F;
}

QString oneLine(const QString &message)
{
    return QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QString fieldAt(const Row &row, int column)
{
    return column >= 0 && column < row.fields.size() ? row.fields.at(column) : QString();
}

QString normalName(const QString &name)
{
    QString out;
    for (const QChar c : name.trimmed().toLower())
        if (!c.isSpace() && c != QLatin1Char('-') && c != QLatin1Char('_'))
            out += c;
    return out;
}

} // namespace

bool ReadFile(const QString &path, QString &text, QString &encoding, QString *error)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > MaxFileBytes) {
        if (error)
            *error = QStringLiteral("ファイルが大きすぎます（64 MB まで）。\n%1").arg(path);
        return false;
    }
    QByteArray bytes;
    if (!TextFile::readBytes(path, bytes, error))
        return false;
    const TextFile::Encoding e = TextFile::detect(bytes);
    text = TextFile::decode(bytes, e);
    encoding = e == TextFile::Encoding::Cp932  ? QStringLiteral("シフトJIS")
               : e == TextFile::Encoding::Utf8 ? QStringLiteral("UTF-8")
                                               : QStringLiteral("UTF-8 (BOM付き)");
    return true;
}

QVector<QChar> Separators()
{
    return {QLatin1Char('\t'), QLatin1Char(','), QLatin1Char(';'), QLatin1Char('|')};
}

Table Parse(const QString &text) { return parse(text, QChar()); }

Table Parse(const QString &text, QChar separator) { return parse(text, separator); }

QString CleanField(const QString &raw, bool html)
{
    const QString s = html ? decodeEntities(stripTags(raw)) : raw;
    QString out;
    out.reserve(s.size());
    bool pendingSpace = false;
    for (const QChar c : s) {
        if (isBreakChar(c) || isBlankChar(c)) {
            pendingSpace = true;
            continue;
        }
        if (pendingSpace && !out.isEmpty())
            out += QLatin1Char(' ');
        pendingSpace = false;
        out += c;
    }
    return out.trimmed();
}

bool Mapping::operator==(const Mapping &o) const
{
    return std::equal(std::begin(column), std::end(column), std::begin(o.column));
}

int KnownColumn(const QString &name)
{
    static const QHash<QString, int> names{
        {QStringLiteral("english"), English},   {QStringLiteral("en"), English},
        {QStringLiteral("英語"), English},      {QStringLiteral("英文"), English},
        {QStringLiteral("英単語"), English},    {QStringLiteral("japanese"), Japanese},
        {QStringLiteral("ja"), Japanese},       {QStringLiteral("jp"), Japanese},
        {QStringLiteral("日本語"), Japanese},   {QStringLiteral("日本語訳"), Japanese},
        {QStringLiteral("和訳"), Japanese},     {QStringLiteral("訳"), Japanese},
        {QStringLiteral("意味"), Japanese},     {QStringLiteral("comment"), Comment},
        {QStringLiteral("comments"), Comment},  {QStringLiteral("note"), Comment},
        {QStringLiteral("notes"), Comment},     {QStringLiteral("memo"), Comment},
        {QStringLiteral("コメント"), Comment},  {QStringLiteral("メモ"), Comment},
        {QStringLiteral("備考"), Comment},      {QStringLiteral("解説"), Comment},
        {QStringLiteral("keyword"), Keyword},   {QStringLiteral("キーワード"), Keyword},
        {QStringLiteral("hole"), Hole},         {QStringLiteral("fillin"), Hole},
        {QStringLiteral("blank"), Hole},        {QStringLiteral("穴埋め"), Hole},
        {QStringLiteral("穴"), Hole},           {QStringLiteral("穴の場所"), Hole},
    };
    return names.value(normalName(name), -1);
}

bool MappingFromNames(const Table &table, Mapping &mapping)
{
    QStringList names = table.columnNames;
    if (names.isEmpty() && table.firstRowNamesColumns && !table.rows.isEmpty())
        names = table.rows.first().fields;
    Mapping found;
    std::fill(std::begin(found.column), std::end(found.column), -1);
    for (int i = 0; i < names.size(); ++i) {
        const int role = KnownColumn(names.at(i));
        if (role >= 0 && found.column[role] < 0)
            found.column[role] = i;
    }
    if (found.column[English] < 0 || found.column[Japanese] < 0)
        return false;
    mapping = found;
    return true;
}

Plan MakePlan(const Table &table, const Mapping &mapping, const Options &options)
{
    Plan plan;
    const auto field = [&](const Row &row, Role role) {
        return CleanField(fieldAt(row, mapping.column[role]), options.html);
    };
    for (qsizetype r = options.firstRowNamesColumns ? 1 : 0; r < table.rows.size(); ++r) {
        const Row &row = table.rows.at(r);
        QuestionDraft draft;
        draft.english = field(row, English);
        draft.japanese = field(row, Japanese);
        draft.keyword = field(row, Keyword);
        draft.hole = field(row, Hole);
        const QString comment = field(row, Comment);
        if (!comment.isEmpty())
            draft.comment << comment;
        const QString reason = oneLine(CheckQuestion(draft, options.encoding).message);
        if (!reason.isEmpty()) {
            plan.skipped.push_back({row.line, reason});
            continue;
        }
        plan.drafts.push_back(std::move(draft));
        plan.lines.push_back(row.line);
    }
    return plan;
}

} // namespace Import
