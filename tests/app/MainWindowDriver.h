// The program's own objects (data module, main window, pickers) over small reference tables in a temporary
// folder, the main window shown, and the user's hands on it: clicks delivered to the widget under the
// point, keys typed into a box's editor, picks from the pop-ups, the file dialogs and the export options
// answered, documents saved and opened through the document controller.
#pragma once

#include "EmployFrameFixture.h"
#include "app/MainF.h"
#include "vcl/StdDialogs.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>

class TListBoxPopup;
class TeApdOptions;

class MainWindowFixture : public EmployFrameFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    TApdData *Doc() const { return Main->Document; }

    // A click, or a double click, on the middle of the box's value area, as it stands on screen: scrolled
    // into view, delivered to whatever widget is under that point (which must be the box).
    void Click(TControl *Box, bool Double = false);
    // Opens the box's editor (a click, or a double click where a click picks), types Text over what is there
    // and presses Enter. The editor stays open, as it does for the user.
    void Type(TInplaceEditFrame *Box, const QString &Text);
    // A click on the tab of page Index.
    void ShowPage(int Index);
    // With the dataset pop-up open: a click on the first row that shows Text in one of its columns.
    void PickRow(const QString &Text);
    // With a code-list pop-up open: a click on the first line that starts with Prefix.
    void PickLine(TListBoxPopup *Popup, const QString &Prefix);

    // File > Save As / File > Open / File > Export through the main window's actions, the dialogs answered.
    void SaveAs(const QString &Path);
    void Open(const QString &Path);
    // The export with only the declaration file chosen (Choose may change the options then, as the user
    // would); the bytes written, empty when none were.
    QByteArray Export(const QString &Path, const std::function<void(TeApdOptions *)> &Choose = {});
    void Trigger(TAction *Action);
    // A command chosen from the main window's menu bar as the user does: a click on the bar opens the top
    // menu Path[0], the mouse goes onto each further item in turn (a host item's sub-menu opens with the
    // Right key), and the last one is taken with Return, or with a click when ByClick.
    void ChooseFromMenu(const QStringList &Path, bool ByClick = false);

    // Lets the events posted so far, and those they post, be handled.
    static void Settle();
    // Runs Step on the window of type T once it is shown and activated (while the modal loop that shows
    // it runs); Found is set to it. Freeing the returned watch gives up waiting.
    template <class T> static QPointer<QTimer> WhenShown(T *&Found, std::function<void(T *)> Step)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, &Found, Step] {
            for (QWidget *top : QApplication::topLevelWidgets())
                if (auto *sink = dynamic_cast<IPeerSink *>(top); sink && top->isVisible())
                    if (auto *form = qobject_cast<T *>(sink->Control())) {
                        poll->stop();
                        poll->deleteLater();
                        Found = form;
                        QApplication::setActiveWindow(top);
                        Settle();
                        Step(form);
                        return;
                    }
        });
        poll->start(10);
        return poll;
    }

    // Every box of the header and of every page with what it holds: the text, and the value of the value
    // boxes to the last bit (dates with their time of day); the tab sheets' names and captions.
    std::map<QString, QString> Snapshot() const;

    // Answers to the message boxes, in order; when none is left the answer is OK.
    std::deque<TModalResult> Answers;
    std::vector<QString> Messages;
    QStringList FileChoices;
    TMessageDlgHandler FixturePrevious;
    TCommonDialogHandler PreviousDialogs;
};

// Every box of the document's header and pages (all made whole) with what it holds, as Snapshot() says.
std::map<QString, QString> Snapshot(TApdData *Document);
// Every difference between two snapshots, one line each.
QString Differences(const std::map<QString, QString> &Expected, const std::map<QString, QString> &Actual);
QByteArray ReadAll(const QString &Path);
