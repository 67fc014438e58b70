// The yardstick of the idle benchmark: a bare Qt window with an idle 200 ms
// timer, which is what any such program costs at the least.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(372, 207);
    window.setWindowTitle(QStringLiteral("bare timer"));
    window.show();
    QTimer timer;
    timer.start(200);
    return QApplication::exec();
}
