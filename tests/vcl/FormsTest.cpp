#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Forms, ShowModalEndsWithModalResultAndCloseAsksFirst)
{
    TForm form(nullptr);
    form.SetCaption("Επιλογές εξαγωγής");
    EXPECT_EQ(form.Peer()->windowTitle(), "Επιλογές εξαγωγής");
    QTimer::singleShot(0, &form, [&] { form.SetModalResult(mrOk); });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.Visible());

    bool allow = false;
    int closes = 0;
    form.OnCloseQuery = [&](TObject *, bool &canClose) { canClose = allow; };
    form.OnClose = [&](TObject *, TCloseAction &) { ++closes; };
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(closes, 0);
    allow = true;
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closes, 1);

    // Closing a modal window gives Cancel.
    QTimer::singleShot(0, &form, [&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(Forms, ScrollBoxScrollsChildrenBeyondItsArea)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto *box = new TScrollBox(&form);
    box->SetParent(&form);
    box->SetAlign(alClient);
    auto *far = new TEdit(&form);
    far->SetParent(box);
    far->SetBounds(10, 600, 100, 20);
    form.Show();
    EXPECT_EQ(box->BoundsRect(), Rect(0, 0, 300, 200));
    EXPECT_EQ(far->Peer()->parentWidget(), box->ChildContainer());
    EXPECT_GE(box->ChildContainer()->height(), 620);
    box->ScrollInView(far);
    EXPECT_GT(box->ScrollArea()->verticalScrollBar()->value(), 0);
}

TEST(Forms, ScreenTracksTheActiveControl)
{
    TForm form(nullptr);
    auto *edit = new TEdit(&form);
    edit->SetParent(&form);
    form.Show();
    form.Peer()->activateWindow();
    edit->SetFocus();
    QCoreApplication::processEvents();
    if (edit->Focused()) {
        EXPECT_EQ(Screen()->ActiveControl(), edit);
        EXPECT_EQ(Screen()->ActiveForm(), &form);
    }
    delete edit;
    EXPECT_EQ(Screen()->ActiveControl(), nullptr);
    EXPECT_GT(Screen()->Width(), 0);
    EXPECT_FALSE(Screen()->Fonts().isEmpty());
}
