#include "Forms.h"

#include "StdCtrls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTranslator>
#include <QWindow>

namespace
{

class TFormPeer : public TPeer<QWidget>
{
public:
    TFormPeer(TCustomForm *form) : TPeer<QWidget>(form), FForm(form) {}

protected:
    bool event(QEvent *e) override
    {
        // Menu items and tool buttons report their status tip (an action's long hint) to their window as
        // the mouse moves over them; it becomes the application's hint, as a control's hint does.
        if (e->type() == QEvent::StatusTip && Control() && Application()) {
            const QString tip = static_cast<QStatusTipEvent *>(e)->tip();
            GuardEvent([&] { Application()->SetHint(tip); });
            return true;
        }
        return TPeer<QWidget>::event(e);
    }
    // Tab and Shift+Tab that the focused widget leaves walk the window's controls in their tab order, the
    // designs' order, into boxes inside boxes and onto the page shown; a form inside another window leaves
    // them to that window.
    bool focusNextPrevChild(bool next) override
    {
        if (!Control() || !isWindow())
            return TPeer<QWidget>::focusNextPrevChild(next);
        GuardEvent([&] { FForm->SelectNext(FindWinControl(QApplication::focusWidget()), next); });
        return true;
    }
    void closeEvent(QCloseEvent *e) override
    {
        if (Control() && !FForm->PeerCloseRequested())
            e->ignore();
        else
            e->accept();
    }

private:
    TCustomForm *FForm;
};

// The scroll box's widget keeps the control that has the focus inside it in view: when the focus comes to
// it, and when a key is typed there (after the view was scrolled away with the wheel). Keys that control
// leaves do not scroll the box, which would leave the control behind out of sight with the keys still
// going to it; the box itself, when it has the focus (a preview), scrolls with them.
class TScrollArea : public QScrollArea
{
public:
    explicit TScrollArea(QWidget *parent = nullptr) : QScrollArea(parent)
    {
        // Shown once the focus has settled: on its way (a page hidden, say) it may pass other widgets.
        QObject::connect(
            qApp, &QApplication::focusChanged, this, [this] { ShowFocused(QApplication::focusWidget()); },
            Qt::QueuedConnection);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget())
            ShowFocused(QApplication::focusWidget());
        return QScrollArea::eventFilter(watched, event);
    }
    // The focus passed on from a widget inside (one being hidden) is shown once it has settled, as any other.
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
    void keyPressEvent(QKeyEvent *e) override
    {
        if (Inside(QApplication::focusWidget()))
            e->ignore();
        else
            QScrollArea::keyPressEvent(e);
    }

private:
    bool Inside(const QWidget *w) const { return w && widget() && widget()->isAncestorOf(w); }
    void ShowFocused(QWidget *w)
    {
        if (!Inside(w) || !w->isVisible())
            return;
        const int margin = 8;
        // A control standing in for the control it lies in (a box's editor) shows that one, where it fits.
        QWidget *parent = w->parentWidget();
        if (parent && parent->focusProxy() == w && Inside(parent) && dynamic_cast<IPeerSink *>(w) &&
            dynamic_cast<IPeerSink *>(parent) && parent->height() + 2 * margin <= viewport()->height())
            w = parent;
        // Controls inside that scroll their own content (a page taller than its room) show it there first.
        if (TWinControl *control = FindWinControl(w))
            for (TWinControl *p = control->Parent(); p && p->HandleAllocated() && Inside(p->Peer()); p = p->Parent())
                if (auto *scrolling = qobject_cast<TScrollingWinControl *>(p))
                    scrolling->ScrollInView(control);
        ensureWidgetVisible(w, margin, margin);
    }
};

} // namespace

void TScrollingWinControl::ScrollInView(TControl *)
{
}

void TScrollingWinControl::GetDesignChildren(TGetChildProc Proc, TComponent *Root)
{
    TWinControl::GetChildren(Proc, Root);
    if (Root == this)
        for (int i = 0; i < ComponentCount(); ++i)
            if (TComponent *c = Components(i); !c->HasParent())
                Proc(c);
}

// ---- TCustomForm ----

TCustomForm::TCustomForm(TComponent *AOwner) : TScrollingWinControl(AOwner)
{
    SetBounds(0, 0, 640, 480);
    SetVisible(false);
}

TCustomForm::~TCustomForm()
{
    if (OnDestroy)
        Application()->Guard([this] { OnDestroy(this); });
    if (FModalLoop)
        FModalLoop->exit();
    if (Application() && Application()->MainForm() == this)
        Application()->SetMainForm(nullptr);
}

QWidget *TCustomForm::CreatePeer()
{
    auto *peer = new TFormPeer(this);
    peer->setWindowTitle(Caption());
    return peer;
}

void TCustomForm::InitPeer(QWidget *peer)
{
    TScrollingWinControl::InitPeer(peer);
    UpdateWindowFrame();
}

void TCustomForm::Loaded()
{
    TScrollingWinControl::Loaded();
    UpdateWindowFrame();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v)
{
    FBorderStyle = v;
    UpdateWindowFrame();
}

void TCustomForm::SetBorderIcons(TBorderIcons v)
{
    FBorderIcons = v;
    UpdateWindowFrame();
}

void TCustomForm::SetFormStyle(TFormStyle v)
{
    FFormStyle = v;
    UpdateWindowFrame();
}

void TCustomForm::SetWindowState(TWindowState v)
{
    FWindowState = v;
    if (HandleAllocated() && Peer()->isVisible() && !Parent())
        Peer()->setWindowState(v == wsMaximized   ? Qt::WindowMaximized
                               : v == wsMinimized ? Qt::WindowMinimized
                                                  : Qt::WindowNoState);
}

bool TCustomForm::FixedSize() const
{
    return FBorderStyle == bsSingle || FBorderStyle == bsDialog || FBorderStyle == bsToolWindow;
}

Qt::WindowFlags TCustomForm::WindowFlagsOfDesign() const
{
    // The title-bar buttons follow the border icons, except that dialog and tool-window borders never
    // offer minimise or maximise, and that a window shown modally offers no minimise: minimised, it would
    // leave the program with no window that takes input.
    Qt::WindowFlags flags;
    switch (FBorderStyle) {
    case bsNone:
        return Qt::Window | Qt::FramelessWindowHint |
               (FFormStyle == fsStayOnTop ? Qt::WindowStaysOnTopHint : Qt::WindowFlags());
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    default:
        flags = Qt::Window;
        break;
    }
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (FBorderIcons & biSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const bool iconsAllowed = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
        if (iconsAllowed && (FBorderIcons & biMinimize) && !FShowingModal)
            flags |= Qt::WindowMinimizeButtonHint;
        if (iconsAllowed && (FBorderIcons & biMaximize))
            flags |= Qt::WindowMaximizeButtonHint;
        if ((FBorderIcons & biHelp) && !(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)))
            flags |= Qt::WindowContextHelpButtonHint;
    }
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

void TCustomForm::UpdateWindowFrame()
{
    if (!HandleAllocated() || Parent() || IsLoading())
        return;
    QWidget *peer = Peer();
    if (peer->parentWidget())
        return;
    const Qt::WindowFlags flags = WindowFlagsOfDesign();
    if (peer->windowFlags() != flags) {
        const bool shown = peer->isVisible();
        peer->setWindowFlags(flags);
        if (shown)
            peer->show();
    }
    if (FixedSize()) {
        peer->setFixedSize(Width(), Height());
        FSizeFixed = true;
    } else if (FSizeFixed) {
        peer->setMinimumSize(0, 0);
        peer->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        FSizeFixed = false;
    }
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    // A fixed size would hold the window at its old size.
    const bool fixed = HandleAllocated() && FSizeFixed;
    if (fixed) {
        Peer()->setMinimumSize(0, 0);
        Peer()->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    TScrollingWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (fixed)
        Peer()->setFixedSize(Width(), Height());
}

void TCustomForm::PlaceOnShow()
{
    if (Parent())
        return;
    const QWidget *around = nullptr;
    switch (FPosition) {
    case poMainFormCenter:
        if (TCustomForm *main = Application()->MainForm(); main && main != this && main->HandleAllocated())
            around = main->Peer();
        break;
    case poOwnerFormCenter:
        for (TComponent *o = Owner(); o; o = o->Owner())
            if (auto *f = qobject_cast<TCustomForm *>(o); f && f->HandleAllocated() && f->Peer()->isVisible()) {
                around = f->Peer();
                break;
            }
        break;
    case poScreenCenter:
    case poDesktopCenter:
        break;
    default:
        return; // designed, or where the window system puts it
    }
    QRect area;
    if (around && around->isVisible())
        area = around->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    else
        return;
    SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
}

void TCustomForm::TextChanged()
{
    if (HandleAllocated())
        Peer()->setWindowTitle(Caption());
}

void TCustomForm::Show()
{
    PlaceOnShow();
    SetVisible(true);
    if (!Parent() && FWindowState != wsNormal)
        Peer()->setWindowState(FWindowState == wsMaximized ? Qt::WindowMaximized : Qt::WindowMinimized);
    Peer()->show();
    Peer()->raise();
    // A window shown without a focused control starts on the first control in tab order, shown as focused.
    if (!Parent() && !Peer()->focusWidget())
        SelectFirst();
    if (OnShow)
        Application()->Guard([this] { OnShow(this); });
}

void TCustomForm::KeyDown(quint16 &Key, TShiftState Shift)
{
    TScrollingWinControl::KeyDown(Key, Shift);
    if ((Key != VK_RETURN && Key != VK_ESCAPE) || (Shift & (ssCtrl | ssAlt)))
        return;
    for (TComponent *c : ComponentList()) {
        auto *button = qobject_cast<TButton *>(c);
        if (button && (Key == VK_ESCAPE ? button->Cancel() : button->Default()) && button->CanFocus()) {
            Key = 0;
            button->Click();
            return;
        }
    }
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction &Action)
{
    if (OnClose)
        OnClose(this, Action);
}

bool TCustomForm::PeerCloseRequested()
{
    bool result = false;
    Application()->Guard([&] {
        if (!CloseQuery())
            return;
        TCloseAction action = FModalLoop ? caHide : caHide;
        DoClose(action);
        if (action == caNone)
            return;
        result = true;
        if (FModalLoop && FModalResult == mrNone)
            FModalResult = mrCancel;
        SetVisible(false);
        if (FModalLoop)
            FModalLoop->exit();
        if (action == caFree)
            deleteLater();
        // Closing the main window ends the program, whatever other windows (help) are still open.
        if (Application()->MainForm() == this)
            Application()->Terminate();
    });
    return result;
}

void TCustomForm::Close()
{
    if (HandleAllocated() && Peer()->isVisible())
        Peer()->close();
    else
        PeerCloseRequested();
}

void TCustomForm::SetModalResult(TModalResult v)
{
    FModalResult = v;
    if (v != mrNone && FModalLoop) {
        TCloseAction action = caHide;
        DoClose(action);
        if (action == caNone) {
            FModalResult = mrNone;
            return;
        }
        SetVisible(false);
        Peer()->hide();
        FModalLoop->exit();
    }
}

TModalResult TCustomForm::ShowModal()
{
    FModalResult = mrNone;
    FShowingModal = true;
    UpdateWindowFrame();
    // A window shown modally belongs to the window it was opened from, as a dialog does: the window
    // system keeps it in front of that one.
    QWidget *opener = Parent() ? nullptr : DialogParent(Owner());
    if (opener == Peer())
        opener = nullptr;
    if (opener) {
        Peer()->winId();
        SetWindowOwner(Peer()->windowHandle(), opener->windowHandle());
    }
    Peer()->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    FModalLoop = &loop;
    if (FModalResult == mrNone && Peer()->isVisible())
        loop.exec();
    FModalLoop = nullptr;
    Peer()->hide();
    if (opener)
        SetWindowOwner(Peer()->windowHandle(), nullptr);
    Peer()->setWindowModality(Qt::NonModal);
    FShowingModal = false;
    UpdateWindowFrame();
    SetVisible(false);
    if (OnHide)
        Application()->Guard([this] { OnHide(this); });
    return FModalResult;
}

void TCustomForm::SetActiveControl(TWinControl *v)
{
    FActiveControl = v;
    if (v && Peer()->isVisible() && v->CanFocus())
        v->SetFocus();
}

// ---- TFrame ----

TFrame::TFrame(TComponent *AOwner) : TScrollingWinControl(AOwner)
{
    SetBounds(0, 0, 320, 240);
}

// ---- TScrollBox ----

TScrollBox::TScrollBox(TComponent *AOwner) : TScrollingWinControl(AOwner)
{
    // A container: Tab goes to the controls inside it, never to the box itself, whose focus nobody sees.
    SetBounds(0, 0, 185, 41);
}

QWidget *TScrollBox::CreatePeer()
{
    auto *area = new TPeer<TScrollArea>(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(false);
    auto *content = new QWidget;
    content->resize(1, 1);
    area->setWidget(content);
    FContent = content;
    return area;
}

void TScrollBox::InitPeer(QWidget *peer)
{
    TScrollingWinControl::InitPeer(peer);
    UpdateRange();
}

QScrollArea *TScrollBox::ScrollArea()
{
    return static_cast<QScrollArea *>(Peer());
}

QWidget *TScrollBox::ChildContainer()
{
    Peer();
    return FContent.data();
}

TRect TScrollBox::GetClientRect()
{
    // The children's area is the visible part; aligned children share it, the others may lie beyond.
    return {0, 0, Width(), Height()};
}

void TScrollBox::AlignControls(TControl *AControl, TRect &Rect)
{
    TScrollingWinControl::AlignControls(AControl, Rect);
    UpdateRange();
}

void TScrollBox::UpdateRange()
{
    if (FContent.isNull())
        return;
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl *c = Controls(i);
        if (!c->Visible())
            continue;
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    // The content fills the viewport as it will be once the scroll bars the children need are shown, and
    // no more: content as wide as the whole box would bring a horizontal bar with every vertical one.
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    bool vert = bottom > Height(), horz = right > Width();
    horz = horz || (vert && right > Width() - bar);
    vert = vert || (horz && bottom > Height() - bar);
    const int viewW = Width() - (vert ? bar : 0), viewH = Height() - (horz ? bar : 0);
    FContent->resize(std::max(right, viewW), std::max(bottom, viewH));
}

void TScrollBox::ScrollInView(TControl *AControl)
{
    if (!AControl || !HandleAllocated())
        return;
    // As far as the control fits, all of it comes into view; a control larger than the view shows its top
    // left corner.
    const auto scroll = [](QScrollBar *bar, int start, int size, int view) {
        const int first = bar->value();
        if (start < first)
            bar->setValue(start);
        else if (start + size > first + view)
            bar->setValue(std::min(start, start + size - view));
    };
    QScrollArea *area = ScrollArea();
    scroll(area->horizontalScrollBar(), AControl->Left(), AControl->Width(), area->viewport()->width());
    scroll(area->verticalScrollBar(), AControl->Top(), AControl->Height(), area->viewport()->height());
}

// ---- Dialog parents ----

QWidget *DialogParent(const TComponent *Owner)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    for (const TComponent *c = Owner; c; c = c->Owner())
        if (auto *control = qobject_cast<const TControl *>(c)) {
            if (control->HandleAllocated()) {
                QWidget *window = const_cast<TControl *>(control)->Peer()->window();
                if (window->isVisible())
                    return window;
            }
            break;
        }
    if (QWidget *active = QApplication::activeWindow())
        return active;
    if (Application() && Application()->MainForm() && Application()->MainForm()->HandleAllocated())
        return Application()->MainForm()->Peer();
    return nullptr;
}

void SetWindowOwner(QWindow *Window, QWindow *Owner)
{
    if (!Window)
        return;
    if (Owner == Window)
        Owner = nullptr;
    for (QWindow *w = Owner; w; w = w->transientParent())
        if (w->transientParent() == Window) {
            w->setTransientParent(nullptr);
            break;
        }
    Window->setTransientParent(Owner);
}

void PlaceDialog(QWidget *Dialog, const TComponent *Owner)
{
    QWidget *parent = DialogParent(Owner);
    if (!parent || parent == Dialog)
        return;
    Qt::WindowFlags flags = Dialog->windowFlags();
    if (parent->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        flags |= Qt::WindowStaysOnTopHint;
    Dialog->setParent(parent, flags);
}

// ---- TApplication ----

namespace
{
IHelpSystem *InstalledHelpSystem = nullptr;
} // namespace

void SetHelpSystem(IHelpSystem *System)
{
    InstalledHelpSystem = System;
}

TApplication::TApplication(TComponent *AOwner) : TComponent(AOwner)
{
}

void TApplication::Initialize()
{
    if (FInitialized || !QCoreApplication::instance())
        return;
    FInitialized = true;
    // The texts of Qt's own dialogs (open, save, font, colour, print, page set-up, message boxes) in Greek,
    // from the translation built into the program.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/translations/qtbase_el.qm")))
        QCoreApplication::installTranslator(translator);
    // Qt's dialogs rather than the desktop's, which would speak the desktop's language.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

bool TApplication::HelpKeyword(const QString &Keyword)
{
    return InstalledHelpSystem && InstalledHelpSystem->HelpKeyword(Keyword);
}

bool TApplication::HelpContext(int Context)
{
    return InstalledHelpSystem && InstalledHelpSystem->HelpContext(Context);
}

TApplication::~TApplication() = default;

void TApplication::SetTitle(const QString &v)
{
    FTitle = v;
    QGuiApplication::setApplicationDisplayName(v);
}

void TApplication::SetHint(const QString &v)
{
    FHint = v;
    if (OnHint)
        Guard([this] { OnHint(this); });
}

QString TApplication::ExeName() const
{
    return QCoreApplication::applicationFilePath();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TApplication::Run()
{
    if (FMainForm)
        FMainForm->Show();
    if (!FTerminated)
        QApplication::exec();
}

void TApplication::Terminate()
{
    FTerminated = true;
    // The loop ends whatever windows are still open; quit() would first ask each of them to close.
    QCoreApplication::exit(0);
}

void TApplication::HandleException(const std::exception &E)
{
    if (dynamic_cast<const EAbort *>(&E))
        return;
    if (OnException)
        OnException(this, E);
    else
        ShowException(E);
}

void TApplication::ShowException(const std::exception &E)
{
    QString msg;
    if (auto *e = dynamic_cast<const Exception *>(&E))
        msg = e->Message();
    else
        msg = QString::fromUtf8(E.what());
    // A sentence gets its full stop; text ending in punctuation or a bracket is left as it is.
    if (!msg.isEmpty() && msg.back() > u'.')
        msg += u'.';
    MessageDlg(msg, mtError, {mbOK}, 0);
}

void TApplication::HintMouseEntered(TControl *control)
{
    for (TControl *c = FHintControl; c && control; c = c->Parent())
        if (c->Parent() == control)
            return;
    TakeHintOf(control);
}

void TApplication::HintMouseLeft(TControl *control)
{
    // The mouse is over the control around it now, or over none of the program's.
    if (control && control == FHintControl)
        TakeHintOf(control->Parent());
}

void TApplication::TakeHintOf(TControl *control)
{
    FHintControl = control;
    // The nearest control with a hint speaks for the ones inside it.
    QString hint;
    for (TControl *c = control; c; c = c->Parent())
        if (!c->Hint().isEmpty()) {
            hint = c->Hint();
            break;
        }
    SetHint(GetLongHint(hint));
}

namespace
{
struct TActiveForm {
    QPointer<TCustomForm> Form;
    std::function<void()> Deactivate;
};
TActiveForm &ActiveFormState()
{
    static TActiveForm state;
    return state;
}
} // namespace

void FormActivated(TCustomForm *Form, const std::function<void()> &Activate, std::function<void()> Deactivate)
{
    TActiveForm &active = ActiveFormState();
    if (active.Form != Form)
        FormDeactivated(active.Form);
    active.Form = Form;
    active.Deactivate = std::move(Deactivate);
    Activate();
}

void FormDeactivated(TCustomForm *Form)
{
    TActiveForm &active = ActiveFormState();
    if (!Form || active.Form != Form)
        return;
    const std::function<void()> deactivate = std::move(active.Deactivate);
    active.Form = nullptr;
    active.Deactivate = nullptr;
    if (deactivate)
        deactivate();
}

QString GetShortHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString GetLongHint(const QString &hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

// ---- TScreen ----

TScreen::TScreen(TComponent *AOwner) : TComponent(AOwner)
{
}

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TCustomForm *TScreen::ActiveForm() const
{
    for (TControl *c = FActiveControl; c; c = c->Parent())
        if (auto *f = qobject_cast<TCustomForm *>(c))
            return f;
    return nullptr;
}

void TScreen::SetCursor(TCursor v)
{
    if (v == FCursor)
        return;
    if (FCursor != crDefault)
        QGuiApplication::restoreOverrideCursor();
    FCursor = v;
    if (v == crHourGlass)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else if (v != crDefault)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
}

QStringList TScreen::Fonts() const
{
    return QFontDatabase::families();
}

TApplication *Application()
{
    static TApplication *app = QCoreApplication::instance() ? new TApplication(nullptr) : nullptr;
    return app;
}

TScreen *Screen()
{
    static TScreen *screen = QCoreApplication::instance() ? new TScreen(nullptr) : nullptr;
    return screen;
}
