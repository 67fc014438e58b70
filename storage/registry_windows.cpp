// The store on Windows: keys below HKEY_CURRENT_USER, every value a string (REG_SZ).
//
// The registry writes one value at a time. A record of several values is therefore first
// written whole into a copy beside its key ("<key>.saving"), which is then marked complete,
// copied into the key and removed. Killed before the mark, the key still holds the old record
// and the unmarked copy is thrown away at the next use; killed after it, the next use (any read,
// write or check) finishes the copy, so the key holds the new record.
#include <qt_windows.h>

#include <optional>
#include <string>
#include <vector>

#include "storage/registry_store.h"

namespace {

const QString CompleteMark = QStringLiteral("complete");
// Longer texts are none we wrote (a path is at most 32767 characters).
constexpr DWORD LongestValueBytes = 64 * 1024 * sizeof(wchar_t);

class KeyHandle {
public:
    KeyHandle() = default;
    KeyHandle(const KeyHandle&) = delete;
    KeyHandle& operator=(const KeyHandle&) = delete;
    ~KeyHandle() { Close(); }
    HKEY* Out() { return &handle_; }
    HKEY Get() const { return handle_; }
    void Close()
    {
        if (handle_) {
            RegCloseKey(handle_);
            handle_ = nullptr;
        }
    }

private:
    HKEY handle_ = nullptr;
};

std::wstring NativePath(const QStringList& key)
{
    const QStringList root = RegStoreRoot().split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return (root + key).join(QLatin1Char('\\')).toStdWString();
}

std::wstring SavingPath(const QStringList& key)
{
    return NativePath(key) + L".saving";
}

LSTATUS Open(const std::wstring& path, REGSAM access, KeyHandle& key)
{
    return RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, key.Out());
}

LSTATUS Create(const std::wstring& path, KeyHandle& key)
{
    return RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_READ | KEY_WRITE, nullptr, key.Out(), nullptr);
}

bool KeyExists(const std::wstring& path)
{
    KeyHandle key;
    return Open(path, KEY_QUERY_VALUE, key) == ERROR_SUCCESS;
}

// The text of a string value, up to its first NUL; no value for other kinds.
std::optional<QString> StringValue(HKEY key, const std::wstring& name)
{
    DWORD type = 0;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    std::vector<wchar_t> text;
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ || size > LongestValueBytes) {
            return std::nullopt;
        }
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = DWORD(text.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_SUCCESS && type == REG_SZ) {
            return QString::fromWCharArray(text.data());  // stops at the first NUL
        }
    }
    return std::nullopt;
}

bool SetString(HKEY key, const QString& name, const QString& text)
{
    const std::wstring wideName = name.toStdWString();
    const std::wstring wideText = text.toStdWString();
    const auto bytes = DWORD((wideText.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideText.c_str()),
                          bytes) == ERROR_SUCCESS;
}

// The names of a key's values, the unnamed one aside.
QStringList ValueNames(HKEY key)
{
    QStringList names;
    std::vector<wchar_t> name(16384);  // the longest name the registry allows, and its NUL
    for (DWORD index = 0;; ++index) {
        auto length = DWORD(name.size());
        const LSTATUS status = RegEnumValueW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) {  // the end, or a name longer than any
            break;
        }
        if (length > 0) {
            names.append(QString::fromWCharArray(name.data(), int(length)));
        }
    }
    return names;
}

bool CopyValues(HKEY from, HKEY to)
{
    for (const QString& name : ValueNames(from)) {
        const std::optional<QString> text = StringValue(from, name.toStdWString());
        if (!text || !SetString(to, name, *text)) {
            return false;
        }
    }
    return true;
}

// Finishes a write that was cut short after its copy was complete; throws away one cut short before.
void Settle(const QStringList& key)
{
    const std::wstring saving = SavingPath(key);
    KeyHandle copy;
    if (Open(saving, KEY_READ, copy) != ERROR_SUCCESS) {
        return;
    }
    if (StringValue(copy.Get(), std::wstring()) == CompleteMark) {
        KeyHandle target;
        if (Create(NativePath(key), target) != ERROR_SUCCESS || !CopyValues(copy.Get(), target.Get())) {
            return;  // kept for a use that can write
        }
    }
    copy.Close();
    RegDeleteTreeW(HKEY_CURRENT_USER, saving.c_str());
}

bool WriteOne(const QStringList& key, const QString& name, const QString& text)
{
    KeyHandle target;
    return Create(NativePath(key), target) == ERROR_SUCCESS && SetString(target.Get(), name, text);
}

bool WriteCopy(const std::wstring& saving, const RegValues& values)
{
    KeyHandle copy;
    if (Create(saving, copy) != ERROR_SUCCESS) {
        return false;
    }
    for (const auto& [name, text] : values) {
        if (!SetString(copy.Get(), name, text)) {
            return false;
        }
    }
    return SetString(copy.Get(), QString(), CompleteMark);
}

// Whether a key could be made at `path`: the nearest key there is lets us make keys below it.
bool CanCreate(const std::wstring& path)
{
    std::wstring nearest = path;
    while (!nearest.empty() && !KeyExists(nearest)) {
        const size_t separator = nearest.rfind(L'\\');
        nearest.resize(separator == std::wstring::npos ? 0 : separator);
    }
    KeyHandle handle;
    return Open(nearest, KEY_CREATE_SUB_KEY, handle) == ERROR_SUCCESS;
}

}  // namespace

namespace regstore {

QString Read(const QStringList& key, const QString& valueName)
{
    Settle(key);
    KeyHandle handle;
    if (Open(NativePath(key), KEY_QUERY_VALUE, handle) != ERROR_SUCCESS) {
        return {};
    }
    return StringValue(handle.Get(), valueName.toStdWString()).value_or(QString());
}

bool WriteAll(const QStringList& key, const RegValues& values)
{
    Settle(key);
    if (values.size() == 1) {
        return WriteOne(key, values.first().first, values.first().second);  // one value is written whole
    }
    const std::wstring saving = SavingPath(key);
    if (!WriteCopy(saving, values)) {
        RegDeleteTreeW(HKEY_CURRENT_USER, saving.c_str());
        return false;
    }
    Settle(key);
    return !KeyExists(saving);  // gone only once the key holds every value
}

bool Delete(const QStringList& key)
{
    // The copy first: a complete one would bring the key back.
    RegDeleteTreeW(HKEY_CURRENT_USER, SavingPath(key).c_str());
    const std::wstring path = NativePath(key);
    return KeyExists(path) && RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS;
}

bool Exists(const QStringList& key)
{
    return KeyExists(NativePath(key));
}

RegKeyHealth Check(const QStringList& key, const QStringList& expectedNames)
{
    RegKeyHealth health;
    health.location = Location(key);
    Settle(key);
    KeyHandle handle;
    const LSTATUS opened = Open(NativePath(key), KEY_READ, handle);
    if (opened == ERROR_FILE_NOT_FOUND) {
        health.writable = CanCreate(NativePath(key));
        return health;
    }
    if (opened != ERROR_SUCCESS) {
        health.readable = false;
        return health;
    }
    bool known = false;
    for (const QString& name : expectedNames) {
        known = known || StringValue(handle.Get(), name.toStdWString()).has_value();
    }
    health.broken = !known && !ValueNames(handle.Get()).isEmpty();
    KeyHandle writable;
    // The copy beside the key must be possible too.
    health.writable = Open(NativePath(key), KEY_SET_VALUE, writable) == ERROR_SUCCESS && CanCreate(SavingPath(key));
    return health;
}

QString KeepBroken(const QStringList& key)
{
    const std::wstring path = NativePath(key);
    std::wstring copyPath = path + L".broken";
    for (int number = 2; KeyExists(copyPath); ++number) {
        copyPath = path + L".broken." + std::to_wstring(number);
    }
    KeyHandle source;
    KeyHandle copy;
    if (Open(path, KEY_READ, source) != ERROR_SUCCESS || Create(copyPath, copy) != ERROR_SUCCESS) {
        return {};
    }
    if (RegCopyTreeW(source.Get(), nullptr, copy.Get()) != ERROR_SUCCESS) {
        copy.Close();
        RegDeleteTreeW(HKEY_CURRENT_USER, copyPath.c_str());
        return {};
    }
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdWString(copyPath);
}

QString Location(const QStringList& key)
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromStdWString(NativePath(key));
}

}  // namespace regstore
