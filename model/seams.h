#pragma once
// What the pet model needs from the world outside it. The program hands in
// Qt-backed implementations; tests hand in scripted ones, so the model never
// reads the real clock, draws real random numbers or shows a dialog itself.

#include <QDateTime>
#include <QString>

class QObject;

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;  // local date and time
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Randomize() = 0;  // reseed from the clock
    virtual double Rnd() = 0;      // uniform in [0, 1)
};

// Whether this copy of the program may keep the fish.
enum class InstanceState { Alone, AnotherRunning, NoLock };

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { OkOnly, YesNo };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MsgRequest {
    QString text;
    QString title;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OkOnly;
    MsgAnswer defaultButton = MsgAnswer::Ok;
    // The window the user acted in, which the box belongs to; none: the tank.
    QObject* owner = nullptr;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer MsgBox(const MsgRequest& request) = 0;
    // The typed text; empty when the user cancelled.
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program at once: no later handler runs, nothing is saved.
    // Never returns to its caller.
    virtual void End() = 0;
};

struct WaterColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const WaterColour&) const = default;
};

// The main window's outer placement in twips.
struct WindowPlacement {
    bool minimised = false;
    qint32 top = 0;
    qint32 left = 0;
    qint32 height = 0;
    qint32 width = 0;
};

// What the model needs of the main window itself; everything it shows
// follows the model's signals.
class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;
    // Closes the main window the way its close box does (saving unless
    // NoSave); the program ends there. While a care action is under way
    // and there is something to save, the close waits for the action's end
    // and this returns.
    virtual void Unload() = 0;
    virtual WindowPlacement Placement() const = 0;
};

// A window that can be kept above the others.
class TopMostWindow {
public:
    virtual ~TopMostWindow() = default;
    virtual void KeepOnTop(bool onTop) = 0;
    virtual void SendToBottom() = 0;
};
