// A scrolling control that shows one page of a recorded document at one of three zoom styles.
#pragma once

#include "vcl/Forms.h"

class TEMFPrinter;
class TImage;

namespace XDocPreview
{
Q_NAMESPACE
enum TDocPreviewStyle { psFitToWindow, psPageWidth, psActualSize };
Q_ENUM_NS(TDocPreviewStyle)
} // namespace XDocPreview
using namespace XDocPreview;

class TXDocPreview : public TScrollBox
{
    Q_OBJECT
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
    Q_PROPERTY(XDocPreview::TDocPreviewStyle Style READ Style WRITE SetStyle)

public:
    Q_INVOKABLE explicit TXDocPreview(TComponent *AOwner);
    ~TXDocPreview() override;

    // 1-based number of the page shown; 0 shows nothing (values outside the document give 0).
    int PageIndex() const { return FPageIndex; }
    void SetPageIndex(int V);
    TDocPreviewStyle Style() const { return FStyle; }
    void SetStyle(TDocPreviewStyle V);
    // The document shown; not owned.
    TEMFPrinter *DocPrinter() const { return FDocPrinter; }
    void SetDocPrinter(TEMFPrinter *D);
    TImage *Image() const { return FImage; }
    // Reads the page shown from its file and places it by the style.
    void UpdatePage();

    // The client area less the scroll bars that show.
    int ClientW();
    int ClientH();

protected:
    void Resize() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
    void FocusSelf(TObject *Sender);
    bool VertBarShowing();

    int FPageIndex = -1;
    TDocPreviewStyle FStyle = psFitToWindow;
    TEMFPrinter *FDocPrinter = nullptr;
    TImage *FImage = nullptr;
    bool FUpdating = false;
};
