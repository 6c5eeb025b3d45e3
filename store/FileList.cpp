#include "store/FileList.h"

#include "platform/AppError.h"
#include "platform/HostPath.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

FileList::FileList(QString mask)
    : m_mask(std::move(mask))
{
}

void FileList::setDirectory(const QString& directory)
{
    const QString host = HostPath::toHost(directory);
    // The run-time library reports an unreachable directory as "path not
    // found"; nothing else of the command may run after it.
    if (!QFileInfo(host).isDir() || !QDir::setCurrent(host))
        throw AppError(QStringLiteral("I/O error 3"));
    m_directory = QDir::currentPath();
    m_items = matchingNames(m_directory, m_mask);
}

QStringList FileList::matchingNames(const QString& hostDirectory, const QString& mask)
{
    // Masks match without regard to case, as on the disc the course comes from.
    const QRegularExpression pattern(
        QRegularExpression::wildcardToRegularExpression(mask),
        QRegularExpression::CaseInsensitiveOption);

    // QDir leaves out hidden entries unless asked; system files do not exist
    // here, so hidden is the whole rule.
    const QStringList entries = QDir(hostDirectory).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList names;
    for (const QString& name : entries) {
        // A name with a backslash cannot come from the course's own discs, and
        // every course path treats a backslash as a separator: such a name
        // would address a different file than the one listed.
        if (name.contains(QLatin1Char('\\')))
            continue;
        if (pattern.match(name).hasMatch())
            names << name;
    }
    // Case-blind order first; the exact text only breaks ties, so that the
    // order never depends on the directory's own order.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int blind = a.compare(b, Qt::CaseInsensitive);
        return blind != 0 ? blind < 0 : a < b;
    });
    return names;
}
