#pragma once
// Scripted stand-ins for the world outside the model.

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <stdexcept>

#include "model/seams.h"
#include "model/startup.h"
#include "model/vaspo.h"
#include "storage/registry.h"

struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

class ScriptedClock : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0));
    QDateTime Now() const override { return now; }
    void SetDate(const QDate& date) { now.setDate(date); }
    void NextDay() { now = now.addDays(1); }
};

// Hands out the queued draws; once they run out, `fallback`.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> draws;
    double fallback = 0.0;
    int randomizeCalls = 0;
    int drawCount = 0;
    void Randomize() override { ++randomizeCalls; }
    double Rnd() override
    {
        ++drawCount;
        if (draws.empty()) {
            return fallback;
        }
        const double r = draws.front();
        draws.pop_front();
        return r;
    }
};

// Answers message boxes from a queue (Ok when empty) and input boxes from
// another; records every request.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<MsgAnswer> answers;
    std::deque<QString> inputs;
    QList<MsgRequest> shown;
    QStringList prompts;
    std::function<void(const MsgRequest&)> onMessage;

    MsgAnswer MsgBox(const MsgRequest& request) override
    {
        shown.append(request);
        if (onMessage) {
            onMessage(request);
        }
        if (answers.empty()) {
            return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
        }
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        prompts.append(prompt + QLatin1Char('|') + title + QLatin1Char('|') + defaultText);
        if (inputs.empty()) {
            return {};
        }
        const QString text = inputs.front();
        inputs.pop_front();
        return text;
    }
    QStringList Titles() const
    {
        QStringList titles;
        for (const MsgRequest& r : shown) {
            titles.append(r.title);
        }
        return titles;
    }
};

class ThrowingEnd : public ProgramEnd {
public:
    int ends = 0;
    void End() override
    {
        ++ends;
        throw ProgramEnded();
    }
};

class FakeMainWindow : public MainWindowPort {
public:
    QString genki, stress, water;
    WaterColour colour;
    int sorts = 0;
    bool fishHidden = false;
    int unloads = 0;
    WindowPlacement placement{false, 150, 300, 2805, 5580};
    std::function<void()> onUnload;

    void ShowGenki(const QString& text) override { genki = text; }
    void ShowStress(const QString& text) override { stress = text; }
    void ShowWater(const QString& text, const WaterColour& c) override
    {
        water = text;
        colour = c;
    }
    void lblSort() override { ++sorts; }
    void HideFish() override { fishHidden = true; }
    void Unload() override
    {
        ++unloads;
        if (onUnload) {
            onUnload();
        }
    }
    WindowPlacement Placement() const override { return placement; }
};

// Writes through to the real store and remembers the order of the writes.
class RecordingRegistry : public RegistryAccess {
public:
    QStringList writes;
    QStringList reads;
    bool failWrites = false;
    QString ReadRegString(const QString& key, const QString& name) override
    {
        reads.append(name);
        return RegistryAccess::ReadRegString(key, name);
    }
    qint16 ReadRegInteger(const QString& key, const QString& name) override
    {
        reads.append(name);
        return ::ReadRegInteger(key, name);
    }
    qint32 ReadRegLong(const QString& key, const QString& name) override
    {
        reads.append(name);
        return ::ReadRegLong(key, name);
    }
    bool WriteRegString(const QString& key, const QString& name, const QString& text) override
    {
        writes.append(name);
        return !failWrites && RegistryAccess::WriteRegString(key, name, text);
    }
};

// A private settings folder and program folder for one test.
class TempWorld {
public:
    QTemporaryDir config;
    QTemporaryDir program;
    TempWorld() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    QString ProgramFolder() const { return program.path() + QLatin1Char('/'); }
};

// A model wired to scripted seams, in a private settings and program folder.
struct ModelRig {
    TempWorld world;
    ScriptedClock clock;
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    ThrowingEnd end;
    RecordingRegistry registry;
    FakeMainWindow window;
    Vaspo model{clock, random, dialogs, end, registry};

    ModelRig()
    {
        model.AppFolder = world.ProgramFolder();
        model.MoveFilePath = model.AppFolder + vaspo::MoveFileName;
        model.HelpFile = model.AppFolder + vaspo::HelpFileName;
        model.AttachMainWindow(&window);
    }
    qint32 Today() const { return DayNumberOf(clock.now.date()); }
    // A healthy fish kept since `daysAgo` days, last run yesterday.
    void HealthyFish(qint32 daysAgo = 5)
    {
        PetRecord& p = model.pet;
        p.FishName = QStringLiteral("ななしの権兵衛");
        p.Speed = 667;
        p.Stress = 0;
        p.WaterConc = 255;
        p.StartDay = Today() - daysAgo;
        p._StartDay = clock.now.date().addDays(-daysAgo).toString(QStringLiteral("yyyy/MM/dd"));
        p.LastRunDay = Today() - 1;
        p.EatFood = Today() - 1;
        p.WaterDay = Today() - 1;
    }
};

// Records what the start procedure asks of the program around it.
class FakeHost : public StartupHost {
public:
    bool otherInstance = false;
    QStringList arguments;
    QString folder;
    QStringList calls;
    QString status, caption, picture;

    bool AnotherInstanceRunning() override { return otherInstance; }
    QStringList Arguments() const override { return arguments; }
    QString ProgramFolder() const override { return folder; }
    ScreenTwips Screen() const override { return {0, 0, 1024 * 15, 768 * 15}; }
    void PrepareTank() override { calls.append("prepare"); }
    void SetBackgroundPicture(const QString& path) override
    {
        calls.append("picture");
        picture = path;
    }
    void SetStatusLine(const QString& text) override { status = text; }
    void SetCaption(const QString& text) override { caption = text; }
    void LoadTray() override { calls.append("tray"); }
    void StartTimer() override { calls.append("timer"); }
    void ShowTank() override { calls.append("show"); }
};
