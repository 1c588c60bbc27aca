// Test entry point: one QApplication for the whole run, on the offscreen platform unless told otherwise,
// in a home of its own (the user's tables and documents are never touched).
#include "support/PrivateHome.h"

#include <QApplication>
#include <gtest/gtest.h>

// Each test program's folder says which units it links; they start up as the program's start-up does, and
// end as its end does (nothing of the run is left in the temporary folder).
void InitializeTestedUnits();
void FinalizeTestedUnits();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const TPrivateHome home;
    InitializeTestedUnits();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    FinalizeTestedUnits();
    return result;
}
