#include "vcl/DialogService.h"

#include "vcl/Dialogs.h"

namespace DialogService
{
namespace
{

Hook &CurrentHook()
{
    static Hook hook;
    return hook;
}

// The program's message dialogs: the same service that MessageDlg offers, so scripted answers and the
// screenless test platform apply here too.
int ShowBox(const QString &text, Kind kind, unsigned buttons)
{
    const TMsgDlgType type = kind == Kind::Warning       ? mtWarning
                             : kind == Kind::Error       ? mtError
                             : kind == Kind::Information ? mtInformation
                                                         : mtConfirmation;
    static const std::pair<Button, TMsgDlgBtn> map[] = {{Yes, mbYes},       {No, mbNo},       {Ok, mbOK},
                                                        {Cancel, mbCancel}, {Abort, mbAbort}, {Retry, mbRetry},
                                                        {Ignore, mbIgnore}};
    TMsgDlgButtons set;
    for (const auto &[b, m] : map)
        if (buttons & b)
            set << m;
    return MessageDlg(text, type, set, 0);
}

} // namespace

int Ask(const QString &text, Kind kind, unsigned buttons)
{
    if (CurrentHook())
        return CurrentHook()(text, kind, buttons);
    return ShowBox(text, kind, buttons);
}

void ShowError(const QString &text)
{
    Ask(text, Kind::Error, Ok);
}

Hook SetHook(Hook hook)
{
    Hook previous = std::move(CurrentHook());
    CurrentHook() = std::move(hook);
    return previous;
}

} // namespace DialogService
