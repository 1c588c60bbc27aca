#include "XForms/DataSetPopupF.h"
#include "app/MainF.h"
#include "app/Program.h"
#include "db/TableStore.h"
#include "declaration/APDDataModuleF.h"
#include "declaration/DiskLabelF.h"
#include "declaration/PopupKodikosEidikotitasF.h"
#include "declaration/PopupTyposApodoxonF.h"
#include "declaration/TyposAPDPopupF.h"
#include "declaration/eApdOptionsF.h"
#include "declaration/eApdReportF.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "printing/PreviewFormF.h"
#include "support/PrivateHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace
{

class MainStartUpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        TRegistry::SetStorageFolder(Dir.filePath(QStringLiteral("registry")));
        const QStringList args{QStringLiteral("DovraApd")};
        TMain::SetArguments(&args);
        QDir().mkpath(Dir.filePath(QStringLiteral("APDData")));
    }
    void TearDown() override
    {
        TMain::SetArguments(nullptr);
        TRegistry::SetStorageFolder(QString());
    }
    QTemporaryDir Dir;
};

TEST_F(MainStartUpTest, GreekLocaleIsSetOnlyWhenAnotherIsInForce)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(Program::SetGreekLocale());
    EXPECT_EQ(QLocale().language(), QLocale::Greek);
    EXPECT_FALSE(Program::SetGreekLocale());
    QLocale::setDefault(previous);
}

TEST_F(MainStartUpTest, CreatesTheObjectsInOrderAndFreesThem)
{
    TScriptedDialogs dialogs;
    Program::InitializeApplication();
    EXPECT_EQ(Application()->Title(), QStringLiteral("Dovra Α.Π.Δ."));
    const int before = Application()->ComponentCount();
    Program::CreateForms(Dir.path());
    ASSERT_TRUE(APDDataModule && Main);
    EXPECT_EQ(Application()->MainForm(), Main);
    EXPECT_EQ(Application()->Components(before), APDDataModule);
    EXPECT_EQ(Application()->Components(before + 1), Main);
    EXPECT_TRUE(Main->Document);
    // The preview window and the pickers wait for their first use; the start-up options dialog, disk
    // label and report form, which nothing would use, are not made.
    EXPECT_EQ(Application()->ComponentCount(), before + 2);
    EXPECT_FALSE(PreviewForm || PopupTyposApodoxon || PopupKodikosEidikotitas || DataSetPopup || TyposAPDPopup ||
                 eApdOptions || DiskLabel || eApdReport);
    // Made at their first use, each once, owned by the application and hidden until shown.
    for (TComponent *made :
         {static_cast<TComponent *>(SharedPreviewForm()), static_cast<TComponent *>(SharedDataSetPopup()),
          static_cast<TComponent *>(SharedPopupTyposApodoxon()),
          static_cast<TComponent *>(SharedPopupKodikosEidikotitas()),
          static_cast<TComponent *>(SharedTyposAPDPopup())}) {
        EXPECT_EQ(made->Owner(), Application());
        EXPECT_FALSE(static_cast<TControl *>(made)->Visible());
    }
    EXPECT_EQ(SharedPreviewForm(), PreviewForm);
    EXPECT_EQ(SharedDataSetPopup(), DataSetPopup);
    EXPECT_EQ(Application()->ComponentCount(), before + 7);
    // The install path is recorded at start.
    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey(QStringLiteral("Software\\Dovra\\DovraApd"), false));
    EXPECT_EQ(reg.ReadString(QString()), QCoreApplication::applicationFilePath());
    reg.CloseKey();

    Program::DestroyForms();
    EXPECT_EQ(Main, nullptr);
    EXPECT_EQ(APDDataModule, nullptr);
    EXPECT_EQ(Application()->ComponentCount(), before);

    // The next start finds the path recorded and leaves the registry file as it is (a rewrite gives a new file).
    const auto fileNumbers = [&] {
        std::map<QString, ino_t> numbers;
        const QDir folder(Dir.filePath(QStringLiteral("registry")));
        for (const QString &name : folder.entryList(QDir::Files)) {
            struct stat st {
            };
            ::stat(QFile::encodeName(folder.filePath(name)).constData(), &st);
            numbers[name] = st.st_ino;
        }
        return numbers;
    };
    const auto first = fileNumbers();
    ASSERT_FALSE(first.empty());
    Program::CreateForms(Dir.path());
    EXPECT_EQ(fileNumbers(), first);
    Program::DestroyForms();
}

// The program's own files beside the documents, each a FIFO as another program may leave one: the registry's
// file, the settings of Qt's dialogs and the tool-bar layout. None is waited on: the window comes up with its
// document, each file is told of once and stays as it was, and Qt's file dialog starts from its defaults.
TEST_F(MainStartUpTest, SideFilesThatAreFifosAreToldOfAndLeftAloneAndTheProgramGoesOn)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString hive = Dir.filePath(QStringLiteral("registry/HKEY_CURRENT_USER.ini"));
    const QString qt = QDir(config).filePath(QStringLiteral("QtProject.conf"));
    const QString layout =
        QDir(Platform::UserFolder())
            .filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".acf"));
    QFile::remove(layout);
    QFile::remove(qt);
    {
        TFifoWatch fifos({hive, qt, layout});
        ASSERT_TRUE(fifos.Made());
        TScriptedDialogs dialogs;
        Program::InitializeApplication();
        Program::CreateForms(Dir.path());
        ASSERT_TRUE(Main && Main->Document);
        EXPECT_EQ(Main->Caption(), QStringLiteral("Dovra Α.Π.Δ. (Ανώνυμο)"));
        // Qt's file dialog reads what it remembers when it is made, and writes it when it goes.
        delete new QFileDialog;
        Program::DestroyForms();

        // What is told of the side files (the test's folder has no tables: that is told too).
        QStringList told;
        for (const TMessageDlgRequest &r : dialogs.Requests())
            if (r.Msg.startsWith(QStringLiteral("Το αρχείο ")))
                told << r.Msg;
        const auto refused = [](const QString &file) {
            return QStringLiteral("Το αρχείο %1 δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο.\r\nΤο πρόγραμμα "
                                  "συνεχίζει χωρίς αυτό, με τις προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
                .arg(file);
        };
        EXPECT_EQ(told.join(u'\n').toStdString(),
                  QStringList({refused(qt), refused(hive), refused(layout)}).join(u'\n').toStdString());
        EXPECT_TRUE(fifos.StillThere());
        EXPECT_TRUE(fifos.Waited().isEmpty()) << fifos.Waited().join(u' ').toStdString();
    }
    // The next tests of this run find Qt's dialogs at home again.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
}

TEST_F(MainStartUpTest, RefusedConversionShowsNoWindow)
{
    // An employers table of an older structure: the data module asks to convert it.
    TTableStore::CreateFile(
        Dir.filePath(QStringLiteral("APDData/Employes.Db")),
        {{QStringLiteral("Α.Φ.Μ."), ftString, 12, true, 1}, {QStringLiteral("ΑΜΕ"), ftString, 10, false, 2}},
        {{QStringLiteral("primary"), QStringLiteral("Α.Φ.Μ."), ixPrimary | ixUnique}}, {});
    TScriptedDialogs dialogs{mrCancel};
    EXPECT_THROW(Program::CreateForms(Dir.path()), EHalt);
    EXPECT_EQ(Main, nullptr);
    EXPECT_EQ(PreviewForm, nullptr);
    Program::DestroyForms();
}

} // namespace
