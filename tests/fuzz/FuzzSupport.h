#pragma once
// Shared pieces of the fuzz harnesses. Each harness defines
// LLVMFuzzerTestOneInput; built with clang it is a libFuzzer target, built
// with any compiler beside ReplayMain.cpp it replays files and folders of
// inputs (the seed corpus and every reproducer) as a ctest test.
//
// A harness checks properties with FUZZ_CHECK: a failed check prints what
// was expected and aborts, which libFuzzer records as a finding and the
// replay reports as a failed test.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstddef>
#include <cstdint>
#include <functional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace Fuzz {

[[noreturn]] void fail(const char *file, int line, const char *what, const QString &detail);

#define FUZZ_CHECK(cond, detail)                                                   \
    do {                                                                           \
        if (!(cond))                                                               \
            ::Fuzz::fail(__FILE__, __LINE__, #cond, (detail));                     \
    } while (false)

// Reads an input piece by piece. Pieces are separated by a NUL byte, so that
// seeds stay readable text; numbers come from single bytes.
class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_bytes(reinterpret_cast<const char *>(data), int(size)) {}
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // One byte (0 when the input is used up).
    int byte();
    // The bytes up to the next NUL (which is consumed), or up to the end.
    QByteArray piece();
    // Everything not yet taken.
    QByteArray rest();

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

// A scratch folder for one process, emptied before every input:
//   <root>/prog/   the folder the code under test is given
//   <root>/cwd/    the working directory during the run
// outsideWrites() lists everything that appeared in <root> besides those two
// folders, and anything in cwd/ (where a relative path would land).
class Scratch
{
public:
    static Scratch &instance();
    // Empties prog/ and cwd/ and returns prog/ with its trailing "/".
    QString reset();
    QString prog() const { return m_prog; }
    QStringList outsideWrites() const;
    // Removes the whole scratch folder (at the end of a replay; scripts/fuzz
    // removes the folders of libFuzzer runs).
    void remove();

private:
    Scratch();
    QString m_root, m_prog, m_cwd;
};

// Writes bytes to a file (creating its folder); aborts when it cannot.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
// File systems take names of at most 255 bytes; a save under a longer name
// may fail (with a message), but must not land anywhere else.
bool fitsOnDisk(const QString &entry);
// Every file below `folder` (relative names, sorted).
QStringList filesBelow(const QString &folder);
// The same lines once the one-way characters are folded to the twins a
// CP932 file gives back (TextFile::sameText line by line).
bool sameLines(const QStringList &a, const QStringList &b);
// A byte that is not valid in its encoding decodes to U+F780..U+F7FF.
bool hasRawByte(const QString &text);
// A short printable form of a text for failure messages.
QString shown(const QString &text);

// Every (section, key) an INI file names, with the value it reads as.
struct IniValue
{
    QString section, key, value;
};
QVector<IniValue> iniValues(const QString &path);
// Same section or key name by the INI rules (case and surrounding blanks
// do not count).
bool sameIniName(const QString &a, const QString &b);
// Checks that every value of `before` still reads the same in the file at
// `path`, except those `changed` says were written.
void checkIniKept(const QVector<IniValue> &before, const QString &path,
                  const std::function<bool(const QString &section, const QString &key)> &changed);

} // namespace Fuzz
