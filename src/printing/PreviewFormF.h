// The print preview window: page and zoom actions around the preview control, a print action that hands
// printing back to the caller, and a status bar with the page number and the application's hints.
#pragma once

#include "XDocPreview.h"
#include "vcl/ActnList.h"
#include "vcl/ComCtrls.h"
#include "vcl/ExtCtrls.h"

class TPreviewForm : public TForm
{
    Q_OBJECT
    Q_CLASSINFO("FormResource", ":/forms/PreviewForm.dfm")
    Q_PROPERTY(TPanel *CoolBar1 MEMBER CoolBar1 STORED false)
    Q_PROPERTY(TActionToolBar *ActionToolBar1 MEMBER ActionToolBar1 STORED false)
    Q_PROPERTY(TXDocPreview *DocPreview1 MEMBER DocPreview1 STORED false)
    Q_PROPERTY(TStatusBar *StatusBar1 MEMBER StatusBar1 STORED false)
    Q_PROPERTY(TAction *aFirst MEMBER aFirst STORED false)
    Q_PROPERTY(TAction *aPrev MEMBER aPrev STORED false)
    Q_PROPERTY(TAction *aNext MEMBER aNext STORED false)
    Q_PROPERTY(TAction *aLast MEMBER aLast STORED false)
    Q_PROPERTY(TAction *aZoomToFit MEMBER aZoomToFit STORED false)
    Q_PROPERTY(TAction *aZoomActual MEMBER aZoomActual STORED false)
    Q_PROPERTY(TAction *aZoomWidth MEMBER aZoomWidth STORED false)
    Q_PROPERTY(TAction *aPrint MEMBER aPrint STORED false)
    Q_PROPERTY(TAction *aClose MEMBER aClose STORED false)
public:
    Q_INVOKABLE explicit TPreviewForm(TComponent *AOwner);
    ~TPreviewForm() override;

    TPanel *CoolBar1 = nullptr;
    TActionToolBar *ActionToolBar1 = nullptr;
    TXDocPreview *DocPreview1 = nullptr;
    TStatusBar *StatusBar1 = nullptr;
    TAction *aFirst = nullptr, *aPrev = nullptr, *aNext = nullptr, *aLast = nullptr, *aZoomToFit = nullptr,
            *aZoomActual = nullptr, *aZoomWidth = nullptr, *aPrint = nullptr, *aClose = nullptr;

    // Fired by the print action with the window as Sender; the window stays open.
    TNotifyEvent OnPrint;

    // Shows Note in the hint panel now, and again whenever the hint is empty, until the window is next shown.
    void ShowNote(const QString &Note);
    QString Note() const { return FNote; }

    // Runs the update handlers of the actions (after each action and when the window is shown).
    void UpdateActions();
    TModalResult ShowModal() override;

    Q_INVOKABLE void FormCreate(TObject *Sender);
    Q_INVOKABLE void FormDestroy(TObject *Sender);
    Q_INVOKABLE void aFirstExecute(TObject *Sender);
    Q_INVOKABLE void aPrevExecute(TObject *Sender);
    Q_INVOKABLE void aNextExecute(TObject *Sender);
    Q_INVOKABLE void aLastExecute(TObject *Sender);
    Q_INVOKABLE void aZoomToFitExecute(TObject *Sender);
    Q_INVOKABLE void aZoomActualExecute(TObject *Sender);
    Q_INVOKABLE void aZoomWidthExecute(TObject *Sender);
    Q_INVOKABLE void aPrintExecute(TObject *Sender);
    Q_INVOKABLE void aCloseExecute(TObject *Sender);
    Q_INVOKABLE void aFirstUpdate(TObject *Sender);
    Q_INVOKABLE void aPrevUpdate(TObject *Sender);
    Q_INVOKABLE void aNextUpdate(TObject *Sender);
    Q_INVOKABLE void aLastUpdate(TObject *Sender);

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    // Esc closes the window, as it closes every dialog.
    void KeyDown(quint16 &Key, TShiftState Shift) override;

private:
    // Keys of the page view: Page Down and Page Up go to the next and the previous page, Home and End to the
    // first and the last (the arrows scroll the page).
    void DocPreview1KeyDown(TObject *Sender, quint16 &Key, TShiftState Shift);
    void UpdateStatus();
    Q_INVOKABLE void ShowApplicationHint(TObject *Sender);
    int PageCount() const;

    TNotifyEvent FOldHint;
    QString FNote;
    // The window is made at its first use, while the main window is active: that window hands back, on
    // leaving, the handler it found, not this one. So this window also takes the hints while it is active.
    TNotifyEvent FActiveOldHint;
    bool FHintInstalled = false;
};

// The preview window of the running program, reused for every preview once made.
extern TPreviewForm *PreviewForm;
// PreviewForm, made at the first preview, owned by the application.
TPreviewForm *SharedPreviewForm();
