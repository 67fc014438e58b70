#pragma once
// The start procedure's view of the running program.

#include <QStringList>

#include "model/startup.h"

class InstanceLock;
class frmMain;
class frmTray;

class TankStartup : public StartupHost {
public:
    TankStartup(frmMain& main, frmTray& tray, InstanceLock& lock, QStringList arguments, QString programFolder);

    // Where the tank keeps its files when its program folder is not writable.
    static QString UserDataFolder();

    InstanceState CheckInstance() override;
    QStringList Arguments() const override { return arguments_; }
    QString ProgramFolder() const override { return folder_; }
    bool ProgramFolderWritable() const override;
    QString DataFolder() const override { return UserDataFolder(); }
    QString HelpFile() const override;
    ScreenTwips Screen() const override;
    void PrepareTank() override;
    void SetBackgroundPicture(const QString& path) override;
    void SetCaption(const QString& text) override;
    void LoadTray() override;
    void StartTimer() override;
    void ShowTank() override;

private:
    QString HelpBeside() const;
    QString HelpInstalled() const;
    bool Installed() const;
    frmMain& main_;
    frmTray& tray_;
    InstanceLock& lock_;
    QStringList arguments_;
    QString folder_;
};
