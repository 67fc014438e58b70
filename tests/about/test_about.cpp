// The about box and its uninstaller, driven with scripted answers.
#include "about/frm_about.h"
#include "support/tank_rig.h"

namespace {

// A fish stored and started at login, in the test's own store.
struct AboutRig : ModelRig {
    int endsWhenTrayUnloaded = -1;  // -1: never unloaded
    frmAbout box{model, [this] { endsWhenTrayUnloaded = end.ends; }};
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
        // No at the first question or at the last: everything stays, and No is what Enter answers.
        const MsgAnswer yes = MsgAnswer::Yes, no = MsgAnswer::No;
        for (const QList<MsgAnswer>& answers : QList<QList<MsgAnswer>>{{no}, {yes, no}}) {
            AboutRig rig;
            rig.dialogs.answers.assign(answers.begin(), answers.end());
            QTest::mouseClick(rig.box.Command2, Qt::LeftButton);
            QCOMPARE(std::tuple(rig.dialogs.shown.size(), rig.dialogs.shown[0].defaultButton, rig.model.NoSave,
                                rig.endsWhenTrayUnloaded, rig.KeyExists(), rig.login.Enabled()),
                     std::tuple(answers.size(), no, 0, -1, true, true));
        }

        AboutRig rig;
        rig.dialogs.answers = {yes, yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, QTest::mouseClick(rig.box.Command2, Qt::LeftButton));
        // Gone, not started at login again, not written back, and the tray icon went before the end.
        QCOMPARE(std::tuple(rig.KeyExists(), rig.login.Enabled(), rig.registry.writes.size(), rig.model.NoSave,
                            rig.endsWhenTrayUnloaded, rig.dialogs.titles.last()),
                 std::tuple(false, false, 0, 1, 0, QString("アンインストールしました！")));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
