#include "app/ApdDataF.h"

#include <gtest/gtest.h>

TEST(ApdDataDesign, FreshWindow)
{
    TApdData w(nullptr);
    EXPECT_EQ(w.DatePeriodFrame->Caption(), QStringLiteral("11/2002"));
    EXPECT_EQ(w.UniqueName(QStringLiteral("TabSheet")), QStringLiteral("TabSheet1"));
}

#include <QPixmap>
TEST(ApdDataDesign, Render)
{
    TApdData w(nullptr);
    w.typeApdCode->SetCaption("01 ");
    w.typeApdHint->SetCaption(" (Κανονική)");
    w.DbLookupXFrame10->SetCaption("061");
    w.DbLookupXFrame9->SetCaption("ΚΑΛΛΙΘΕΑΣ");
    w.DbLookupXFrame1->SetCaption("ΚΑΤΑΣΚΕΥΑΣΤΙΚΗ ΑΤΤΙΚΗΣ Α.Ε.");
    w.frameAME->SetCaption("1234567");
    w.xEidosErgou->SetCaption("ΑΝΕΓΕΡΣΗ ΠΟΛΥΚΑΤΟΙΚΙΑΣ");
    w.DbLookupXFrame2->SetCaption("12");
    w.Peer()->resize(w.Width(), w.Height());
    w.Peer()->grab().save("/tmp/apdgen/window.png");
}
