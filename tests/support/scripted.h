#pragma once
// Scripted stand-ins for the world outside the model.

#include <QDateTime>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <stdexcept>

#include "model/seams.h"
#include "model/startup.h"
#include "model/vaspo.h"
#include "storage/registry.h"
#include "support/private_store.h"

struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// Takes the front of `queue`; `value` when it is empty.
template <typename T>
T Next(std::deque<T>& queue, T value)
{
    if (!queue.empty()) {
        value = queue.front();
        queue.pop_front();
    }
    return value;
}

inline void Store(const RegValues& values)
{
    for (const auto& [name, text] : values) {
        WriteRegString(vaspo::KeyPath, name, text);
    }
}

inline QString Stored(const char* name)
{
    return ReadRegString(vaspo::KeyPath, name);
}

// A message box as the user meets it: "title|text|icon|buttons".
inline QString Described(const MsgRequest& r)
{
    static const char* const icons[] = {"none", "critical", "question", "exclamation", "information"};
    const char* buttons = r.buttons == MsgButtons::OkOnly       ? "OK"
                          : r.defaultButton == MsgAnswer::No ? "YesNo, No"
                                                             : "YesNo, Yes";
    return r.title + '|' + r.text + '|' + icons[int(r.icon)] + '|' + buttons;
}

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class ScriptedClock : public Clock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0));
    QDateTime Now() const override { return now; }
};

// Hands out the queued draws; once they run out, `fallback`. Notes R for
// each reseed and r for each draw.
class ScriptedRandom : public RandomSource {
public:
    std::deque<double> draws;
    double fallback = 0.0;
    QString log;
    void Randomize() override { log += 'R'; }
    double Rnd() override { return log += 'r', Next(draws, fallback); }
};

// Answers message boxes from a queue (Ok, or No to a question, when empty)
// and input boxes from another; records every request.
class ScriptedDialogs : public Dialogs {
public:
    std::deque<MsgAnswer> answers;
    std::deque<QString> inputs;
    QList<MsgRequest> shown;
    QStringList titles, texts;  // of the shown messages
    std::function<void(const MsgRequest&)> onMessage;
    Dialogs* real = nullptr;  // shows the boxes for real and takes their answers

    MsgAnswer MsgBox(const MsgRequest& request) override
    {
        shown.append(request);
        titles.append(request.title);
        texts.append(request.text);
        if (onMessage) {
            onMessage(request);
        }
        return real ? real->MsgBox(request)
                    : Next(answers, request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok);
    }
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        return real ? real->InputBox(prompt, title, defaultText) : Next(inputs, QString());
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

// Stands in for the main window and notes what the model tells it.
class FakeMainWindow : public MainWindowPort {
public:
    QString genki, stress, water, status;
    WaterColour colour;
    QString order;  // E, S and W for each energy, stress and water change
    bool fishHidden = false;
    int unloads = 0;
    QStringList messages;  // "caption|text" of the fish's messages
    WindowPlacement placement{false, 150, 300, 2805, 5580};

    void Follow(Vaspo& model)
    {
        QObject::connect(&model, &Vaspo::EnergyChanged, &model, [this](const QString& t) { genki = t, order += 'E'; });
        QObject::connect(&model, &Vaspo::StressChanged, &model, [this](const QString& t) { stress = t, order += 'S'; });
        QObject::connect(&model, &Vaspo::WaterChanged, &model, [this](const QString& t, const WaterColour& c) {
            std::tie(water, colour) = std::tie(t, c), order += 'W';
        });
        QObject::connect(&model, &Vaspo::StatusLineChanged, &model, [this](const QString& t) { status = t; });
        QObject::connect(&model, &Vaspo::Dying, &model, [this] { fishHidden = true; });
        QObject::connect(&model, &Vaspo::PetMessage, &model,
                         [this](const QString& t, const QString& caption) { messages.append(caption + '|' + t); });
    }
    std::function<void()> onUnload;  // the real window ends the program here
    void Unload() override
    {
        ++unloads;
        if (onUnload) {
            onUnload();
        }
    }
    WindowPlacement Placement() const override { return placement; }
};

// Writes through to the real store, noting the names written and the writes; can fail every write.
class RecordingRegistry : public RegistryAccess {
public:
    QStringList writes;
    int batches = 0;
    bool failWrites = false;
    bool WriteRegString(const QString& k, const QString& n, const QString& text) override
    {
        return WriteRegValues(k, {{n, text}});
    }
    bool WriteRegValues(const QString& k, const RegValues& values) override
    {
        ++batches;
        for (const auto& value : values) {
            writes.append(value.first);
        }
        return !failWrites && ::WriteRegValues(k, values);
    }
};

// A model wired to scripted seams, in a private settings store and program folder.
struct ModelRig : PrivateStore {
    QTemporaryDir program;
    ScriptedClock clock;
    ScriptedRandom random;
    ScriptedDialogs dialogs;
    ThrowingEnd end;
    RecordingRegistry registry;
    FakeMainWindow window;
    Vaspo model{clock, random, dialogs, end, registry};

    ModelRig()
    {
        model.AppFolder = program.path() + '/';
        model.MoveFilePath = model.AppFolder + vaspo::MoveFileName;
        model.AttachMainWindow(&window);
        window.Follow(model);
        window.onUnload = [this] { end.End(); };
    }
    qint32 Today() const { return DayNumberOf(clock.now.date()); }
    bool KeyExists() const { return RegKeyExists(vaspo::KeyPath); }
};

// A model with a healthy fish kept since `daysAgo` days, last run yesterday;
// `today` sets the clock's date first.
struct FishRig : ModelRig {
    explicit FishRig(qint32 daysAgo = 5, const QDate& today = {})
    {
        if (today.isValid()) {
            clock.now.setDate(today);
        }
        PetRecord& p = model.pet;
        std::tie(p.FishName, p.Speed, p.WaterConc) = std::tuple(QStringLiteral("ななしの権兵衛"), 667, 255);
        p.StartDay = Today() - daysAgo;
        p._StartDay = clock.now.date().addDays(-daysAgo).toString(QStringLiteral("yyyy/MM/dd"));
        p.LastRunDay = p.EatFood = p.WaterDay = Today() - 1;
    }
};

// A fish alone with the model, run today; the stress draws take the largest step.
struct Fish : FishRig {
    explicit Fish(const QDate& today = {}) : FishRig(5, today)
    {
        model.pet.LastRunDay = Today();
        random.fallback = 0.999;
    }
};

// Records what the start procedure asks of the program around it.
class FakeHost : public StartupHost {
public:
    InstanceState instance = InstanceState::Alone;
    QStringList arguments;
    QString folder, dataFolder;
    bool writable = true;
    QStringList calls;

    InstanceState CheckInstance() override { return instance; }
    QStringList Arguments() const override { return arguments; }
    QString ProgramFolder() const override { return folder; }
    bool ProgramFolderWritable() const override { return writable; }
    QString DataFolder() const override { return dataFolder; }
    QString HelpFile() const override { return folder + "/VASPO.HLP"; }
    ScreenTwips Screen() const override { return {0, 0, 1024 * 15, 768 * 15}; }
    void PrepareTank() override { calls.append("prepare"); }
    void SetBackgroundPicture(const QString&) override { calls.append("picture"); }
    void SetCaption(const QString&) override {}
    void LoadTray() override { calls.append("tray"); }
    void StartTimer() override { calls.append("timer"); }
    void ShowTank() override { calls.append("show"); }
};
