#pragma once
// The pet model: the record of the one fish, the values that live beside it,
// and the procedures that every window shares (the daily simulation, death,
// speech, the move file, loading and saving).

#include <QDate>
#include <QString>
#include <array>

#include "model/pet_record.h"
#include "model/seams.h"

class RegistryAccess;
class StartupHost;

// The screen (the whole desktop) in twips.
struct ScreenTwips {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
};

inline constexpr int TwipsPerPixel = 15;

// Days since 1989-12-31 in the local calendar (1990-01-01 is day 1).
qint32 DayNumberOf(const QDate& date);

// "##0.0" figures as the labels show them, without the "%".
QString EnergyFigure(qint16 speed);
QString PollutionFigure(qint16 waterConc);

class Vaspo {
public:
    Vaspo(Clock& clock, RandomSource& random, Dialogs& dialogs, ProgramEnd& end, RegistryAccess& registry);

    PetRecord pet;
    QString AppFolder;     // ends with a separator
    QString MoveFilePath;
    QString HelpFile;
    qint16 NoSave = 0;
    qint16 StatusTicks = 0;
    qint16 PlayCount = 0;
    std::array<QString, 61> SpeechSlots;

    // The main window once it exists; label updates go nowhere before.
    void AttachMainWindow(MainWindowPort* window) { main_ = window; }
    MainWindowPort* MainWindow() const { return main_; }

    qint32 DayNumber() const;
    QDateTime Now() const { return clock_.Now(); }

    void LoadPet(const ScreenTwips& screen);
    void SavePet();

    void ChangeEnergy(qint16 n);
    void ChangeStress(qint16 n);
    void DailyUpdate(qint16 mode);
    bool IsAutoFeedDay(qint32 day) const;

    void PetDies();
    void ConfirmExit();

    QString SpeechLine();

    // Writes the move file and deletes the stored fish; false (and nothing
    // deleted) when the file could not be written.
    bool PackTank();

    // The program's start: refuses a second copy, greets, loads or names the
    // fish, catches up on the missed days and shows the tank. Run again by
    // the new-fish command.
    void StartProcedure(StartupHost& host);

    MsgAnswer Message(const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::OkOnly, MsgAnswer defaultButton = MsgAnswer::Ok);
    [[noreturn]] void EndProgram();

    Clock& clock() { return clock_; }
    RandomSource& random() { return random_; }
    Dialogs& dialogs() { return dialogs_; }
    RegistryAccess& registry() { return registry_; }

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
    MainWindowPort* main_ = nullptr;
    bool dying_ = false;
};
