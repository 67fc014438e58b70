// The store outside Windows: each key an INI file in the configuration folder.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "storage/registry_store.h"

namespace {

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

bool CanWriteInto(QString folder)
{
    // The nearest folder that exists is where the missing ones would be made.
    while (!QFileInfo::exists(folder) && !QFileInfo(folder).isRoot()) {
        folder = QFileInfo(folder).absolutePath();
    }
    return QFileInfo(folder).isDir() && QFileInfo(folder).isWritable();
}

QString FileOf(const QStringList& key)
{
    return RegKeyFilePath(key.join(QLatin1Char('\\')));
}

}  // namespace

QString RegKeyFilePath(const QString& keyPath)
{
    QString unified = keyPath;
    unified.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QStringList parts = unified.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().compare(QLatin1String("Software"), Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    if (parts.isEmpty())
        return {};
    const QString root = RegStoreRoot();
    const QString configRoot =
        root.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : root;
    return configRoot + QLatin1Char('/') + parts.join(QLatin1Char('/')) + QLatin1String(".conf");
}

namespace regstore {

QString Read(const QStringList& key, const QString& valueName)
{
    const QString file = FileOf(key);
    // Checking first keeps a read from creating anything.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    const QSettings settings(file, QSettings::IniFormat);
    return PlainStringValue(settings, valueName);
}

bool WriteAll(const QStringList& key, const RegValues& values)
{
    const QString file = FileOf(key);
    if (file.isEmpty() || !QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    for (const auto& [valueName, text] : values) {
        const QString storedName = StoredValueName(settings, valueName);
        settings.setValue(storedName.isEmpty() ? valueName : storedName, text);
    }
    // One sync, and QSettings replaces the file atomically.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool Delete(const QStringList& key)
{
    const QString file = FileOf(key);
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

bool Exists(const QStringList& key)
{
    return QFileInfo(FileOf(key)).isFile();
}

RegKeyHealth Check(const QStringList& key, const QStringList& expectedNames)
{
    RegKeyHealth health;
    const QString file = FileOf(key);
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
    return health;
}

QString KeepBroken(const QStringList& key)
{
    const QString file = FileOf(key);
    QString copy = file + QStringLiteral(".broken");
    for (int number = 2; QFileInfo::exists(copy); ++number) {
        copy = file + QStringLiteral(".broken.") + QString::number(number);
    }
    return QFile::copy(file, copy) ? copy : QString();
}

QString Location(const QStringList& key)
{
    return FileOf(key);
}

}  // namespace regstore
