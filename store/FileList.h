#pragma once

#include <QString>
#include <QStringList>

// What a file list box shows: the names (without directory) of the files in
// its directory that match its mask and are neither hidden nor system files,
// sorted by name without regard to letter case. Pointing it at a directory
// makes that directory the process's current directory, which later relative
// paths of the builder depend on.
class FileList {
public:
    explicit FileList(QString mask);

    // directory is a course path ("e:\tutorial") or a host path. Throws
    // AppError "I/O error 3" when the directory cannot be reached; the list
    // and the current directory are then unchanged.
    void setDirectory(const QString& directory);

    // The host directory the list was last pointed at.
    const QString& directory() const { return m_directory; }
    const QStringList& items() const { return m_items; }
    const QString& mask() const { return m_mask; }

    // The listing rule on its own, for a host directory.
    static QStringList matchingNames(const QString& hostDirectory, const QString& mask);

private:
    QString m_mask;
    QString m_directory;
    QStringList m_items;
};
