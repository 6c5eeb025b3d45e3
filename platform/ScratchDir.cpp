#include "platform/ScratchDir.h"

#include "platform/AppError.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace {

QString& current()
{
    static QString dir;
    return dir;
}

void removeAtExit()
{
    ScratchDir::remove();
}

} // namespace

ScratchDir::Session::Session()
{
    // Without a usable temporary directory the program still starts: the
    // launcher works, and showing a frame reports the failure in the error
    // box each time (creating the folder is retried then).
    try {
        path();
    } catch (const AppError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
    }
}

ScratchDir::Session::~Session()
{
    ScratchDir::remove();
}

QString ScratchDir::path()
{
    if (!current().isEmpty())
        return current();
    // Qt gives an empty temporary path when TMPDIR names no existing folder;
    // the folder would then land in the file-system root. Keep the named
    // place, so that creating the folder fails with a message naming it.
    QString base = QDir::tempPath();
    if (base.isEmpty())
        base = qEnvironmentVariable("TMPDIR");
    QByteArray templ = QFile::encodeName(base + QLatin1String("/lessonwright-XXXXXX"));
    // mkdtemp creates the directory with mode 0700 and a name nobody can predict.
    if (::mkdtemp(templ.data()) == nullptr) {
        const int error = errno;
        throw AppError(QStringLiteral("Cannot create file %1: %2")
                           .arg(QFile::decodeName(templ), QString::fromLocal8Bit(std::strerror(error))));
    }
    ::chmod(templ.constData(), 0700);
    current() = QFile::decodeName(templ);
    // Also clean up when the program leaves through exit() without unwinding.
    static const bool registered = (std::atexit(removeAtExit), true);
    (void)registered;
    return current();
}

void ScratchDir::remove()
{
    if (current().isEmpty())
        return;
    QDir(current()).removeRecursively();
    current().clear();
}
