#include "vcl/Dialogs.h"

#include <gtest/gtest.h>

TEST(MessageDlg, ScriptedAnswersAreRecordedInOrder)
{
    TScriptedDialogs script{mrNo, mrRetry};
    EXPECT_EQ(MessageDlg("Αποθήκευση;", mtConfirmation, mbYesNoCancel, 0), mrNo);
    EXPECT_EQ(MessageDlg("Αδυναμία ανοίγματος αρχείου x", mtError, mbAbortRetryIgnore, 12), mrRetry);
    // Queue empty: the default button answers.
    EXPECT_EQ(MessageDlg("τρίτο", mtWarning, mbAbortIgnore, 0), mrAbort);
    ASSERT_EQ(script.Count(), 3);
    EXPECT_EQ(script.Requests()[0].Msg, QStringLiteral("Αποθήκευση;"));
    EXPECT_EQ(script.Requests()[0].DlgType, mtConfirmation);
    EXPECT_TRUE(script.Requests()[0].Buttons.Contains(mbCancel));
    EXPECT_FALSE(script.Requests()[0].Buttons.Contains(mbOK));
    EXPECT_EQ(script.Requests()[1].HelpCtx, 12);
}

TEST(MessageDlg, ScriptsNestAndRestore)
{
    TScriptedDialogs outer{mrYes};
    {
        TScriptedDialogs inner{mrCancel};
        EXPECT_EQ(MessageDlg("a", mtConfirmation, mbYesNoCancel, 0), mrCancel);
    }
    EXPECT_EQ(MessageDlg("b", mtConfirmation, mbYesNoCancel, 0), mrYes);
    EXPECT_EQ(outer.Count(), 1);
}

TEST(MessageDlg, WithNoOneToAnswerTheSafeChoiceIsGivenNeverRetry)
{
    // Offscreen and without a handler: nothing is shown, nothing blocks, and no question comes back.
    ASSERT_TRUE(Unattended());
    EXPECT_EQ(MessageDlg("x", mtWarning, mbAbortRetryIgnore, 0), mrAbort);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbYesNo, 0), mrNo);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbYesNoCancel, 0), mrCancel);
    EXPECT_EQ(MessageDlg("x", mtInformation, mbOKCancel, 0), mrCancel);
    EXPECT_EQ(MessageDlg("x", mtWarning, mbAbortIgnore, 0), mrAbort);
    EXPECT_EQ(MessageDlg("x", mtError, {mbOK}, 0), mrOk);
    EXPECT_EQ(SafeModalResult({mbRetry}), mrNone);
    EXPECT_EQ(SafeModalResult({}), mrNone);
    // A script that has run out of answers is no one to answer either.
    TScriptedDialogs dialogs{mrRetry};
    EXPECT_EQ(MessageDlg("x", mtWarning, mbAbortRetryIgnore, 0), mrRetry);
    EXPECT_EQ(MessageDlg("x", mtWarning, mbAbortRetryIgnore, 0), mrAbort);
    // A dialog shown to a user keeps its default button: what Enter presses.
    EXPECT_EQ(DefaultModalResult(mbAbortRetryIgnore), mrRetry);
    EXPECT_EQ(DefaultModalResult({mbIgnore, mbCancel}), mrIgnore);
    EXPECT_EQ(DefaultModalResult({}), mrNone);
}

