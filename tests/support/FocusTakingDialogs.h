// Message dialogs as the user meets them: each one is a real modal window that takes the focus from the
// window it is shown over, is answered once it is active, and is counted.
#pragma once

#include "vcl/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

class TFocusTakingDialogs
{
public:
    TFocusTakingDialogs()
    {
        FPrevious = SetMessageDlgHandler([this](const TMessageDlgRequest &r) {
            FRequests.push_back(r);
            // A box shown from within a box is counted, but not nested further (a fault must not hang the run).
            if (FDepth > 0)
                return DefaultModalResult(r.Buttons);
            ++FDepth;
            QWidget *over = QApplication::activeWindow();
            QDialog box(over);
            box.setModal(true);
            box.resize(240, 80);
            QPushButton ok(QStringLiteral("OK"), &box);
            ok.setDefault(true);
            // Activated as a window manager does with a new modal window, and answered a little later.
            int ticks = 0;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, &box, [&] {
                if (QApplication::activeWindow() != &box)
                    QApplication::setActiveWindow(&box);
                else if (++ticks > 2)
                    box.accept();
            });
            poll.start(5);
            box.exec();
            // The window manager gives the activation back to the window the box was shown over.
            if (over)
                QApplication::setActiveWindow(over);
            --FDepth;
            return DefaultModalResult(r.Buttons);
        });
    }
    ~TFocusTakingDialogs() { SetMessageDlgHandler(std::move(FPrevious)); }
    TFocusTakingDialogs(const TFocusTakingDialogs &) = delete;
    TFocusTakingDialogs &operator=(const TFocusTakingDialogs &) = delete;

    int Count() const { return int(FRequests.size()); }
    const std::vector<TMessageDlgRequest> &Requests() const { return FRequests; }

private:
    std::vector<TMessageDlgRequest> FRequests;
    TMessageDlgHandler FPrevious;
    int FDepth = 0;
};
