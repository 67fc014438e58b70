#pragma once

class QApplication;

// Japanese fonts and Qt's own Japanese texts, whatever the system language.
void UseJapaneseUi(QApplication& app);

// Under Wayland the tank needs X11 (through XWayland) to place its windows
// and keep them on top, unless the user chose a platform.
void PreferX11UnderWayland(int argc, char** argv);
