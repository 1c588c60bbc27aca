// The one window in which every reference table is maintained: a grid with the sort and filter bar, a
// detail page of labelled editors generated from the dataset's fields, a navigator, and a read-only
// switch in the status bar.
#pragma once

#include "XForms/DataSetFilterFrameF.h"
#include "db/DBCtrls.h"
#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QRect>

#include <optional>

class TTableEditor : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/TableEditor.dfm")

public:
    Q_INVOKABLE explicit TTableEditor(TComponent *AOwner);
    ~TTableEditor() override;

    // Creates an editor for DataSet, captioned after Sender when it is an action; a modal edit frees the
    // window when it ends and answers whether it ended with Ok.
    static bool Edit(TDataSet *DataSet, TObject *Sender, bool Modal);

    void SetDataSet(TDataSet *DataSet);
    TDataSet *GetDataSet() const;
    void BuildDetailPage();
    TPanel *MakeFieldPanel(TField *Field, TWinControl *Parent);

    Q_INVOKABLE void FormCreate(TObject *Sender);
    Q_INVOKABLE void FormActivate(TObject *Sender);
    Q_INVOKABLE void FormDeactivate(TObject *Sender);
    Q_INVOKABLE void ReadOnlyCheckClick(TObject *Sender);
    Q_INVOKABLE void LookupEditClick(TObject *Sender);
    void FormClose(TObject *Sender, TCloseAction &Action);
    Q_INVOKABLE void ShowHint(TObject *Sender);

    TPanel *Panel1 = nullptr;
    TDBNavigator *DBNavigator = nullptr;
    TPageControl *PageControl1 = nullptr;
    TTabSheet *TabSheet2 = nullptr;
    TTabSheet *TabSheet1 = nullptr;
    TDataSetFilterFrame *DataSetFilterFrame1 = nullptr;
    TScrollBox *ScrollBox1 = nullptr;
    TStatusBar *StatusBar1 = nullptr;
    TDataSource *DataSource = nullptr;
    TCheckBox *ReadOnlyCheck = nullptr;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    // Esc that the focused control leaves cancels the changes of the record, or closes the window when
    // there are none; Ctrl+Enter posts them (Ctrl+Return comes as the window's shortcut, this is the
    // keypad's Enter).
    void KeyDown(quint16 &Key, TShiftState Shift) override;

private:
    // Insert adds a record, Ctrl+Del deletes the current one (after the navigator's question) and
    // Ctrl+Return posts the changes, wherever the focus is in the window, an edit's own use of the key
    // giving way.
    void MakeRecordKeys();
    // What the navigator's button does, when it is enabled.
    void PressNavigator(TNavigateBtn Button);

    // Where the last editor stood and whether it was maximised; the next one of the run opens so. Kept when
    // an editor goes, so that one window serving every table keeps the size the user gave it.
    struct TPlace {
        QRect Bounds;
        bool Maximized = false;
    };
    static std::optional<TPlace> &LastPlace();
    void KeepPlace();
    void TakeLastPlace();

    TNotifyEvent FOldHint;
    bool FHintInstalled = false;
    bool FShown = false;
};
