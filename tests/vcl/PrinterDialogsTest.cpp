// The page set-up and printer set-up dialogs: what they start from, what they keep, what reaches the printer.
#include "vcl/Printers.h"
#include "vcl/StdDialogs.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace
{
QPageLayout Layout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation, double margin)
{
    return QPageLayout(QPageSize(size), orientation, QMarginsF(margin, margin, margin, margin),
                       QPageLayout::Millimeter);
}
} // namespace

TEST(PageSetupDialog, StartsFromItsPresetAndGivesThePrinterOnlyThePaper)
{
    TPageSetupDialog dialog(nullptr);
    dialog.setProperty("MarginLeft", 2500);
    dialog.setProperty("MarginTop", 2500);
    dialog.setProperty("MarginRight", 2500);
    dialog.setProperty("MarginBottom", 2500);
    dialog.setProperty("PageWidth", 21010);
    dialog.setProperty("PageHeight", 29690);

    // A printer on US letter with its own small margins: the dialog opens on A4 with 25 mm margins.
    const QPageLayout printer = Layout(QPageSize::Letter, QPageLayout::Portrait, 6.35);
    const QPageLayout preset = dialog.PresetLayout(printer);
    EXPECT_EQ(preset.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(preset.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(preset.margins(QPageLayout::Millimeter), QMarginsF(25, 25, 25, 25));

    // The user picks A5 across with 10 mm margins: the dialog keeps all of it, the printer takes the paper
    // and its orientation but keeps its printable area.
    QPrinter *qp = Printer()->QtPrinter();
    const QPageLayout saved = qp->pageLayout();
    qp->setOutputFormat(QPrinter::PdfFormat);
    qp->setPageLayout(printer);
    dialog.Accept(Layout(QPageSize::A5, QPageLayout::Landscape, 10), qp->pageLayout());
    EXPECT_EQ(dialog.PageWidth(), 21000);
    EXPECT_EQ(dialog.PageHeight(), 14800);
    EXPECT_EQ(dialog.MarginLeft(), 1000);
    EXPECT_EQ(qp->pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(qp->pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_NEAR(qp->pageLayout().margins(QPageLayout::Millimeter).left(), 6.35, 0.01);
    // The next showing starts from the user's choice.
    const QPageLayout again = dialog.PresetLayout(qp->pageLayout());
    EXPECT_EQ(again.pageSize().id(), QPageSize::A5);
    EXPECT_EQ(again.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(again.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
    qp->setPageLayout(saved);
}

TEST(PrinterSetupDialog, IsASetUpDialogThatPrintsNothing)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPrintDialog dialog(&printer);
    TPrinterSetupDialog::SetUp(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ρύθμιση εκτυπωτή"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>();
    ASSERT_TRUE(buttons);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    // No page range or copies: those belong to a print job.
    for (auto *tabs : dialog.findChildren<QTabWidget *>())
        for (int i = 0; i < tabs->count(); ++i)
            EXPECT_FALSE(tabs->widget(i)->findChild<QWidget *>(QStringLiteral("copies"))) << i;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ρύθμιση εκτυπωτή"));
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    dialog.hide();
}
