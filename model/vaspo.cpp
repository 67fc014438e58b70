#include "model/vaspo.h"

#include <cstdlib>

Vaspo::Vaspo(Clock& clock, RandomSource& random, Dialogs& dialogs, ProgramEnd& end, RegistryAccess& registry)
    : clock_(clock), random_(random), dialogs_(dialogs), end_(end), registry_(registry)
{
}

MsgAnswer Vaspo::Message(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                         MsgAnswer defaultButton)
{
    return Message(nullptr, text, title, icon, buttons, defaultButton);
}

MsgAnswer Vaspo::Message(QObject* owner, const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons,
                         MsgAnswer defaultButton)
{
    if (buttons == MsgButtons::YesNo && defaultButton == MsgAnswer::Ok) {
        defaultButton = MsgAnswer::Yes;
    }
    return dialogs_.MsgBox({text, title, icon, buttons, defaultButton, owner});
}

void Vaspo::EndProgram()
{
    end_.End();
    // End() never comes back in the program; should an implementation ever
    // return, carrying on would act on a fish that is meant to be gone.
    std::abort();
}
