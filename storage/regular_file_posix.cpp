// Regular files on POSIX systems: opened without waiting, then checked on what was opened.
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/file_helpers.h"

bool IsRegularFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

bool OpenRegularFile(QFile& file, const QString& path)
{
    if (!IsRegularFile(path))
        return false;  // not even opened: opening some devices does something
    // O_NONBLOCK: a FIFO without a writer is not waited for.
    const int handle = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return false;
    struct stat opened {};
    if (::fstat(handle, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return false;
    }
    return true;
}
