#pragma once
// What each platform's store does; registry.cpp checks the names and paths
// first. A key is given as its path's parts ("Software", "OSKE", "VASPO"),
// below the store's root.

#include <QStringList>

#include "storage/registry.h"

namespace regstore {

QString Read(const QStringList& key, const QString& valueName);
bool WriteAll(const QStringList& key, const RegValues& values);
// False when there was no such key.
bool Delete(const QStringList& key);
bool Exists(const QStringList& key);
RegKeyHealth Check(const QStringList& key, const QStringList& expectedNames);
QString KeepBroken(const QStringList& key);
QString Location(const QStringList& key);

}  // namespace regstore
