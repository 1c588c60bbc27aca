// Windows, frames, the scroll box, the application object and the screen.
#pragma once

#include "Controls.h"
#include "Dialogs.h"

#include <QEventLoop>

class QScrollArea;

// A window or frame whose client area can scroll (the scroll box's peer is a scroll area).
class TScrollingWinControl : public TWinControl
{
    Q_OBJECT
public:
    using TWinControl::TWinControl;

protected:
    // A designed root (form or frame) writes its controls, then its components without a parent.
    void GetDesignChildren(TGetChildProc Proc, TComponent *Root);
};

using TCloseAction = int;
enum : TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject *Sender, TCloseAction &Action)>;
using TCloseQueryEvent = std::function<void(TObject *Sender, bool &CanClose)>;

// A top-level window.
class TCustomForm : public TScrollingWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE SetClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE SetClientHeight)
    Q_PROPERTY(Controls::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_CLASSINFO("Default:Visible", "False")

public:
    explicit TCustomForm(TComponent *AOwner);
    ~TCustomForm() override;

    void Show();
    void Close();
    // Runs the window modally until ModalResult is set or it is closed; returns the modal result.
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult v);
    TWinControl *ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl *v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v) { FBorderStyle = v; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // Called by the peer when the window is asked to close; true when it may close.
    bool PeerCloseRequested();
    void GetChildren(TGetChildProc Proc, TComponent *Root) override { GetDesignChildren(Proc, Root); }

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;
    virtual bool CloseQuery();
    void DoClose(TCloseAction &Action);

private:
    TModalResult FModalResult = mrNone;
    TWinControl *FActiveControl = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    bool FKeyPreview = false;
    QEventLoop *FModalLoop = nullptr;
};

class TForm : public TCustomForm
{
    Q_OBJECT
public:
    using TCustomForm::TCustomForm;
};

// A reusable group of controls designed like a form and placed inside another window.
class TFrame : public TScrollingWinControl
{
    Q_OBJECT
public:
    explicit TFrame(TComponent *AOwner);
    void GetChildren(TGetChildProc Proc, TComponent *Root) override { GetDesignChildren(Proc, Root); }
    // A frame owns what is streamed inside it, wherever it is placed.
    TComponent *GetChildOwner() override { return this; }
};

// A control whose children scroll when they do not fit.
class TScrollBox : public TScrollingWinControl
{
    Q_OBJECT
public:
    explicit TScrollBox(TComponent *AOwner);
    QWidget *ChildContainer() override;
    TRect GetClientRect() override;
    QScrollArea *ScrollArea();
    // Brings a child into view.
    void ScrollInView(TControl *AControl);

protected:
    QWidget *CreatePeer() override;
    void InitPeer(QWidget *peer) override;
    void AlignControls(TControl *AControl, TRect &Rect) override;

private:
    void UpdateRange();
    QPointer<QWidget> FContent;
};

using TExceptionEvent = std::function<void(TObject *Sender, const std::exception &E)>;

// What answers the application's help requests: the help manager installs itself when it is created.
class IHelpSystem
{
public:
    virtual bool HelpKeyword(const QString &Keyword) = 0;
    virtual bool HelpContext(int Context) = 0;

protected:
    ~IHelpSystem() = default;
};
// Installs the help system (nullptr: none); it outlives the requests.
void SetHelpSystem(IHelpSystem *System);

// The application object: title, hints, the executable's name, message processing and the default
// handler that shows an error in a message box.
class TApplication : public TComponent
{
    Q_OBJECT
public:
    explicit TApplication(TComponent *AOwner);
    ~TApplication() override;

    // Readies the application for the program: Qt's standard dialogs speak Greek. Idempotent.
    void Initialize();
    QString Title() const { return FTitle; }
    void SetTitle(const QString &v);
    QString Hint() const { return FHint; }
    // Sets the current hint and fires OnHint.
    void SetHint(const QString &v);
    QString HelpFile() const { return FHelpFile; }
    void SetHelpFile(const QString &v) { FHelpFile = v; }
    // Hands a keyword or context request to the help system; false when there is none or it declined.
    bool HelpKeyword(const QString &Keyword);
    bool HelpContext(int Context);
    QString ExeName() const;
    void ProcessMessages();
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    TCustomForm *MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm *f) { FMainForm = f; }

    // The default exception handler: OnException when assigned, otherwise ShowException (EAbort is silent).
    void HandleException(const std::exception &E);
    void ShowException(const std::exception &E);
    // Runs an event handler so that no exception escapes into Qt.
    template <class F> void Guard(F &&f)
    {
        try {
            f();
        } catch (const std::exception &e) {
            HandleException(e);
        }
    }

    TNotifyEvent OnHint;
    TExceptionEvent OnException;

    // Hint tracking: the long part of the control's hint becomes the application's hint.
    void HintMouseEntered(TControl *control);
    TControl *HintControl() const { return FHintControl; }
    void ForgetHintControl() { FHintControl = nullptr; }

private:
    QString FTitle;
    QString FHint;
    QString FHelpFile;
    bool FTerminated = false;
    bool FInitialized = false;
    TCustomForm *FMainForm = nullptr;
    TControl *FHintControl = nullptr;
};

// The screen: its size and resolution, the active window and control, the cursor, the installed fonts.
class TScreen : public TComponent
{
    Q_OBJECT
public:
    explicit TScreen(TComponent *AOwner);
    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return 96; }
    TWinControl *ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl *c) { FActiveControl = c; }
    TCustomForm *ActiveForm() const;
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor v);
    QStringList Fonts() const;

private:
    TWinControl *FActiveControl = nullptr;
    TCursor FCursor = crDefault;
};

// The process-wide objects; created on first use (null before a QApplication exists).
TApplication *Application();
TScreen *Screen();

// The short part of a hint "short|long" and the long part (the whole hint when there is no "|").
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);

namespace FormStyles
{
Q_NAMESPACE
// fsStayOnTop keeps a window above the program's other windows.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
Q_ENUM_NS(TFormStyle)
} // namespace FormStyles
using namespace FormStyles;
