// The one message-dialog service of the program: a question or notice with an icon kind and a set of
// buttons, answered with a modal result. Tests script the answers instead of running a modal loop.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };

// A set of buttons, one bit per TMsgDlgBtn.
class TMsgDlgButtons
{
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            FBits |= 1u << b;
    }
    constexpr bool Contains(TMsgDlgBtn b) const { return FBits & (1u << b); }
    constexpr TMsgDlgButtons &operator<<(TMsgDlgBtn b)
    {
        FBits |= 1u << b;
        return *this;
    }
    constexpr unsigned Bits() const { return FBits; }
    constexpr bool operator==(const TMsgDlgButtons &) const = default;

private:
    unsigned FBits = 0;
};

inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};
inline constexpr TMsgDlgButtons mbAbortIgnore{mbAbort, mbIgnore};

using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};

// The modal result a button gives.
TModalResult ModalResultOf(TMsgDlgBtn button);

struct TMessageDlgRequest {
    QString Msg;
    TMsgDlgType DlgType = mtInformation;
    TMsgDlgButtons Buttons;
    int HelpCtx = 0;
};

// Shows the message and returns the modal result of the button pressed (mrCancel when the window is closed
// and Cancel is offered). Goes to the installed handler when there is one (tests); with no one to answer
// (no handler, and a platform without a screen) it shows nothing and answers the safe choice.
TModalResult MessageDlg(const QString &msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx);
// A plain notice with an OK button.
void ShowMessage(const QString &msg);

// The default button of a shown dialog (what Enter presses): Yes, OK, Retry, Abort ... the first offered
// in that order.
TModalResult DefaultModalResult(TMsgDlgButtons buttons);
// The answer when no one can answer: the choice that changes nothing and ends what asked (Cancel, Abort,
// No, then OK or Ignore), never Retry, so no question can be asked again and again without a user.
TModalResult SafeModalResult(TMsgDlgButtons buttons);
// True when no dialog can reach a user: no screen (the offscreen or minimal platform) or no
// widget application.
bool Unattended();

using TMessageDlgHandler = std::function<TModalResult(const TMessageDlgRequest &)>;
// Installs a handler for every message dialog (an empty one restores the real dialogs); returns the previous.
TMessageDlgHandler SetMessageDlgHandler(TMessageDlgHandler handler);

// Test helper: while it lives, every message dialog is recorded and answered from the queue of answers
// (the safe choice once the queue is empty, as when no one is there to answer).
class TScriptedDialogs
{
public:
    explicit TScriptedDialogs(std::initializer_list<TModalResult> answers = {});
    ~TScriptedDialogs();
    TScriptedDialogs(const TScriptedDialogs &) = delete;
    TScriptedDialogs &operator=(const TScriptedDialogs &) = delete;

    void Answer(TModalResult result) { FAnswers.push_back(result); }
    const std::vector<TMessageDlgRequest> &Requests() const { return FRequests; }
    int Count() const { return int(FRequests.size()); }

private:
    std::deque<TModalResult> FAnswers;
    std::vector<TMessageDlgRequest> FRequests;
    TMessageDlgHandler FPrevious;
};
