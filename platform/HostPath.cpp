#include "platform/HostPath.h"

#include "platform/ScratchDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& drivesBaseOverride()
{
    static QString base;
    return base;
}

// Finds the entry of dir whose name equals name without regard to case.
// Exact matches are preferred; among case-insensitive matches the first in
// sorted order wins so the result does not depend on directory order.
QString matchComponent(const QString& dir, const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return name;
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    const QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

void appendComponent(QString& path, const QString& name)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += name;
}

QString withTrailingSlash(QString path, bool keep)
{
    if (keep && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Resolves the components of relative below root, matching case where needed.
QString resolveBelow(const QString& root, const QString& relative, bool keepTrailingSlash)
{
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // Where the path exists as written, every component matches exactly and
    // the answer is the path itself: one look instead of one per component
    // (every frame inserted and every store opened asks).
    QString exact = root;
    for (const QString& part : parts)
        appendComponent(exact, part);
    if (QFileInfo::exists(exact))
        return withTrailingSlash(exact, keepTrailingSlash);

    QString current = root;
    bool matching = true;
    for (const QString& part : parts) {
        QString next = part;
        if (matching) {
            const QString found = matchComponent(current, part);
            if (found.isEmpty())
                matching = false;
            else
                next = found;
        }
        appendComponent(current, next);
    }
    return withTrailingSlash(current, keepTrailingSlash);
}

} // namespace

namespace HostPath {

void setDrivesBase(const QString& base)
{
    drivesBaseOverride() = base;
}

QString driveRoot(QChar driveLetter)
{
    QString base = drivesBaseOverride();
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QLatin1String("/lessonwright/drives");
    return base + QLatin1Char('/') + driveLetter.toLower();
}

QString toHost(const QString& path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool trailingSlash = p.endsWith(QLatin1Char('/')) && p.size() > 1;

    QString root;
    QString rest;
    if (p.size() >= 2 && p.at(1) == QLatin1Char(':') && p.at(0).isLetter()) {
        const QChar drive = p.at(0).toLower();
        root = drive == QLatin1Char('c') ? ScratchDir::path() : driveRoot(drive);
        rest = p.mid(2);
    } else if (p.startsWith(QLatin1Char('/'))) {
        root = QStringLiteral("/");
        rest = p.mid(1);
    } else {
        root = QDir::currentPath();
        rest = p;
    }
    if (rest.isEmpty())
        return trailingSlash || path.endsWith(QLatin1Char('\\')) ? root + QLatin1Char('/') : root;
    return resolveBelow(root, rest, trailingSlash);
}

} // namespace HostPath
