// Start-up measured as a whole process: the window given is watched, and once its first paint is done the
// process writes "painted" on its standard output and ends at once (what follows is no part of start-up),
// or, given Then, goes on with that.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <unistd.h>

class TFirstPaint : public QObject
{
public:
    explicit TFirstPaint(QWidget *Window, std::function<void()> Then = {}) : FThen(std::move(Then))
    {
        Window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *Event) override
    {
        if (Event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            // Reported once the paint itself has run.
            QTimer::singleShot(0, [this] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                if (!FThen)
                    _exit(0);
                FThen();
            });
        }
        return false;
    }

private:
    bool FSeen = false;
    std::function<void()> FThen;
};
