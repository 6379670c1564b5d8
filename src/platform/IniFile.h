#pragma once
// Private-profile INI files: one IniFile object per operation (load once, any
// number of reads and writes, save once). Section and key names match without
// regard to letter case; unknown lines, comments and order are kept; new
// sections go at the end of the file and new keys at the end of their
// section; values are written "key=value" and read trimmed. CP932 on disk.
#include <QString>
#include <QStringList>
#include <QVector>

class IniFile
{
public:
    // Loads the file; a missing file is an empty one.
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }
    bool existed() const { return m_existed; }

    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const;
    // A value that is not a decimal integer gives the default.
    int readInt(const QString &section, const QString &key, int def) const;
    // A flag is on only when it equals 1.
    bool readFlag(const QString &section, const QString &key, int def) const
    { return readInt(section, key, def) == 1; }

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
    QStringList lines() const { return m_lines; }

private:
    int findSection(const QString &section) const;          // line index or -1
    int sectionEnd(int sectionLine) const;                   // one past last line
    int findKey(int sectionLine, const QString &key) const;  // line index or -1

    QString m_path;
    QStringList m_lines;
    bool m_existed = false;
    bool m_dirty = false;
};
