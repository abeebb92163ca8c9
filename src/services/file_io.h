#pragma once
// Reading and writing the user's files: only regular files are read, and a save is written
// whole or not at all.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Whether path names a regular file, after following symbolic links: not a folder, FIFO,
// socket or device, whose reading could wait for ever or never end. size, when given,
// receives the file's size. Every reader checks this before it opens a file or hands the
// path to a library that opens it.
bool IsRegularFile(const QString& path, qint64* size = nullptr);

// Why a save to path must not go through the symbolic links on its way, or an empty text when
// it may. Refused, as the kernel's protected_symlinks guard refuses it: a link in a sticky
// world-writable folder (such as /tmp) whose owner is neither the user nor the folder's
// owner. Refused too: a file name that is a link to nothing, through which a save would
// create a file where the link points.
QString UnsafeLinkReason(const QString& path);

// Writes data to path whole or not at all; every save of the suite goes through here. The path
// is followed one name at a time from folders held open (UnsafeLinkReason's rules), and the
// data is written to a new private file in the folder reached, then renamed onto the name: a
// link planted there after the check is replaced, never followed. A replaced file keeps its
// permissions, a new one gets those the umask leaves; a read-only file is not replaced. A
// device is written in place and never replaced; a folder, FIFO or socket is refused. False
// when anything failed; the old file is then as it was and no temporary file is left.
// error, when given, receives the reason of a failure (the system's, such as "File too large").
bool WriteWholeFile(const QString& path, const QByteArray& data, QString* error = nullptr);

// The lines of a text file's bytes, at most maxLines of them: CR LF, a lone CR or a lone LF
// ends a line, and text after the last break is a line of its own.
QList<QByteArray> SplitLines(const QByteArray& bytes, int maxLines);

// The first bytes of a small file the user chose (a saved reading is a few short lines):
// at most limit bytes; nullopt when it is not a regular file that can be read.
std::optional<QByteArray> ReadFileHead(const QString& path, qint64 limit = 1 << 20);

// The whole of a regular file of at most maxSize bytes; nullopt when it is larger, not a
// regular file, or cannot be read.
std::optional<QByteArray> ReadSmallFile(const QString& path, qint64 maxSize);

// A write past the file-size limit (ulimit -f) ends the process with SIGXFSZ unless that
// signal is ignored; then the write fails and the save says so. Called first thing at start-up.
void IgnoreFileSizeLimitSignal();
