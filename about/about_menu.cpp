#include "about/about_menu.h"

#include <QAction>

#include "about/frm_about.h"
#include "mainwin/dialog_frame.h"
#include "mainwin/frm_main.h"
#include "mainwin/frm_tray.h"
#include "mainwin/widget_order.h"
#include "model/window_order.h"

AboutMenu::AboutMenu(frmMain& main, frmTray& tray) : main_(main), tray_(tray)
{
    main.EnableItem(main.mnuHelpAbout, [this] { mnuHelpAbout_Click(); });
}

void AboutMenu::mnuHelpAbout_Click()
{
    frmAbout box(main_.model(), [this] { tray_.Form_Unload(); }, &main_);
    box.StartAtLogin = main_.StartAtLogin;
    CentreOnScreen(&box, &main_);
    WidgetOrder order(&box);
    SetTopMost(order, 1);
    box.exec();
}
