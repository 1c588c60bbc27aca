#include "Dialogs.h"

#include "Forms.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{

TMessageDlgHandler &Handler()
{
    static TMessageDlgHandler handler;
    return handler;
}

const TMsgDlgBtn ButtonOrder[] = {mbYes,    mbNo,  mbOK,      mbCancel,   mbAbort, mbRetry,
                                  mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};

QString ButtonText(TMsgDlgBtn b)
{
    switch (b) {
    case mbYes:
        return QStringLiteral("&Ναι");
    case mbNo:
        return QStringLiteral("Ό&χι");
    case mbOK:
        return QStringLiteral("OK");
    case mbCancel:
        return QStringLiteral("Άκυρο");
    case mbAbort:
        return QStringLiteral("&Διακοπή");
    case mbRetry:
        return QStringLiteral("&Επανάληψη");
    case mbIgnore:
        return QStringLiteral("&Παράβλεψη");
    case mbAll:
        return QStringLiteral("Ό&λα");
    case mbNoToAll:
        return QStringLiteral("Όχι σε ό&λα");
    case mbYesToAll:
        return QStringLiteral("Ναι σε ό&λα");
    case mbHelp:
        return QStringLiteral("&Βοήθεια");
    }
    return QString();
}

QString Caption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QStringLiteral("Προειδοποίηση");
    case mtError:
        return QStringLiteral("Σφάλμα");
    case mtInformation:
        return QStringLiteral("Πληροφορία");
    case mtConfirmation:
        return QStringLiteral("Επιβεβαίωση");
    case mtCustom:
        break;
    }
    return QApplication::applicationDisplayName();
}

TModalResult ShowRealDialog(const TMessageDlgRequest &r)
{
    QMessageBox box;
    PlaceDialog(&box);
    box.setWindowTitle(Caption(r.DlgType));
    box.setText(r.Msg);
    switch (r.DlgType) {
    case mtWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case mtError:
        box.setIcon(QMessageBox::Critical);
        break;
    case mtInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mtConfirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case mtCustom:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    std::vector<std::pair<QAbstractButton *, TMsgDlgBtn>> buttons;
    QPushButton *defaultButton = nullptr;
    const TModalResult defaultResult = DefaultModalResult(r.Buttons);
    for (TMsgDlgBtn b : ButtonOrder) {
        if (!r.Buttons.Contains(b))
            continue;
        const QMessageBox::ButtonRole role = b == mbHelp                    ? QMessageBox::HelpRole
                                             : (b == mbCancel || b == mbNo) ? QMessageBox::RejectRole
                                                                            : QMessageBox::AcceptRole;
        QPushButton *pb = box.addButton(ButtonText(b), role);
        if (b == mbCancel)
            box.setEscapeButton(pb);
        if (!defaultButton && b != mbHelp && ModalResultOf(b) == defaultResult)
            defaultButton = pb;
        buttons.emplace_back(pb, b);
    }
    if (defaultButton)
        box.setDefaultButton(defaultButton);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    for (auto &[pb, b] : buttons)
        if (pb == clicked)
            return ModalResultOf(b);
    return r.Buttons.Contains(mbCancel) ? mrCancel : mrNone;
}

} // namespace

TModalResult ModalResultOf(TMsgDlgBtn button)
{
    switch (button) {
    case mbYes:
        return mrYes;
    case mbNo:
        return mrNo;
    case mbOK:
        return mrOk;
    case mbCancel:
        return mrCancel;
    case mbAbort:
        return mrAbort;
    case mbRetry:
        return mrRetry;
    case mbIgnore:
        return mrIgnore;
    case mbAll:
        return mrAll;
    case mbNoToAll:
        return mrNoToAll;
    case mbYesToAll:
        return mrYesToAll;
    case mbHelp:
        return mrNone;
    }
    return mrNone;
}

TModalResult DefaultModalResult(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn b : {mbYes, mbOK, mbRetry, mbAbort, mbAll, mbYesToAll, mbNo, mbIgnore, mbNoToAll, mbCancel})
        if (buttons.Contains(b))
            return ModalResultOf(b);
    return mrNone;
}

TModalResult SafeModalResult(TMsgDlgButtons buttons)
{
    for (TMsgDlgBtn b : {mbCancel, mbAbort, mbNo, mbNoToAll, mbOK, mbIgnore})
        if (buttons.Contains(b))
            return ModalResultOf(b);
    return mrNone;
}

bool Unattended()
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return true;
    const QString platform = QGuiApplication::platformName();
    return platform == u"offscreen" || platform == u"minimal";
}

TModalResult MessageDlg(const QString &msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx)
{
    const TMessageDlgRequest request{msg, dlgType, buttons, helpCtx};
    if (Handler())
        return Handler()(request);
    if (Unattended()) {
        qWarning("Unanswered message dialog: %s", qUtf8Printable(msg));
        return SafeModalResult(buttons);
    }
    return ShowRealDialog(request);
}

void ShowMessage(const QString &msg)
{
    MessageDlg(msg, mtCustom, {mbOK}, 0);
}

TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler handler)
{
    TMessageDlgHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

TScriptedDialogs::TScriptedDialogs(std::initializer_list<TModalResult> answers) : FAnswers(answers)
{
    FPrevious = SetMessageDlgHandler([this](const TMessageDlgRequest &r) {
        FRequests.push_back(r);
        if (FAnswers.empty())
            return SafeModalResult(r.Buttons);
        const TModalResult a = FAnswers.front();
        FAnswers.pop_front();
        return a;
    });
}

TScriptedDialogs::~TScriptedDialogs()
{
    SetMessageDlgHandler(std::move(FPrevious));
}
