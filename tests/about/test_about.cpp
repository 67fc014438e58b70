// The about box and its uninstaller, driven with scripted answers.
#include "about/frm_about.h"
#include "support/tank_rig.h"

namespace {

// A fish stored and started at login, in the test's own store.
struct AboutRig : ModelRig {
    int trayUnloads = 0;
    int endsWhenTrayUnloaded = -1;
    frmAbout box{model, [this] {
                     ++trayUnloads;
                     endsWhenTrayUnloaded = end.ends;
                 }};
    Autostart login;

    AboutRig()
    {
        Store({{"Version", vaspo::Version}, {"FishName", "ぎんじろう"}});
        login.Enable(QCoreApplication::applicationFilePath());
        box.StartAtLogin = login;
    }
};

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void uninstallOnlyAfterTwoYeses()
    {
        // No or Cancel at the first question, or No at the last: everything stays.
        for (const QList<MsgAnswer>& answers :
             QList<QList<MsgAnswer>>{{MsgAnswer::No}, {MsgAnswer::Cancel}, {MsgAnswer::Yes, MsgAnswer::No}}) {
            AboutRig rig;
            rig.dialogs.answers.assign(answers.begin(), answers.end());
            QTest::mouseClick(rig.box.Command2, Qt::LeftButton);
            QCOMPARE(std::tuple(rig.dialogs.shown.size(), rig.model.NoSave, rig.trayUnloads, rig.KeyExists(),
                                rig.login.Enabled()),
                     std::tuple(answers.size(), 0, 0, true, true));
            QCOMPARE(rig.dialogs.shown[0].defaultButton, MsgAnswer::No);
        }

        AboutRig rig;
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(rig.box.Command2, Qt::LeftButton));
        // Gone, not started at login again, not written back, and the tray icon went before the end.
        QCOMPARE(std::tuple(rig.KeyExists(), rig.login.Enabled(), rig.registry.writes.size(), rig.model.NoSave,
                            rig.endsWhenTrayUnloaded),
                 std::tuple(false, false, 0, 1, 0));
        QCOMPARE(rig.dialogs.titles.last(), QString("アンインストールしました！"));

        // /REGDEL only forgets the fish: the next login starts the program for a new owner.
        AboutRig regdel;
        FakeHost host;
        host.arguments = {"/REGDEL"};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, regdel.model.StartProcedure(host));
        QCOMPARE(std::tuple(regdel.KeyExists(), regdel.login.Enabled()), std::tuple(false, true));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
