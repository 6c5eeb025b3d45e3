#include "platform/ScratchDir.h"

#include "platform/AppError.h"

#include <QDir>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

namespace {

QString& current()
{
    static QString dir;
    return dir;
}

int& lockDescriptor()
{
    static int fd = -1;
    return fd;
}

void removeAtExit()
{
    ScratchDir::remove();
}

// While this process lives it holds a lock on its folder. The kernel drops
// the lock however the process ends, killed or crashed included, which is
// how a later start tells a folder left behind from one in use.
void lockFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    lockDescriptor() = fd;
}

void unlockFolder()
{
    if (lockDescriptor() >= 0)
        ::close(lockDescriptor());
    lockDescriptor() = -1;
}

// Removes the folders this user's earlier runs left behind when they were
// killed or crashed: with the folder in memory, each would hold its bytes
// until the machine restarts. A folder is only taken when nobody holds its
// lock and it has not changed for a minute (one just made by a starting run
// has no lock yet; a playing run touches its folder every frame).
void removeLeftovers(const QString& base)
{
    const QStringList names = QDir(base).entryList({QStringLiteral("lessonwright-??????")},
                                                   QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    const std::time_t now = std::time(nullptr);
    for (const QString& name : names) {
        const QByteArray folder = QFile::encodeName(base + QLatin1Char('/') + name);
        struct stat st {};
        if (::lstat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
            continue;
        if (now - st.st_mtime < 60 && now >= st.st_mtime)
            continue;
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            QDir(QFile::decodeName(folder)).removeRecursively();
        ::close(fd);
    }
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
    const QString where = base();
    removeLeftovers(where);
    QByteArray templ = QFile::encodeName(where + QLatin1String("/lessonwright-XXXXXX"));
    // mkdtemp creates the directory with mode 0700 and a name nobody can predict.
    if (::mkdtemp(templ.data()) == nullptr) {
        const int error = errno;
        throw AppError(QStringLiteral("Cannot create file %1: %2")
                           .arg(QFile::decodeName(templ), QString::fromLocal8Bit(std::strerror(error))));
    }
    ::chmod(templ.constData(), 0700);
    lockFolder(templ);
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
    unlockFolder();
    current().clear();
}
