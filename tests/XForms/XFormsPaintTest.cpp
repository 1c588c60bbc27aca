// Renders a few rows of a declaration header and checks that the tree draws like a paper form.
#include "XForms/XForms.h"
#include "vcl/Forms.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{

struct HeaderForm {
    std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
    TXFrame *Root = nullptr;
    TXFrame *Type = nullptr, *Branch = nullptr, *Employer = nullptr, *Street = nullptr, *Number = nullptr,
            *Zip = nullptr, *City = nullptr;
    int Clicks = 0, DropDowns = 0;

    TXFrame *Box(TWinControl *parent, int horz, int vert, TAlign align, const QString &hint, const QString &text)
    {
        auto *b = new TXFrame(Form.get());
        b->SetHorzSize(horz);
        b->SetVertSize(vert);
        b->SetAlign(align);
        b->SetExtraHint(hint);
        b->SetCaption(text);
        b->SetBorders(TXFrameBorderStyle(rsLeft | rsTop));
        b->SetColor(ToColor(0xF0FAFF)); // a light cream, as forms are printed
        b->SetParent(parent);
        return b;
    }

    HeaderForm()
    {
        Form->SetBounds(0, 0, 700, 260);
        Form->SetColor(clWhite);
        Root = new TXFrame(Form.get());
        Root->SetParent(Form.get());
        Root->SetColor(ToColor(0xF0FAFF));
        Root->SetHorzSize(1750);
        Root->SetVertSize(600);
        Root->SetBounds(10, 10, Root->Width(), Root->Height());
        Root->SetBorders(TXFrameBorderStyle(rsLeft | rsTop | rsRight | rsBottom));
        Root->DisableAlign();
        TXFrame *row1 = Box(Root, 0, 150, alTop, "", "");
        TXFrame *row2 = Box(Root, 0, 150, alTop, "", "");
        TXFrame *row3 = Box(Root, 0, 150, alTop, "", "");
        row1->SetTabOrder(0);
        row2->SetTabOrder(1);
        row3->SetTabOrder(2);
        Type = Box(row1, 500, 0, alLeft, "  ΤΥΠΟΣ|  ΔΗΛΩΣΗΣ", "01");
        Type->SetDropDownButton(true);
        Branch = Box(row1, 0, 0, alClient, "  ΥΠΟΚΑΤΑΣΤΗΜΑ|  ΙΚΑ", "ΑΘΗΝΩΝ (ΚΕΝΤΡΙΚΟ)");
        Employer = Box(row2, 0, 0, alClient, "  ΕΠΩΝΥΜΙΑ|  ΕΡΓΟΔΟΤΗ", "ΟΙΚΟΔΟΜΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
        Street = Box(row3, 700, 0, alLeft, "  ΟΔΟΣ|  (13)", "ΠΑΤΗΣΙΩΝ");
        Number = Box(row3, 250, 0, alLeft, "  ΑΡΙΘΜΟΣ|  (14)", "112");
        Zip = Box(row3, 300, 0, alLeft, "  Τ.Κ.|  (15)", "11257");
        City = Box(row3, 0, 0, alClient, "  ΠΟΛΗ|  (16)", "ΑΘΗΝΑ");
        Street->SetTabOrder(0);
        Number->SetTabOrder(1);
        Zip->SetTabOrder(2);
        Number->SetAlignment(taRightJustify);
        // The address boxes highlight together.
        for (TXFrame *b : {Street, Number, Zip, City}) {
            b->SetGroup(3);
            b->OnClick = [this](TObject *) { ++Clicks; };
        }
        Type->OnDropDown = [this](TObject *) { ++DropDowns; };
        Root->EnableAlign();
        Form->Show();
        QTest::qWait(1);
    }

    QImage Grab() { return Form->Peer()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The colour at a point inside a box, in form coordinates.
    static QPoint Inside(TControl *c, int dx, int dy) { return c->Peer()->mapTo(c->Peer()->window(), QPoint(dx, dy)); }
};

QRgb Rgb(TColor c)
{
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int InkCount(const QImage &img, const QRect &area, QRgb background)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) != background)
                ++n;
    return n;
}

} // namespace

TEST(XFramePaint, HeaderRowsDrawTitlesTextBordersAndHover)
{
    HeaderForm h;
    const QRgb cream = Rgb(ToColor(0xF0FAFF));
    QImage plain = h.Grab();

    // Layout: three rows of 150 lo-metric units (57 pixels), address boxes side by side.
    EXPECT_EQ(h.Street->Parent()->Top(), 2 * 57);
    EXPECT_EQ(h.Number->Left(), h.Street->Width());

    // Borders: the left and top lines of a box are black, the fill is the scheme-free box colour.
    const QPoint streetOrigin = HeaderForm::Inside(h.Street, 0, 0);
    EXPECT_EQ(plain.pixel(streetOrigin + QPoint(0, 20)), qRgb(0, 0, 0));
    EXPECT_EQ(plain.pixel(streetOrigin + QPoint(20, 0)), qRgb(0, 0, 0));
    // The title sits at the top left, the value text right of it.
    const TRect client = h.Street->GetClientRect();
    const QPoint titleArea = HeaderForm::Inside(h.Street, 1, 1);
    EXPECT_GT(InkCount(plain, QRect(titleArea, QSize(client.Left - 1, h.Street->Height() - 2)), cream), 20);
    const QPoint textArea = HeaderForm::Inside(h.Street, client.Left + 1, 1);
    EXPECT_GT(InkCount(plain, QRect(textArea, QSize(client.Width() - 2, h.Street->Height() - 2)), cream), 20);
    // The title's two lines: its ink spans more than one line of the title font.
    int firstRow = -1, lastRow = -1;
    for (int y = 0; y < h.Street->Height() - 2; ++y)
        if (InkCount(plain, QRect(titleArea + QPoint(0, y), QSize(client.Left - 2, 1)), cream) > 0) {
            if (firstRow < 0)
                firstRow = y;
            lastRow = y;
        }
    EXPECT_GT(lastRow - firstRow, 9);

    // Hover over a grouped box with a click handler: 40 % highlight on it, 20 % on its group.
    h.Number->PeerEnter();
    h.Type->PeerEnter();
    QImage hovered = h.Grab();
    const QRgb strong = Rgb(BlendColors(ToColor(0xFFFFFF), ToColor(0xF0FAFF), 0.4f));
    const QRgb weak = Rgb(BlendColors(ToColor(0xFFFFFF), ToColor(0xF0FAFF), 0.2f));
    EXPECT_EQ(hovered.pixel(HeaderForm::Inside(h.Number, 3, h.Number->Height() - 3)), strong);
    EXPECT_EQ(hovered.pixel(HeaderForm::Inside(h.Street, 3, h.Street->Height() - 3)), weak);
    EXPECT_EQ(hovered.pixel(HeaderForm::Inside(h.City, h.City->Width() - 3, h.City->Height() - 3)), weak);
    EXPECT_EQ(hovered.pixel(HeaderForm::Inside(h.Employer, 3, h.Employer->Height() - 3)), cream);
    // The combo button of the hovered drop-down box (no click handler: plain colour, no group).
    EXPECT_EQ(hovered.pixel(HeaderForm::Inside(h.Type, 3, h.Type->Height() - 3)), cream);
    const TRect button = h.Type->ButtonRect();
    EXPECT_EQ(button.Right, h.Type->Width() - 2);
    EXPECT_EQ(button.Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_GT(
        InkCount(hovered,
                 QRect(HeaderForm::Inside(h.Type, button.Left, button.Top), QSize(button.Width(), button.Height())),
                 cream),
        button.Width() * button.Height() / 2);

    // Kept for a look in APD_RENDER_DIR when set; a test leaves nothing in the temporary folder.
    if (qEnvironmentVariableIsSet("APD_RENDER_DIR")) {
        EXPECT_TRUE(hovered.save(QDir(qEnvironmentVariable("APD_RENDER_DIR")).filePath("xforms_header.png")));
    }

    h.Number->PeerLeave();
    h.Type->PeerLeave();
    QImage after = h.Grab();
    EXPECT_EQ(after.pixel(HeaderForm::Inside(h.Street, 3, h.Street->Height() - 3)), cream);
}

TEST(XFrameInput, ClickRuleAndDropDown)
{
    HeaderForm h;
    QWidget *street = h.Street->Peer();
    QTest::mousePress(street, Qt::LeftButton, {}, QPoint(30, 20));
    QTest::mouseRelease(street, Qt::LeftButton, {}, QPoint(33, 20));
    EXPECT_EQ(h.Clicks, 0);
    QTest::mousePress(street, Qt::LeftButton, {}, QPoint(30, 20));
    QTest::mouseRelease(street, Qt::LeftButton, {}, QPoint(32, 18));
    EXPECT_EQ(h.Clicks, 1);
    // A click in the title area counts too; the release ending a double click does not.
    QTest::mouseClick(street, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(h.Clicks, 2);
    QTest::mouseDClick(street, Qt::LeftButton, {}, QPoint(40, 20));
    EXPECT_LE(h.Clicks, 3);

    // The combo button drops down once, on press and release on it.
    h.Type->PeerEnter();
    h.Type->Repaint();
    const TRect b = h.Type->ButtonRect();
    ASSERT_FALSE(b.IsEmpty());
    const QPoint c(b.Left + b.Width() / 2, b.Top + b.Height() / 2);
    QTest::mousePress(h.Type->Peer(), Qt::LeftButton, {}, c);
    EXPECT_TRUE(h.Type->ButtonPressed());
    QTest::mouseRelease(h.Type->Peer(), Qt::LeftButton, {}, c);
    EXPECT_FALSE(h.Type->ButtonPressed());
    EXPECT_EQ(h.DropDowns, 1);
    // Released far away: no drop-down.
    QTest::mousePress(h.Type->Peer(), Qt::LeftButton, {}, c);
    QTest::mouseRelease(h.Type->Peer(), Qt::LeftButton, {}, c + QPoint(0, 5));
    EXPECT_EQ(h.DropDowns, 1);

    // Enter drops down a box with the button, and does nothing else on one without.
    h.Type->SetFocus();
    QTest::keyClick(h.Type->Peer(), Qt::Key_Return);
    EXPECT_EQ(h.DropDowns, 2);
    QTest::keyClick(h.Street->Peer(), Qt::Key_Return);
    EXPECT_EQ(h.DropDowns, 2);
    EXPECT_EQ(h.Clicks <= 3, true);
}

TEST(XFramePaint, EmptyCaptionStillDrawsFillBordersAndTitle)
{
    HeaderForm h;
    h.Zip->SetCaption("");
    h.Zip->OnGetPrintText = nullptr;
    QImage img = h.Grab();
    const TRect client = h.Zip->GetClientRect();
    const QPoint textArea = HeaderForm::Inside(h.Zip, client.Left + 1, 1);
    EXPECT_EQ(InkCount(img, QRect(textArea, QSize(client.Width() - 2, h.Zip->Height() - 2)), Rgb(ToColor(0xF0FAFF))),
              0);
    EXPECT_GT(InkCount(img, QRect(HeaderForm::Inside(h.Zip, 1, 1), QSize(client.Left - 1, h.Zip->Height() - 2)),
                       Rgb(ToColor(0xF0FAFF))),
              10);
    h.Zip->OnGetPrintText = [](TObject *, QString &t) { t = "ΧΩΡΙΣ"; };
    EXPECT_EQ(h.Zip->GetDisplayText(), "ΧΩΡΙΣ");
}

TEST(XFramePaint, HoverOverSystemColourBlendsTheShownColour)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 100, 60);
    auto *box = new TXFrame(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 80, 40);
    box->SetColor(clBtnFace);
    box->OnClick = [](TObject *) {};
    form.Show();
    box->PeerEnter();
    const QImage img = form.Peer()->grab().toImage();
    const QColor face = ColorToQColor(clBtnFace);
    const QColor shown(img.pixel(40, 30));
    // 40 % white over the face colour: lighter than the face, never dark.
    EXPECT_GE(shown.lightness(), face.lightness());
    EXPECT_EQ(shown.rgb(), Rgb(BlendColors(clWhite, ToColor(ColorToRGB(clBtnFace)), 0.4f)));
}

TEST(XFramePaint, FocusRectangleComesAndGoesWithFocus)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 120, 60);
    auto *box = new TXFrame(&form);
    box->SetParent(&form);
    box->SetBounds(0, 0, 80, 40);
    box->SetColor(clWhite);
    box->SetTabStop(true);
    auto *other = new TXFrame(&form);
    other->SetParent(&form);
    other->SetBounds(80, 0, 40, 40);
    other->SetTabStop(true);
    form.Show();
    QApplication::setActiveWindow(form.Peer());
    other->SetFocus();
    QCoreApplication::processEvents();
    const QImage before = form.Peer()->grab().toImage();
    box->SetFocus();
    QCoreApplication::processEvents();
    if (!box->Focused())
        GTEST_SKIP() << "no keyboard focus on this platform";
    const QImage focused = form.Peer()->grab().toImage();
    // Dots along the rectangle 2 pixels inside the box.
    int changed = 0;
    for (int x = 2; x < 78; ++x)
        if (focused.pixel(x, 2) != before.pixel(x, 2))
            ++changed;
    EXPECT_GT(changed, 20);
    EXPECT_EQ(focused.pixel(40, 20), before.pixel(40, 20));
    other->SetFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Peer()->grab().toImage().pixel(10, 2), before.pixel(10, 2));
}
