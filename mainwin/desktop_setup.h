#pragma once

#include <QStringList>

class QApplication;

// English when the desktop lists English before Japanese; Japanese otherwise,
// also for the C and POSIX locales.
bool PrefersEnglish(const QStringList& uiLanguages);

// The interface language of the desktop (QLocale::system().uiLanguages()):
// the program's translation and Qt's own texts (standard buttons) for it,
// and fonts that hold Japanese either way. Called again, it replaces what it
// installed before.
void UseUiLanguage(QApplication& app);

// Under Wayland the tank needs X11 (through XWayland) to place its windows
// and keep them on top, unless the user chose a platform.
void PreferX11UnderWayland(int argc, char** argv);
