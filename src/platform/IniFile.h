#pragma once
// Private-profile INI files: one IniFile object per operation (load once, any
// number of reads and writes, save once). Section and key names match without
// regard to letter case and after TextFile::fold(); unknown lines, comments
// and order are kept; new sections go at the end of the file and new keys at
// the end of their section; values are written "key=value" and read trimmed.
// Encoded by the text-file layer (an own file unless told otherwise).
//
// What the plain format cannot hold is written in a quoted form that reads
// back exactly: a name or value with a line break (CR or LF) or a space at
// either end, a key holding "=" or starting with "[", ";" or a double
// quote, and a name or value that itself looks like the quoted form. The
// quoted form is the text in double quotes with "\" written "\\", a double
// quote "\"", CR "\r" and LF "\n" (for example  "Room=5.txt"=3  or
// UserName=" Zoë"). Only that exact form is read as quoted; any other text is
// read as it stands, so files written by other programs read as before. A
// plain name also matches a looked-up name with spaces at its ends, as the
// format always has.
#include "TextFile.h"

#include <QString>

#include <climits>
#include <QStringList>

class IniFile
{
public:
    // Loads the file; a missing file is an empty one.
    explicit IniFile(const QString &path, TextFile::Policy policy = TextFile::Policy::Own);
    // INI text already in memory, as if read from `path` (save() writes it
    // there as an own file).
    IniFile(const QString &path, const QStringList &lines);

    // For readers that index a file's sections themselves. sectionMatch():
    // how well a line names the section looked up (2 a header with the very
    // name, 1 a plain header name equal to it without its end spaces, 0 any
    // other line). Names that match have the same nameKey(); sectionKey()
    // gives the key of a header line's name (false for any other line).
    static int sectionMatch(const QString &line, const QString &wanted);
    static bool sectionKey(const QString &line, QString *key);
    static QString nameKey(const QString &name);

    const QString &path() const { return m_path; }
    bool existed() const { return m_existed; }

    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const;
    // A value that is not a decimal integer gives the default.
    int readInt(const QString &section, const QString &key, int def) const;
    // A flag is on only when it equals 1.
    bool readFlag(const QString &section, const QString &key, int def) const
    { return readInt(section, key, def) == 1; }

    // A count of numbered entries kept in the same section (User/UserNum,
    // Question/DicCount, Plan/PlanNum): never below 0 and never above the
    // keys the section holds or `maximum`, so a damaged number cannot make a
    // reader loop for ever.
    int readCount(const QString &section, const QString &key, int maximum = INT_MAX) const;
    // Adds `value` to such a list (keys "1" to the count) and gives the new
    // count. A list damaged by hand (a number missing, or entries beyond the
    // count) is first written again in order from all its numbered entries
    // that hold text, so that the new entry neither takes the place of one
    // nor lies beyond what readCount() lets readers see; an entry equal to
    // `value` is not added twice then.
    int appendNumbered(const QString &section, const QString &countKey, const QString &value);

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    QStringList sections() const;
    QStringList keys(const QString &section) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInt(const QString &section, const QString &key, int value)
    { writeString(section, key, QString::number(value)); }
    void removeKey(const QString &section, const QString &key);
    void removeSection(const QString &section);

    bool isDirty() const { return m_dirty; }
    // Writes the file atomically when anything changed. False with *error set
    // when it cannot be written (for example a missing folder).
    bool save(QString *error = nullptr);

    // The whole file as lines, as they would be saved.
    QStringList lines() const { return m_text.lines; }

private:
    int findSection(const QString &section) const;          // line index or -1
    int sectionEnd(int sectionLine) const;                   // one past last line
    int findKey(int sectionLine, const QString &key) const;  // line index or -1

    QString m_path;
    TextFile::Policy m_policy;
    TextFile::Text m_text;
    bool m_existed = false;
    bool m_dirty = false;
};
