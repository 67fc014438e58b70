#pragma once
// One running copy per user. The lock file names its owner's process, so a
// copy that crashed does not leave the lock stuck.

#include <QLockFile>
#include <QString>
#include <memory>

class InstanceLock {
public:
    explicit InstanceLock(const QString& path = DefaultPath());
    // True when another copy holds the lock; taking it otherwise. Asking
    // again while we hold it is fine.
    bool AnotherInstanceRunning();
    void Release();
    static QString DefaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
