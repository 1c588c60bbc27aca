// A home of the process's own: HOME and the data, configuration, system configuration and run-time folders
// point into a fresh temporary folder, so nothing a test, benchmark or fuzz run does reads or writes the user's
// own files (their tables, documents, recent files and settings). Made before the application object.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

class TPrivateHome
{
public:
    TPrivateHome()
    {
        if (!FDir.isValid()) {
            std::fprintf(stderr, "no temporary folder for the private home\n");
            std::exit(1);
        }
        Set("HOME", "home");
        Set("XDG_DATA_HOME", "home/.local/share");
        Set("XDG_CONFIG_HOME", "home/.config");
        Set("XDG_CONFIG_DIRS", "etc/xdg");
        Set("XDG_RUNTIME_DIR", "runtime");
        QFile::setPermissions(FDir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    TPrivateHome(const TPrivateHome &) = delete;
    TPrivateHome &operator=(const TPrivateHome &) = delete;

    QString Path() const { return FDir.path(); }

private:
    void Set(const char *Variable, const char *Folder)
    {
        const QString path = FDir.filePath(QString::fromLatin1(Folder));
        QDir().mkpath(path);
        qputenv(Variable, QFile::encodeName(path));
    }

    QTemporaryDir FDir;
};

// FIFOs made where the program may meet them, with nobody at their other end: a program that opened one
// with a plain open would wait there for ever. The watch never lets a test hang on one: while it lasts, a
// thread looks whether a thread of the process waits to open a FIFO, and if so opens the other end of each
// watched FIFO for a moment, so that the open goes on, and notes the FIFO. Opening one without waiting (to
// look at what it is) is not noted.
class TFifoWatch
{
public:
    explicit TFifoWatch(const QStringList &Fifos)
    {
        // A writer set free this way, whose reader is gone at once, must not end the test process.
        std::signal(SIGPIPE, SIG_IGN);
        for (const QString &fifo : Fifos) {
            QDir().mkpath(QFileInfo(fifo).absolutePath());
            FPaths.push_back(QFile::encodeName(fifo));
            FMade = ::mkfifo(FPaths.back().constData(), 0600) == 0 && FMade;
        }
        FThread = std::thread([this] { Run(); });
    }
    ~TFifoWatch()
    {
        FStop = true;
        FThread.join();
        for (const QByteArray &path : FPaths)
            ::unlink(path.constData());
    }
    TFifoWatch(const TFifoWatch &) = delete;
    TFifoWatch &operator=(const TFifoWatch &) = delete;

    bool Made() const { return FMade; }
    // The FIFOs that a thread waited to open ("?" for one waited on to write).
    QStringList Waited() const
    {
        const std::lock_guard<std::mutex> lock(FMutex);
        return FWaited;
    }
    // True when every FIFO is still a FIFO (nothing replaced it).
    bool StillThere() const
    {
        for (const QByteArray &path : FPaths) {
            struct stat info;
            if (::lstat(path.constData(), &info) != 0 || !S_ISFIFO(info.st_mode))
                return false;
        }
        return true;
    }

private:
    // True when a thread of this process sleeps in the kernel waiting for a FIFO's other end.
    static bool SomeoneWaits()
    {
        DIR *tasks = ::opendir("/proc/self/task");
        if (!tasks)
            return false;
        bool waits = false;
        while (dirent *task = ::readdir(tasks)) {
            if (task->d_name[0] == '.')
                continue;
            char path[300], wchan[64] = {};
            std::snprintf(path, sizeof path, "/proc/self/task/%s/wchan", task->d_name);
            const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            const ssize_t n = ::read(fd, wchan, sizeof wchan - 1);
            ::close(fd);
            if (n > 0 && std::strcmp(wchan, "wait_for_partner") == 0)
                waits = true;
        }
        ::closedir(tasks);
        return waits;
    }

    void Run()
    {
        while (!FStop) {
            if (SomeoneWaits()) {
                bool found = false;
                for (const QByteArray &path : FPaths) {
                    // Succeeds only while a reader has the FIFO open, or waits to.
                    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                    if (fd < 0)
                        continue;
                    found = true;
                    ::close(fd);
                    const std::lock_guard<std::mutex> lock(FMutex);
                    FWaited << QFile::decodeName(path);
                }
                if (!found) {
                    // A writer waits: a reader for a moment lets it go on.
                    for (const QByteArray &path : FPaths) {
                        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
                        if (fd >= 0)
                            ::close(fd);
                    }
                    const std::lock_guard<std::mutex> lock(FMutex);
                    FWaited << QStringLiteral("?");
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::vector<QByteArray> FPaths;
    bool FMade = true;
    std::atomic<bool> FStop{false};
    mutable std::mutex FMutex;
    QStringList FWaited;
    std::thread FThread;
};
