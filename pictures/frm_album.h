#pragma once
// The album: the developed photos of the program folder, one shown at its
// own size.

#include <QMainWindow>

class QLabel;
class QListWidget;
class frmMain;

class frmALBUM : public QMainWindow {
    Q_OBJECT
public:
    explicit frmALBUM(frmMain& main);

    QListWidget* flbALBUM;
    QLabel* imgALBUM;
    QAction* mnuFileDel;
    QAction* mnuFileExit;

    void Form_Load();
    void flbALBUM_Click();
    void imgALBUM_Resize();
    void mnuFileDel_Click();
    void mnuFileExit_Click();

private:
    QString SelectedPath() const;

    frmMain& main_;
    QString folder_;
};
