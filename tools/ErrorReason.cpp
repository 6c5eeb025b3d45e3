#include "tools/ErrorReason.h"

#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace ErrorReason {
namespace {

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray native(const QString& hostPath)
{
    return QFile::encodeName(hostPath);
}

// errno of stat(), or 0 when the path exists.
int statError(const QString& hostPath, struct stat& info)
{
    return ::stat(native(hostPath).constData(), &info) == 0 ? 0 : errno;
}

QString parentOf(const QString& hostPath)
{
    return QFileInfo(hostPath).absolutePath();
}

// Why folder cannot be used with access (R_OK, W_OK, X_OK): it is missing,
// not a folder, or not open to this user.
QString folderReason(const QString& folder, int access)
{
    struct stat info {};
    if (const int error = statError(folder, info))
        return systemText(error);
    if (!S_ISDIR(info.st_mode))
        return systemText(ENOTDIR);
    if (::access(native(folder).constData(), access) != 0)
        return systemText(errno);
    return {};
}

// Why nothing can be created in folder: the above, or a full or read-only
// file system.
QString forCreatingIn(const QString& folder)
{
    const QString reason = folderReason(folder, W_OK | X_OK);
    if (!reason.isEmpty())
        return reason;
    struct statvfs space {};
    if (::statvfs(native(folder).constData(), &space) == 0 && space.f_bavail == 0)
        return systemText(ENOSPC);
    return {};
}

// Why the file cannot be opened with flags (O_RDONLY, O_WRONLY); a folder
// is not a file.
QString fileReason(const QString& hostPath, int flags)
{
    struct stat info {};
    if (const int error = statError(hostPath, info))
        return systemText(error);
    if (S_ISDIR(info.st_mode))
        return systemText(EISDIR);
    const int fd = ::open(native(hostPath).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return systemText(errno);
    ::close(fd);
    return {};
}

} // namespace

QString forReading(const QString& hostPath)
{
    return fileReason(hostPath, O_RDONLY);
}

QString forWriting(const QString& hostPath)
{
    if (!QFileInfo::exists(hostPath))
        return forCreatingIn(parentOf(hostPath));
    // Opened without truncating: asking must not change the file.
    const QString reason = fileReason(hostPath, O_WRONLY);
    return reason.isEmpty() ? forCreatingIn(parentOf(hostPath)) : reason;
}

QString forListing(const QString& hostPath)
{
    return folderReason(hostPath, R_OK | X_OK);
}

QString forMaking(const QString& hostPath)
{
    // The nearest folder that exists is where the first new one would go.
    QString existing = QDir::cleanPath(hostPath);
    struct stat info {};
    while (statError(existing, info) == ENOENT && existing != parentOf(existing))
        existing = parentOf(existing);
    if (existing == QDir::cleanPath(hostPath) && statError(existing, info) == 0)
        return S_ISDIR(info.st_mode) ? QString() : systemText(EEXIST);
    return forCreatingIn(existing);
}

QString explained(const QString& message)
{
    static const QRegularExpression failure(
        QStringLiteral("^Cannot (open|create|write|delete) (file|directory) (.+)$"));
    const QRegularExpressionMatch match = failure.match(message);
    // A message that already gives its reason ("...: it already exists")
    // is left alone.
    if (!match.hasMatch() || match.captured(3).contains(QLatin1String(": ")))
        return message;
    const QString verb = match.captured(1);
    const bool directory = match.captured(2) == QLatin1String("directory");
    const QString host = HostPath::toHost(match.captured(3));
    QString reason;
    if (directory)
        reason = forMaking(host);
    else if (verb == QLatin1String("open"))
        reason = forReading(host);
    else if (verb == QLatin1String("delete"))
        reason = forCreatingIn(parentOf(host));
    else
        reason = forWriting(host);
    return reason.isEmpty() ? message : message + QStringLiteral(": ") + reason;
}

QString pathProblem(const QString& written, const QString& hostPath, const QString& reason)
{
    const bool coursePath = written.size() >= 2 && written.at(1) == QLatin1Char(':') && written.at(0).isLetter();
    const QString named = coursePath ? QStringLiteral("%1 (%2)").arg(written, hostPath) : written;
    return QStringLiteral("%1: %2").arg(named, reason);
}

} // namespace ErrorReason
