// Panels and pictures.
#pragma once

#include "Controls.h"

#include <QPicture>

class QSvgRenderer;

class TPanel : public TCustomControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(Controls::TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(Controls::TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(Controls::TAlignment Alignment READ Alignment WRITE SetAlignment)

public:
    explicit TPanel(TComponent *AOwner);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    // Children sit inside the bevels and the border.
    TRect GetClientRect() override;

protected:
    void Paint() override;

private:
    int BevelExtent() const;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TAlignment FAlignment = taCenter;
};

// A vector picture: SVG data or a recorded QPicture.
class TVectorGraphic : public TGraphic
{
public:
    TVectorGraphic();
    ~TVectorGraphic() override;
    bool LoadFromData(const QByteArray &data);
    bool LoadFromFile(const QString &fileName);
    void SetPicture(const QPicture &picture);
    void Draw(QPainter &painter, const QRectF &rect) override;
    bool Empty() const override;
    int Width() const override;
    int Height() const override;

private:
    std::unique_ptr<QSvgRenderer> FSvg;
    QPicture FPicture;
    bool FHasPicture = false;
};

class TPicture
{
public:
    TGraphic *Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> g);
    // Loads an SVG file; false when it is not a readable picture.
    bool LoadFromFile(const QString &fileName);
    // Told after every change of the graphic (the image repaints).
    std::function<void()> OnChange;

private:
    std::unique_ptr<TGraphic> FGraphic;
};

// Shows a picture, stretched to the control when Stretch is set.
class TImage : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)

public:
    explicit TImage(TComponent *AOwner);
    TPicture *Picture() { return &FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);

protected:
    void Paint() override;

private:
    TPicture FPicture;
    bool FStretch = false;
};
