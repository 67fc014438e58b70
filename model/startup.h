#pragma once
// What the start procedure needs from the program around it.

#include <QString>
#include <QStringList>

#include "model/vaspo.h"

class StartupHost {
public:
    virtual ~StartupHost() = default;
    // Takes the one-copy lock, or tells why not.
    virtual InstanceState CheckInstance() = 0;
    virtual QStringList Arguments() const = 0;  // without the program itself
    virtual QString ProgramFolder() const = 0;
    virtual bool ProgramFolderWritable() const = 0;
    // Where the program keeps its files when its own folder is not writable.
    virtual QString DataFolder() const = 0;
    virtual QString HelpFile() const = 0;
    virtual ScreenTwips Screen() const = 0;

    // Cursor, fish pictures, on-top mode, option check marks and the stored
    // window geometry, all from the loaded record.
    virtual void PrepareTank() = 0;
    virtual void SetBackgroundPicture(const QString& path) = 0;  // empty: none
    virtual void SetCaption(const QString& text) = 0;
    virtual void LoadTray() = 0;
    virtual void StartTimer() = 0;
    virtual void ShowTank() = 0;
};
