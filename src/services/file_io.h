#pragma once
// Writing a user's file: whole or not at all.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Writes data to path through a temporary file that replaces the old one only when
// everything was written; a device or other special file is written in place and never
// replaced. False when anything failed; the old file is then as it was.
// error, when given, receives the reason of a failure.
bool WriteWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// The lines of a text file's bytes, at most maxLines of them: CR LF, a lone CR or a lone LF
// ends a line, and text after the last break is a line of its own.
QList<QByteArray> SplitLines(const QByteArray& bytes, int maxLines);

// The first bytes of a small file the user chose (a saved reading is a few short lines):
// at most limit bytes; nullopt when it is not a file that can be read.
std::optional<QByteArray> ReadFileHead(const QString& path, qint64 limit = 1 << 20);
