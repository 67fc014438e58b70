#pragma once
// A settings store of the test's own, never the user's: on Windows a key below
// HKEY_CURRENT_USER\Software\VASPO tests that goes with the test; elsewhere a
// temporary configuration folder, also handed to the programs the test starts.
// Stores made while another lives take its place until they go.

#include <QCoreApplication>
#include <QTemporaryDir>

#include "storage/registry.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

struct PrivateStore {
    QTemporaryDir config;
    const QString previous = RegStoreRoot();
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
#ifdef Q_OS_WIN
    static inline const QString Parent = QStringLiteral("Software\\VASPO tests");
    const QString name = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') + QString::number(++made);
    static inline int made = 0;

    PrivateStore() { SetRegStoreRoot(Parent + QLatin1Char('\\') + name); }
    ~PrivateStore()
    {
        SetRegStoreRoot({});
        DeleteRegKey(Parent, name);
        RegDeleteKeyW(HKEY_CURRENT_USER, Parent.toStdWString().c_str());  // only once no test has a key there
        SetRegStoreRoot(previous);
    }
#else
    PrivateStore()
    {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        SetRegStoreRoot(config.path());
    }
    ~PrivateStore()
    {
        qputenv("XDG_CONFIG_HOME", previousConfig);
        SetRegStoreRoot(previous);
    }
#endif
    PrivateStore(const PrivateStore&) = delete;
    PrivateStore& operator=(const PrivateStore&) = delete;
};
