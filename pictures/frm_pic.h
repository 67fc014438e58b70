#pragma once
// Choosing the tank's background picture: a volume, a folder, a file and
// a preview.

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class frmMain;

class frmPic : public QDialog {
    Q_OBJECT
public:
    explicit frmPic(frmMain& main);

    QComboBox* drvPic;
    QListWidget* dirPic;
    QListWidget* flbPic;
    QLabel* pcbPic;
    QPushButton* cmdDEF;
    QPushButton* cmdCancel;
    QPushButton* cmdOK;

    void drvPic_Change();
    void dirPic_Change();
    void flbPic_Click();
    void cmdOK_Click();
    void cmdDEF_Click();
    void cmdCancel_Click();

    QString FolderPath() const { return folder_; }
    void OpenFolder(const QString& path);

private:
    QString SelectedPath() const;
    void ShowVolumeOf(const QString& folder);

    frmMain& main_;
    QString folder_;
};

// The volumes a user can choose pictures from: on Windows the drives; else
// the root, the home folder and mounted removable media.
QStringList PictureVolumes();
