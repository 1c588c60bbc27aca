// Drives the program itself: this probe is linked with exactly the objects DovraApd is linked from (its
// entry point and the same static libraries), and it includes nothing of the program's own, so the linker
// keeps or drops the same units as for DovraApd. It reaches the program only through Qt, as a user does:
// real key events to the shown windows, the menus' commands, and what the windows show.
//
// Run as: DovraApdProbe <document>. The program opens the document, the probe asks for help with F1 in the
// main window, in every table editor and in the preview, looks at the preview's page, chooses File > New
// from the open menu with the mouse and Return, then ends the program with Έξοδος while the help window is
// still open. It fails (exit code 1) when a step does not happen, when the program keeps running after
// Έξοδος, when it leaves its page folder behind, or when it wrote anything into its own folder (its tables
// and documents are the user's, in the user's folder).
//
// With APD_PROBE_REFUSAL=<reason> the document on the command line is one the program must refuse: the
// refusal names that reason, and the program goes on at once with its untitled document, in a few
// seconds and without filling the memory.
//
// With APD_PROBE_FIFOS=1 the program's own files in that home (the registry's file, the record of the shipped
// tables, the settings of Qt's dialogs, the tool-bar layout) are FIFOs with nobody writing into them: the
// program must tell of each once, wait on none, come up with its untitled document and leave each as it is.
//
// The probe runs in a home of its own, so the program's user folder is a fresh one.
#include "support/PrivateHome.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

namespace
{

// Set before the program's main runs, so the program finds it.
const TPrivateHome Home;

int Failures = 0;
bool Finished = false;
qint64 Pid = 0;
QString LayoutFile;
QElapsedTimer SinceStart;
QStringList UnansweredMessages;
QtMessageHandler QtHandler = nullptr;
// Every file of the program's own folder (the page and home folders aside) with its size and time.
std::map<QString, QString> OwnFolder;

void Fail(const QString &what)
{
    ++Failures;
    std::fprintf(stderr, "FAILED: %s\n", what.toLocal8Bit().constData());
}

void Check(bool ok, const QString &what)
{
    if (!ok)
        Fail(what);
}

// ---- what the program shows ----

QWidget *VisibleWindow(const std::function<bool(QWidget *)> &match)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && match(w))
            return w;
    return nullptr;
}

QWidget *MainWindow()
{
    return VisibleWindow([](QWidget *w) { return w->windowTitle().startsWith(QStringLiteral("Dovra Α.Π.Δ. (")); });
}

QTextBrowser *HelpTopic()
{
    QWidget *window = VisibleWindow([](QWidget *w) { return w->findChild<QTextBrowser *>() != nullptr; });
    return window ? window->findChild<QTextBrowser *>() : nullptr;
}

// The command of the main window's menus with that caption.
QAction *Command(const QString &caption)
{
    if (QWidget *main = MainWindow())
        for (QMenu *menu : main->findChildren<QMenu *>())
            for (QAction *a : menu->actions())
                if (a->text() == caption)
                    return a;
    return nullptr;
}

// A command of the main window's menu bar chosen as the user does: a click on the menu's title, the mouse
// onto the item, Return. Qt goes on using the menu after the item is triggered, so the menu must outlive
// the key's handling.
void ChooseFromMenu(const QString &title, const QString &caption)
{
    QMenuBar *bar = MainWindow() ? MainWindow()->findChild<QMenuBar *>() : nullptr;
    QAction *top = nullptr;
    if (bar)
        for (QAction *a : bar->actions())
            if (a->text() == title)
                top = a;
    if (!top || !top->menu())
        return Fail(QStringLiteral("no menu ") + title);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    QPointer<QMenu> menu = top->menu();
    if (!QTest::qWaitForWindowExposed(menu))
        return Fail(title + QStringLiteral(" did not open"));
    QAction *item = nullptr;
    for (QAction *a : menu->actions())
        if (a->text() == caption)
            item = a;
    if (!item)
        return Fail(QStringLiteral("no command ") + caption);
    QTest::mouseMove(menu->windowHandle(), menu->actionGeometry(item).center());
    QTest::keyClick(menu, Qt::Key_Return);
    Check(!menu.isNull(), title + QStringLiteral(" was freed while it handled ") + caption);
}

// A message box left open means a step went wrong; its text says what.
QString OpenMessage()
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        return box->text();
    return {};
}

// F1 as the keyboard sends it to the window.
void PressF1(QWidget *window)
{
    QTest::keyClick(window->windowHandle(), Qt::Key_F1);
}

// The help window shows the topic, and the topic is not an empty page.
bool ShowsTopic(const QString &topic)
{
    QTextBrowser *b = HelpTopic();
    return b && b->source().path() == topic && !b->documentTitle().isEmpty() && b->toPlainText().trimmed().size() > 40;
}

QString HelpState()
{
    QTextBrowser *b = HelpTopic();
    return b ? QStringLiteral("%1 «%2»").arg(b->source().path(), b->documentTitle()) : QStringLiteral("no help window");
}

// Share of dark pixels in the middle of the window: the form's lines and texts on the previewed page.
double DarkShare(QWidget *window)
{
    const QImage image = window->grab().toImage();
    const QRect middle(image.width() / 4, image.height() / 4, image.width() / 2, image.height() / 2);
    int dark = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
    return double(dark) / (middle.width() * middle.height());
}

// With APD_SNAPSHOT_DIR set, the window is saved there as a picture to look at.
void Snapshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("APD_SNAPSHOT_DIR");
    if (!folder.isEmpty() && window)
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// The program's own folder, file by file, but for the temporary folder the test gives it.
std::map<QString, QString> OwnFolderNow()
{
    std::map<QString, QString> files;
    static const QDir own(QCoreApplication::applicationDirPath());
    static const QString temporary = QDir(QDir::tempPath()).absolutePath() + u'/';
    QDirIterator it(own.path(), QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.absoluteFilePath().startsWith(temporary))
            continue;
        files[own.relativeFilePath(info.filePath())] =
            info.isDir() ? QStringLiteral("folder")
                         : QStringLiteral("%1 %2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    return files;
}

// The most memory the process has held so far, in MiB.
double PeakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// With no one to answer, the program logs each question it would have asked.
void CatchMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QString prefix = QStringLiteral("Unanswered message dialog: ");
    if (text.startsWith(prefix))
        UnansweredMessages << text.mid(prefix.size());
    QtHandler(type, context, text);
}

// ---- the steps, run one after another from the program's event loops ----

struct TStep {
    QString Name;
    std::function<bool()> Ready;
    std::function<void()> Do;
};
std::vector<TStep> Steps;
size_t NextStep = 0;
QElapsedTimer StepClock;

void Tick()
{
    if (NextStep >= Steps.size())
        return;
    TStep &step = Steps[NextStep];
    if (step.Ready()) {
        ++NextStep;
        StepClock.restart();
        // The next tick is due before the step runs: a step may open a modal window whose own loop
        // carries the following steps.
        QTimer::singleShot(20, Tick);
        step.Do();
        return;
    }
    if (StepClock.elapsed() > 20000) {
        Fail(QStringLiteral("step «%1» never came; help: %2; message: %3").arg(step.Name, HelpState(), OpenMessage()));
        std::fflush(stderr);
        std::_Exit(1);
    }
    QTimer::singleShot(20, Tick);
}

void Then(const QString &name, std::function<bool()> ready, std::function<void()> action)
{
    Steps.push_back({name, std::move(ready), std::move(action)});
}

QPointer<QWidget> Current;

// Opens a table editor with its menu command, asks for help there, checks the topic and closes it.
void TableEditorSteps(const QString &command, const QString &table)
{
    Then(
        QStringLiteral("command ") + command,
        [command] { return Command(command) && !QApplication::activeModalWidget(); },
        [command] { Command(command)->trigger(); });
    Then(
        QStringLiteral("table editor of ") + table, [] { return QApplication::activeModalWidget() != nullptr; },
        [] {
            Current = QApplication::activeModalWidget();
            PressF1(Current);
        });
    Then(
        QStringLiteral("help on ") + table, [table] { return ShowsTopic(QStringLiteral("/%1.htm").arg(table)); },
        [table] {
            Snapshot(HelpTopic()->window(), QStringLiteral("Help-") + table);
            Snapshot(Current, QStringLiteral("TableEditor-") + table);
            Current->close();
        });
}

void ExitSteps(bool withHelp);

void BuildScenario()
{
    Then(
        QStringLiteral("the document named on the command line is open"),
        [] { return MainWindow() && MainWindow()->windowTitle().endsWith(QStringLiteral("Sample.vapd)")); },
        [] {
            // The tool bar shows pictures, and Qt's own dialogs speak Greek.
            for (QToolBar *bar : MainWindow()->findChildren<QToolBar *>())
                for (QAction *a : bar->actions())
                    Check(a->isSeparator() || !a->icon().isNull(), QStringLiteral("no picture for ") + a->text());
            Check(QCoreApplication::translate("QFileDialog", "Save As") == QStringLiteral("Αποθήκευση ως"),
                  QStringLiteral("Qt's dialogs are not in Greek"));
            // The Paradox library waits for a Paradox table; a start that reads none does not load it.
            QFile maps(QStringLiteral("/proc/self/maps"));
            Check(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("/libpx."),
                  QStringLiteral("the Paradox library was loaded at start-up"));
            Snapshot(MainWindow(), QStringLiteral("Main"));

            // The keys as the keyboard sends them to the window, activated as the window system does. The
            // focus starts in a box of the form; Tab goes on to the next box and Shift+Tab comes back.
            QWindow *window = MainWindow()->windowHandle();
            QApplication::setActiveWindow(MainWindow());
            auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            QWidget *startBox = editor ? editor->parentWidget() : nullptr;
            Check(editor && MainWindow()->isAncestorOf(editor), QStringLiteral("no box of the form has the focus"));
            QTest::keyClick(window, Qt::Key_Tab);
            auto *next = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            Check(next && next->parentWidget() != startBox && MainWindow()->isAncestorOf(next),
                  QStringLiteral("Tab reached no other box"));
            QTest::keyClick(window, Qt::Key_Tab, Qt::ShiftModifier);
            Check(QApplication::focusWidget() && QApplication::focusWidget()->parentWidget() == startBox,
                  QStringLiteral("Shift+Tab did not come back"));
            // F10 reaches the menu bar as Alt does; F10 again gives the keys back to the box.
            auto *bar = MainWindow()->findChild<QMenuBar *>();
            QTest::keyClick(window, Qt::Key_F10);
            Check(bar && QApplication::focusWidget() == bar && bar->activeAction() &&
                      bar->activeAction()->text() == QStringLiteral("Αρχείο"),
                  QStringLiteral("F10 did not reach the menu bar"));
            QTest::keyClick(window, Qt::Key_F10);
            Check(bar && !bar->activeAction() && QApplication::focusWidget() &&
                      QApplication::focusWidget()->parentWidget() == startBox,
                  QStringLiteral("F10 again did not give the keys back to the box"));
            PressF1(MainWindow());
        });
    Then(
        QStringLiteral("help on the main window"), [] { return ShowsTopic(QStringLiteral("/default.htm")); },
        [] {
            // Not over the main window's menu and tool bars.
            const QRect help = HelpTopic()->window()->frameGeometry();
            QList<QWidget *> bars;
            for (QMenuBar *b : MainWindow()->findChildren<QMenuBar *>())
                bars << b;
            for (QToolBar *b : MainWindow()->findChildren<QToolBar *>())
                bars << b;
            for (QWidget *b : bars)
                Check(!help.intersects(QRect(b->mapToGlobal(QPoint()), b->size())),
                      QStringLiteral("the help window covers the main window's %1").arg(b->metaObject()->className()));
        });

    TableEditorSteps(QStringLiteral("Εργοδότες"), QStringLiteral("tbEmployes"));
    TableEditorSteps(QStringLiteral("Εργαζόμενοι"), QStringLiteral("tbEmployers"));
    TableEditorSteps(QStringLiteral("Καταστήματα ΙΚΑ"), QStringLiteral("tbIkaOffices"));
    TableEditorSteps(QStringLiteral("Περιπτώσεις Ασφάλισης"), QStringLiteral("tbInsCases"));
    TableEditorSteps(QStringLiteral("Πίνακας Αποδοχών"), QStringLiteral("tbPayment"));
    TableEditorSteps(QStringLiteral("Κατασκευαστικές Φάσεις"), QStringLiteral("tbConPhase"));

    Then(
        QStringLiteral("preview command"),
        [] { return Command(QStringLiteral("Προεπισκόπηση...")) && !QApplication::activeModalWidget(); },
        [] { Command(QStringLiteral("Προεπισκόπηση..."))->trigger(); });
    Then(
        QStringLiteral("preview window"),
        [] {
            QWidget *w = QApplication::activeModalWidget();
            return w && w->windowTitle() == QStringLiteral("Προεπισκόπηση");
        },
        [] {
            Current = QApplication::activeModalWidget();
            // The content printers drew the form's boxes and texts on the page.
            const double dark = DarkShare(Current);
            Snapshot(Current, QStringLiteral("Preview"));
            // The whole page fits the window: its lines and texts are a small share of it, a blank page none.
            Check(dark > 0.003, QStringLiteral("the previewed page is blank (%1 dark)").arg(dark));
            PressF1(Current);
        });
    // Esc closes the preview, and the About box, as every dialog.
    Then(
        QStringLiteral("help on the preview"), [] { return ShowsTopic(QStringLiteral("/print-preview.htm")); },
        [] { QTest::keyClick(Current->windowHandle(), Qt::Key_Escape); });
    Then(
        QStringLiteral("the preview closed by Esc"), [] { return !Current->isVisible(); },
        [] { Command(QStringLiteral("Για το πρόγραμμα..."))->trigger(); });
    Then(
        QStringLiteral("the About box"),
        [] {
            QWidget *w = QApplication::activeModalWidget();
            return w && w->windowTitle() == QStringLiteral("Για το πρόγραμμα");
        },
        [] {
            Current = QApplication::activeModalWidget();
            QTest::keyClick(Current->windowHandle(), Qt::Key_Escape);
        });
    Then(
        QStringLiteral("the About box closed by Esc"), [] { return !Current || !Current->isVisible(); }, [] {});

    // The document named on the command line is closed into the recent files (the probe's home is a fresh
    // one), which makes anew the menu the command was chosen from.
    Then(
        QStringLiteral("new document from the file menu"),
        [] { return Command(QStringLiteral("Νέο αρχείο")) && !QApplication::activeModalWidget(); },
        [] { ChooseFromMenu(QStringLiteral("Αρχείο"), QStringLiteral("Νέο αρχείο")); });
    Then(
        QStringLiteral("the new document"),
        [] { return MainWindow() && MainWindow()->windowTitle().endsWith(QStringLiteral("(Ανώνυμο)")); },
        [] {
            Check(Command(QStringLiteral("Sample.vapd")) != nullptr,
                  QStringLiteral("the document before is not among the recent files"));
        });

    ExitSteps(true);
}

// The document named on the command line is refused with its reason, and the untitled one is there at once.
void BuildRefusalScenario(const QString &reason)
{
    Then(
        QStringLiteral("the untitled document after the refusal"),
        [] { return MainWindow() && MainWindow()->windowTitle().endsWith(QStringLiteral("(Ανώνυμο)")); },
        [reason] {
            Check(SinceStart.elapsed() < 10000,
                  QStringLiteral("the window came after %1 ms").arg(SinceStart.elapsed()));
            Check(PeakMemoryMiB() < 1024, QStringLiteral("the program took %1 MiB").arg(PeakMemoryMiB()));
            Check(UnansweredMessages.size() == 1 &&
                      UnansweredMessages[0].startsWith(QStringLiteral("Αδυναμία ανοίγματος αρχείου ")) &&
                      UnansweredMessages[0].endsWith(QStringLiteral("\r\nΤο αρχείο δεν διαβάζεται: ") + reason),
                  QStringLiteral("the refusal said: «%1»").arg(UnansweredMessages.join(QStringLiteral("», «"))));
        });
    ExitSteps(false);
}

void ExitSteps(bool withHelp)
{
    Then(
        QStringLiteral("exit command"),
        [withHelp] {
            return Command(QStringLiteral("Έξοδος")) && !QApplication::activeModalWidget() &&
                   (!withHelp || HelpTopic());
        },
        [] {
            Finished = true;
            // The program writes its action-bar layout into the user's folder when it ends.
            const QFileInfo exe(QCoreApplication::applicationFilePath());
            LayoutFile = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                             .filePath(exe.completeBaseName() + QStringLiteral(".acf"));
            // From here the program must end by itself, help window or not.
            auto *watchdog = new QTimer;
            watchdog->setSingleShot(true);
            QObject::connect(watchdog, &QTimer::timeout, [] {
                Fail(QStringLiteral("the program is still running after Έξοδος; message: ") + OpenMessage());
                std::fflush(stderr);
                std::_Exit(1);
            });
            watchdog->start(10000);
            Command(QStringLiteral("Έξοδος"))->trigger();
        });
}

// The program's own files made FIFOs, before the program looks at any of them.
TFifoWatch *Fifos = nullptr;
QStringList FifoFiles;

// "Το αρχείο <file> δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο." and what the program does then.
QString FifoRefusal(const QString &file)
{
    return QStringLiteral("Το αρχείο %1 δεν διαβάζεται: είναι σωλήνωση (FIFO), όχι αρχείο.\r\nΤο πρόγραμμα "
                          "συνεχίζει χωρίς αυτό, με τις προεπιλογές του, και αφήνει το αρχείο όπως είναι.")
        .arg(file);
}

void MakeFifos()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // The program names itself after the probe has started: its folder is named here.
    const QString user =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("DovraApd"));
    // Told of in the order the program meets them: Qt's dialogs, the tables, the registry, and at the end
    // the layout.
    FifoFiles = QStringList{QDir(config).filePath(QStringLiteral("QtProject.conf")),
                            QDir(user).filePath(QStringLiteral("APDData/shipped-tables.ini")),
                            QDir(config).filePath(QStringLiteral("DovraApd/HKEY_CURRENT_USER.ini")),
                            QDir(user).filePath(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                                                QStringLiteral(".acf"))};
    Fifos = new TFifoWatch(FifoFiles);
    Check(Fifos->Made(), QStringLiteral("the FIFOs were not made"));
}

// The untitled document is there at once, and each FIFO met so far was told of.
void BuildFifoScenario()
{
    Then(
        QStringLiteral("the untitled document beside FIFOs"),
        [] { return MainWindow() && MainWindow()->windowTitle().endsWith(QStringLiteral("(Ανώνυμο)")); },
        [] {
            Check(SinceStart.elapsed() < 10000,
                  QStringLiteral("the window came after %1 ms").arg(SinceStart.elapsed()));
            QStringList expected;
            for (int i = 0; i < 3; ++i)
                expected << FifoRefusal(FifoFiles[i]);
            Check(UnansweredMessages == expected,
                  QStringLiteral("the program said: «%1»").arg(UnansweredMessages.join(QStringLiteral("», «"))));
        });
    ExitSteps(false);
}

// What must hold once the program has ended.
void AtExit()
{
    if (Fifos) {
        Check(UnansweredMessages.size() == 4 && UnansweredMessages.back() == FifoRefusal(FifoFiles.back()),
              QStringLiteral("at its end the program said: «%1»").arg(UnansweredMessages.mid(3).join(u' ')));
        Check(Fifos->Waited().isEmpty(),
              QStringLiteral("the program waited on %1").arg(Fifos->Waited().join(QStringLiteral(", "))));
        Check(Fifos->StillThere(), QStringLiteral("the program replaced a FIFO"));
    }
    if (!Finished)
        Fail(QStringLiteral("the program ended before the probe was done"));
    const QString pageFolder = QDir(QDir::tempPath()).filePath(QStringLiteral("DovraApd-%1").arg(Pid));
    Check(!QFileInfo::exists(pageFolder), QStringLiteral("the page folder %1 is left behind").arg(pageFolder));
    Check(QFileInfo::exists(LayoutFile), QStringLiteral("the tool-bar layout %1 was not written").arg(LayoutFile));
    Check(LayoutFile.startsWith(Home.Path()),
          QStringLiteral("the tool-bar layout %1 is not in the user's folder").arg(LayoutFile));
    const std::map<QString, QString> own = OwnFolderNow();
    for (const auto &[file, state] : own)
        if (OwnFolder.count(file) == 0 || OwnFolder.at(file) != state)
            Fail(QStringLiteral("the program wrote %1 in its own folder").arg(file));
    for (const auto &[file, state] : OwnFolder)
        if (own.count(file) == 0)
            Fail(QStringLiteral("the program removed %1 from its own folder").arg(file));
    std::fflush(stderr);
    if (Failures)
        std::_Exit(1);
}

void StartProbe()
{
    SinceStart.start();
    Pid = QCoreApplication::applicationPid();
    OwnFolder = OwnFolderNow();
    QtHandler = qInstallMessageHandler(CatchMessages);
    std::atexit(AtExit);
    if (const QString reason = qEnvironmentVariable("APD_PROBE_REFUSAL"); !reason.isEmpty())
        BuildRefusalScenario(reason);
    else if (qEnvironmentVariableIsSet("APD_PROBE_FIFOS")) {
        MakeFifos();
        BuildFifoScenario();
    } else
        BuildScenario();
    StepClock.start();
    QTimer::singleShot(0, Tick);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartProbe)
