#pragma once
// The INI record files a drill updates at every answer: the question data
// file (one section per question of the collection) and the day and year
// detail files. RecordFile reads and writes them exactly as IniFile does
// (same sections and keys found, same lines changed or added, same bytes on
// disk), but cheaply enough to do it once per answer whatever the size:
//
//  - Each version of a file is parsed once. The file's bytes stay in memory
//    with the start of every line and an index of the section headers, and
//    are used again while the file's identity (device, inode, size,
//    modification and change time) stays the same; a file changed by anyone
//    else is read again at its next use.
//  - Only the sections touched are decoded, changed and encoded again; the
//    bytes of every other line are kept as they are.
//  - A change that keeps the file's length and lies within one 512-byte
//    sector of the file (a count going from 7 to 8) is written in place and
//    flushed to the disk: a sector is written whole or not at all, so the
//    file is never torn. Any other change rewrites the whole file atomically
//    (written beside, flushed, renamed over it).
//  - Anything IniFile would write differently from the file's own bytes (a
//    UTF-8 file, mixed or missing line ends, a line that would not read back
//    as the same text, new text CP932 cannot hold) is saved by IniFile
//    itself.
//
// One RecordFile object per operation, like IniFile: reads see the writes
// made through the same object; save() writes them.
#include <QList>
#include <QString>

#include <map>
#include <memory>

class IniFile;

class RecordFile
{
public:
    explicit RecordFile(const QString &path);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const;
    // A value that is not a decimal integer gives the default.
    int readInt(const QString &section, const QString &key, int def) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInt(const QString &section, const QString &key, int value)
    { writeString(section, key, QString::number(value)); }

    // Writes what changed; true without writing when nothing did. False with
    // *error set (naming the file) when it cannot be written.
    bool save(QString *error = nullptr);

    // How the last save() wrote (for tests of the writing itself).
    enum class Write { Nothing, InPlace, WholeFile, Normalised };
    Write lastWrite() const { return m_lastWrite; }

    // Forgets every file kept in memory (the next use reads it again).
    static void forgetAll();

    struct State;

private:
    struct Edit
    {
        QString section, key, value;
    };
    // Where a section is: a header of the file, or among the sections this
    // object adds at the end (appended, also for a section not there yet).
    struct Place
    {
        int header = -1;
        bool appended = true;
    };

    Place locate(const QString &section) const;

    IniFile &openSection(int header);
    IniFile &appended();
    bool saveAttempt(QString *error, int attempt);
    bool replay(QString *error, int attempt);
    bool saveThroughIniFile(QString *error);

    QString m_path;
    std::shared_ptr<State> m_state;
    quint64 m_version = 0;                 // m_state's version when read
    std::map<int, IniFile> m_sections;     // touched sections, by ordinal
    std::unique_ptr<IniFile> m_appended;   // sections new to the file
    QList<Edit> m_edits;                   // in order, for a replay
    Write m_lastWrite = Write::Nothing;
};
