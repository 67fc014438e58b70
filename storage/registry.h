#pragma once
// The only place that touches the per-user settings store. Key paths are
// registry-style ("Software\OSKE\VASPO"); on Windows they are real keys below
// HKEY_CURRENT_USER (string values), elsewhere INI files below $XDG_CONFIG_HOME.
// Every value is a string. Each call opens the store, does one thing and lets
// go again.

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>

// Value names with their texts, written together.
using RegValues = QList<std::pair<QString, QString>>;

QString ReadRegString(const QString& keyPath, const QString& valueName);
qint16 ReadRegInteger(const QString& keyPath, const QString& valueName);
qint32 ReadRegLong(const QString& keyPath, const QString& valueName);
bool WriteRegString(const QString& keyPath, const QString& valueName, const QString& text);
// Writes all the values at once: an interrupted write leaves the old values or
// the new, never a mix (a file replaced in one step; in the registry, a
// complete copy beside the key that the next use finishes).
bool WriteRegValues(const QString& keyPath, const RegValues& values);
bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName);
bool RegKeyExists(const QString& keyPath);

// Where the keys are kept. Tests keep theirs apart from the user's: `root` is
// a key path below HKEY_CURRENT_USER that every key goes under (Windows), or
// the folder that takes the configuration folder's place (elsewhere). Empty:
// the user's own.
void SetRegStoreRoot(const QString& root);
QString RegStoreRoot();

// What a key's store is like before anything is read from it.
struct RegKeyHealth {
    bool readable = true;  // missing counts as readable: a first start
    bool broken = false;   // there, but holds none of the expected values
    bool writable = true;
    QString location;      // for the user: the file, or the registry key
};
RegKeyHealth CheckRegKey(const QString& keyPath, const QStringList& expectedNames);
// Copies a broken store aside under a name not used yet ("….broken",
// "….broken.2", …); the copy's path, empty when none could be made.
QString KeepBrokenRegKey(const QString& keyPath);

#ifndef Q_OS_WIN
// Where a key lives outside Windows: "Software\A\B" -> "<config>/A/B.conf".
// Empty when the path names no key.
QString RegKeyFilePath(const QString& keyPath);
#endif
// The key as the user would look for it: the file, or the registry key's full name.
QString RegKeyLocation(const QString& keyPath);

// The same five operations as an object, so that callers can be handed a
// recording or failing store in tests.
class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;
    virtual QString ReadRegString(const QString& keyPath, const QString& valueName);
    virtual qint16 ReadRegInteger(const QString& keyPath, const QString& valueName);
    virtual qint32 ReadRegLong(const QString& keyPath, const QString& valueName);
    virtual bool WriteRegString(const QString& keyPath, const QString& valueName, const QString& text);
    virtual bool WriteRegValues(const QString& keyPath, const RegValues& values);
    virtual bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName);
    virtual RegKeyHealth CheckRegKey(const QString& keyPath, const QStringList& expectedNames);
    virtual QString KeepBrokenRegKey(const QString& keyPath);
};
