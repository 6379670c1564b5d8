// INI files: whatever a file holds, loading keeps every line, a value
// written reads back, every other value stays, and the file changes only at
// the written line.
#include "FuzzSupport.h"

#include "platform/IniFile.h"
#include "platform/TextFile.h"

#include <QVector>

using namespace Fuzz;

namespace {

struct Value
{
    QString section, key, value;
};

// Every (section, key) the file names, with the value it reads as.
QVector<Value> allValues(const IniFile &ini)
{
    QVector<Value> out;
    for (const QString &section : ini.sections())
        for (const QString &key : ini.keys(section))
            out.append({section, key, ini.readString(section, key)});
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const QByteArray bytes = in.piece();
    const QString section = TextFile::decode(in.piece());
    const QString key = TextFile::decode(in.piece());
    const QString value = TextFile::decode(in.rest());
    const QString folder = Scratch::instance().reset();
    const QString path = folder + QStringLiteral("test.ini");
    writeFile(path, bytes);

    IniFile ini(path);
    const QStringList original = TextFile::splitLines(TextFile::decode(bytes));
    FUZZ_CHECK(ini.lines() == original, QStringLiteral("loading changed the lines"));
    const QVector<Value> before = allValues(ini);

    // Saving an unchanged file writes nothing.
    QString error;
    FUZZ_CHECK(ini.save(&error), error);
    FUZZ_CHECK(readFile(path) == bytes, QStringLiteral("an unchanged file was rewritten"));

    const bool hadSection = ini.hasSection(section);
    const bool hadKey = ini.hasKey(section, key);

    ini.writeString(section, key, value);
    // Any name and value can be written and reads back exactly.
    FUZZ_CHECK(ini.readString(section, key) == value,
               QStringLiteral("[%1] %2 = %3 reads %4")
                   .arg(shown(section), shown(key), shown(value), shown(ini.readString(section, key))));

    // Only the written line changes: replaced in place, or one line added
    // (new key), or the section header and the key at the end (new section).
    const QStringList now = ini.lines();
    if (hadKey) {
        FUZZ_CHECK(now.size() == original.size(), QStringLiteral("line count changed"));
        int changed = 0;
        for (int i = 0; i < now.size(); ++i)
            changed += now.at(i) != original.at(i);
        FUZZ_CHECK(changed <= 1, QStringLiteral("%1 lines changed").arg(changed));
    } else if (hadSection) {
        FUZZ_CHECK(now.size() == original.size() + 1, QStringLiteral("new key: line count"));
        int i = 0;
        while (i < original.size() && now.at(i) == original.at(i))
            ++i;
        QStringList without = now;
        without.removeAt(i);
        FUZZ_CHECK(without == original, QStringLiteral("new key: other lines moved"));
    } else {
        FUZZ_CHECK(now.size() == original.size() + 2 && now.mid(0, original.size()) == original,
                   QStringLiteral("new section: other lines moved"));
    }

    if (!ini.save(&error)) {
        // Bytes that did not decode can be impossible to write back beside
        // the new text in either encoding: then nothing is written, and the
        // message says why.
        FUZZ_CHECK(!error.isEmpty() && readFile(path) == bytes
                       && hasRawByte(now.join(QLatin1Char('\n'))),
                   error);
        return 0;
    }
    const IniFile reread(path);
    FUZZ_CHECK(reread.lines() == now, QStringLiteral("saved lines read back differently"));
    FUZZ_CHECK(reread.readString(section, key) == value, QStringLiteral("value lost on save"));

    // Every other value reads as before: a value that changed is one the
    // write reached, so it reads as the value written.
    for (const Value &v : before) {
        const QString now = reread.readString(v.section, v.key);
        FUZZ_CHECK(now == v.value || now == value,
                   QStringLiteral("[%1] %2 was %3, now %4")
                       .arg(shown(v.section), shown(v.key), shown(v.value), shown(now)));
    }

    FUZZ_CHECK(Scratch::instance().outsideWrites().isEmpty(),
               Scratch::instance().outsideWrites().join(QLatin1Char(',')));
    FUZZ_CHECK(filesBelow(folder) == QStringList{QStringLiteral("test.ini")},
               filesBelow(folder).join(QLatin1Char(',')));
    return 0;
}
