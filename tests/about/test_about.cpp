// The about box and its uninstaller, driven with scripted answers.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "about/about_menu.h"
#include "about/frm_about.h"
#include "mainwin/widget_order.h"
#include "support/tank_rig.h"

namespace {

struct AboutRig : ModelRig {
    int trayUnloads = 0;
    int endsWhenTrayUnloaded = -1;
    frmAbout box{model, [this] {
                     ++trayUnloads;
                     endsWhenTrayUnloaded = end.ends;
                 }};

    AboutRig() { Store({{"Version", vaspo::Version}, {"FishName", "ぎんじろう"}}); }
};

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void formTextsAndLayout()
    {
        AboutRig rig;
        QCOMPARE(QStringList({rig.box.windowTitle(), rig.box.lblProgName->text(), rig.box.lblMakeDay->text(),
                              rig.box.lblinternet->text()}),
                 QStringList({"ばすぽうについて", "ばすぽう Ver.0.32", "2001/01/01", "E-Mail: vaspo@example.org"}));
        QCOMPARE(std::tuple(rig.box.size(), rig.box.minimumSize(), rig.box.maximumSize()),
                 std::tuple(QSize(264, 129), QSize(264, 129), QSize(264, 129)));  // fixed
        QCOMPARE(std::tuple(rig.box.Command1->geometry(), rig.box.Image1->geometry(), rig.box.lblinternet->geometry()),
                 std::tuple(QRect(128, 96, 129, 25), QRect(224, 8, 32, 32), QRect(8, 72, 249, 17)));
        QVERIFY(rig.box.Command1->isDefault());
    }

void aboutBoxOpensCentredOnTop()
    {
        Tank rig;
        AboutMenu menu(rig.main, rig.tray);
        rig.main.move(0, 0);
        QRect seen;
        bool onTop = false;
        QTimer::singleShot(0, &rig.main, [&] {
            auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = box->frameGeometry();
            onTop = IsKeptOnTop(box);
            box->Command1_Click();
        });
        rig.main.mnuHelpAbout->trigger();
        const QPoint off = seen.center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1 && onTop);
    }

    void refusingKeepsEverything()
    {
        // No or Cancel at the first question, or No at the last.
        for (const QList<MsgAnswer>& answers :
             QList<QList<MsgAnswer>>{{MsgAnswer::No}, {MsgAnswer::Cancel}, {MsgAnswer::Yes, MsgAnswer::No}}) {
            AboutRig rig;
            rig.dialogs.answers.assign(answers.begin(), answers.end());
            rig.box.show();
            rig.box.Command2_Click();
            QCOMPARE(std::tuple(rig.dialogs.shown.size(), rig.model.NoSave, rig.trayUnloads, rig.end.ends),
                     std::tuple(answers.size(), 0, 0, 0));
            QVERIFY(rig.box.isVisible());
            QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString("ぎんじろう"));
        }
    }

    void yesTwiceUninstallsAndTheNextStartIsAFirstStart()
    {
        AboutRig rig;
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.box.Command2_Click());

        QVERIFY(!rig.KeyExists());
        QVERIFY(rig.registry.writes.isEmpty());
        // The tray goes before the end.
        QCOMPARE(std::tuple(rig.model.NoSave, rig.trayUnloads, rig.endsWhenTrayUnloaded, rig.end.ends),
                 std::tuple(1, 1, 0, 1));
        QCOMPARE(rig.dialogs.titles,
                 QStringList({"アンインストール", "アンインストール・最終確認", "アンインストールしました！"}));
        QCOMPARE(rig.dialogs.texts[0].split('\n'),
                 QStringList({"アンストールします。", "現在の設定などをレジストリから削除します。",
                              "削除すると二度と復活できなくなります。", "よろしいですか？"}));
        QCOMPARE(rig.dialogs.texts[1], QString("アンインストールします。\n本当によろしいですか？"));
        QCOMPARE(rig.dialogs.texts[2], QString("レジストリを削除しました。\n終了後、インストールした実行ファイル・"
                                               "ヘルプファイル・ドキュメントファイルなどを削除してください。"));
        for (const MsgRequest& question : rig.dialogs.shown.mid(0, 2)) {
            QCOMPARE(std::tuple(question.icon, question.buttons, question.defaultButton),
                     std::tuple(MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No));
        }
        QCOMPARE(std::tuple(rig.dialogs.shown[2].icon, rig.dialogs.shown[2].buttons),
                 std::tuple(MsgIcon::Information, MsgButtons::OkOnly));

        FakeHost host;
        host.folder = rig.program.path();
        rig.dialogs.titles.clear();
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        rig.dialogs.inputs = {"たろう"};
        rig.model.StartProcedure(host);
        QCOMPARE(rig.dialogs.titles.first(), QString("ばすぽう - はじめまして！"));
        QCOMPARE(rig.dialogs.prompts, QStringList({"名前を付けてね|はじめまして....ばすぽう|ななしの権兵衛"}));
        QCOMPARE(rig.model.pet.FishName, QString("たろう"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
