#pragma once
// The pet model: the record of the one fish, the values that live beside it,
// and the procedures that every window shares (the daily simulation, death,
// speech, the move file, loading and saving).

#include <QDate>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

#include "model/pet_record.h"
#include "model/seams.h"

#include <functional>

class QLocale;
class RegistryAccess;
class StartupHost;

// The desktop's screens in twips; the first is the primary one. Beside each,
// its usable area: what its panels, docks and taskbar leave free (the whole
// screen where none is given).
struct ScreenTwips {
    QList<QRect> screens;
    QList<QRect> usable;
    ScreenTwips(std::initializer_list<QRect> all) : screens(all) {}
    ScreenTwips(qint32 left, qint32 top, qint32 width, qint32 height) : screens{QRect(left, top, width, height)} {}
    QRect Usable(qsizetype screen) const { return usable.value(screen, screens.value(screen)); }
};

inline constexpr int TwipsPerPixel = 15;

// The smallest tank, in pixels, that still shows its menu bar, the fish and
// the status row: a smaller stored size is repaired at load, and the window
// cannot be made smaller.
inline constexpr QSize SmallestTank(160, 100);
// A stored place is kept when this much of the tank's top-left corner, in
// pixels, lies on the usable area of a screen.
inline constexpr QSize UsableCorner(100, 50);

// Days since 1989-12-31 in the local calendar (1990-01-01 is day 1).
qint32 DayNumberOf(const QDate& date);

// The tank's share of a care action: the food sinking (with its wait after)
// and the pauses while the tank shows what happens.
struct CareScene {
    std::function<void(int kind)> dropFood;
    std::function<void(int ms)> pause;
};

enum class FeedRefusal { None, FeederDay, ThreeADay };
inline constexpr int FortuneFood = 99;  // the food kinds are 0, 1, 2 and this

// The separator of the desktop's short dates; "/" where it has none.
QString DateSeparator(const QLocale& locale);

// How a chosen background picture's path is kept: as chosen where file
// names tell letter case apart, in upper case where they do not (Windows).
QString StoredPicturePath(const QString& chosen);

// The first thing to say to the fish at this hour.
QString TalkGreeting(int hour);

// "##0.0" figures as the labels show them, without the "%".
QString EnergyFigure(qint16 speed);
QString PollutionFigure(qint16 waterConc);

// The model tells every window that follows it what changed (the shape of a
// game state object); the windows only show it and ask the user.
class Vaspo : public QObject {
    Q_OBJECT
public:
    Vaspo(Clock& clock, RandomSource& random, Dialogs& dialogs, ProgramEnd& end, RegistryAccess& registry);

    PetRecord pet;
    QString AppFolder;     // ends with a separator; made when first written to
    QString OtherFolder;   // the one of program and data folder not chosen; a move file is looked for there too
    QString MoveFilePath;
    QString HelpFile;
    qint16 NoSave = 0;
    qint16 StatusTicks = 0;
    qint16 PlayCount = 0;
    std::array<QString, 61> SpeechSlots;
    // Clock-tick state: the hour of the last monologue and the ticks toward
    // the rest bonus.
    qint16 MonologueHour = 0;
    qint32 ClockTicks = 0;

    // The main window once it exists (saving reads its placement, death
    // closes it).
    void AttachMainWindow(MainWindowPort* window) { main_ = window; }
    MainWindowPort* MainWindow() const { return main_; }

    qint32 DayNumber() const;
    // Days kept, the first day counting as 1 (wide: a stored start day may be anything).
    qint64 DaysKept() const { return qint64(DayNumber()) - pet.StartDay + 1; }
    QDateTime Now() const { return clock_.Now(); }

    // Before the first read: an unreadable store ends the program untouched,
    // a broken one is kept aside, an unwritable one is told.
    void CheckStore();
    void LoadPet(const ScreenTwips& screen);
    void SavePet();

    void ChangeEnergy(qint32 n);
    void ChangeStress(qint16 n);
    void DailyUpdate(qint16 mode);
    bool IsAutoFeedDay(qint32 day) const;

    void PetDies();
    void ConfirmExit();

    QString SpeechLine();
    QString StatusLine() const { return statusLine_; }
    void SetStatusLine(const QString& text);
    // The fish speaks in its message window.
    void ShowPetMessage(const QString& text, const QString& caption);

    // The five things to say: the greeting and three drawn ones, then "no".
    QStringList TalkOptions();
    // Counts the play and answers, with its cost; `declined` is the last option.
    QString TalkAnswer(bool declined);
    // One game with the user's hand (0 rock, 1 paper, 2 scissors): the text.
    QString PlayJanken(int hand);

    // Care. Each completed action is saved at once.
    FeedRefusal FeedingRefusal() const;
    bool FortuneFoodOffered() const;
    // A feeding of `kind` (0..2 or FortuneFood) in quantity `qty` (1..3).
    void Feed(int kind, int qty, const CareScene& scene);
    bool WaterChangeAllowed() const;
    // Exchanges `n` percent of the water, step by step.
    void ChangeWater(int n, const CareScene& scene);
    bool FeederSetOrRunning() const;  // set today, or feeding now
    void ResetFeeder();
    int FeederMaxDays() const;
    void SetFeeder(int days);
    QString StatusReport(const QString& dateSeparator) const;

    // Pictures: the date stamp of a photo and the file it is developed into.
    QString DateStamp() const;
    QString PhotoPath() const;

    // The clock tick after the swimming: the day change, the status line,
    // the monologue and the rest bonus.
    void ClockTick();
    // The fish was stroked too much: it complains and it costs.
    void StrokedTooMuch();
    void ToggleOnTop();
    void ToggleMonologues();
    void ToggleMinTray();

    // Saves the record at once, so that a crash loses no care; only while a
    // named fish is kept and may be saved.
    void SaveNow();
    // Between deleting the stored fish and naming a new one nothing is saved.
    void ReleaseFish() { kept_ = false; }
    bool Kept() const { return kept_; }

    // Writes the move file and deletes the stored fish; false (and nothing
    // deleted) when the file could not be written.
    bool PackTank();

    // The program's start: refuses a second copy, greets, loads or names the
    // fish, catches up on the missed days and shows the tank. Run again by
    // the new-fish command.
    void StartProcedure(StartupHost& host);

    MsgAnswer Message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::OkOnly, MsgAnswer defaultButton = MsgAnswer::Ok);
    // A box of the window `owner` in which the user acted.
    MsgAnswer Message(QObject* owner, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::OkOnly, MsgAnswer defaultButton = MsgAnswer::Ok);
    [[noreturn]] void EndProgram();

    Clock& clock() { return clock_; }
    RandomSource& random() { return random_; }
    Dialogs& dialogs() { return dialogs_; }
    RegistryAccess& registry() { return registry_; }

signals:
    void EnergyChanged(const QString& text);  // "66.7%"
    void StressChanged(const QString& text);
    void WaterChanged(const QString& text, const WaterColour& colour);
    void StatusLineChanged(const QString& text);
    void FishChanged(qint16 sex);  // a fish came: its pictures follow its sex
    void OptionsChanged();
    void Dying();
    void PetMessage(const QString& text, const QString& caption);

private:
    void ImportMoveFile();
    bool StoreMovedFish();
    void ApplyLoadRepairs(const ScreenTwips& screen);
    void ShowWaterState(double clarity);
    void RefreshGenki();
    void RefreshStress();
    void NameNewFish();

    Clock& clock_;
    RandomSource& random_;
    Dialogs& dialogs_;
    ProgramEnd& end_;
    RegistryAccess& registry_;
    // A care action is half done: counted, its effects still to come. A
    // save now (a day change during its pauses) would keep only half of it.
    struct CareUnderWay {
        explicit CareUnderWay(bool& flag) : flag_(flag) { flag_ = true; }
        ~CareUnderWay() { flag_ = false; }
        bool& flag_;
    };
    bool careUnderWay_ = false;
    MainWindowPort* main_ = nullptr;
    QString statusLine_;
    bool dying_ = false;
    bool kept_ = false;
};
