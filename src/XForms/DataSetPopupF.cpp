#include "DataSetPopupF.h"

#include "DbXForms.h"
#include "db/DBCtrls.h"
#include "vcl/ComponentStream.h"
#include "vcl/Dialogs.h"

#include <QWidget>
#include <QWindow>

static void InitDataSetPopupResources()
{
    Q_INIT_RESOURCE(DataSetForms);
}

TDataSetPopup *DataSetPopup = nullptr;

TDataSetPopup *SharedDataSetPopup()
{
    if (!DataSetPopup)
        DataSetPopup = new TDataSetPopup(Application());
    return DataSetPopup;
}

namespace
{
const int MinPopupSize = 112;
const int SizingCorner = 16;
} // namespace

TDataSetPopup::TDataSetPopup(TComponent *AOwner) : TPopupWin(AOwner)
{
    InitDataSetPopupResources();
    InitInheritedComponent(this, &TForm::staticMetaObject);
    Panel1 = qobject_cast<TPanel *>(FindComponent(QStringLiteral("Panel1")));
    DataSetFilterFrame1 = qobject_cast<TDataSetFilterFrame *>(FindComponent(QStringLiteral("DataSetFilterFrame1")));
    if (!Panel1 || !DataSetFilterFrame1)
        throw EComponentError(QStringLiteral("Λείπουν στοιχεία από τη σχεδίαση του DataSetPopup."));
    // The grid sits inside the frame, whose own handlers are the ones its design binds; the pick on a cell
    // click is the pop-up's.
    DataSetFilterFrame1->DBGrid1->OnCellClick = [this](TColumn *Column) { DBGridCellClick(Column); };
    // A pick window: a click or a key picks, nothing here edits the shared reference tables.
    DataSetFilterFrame1->DBGrid1->SetReadOnly(true);
}

TDataSetPopup::~TDataSetPopup()
{
    if (DataSetPopup == this)
        DataSetPopup = nullptr;
}

TDataSet *TDataSetPopup::DataSet() const
{
    return DataSetFilterFrame1->DataSet();
}

void TDataSetPopup::SetDataSet(TDataSet *Value)
{
    DataSetFilterFrame1->SetDataSet(Value);
    if (Value && Value->Active())
        Value->Cancel();
}

void TDataSetPopup::AdjustHeight()
{
    TDataSet *ds = DataSet();
    const int count = ds && ds->Active() ? ds->RecordCount() : 0;
    SetHeight(std::max(240, std::min(count + 2, 13) * 19));
}

void TDataSetPopup::SetField(TField *F)
{
    FField = F;
    if (F && F->LookupDataSet() && !F->LookupResultField().isEmpty())
        SetDataSet(F->LookupDataSet());
}

void TDataSetPopup::PopupExt(TObject *AControl, int AWidth, TNotifyEvent AOnSelect)
{
    FField.clear();
    FResultField.clear();
    if (auto *box = qobject_cast<TDbLookupXFrame *>(AControl)) {
        if (!box->DataSource()) {
            ShowMessage(QStringLiteral("Error!!!") + box->Name());
            return;
        }
        SetDataSet(box->DataSource()->DataSet());
        box->LocateCurrent(true);
    } else if (auto *edit = qobject_cast<TDBEdit *>(AControl)) {
        SetField(edit->Field());
    }
    AdjustHeight();
    TPopupWin::PopupExt(AControl, AWidth, AOnSelect);
    FocusGrid();
}

void TDataSetPopup::PopupFor(TControl *AControl, TDataSet *ADataSet, int AWidth, const QString &AResultField)
{
    // A field left from an earlier showing without a pick must not be written by this one's pick.
    FField.clear();
    SetDataSet(ADataSet);
    FResultField = AResultField;
    AdjustHeight();
    TPopupWin::PopupExt(AControl, AWidth, nullptr);
    FocusGrid();
}

void TDataSetPopup::FocusGrid()
{
    // The arrow keys go through the records (on the sort list they would change the order).
    if (Visible())
        DataSetFilterFrame1->DBGrid1->SetFocus();
}

void TDataSetPopup::DoSelect()
{
    // Cleared whatever the pick does, also when it raises.
    struct Clear {
        TDataSetPopup *P;
        ~Clear()
        {
            P->FField.clear();
            P->FResultField.clear();
        }
    } clear{this};
    // Enter in a list with no rows (an empty table, a filter that matches nothing) picks no record: it must
    // not empty the boxes the user filled by hand.
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || ds->IsEmpty())
        return;
    if (auto *box = qobject_cast<TDbLookupXFrame *>(Control())) {
        if (!FResultField.isEmpty()) {
            box->SetCaption(ds->FieldByName(FResultField)->AsString());
        } else {
            box->UpdateFromDataSet(true);
        }
    } else if (TField *f = FField.data(); f && f->LookupDataSet() && !f->LookupResultField().isEmpty()) {
        TDataSet *lookup = f->LookupDataSet();
        const QVariant v = lookup->FieldByName(f->LookupResultField())->Value();
        f->DataSet()->Edit();
        f->SetValue(v);
    }
}

void TDataSetPopup::DBGridCellClick(TColumn *)
{
    DoSelect();
    ClosePopup();
}

THitTest TDataSetPopup::HitTestOf(int X, int Y, int ClientWidth, int ClientHeight)
{
    const int col = X <= SizingCorner ? 0 : X < ClientWidth - SizingCorner ? 1 : 2;
    const int row = Y <= SizingCorner ? 0 : Y < ClientHeight - SizingCorner ? 1 : 2;
    static const THitTest table[3][3] = {
        {HTTOPLEFT, HTTOP, HTTOPRIGHT}, {HTLEFT, HTCLIENT, HTRIGHT}, {HTBOTTOMLEFT, HTBOTTOM, HTBOTTOMRIGHT}};
    return table[row][col];
}

THitTest TDataSetPopup::HitTest(int X, int Y)
{
    return HitTestOf(X, Y, ClientWidth(), ClientHeight());
}

void TDataSetPopup::SetBorderWidth(int Value)
{
    FBorderWidth = std::max(0, Value);
    Realign();
}

TRect TDataSetPopup::GetClientRect()
{
    TRect r = TPopupWin::GetClientRect();
    return {r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth};
}

void TDataSetPopup::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TPopupWin::SetBounds(ALeft, ATop, std::max(AWidth, MinPopupSize), std::max(AHeight, MinPopupSize));
    if (HandleAllocated())
        Peer()->setMinimumSize(MinPopupSize, MinPopupSize);
}

namespace
{
Qt::Edges EdgesOf(THitTest Hit)
{
    switch (Hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape CursorOf(THitTest Hit)
{
    switch (Hit) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}
} // namespace

// Only the border outside the panel reaches the window itself: a drag there resizes the borderless window.
void TDataSetPopup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPopupWin::MouseDown(Button, Shift, X, Y);
    const Qt::Edges edges = EdgesOf(HitTest(X, Y));
    if (Button == mbLeft && edges && HandleAllocated())
        if (QWindow *w = Peer()->windowHandle())
            w->startSystemResize(edges);
}

void TDataSetPopup::MouseMove(TShiftState Shift, int X, int Y)
{
    TPopupWin::MouseMove(Shift, X, Y);
    if (HandleAllocated())
        Peer()->setCursor(CursorOf(HitTest(X, Y)));
}
