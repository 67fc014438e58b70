// Choosing the window system and the Japanese look.
#include <QInputDialog>
#include <QPushButton>
#include <QtTest>

#include "mainwin/desktop_setup.h"
#include "mainwin/qt_dialogs.h"

namespace {

struct Environment {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    QByteArray display = qgetenv("DISPLAY");
    QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    QByteArray session = qgetenv("XDG_SESSION_TYPE");
    ~Environment()
    {
        Restore("QT_QPA_PLATFORM", platform);
        Restore("DISPLAY", display);
        Restore("WAYLAND_DISPLAY", wayland);
        Restore("XDG_SESSION_TYPE", session);
    }
    static void Restore(const char* name, const QByteArray& value)
    {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
};

QByteArray PlatformChosenFor(const QByteArray& display, const QByteArray& wayland, const QByteArray& session,
                             std::vector<const char*> arguments = {"vaspo"})
{
    Environment saved;
    qunsetenv("QT_QPA_PLATFORM");
    Environment::Restore("DISPLAY", display);
    Environment::Restore("WAYLAND_DISPLAY", wayland);
    Environment::Restore("XDG_SESSION_TYPE", session);
    PreferX11UnderWayland(int(arguments.size()), const_cast<char**>(arguments.data()));
    return qgetenv("QT_QPA_PLATFORM");
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void waylandSessionsGoThroughXWayland()
    {
        QCOMPARE(PlatformChosenFor(":0", "wayland-0", "wayland"), QByteArray("xcb"));
        QCOMPARE(PlatformChosenFor(":0", QByteArray(), "wayland"), QByteArray("xcb"));
        QCOMPARE(PlatformChosenFor(":0", QByteArray(), "x11"), QByteArray());
        // No XWayland to go through: leave Qt to its own choice.
        QCOMPARE(PlatformChosenFor(QByteArray(), "wayland-0", "wayland"), QByteArray());
        // The user's own choice stands.
        QCOMPARE(PlatformChosenFor(":0", "wayland-0", "wayland", {"vaspo", "-platform", "wayland"}), QByteArray());
        Environment saved;
        qputenv("QT_QPA_PLATFORM", "wayland");
        qputenv("DISPLAY", ":0");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        PreferX11UnderWayland(1, nullptr);
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
    }

    void japaneseButtonsInMessageAndInputBoxes()
    {
        QtDialogs dialogs;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                buttons.append(button->text());
            }
            box->close();  // closing answers No
        });
        const MsgAnswer answer =
            dialogs.MsgBox({"このばすぽうはオスですか？", "ばすぽうの性別を決定します", MsgIcon::Question,
                            MsgButtons::YesNo, MsgAnswer::Yes});
        QCOMPARE(answer, MsgAnswer::No);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"いいえ", "はい"}));

        buttons.clear();
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownText = box->textValue();
            for (QPushButton* button : box->findChildren<QPushButton*>()) {
                buttons.append(button->text());
            }
            box->reject();
        });
        QCOMPARE(dialogs.InputBox("名前を付けてね", "はじめまして....ばすぽう", "ななしの権兵衛"), QString());
        QCOMPARE(shownText, QString("ななしの権兵衛"));
        buttons.sort();
        QCOMPARE(buttons, QStringList({"OK", "キャンセル"}));
    }

    void japaneseFontComesFirst()
    {
        UseJapaneseUi(*qApp);
        QVERIFY(QApplication::font().families().first().contains("Gothic"));
        QCOMPARE(QLocale().language(), QLocale::Japanese);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
