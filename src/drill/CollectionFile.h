#pragma once
// A question collection as the drill reads it: its lines and its question
// lines (the lines holding "#"). The drill looks at the collection for every
// question, so that an edit made in another program between two questions
// is seen at the next one; reading and splitting a large collection each
// time would cost more than everything else a question does. Instead the
// file's bytes are kept with the start of every line, and a line is decoded
// only when it is asked for. The kept copy is used while the file's identity
// (device, inode, size, modification and change time) stays the same; any
// change to the file makes the next use read it again.
#include "platform/TextFile.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>

class CollectionFile
{
public:
    // The collection at `path` as it is now. nullptr with *error set (the
    // reading error, naming the file) when it cannot be read.
    static std::shared_ptr<const CollectionFile> read(const QString &path, QString *error = nullptr);
    // Drops the kept copies (the next read goes to the disk).
    static void forgetAll();

    int lineCount() const { return int(m_lineStart.size()); }
    // Line i (0-based) as TextFile::readLines would give it; empty outside
    // the file.
    QString line(int i) const;
    // Zero-based numbers of the lines holding "#", in file order.
    const QVector<int> &questionLines() const { return m_questionLines; }
    // The message naming the first line over its byte limit (see
    // CollectionLineProblem), or "" when every line fits. Found once per
    // version of the file.
    const QString &lineProblem() const { return m_lineProblem; }

private:
    CollectionFile() = default;
    void index();

    QByteArray m_bytes;
    TextFile::Encoding m_encoding = TextFile::Encoding::Cp932; // of the lines (no mark)
    QVector<int> m_lineStart;
    QVector<int> m_questionLines;
    QString m_lineProblem;
};
