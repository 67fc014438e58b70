#include "storage/registry.h"

#include "storage/numeric.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

QStringList KeyParts(const QString& keyPath)
{
    QString unified = keyPath;
    unified.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return unified.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// Separators would turn the name into a group path.
bool UsableValueName(const QString& valueName)
{
    return !valueName.isEmpty() && !valueName.contains(QLatin1Char('/'))
        && !valueName.contains(QLatin1Char('\\'));
}

// The stored spelling of `valueName`, or empty when no value matches.
QString StoredValueName(const QSettings& settings, const QString& valueName)
{
    const QStringList names = settings.childKeys();
    for (const QString& name : names) {
        if (name.compare(valueName, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

QString PlainStringValue(const QSettings& settings, const QString& valueName)
{
    const QString storedName = StoredValueName(settings, valueName);
    if (storedName.isEmpty())
        return {};
    const QVariant value = settings.value(storedName);
    // Lists, byte arrays and serialized variants are not text we wrote.
    if (value.typeId() != QMetaType::QString)
        return {};
    QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

bool WriteValues(QSettings& settings, const RegValues& values)
{
    for (const auto& [valueName, text] : values) {
        if (!UsableValueName(valueName)) {
            return false;
        }
    }
    for (const auto& [valueName, text] : values) {
        const QString storedName = StoredValueName(settings, valueName);
        settings.setValue(storedName.isEmpty() ? valueName : storedName, text);
    }
    // One sync, and QSettings replaces the file atomically.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool CanWriteInto(QString folder)
{
    // The nearest folder that exists is where the missing ones would be made.
    while (!QFileInfo::exists(folder) && !QFileInfo(folder).isRoot()) {
        folder = QFileInfo(folder).absolutePath();
    }
    return QFileInfo(folder).isDir() && QFileInfo(folder).isWritable();
}

#ifdef Q_OS_WIN

QString NativeKeyPath(const QString& keyPath)
{
    return KeyParts(keyPath).join(QLatin1Char('\\'));
}

// QSettings creates a native key as soon as it opens it, so a read asks
// the registry first.
bool NativeKeyExists(const QString& keyPath)
{
    HKEY handle = nullptr;
    const std::wstring path = NativeKeyPath(keyPath).toStdWString();
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

QString NativeSettingsPath(const QString& keyPath)
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + NativeKeyPath(keyPath);
}

QString ReadString(const QString& keyPath, const QString& valueName)
{
    if (KeyParts(keyPath).isEmpty() || !NativeKeyExists(keyPath))
        return {};
    const QSettings settings(NativeSettingsPath(keyPath), QSettings::NativeFormat);
    return PlainStringValue(settings, valueName);
}

bool WriteAll(const QString& keyPath, const RegValues& values)
{
    if (KeyParts(keyPath).isEmpty())
        return false;
    QSettings settings(NativeSettingsPath(keyPath), QSettings::NativeFormat);
    return WriteValues(settings, values);
}

bool DeleteKey(const QString& parentKeyPath, const QString& subKeyName)
{
    if (KeyParts(parentKeyPath).isEmpty() || KeyParts(subKeyName).isEmpty())
        return false;
    const QString keyPath = parentKeyPath + QLatin1Char('\\') + subKeyName;
    if (!NativeKeyExists(keyPath))
        return false;
    // QSettings::remove() would also drop a parent value named like the key.
    const std::wstring path = NativeKeyPath(keyPath).toStdWString();
    return RegDeleteTreeW(HKEY_CURRENT_USER, path.c_str()) == ERROR_SUCCESS;
}

#else

QString ReadString(const QString& keyPath, const QString& valueName)
{
    const QString file = RegKeyFilePath(keyPath);
    // Checking first keeps a read from creating anything.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    const QSettings settings(file, QSettings::IniFormat);
    return PlainStringValue(settings, valueName);
}

bool WriteAll(const QString& keyPath, const RegValues& values)
{
    const QString file = RegKeyFilePath(keyPath);
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    return WriteValues(settings, values);
}

bool DeleteKey(const QString& parentKeyPath, const QString& subKeyName)
{
    if (KeyParts(subKeyName).isEmpty())
        return false;
    const QString file = RegKeyFilePath(parentKeyPath + QLatin1Char('\\') + subKeyName);
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    {
        // Qt keeps parsed INI files cached per process; emptying the file
        // through QSettings first stops the cache handing the values back.
        QSettings settings(file, QSettings::IniFormat);
        settings.clear();
        settings.sync();
    }
    return QFile::remove(file);
}

#endif

} // namespace

RegKeyHealth CheckRegKey(const QString& keyPath, const QStringList& expectedNames)
{
    RegKeyHealth health;
#ifdef Q_OS_WIN
    health.location = QStringLiteral("HKEY_CURRENT_USER\\") + NativeKeyPath(keyPath);
    Q_UNUSED(expectedNames);
#else
    const QString file = RegKeyFilePath(keyPath);
    health.location = file;
    const QFileInfo info(file);
    const bool folderWritable = CanWriteInto(info.absolutePath());
    if (!info.exists()) {
        health.writable = folderWritable;
        return health;
    }
    QFile bytes(file);
    if (!bytes.open(QIODevice::ReadOnly)) {
        health.readable = false;
        return health;
    }
    const bool empty = bytes.size() == 0;
    bytes.close();
    // The whole file is written anew through a file beside it.
    health.writable = folderWritable && info.isWritable();
    const QSettings settings(file, QSettings::IniFormat);
    bool known = false;
    for (const QString& name : expectedNames) {
        known = known || !StoredValueName(settings, name).isEmpty();
    }
    health.broken = !empty && (!known || settings.status() == QSettings::FormatError);
#endif
    return health;
}

QString KeepBrokenRegKey(const QString& keyPath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(keyPath);
    return {};
#else
    const QString file = RegKeyFilePath(keyPath);
    QString copy = file + QStringLiteral(".broken");
    for (int number = 2; QFileInfo::exists(copy); ++number) {
        copy = file + QStringLiteral(".broken.") + QString::number(number);
    }
    return QFile::copy(file, copy) ? copy : QString();
#endif
}

QString RegKeyFilePath(const QString& keyPath)
{
    QStringList parts = KeyParts(keyPath);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    const QString configRoot = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return configRoot + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QLatin1String(".conf");
}

QString ReadRegString(const QString& keyPath, const QString& valueName)
{
    return UsableValueName(valueName) ? ReadString(keyPath, valueName) : QString();
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
    return WriteAll(keyPath, {{valueName, text}});
}

bool WriteRegValues(const QString& keyPath, const RegValues& values)
{
    return WriteAll(keyPath, values);
}

bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName)
{
    return DeleteKey(parentKeyPath, subKeyName);
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
