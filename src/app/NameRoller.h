// A list of text lines drawn as a turning drum: the front line largest and brightest in the middle,
// the others smaller, closer together and darker above and below it. With Scroll on, a 50 ms timer
// turns the drum upwards by 0.12 of a line per step.
#pragma once

#include "vcl/Controls.h"

#include <QImage>

class TNameRoller : public TCustomControl
{
    Q_OBJECT
    Q_PROPERTY(TStrings *Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int FocusedSize READ FocusedSize WRITE SetFocusedSize)
    Q_PROPERTY(bool Scroll READ Scroll WRITE SetScroll)
    Q_CLASSINFO("Default:ItemIndex", "0")
    Q_CLASSINFO("Default:FocusedSize", "0")
    Q_CLASSINFO("Default:Scroll", "False")

public:
    Q_INVOKABLE explicit TNameRoller(TComponent *AOwner);
    ~TNameRoller() override;

    TStrings *Items() const { return FItems.get(); }
    void SetItems(TStrings *Value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    int FocusedSize() const { return FFocusedSize; }
    void SetFocusedSize(int Value);
    bool Scroll() const { return FScroll; }
    void SetScroll(bool Value);
    float Position() const { return FPosition; }

    // One step of the turning drum.
    void Tick();
    // Composes the drum with position P (in lines) at the front into the bitmap.
    void DrawDrum(double P);
    // Size in points and offset from the centre in pixels of a line d lines away from the front.
    void LineMetrics(double d, int &Size, int &Offset) const;
    // Each of the colour's red, green and blue scaled by Ratio.
    static TColor FadeColor(TColor Color, double Ratio);
    // The off-screen picture of the drum.
    const QImage &Bitmap() const { return FBitmap; }

protected:
    void Paint() override;
    void Resize() override;
    void timerEvent(QTimerEvent *Event) override;
    void WMTimer();
    virtual void DrawLine(int Index, int Size, int Y);

private:
    void SizeBitmap();
    void ShowBitmap();

    std::unique_ptr<TStringList> FItems;
    int FItemIndex = 0;
    int FFocusedSize = 0;
    bool FScroll = false;
    float FPosition = 0;
    int FTimerId = 0;
    QImage FBitmap;
    TCanvas FBitmapCanvas;
    bool FShowingStep = false;
};
