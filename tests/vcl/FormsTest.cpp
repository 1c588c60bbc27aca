#include "vcl/Forms.h"
#include "vcl/ComCtrls.h"
#include "vcl/ComponentStream.h"
#include "vcl/ExtCtrls.h"
#include "vcl/StdCtrls.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

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

TEST(Forms, DesignedControlsStreamAndComeBackInPlace)
{
    const QByteArray design = "object Form1: TForm\n"
                              "  Left = 0\n"
                              "  Top = 0\n"
                              "  Width = 400\n"
                              "  Height = 300\n"
                              "  Caption = 'Επιλογές'\n"
                              "  object Panel1: TPanel\n"
                              "    Left = 0\n"
                              "    Top = 0\n"
                              "    Width = 400\n"
                              "    Height = 40\n"
                              "    Align = alTop\n"
                              "    Caption = 'Κεφαλίδα'\n"
                              "    TabOrder = 1\n"
                              "    object Label1: TLabel\n"
                              "      Left = 8\n"
                              "      Top = 8\n"
                              "      Width = 60\n"
                              "      Height = 13\n"
                              "      Caption = 'Όνομα'\n"
                              "    end\n"
                              "  end\n"
                              "  object Edit1: TEdit\n"
                              "    Left = 8\n"
                              "    Top = 60\n"
                              "    Width = 121\n"
                              "    Height = 21\n"
                              "    TabOrder = 0\n"
                              "    Text = 'α'\n"
                              "  end\n"
                              "  object PageControl1: TPageControl\n"
                              "    Left = 0\n"
                              "    Top = 100\n"
                              "    Width = 400\n"
                              "    Height = 200\n"
                              "    TabOrder = 2\n"
                              "    object TabSheet1: TTabSheet\n"
                              "      Caption = 'Σελίδα 1'\n"
                              "    end\n"
                              "    object TabSheet2: TTabSheet\n"
                              "      Caption = 'Σελίδα 2'\n"
                              "    end\n"
                              "  end\n"
                              "end\n";
    TForm form(nullptr);
    ReadComponent(ObjectTextToBinary(design), &form);
    auto *panel = qobject_cast<TPanel *>(form.FindComponent("Panel1"));
    auto *label = qobject_cast<TLabel *>(form.FindComponent("Label1"));
    auto *edit = qobject_cast<TEdit *>(form.FindComponent("Edit1"));
    auto *pc = qobject_cast<TPageControl *>(form.FindComponent("PageControl1"));
    ASSERT_TRUE(panel && label && edit && pc);
    EXPECT_EQ(form.Caption(), "Επιλογές");
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 400, 40));
    EXPECT_EQ(edit->TabOrder(), 0);
    EXPECT_EQ(panel->TabOrder(), 1);
    EXPECT_EQ(edit->GetText(), "α");
    ASSERT_EQ(pc->PageCount(), 2);
    EXPECT_EQ(pc->Pages(1)->Caption(), "Σελίδα 2");

    // Written against a fresh read of the same design, only what changed is stored.
    edit->SetText("β");
    TForm fresh(nullptr);
    ReadComponent(ObjectTextToBinary(design), &fresh);
    const QString diff = QString::fromUtf8(ObjectBinaryToText(WriteDescendent(&form, &fresh)));
    EXPECT_GE(diff.indexOf("Text = 'β'"), 0) << qPrintable(diff);
    EXPECT_LT(diff.indexOf("Panel1"), 0) << qPrintable(diff);
}

#include "vcl/ComCtrls.h"
#include "vcl/ComponentStream.h"

TEST(PageControlStream, ActivePageIsStoredByNameAndRestored)
{
    RegisterClasses<TForm, TPageControl, TTabSheet>();
    TForm form(nullptr);
    form.SetName(QStringLiteral("Host"));
    auto *pc = new TPageControl(&form);
    pc->SetName(QStringLiteral("Pages"));
    pc->SetParent(&form);
    for (int i = 1; i <= 3; ++i) {
        auto *sheet = new TTabSheet(&form);
        sheet->SetName(QStringLiteral("Sheet%1").arg(i));
        sheet->SetPageControl(pc);
    }
    pc->SetActivePageIndex(2);
    const QByteArray data = WriteComponent(&form);
    EXPECT_GE(ObjectBinaryToText(data).indexOf("ActivePage = Sheet3"), 0);
    TForm copy(nullptr);
    ReadComponent(data, &copy);
    auto *read = qobject_cast<TPageControl *>(copy.FindComponent(QStringLiteral("Pages")));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->PageCount(), 3);
    EXPECT_EQ(read->ActivePageIndex(), 2);
}

namespace
{
// Records the requests that reach the help system.
struct TRecordingHelp : IHelpSystem {
    QStringList Requests;
    bool HelpKeyword(const QString &Keyword) override
    {
        Requests << "keyword " + Keyword;
        return true;
    }
    bool HelpContext(int Context) override
    {
        Requests << QStringLiteral("context %1").arg(Context);
        return true;
    }
};
} // namespace

TEST(Forms, F1AsksForTheHelpOfTheFocusedControlOrItsNearestParent)
{
    TRecordingHelp help;
    SetHelpSystem(&help);
    TForm form(nullptr);
    form.SetHelpType(htKeyword);
    form.SetHelpKeyword("default");
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 200, 100);
    auto *edit = new TEdit(&form);
    edit->SetParent(panel);
    edit->SetBounds(10, 10, 100, 24);
    form.Show();
    edit->SetFocus();
    QCoreApplication::processEvents();
    auto pressF1 = [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1); };

    // Nothing below the window has help: the window's keyword.
    pressF1();
    // A keyword type with no keyword passes the question on, as a context type with context 0 does.
    panel->SetHelpType(htKeyword);
    pressF1();
    panel->SetHelpKeyword("tbEmployes");
    pressF1();
    edit->SetHelpContext(12);
    pressF1();
    EXPECT_EQ(help.Requests,
              QStringList({"keyword default", "keyword default", "keyword tbEmployes", "context 12"}));

    // Without a help system F1 does nothing, and other keys never ask.
    SetHelpSystem(nullptr);
    pressF1();
    SetHelpSystem(&help);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);
    EXPECT_EQ(help.Requests.size(), 4);
    SetHelpSystem(nullptr);
}

TEST(Forms, ClosingTheMainFormEndsTheMessageLoopThoughAnotherWindowStaysOpen)
{
    TForm main(nullptr);
    TForm other(nullptr);
    Application()->SetMainForm(&main);
    other.Show();
    bool closedByTimer = false;
    QTimer::singleShot(0, &main, [&] {
        closedByTimer = true;
        main.Close();
    });
    // Should the loop not end, this ends it and the test fails.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    Application()->Run();
    EXPECT_TRUE(closedByTimer);
    EXPECT_TRUE(watchdog.isActive()) << "the loop ran on after the main window closed";
    EXPECT_TRUE(Application()->Terminated());
    EXPECT_TRUE(other.Peer()->isVisible());
    Application()->SetMainForm(nullptr);
}

namespace
{
bool HasButton(const QWidget *w, Qt::WindowType hint)
{
    return w->windowFlags().testFlag(hint);
}
} // namespace

TEST(FormFrames, BorderStyleIconsPositionAndStyleGiveTheWindowItsFrame)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    // A dialog border: no minimise or maximise, a size the user cannot change, centred when shown.
    TForm dialog(nullptr);
    dialog.SetBounds(0, 0, 300, 200);
    dialog.SetBorderStyle(bsDialog);
    dialog.SetPosition(poScreenCenter);
    dialog.Show();
    QWidget *w = dialog.Peer();
    EXPECT_EQ(w->windowType(), Qt::Dialog);
    EXPECT_TRUE(HasButton(w, Qt::WindowCloseButtonHint));
    EXPECT_FALSE(HasButton(w, Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(HasButton(w, Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->minimumSize(), QSize(300, 200));
    EXPECT_EQ(w->maximumSize(), QSize(300, 200));
    EXPECT_EQ(dialog.Left(), screen.x() + (screen.width() - 300) / 2);
    EXPECT_EQ(dialog.Top(), screen.y() + (screen.height() - 200) / 2);
    // Resized by the program, it stays fixed at the new size.
    dialog.SetBounds(dialog.Left(), dialog.Top(), 320, 210);
    EXPECT_EQ(w->size(), QSize(320, 210));
    EXPECT_EQ(w->maximumSize(), QSize(320, 210));
    dialog.Hide();

    // A tool window at its designed place; without the system menu not even a close button.
    TForm tool(nullptr);
    tool.SetBounds(303, 149, 412, 309);
    tool.SetBorderStyle(bsToolWindow);
    tool.Show();
    EXPECT_EQ(tool.Peer()->windowType(), Qt::Tool);
    EXPECT_FALSE(HasButton(tool.Peer(), Qt::WindowMinimizeButtonHint));
    EXPECT_EQ(tool.Peer()->frameGeometry().topLeft(), QPoint(303, 149));
    tool.SetBorderIcons({});
    EXPECT_FALSE(HasButton(tool.Peer(), Qt::WindowCloseButtonHint));
    EXPECT_TRUE(tool.Peer()->isVisible());
    tool.Hide();

    // A sizeable window with the default icons, kept on top; shown modally it offers no minimise.
    TForm plain(nullptr);
    plain.SetFormStyle(fsStayOnTop);
    EXPECT_EQ(plain.Peer()->windowType(), Qt::Window);
    EXPECT_TRUE(HasButton(plain.Peer(), Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(HasButton(plain.Peer(), Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(HasButton(plain.Peer(), Qt::WindowMaximizeButtonHint));
    EXPECT_LT(plain.Peer()->minimumWidth(), plain.Peer()->maximumWidth());
    bool minimiseWhileModal = true, maximiseWhileModal = false;
    QTimer::singleShot(0, &plain, [&] {
        minimiseWhileModal = HasButton(plain.Peer(), Qt::WindowMinimizeButtonHint);
        maximiseWhileModal = HasButton(plain.Peer(), Qt::WindowMaximizeButtonHint);
        plain.SetModalResult(mrOk);
    });
    EXPECT_EQ(plain.ShowModal(), mrOk);
    EXPECT_FALSE(minimiseWhileModal);
    EXPECT_TRUE(maximiseWhileModal);
    EXPECT_TRUE(HasButton(plain.Peer(), Qt::WindowMinimizeButtonHint));

    // A form placed inside another window is a plain child widget, whatever its design says.
    TForm host(nullptr);
    TForm inner(&host);
    inner.SetBorderStyle(bsDialog);
    inner.SetParent(&host);
    inner.SetFormStyle(fsStayOnTop);
    EXPECT_EQ(inner.Peer()->windowType(), Qt::Widget);
    EXPECT_EQ(inner.Peer()->parentWidget(), host.Peer());
}

TEST(FormFrames, DesignsCarryTheFrameThroughTheStream)
{
    TForm form(nullptr);
    const QByteArray text = "object TestFrame: TForm\n"
                            "  BorderIcons = [biSystemMenu]\n"
                            "  FormStyle = fsStayOnTop\n"
                            "  Position = poScreenCenter\n"
                            "  WindowState = wsMaximized\n"
                            "end\n";
    ReadComponent(ObjectTextToBinary(text), &form);
    EXPECT_EQ(form.BorderIcons(), TBorderIcons(biSystemMenu));
    EXPECT_EQ(form.GetFormStyle(), fsStayOnTop);
    EXPECT_EQ(form.Position(), poScreenCenter);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.Show();
    EXPECT_TRUE(form.Peer()->windowState().testFlag(Qt::WindowMaximized));
    EXPECT_FALSE(HasButton(form.Peer(), Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(HasButton(form.Peer(), Qt::WindowStaysOnTopHint));
    form.Hide();
}

TEST(FormFrames, DialogsBelongToTheWindowTheyAreOpenedFrom)
{
    TForm main(nullptr), other(nullptr);
    Application()->SetMainForm(&main);
    main.Show();
    other.Show();
    auto *panel = new TPanel(&other);
    panel->SetParent(&other);
    TComponent dialogOwner(panel);
    // The window of the owner, found through the owners' chain.
    EXPECT_EQ(DialogParent(&dialogOwner), other.Peer());
    // A modal window running takes every dialog, whoever owns it.
    QWidget *inModal = nullptr;
    QTimer::singleShot(0, &main, [&] {
        inModal = DialogParent(&dialogOwner);
        main.SetModalResult(mrOk);
    });
    main.Hide();
    main.ShowModal();
    EXPECT_EQ(inModal, main.Peer());
    // A form shown modally belongs to the window it is opened from.
    TForm dialog(&other);
    QWindow *transient = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        transient = dialog.Peer()->windowHandle()->transientParent();
        dialog.SetModalResult(mrOk);
    });
    dialog.ShowModal();
    EXPECT_EQ(transient, other.Peer()->windowHandle());
    other.Hide();
    main.Show();
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(DialogParent(nullptr), main.Peer()) << "without an owner's window the main window";
    main.Hide();
    Application()->SetMainForm(nullptr);
}
