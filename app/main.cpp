#include <QApplication>
#include <QIcon>

#include "app/tank_program.h"
#include "mainwin/desktop_setup.h"

int main(int argc, char** argv)
{
    PreferX11UnderWayland(argc, argv);
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/vaspo_icon.xpm")));
    // Panels, task switchers and compositors find the launcher and its icon by this. No display
    // name: Qt would append it to every caption the windows show.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vaspo"));
    UseUiLanguage(app);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    TankProgram program(arguments, QCoreApplication::applicationDirPath());
    program.Start();
    return QApplication::exec();
}
