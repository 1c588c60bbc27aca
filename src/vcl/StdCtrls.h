// Labels and one-line edits.
#pragma once

#include "Controls.h"

class QLineEdit;

class TLabel : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Controls::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(Controls::TTextLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TLabel(TComponent *AOwner);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // The flags of the text routine for the label's alignment, layout and wrapping.
    unsigned TextFlags() const;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FAutoSize = true;
    bool FTransparent = false;
};

class TEdit : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ GetText WRITE SetText)
    Q_PROPERTY(int MaxLength READ MaxLength WRITE SetMaxLength)
    Q_PROPERTY(Controls::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TEdit(TComponent *AOwner);
    QLineEdit *LineEdit();
    QString GetText() const override;
    void SetText(const QString &v) override;
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    void SelectAll();

    TNotifyEvent OnChange;

protected:
    QWidget *CreatePeer() override;
    void TextChanged() override;

private:
    int FMaxLength = 0;
    TBorderStyle FBorderStyle = bsSingle;
    bool FReadOnly = false;
    bool FSettingText = false;
};

class QListWidget;

namespace StdCtrls
{
Q_NAMESPACE
// How the edge of a windowed control is drawn around it.
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
Q_ENUM_NS(TBevelKind)
} // namespace StdCtrls
using namespace StdCtrls;

// A list of lines, one selectable. OnClick fires whenever the user changes the selection, by mouse or
// by the arrow keys, as the list box of the class library does.
class TListBox : public TWinControl
{
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
    Q_PROPERTY(Controls::TFormBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)
    Q_PROPERTY(StdCtrls::TBevelKind BevelKind READ BevelKind WRITE SetBevelKind)
    Q_PROPERTY(Controls::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Controls::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_CLASSINFO("Default:ItemHeight", "16")
    Q_CLASSINFO("Default:BorderStyle", "bsSingle")
    Q_CLASSINFO("Default:BevelKind", "bkNone")
    Q_CLASSINFO("Default:BevelInner", "bvRaised")
    Q_CLASSINFO("Default:BevelOuter", "bvLowered")

public:
    explicit TListBox(TComponent *AOwner);
    ~TListBox() override;
    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *v) { FItems->Assign(v); }
    // The selected line, -1 when none.
    int ItemIndex() const;
    void SetItemIndex(int v);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int v);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle v);
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind v);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v) { FBevelInner = v; }
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v) { FBevelOuter = v; }
    QListWidget *ListWidget();
    // Where line Index is drawn, in the list's own coordinates.
    TRect ItemRect(int Index);

protected:
    QWidget *CreatePeer() override;

private:
    void SyncItems();
    void UpdateFrame();
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FItemHeight = 16;
    TBorderStyle FBorderStyle = bsSingle;
    TBevelKind FBevelKind = bkNone;
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
    bool FSyncing = false;
};
