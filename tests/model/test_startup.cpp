// The start procedure, driven with scripted answers.
#include <QtTest>

#include "support/scripted.h"

namespace {

struct StartRig : ModelRig {
    FakeHost host;
    StartRig()
    {
        host.folder = world.program.path();  // without the trailing separator
        model.AppFolder.clear();
    }
    void Start() { model.StartProcedure(host); }
    bool KeyExists() const { return QFile::exists(RegKeyFilePath(vaspo::KeyPath)); }
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStart()
    {
        StartRig rig;
        rig.dialogs.inputs = {"ななしの権兵衛"};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        rig.Start();

        const MsgRequest& welcome = rig.dialogs.shown[0];
        QCOMPARE(welcome.title, QString("ばすぽう - はじめまして！"));
        QCOMPARE(welcome.icon, MsgIcon::Information);
        const QStringList lines = welcome.text.split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QString("--- ばすぽう ---"));
        QCOMPARE(lines[4], QString("そうしないと,,,,,"));
        QCOMPARE(lines[6], QString());
        QCOMPARE(rig.dialogs.prompts, QStringList({"名前を付けてね|はじめまして....ばすぽう|ななしの権兵衛"}));
        QCOMPARE(rig.dialogs.shown[1].text, QString("このばすぽうはオスですか？"));
        QCOMPARE(rig.dialogs.shown[1].title, QString("ばすぽうの性別を決定します"));

        const PetRecord& p = rig.model.pet;
        QCOMPARE(p.FishName, QString("ななしの権兵衛"));
        QCOMPARE(p.Sex, 0);
        QCOMPARE(p.StartDay, rig.Today());
        QCOMPARE(p.LastRunDay, rig.Today());
        QCOMPARE(p._StartDay, QString("2026/12/06"));
        QCOMPARE(ReadRegString(vaspo::KeyPath, "_StartDay"), QString("2026/12/06"));
        QCOMPARE(rig.model.AppFolder, rig.world.ProgramFolder());
        QCOMPARE(rig.model.MoveFilePath, rig.world.ProgramFolder() + "VASPO.MNB");
        QCOMPARE(rig.model.HelpFile, rig.world.ProgramFolder() + "VASPO.HLP");
        QCOMPARE(rig.host.caption, QString("ななしの権兵衛 - ばすぽう"));
        QCOMPARE(rig.host.status, QString("私の名前は、ななしの権兵衛です。可愛がってね。"));
        QCOMPARE(rig.host.calls, QStringList({"prepare", "picture", "tray", "timer", "show"}));
        QCOMPARE(rig.window.genki, QString("66.7%"));
        QCOMPARE(rig.window.stress, QString("0"));
        QCOMPARE(rig.window.water, QString("0.0%"));
        QCOMPARE(rig.model.NoSave, 0);
    }

    void femaleWhenTheAnswerIsNo()
    {
        StartRig rig;
        rig.dialogs.inputs = {"はなこ"};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No};
        rig.Start();
        QCOMPARE(rig.model.pet.Sex, 1);
    }

    void cancelThenNoAsksAgain()
    {
        StartRig rig;
        rig.dialogs.inputs = {"", "たろう"};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No, MsgAnswer::Yes};
        rig.Start();
        QCOMPARE(rig.dialogs.prompts.size(), 2);
        QCOMPARE(rig.dialogs.Titles(), QStringList({"ばすぽう - はじめまして！", "ばすぽうはお嫌い？",
                                                    "ばすぽうの性別を決定します"}));
        QCOMPARE(rig.dialogs.shown[1].text, QString("飼育するのをやめますか？"));
        QCOMPARE(rig.model.pet.FishName, QString("たろう"));
        QCOMPARE(rig.host.calls.last(), QString("show"));
    }

    void cancelThenYesEndsWithNothingStored()
    {
        StartRig rig;
        rig.dialogs.inputs = {""};
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.Start());
        QCOMPARE(rig.model.NoSave, 1);
        QVERIFY(!rig.KeyExists());
        QVERIFY(rig.host.calls.isEmpty());
    }

    void upgradeNoticeForAnOlderVersion()
    {
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "Version", "0.31");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        rig.Start();
        QCOMPARE(rig.dialogs.shown.size(), 1);
        const MsgRequest& notice = rig.dialogs.shown[0];
        QCOMPARE(notice.title, QString("ばすぽうバージョンアップ情報"));
        const QStringList lines = notice.text.split('\n');
        QCOMPARE(lines.size(), 14);
        QCOMPARE(lines[3], QString("Ver0.31→0.32"));
        QCOMPARE(lines[4], QString("　・2001/01/01に世話ができないバグを修正"));
        QCOMPARE(lines[13], QString("これからも、ばすぽうをどうぞよろしく！"));
        QVERIFY(rig.dialogs.prompts.isEmpty());
        QCOMPARE(rig.host.caption, QString("ぎんじろう - ばすぽう"));
    }

    void currentVersionIsNotGreeted()
    {
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        rig.Start();
        QVERIFY(rig.dialogs.shown.isEmpty());
    }

    void fishDyingInTheCatchUpNeverShowsTheTank()
    {
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        WriteRegString(vaspo::KeyPath, "Speed", "100");
        WriteRegString(vaspo::KeyPath, "LastRunDay", QString::number(rig.Today() - 5));
        WriteRegString(vaspo::KeyPath, "EatFood", QString::number(rig.Today() - 5));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.Start());
        QVERIFY(!rig.host.calls.contains("show"));
        QVERIFY(!rig.host.calls.contains("prepare"));
        QCOMPARE(rig.dialogs.Titles().last(), QString("死んじゃいました"));
        QVERIFY(!rig.KeyExists());
    }

    void regdelDeletesTheKey_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("deletes");
        QTest::newRow("upper case") << QStringList{"/REGDEL"} << true;
        QTest::newRow("lower case") << QStringList{"/regdel"} << true;
        QTest::newRow("something after") << QStringList{"/REGDEL", "x"} << false;
        QTest::newRow("something before") << QStringList{"x", "/REGDEL"} << false;
        QTest::newRow("glued") << QStringList{"/REGDELX"} << false;
    }
    void regdelDeletesTheKey()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, deletes);
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        rig.host.arguments = arguments;
        if (deletes) {
            QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.Start());
            QVERIFY(!rig.KeyExists());
            QCOMPARE(rig.dialogs.shown[0].text, QString("ばすぽうに関するレジストリをすべて削除しました。"));
            QCOMPARE(rig.dialogs.shown[0].title, QString("レジストリを削除しました！"));
        } else {
            rig.Start();
            QCOMPARE(rig.model.pet.FishName, QString("ぎんじろう"));
        }
    }

    void secondInstanceIsRefused()
    {
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        rig.host.otherInstance = true;
        rig.host.arguments = {"/REGDEL"};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.Start());
        QCOMPARE(rig.dialogs.shown.size(), 1);
        QCOMPARE(rig.dialogs.shown[0].text, QString("もう起動してるよ"));
        QCOMPARE(rig.dialogs.shown[0].title, QString("一匹で十分なの"));
        QVERIFY(rig.model.pet.FishName.isEmpty());  // nothing loaded
        QVERIFY(rig.KeyExists());
    }

    void backgroundPictureOnlyWhenItsFileExists()
    {
        StartRig rig;
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        WriteRegString(vaspo::KeyPath, "PicFileName", rig.world.ProgramFolder() + "gone.bmp");
        rig.Start();
        QVERIFY(rig.model.pet.PicFileName.isEmpty());
        QVERIFY(rig.host.picture.isEmpty());

        StartRig kept;
        const QString picture = kept.world.ProgramFolder() + "tank.bmp";
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        WriteRegString(vaspo::KeyPath, "Version", "0.32");
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
        WriteRegString(vaspo::KeyPath, "PicFileName", picture);
        kept.Start();
        QCOMPARE(kept.model.pet.PicFileName, picture);
        QCOMPARE(kept.host.picture, picture);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
