#pragma once
// The real program, run with a private settings folder and stopped by signals
// (outside Windows, where the settings folder can be handed to it).

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "support/scripted.h"

struct RealProgram : PrivateStore {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess process;
    const qint32 today = DayNumberOf(QDate::currentDate());

    RealProgram()
    {
        environment.insert("XDG_CONFIG_HOME", config.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }
    // Replaces the stored record with a fish kept, fed and last run `daysAgo` days ago, and `extra`.
    void StoreFish(int daysAgo, const RegValues& extra = {}) const
    {
        const QString day = QString::number(today - daysAgo);
        DeleteRegKey(vaspo::KeyParent, vaspo::KeyName);
        WriteRegValues(vaspo::KeyPath, RegValues{{"Version", "0.32"}, {"FishName", "ぎんじろう"}, {"StartDay", day},
                                                 {"EatFood", day}, {"WaterDay", day}, {"LastRunDay", day}} + extra);
    }
    QString LockPath() const { return config.path() + "/OSKE/VASPO.lock"; }
    static bool Appears(const QString& path) { return QTest::qWaitFor([&] { return QFile::exists(path); }, 15000); }
    // Starts it and waits until it holds its lock, so start-up is under way.
    bool Start(const QString& program = VASPO_EXECUTABLE)
    {
        QFile::remove(LockPath());  // one a killed copy left would say nothing
        process.setProcessEnvironment(environment);
        process.start(program, {});
        return process.waitForStarted() && Appears(LockPath());
    }
#ifndef Q_OS_WIN
    bool Stop(int signal)
    {
        ::kill(pid_t(process.processId()), signal);
        return process.waitForFinished(10000);
    }
#endif
};
