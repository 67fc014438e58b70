#include "app/tank_program.h"

#include <QApplication>

TankProgram::TankProgram(const QStringList& arguments, const QString& programFolder, const QString& lockPath)
    : lock_(lockPath), host_(main_, tray_, lock_, arguments, programFolder)
{
    // The tank may hide in the notification area; that is not the end.
    QApplication::setQuitOnLastWindowClosed(false);
    main_.AttachTray(&tray_);
    model_.AttachMainWindow(&main_);
    dialogs_.Owner = [this]() -> QWidget* { return &main_; };
    main_.SetStartupHost(&host_);
    QObject::connect(&sessionEnd_, &SessionEnd::EndRequested, &main_, &frmMain::RequestClose);
}

void TankProgram::Start()
{
    model_.StartProcedure(host_);
}
