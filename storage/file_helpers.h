#pragma once
// Small path and timing helpers.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class QFile;

// The part after the last "\", "/" or ":"; empty when there is none.
QString FileNamePart(const QString& path);

// The path of the ordinary, non-hidden file whose name matches the last part
// of `path` without regard to letter case, in the folder `path` names; empty
// when there is none.
QString FindFileIgnoringCase(const QString& path);

// The ordinary files of `folder` whose names match one of the wildcard
// `patterns` ("1*.BMP"), letter case aside, sorted by name as a file list is.
QStringList FilesMatching(const QString& folder, const QStringList& patterns);

// Whether `path` is a regular file, links followed: no FIFO, device or folder,
// nor a name that stands for a device (Windows).
bool IsRegularFile(const QString& path);

// Opens `path` for reading only when it is a regular file, links followed.
// Anything else (a FIFO, a device, a folder) counts as missing, also when it
// takes the file's place between the look and the open: a FIFO is never
// waited for, a device never read.
bool OpenRegularFile(QFile& file, const QString& path);

// 1 when an ordinary, non-hidden file exists at `path` (letter case of the
// file name aside), 0 otherwise.
qint16 FileExists(const QString& path);

// Waits `ms` milliseconds while pending events keep being processed (always
// at least once). Measured on a monotonic clock.
void WaitMilliseconds(qint32 ms);
// The same, cut short once `stop` says so (asked after each event).
void WaitMilliseconds(qint32 ms, const std::function<bool()>& stop);
