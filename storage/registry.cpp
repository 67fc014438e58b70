#include "storage/registry.h"

#include "storage/numeric.h"
#include "storage/registry_store.h"

namespace {

QString storeRoot;

QStringList KeyParts(const QString& keyPath)
{
    QString unified = keyPath;
    unified.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return unified.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Separators would turn the name into a path.
bool UsableValueName(const QString& valueName)
{
    return !valueName.isEmpty() && !valueName.contains(QLatin1Char('/'))
        && !valueName.contains(QLatin1Char('\\'));
}

bool UsableValues(const RegValues& values)
{
    for (const auto& value : values) {
        if (!UsableValueName(value.first)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void SetRegStoreRoot(const QString& root)
{
    storeRoot = root;
}

QString RegStoreRoot()
{
    return storeRoot;
}

QString ReadRegString(const QString& keyPath, const QString& valueName)
{
    const QStringList key = KeyParts(keyPath);
    return UsableValueName(valueName) && !key.isEmpty() ? regstore::Read(key, valueName) : QString();
}

qint16 ReadRegInteger(const QString& keyPath, const QString& valueName)
{
    const QString text = ReadRegString(keyPath, valueName);
    return text.isEmpty() ? 0 : ParseInteger(text).value_or(0);
}

qint32 ReadRegLong(const QString& keyPath, const QString& valueName)
{
    const QString text = ReadRegString(keyPath, valueName);
    return text.isEmpty() ? 0 : ParseLong(text).value_or(0);
}

bool WriteRegString(const QString& keyPath, const QString& valueName, const QString& text)
{
    return WriteRegValues(keyPath, {{valueName, text}});
}

bool WriteRegValues(const QString& keyPath, const RegValues& values)
{
    const QStringList key = KeyParts(keyPath);
    return !key.isEmpty() && UsableValues(values) && regstore::WriteAll(key, values);
}

bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName)
{
    const QStringList parent = KeyParts(parentKeyPath), sub = KeyParts(subKeyName);
    return !sub.isEmpty() && regstore::Delete(parent + sub);
}

bool RegKeyExists(const QString& keyPath)
{
    const QStringList key = KeyParts(keyPath);
    return !key.isEmpty() && regstore::Exists(key);
}

RegKeyHealth CheckRegKey(const QString& keyPath, const QStringList& expectedNames)
{
    const QStringList key = KeyParts(keyPath);
    if (key.isEmpty()) {
        return {false, false, false, {}};
    }
    return regstore::Check(key, expectedNames);
}

QString KeepBrokenRegKey(const QString& keyPath)
{
    const QStringList key = KeyParts(keyPath);
    return key.isEmpty() ? QString() : regstore::KeepBroken(key);
}

QString RegKeyLocation(const QString& keyPath)
{
    return regstore::Location(KeyParts(keyPath));
}

QString RegistryAccess::ReadRegString(const QString& keyPath, const QString& valueName)
{
    return ::ReadRegString(keyPath, valueName);
}

qint16 RegistryAccess::ReadRegInteger(const QString& keyPath, const QString& valueName)
{
    return ::ReadRegInteger(keyPath, valueName);
}

qint32 RegistryAccess::ReadRegLong(const QString& keyPath, const QString& valueName)
{
    return ::ReadRegLong(keyPath, valueName);
}

bool RegistryAccess::WriteRegString(const QString& keyPath, const QString& valueName, const QString& text)
{
    return ::WriteRegString(keyPath, valueName, text);
}

bool RegistryAccess::WriteRegValues(const QString& keyPath, const RegValues& values)
{
    return ::WriteRegValues(keyPath, values);
}

RegKeyHealth RegistryAccess::CheckRegKey(const QString& keyPath, const QStringList& expectedNames)
{
    return ::CheckRegKey(keyPath, expectedNames);
}

QString RegistryAccess::KeepBrokenRegKey(const QString& keyPath)
{
    return ::KeepBrokenRegKey(keyPath);
}

bool RegistryAccess::DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName)
{
    return ::DeleteRegKey(parentKeyPath, subKeyName);
}
