#include "ComCtrls.h"

#include "Forms.h"

#include <QCalendarWidget>
#include <QDate>
#include <QPainter>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent *AOwner) : TWinControl(AOwner)
{
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    SetPageControl(nullptr);
}

TPageControl *TTabSheet::PageControl() const
{
    return qobject_cast<TPageControl *>(Parent());
}

void TTabSheet::SetPageControl(TPageControl *v)
{
    SetParent(v);
}

int TTabSheet::PageIndex() const
{
    TPageControl *pc = PageControl();
    if (!pc)
        return -1;
    auto it = std::find(pc->FPages.begin(), pc->FPages.end(), this);
    return it == pc->FPages.end() ? -1 : int(it - pc->FPages.begin());
}

void TTabSheet::SetPageIndex(int v)
{
    TPageControl *pc = PageControl();
    const int from = PageIndex();
    if (!pc || from < 0)
        return;
    v = std::clamp(v, 0, pc->PageCount() - 1);
    if (v == from)
        return;
    const int tabFrom = pc->TabIndexOf(this);
    pc->FPages.erase(pc->FPages.begin() + from);
    pc->FPages.insert(pc->FPages.begin() + v, this);
    pc->MoveTab(this, tabFrom);
}

void TTabSheet::SetTabVisible(bool v)
{
    if (v == FTabVisible)
        return;
    FTabVisible = v;
    if (TPageControl *pc = PageControl()) {
        if (v)
            pc->InsertTab(this);
        else
            pc->RemoveTab(this);
    }
}

void TTabSheet::TextChanged()
{
    TWinControl::TextChanged();
    if (TPageControl *pc = PageControl())
        pc->RenameTab(this);
}

void TTabSheet::ShowPeer(QWidget *peer, bool v)
{
    if (PageControl())
        return;
    if (v)
        MakeContents();
    TWinControl::ShowPeer(peer, v);
}

void TTabSheet::InitPeer(QWidget *peer)
{
    TPageControl *pc = PageControl();
    if (!pc || pc->ActivePage() == this) {
        FContentsMade = true;
        TWinControl::InitPeer(peer);
        return;
    }
    TControl::InitPeer(peer);
}

void TTabSheet::AttachChildPeer(TControl *AControl)
{
    // A control whose widget is being made needs its place now; the others wait until the sheet shows.
    if (!FContentsMade && !AControl->HandleAllocated())
        return;
    MakeContents();
    TWinControl::AttachChildPeer(AControl);
}

void TTabSheet::MakeContents()
{
    if (FContentsMade || !HandleAllocated())
        return;
    FContentsMade = true;
    for (int i = 0; i < ControlCount(); ++i)
        TWinControl::AttachChildPeer(Controls(i));
    UpdateTabChain();
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl()
{
    // The sheets go after this part of the object; the tab widget must not call back meanwhile.
    if (HandleAllocated()) {
        QObject::disconnect(Peer(), nullptr, this, nullptr);
        // The tabs go with the tab widget, after the sheets and all at once, rather than each with its sheet
        // and the tabs left laid out again each time: with many pages, most of what closing a document took.
        QTabWidget *tabs = TabWidget();
        if (auto *stack = tabs->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QObject::disconnect(stack, &QStackedWidget::widgetRemoved, tabs, nullptr);
    }
    FPages.clear();
    FActivePage = nullptr;
}

QWidget *TPageControl::CreatePeer()
{
    auto *tabs = new TPeer<QTabWidget>(this);
    // Only the user's choice of a tab arrives here: every change made from code blocks the signal.
    QObject::connect(tabs, &QTabWidget::currentChanged, this, [this, tabs](int index) {
        QWidget *w = tabs->widget(index);
        const auto it = std::find_if(FPages.begin(), FPages.end(),
                                     [w](TTabSheet *s) { return s->FHasTab && s->Peer() == w; });
        // Nothing is looked at after OnChange: its handler may add or free sheets.
        if (it == FPages.end() || *it == FActivePage)
            return;
        FActivePage = *it;
        FActivePage->MakeContents();
        if (OnChange)
            Application()->Guard([this] { OnChange(this); });
    });
    return tabs;
}

void TPageControl::InitPeer(QWidget *peer)
{
    TWinControl::InitPeer(peer);
    // A click on a tab takes the focus, as the system's tab control does: the box being typed into on the
    // page left behind is committed and closed, rather than its hidden editor passing the focus on to some
    // box of the page shown. Only the tabs: a click on a page leaves the focus to what is clicked there.
    static_cast<QTabWidget *>(peer)->tabBar()->setFocusPolicy(Qt::StrongFocus);
}

QTabWidget *TPageControl::TabWidget()
{
    return static_cast<QTabWidget *>(Peer());
}

void TPageControl::ValidateInsert(TComponent *AComponent)
{
    TWinControl::ValidateInsert(AComponent);
    if (auto *sheet = qobject_cast<TTabSheet *>(AComponent))
        SheetInserted(sheet);
}

void TPageControl::SheetInserted(TTabSheet *sheet)
{
    if (std::find(FPages.begin(), FPages.end(), sheet) == FPages.end())
        FPages.push_back(sheet);
    if (!FActivePage)
        FActivePage = sheet;
}

void TPageControl::ControlRemoved(TControl *AControl)
{
    // Compared as plain pointers: a sheet being destroyed is no longer of its derived class.
    auto it = std::find_if(FPages.begin(), FPages.end(),
                           [AControl](TTabSheet *s) { return static_cast<TControl *>(s) == AControl; });
    if (it == FPages.end())
        return;
    TTabSheet *sheet = *it;
    FPages.erase(it);
    RemoveTab(sheet);
    if (FActivePage == sheet) {
        FActivePage = FPages.empty() ? nullptr : FPages.front();
        ShowActivePage();
    }
}

void TPageControl::AttachChildPeer(TControl *AControl)
{
    if (auto *sheet = qobject_cast<TTabSheet *>(AControl)) {
        InsertTab(sheet);
        return;
    }
    TWinControl::AttachChildPeer(AControl);
}

void TPageControl::AlignControls(TControl *, TRect &)
{
    // The tab widget places its sheets.
}

int TPageControl::TabIndexOf(const TTabSheet *sheet) const
{
    int index = 0;
    for (const TTabSheet *s : FPages) {
        if (s == sheet)
            break;
        if (s->FHasTab)
            ++index;
    }
    return index;
}

void TPageControl::InsertTab(TTabSheet *sheet)
{
    if (sheet->FHasTab || !sheet->TabVisible() || !HandleAllocated() || sheet->PageControl() != this)
        return;
    // Making the sheet's widget attaches it again, from inside; once is enough.
    QWidget *peer = sheet->Peer();
    if (sheet->FHasTab)
        return;
    QTabWidget *tabs = TabWidget();
    const QSignalBlocker blocker(tabs);
    tabs->insertTab(TabIndexOf(sheet), peer, sheet->Caption());
    sheet->FHasTab = true;
    ShowActivePage();
}

void TPageControl::TakeFocusFrom(QWidget *page)
{
    QWidget *focus = page ? page->window()->focusWidget() : nullptr;
    if (focus && page->isAncestorOf(focus))
        TabWidget()->tabBar()->setFocus(Qt::OtherFocusReason);
}

void TPageControl::RemoveTab(TTabSheet *sheet)
{
    if (!sheet->FHasTab)
        return;
    sheet->FHasTab = false;
    if (!HandleAllocated() || !sheet->HandleAllocated())
        return;
    TakeFocusFrom(sheet->Peer());
    QTabWidget *tabs = TabWidget();
    const QSignalBlocker blocker(tabs);
    tabs->removeTab(tabs->indexOf(sheet->Peer()));
    ShowActivePage();
}

void TPageControl::MoveTab(TTabSheet *sheet, int from)
{
    if (!sheet->FHasTab || !HandleAllocated())
        return;
    const QSignalBlocker blocker(TabWidget());
    TabWidget()->tabBar()->moveTab(from, TabIndexOf(sheet));
}

void TPageControl::RenameTab(TTabSheet *sheet)
{
    if (sheet->FHasTab && HandleAllocated())
        TabWidget()->setTabText(TabIndexOf(sheet), sheet->Caption());
}

void TPageControl::ShowActivePage()
{
    if (!HandleAllocated() || !FActivePage || !FActivePage->FHasTab)
        return;
    QTabWidget *tabs = TabWidget();
    QWidget *peer = FActivePage->Peer();
    FActivePage->MakeContents();
    if (tabs->currentWidget() != peer) {
        TakeFocusFrom(tabs->currentWidget());
        const QSignalBlocker blocker(tabs);
        tabs->setCurrentWidget(peer);
    }
}

TTabSheet *TPageControl::ActivePage() const
{
    return FActivePage;
}

void TPageControl::SetActivePage(TTabSheet *v)
{
    if (v && v->PageControl() != this)
        return;
    FActivePage = v;
    ShowActivePage();
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int v)
{
    SetActivePage(v >= 0 && v < PageCount() ? FPages[size_t(v)] : nullptr);
}

// ---- TStatusBar ----

TStatusBar::TStatusBar(TComponent *AOwner) : TWinControl(AOwner)
{
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool v)
{
    FSimplePanel = v;
    Invalidate();
}

void TStatusBar::SetSimpleText(const QString &v)
{
    FSimpleText = v;
    Invalidate();
}

void TStatusBar::AddPanel(const QString &text, int width)
{
    FPanels.push_back({text, width});
    Invalidate();
}

void TStatusBar::SetPanelText(int i, const QString &text)
{
    if (i < 0 || i >= PanelCount() || FPanels[size_t(i)].Text == text)
        return;
    FPanels[size_t(i)].Text = text;
    Invalidate();
}

QString TStatusBar::ShownText() const
{
    if (FSimplePanel)
        return FSimpleText;
    QStringList parts;
    for (const TStatusPanel &p : FPanels)
        parts << p.Text;
    return parts.join(u'\t');
}

TRect TStatusBar::PanelRect(int i) const
{
    int left = 0;
    for (int k = 0; k < i && k < PanelCount(); ++k)
        left += std::max(0, FPanels[size_t(k)].Width);
    const bool last = i == PanelCount() - 1;
    const int right = last ? std::max(left, Width()) : left + std::max(0, FPanels[size_t(i)].Width);
    return {left, 0, right, Height()};
}

void TStatusBar::PeerPaint(QPainter &painter)
{
    const QPalette palette = FPeer ? FPeer->palette() : QPalette();
    painter.fillRect(QRect(0, 0, Width(), Height()), ColorToQColor(GetColor(), palette));
    painter.setFont(DesignFontOf(GetFont()));
    painter.setPen(palette.color(QPalette::WindowText));
    const auto drawText = [&](const QRect &r, const QString &text) {
        const QRect inner = r.adjusted(3, 1, -3, -1);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, inner.width()));
    };
    if (FSimplePanel) {
        drawText(QRect(0, 0, Width(), Height()), FSimpleText);
        return;
    }
    for (int i = 0; i < PanelCount(); ++i) {
        const QRect r = PanelRect(i).ToQRect().adjusted(0, 2, -2, 0);
        if (r.width() <= 0)
            continue;
        // A sunken panel: dark top and left edges, light bottom and right ones.
        painter.setPen(palette.color(QPalette::Mid));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette.color(QPalette::Light));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        painter.setPen(palette.color(QPalette::WindowText));
        drawText(r, FPanels[size_t(i)].Text);
    }
}

// ---- TMonthCalendar ----

TMonthCalendar::TMonthCalendar(TComponent *AOwner) : TWinControl(AOwner), FDate(::Date())
{
    SetBounds(0, 0, 191, 154);
    SetTabStop(true);
    // Clicks count only on days; the calendar's own signals raise them.
    SetControlStyle(ControlStyle() & ~csClickEvents);
}

QWidget *TMonthCalendar::CreatePeer()
{
    auto *cal = new TPeer<QCalendarWidget>(this);
    cal->setFont(DesignFontOf(GetFont()));
    cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    cal->setFirstDayOfWeek(Qt::Monday);
    cal->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    cal->setSelectedDate(DateTimeToQDate(FDate));
    // A day the user picks is the whole day, without the time the calendar was set to.
    QObject::connect(cal, &QCalendarWidget::selectionChanged, this,
                     [this, cal] { FDate = QDateToDateTime(cal->selectedDate()); });
    QObject::connect(cal, &QCalendarWidget::clicked, this, [this](QDate day) {
        FDate = QDateToDateTime(day);
        GuardEvent([this] { Click(); });
    });
    QObject::connect(cal, &QCalendarWidget::activated, this, [this](QDate) { GuardEvent([this] { DblClick(); }); });
    return cal;
}

QCalendarWidget *TMonthCalendar::Calendar()
{
    return static_cast<QCalendarWidget *>(Peer());
}

void TMonthCalendar::SetDate(TDateTime v)
{
    FDate = v;
    if (HandleAllocated()) {
        const QDate d = DateTimeToQDate(v);
        Calendar()->setSelectedDate(d);
        Calendar()->setCurrentPage(d.year(), d.month());
        FDate = v;
    }
}

QSize TMonthCalendar::MinimumSize()
{
    return Calendar()->minimumSizeHint();
}

// ---- TDateTimePicker ----

#include <QDateEdit>

TDateTimePicker::TDateTimePicker(TComponent *AOwner) : TWinControl(AOwner), FDate(::Date())
{
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

QWidget *TDateTimePicker::CreatePeer()
{
    auto *edit = new TPeer<QDateEdit>(this);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    edit->setLocale(QLocale(QLocale::Greek, QLocale::Greece));
    edit->setFont(DesignFontOf(GetFont()));
    FSyncing = true;
    edit->setDate(DateTimeToQDate(FDate));
    FSyncing = false;
    QObject::connect(edit, &QDateEdit::dateChanged, this, [this](QDate d) {
        if (FSyncing)
            return;
        FDate = QDateToDateTime(d);
        GuardEvent([this] {
            if (OnChange)
                OnChange(this);
        });
    });
    return edit;
}

QDateEdit *TDateTimePicker::DateEdit()
{
    return static_cast<QDateEdit *>(Peer());
}

void TDateTimePicker::SetDate(TDateTime v)
{
    FDate = DateOf(v);
    if (HandleAllocated()) {
        FSyncing = true;
        DateEdit()->setDate(DateTimeToQDate(FDate));
        FSyncing = false;
    }
}

