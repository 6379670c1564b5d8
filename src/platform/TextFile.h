#pragma once
// The one place where text meets the disk. Files are Shift-JIS (CP932) with
// CR LF line ends; inside the program everything is QString.
//
// Decoding is lossless: a byte sequence that is not valid CP932 becomes a
// private-use code point (U+F780 + byte... see TextFile.cpp) that encodes back
// to the very same byte, so reading and writing a file never changes bytes the
// program did not edit.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TextFile {

// CP932 <-> Unicode, lossless for bytes that are not valid CP932.
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
// Length of a text in CP932 bytes (the unit of every byte limit).
int byteLength(const QString &text);

// Splits decoded text into lines: CR LF or LF; a last line without a line end
// counts; no phantom empty line after a final line end.
QStringList splitLines(const QString &text);

// Reads a whole file into lines. Returns false (lines emptied, *error set to a
// message naming the file) when the file cannot be read.
bool readLines(const QString &path, QStringList &lines, QString *error = nullptr);
// Reads raw bytes; false when the file cannot be read.
bool readBytes(const QString &path, QByteArray &bytes, QString *error = nullptr);

// Rewrites a whole file atomically (written beside, then renamed), every line
// followed by CR LF.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);
// Atomic rewrite of raw bytes.
bool writeBytes(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// Appends lines (each followed by CR LF), creating the file when missing.
bool appendLines(const QString &path, const QStringList &lines, QString *error = nullptr);

} // namespace TextFile
