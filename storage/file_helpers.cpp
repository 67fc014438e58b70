#include "storage/file_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

namespace {

bool IsPathSeparator(QChar character)
{
    return character == QLatin1Char('\\') || character == QLatin1Char('/') || character == QLatin1Char(':');
}

bool IsVisibleOrdinaryFile(const QString& path)
{
    return IsRegularFile(path) && !QFileInfo(path).isHidden();
}

// The regular files among a folder's entries: a link to a FIFO or a device
// is listed as a file too.
QStringList RegularFiles(const QDir& dir)
{
    QStringList names;
    for (const QFileInfo& entry : dir.entryInfoList()) {
        if (entry.isFile())
            names.append(entry.fileName());
    }
    return names;
}

// The actual spelling of `name` in `folder`, or empty.
QString EntryIgnoringCase(const QString& folder, const QString& name)
{
    const QString wanted = name.toUpper();
    const QStringList entries = RegularFiles(QDir(folder, QString(), QDir::Name, QDir::Files));
    for (const QString& entry : entries) {
        if (entry.toUpper() == wanted)
            return entry;
    }
    return {};
}

constexpr qint64 NanosecondsPerMillisecond = 1000000;

} // namespace

QString FileNamePart(const QString& path)
{
    for (qsizetype index = path.size() - 1; index >= 0; --index) {
        if (IsPathSeparator(path.at(index)))
            return path.mid(index + 1);
    }
    return {};
}

QString FindFileIgnoringCase(const QString& path)
{
    const QString name = FileNamePart(path);
    if (name.isEmpty())
        return {};
    if (IsVisibleOrdinaryFile(path))
        return path;
    // The folder keeps its trailing separator, so "C:name" stays drive-relative.
    const QString folder = path.left(path.size() - name.size());
    const QString entry = EntryIgnoringCase(folder, name);
    return entry.isEmpty() ? QString() : folder + entry;
}

QStringList FilesMatching(const QString& folder, const QStringList& patterns)
{
    QDir dir(folder);
    dir.setNameFilters(patterns);
    dir.setFilter(QDir::Files);  // without QDir::CaseSensitive the patterns ignore letter case
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return RegularFiles(dir);
}

qint16 FileExists(const QString& path)
{
    return FindFileIgnoringCase(path).isEmpty() ? 0 : 1;
}

void WaitMilliseconds(qint32 ms)
{
    WaitMilliseconds(ms, [] { return false; });
}

void WaitMilliseconds(qint32 ms, const std::function<bool()>& stop)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 wantedNanoseconds = qint64(ms) * NanosecondsPerMillisecond;
    if (!QCoreApplication::instance()) {
        if (ms > 0)
            QThread::msleep(ulong(ms));
        return;
    }
    QCoreApplication::processEvents();
    // A timer may fire a little early by our clock; wait again for the rest.
    for (qint64 left = wantedNanoseconds - clock.nsecsElapsed(); left > 0 && !stop();
         left = wantedNanoseconds - clock.nsecsElapsed()) {
        const int leftMilliseconds = int((left + NanosecondsPerMillisecond - 1) / NanosecondsPerMillisecond);
        QEventLoop loop;
        // In slices, so that `stop` is asked now and then even when no event comes.
        QTimer::singleShot(qMin(leftMilliseconds, 50), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}
