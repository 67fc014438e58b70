// The English interface beside the Japanese one.
#include <QXmlStreamReader>

#include "mainwin/desktop_setup.h"
#include "support/tank_rig.h"

namespace {

// context + source -> translation; "unfinished" for one that is not done.
QMap<QString, QString> ReadTs(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QMap<QString, QString> messages;
    QString context, source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = !xml.attributes().value("type").isEmpty();
            messages[context + '\t' + source] = unfinished ? QStringLiteral("unfinished") : xml.readElementText();
        }
    }
    return messages;
}

}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void englishTranslationIsComplete()
    {
#ifdef Q_OS_WIN
        QSKIP("lupdate is the build machine's own tool; the Linux suite checks the translation file");
#endif
        const QMap<QString, QString> english = ReadTs(SOURCE_DIR "/translations/vaspo_en.ts");
        // Every text in the code, as lupdate finds it now.
        QTemporaryDir dir;
        const QString fresh = dir.filePath("vaspo_en.ts"), in = SOURCE_DIR "/";
        const QStringList arguments{"-silent", "-locations", "none", "-I", SOURCE_DIR, in + "model", in + "mainwin",
                                    in + "about", in + "play", in + "care", in + "pictures", in + "app", "-ts", fresh};
        QCOMPARE(QProcess::execute(LUPDATE, arguments), 0);
        QStringList faults;
        for (const QString& key : ReadTs(fresh).keys()) {
            const QString source = key.section('\t', 1), text = english.value(key);
            if (!english.contains(key) || text.isEmpty() || text == "unfinished") {
                faults << "untranslated: " + key;
            } else if (text.count('&') != source.count('&') || text.count('\n') != source.count('\n')) {
                faults << "access keys or lines differ: " + key + " -> " + text;
            }
        }
        QVERIFY2(faults.isEmpty() && english.size() > 250, qPrintable(faults.join('\n')));
    }

    void textsFollowTheDesktopLanguage_data()
    {
        QTest::addColumn<QString>("env");
        QTest::addColumn<QStringList>("texts");
        // The program's own, Qt's, the fish's and the help's: one text of each.
        const QStringList japanese{"ﾌｧｲﾙ(&F)", "はい(&Y)", "（やっぱり、やめる）", "ばすぽう ヘルプ"};
        const QStringList english{"&File", "&Yes", "(Never mind)", "VASPO Help"};
        QTest::newRow("C") << "LANG=C.UTF-8" << japanese;
        QTest::newRow("ja") << "LANG=ja_JP.UTF-8" << japanese;
        QTest::newRow("en") << "LANG=en_US.UTF-8" << english;
        QTest::newRow("de, then English") << "LANG=de_DE.UTF-8 LANGUAGE=de:en_GB:ja" << english;
        QTest::newRow("English locale, Japanese first") << "LANG=en_US.UTF-8 LANGUAGE=ja:en" << japanese;
    }
    void textsFollowTheDesktopLanguage()
    {
        QFETCH(QString, env);
        QFETCH(QStringList, texts);
#ifdef Q_OS_WIN
        if (env.contains("LANGUAGE=") || env.contains("C.UTF-8")) {
            QSKIP("the C locale and LANGUAGE lists are POSIX's; Windows has its display language, the other rows");
        }
#endif
        // The locale is read once in a program's life: each language needs a program of its own, this test
        // program run again for the current row under `env`.
        if (!qEnvironmentVariableIsSet("VASPO_LANGUAGE_CHILD")) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
                environment.remove(name);
            }
            for (const QString& variable : (env + " VASPO_LANGUAGE_CHILD=1").split(' ')) {
                environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
            }
            QProcess child;
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag())});
            QVERIFY(child.waitForFinished(60000));
            QVERIFY2(child.exitCode() == 0, child.readAll().constData());
            return;
        }
        UseUiLanguage(*qApp);
        Tank rig;
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        rig.main.mnuHelpHelp->trigger();
        QCOMPARE(QStringList({rig.main.mnuFile->title(), box.button(QMessageBox::Yes)->text(),
                              rig.model.TalkOptions().last(), rig.main.HelpWindow()->documentTitle()}),
                 texts);
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
