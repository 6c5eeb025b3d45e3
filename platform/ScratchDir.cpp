#include "platform/ScratchDir.h"

#include "platform/AppError.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

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

// A per-user runtime directory is only trusted the way its convention asks:
// an absolute path to a directory that this user owns and nobody else may
// enter.
bool isPrivateRuntimeDirectory(const QString& dir)
{
    if (dir.isEmpty() || !QDir::isAbsolutePath(dir))
        return false;
    struct stat st {};
    if (::stat(QFile::encodeName(dir).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

bool isWritableDirectory(const char* dir)
{
    struct stat st {};
    return ::stat(dir, &st) == 0 && S_ISDIR(st.st_mode) && ::access(dir, W_OK | X_OK) == 0;
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
    QByteArray templ = QFile::encodeName(base() + QLatin1String("/lessonwright-XXXXXX"));
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

QString ScratchDir::base()
{
    // A TMPDIR that is set is the user's choice, usable or not. Qt gives an
    // empty temporary path when it names no existing folder; the folder would
    // then land in the file-system root. Keep the named place, so that
    // creating the folder fails with a message naming it.
    if (!qEnvironmentVariableIsEmpty("TMPDIR")) {
        const QString temp = QDir::tempPath();
        return temp.isEmpty() ? qEnvironmentVariable("TMPDIR") : temp;
    }
    // Otherwise a file system in memory: every frame step creates, reads and
    // deletes a file here, and on a disk file system creating and deleting
    // an inode costs about as much again as writing the frame's bytes.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateRuntimeDirectory(runtime))
        return QDir::cleanPath(runtime);
    if (isWritableDirectory("/dev/shm"))
        return QStringLiteral("/dev/shm");
    return QDir::tempPath();
}

void ScratchDir::remove()
{
    if (current().isEmpty())
        return;
    QDir(current()).removeRecursively();
    current().clear();
}
