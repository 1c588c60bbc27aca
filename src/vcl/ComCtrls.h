// Tabbed pages and the status bar.
#pragma once

#include "Controls.h"

class QTabWidget;
class TPageControl;

class TTabSheet : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    // A sheet fills the page area its control gives it: its bounds are layout, never stored.
    Q_CLASSINFO("Stored:Left", "IsBoundsStored")
    Q_CLASSINFO("Stored:Top", "IsBoundsStored")
    Q_CLASSINFO("Stored:Width", "IsBoundsStored")
    Q_CLASSINFO("Stored:Height", "IsBoundsStored")
    // A new sheet is hidden, unlike other controls: its Visible is always written, so that it reads back
    // as it was, whatever it is.
    Q_CLASSINFO("Default:Visible", "")

public:
    explicit TTabSheet(TComponent *AOwner);
    Q_INVOKABLE bool IsBoundsStored() const { return false; }
    ~TTabSheet() override;
    TPageControl *PageControl() const;
    void SetPageControl(TPageControl *v);
    // Position among the page control's sheets, -1 without one.
    int PageIndex() const;
    void SetPageIndex(int v);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool v);
    bool ExternallySized() const override { return true; }

protected:
    void TextChanged() override;
    // The page control's tab widget shows the current sheet and hides the others.
    void ShowPeer(QWidget *peer, bool v) override;
    // A sheet not shown is only its own widget: what it holds gets widgets when it is first shown (or when
    // one of them is asked for), so many pages do not make thousands of widgets nobody sees.
    void InitPeer(QWidget *peer) override;
    void AttachChildPeer(TControl *AControl) override;

private:
    friend class TPageControl;
    void MakeContents();
    bool FTabVisible = true;
    // The sheet's widget is one of the tab widget's pages.
    bool FHasTab = false;
    bool FContentsMade = false;
};

// The sheets keep their order here; the tab widget follows it one change at a time (a tab inserted, moved,
// renamed or removed), and shows only the active sheet.
class TPageControl : public TWinControl
{
    Q_OBJECT
    // Stored by name, so a document reopens on the page that was shown.
    Q_PROPERTY(TTabSheet *ActivePage READ ActivePage WRITE SetActivePage)
public:
    explicit TPageControl(TComponent *AOwner);
    ~TPageControl() override;
    int PageCount() const { return int(FPages.size()); }
    TTabSheet *Pages(int i) const { return FPages[size_t(i)]; }
    TTabSheet *ActivePage() const;
    void SetActivePage(TTabSheet *v);
    int ActivePageIndex() const;
    void SetActivePageIndex(int v);
    QTabWidget *TabWidget();

    TNotifyEvent OnChange;

protected:
    QWidget *CreatePeer() override;
    void InitPeer(QWidget *peer) override;
    void AttachChildPeer(TControl *AControl) override;
    void AlignControls(TControl *AControl, TRect &Rect) override;
    void ValidateInsert(TComponent *AComponent) override;
    void ControlRemoved(TControl *AControl) override;

private:
    friend class TTabSheet;
    void SheetInserted(TTabSheet *sheet);
    // Index of the sheet's tab, or of the place it would take: the earlier sheets that have one.
    int TabIndexOf(const TTabSheet *sheet) const;
    void InsertTab(TTabSheet *sheet);
    void RemoveTab(TTabSheet *sheet);
    void MoveTab(TTabSheet *sheet, int from);
    void RenameTab(TTabSheet *sheet);
    // The tab widget's current page := the active sheet, when it has a tab.
    void ShowActivePage();
    // A page going out of sight that holds its window's focus gives it to the tabs, as a click on a tab
    // takes it, rather than the tab widget passing it on to some control of the page shown.
    void TakeFocusFrom(QWidget *page);
    std::vector<TTabSheet *> FPages;
    TTabSheet *FActivePage = nullptr;
};

struct TStatusPanel {
    QString Text;
    int Width = 50;
};

// The status bar draws its panels itself: texts change with every hint, and the bar must never create or
// delete widgets for them (a widget deleted while Qt delivers a mouse event to it crashes, and widgets of
// its own would lie on top of the controls placed in the bar, such as a check box in the first panel).
class TStatusBar : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)

public:
    explicit TStatusBar(TComponent *AOwner);
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool v);
    QString SimpleText() const { return FSimpleText; }
    void SetSimpleText(const QString &v);
    int PanelCount() const { return int(FPanels.size()); }
    TStatusPanel &Panels(int i) { return FPanels[size_t(i)]; }
    void AddPanel(const QString &text, int width);
    void SetPanelText(int i, const QString &text);
    // The text shown now: the simple text, or the panels' texts.
    QString ShownText() const;
    // Where panel i lies in the bar; the last panel reaches the right edge.
    TRect PanelRect(int i) const;

    bool CustomPaint() const override { return true; }
    void PeerPaint(QPainter &painter) override;

private:
    bool FSimplePanel = false;
    QString FSimpleText;
    std::vector<TStatusPanel> FPanels;
};

class QCalendarWidget;

// The month calendar. OnClick fires on a click on a day, OnDblClick on a double click on a day; Date is
// the selected day.
class TMonthCalendar : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(double Date READ Date WRITE SetDate STORED false)

public:
    explicit TMonthCalendar(TComponent *AOwner);
    TDateTime Date() const { return FDate; }
    // The day of the value (its time part is kept) becomes the selected day and its month is shown.
    void SetDate(TDateTime v);
    QCalendarWidget *Calendar();
    // The smallest size that shows a whole month.
    QSize MinimumSize();

protected:
    QWidget *CreatePeer() override;

private:
    TDateTime FDate = 0;
};

// ---- Date picker ----

class QDateEdit;

// A date box with a drop-down calendar, shown as dd/mm/yyyy. Date is the whole day picked.
class TDateTimePicker : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(double Date READ Date WRITE SetDate)
    Q_CLASSINFO("Default:Date", "0")

public:
    explicit TDateTimePicker(TComponent *AOwner);
    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime v);
    QDateEdit *DateEdit();

    TNotifyEvent OnChange;

protected:
    QWidget *CreatePeer() override;

private:
    TDateTime FDate = 0;
    bool FSyncing = false;
};
