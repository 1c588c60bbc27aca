#include "DbXForms.h"

TDbLookupXFrame::TDbLookupXFrame(TComponent *AOwner)
    : TInplaceEditFrame(AOwner), FDataLink(std::make_unique<TFieldDataLink>())
{
    // The box does not follow the dataset: no data event of the link is handled, so none is sent to it.
    FDataLink->SetControl(this);
    FDataLink->SetPassive(true);
}

TDbLookupXFrame::~TDbLookupXFrame()
{
    FDataLink.reset();
}

void TDbLookupXFrame::SetDataSource(TDataSource *Value)
{
    FDataLink->SetDataSource(Value);
    if (Value)
        Value->FreeNotification(this);
}

void TDbLookupXFrame::Notification(TComponent *AComponent, TOperation Operation)
{
    TInplaceEditFrame::Notification(AComponent, Operation);
    if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource())
        SetDataSource(nullptr);
}

void TDbLookupXFrame::SetEditText(const QString &S)
{
    SetCaption(S);
}

QString TDbLookupXFrame::FieldText() const
{
    if (TField *f = Field())
        return f->DisplayText();
    return IsDesigning() ? DataField() : QString();
}

bool TDbLookupXFrame::SameGroup(const TDbLookupXFrame *Other) const
{
    return Other->Group() == Group() && Other->DataSource() == DataSource();
}

void TDbLookupXFrame::UpdateFromDataSet(bool WithGroup)
{
    if (WithGroup && Group() >= 0 && Owner()) {
        const int group = Group();
        auto *listener = dynamic_cast<IDbGroupFill *>(Owner());
        TDataSet *ds = FDataLink->DataSet();
        TBookmark b = ds ? ds->GetBookmark() : TBookmark();
        const QList<TComponent *> parts = Owner()->ComponentList();
        if (listener)
            listener->GroupFillBegin(group);
        // A fill given up half-way still ends, so that the next one works out the group again; what that
        // end may raise after the first failure is not told.
        TScopeExit endFailed([&] {
            try {
                if (listener)
                    listener->GroupFillEnd(group);
            } catch (const std::exception &) {
            }
        });
        {
            TScopeExit freeBookmark([&] {
                if (ds)
                    ds->FreeBookmark(b);
            });
            for (TComponent *c : parts) {
                auto *box = qobject_cast<TDbLookupXFrame *>(c);
                if (!box || !SameGroup(box))
                    continue;
                // A box's text change may move the dataset (its handlers run); each box reads the picked
                // record.
                if (ds && b && ds->BookmarkValid(b))
                    ds->GotoBookmark(b);
                box->UpdateFromDataSet(false);
            }
        }
        endFailed.Dismiss();
        if (listener)
            listener->GroupFillEnd(group);
        return;
    }
    if (TField *f = Field()) {
        SetCaption(FieldText());
        FValue = f->Value();
    }
}

void TDbLookupXFrame::LocateCurrent(bool WithGroup)
{
    try {
        QString keys;
        QVariantList values;
        if (WithGroup && Group() >= 0 && Owner()) {
            for (TComponent *c : Owner()->ComponentList()) {
                auto *box = qobject_cast<TDbLookupXFrame *>(c);
                if (!box || !SameGroup(box) || !box->Field() || !box->Field()->IsIndexField())
                    continue;
                if (!keys.isEmpty())
                    keys += QLatin1Char(';');
                keys += box->DataField();
                values.append(box->Caption());
            }
        } else {
            keys = DataField();
            values.append(FValue);
        }
        TDataSet *ds = FDataLink->DataSet();
        if (DataSource() && ds && !values.isEmpty())
            ds->Locate(keys, values.size() == 1 ? values.first() : QVariant(values), loCaseInsensitive | loPartialKey);
    } catch (const std::exception &) {
        // A name the dataset does not have or a value of the wrong type leaves the dataset where it was.
    }
}
