#include "mainwin/instance_lock.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/pet_record.h"
#include "storage/registry.h"

InstanceLock::InstanceLock(const QString& path) : path_(path) {}

QString InstanceLock::DefaultPath()
{
#ifdef Q_OS_WIN
    return QDir::tempPath() + QStringLiteral("/VASPO.lock");
#else
    // Beside the stored fish: one lock per store, as there is one fish per store.
    QString file = RegKeyFilePath(vaspo::KeyPath);
    file.chop(int(qstrlen(".conf")));
    return file + QStringLiteral(".lock");
#endif
}

bool InstanceLock::AnotherInstanceRunning()
{
    if (lock_ && lock_->isLocked()) {
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);  // judged by its owner being alive, not by age
    if (lock_->tryLock(0)) {
        return false;
    }
    // A lock we cannot take for another reason (an unwritable folder) must
    // not keep the fish from its owner.
    return lock_->error() == QLockFile::LockFailedError;
}

void InstanceLock::Release()
{
    if (lock_) {
        lock_->unlock();
    }
}
