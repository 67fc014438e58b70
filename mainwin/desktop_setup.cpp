#include "mainwin/desktop_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace {

constexpr const char* InstalledName = "vaspoUiTranslator";

void Install(QApplication& app, const QLocale& locale, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(InstalledName));
    if (translator->load(locale, file, QStringLiteral("_"), folder)) {
        QApplication::installTranslator(translator);
    }
}

}  // namespace

bool PrefersEnglish(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::Japanese) {
            return language == QLocale::English;
        }
    }
    return false;
}

void UseUiLanguage(QApplication& app)
{
    for (QTranslator* old : app.findChildren<QTranslator*>(QLatin1String(InstalledName), Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(old);
        delete old;
    }
    const bool english = PrefersEnglish(QLocale::system().uiLanguages());
    const QLocale locale =
        english ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(locale);
    // The texts in the code are the Japanese ones: Japanese needs no translation of its own.
    if (english) {
        Install(app, locale, QStringLiteral("vaspo"), QStringLiteral(":/i18n"));
    }
    Install(app, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Meiryo UI"), QStringLiteral("MS UI Gothic"), font.family()});
    QApplication::setFont(font);
}

void PreferX11UnderWayland(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("DISPLAY")) {
        return;
    }
    const bool wayland = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                         qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (!wayland) {
        return;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return;
        }
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
}
