#include "vcl/DialogService.h"

#include <QApplication>
#include <QMessageBox>

namespace DialogService
{
namespace
{

Hook &CurrentHook()
{
    static Hook hook;
    return hook;
}

int ShowBox(const QString &text, Kind kind, unsigned buttons)
{
    QMessageBox box;
    box.setText(text);
    box.setIcon(kind == Kind::Warning       ? QMessageBox::Warning
                : kind == Kind::Error       ? QMessageBox::Critical
                : kind == Kind::Information ? QMessageBox::Information
                                            : QMessageBox::Question);
    struct Map {
        Button B;
        QMessageBox::StandardButton Q;
        int R;
    };
    static const Map map[] = {{Yes, QMessageBox::Yes, mrYes},
                              {No, QMessageBox::No, mrNo},
                              {Ok, QMessageBox::Ok, mrOk},
                              {Cancel, QMessageBox::Cancel, mrCancel},
                              {Abort, QMessageBox::Abort, mrAbort},
                              {Retry, QMessageBox::Retry, mrRetry},
                              {Ignore, QMessageBox::Ignore, mrIgnore}};
    QMessageBox::StandardButtons qb;
    for (const Map &m : map)
        if (buttons & m.B)
            qb |= m.Q;
    box.setStandardButtons(qb);
    const int clicked = box.exec();
    for (const Map &m : map)
        if (clicked == m.Q)
            return m.R;
    return mrCancel;
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
