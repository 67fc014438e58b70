// The value VASPO under HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run,
// holding the quoted path of this vaspo.exe.
#include "mainwin/autostart.h"

#include <QDir>
#include <string>

#include <qt_windows.h>

#include "storage/registry.h"

namespace {

const QString CurrentVersion = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion");
const wchar_t* const ValueName = L"VASPO";

// A key below HKEY_CURRENT_USER, open for as long as this lives.
class Key {
public:
    Key(const QString& path, REGSAM access, bool create)
    {
        const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
        const LONG result =
            create ? RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, access, nullptr, &handle_, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, access, &handle_);
        if (result != ERROR_SUCCESS) {
            handle_ = nullptr;
        }
    }
    ~Key()
    {
        if (handle_) {
            RegCloseKey(handle_);
        }
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Handle() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

// Deleting what is not there counts as done.
bool DeleteValue(const QString& keyPath)
{
    const Key key(keyPath, KEY_SET_VALUE, false);
    if (!key.Handle()) {
        return true;
    }
    const LONG result = RegDeleteValueW(key.Handle(), ValueName);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

// Task Manager and the Settings app switch a Run entry off without deleting
// it: the first byte of its value under StartupApproved is odd then.
bool SwitchedOff(const QString& approvedKey)
{
    const Key key(approvedKey, KEY_QUERY_VALUE, false);
    BYTE data[64] = {};
    DWORD size = sizeof data;
    DWORD type = 0;
    return key.Handle() && RegQueryValueExW(key.Handle(), ValueName, nullptr, &type, data, &size) == ERROR_SUCCESS &&
           type == REG_BINARY && size > 0 && (data[0] & 1) != 0;
}

// The key that holds Run: `place`, else the real one, below the store's root where tests keep their keys.
QString Holder(const QString& place)
{
    if (!place.isEmpty()) {
        return place;
    }
    return RegStoreRoot().isEmpty() ? CurrentVersion : RegStoreRoot() + QLatin1Char('\\') + CurrentVersion;
}

// The Run key and Task Manager's StartupApproved copy of it.
QString RunKey(const QString& place)
{
    return Holder(place) + QStringLiteral("\\Run");
}

QString ApprovedKey(const QString& place)
{
    return Holder(place) + QStringLiteral("\\Explorer\\StartupApproved\\Run");
}

}  // namespace

QString Autostart::Location() const
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + QDir::toNativeSeparators(RunKey(place_)) + QStringLiteral("\\VASPO");
}

bool Autostart::Enabled() const
{
    const Key run(RunKey(place_), KEY_QUERY_VALUE, false);
    DWORD type = 0;
    DWORD size = 0;
    const bool present = run.Handle() &&
                         RegQueryValueExW(run.Handle(), ValueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
                         (type == REG_SZ || type == REG_EXPAND_SZ) && size > sizeof(wchar_t);
    return present && !SwitchedOff(ApprovedKey(place_));
}

bool Autostart::Enable(const QString& program) const
{
    // Quoted, or a path with spaces would be cut at the first one.
    const std::wstring command =
        (QLatin1Char('"') + QDir::toNativeSeparators(program) + QLatin1Char('"')).toStdWString();
    const DWORD bytes = DWORD((command.size() + 1) * sizeof(wchar_t));
    const Key run(RunKey(place_), KEY_SET_VALUE, true);
    if (!run.Handle() || RegSetValueExW(run.Handle(), ValueName, 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(command.c_str()), bytes) != ERROR_SUCCESS) {
        return false;
    }
    // A switch-off made earlier in Task Manager would outlive the new value.
    DeleteValue(ApprovedKey(place_));
    return true;
}

bool Autostart::Disable() const
{
    DeleteValue(ApprovedKey(place_));
    return DeleteValue(RunKey(place_));
}
