// Regular files on Windows. A path may name a device ("NUL", "C:\x\COM1.bmp", "\\.\..."),
// which is never opened, or a named pipe, whose other end might never write: what is opened
// must be a file on a disk.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <io.h>
#include <fcntl.h>
#include <qt_windows.h>

#include "storage/file_helpers.h"

namespace {

// The device namespace, or a name Windows keeps for a device in every folder.
bool NamesADevice(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\.\\")) || native.startsWith(QLatin1String("\\\\?\\")))
        return true;
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9¹²³]|LPT[0-9¹²³])"
                                                            "[ ]*(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return reserved.match(FileNamePart(QLatin1Char('\\') + native)).hasMatch();
}

}  // namespace

bool IsRegularFile(const QString& path)
{
    return !NamesADevice(path) && QFileInfo(path).isFile();
}

bool OpenRegularFile(QFile& file, const QString& path)
{
    if (!IsRegularFile(path))
        return false;
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool regular = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &information) &&
                         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const int descriptor = regular ? _open_osfhandle(intptr_t(handle), _O_RDONLY | _O_BINARY) : -1;
    if (descriptor < 0) {
        CloseHandle(handle);
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        _close(descriptor);
        return false;
    }
    return true;
}
