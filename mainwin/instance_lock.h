#pragma once
// One running copy per user. The lock file names its owner's process, so a
// copy that crashed does not leave the lock stuck.

#include <QLockFile>
#include <QString>
#include <memory>

#include "model/seams.h"

class InstanceLock {
public:
    explicit InstanceLock(const QString& path = DefaultPath());
    // Takes the lock unless another copy holds it. A lock left empty or
    // unreadable by a crash is replaced. Asking again while we hold it is fine.
    InstanceState Check();
    QString Path() const { return path_; }
    void Release();
    static QString DefaultPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};
