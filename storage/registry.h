#pragma once
// The only place that touches the per-user settings store. Key paths are
// registry-style ("Software\OSKE\VASPO"); on Windows they are real keys below
// HKEY_CURRENT_USER, elsewhere INI files below $XDG_CONFIG_HOME. Every value is
// a string. Each call opens the store, does one thing and lets go again.

#include <QString>
#include <QtGlobal>

QString ReadRegString(const QString& keyPath, const QString& valueName);
qint16 ReadRegInteger(const QString& keyPath, const QString& valueName);
qint32 ReadRegLong(const QString& keyPath, const QString& valueName);
bool WriteRegString(const QString& keyPath, const QString& valueName, const QString& text);
bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName);

// Where a key lives outside Windows: "Software\A\B" -> "<config>/A/B.conf".
// Empty when the path names no key.
QString RegKeyFilePath(const QString& keyPath);

// The same five operations as an object, so that callers can be handed a
// recording or failing store in tests.
class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;
    virtual QString ReadRegString(const QString& keyPath, const QString& valueName);
    virtual qint16 ReadRegInteger(const QString& keyPath, const QString& valueName);
    virtual qint32 ReadRegLong(const QString& keyPath, const QString& valueName);
    virtual bool WriteRegString(const QString& keyPath, const QString& valueName, const QString& text);
    virtual bool DeleteRegKey(const QString& parentKeyPath, const QString& subKeyName);
};
