// A tiny program for the scratch-folder tests: makes the scratch folder the
// way the player does, reports it, and leaves in the way it is asked to.
//   exit        the folder on first use, then exit(3) from deep inside
//   session     a Session like main()'s, then exit(4) without unwinding it
//   frame       a Session, then the frame scratch file through an error box
//   kill        the folder with a file in it, then killed (SIGKILL)
//   hold        a Session kept until standard input closes, then exit 0
//   loop        a Session and an event loop that stops when signalled
#include "platform/ErrorPresenter.h"
#include "platform/HandlerGuard.h"
#include "platform/HostPath.h"
#include "platform/QuitOnSignals.h"
#include "platform/ScratchDir.h"

#include <QCoreApplication>

#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

void report(const QString& dir)
{
    struct stat st {};
    const int mode = ::stat(QFile::encodeName(dir).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
    std::printf("%s\n%o\n", qPrintable(dir), unsigned(mode));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "loop") == 0) {
        QCoreApplication app(argc, argv);
        ScratchDir::Session session;
        const QuitOnSignals quitOnSignals;
        report(ScratchDir::path());
        return app.exec();
    }
    if (std::strcmp(mode, "exit") == 0) {
        report(ScratchDir::path());
        std::exit(3);
    }
    ScratchDir::Session session;
    if (std::strcmp(mode, "session") == 0) {
        report(ScratchDir::path());
        std::exit(4);
    }
    if (std::strcmp(mode, "kill") == 0) {
        const QString dir = ScratchDir::path();
        QFile f(dir + QStringLiteral("/1.jpg"));
        if (f.open(QIODevice::WriteOnly))
            f.write("frame");
        f.close();
        report(dir);
        std::raise(SIGKILL);
    }
    if (std::strcmp(mode, "hold") == 0) {
        report(ScratchDir::path());
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (std::strcmp(mode, "frame") == 0) {
        const bool ran = guarded([] {
            QFile f(HostPath::toHost(QStringLiteral("c:\\1.jpg")));
            if (!f.open(QIODevice::WriteOnly))
                throw AppError(QStringLiteral("Cannot create file c:\\1.jpg"));
        });
        return ran ? 0 : 5;
    }
    return 2;
}
