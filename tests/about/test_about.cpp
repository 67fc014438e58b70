// The about box and its uninstaller, driven with scripted answers.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "about/frm_about.h"
#include "support/scripted.h"

namespace {

struct AboutRig : ModelRig {
    int trayUnloads = 0;
    int endsWhenTrayUnloaded = -1;
    frmAbout box{model, [this] {
                     ++trayUnloads;
                     endsWhenTrayUnloaded = end.ends;
                 }};

    AboutRig()
    {
        WriteRegString(vaspo::KeyPath, "Version", vaspo::Version);
        WriteRegString(vaspo::KeyPath, "FishName", "ぎんじろう");
    }
    bool KeyExists() const { return QFile::exists(RegKeyFilePath(vaspo::KeyPath)); }
};

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void loadFillsInTheTexts()
    {
        AboutRig rig;
        QCOMPARE(rig.box.windowTitle(), QString("ばすぽうについて"));
        QCOMPARE(rig.box.lblProgName->text(), QString("ばすぽう Ver.0.32"));
        QCOMPARE(rig.box.lblMakeDay->text(), QString("2001/01/01"));
        QCOMPARE(rig.box.lblinternet->text(), QString("E-Mail: vaspo@example.org"));
        QVERIFY(rig.box.lblProgName->font().bold());
        QCOMPARE(rig.box.Image1->pixmap().size(), QSize(32, 32));
        QCOMPARE(rig.box.Image2->toolTip(), rig.box.Image1->toolTip());
        QCOMPARE(rig.box.lblinternet->cursor().hotSpot(), QPoint(11, 1));
    }

    void layoutInPixels()
    {
        AboutRig rig;
        QCOMPARE(rig.box.size(), QSize(264, 129));
        QCOMPARE(rig.box.minimumSize(), rig.box.maximumSize());
        QCOMPARE(rig.box.Command1->geometry(), QRect(128, 96, 129, 25));
        QCOMPARE(rig.box.Image1->geometry(), QRect(224, 8, 32, 32));
        QCOMPARE(rig.box.lblinternet->geometry(), QRect(8, 72, 249, 17));
        QVERIFY(rig.box.Command1->isDefault());
    }

    void okClosesTheBox()
    {
        AboutRig rig;
        rig.box.show();
        rig.box.Command1_Click();
        QVERIFY(!rig.box.isVisible());
        QCOMPARE(rig.box.result(), int(QDialog::Accepted));
    }

    void refusingKeepsEverything_data()
    {
        QTest::addColumn<QList<MsgAnswer>>("answers");
        QTest::addColumn<int>("questions");
        QTest::newRow("no at first") << QList<MsgAnswer>{MsgAnswer::No} << 1;
        QTest::newRow("cancel at first") << QList<MsgAnswer>{MsgAnswer::Cancel} << 1;
        QTest::newRow("yes then no") << QList<MsgAnswer>{MsgAnswer::Yes, MsgAnswer::No} << 2;
    }
    void refusingKeepsEverything()
    {
        QFETCH(QList<MsgAnswer>, answers);
        QFETCH(int, questions);
        AboutRig rig;
        rig.dialogs.answers.assign(answers.begin(), answers.end());
        rig.box.show();
        rig.box.Command2_Click();

        QCOMPARE(rig.dialogs.shown.size(), questions);
        QVERIFY(rig.KeyExists());
        QCOMPARE(ReadRegString(vaspo::KeyPath, "FishName"), QString("ぎんじろう"));
        QCOMPARE(rig.model.NoSave, 0);
        QVERIFY(rig.box.isVisible());
        QCOMPARE(rig.trayUnloads, 0);
        QCOMPARE(rig.end.ends, 0);
    }

    void yesTwiceUninstallsAndEnds()
    {
        AboutRig rig;
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.box.Command2_Click());

        QVERIFY(!rig.KeyExists());
        QCOMPARE(rig.model.NoSave, 1);
        QVERIFY(rig.registry.writes.isEmpty());
        QCOMPARE(rig.trayUnloads, 1);
        QCOMPARE(rig.endsWhenTrayUnloaded, 0);
        QCOMPARE(rig.end.ends, 1);

        QCOMPARE(rig.dialogs.shown.size(), 3);
        const MsgRequest& first = rig.dialogs.shown[0];
        QCOMPARE(first.title, QString("アンインストール"));
        QCOMPARE(first.text.split('\n'), QStringList({"アンストールします。", "現在の設定などをレジストリから削除します。",
                                                      "削除すると二度と復活できなくなります。", "よろしいですか？"}));
        const MsgRequest& second = rig.dialogs.shown[1];
        QCOMPARE(second.title, QString("アンインストール・最終確認"));
        QCOMPARE(second.text, QString("アンインストールします。\n本当によろしいですか？"));
        for (const MsgRequest& question : {first, second}) {
            QCOMPARE(question.icon, MsgIcon::Question);
            QCOMPARE(question.buttons, MsgButtons::YesNo);
            QCOMPARE(question.defaultButton, MsgAnswer::No);
        }
        const MsgRequest& done = rig.dialogs.shown[2];
        QCOMPARE(done.title, QString("アンインストールしました！"));
        QCOMPARE(done.text, QString("レジストリを削除しました。\n終了後、インストールした実行ファイル・ヘルプファイル・"
                                    "ドキュメントファイルなどを削除してください。"));
        QCOMPARE(done.icon, MsgIcon::Information);
        QCOMPARE(done.buttons, MsgButtons::OkOnly);
    }

    void nextStartIsAFirstStart()
    {
        AboutRig rig;
        rig.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, rig.box.Command2_Click());

        FakeHost host;
        host.folder = rig.world.program.path();
        rig.dialogs.shown.clear();
        rig.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
        rig.dialogs.inputs = {"たろう"};
        rig.model.StartProcedure(host);

        QCOMPARE(rig.dialogs.shown.first().title, QString("ばすぽう - はじめまして！"));
        QCOMPARE(rig.dialogs.prompts, QStringList({"名前を付けてね|はじめまして....ばすぽう|ななしの権兵衛"}));
        QCOMPARE(rig.model.pet.FishName, QString("たろう"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
