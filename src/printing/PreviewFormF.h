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
public:
    Q_INVOKABLE explicit TPreviewForm(TComponent *AOwner);
    ~TPreviewForm() override;

    TPanel *CoolBar1;
    TActionToolBar *ActionToolBar1;
    TXDocPreview *DocPreview1;
    TStatusBar *StatusBar1;
    TAction *aFirst, *aPrev, *aNext, *aLast, *aZoomToFit, *aZoomActual, *aZoomWidth, *aPrint, *aClose;

    // Fired by the print action with the window as Sender; the window stays open.
    TNotifyEvent OnPrint;

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

private:
    void UpdateStatus();
    void ShowApplicationHint(TObject *Sender);
    int PageCount() const;
    TAction *NewAction(const char *name, const QString &caption, bool hintAsCaption, int image);

    TNotifyEvent FOldHint;
};
