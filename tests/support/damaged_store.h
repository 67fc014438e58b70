#pragma once
// The stored record as each platform's store can be damaged: a file that cannot be read or
// holds no record; a registry key the user may not read or write, or one that holds no record.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "model/pet_record.h"
#include "storage/registry.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <sddl.h>
#endif

namespace damage {

// The record's file or registry key, and where a broken one is kept aside.
inline QString Record()
{
    return RegKeyLocation(vaspo::KeyPath);
}
inline QString KeptAs(int copy)
{
    return Record() + (copy == 1 ? QStringLiteral(".broken") : QStringLiteral(".broken.%1").arg(copy));
}

#ifdef Q_OS_WIN
inline std::wstring NativeKey(const QString& location)
{
    return location.mid(QStringLiteral("HKEY_CURRENT_USER\\").size()).toStdWString();
}

// A value of any kind, written as the registry takes it, into the key (made if need be) at `location`.
inline bool Plant(const QString& name, DWORD kind, const QByteArray& data, const QString& location = Record())
{
    HKEY key = nullptr;
    const bool done = RegCreateKeyExW(HKEY_CURRENT_USER, NativeKey(location).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                      nullptr, &key, nullptr) == ERROR_SUCCESS &&
                      RegSetValueExW(key, name.toStdWString().c_str(), 0, kind,
                                     reinterpret_cast<const BYTE*>(data.constData()), DWORD(data.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return done;
}

// Lets everyone do everything with the record's key but `rights` (0: all of it).
inline bool Deny(DWORD rights)
{
    const QString denied = rights ? QStringLiteral("(D;;0x%1;;;WD)").arg(rights, 0, 16) : QString();
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    HKEY key = nullptr;
    const bool done = ConvertStringSecurityDescriptorToSecurityDescriptorW(
                          ("D:" + denied + "(A;;KA;;;WD)").toStdWString().c_str(), SDDL_REVISION_1, &descriptor,
                          nullptr) &&
                      RegCreateKeyExW(HKEY_CURRENT_USER, NativeKey(Record()).c_str(), 0, nullptr, 0, WRITE_DAC,
                                      nullptr, &key, nullptr) == ERROR_SUCCESS &&
                      RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    RegCloseKey(key);
    LocalFree(descriptor);
    return done;
}

// A key is there, whether or not it can be read.
inline bool KeyThere(const QString& location)
{
    HKEY key = nullptr;
    const bool there =
        RegOpenKeyExW(HKEY_CURRENT_USER, NativeKey(location).c_str(), 0, READ_CONTROL, &key) == ERROR_SUCCESS;
    RegCloseKey(key);
    return there;
}

inline bool MakeUnreadable()
{
    return Deny(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
}
inline bool MakeUnwritable()
{
    return Deny(KEY_SET_VALUE);
}
inline bool StillThere()
{
    return KeyThere(Record());
}
// Gives the key back, so that the test's store can be removed.
inline void Repair()
{
    Deny(0);
}

// Something else's values where the record belongs, and what is kept of them at `location`.
inline bool StoreGarbage(const QByteArray& junk)
{
    return Plant(QStringLiteral("\x01junk"), REG_BINARY, junk);
}
inline QByteArray KeptGarbage(const QString& location)
{
    HKEY key = nullptr;
    QByteArray bytes(4096, '\0');
    DWORD size = DWORD(bytes.size());
    if (RegOpenKeyExW(HKEY_CURRENT_USER, NativeKey(location).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS ||
        RegQueryValueExW(key, L"\x01junk", nullptr, nullptr, reinterpret_cast<BYTE*>(bytes.data()), &size) !=
            ERROR_SUCCESS) {
        size = 0;
    }
    RegCloseKey(key);
    return bytes.left(size);
}

#else
// A folder stands where the file belongs.
inline bool MakeUnreadable()
{
    return QDir().mkpath(Record());
}
inline bool StillThere()
{
    return QFileInfo(Record()).isDir();
}
inline void Repair() {}

inline bool StoreGarbage(const QByteArray& junk)
{
    QFile file(Record());
    return QDir().mkpath(QFileInfo(Record()).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(junk) == junk.size();
}
inline QByteArray KeptGarbage(const QString& location)
{
    QFile file(location);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
#endif

}  // namespace damage
