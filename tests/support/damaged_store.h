#pragma once
// The stored record as each platform's store can be damaged: a file that cannot be read or
// holds no record; a registry key the user may not read or write, or one that holds no record.

#include <QByteArray>
#include <QString>

#include <QFile>

#include "model/pet_record.h"
#include "storage/registry.h"

#ifdef Q_OS_WIN
#include <aclapi.h>
#include <qt_windows.h>

namespace damage {

inline std::wstring NativeKey(const QString& location)
{
    return location.mid(QStringLiteral("HKEY_CURRENT_USER\\").size()).toStdWString();
}

// Denies everyone `rights` on the key, beside the rights it has (0: takes the denial back).
inline bool Deny(const QString& location, DWORD rights)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, NativeKey(location).c_str(), 0, nullptr, 0, READ_CONTROL | WRITE_DAC,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    PACL old = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &old, nullptr, &descriptor);
    PSID everyone = nullptr;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = rights;
    access.grfAccessMode = rights ? DENY_ACCESS : REVOKE_ACCESS;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL list = nullptr;
    const bool done = SetEntriesInAclW(1, &access, old, &list) == ERROR_SUCCESS &&
                      SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, list,
                                      nullptr) == ERROR_SUCCESS;
    LocalFree(list);
    LocalFree(descriptor);
    FreeSid(everyone);
    RegCloseKey(key);
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
    return Deny(RegKeyLocation(vaspo::KeyPath), KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
}
inline bool MakeUnwritable()
{
    return Deny(RegKeyLocation(vaspo::KeyPath), KEY_SET_VALUE);
}
inline bool StillThere()
{
    return KeyThere(RegKeyLocation(vaspo::KeyPath));
}
// Gives the key back, so that the test's store can be removed.
inline void Repair()
{
    Deny(RegKeyLocation(vaspo::KeyPath), 0);
}

// Something else's values where the record belongs, or none at all; what is kept at `location`.
inline bool StoreGarbage(const QByteArray& junk)
{
    HKEY key = nullptr;
    const bool done = RegCreateKeyExW(HKEY_CURRENT_USER, NativeKey(RegKeyLocation(vaspo::KeyPath)).c_str(), 0,
                                      nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS &&
                      RegSetValueExW(key, L"\x01junk", 0, REG_BINARY, reinterpret_cast<const BYTE*>(junk.constData()),
                                     DWORD(junk.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return done;
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
inline QString KeptAs(int copy)
{
    return RegKeyLocation(vaspo::KeyPath) + (copy == 1 ? QStringLiteral(".broken") : QStringLiteral(".broken.%1").arg(copy));
}

}  // namespace damage

#else
#include <QDir>
#include <QFileInfo>

namespace damage {

// A folder stands where the file belongs.
inline bool MakeUnreadable()
{
    return QDir().mkpath(RegKeyFilePath(vaspo::KeyPath));
}
inline bool StillThere()
{
    return QFileInfo(RegKeyFilePath(vaspo::KeyPath)).isDir();
}
inline void Repair() {}

inline bool StoreGarbage(const QByteArray& junk)
{
    const QString path = RegKeyFilePath(vaspo::KeyPath);
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(junk) == junk.size();
}
inline QByteArray KeptGarbage(const QString& location)
{
    QFile file(location);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline QString KeptAs(int copy)
{
    return RegKeyFilePath(vaspo::KeyPath) + (copy == 1 ? QStringLiteral(".broken") : QStringLiteral(".broken.%1").arg(copy));
}

}  // namespace damage
#endif
