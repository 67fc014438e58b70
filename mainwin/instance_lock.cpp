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

InstanceState InstanceLock::Check()
{
    if (lock_ && lock_->isLocked()) {
        return InstanceState::Alone;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);  // judged by its owner being alive, not by age
    if (lock_->tryLock(0)) {
        return InstanceState::Alone;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        return InstanceState::NoLock;  // an unwritable folder
    }
    qint64 pid = 0;
    QString host, application;
    if (!lock_->getLockInfo(&pid, &host, &application) && lock_->removeStaleLockFile() && lock_->tryLock(0)) {
        return InstanceState::Alone;  // no owner to be read: a crash's leftover
    }
    return InstanceState::AnotherRunning;
}

void InstanceLock::Release()
{
    if (lock_) {
        lock_->unlock();
    }
}
