// Windows, frames, the scroll box, the application object and the screen.
#pragma once

#include "Controls.h"
#include "Dialogs.h"

#include <QEventLoop>

class QScrollArea;
class QWindow;

// A window or frame whose client area can scroll (the scroll box's peer is a scroll area).
class TScrollingWinControl : public TWinControl
{
    Q_OBJECT
public:
    using TWinControl::TWinControl;
    // Scrolls the content so that AControl, a control inside this one, shows; nothing where the content
    // does not scroll.
    virtual void ScrollInView(TControl *AControl);

protected:
    // A designed root (form or frame) writes its controls, then its components without a parent.
    void GetDesignChildren(TGetChildProc Proc, TComponent *Root);
};

namespace FormStyles
{
Q_NAMESPACE
// fsStayOnTop keeps a window above the program's other windows.
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
Q_ENUM_NS(TFormStyle)
// Where a window is placed when it is shown: at its designed Left and Top, where the window system
// chooses, or centred on the screen, the main window or its owner.
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
Q_ENUM_NS(TPosition)
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)
// The buttons of a window's title bar.
enum TBorderIcon { biSystemMenu = 0x1, biMinimize = 0x2, biMaximize = 0x4, biHelp = 0x8 };
Q_DECLARE_FLAGS(TBorderIcons, TBorderIcon)
Q_FLAG_NS(TBorderIcons)
} // namespace FormStyles
Q_DECLARE_OPERATORS_FOR_FLAGS(FormStyles::TBorderIcons)
using namespace FormStyles;

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
    Q_PROPERTY(FormStyles::TBorderIcons BorderIcons READ BorderIcons WRITE SetBorderIcons)
    Q_PROPERTY(FormStyles::TPosition Position READ Position WRITE SetPosition)
    Q_PROPERTY(FormStyles::TWindowState WindowState READ WindowState WRITE SetWindowState)
    Q_PROPERTY(FormStyles::TFormStyle FormStyle READ GetFormStyle WRITE SetFormStyle)
    Q_PROPERTY(bool KeyPreview READ KeyPreview WRITE SetKeyPreview)
    Q_CLASSINFO("Default:Visible", "False")
    Q_CLASSINFO("Default:BorderStyle", "bsSizeable")
    Q_CLASSINFO("Default:BorderIcons", "[biSystemMenu, biMinimize, biMaximize]")
    Q_CLASSINFO("Default:Position", "poDesigned")
    Q_CLASSINFO("Default:WindowState", "wsNormal")
    Q_CLASSINFO("Default:FormStyle", "fsNormal")

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
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons v);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition v) { FPosition = v; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState v);
    // The window's stay-on-top style; the pop-up pickers keep their own.
    TFormStyle GetFormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v);
    // The Qt window flags that the border style, the border icons and the form style give.
    Qt::WindowFlags WindowFlagsOfDesign() const;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
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
    void InitPeer(QWidget *peer) override;
    void TextChanged() override;
    void Loaded() override;
    // The dialog keys that the focused control leaves: Enter presses the Default button, Esc the Cancel one.
    void KeyDown(quint16 &Key, TShiftState Shift) override;
    virtual bool CloseQuery();
    void DoClose(TCloseAction &Action);

private:
    // Gives a top-level window the frame of its design; a form placed inside another window has none.
    void UpdateWindowFrame();
    bool FixedSize() const;
    void PlaceOnShow();

    TModalResult FModalResult = mrNone;
    TWinControl *FActiveControl = nullptr;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons = TBorderIcons(biSystemMenu | biMinimize | biMaximize);
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    TFormStyle FFormStyle = fsNormal;
    bool FShowingModal = false;
    bool FSizeFixed = false;
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
    void ScrollInView(TControl *AControl) override;
    // A press on the box or on a child that takes no focus must not pull the focus out of the editor being
    // typed into: that would end the editing before the click has done anything.
    bool FocusOnlyByTab() const override { return true; }

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

    // Hint tracking: the long part of the hint of the innermost control under the mouse (or, where it has
    // none, of the nearest control around it) is the application's hint. Entered and left are told as the
    // mouse goes; a control entered together with one inside it leaves the hint to the inner one.
    void HintMouseEntered(TControl *control);
    void HintMouseLeft(TControl *control);
    TControl *HintControl() const { return FHintControl; }
    void ForgetHintControl() { FHintControl = nullptr; }

private:
    void TakeHintOf(TControl *control);
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

// The window a dialog opened now belongs to, so that it opens in front of the window the user works in
// (a window that stays on top would otherwise hide it): the modal window running, else the window of the
// dialog's owner, else the active window, else the main window; none without windows.
QWidget *DialogParent(const TComponent *Owner = nullptr);
// Makes Dialog a child window of DialogParent(Owner), kept on top when that window is.
void PlaceDialog(QWidget *Dialog, const TComponent *Owner = nullptr);
// Makes Window stand in front of Owner (null: of no window). Should Owner stand in front of Window already,
// directly or through others, that link is dropped first: no window ever stands in front of itself, which
// would hang every walk over the windows' owners.
void SetWindowOwner(QWindow *Window, QWindow *Owner);

// Qt tells a window that it became active before it tells the window that was active that it no longer
// is; forms hear the two in the class library's order, the loss first (a form that keeps what another
// installed when it is activated, and puts it back when it is deactivated, relies on it). A form calls
// FormActivated from its activation event with what it does on activation and on deactivation: the
// deactivation of the form that was active runs first, if it has not yet. FormDeactivated, from the
// deactivation event, runs the form's deactivation unless it has run already.
void FormActivated(TCustomForm *Form, const std::function<void()> &Activate, std::function<void()> Deactivate);
void FormDeactivated(TCustomForm *Form);

// The short part of a hint "short|long" and the long part (the whole hint when there is no "|").
QString GetShortHint(const QString &hint);
QString GetLongHint(const QString &hint);
